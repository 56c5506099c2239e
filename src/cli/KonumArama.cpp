#include "cli/KonumArama.h"

#include "cli/Cikis.h"

#include <QDir>

namespace KonumArama {

QString DosyaMesaji(KonumDosyasiSonucu sonuc, const KonumDosyasi& dosya)
{
    const bool yazma = sonuc == KonumDosyasiSonucu::Yazilamadi ||
                       sonuc == KonumDosyasiSonucu::SaltOkunur ||
                       sonuc == KonumDosyasiSonucu::Kilitli;
    const QString ad = QDir::toNativeSeparators(yazma ? dosya.Yol() : dosya.OkunanYol());
    switch (sonuc) {
    case KonumDosyasiSonucu::DosyaYok:
        return QStringLiteral("Konum dosyası bulunamadı: %1").arg(ad);
    case KonumDosyasiSonucu::Okunamadi:
        return QStringLiteral("Konum dosyası okunamadı: %1").arg(ad);
    case KonumDosyasiSonucu::DosyaDegil:
        return QStringLiteral("Konum dosyası düzenli bir dosya değil: %1").arg(ad);
    case KonumDosyasiSonucu::CokBuyuk:
        return QStringLiteral("Konum dosyası çok büyük (en çok %1 MiB): %2")
            .arg(KonumDosyasi::EnBuyukBoyut / (1024 * 1024))
            .arg(ad);
    case KonumDosyasiSonucu::SaltOkunur:
        return QStringLiteral("Konum dosyası salt okunur; bir şey eklenmedi: %1").arg(ad);
    case KonumDosyasiSonucu::Kilitli:
        return QStringLiteral("Konum dosyasına başka bir işlem yazıyor; biraz sonra yeniden "
                              "deneyin: %1")
            .arg(ad);
    case KonumDosyasiSonucu::GecersizAd:
        return QString::fromUtf8(GecersizAdMesaji.Metin);
    default:
        return QStringLiteral("Konum dosyasına yazılamadı, dosyanın önceki hali korundu: %1")
            .arg(ad);
    }
}

void AtlananlariBildir(const QVector<int>& satirlar, const QString& yol, QTextStream& err)
{
    if (satirlar.isEmpty())
        return;
    QStringList numaralar;
    for (int n : satirlar)
        numaralar << QString::number(n);
    err << "orvanel-cli: " << QDir::toNativeSeparators(yol)
        << ": okunamayan satırlar atlandı: " << numaralar.join(QStringLiteral(", ")) << '\n';
    err.flush();
}

QString BulunamadiMesaji(const QString& metin)
{
    return QStringLiteral("\"%1\" için konum bulunamadı.").arg(metin);
}

bool Oku(KonumDosyasi dosya, KonumSatirlari& liste, QString* hata, QTextStream& err,
         QVector<int>* atlananlar)
{
    const QString yol = dosya.OkunanYol();
    QVector<KonumKaydi> kayitlar;
    const KonumDosyasiSonucu sonuc = dosya.DosyadanOku(kayitlar);
    if (sonuc != KonumDosyasiSonucu::Tamam) {
        if (hata)
            *hata = DosyaMesaji(sonuc, dosya);
        return false;
    }
    liste = KonumSatirlari(std::move(kayitlar));
    AtlananlariBildir(dosya.AtlananSatirlar(), yol, err);
    if (atlananlar)
        *atlananlar = dosya.AtlananSatirlar();
    return true;
}

int Bul(const QString& metin, const KonumDosyasi& dosya, Bulunan& bulunan, QString* hata,
        QTextStream& err)
{
    KonumSatirlari liste;
    QVector<int> atlananlar;
    if (!Oku(dosya, liste, hata, err, &atlananlar))
        return Cikis::HataliGirdi;
    const int satir = liste.AramaKutusuBul(metin);
    if (satir < 0) {
        if (hata)
            *hata = BulunamadiMesaji(metin);
        return Cikis::Bulunamadi;
    }
    bulunan.Kayit = liste.at(satir);
    // The row's line: its position from 1, and one more for each unreadable line before it.
    bulunan.Satir = satir + 1;
    for (int atlanan : atlananlar)
        if (atlanan <= bulunan.Satir)
            ++bulunan.Satir;
    return Cikis::Tamam;
}

} // namespace KonumArama
