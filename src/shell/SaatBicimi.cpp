#include "shell/SaatBicimi.h"

#include <cstring>

SaatBicimi::SaatBicimi(const QLocale& yerel)
    : SaatBicimi(yerel.timeFormat(QLocale::LongFormat), yerel.amText(), yerel.pmText())
{
}

SaatBicimi::SaatBicimi(const QString& kalip, const QString& ogleOncesi, const QString& ogleSonrasi)
    : Oo(ogleOncesi), Os(ogleSonrasi), OoBuyuk(ogleOncesi.toUpper()),
      OsBuyuk(ogleSonrasi.toUpper()), OoKucuk(ogleOncesi.toLower()), OsKucuk(ogleSonrasi.toLower())
{
    Coz(kalip);
}

void SaatBicimi::Coz(const QString& kalip)
{
    QString metin;
    auto metniBitir = [&] {
        if (!metin.isEmpty())
            Parcalar.push_back({Tur::Metin, 0, metin});
        metin.clear();
    };
    bool ogleVar = false;
    const int n = kalip.size();
    for (int i = 0; i < n;) {
        const QChar c = kalip.at(i);
        if (c == u'\'') {
            // Quoted text; a doubled quote stands for one quote, inside or outside quotes.
            if (i + 1 < n && kalip.at(i + 1) == u'\'') {
                metin += u'\'';
                i += 2;
                continue;
            }
            ++i;
            while (i < n) {
                if (kalip.at(i) == u'\'') {
                    if (i + 1 < n && kalip.at(i + 1) == u'\'') {
                        metin += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                metin += kalip.at(i++);
            }
            continue;
        }
        int tekrar = 1;
        while (i + tekrar < n && kalip.at(i + tekrar) == c)
            ++tekrar;
        const char16_t k = c.unicode();
        if (k == u'a' || k == u'A') {
            Tur tur = k == u'A' ? Tur::OgleBuyuk : Tur::OgleKucuk;
            int uzunluk = 1;
            if (i + 1 < n && (kalip.at(i + 1) == u'p' || kalip.at(i + 1) == u'P')) {
                const bool buyukA = k == u'A';
                const bool buyukP = kalip.at(i + 1) == u'P';
                tur = buyukA == buyukP ? tur : Tur::OgleOldugu;
                uzunluk = 2;
            }
            metniBitir();
            Parcalar.push_back({tur, 0, {}});
            ogleVar = true;
            i += uzunluk;
            continue;
        }
        if (k == u'H' || k == u'h' || k == u'm' || k == u's') {
            const int hane = tekrar >= 2 ? 2 : 1;
            const int kullanilan = tekrar >= 2 ? 2 : 1;
            const Tur tur = k == u'H'   ? Tur::Saat24
                            : k == u'h' ? Tur::Saat12
                            : k == u'm' ? Tur::Dakika
                                        : Tur::Saniye;
            metniBitir();
            Parcalar.push_back({tur, hane, {}});
            i += kullanilan;
            continue;
        }
        if (k == u'z') {
            const int kullanilan = tekrar >= 3 ? 3 : 1;
            metniBitir();
            Parcalar.push_back({Tur::Milisaniye, kullanilan == 3 ? 3 : 1, {}});
            i += kullanilan;
            continue;
        }
        if (k == u't') {
            // The zone name is not part of the clock caption; drop the blank before it too.
            while (!metin.isEmpty() && metin.back().isSpace())
                metin.chop(1);
            i += tekrar;
            continue;
        }
        metin += c;
        ++i;
    }
    metniBitir();
    // Blanks left at either end by a dropped zone name.
    if (!Parcalar.empty() && Parcalar.back().Cesit == Tur::Metin) {
        Parcalar.back().Yazi = Parcalar.back().Yazi.trimmed();
        if (Parcalar.back().Yazi.isEmpty())
            Parcalar.pop_back();
    }
    if (!Parcalar.empty() && Parcalar.front().Cesit == Tur::Metin) {
        QString& ilk = Parcalar.front().Yazi;
        while (!ilk.isEmpty() && ilk.front().isSpace())
            ilk.remove(0, 1);
        if (ilk.isEmpty())
            Parcalar.erase(Parcalar.begin());
    }
    if (!ogleVar)
        for (Parca& p : Parcalar)
            if (p.Cesit == Tur::Saat12)
                p.Cesit = Tur::Saat24;
}

namespace {

int SayiYaz(int deger, int hane, char16_t* hedef)
{
    char16_t ters[12];
    int n = 0;
    unsigned u = static_cast<unsigned>(deger < 0 ? 0 : deger);
    do {
        ters[n++] = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (n < hane)
        ters[n++] = u'0';
    for (int i = 0; i < n; ++i)
        hedef[i] = ters[n - 1 - i];
    return n;
}

} // namespace

void SaatBicimi::Yaz(QTime saat, const QString& onEk, QString& hedef) const
{
    // Built in a stack buffer, then copied once into `hedef`, whose memory is reused.
    constexpr int Sigim = 256;
    char16_t tampon[Sigim];
    int n = 0;
    QString uzun; // only for an absurdly long pattern
    auto ekle = [&](const char16_t* p, int adet) {
        if (n + adet > Sigim && uzun.isNull()) {
            uzun = QString(reinterpret_cast<const QChar*>(tampon), n);
        }
        if (!uzun.isNull())
            uzun.append(reinterpret_cast<const QChar*>(p), adet);
        else
            for (int i = 0; i < adet; ++i) // a few characters: cheaper than a memcpy call
                tampon[n + i] = p[i];
        n += adet;
    };
    auto ekleMetin = [&](const QString& m) {
        ekle(reinterpret_cast<const char16_t*>(m.constData()), int(m.size()));
    };

    const int s24 = saat.hour();
    const bool ogleden = s24 < 12;
    char16_t sayi[12];
    ekleMetin(onEk);
    for (const Parca& p : Parcalar) {
        switch (p.Cesit) {
        case Tur::Metin:
            ekleMetin(p.Yazi);
            break;
        case Tur::OgleBuyuk:
            ekleMetin(ogleden ? OoBuyuk : OsBuyuk);
            break;
        case Tur::OgleKucuk:
            ekleMetin(ogleden ? OoKucuk : OsKucuk);
            break;
        case Tur::OgleOldugu:
            ekleMetin(ogleden ? Oo : Os);
            break;
        case Tur::Saat24:
            ekle(sayi, SayiYaz(s24, p.Hane, sayi));
            break;
        case Tur::Saat12:
            ekle(sayi, SayiYaz(s24 % 12 == 0 ? 12 : s24 % 12, p.Hane, sayi));
            break;
        case Tur::Dakika:
            ekle(sayi, SayiYaz(saat.minute(), p.Hane, sayi));
            break;
        case Tur::Saniye:
            ekle(sayi, SayiYaz(saat.second(), p.Hane, sayi));
            break;
        case Tur::Milisaniye:
            ekle(sayi, SayiYaz(saat.msec(), p.Hane, sayi));
            break;
        }
    }
    if (!uzun.isNull()) {
        hedef = uzun;
        return;
    }
    hedef.resize(n);
    std::memcpy(hedef.data(), tampon, sizeof(char16_t) * n);
}

QString SaatBicimi::Metin(QTime saat) const
{
    QString metin;
    Yaz(saat, QString(), metin);
    return metin;
}
