#include "locations/KonumDosyasi.h"

#include "engine/Sayi.h"
#include "engine/VakitGirdisi.h"
#include "locations/KodSayfasi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

const QString KonumDosyasi::DosyaAdi = QStringLiteral("data.db");

namespace {

struct Alan
{
    const char* bas;
    const char* son;
    qsizetype boy() const { return son - bas; }
};

QString AdMetni(Alan a)
{
    return KodSayfasi::Coz(QByteArrayView(a.bas, a.boy()));
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
constexpr double OnunKuvveti[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool SayiCoz(Alan a, double& sayi)
{
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

// The form nearly every line has, read in one pass: "Id|country|city|Tz|Enlem|Boylam" ending
// in CR LF or the file's end, the Id bare digits, the numbers "-digits,digits" of at most 15
// digits, all in range, no CR in the names. Moves p past the line and fills the record and
// the two name fields; false for any other line, which the general reading below takes, so
// both give the same rows.
struct HizliOkuyucu
{
    const char* p;
    const char* const son;

    // Eight bytes at a time where eight more stand after the digits: the count of digits at
    // the start of w (first byte lowest; a byte is a digit when its high nibble is 3 and stays
    // 3 with 6 added), and their value, folded pairwise (10, 100, 10000).
    static int Rakamlar(quint64 w)
    {
        constexpr quint64 Ust = 0xF0F0F0F0F0F0F0F0, Uc = 0x3030303030303030;
        const quint64 degil = ((w & Ust) ^ Uc) | (((w + 0x0606060606060606) & Ust) ^ Uc);
        return degil ? int(qCountTrailingZeroBits(degil) / 8) : 8;
    }
    static quint64 Deger(quint64 w, int n)
    {
        quint64 d = (w - 0x3030303030303030) << (8 * (8 - n));
        d = (d * 10 + (d >> 8)) & 0x00FF00FF00FF00FF;
        d = (d * 100 + (d >> 16)) & 0x0000FFFF0000FFFF;
        return (d * 10000 + (d >> 32)) & 0xFFFFFFFF;
    }
    bool Sayi(double& sayi)
    {
        static constexpr quint64 Tam[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
        const bool eksi = p < son && *p == '-';
        p += eksi;
        if (son - p >= 16) {
            const int n = Rakamlar(qFromLittleEndian<quint64>(p));
            if (n > 0 && n < 8) {
                quint64 deger = Deger(qFromLittleEndian<quint64>(p), n);
                p += n;
                int ondalik = 0;
                if (*p == ',') {
                    const quint64 w = qFromLittleEndian<quint64>(p + 1);
                    ondalik = Rakamlar(w);
                    deger = deger * Tam[ondalik & 7] + Deger(w, ondalik | (ondalik == 0));
                    p += 1 + ondalik;
                }
                if (ondalik < 8 && (p[-1] != ',')) {
                    const double d = double(deger) / OnunKuvveti[ondalik];
                    sayi = eksi ? -d : d;
                    return true;
                }
            }
        }
        return false; // the general reading takes the line
    }
    bool Ayrac()
    {
        if (p == son || *p != '|')
            return false;
        ++p;
        return true;
    }
    bool Ad(Alan& alan)
    {
        const char* q = AyiriciBul(p, son);
        if (q == son || *q != '|')
            return false;
        alan = {p, q};
        p = q + 1;
        return true;
    }
    bool Satir(KonumKaydi& k, Alan& ulke, Alan& sehir, bool& dosyaSonu)
    {
        qint32 id = 0;
        const char* const bas = p;
        while (p < son && unsigned(*p - '0') < 10 && p - bas < 5)
            id = id * 10 + (*p++ - '0');
        if (p == bas || id > 32767 || !Ayrac() || !Ad(ulke) || !Ad(sehir) || !Sayi(k.Tz) ||
            !Ayrac() || !Sayi(k.Enlem) || !Ayrac() || !Sayi(k.Boylam))
            return false;
        if (p == son)
            dosyaSonu = true;
        else if (son - p >= 2 && p[0] == '\r' && p[1] == '\n')
            p += 2, dosyaSonu = false;
        else
            return false;
        k.Id = id;
        return VakitGirdisi::TzGecerli(k.Tz) && VakitGirdisi::EnlemGecerli(k.Enlem) &&
               VakitGirdisi::BoylamGecerli(k.Boylam);
    }
};

// Calls ekle(record with its numbers, country field, city field) for each well-formed line,
// in order; returns the line numbers (1-based, every CR LF counted) of the unreadable ones.
template <typename Ekle> QVector<int> Ayristir(const QByteArray& veri, Ekle ekle)
{
    QVector<int> atlanan;
    const char* p = veri.constData();
    const char* const dosyaSonu = p + veri.size();
    int satirNo = 0;
    KonumKaydi k;
    for (bool son = false; !son;) {
        ++satirNo;
        HizliOkuyucu hizli{p, dosyaSonu};
        Alan ulke, sehir;
        if (hizli.Satir(k, ulke, sehir, son)) {
            ekle(k, ulke, sehir);
            p = hizli.p;
            continue;
        }
        son = false;
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

KonumMesaji KonumDosyasiMesaji(KonumDosyasiNedeni neden)
{
    switch (neden) {
    case KonumDosyasiNedeni::DosyaYok:
        return DosyaBulunamadiMesaji;
    case KonumDosyasiNedeni::Okunamadi:
    case KonumDosyasiNedeni::DosyaDegil:
    case KonumDosyasiNedeni::CokBuyuk:
        return DosyaOkunamadiMesaji;
    case KonumDosyasiNedeni::SaltOkunur:
        return SaltOkunurMesaji;
    case KonumDosyasiNedeni::Kilitli:
        return KilitliMesaji;
    case KonumDosyasiNedeni::GecersizAd:
        return GecersizAdMesaji;
    default:
        return DosyaYazilamadiMesaji;
    }
}

Hata KonumDosyasiHatasi(KonumDosyasiNedeni neden)
{
    const KonumMesaji m = KonumDosyasiMesaji(neden);
    return {QString::fromUtf8(m.Metin), QString::fromUtf8(m.Baslik), int(neden)};
}

KonumDosyasi::KonumDosyasi(const QString& klasor) : yol_(QDir(klasor).filePath(DosyaAdi)) {}

KonumDosyasi KonumDosyasi::DosyaYolu(const QString& yol)
{
    KonumDosyasi dosya(QFileInfo(yol).path());
    dosya.yol_ = yol;
    return dosya;
}

KonumDosyasi KonumDosyasi::Kurulu(const QString& veriKlasoru, const QString& kullaniciKlasoru)
{
    KonumDosyasi dosya(veriKlasoru);
    if (kullaniciKlasoru.isEmpty())
        return dosya;
    dosya.kurulu_ = dosya.yol_;
    dosya.yol_ = QDir(kullaniciKlasoru).filePath(DosyaAdi);
    return dosya;
}

QString KonumDosyasi::Yol() const
{
    return yol_;
}

QString KonumDosyasi::OkunanYol() const
{
    return kurulu_.isEmpty() || QFileInfo::exists(yol_) ? yol_ : kurulu_;
}

QString KonumDosyasi::Hedef() const
{
    const QFileInfo bilgi(yol_);
    if (!bilgi.exists())
        return {};
    return bilgi.isSymLink() ? bilgi.canonicalFilePath() : yol_;
}

Sonuc<> KonumDosyasi::Ac(QFile& dosya) const
{
    dosya.setFileName(OkunanYol());
    const QFileInfo bilgi(dosya.fileName());
    if (!bilgi.exists())
        return KonumDosyasiHatasi(KonumDosyasiNedeni::DosyaYok);
    if (!bilgi.isFile())
        return KonumDosyasiHatasi(KonumDosyasiNedeni::DosyaDegil);
    if (bilgi.size() > EnBuyukBoyut)
        return KonumDosyasiHatasi(KonumDosyasiNedeni::CokBuyuk);
    if (!dosya.open(QIODevice::ReadOnly))
        return KonumDosyasiHatasi(KonumDosyasiNedeni::Okunamadi);
    return {};
}

Sonuc<> KonumDosyasi::Denetle() const
{
    QFile dosya;
    return Ac(dosya);
}

Sonuc<> KonumDosyasi::Oku()
{
    veri_.clear();
    atlanan_.clear();
    QFile dosya;
    if (Sonuc<> s = Ac(dosya); !s)
        return s;
    // One buffer of the size the file has; bounded even when the file grows while it is read.
    veri_.resize(qMin(dosya.size(), EnBuyukBoyut) + 1);
    qint64 okunan = 0;
    for (qint64 n; okunan < veri_.size(); okunan += n) {
        n = dosya.read(veri_.data() + okunan, veri_.size() - okunan);
        if (n < 0)
            return KonumDosyasiHatasi(KonumDosyasiNedeni::Okunamadi);
        if (n == 0)
            break;
        if (okunan + n == veri_.size() && veri_.size() <= EnBuyukBoyut)
            veri_.resize(qMin(veri_.size() * 2, EnBuyukBoyut + 1));
    }
    veri_.truncate(okunan);
    if (veri_.size() > EnBuyukBoyut) {
        veri_.clear();
        return KonumDosyasiHatasi(KonumDosyasiNedeni::CokBuyuk);
    }
    return {};
}

Sonuc<> KonumDosyasi::DosyadanOku(QVector<KonumKaydi>& kayitlar)
{
    Sonuc<> sonuc = Oku();
    if (sonuc)
        kayitlar = Coz(veri_, &atlanan_);
    return sonuc;
}

QVector<KonumKaydi> KonumDosyasi::Coz(const QByteArray& veri, QVector<int>* atlanan)
{
    QVector<KonumKaydi> kayitlar;
    const QVector<int> a = Ayristir(veri, [&](KonumKaydi k, Alan u, Alan s) {
        k.Ulke = AdMetni(u);
        k.Sehir = AdMetni(s);
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
    QByteArray bayt;
    return KodSayfasi::Kodla(ad, bayt);
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
    QByteArray bayt;
    KodSayfasi::Kodla(metin, bayt);
    return bayt;
}

QString KonumDosyasi::SatirMetni(const KonumKaydi& k)
{
    const QChar ayrac(QLatin1Char('|'));
    return QString::number(k.Id) + ayrac + k.Ulke + ayrac + k.Sehir + ayrac + SayiMetni(k.Tz) +
           ayrac + SayiMetni(k.Enlem) + ayrac + SayiMetni(k.Boylam);
}

KonumDosyasi::Kilit::Kilit(const KonumDosyasi& dosya, int beklemeMs)
{
    if (!dosya.kurulu_.isEmpty()) // the user's copy may be the first file of its folder
        QDir().mkpath(QFileInfo(dosya.yol_).path());
    const QString hedef = dosya.Hedef();
    kilit_ = std::make_unique<QLockFile>((hedef.isEmpty() ? dosya.yol_ : hedef) +
                                         QStringLiteral(".lock"));
#ifdef Q_OS_WIN
    // A writer that died before its lock file held its name leaves the file empty, which no
    // check can tell from a live one; Windows refuses to delete a lock file its live owner
    // holds open, so a short stale time frees only the lock of a writer that is gone.
    kilit_->setStaleLockTime(2000);
#endif
    if (kilit_->tryLock(beklemeMs))
        durum_ = {};
    else if (kilit_->error() == QLockFile::LockFailedError)
        durum_ = KonumDosyasiHatasi(KonumDosyasiNedeni::Kilitli);
    else
        durum_ = KonumDosyasiHatasi(KonumDosyasiNedeni::Yazilamadi);
}

KonumDosyasi::Kilit::~Kilit() = default;

Sonuc<> KonumDosyasi::SatirEkle(const KonumKaydi& kayit)
{
    if (!SatirYazilabilir(kayit))
        return KonumDosyasiHatasi(KonumDosyasiNedeni::GecersizAd);
    QByteArray veri = veri_;
    if (!veri.isEmpty() && !veri.endsWith("\r\n"))
        veri += "\r\n";
    QByteArray satir;
    KodSayfasi::Kodla(SatirMetni(kayit), satir);
    veri += satir;
    Sonuc<> sonuc = Yaz(veri);
    if (sonuc)
        veri_ = veri;
    return sonuc;
}

Sonuc<> KonumDosyasi::Yaz(const QByteArray& veri) const
{
    QString hedef = Hedef();
    QFileDevice::Permissions izinler = QFileInfo(hedef).permissions();
    if (hedef.isEmpty() && !kurulu_.isEmpty()) {
        // The user's copy is made: theirs to write, readable as the installed file is.
        hedef = yol_;
        izinler = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    }
    if (hedef.isEmpty())
        return KonumDosyasiHatasi(KonumDosyasiNedeni::DosyaYok);
    if (!(izinler & QFileDevice::WriteOwner))
        return KonumDosyasiHatasi(KonumDosyasiNedeni::SaltOkunur);

    // QSaveFile writes a new file beside the target, flushed to disk, and renames it over
    // the target in one step: a crash leaves either the old or the new file.
    // Unbuffered: a write that does not reach the file (a full disk) fails here; a buffered
    // one would fail only in commit's flush, which commits the truncated file all the same.
    QSaveFile gecici(hedef);
    if (!gecici.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return KonumDosyasiHatasi(KonumDosyasiNedeni::Yazilamadi);
    bool tamam = gecici.write(veri) == veri.size() && gecici.setPermissions(izinler);
#ifdef Q_OS_UNIX
    struct stat st;
    if (tamam && ::stat(QFile::encodeName(hedef).constData(), &st) == 0) {
        // Only a privileged process may give the file away; otherwise it is ours anyway.
        [[maybe_unused]] const int sahip = ::fchown(gecici.handle(), st.st_uid, st.st_gid);
    }
#endif
    // Unless committed, the new file goes with `gecici`.
    if (!tamam || !gecici.commit())
        return KonumDosyasiHatasi(KonumDosyasiNedeni::Yazilamadi);
    return {};
}
