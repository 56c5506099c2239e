#include "platform/AyarDeposu.h"

#include "engine/Sayi.h"
#include "engine/Yuvarlama.h"

#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int I16Az = -32768;
constexpr int I16Cok = 32767;

QString VarsayilanMetni(const AyarAnahtari& a)
{
    const QString v = QString::fromUtf8(a.Varsayilan);
    switch (a.Tur) {
    case AyarTuru::Mantiksal:
        return v == QLatin1String("true") ? QStringLiteral("True") : QStringLiteral("False");
    case AyarTuru::Sayi:
        return v.isEmpty() ? v : AyarDeposu::SayiMetni(QLocale::c().toDouble(v));
    default:
        return v;
    }
}

// Only digits with an optional sign: what a user types as a whole number.
std::optional<int> KesinTamsayi(const QString& metin)
{
    bool ok = false;
    const int n = metin.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace

const std::vector<AyarAnahtari>& AyarDeposu::Anahtarlar()
{
    // Name, type, default, range, typed by the user as is.
    static const std::vector<AyarAnahtari> tablo = {
        {"Baslangic", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        {"GorevSimge", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        {"HerZamanUstte", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        // Kept within 30..100 as the page keeps it; a hand-edited 0 would make the window
        // invisible.
        {"Seffaflik", AyarTuru::Tamsayi16, "100", 30, 100, false, true},
        {"YazSaati", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        {"HicriGun", AyarTuru::Tamsayi16, "0", I16Az, I16Cok, true, false},
        {"Simge", AyarTuru::Tamsayi16, "1", I16Az, I16Cok, false, false},
        // Default: screen width - window width - 100 / screen height - window height - 700.
        {"PosX", AyarTuru::Tamsayi32, "", INT_MIN, INT_MAX, false, false},
        {"PosY", AyarTuru::Tamsayi32, "", INT_MIN, INT_MAX, false, false},
        {"bIndex", AyarTuru::Tamsayi16, "6817", I16Az, I16Cok, false, false},
        {"bUlke", AyarTuru::Metin, "Türkiye", 0, 0, false, false},
        {"bSehir", AyarTuru::Metin, "İstanbul", 0, 0, false, false},
        {"bTz", AyarTuru::Sayi, "2", 0, 0, false, false},
        {"bEnlem", AyarTuru::Sayi, "41.02", 0, 0, false, false},
        {"bBoylam", AyarTuru::Sayi, "28.97", 0, 0, false, false},
        {"BAEzan", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        {"BAUyari", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        // Minutes x 60 + 1 must fit 16 bits; a negative lead means "never warn", as 0 does.
        {"BADakika", AyarTuru::Tamsayi16, "15", 0, 546, true, true},
        {"BASesli", AyarTuru::Mantiksal, "true", 0, 0, false, false},
        // Indexes the five-row method table.
        {"VakitHesap", AyarTuru::Tamsayi16, "0", 0, 4, false, false},
    };
    return tablo;
}

const AyarAnahtari* AyarDeposu::AnahtarBul(const QString& ad)
{
    for (const auto& a : Anahtarlar()) {
        if (ad == QLatin1String(a.Ad))
            return &a;
    }
    return nullptr;
}

AyarDeposu::AyarDeposu()
#ifdef Q_OS_WIN
    : ayarlar_(std::make_unique<QSettings>(
          QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Orvanel"),
          QSettings::NativeFormat))
#else
    : ayarlar_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("Orvanel"), QStringLiteral("Orvanel")))
#endif
{
    ayarlar_->beginGroup(QStringLiteral("Vakit"));
}

AyarDeposu::~AyarDeposu() = default;

QString AyarDeposu::Oku(const QString& anahtar, const QString& varsayilan) const
{
    const QVariant v = ayarlar_->value(anahtar);
    if (!v.isValid())
        return varsayilan;
    // A hand-edited INI value with an unquoted comma ("41,02") comes back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

QString AyarDeposu::Oku(const QString& anahtar, bool varsayilan) const
{
    return Oku(anahtar, varsayilan ? QStringLiteral("True") : QStringLiteral("False"));
}

QString AyarDeposu::Oku(const QString& anahtar, double varsayilan) const
{
    return Oku(anahtar, SayiMetni(varsayilan));
}

QString AyarDeposu::Oku(const QString& anahtar, int varsayilan) const
{
    return Oku(anahtar, QString::number(varsayilan));
}

QString AyarDeposu::Oku(const QString& anahtar) const
{
    const AyarAnahtari* a = AnahtarBul(anahtar);
    return Oku(anahtar, a ? VarsayilanMetni(*a) : QString());
}

void AyarDeposu::Yaz(const QString& anahtar, const QString& metin)
{
    ayarlar_->setValue(anahtar, metin);
    ayarlar_->sync();
    sonYazma_ = ayarlar_->status() == QSettings::NoError;
}

bool AyarDeposu::Yaz(std::initializer_list<std::pair<QString, QString>> degerler)
{
    for (const auto& [anahtar, metin] : degerler)
        ayarlar_->setValue(anahtar, metin);
    ayarlar_->sync();
    sonYazma_ = ayarlar_->status() == QSettings::NoError;
    return sonYazma_;
}

bool AyarDeposu::Yazilabilir() const
{
#ifdef Q_OS_WIN
    return true; // the registry
#else
    const QFileInfo dosya(ayarlar_->fileName());
    if (dosya.exists())
        return dosya.isFile() && dosya.isWritable();
    // The first write makes the missing folders: the nearest one there must take them.
    QFileInfo klasor(dosya.path());
    while (!klasor.exists() && klasor.filePath() != klasor.path())
        klasor = QFileInfo(klasor.path());
    return klasor.isDir() && klasor.isWritable();
#endif
}

void AyarDeposu::Yaz(const QString& anahtar, bool deger)
{
    Yaz(anahtar, deger ? QStringLiteral("True") : QStringLiteral("False"));
}

void AyarDeposu::Yaz(const QString& anahtar, double deger)
{
    Yaz(anahtar, SayiMetni(deger));
}

bool AyarDeposu::MantiksalOku(const QString& anahtar) const
{
    const AyarAnahtari* a = AnahtarBul(anahtar);
    const bool varsayilan = a && QLatin1String(a->Varsayilan) == QLatin1String("true");
    return MantiksalCoz(Oku(anahtar)).value_or(varsayilan);
}

int AyarDeposu::TamsayiOku(const QString& anahtar) const
{
    const AyarAnahtari* a = AnahtarBul(anahtar);
    if (!a)
        return 0;
    const int varsayilan = QString::fromUtf8(a->Varsayilan).toInt();
    const QString metin = Oku(anahtar);
    const std::optional<int> n = a->Kesin ? KesinTamsayi(metin) : TamsayiCoz(metin);
    if (!n)
        return varsayilan;
    if (*n < a->EnAz || *n > a->EnCok)
        return a->Sinirla ? std::clamp(*n, a->EnAz, a->EnCok) : varsayilan;
    return *n;
}

double AyarDeposu::SayiOku(const QString& anahtar) const
{
    const AyarAnahtari* a = AnahtarBul(anahtar);
    const double varsayilan = a ? QLocale::c().toDouble(QString::fromUtf8(a->Varsayilan)) : 0;
    return SayiCoz(Oku(anahtar)).value_or(varsayilan);
}

std::optional<int> AyarDeposu::TamsayiVarsa(const QString& anahtar) const
{
    if (!ayarlar_->contains(anahtar))
        return std::nullopt;
    return TamsayiCoz(Oku(anahtar, QString()));
}

QString AyarDeposu::SayiMetni(double deger)
{
    return Sayi::Yaz(deger);
}

std::optional<double> AyarDeposu::SayiCoz(const QString& metin)
{
    return Sayi::SakliCoz(metin);
}

std::optional<bool> AyarDeposu::MantiksalCoz(const QString& metin)
{
    const QString t = metin.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (auto d = SayiCoz(t))
        return *d != 0;
    return std::nullopt;
}

std::optional<int> AyarDeposu::TamsayiCoz(const QString& metin)
{
    if (auto n = KesinTamsayi(metin))
        return n;
    const std::optional<double> d = SayiCoz(metin);
    if (!d)
        return std::nullopt;
    const double r = CifteYuvarla(*d);
    if (r < INT_MIN || r > INT_MAX)
        return std::nullopt;
    return static_cast<int>(r);
}

QString AyarDeposu::Denetle(const QString& anahtar, const QString& metin)
{
    const AyarAnahtari* a = AnahtarBul(anahtar);
    if (!a || !a->Kesin)
        return {};
    const std::optional<int> n = KesinTamsayi(metin);
    if (n && *n >= a->EnAz && *n <= a->EnCok)
        return {};
    return QString::fromUtf8(anahtar == QLatin1String("BADakika") ? BADakikaHataMetni
                                                                  : HicriGunHataMetni);
}
