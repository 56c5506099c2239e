#include "locations/KonumDosyasi.h"

#include "engine/Sayi.h"
#include "engine/VakitGirdisi.h"
#include "locations/LLCase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

const QString KonumDosyasi::DosyaAdi = QStringLiteral("data.db");
const QString KonumDosyasi::GeciciDosyaAdi = QStringLiteral("tmpdata.db");

namespace {

const char* const KodSayfasi = "windows-1254";

// Windows-1254 is one byte per character with ASCII at its bottom half, so the structure of
// a line (CR LF, "|", digits, marks) is read from the bytes and only the two names are turned
// into text, each character by a table built once from the code page's own decoder. The same
// table gives the LLCase fold of each character: no letter of the code page folds into more
// than one character, so folding character by character equals folding the whole name.
struct KodTablosu
{
    char16_t harf[256];
    char16_t kucuk[256];

    KodTablosu()
    {
        for (int b = 0; b < 256; ++b) {
            QStringDecoder cevirici(KodSayfasi);
            const QString c = cevirici(QByteArray(1, char(b)));
            harf[b] = c.size() == 1 ? c.at(0).unicode() : u'\uFFFD';
            const QString k = LLCase(QString(QChar(harf[b])));
            kucuk[b] = k.size() == 1 ? k.at(0).unicode() : harf[b];
        }
    }
};

const KodTablosu& Tablo()
{
    static const KodTablosu tablo;
    return tablo;
}

struct Alan
{
    const char* bas;
    const char* son;
    qsizetype boy() const { return son - bas; }
};

// The name turned into text through one of the tables: as it is (harf) or folded (kucuk).
QString AdMetni(Alan a, const char16_t (&tablo)[256])
{
    const auto* b = reinterpret_cast<const unsigned char*>(a.bas);
    QString ad(a.boy(), Qt::Uninitialized);
    char16_t* h = reinterpret_cast<char16_t*>(ad.data());
    for (qsizetype i = 0; i < a.boy(); ++i)
        h[i] = tablo[b[i]];
    return ad;
}

Alan Bosluksuz(Alan a)
{
    while (a.bas < a.son && *a.bas == ' ')
        ++a.bas;
    while (a.son > a.bas && a.son[-1] == ' ')
        --a.son;
    return a;
}

const char* Isaret(Alan& a, bool& eksi)
{
    eksi = false;
    if (a.bas < a.son && (*a.bas == '-' || *a.bas == '+'))
        eksi = *a.bas++ == '-';
    return a.bas;
}

// Id: a decimal integer in the 16-bit range, optional sign, spaces around allowed.
bool IdCoz(Alan a, qint32& id)
{
    a = Bosluksuz(a);
    bool eksi;
    Isaret(a, eksi);
    if (a.bas == a.son)
        return false;
    qint32 deger = 0;
    for (const char* p = a.bas; p < a.son; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        deger = deger * 10 + (*p - '0');
        if (deger > 32768)
            return false;
    }
    deger = eksi ? -deger : deger;
    if (deger > 32767)
        return false;
    id = deger;
    return true;
}

// A number with "," or "." as its decimal mark. While the digits, read as one integer, stay
// below 2^53 and there are at most 22 decimals, both that integer and the power of ten are
// exact doubles, so one division gives the correctly rounded value; other texts (longer
// ones, and exponents, which the file does not use) go through Qt's conversion.
bool SayiCoz(Alan a, double& sayi)
{
    static constexpr double OnunKuvveti[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    a = Bosluksuz(a);
    const Alan tum = a;
    bool eksi;
    const char* p = Isaret(a, eksi);
    const char* const son = a.son;
    quint64 basamaklar = 0;
    const char* const tamBasi = p;
    while (p < son && unsigned(*p - '0') < 10)
        basamaklar = basamaklar * 10 + unsigned(*p++ - '0');
    int rakam = int(p - tamBasi), ondalik = 0;
    if (p < son && (*p == ',' || *p == '.')) {
        const char* const kesirBasi = ++p;
        while (p < son && unsigned(*p - '0') < 10)
            basamaklar = basamaklar * 10 + unsigned(*p++ - '0');
        ondalik = int(p - kesirBasi);
        rakam += ondalik;
    }
    if (p == son && rakam > 0 && rakam <= 18 && ondalik <= 22 && basamaklar <= (quint64(1) << 53)) {
        const double d = double(basamaklar) / OnunKuvveti[ondalik];
        sayi = eksi ? -d : d;
        return true;
    }
    QByteArray metin(tum.bas, tum.boy());
    metin.replace(',', '.');
    bool tamam = false;
    const double d = metin.toDouble(&tamam);
    if (!tamam || !std::isfinite(d))
        return false;
    sayi = d;
    return true;
}

// The bytes where a field or a line may end.
inline bool Ayirici(char c)
{
    return c == '|' || c == '\r';
}

// The first "|" or CR in [p, son), or son. Eight bytes are tested at once: a byte of
// w ^ ('|' * Birler) is zero where w holds a "|", and (x - Birler) & ~x & Yuksekler marks the
// lowest zero byte of x exactly (a borrow can only mark bytes above it). Fields are short and
// of every length, so this replaces a hard-to-predict branch per byte with one per field.
const char* AyiriciBul(const char* p, const char* son)
{
    constexpr quint64 Birler = 0x0101010101010101;
    constexpr quint64 Yuksekler = 0x8080808080808080;
    auto sifirBayt = [](quint64 x) { return (x - Birler) & ~x & Yuksekler; };
    for (; son - p >= 8; p += 8) {
        const quint64 w = qFromLittleEndian<quint64>(p);
        const quint64 m = sifirBayt(w ^ ('|' * Birler)) | sifirBayt(w ^ ('\r' * Birler));
        if (m)
            return p + qCountTrailingZeroBits(m) / 8;
    }
    while (p < son && !Ayirici(*p))
        ++p;
    return p;
}

// Calls ekle(record with its numbers, country field, city field) for each well-formed line,
// in order; returns the line numbers (1-based, every CR LF counted) of the unreadable ones.
template <typename Ekle> QVector<int> Ayristir(const QByteArray& veri, Ekle ekle)
{
    QVector<int> atlanan;
    const char* p = veri.constData();
    const char* const dosyaSonu = p + veri.size();
    int satirNo = 0;
    for (bool son = false; !son;) {
        ++satirNo;
        // One pass over the line finds its fields and its end, the next CR LF; a lone CR or
        // LF belongs to the field it stands in.
        Alan alan[6];
        int n = 0; // separators seen
        const char* alanBasi = p;
        const char* q = p;
        for (;; ++q) {
            q = AyiriciBul(q, dosyaSonu);
            if (q == dosyaSonu)
                break;
            if (*q == '|') {
                if (n < 6)
                    alan[n] = {alanBasi, q};
                ++n;
                alanBasi = q + 1;
            } else if (*q == '\r' && q + 1 < dosyaSonu && q[1] == '\n') {
                break;
            }
        }
        if (n < 6)
            alan[n] = {alanBasi, q};
        ++n; // fields
        const bool bos = q == p;
        son = q == dosyaSonu;
        p = son ? q : q + 2;
        if (bos)
            continue;
        KonumKaydi k;
        if (n < 6 || !IdCoz(alan[0], k.Id) || !SayiCoz(alan[3], k.Tz) ||
            !SayiCoz(alan[4], k.Enlem) || !SayiCoz(alan[5], k.Boylam) ||
            !VakitGirdisi::TzGecerli(k.Tz) || !VakitGirdisi::EnlemGecerli(k.Enlem) ||
            !VakitGirdisi::BoylamGecerli(k.Boylam)) {
            atlanan.push_back(satirNo);
            continue;
        }
        ekle(k, alan[1], alan[2]);
    }
    return atlanan;
}

} // namespace

KonumMesaji KonumDosyasiMesaji(KonumDosyasiSonucu sonuc)
{
    switch (sonuc) {
    case KonumDosyasiSonucu::DosyaYok:
        return DosyaBulunamadiMesaji;
    case KonumDosyasiSonucu::Okunamadi:
    case KonumDosyasiSonucu::DosyaDegil:
    case KonumDosyasiSonucu::CokBuyuk:
        return DosyaOkunamadiMesaji;
    case KonumDosyasiSonucu::SaltOkunur:
        return SaltOkunurMesaji;
    case KonumDosyasiSonucu::Kilitli:
        return KilitliMesaji;
    case KonumDosyasiSonucu::GecersizAd:
        return GecersizAdMesaji;
    default:
        return DosyaYazilamadiMesaji;
    }
}

KonumDosyasi::KonumDosyasi(const QString& klasor) : yol_(QDir(klasor).filePath(DosyaAdi)) {}

KonumDosyasi KonumDosyasi::DosyaYolu(const QString& yol)
{
    KonumDosyasi dosya(QFileInfo(yol).path());
    dosya.yol_ = yol;
    return dosya;
}

QString KonumDosyasi::Yol() const
{
    return yol_;
}

QString KonumDosyasi::Hedef() const
{
    const QFileInfo bilgi(yol_);
    if (!bilgi.exists())
        return {};
    return bilgi.isSymLink() ? bilgi.canonicalFilePath() : yol_;
}

QString KonumDosyasi::GeciciYol() const
{
    const QString hedef = Hedef();
    return QFileInfo(hedef.isEmpty() ? yol_ : hedef).dir().filePath(GeciciDosyaAdi);
}

KonumDosyasiSonucu KonumDosyasi::Oku()
{
    veri_.clear();
    atlanan_.clear();
    const QFileInfo bilgi(yol_);
    if (!bilgi.exists())
        return KonumDosyasiSonucu::DosyaYok;
    if (!bilgi.isFile())
        return KonumDosyasiSonucu::DosyaDegil;
    if (bilgi.size() > EnBuyukBoyut)
        return KonumDosyasiSonucu::CokBuyuk;
    QFile dosya(yol_);
    if (!dosya.open(QIODevice::ReadOnly))
        return KonumDosyasiSonucu::Okunamadi;
    // Bounded even when the file grows while it is read.
    veri_ = dosya.read(EnBuyukBoyut + 1);
    if (dosya.error() != QFileDevice::NoError)
        return KonumDosyasiSonucu::Okunamadi;
    if (veri_.size() > EnBuyukBoyut) {
        veri_.clear();
        return KonumDosyasiSonucu::CokBuyuk;
    }
    return KonumDosyasiSonucu::Tamam;
}

KonumDosyasiSonucu KonumDosyasi::DosyadanOku(QVector<KonumKaydi>& kayitlar)
{
    const KonumDosyasiSonucu sonuc = Oku();
    if (sonuc == KonumDosyasiSonucu::Tamam)
        kayitlar = Coz(veri_, &atlanan_);
    return sonuc;
}

KonumDosyasiSonucu KonumDosyasi::DosyadanOku(clsFastCollection& satirlar)
{
    const KonumDosyasiSonucu sonuc = Oku();
    if (sonuc != KonumDosyasiSonucu::Tamam)
        return sonuc;
    // Rows of one country follow each other: they share the country and its folded form.
    const KodTablosu& t = Tablo();
    bool ilk = true;
    QByteArrayView ulkeBayt;
    QString ulke, kucukUlke;
    atlanan_ = Ayristir(veri_, [&](const KonumKaydi& k, Alan u, Alan s) {
        if (ilk || QByteArrayView(u.bas, u.boy()) != ulkeBayt) {
            ilk = false;
            ulkeBayt = QByteArrayView(u.bas, u.boy());
            ulke = AdMetni(u, t.harf);
            kucukUlke = AdMetni(u, t.kucuk);
        }
        auto satir = std::make_unique<vkListItem>();
        satir->setId(k.Id);
        satir->setUlke(ulke, kucukUlke);
        satir->setSehir(AdMetni(s, t.harf), AdMetni(s, t.kucuk));
        satir->setTz(k.Tz);
        satir->setEnlem(k.Enlem);
        satir->setBoylam(k.Boylam);
        satir->setIndex(satirlar.Count() + 1);
        satirlar.Add(std::move(satir), -1);
    });
    return sonuc;
}

QVector<KonumKaydi> KonumDosyasi::Coz(const QByteArray& veri, QVector<int>* atlanan)
{
    QVector<KonumKaydi> kayitlar;
    const QVector<int> a = Ayristir(veri, [&](KonumKaydi k, Alan u, Alan s) {
        k.Ulke = AdMetni(u, Tablo().harf);
        k.Sehir = AdMetni(s, Tablo().harf);
        kayitlar.push_back(std::move(k));
    });
    if (atlanan)
        *atlanan = a;
    return kayitlar;
}

QString KonumDosyasi::SayiMetni(double sayi)
{
    return Sayi::Yaz(sayi, QLatin1Char(','));
}

bool KonumDosyasi::AdYazilabilir(const QString& ad)
{
    if (ad.contains(QLatin1Char('|')) || ad.contains(QLatin1Char('\r')) ||
        ad.contains(QLatin1Char('\n')))
        return false;
    QStringEncoder kodlayici(KodSayfasi);
    QStringDecoder cevirici(KodSayfasi);
    const QByteArray bayt = kodlayici(ad);
    return !kodlayici.hasError() && QString(cevirici(bayt)) == ad;
}

bool KonumDosyasi::SatirYazilabilir(const KonumKaydi& k)
{
    return k.Id >= -32768 && k.Id <= 32767 && AdYazilabilir(k.Ulke) && AdYazilabilir(k.Sehir) &&
           VakitGirdisi::TzGecerli(k.Tz) && VakitGirdisi::EnlemGecerli(k.Enlem) &&
           VakitGirdisi::BoylamGecerli(k.Boylam);
}

QByteArray KonumDosyasi::Kodla(const QVector<KonumKaydi>& kayitlar)
{
    QString metin;
    for (qsizetype i = 0; i < kayitlar.size(); ++i) {
        if (i > 0)
            metin += QLatin1String("\r\n");
        metin += SatirMetni(kayitlar.at(i));
    }
    QStringEncoder kodlayici(KodSayfasi);
    return kodlayici(metin);
}

QString KonumDosyasi::SatirMetni(const KonumKaydi& k)
{
    const QChar ayrac(QLatin1Char('|'));
    return QString::number(k.Id) + ayrac + k.Ulke + ayrac + k.Sehir + ayrac + SayiMetni(k.Tz) +
           ayrac + SayiMetni(k.Enlem) + ayrac + SayiMetni(k.Boylam);
}

KonumDosyasi::Kilit::Kilit(const KonumDosyasi& dosya, int beklemeMs)
{
    const QString hedef = dosya.Hedef();
    kilit_ = std::make_unique<QLockFile>((hedef.isEmpty() ? dosya.yol_ : hedef) +
                                         QStringLiteral(".lock"));
    if (kilit_->tryLock(beklemeMs))
        sonuc_ = KonumDosyasiSonucu::Tamam;
    else if (kilit_->error() == QLockFile::LockFailedError)
        sonuc_ = KonumDosyasiSonucu::Kilitli;
    else
        sonuc_ = KonumDosyasiSonucu::Yazilamadi;
}

KonumDosyasi::Kilit::~Kilit() = default;

KonumDosyasiSonucu KonumDosyasi::SatirEkle(const KonumKaydi& kayit)
{
    if (!SatirYazilabilir(kayit))
        return KonumDosyasiSonucu::GecersizAd;
    QByteArray veri = veri_;
    if (!veri.isEmpty() && !veri.endsWith("\r\n"))
        veri += "\r\n";
    QStringEncoder kodlayici(KodSayfasi);
    veri += kodlayici(SatirMetni(kayit));
    const KonumDosyasiSonucu sonuc = Yaz(veri);
    if (sonuc == KonumDosyasiSonucu::Tamam)
        veri_ = veri;
    return sonuc;
}

KonumDosyasiSonucu KonumDosyasi::Yaz(const QByteArray& veri) const
{
    const QString hedef = Hedef();
    if (hedef.isEmpty())
        return KonumDosyasiSonucu::DosyaYok;
    const QFileDevice::Permissions izinler = QFileInfo(hedef).permissions();
    if (!(izinler & QFileDevice::WriteOwner))
        return KonumDosyasiSonucu::SaltOkunur;

    // The new text goes to tmpdata.db first and replaces the file by one rename, which
    // replaces the target in one step: a crash leaves either the old or the new file.
    const QString geciciYol = GeciciYol();
    QFile gecici(geciciYol);
    if (!gecici.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return KonumDosyasiSonucu::Yazilamadi;
    bool tamam =
        gecici.write(veri) == veri.size() && gecici.flush() && gecici.setPermissions(izinler);
#ifdef Q_OS_UNIX
    struct stat st;
    if (tamam && ::stat(QFile::encodeName(hedef).constData(), &st) == 0) {
        // Only a privileged process may give the file away; otherwise it is ours anyway.
        [[maybe_unused]] const int sahip = ::fchown(gecici.handle(), st.st_uid, st.st_gid);
    }
    tamam = tamam && ::fsync(gecici.handle()) == 0; // the bytes are on disk before the rename
#endif
    gecici.close();
    tamam = tamam && gecici.error() == QFileDevice::NoError;
    if (tamam) {
        std::error_code hata;
        std::filesystem::rename(std::filesystem::path(geciciYol.toStdU16String()),
                                std::filesystem::path(hedef.toStdU16String()), hata);
        tamam = !hata;
    }
    if (!tamam) {
        QFile::remove(geciciYol);
        return KonumDosyasiSonucu::Yazilamadi;
    }
    return KonumDosyasiSonucu::Tamam;
}
