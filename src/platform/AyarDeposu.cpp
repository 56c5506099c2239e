#include "platform/AyarDeposu.h"

#include "engine/Sayi.h"
#include "engine/Yuvarlama.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <climits>

namespace {

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

#ifdef Q_OS_WIN
const QString AyarDeposu::KayitDefteriAnahtari =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Orvanel");
#endif

AyarDeposu::AyarDeposu()
#ifdef Q_OS_WIN
    : ayarlar_(std::make_unique<QSettings>(KayitDefteriAnahtari, QSettings::NativeFormat))
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

Sonuc<> AyarDeposu::Yaz(std::initializer_list<std::pair<QString, QString>> degerler)
{
    for (const auto& [anahtar, metin] : degerler)
        ayarlar_->setValue(anahtar, metin);
    ayarlar_->sync();
    if (ayarlar_->status() != QSettings::NoError)
        return Hata{QString::fromUtf8(AyarYazilamadiMetni), QStringLiteral("Uyarı")};
    return {};
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

bool AyarDeposu::Oku(const MantiksalAnahtar& a) const
{
    return MantiksalCoz(Oku(QString::fromLatin1(a.Ad))).value_or(a.Varsayilan);
}

int AyarDeposu::Oku(const TamsayiAnahtar& a) const
{
    const QString metin = Oku(QString::fromLatin1(a.Ad));
    const std::optional<int> n = a.Kesin ? KesinTamsayi(metin) : TamsayiCoz(metin);
    if (!n)
        return a.Varsayilan;
    if (*n < a.EnAz || *n > a.EnCok)
        return a.Sinirla ? std::clamp(*n, a.EnAz, a.EnCok) : a.Varsayilan;
    return *n;
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

bool AyarDeposu::Gecerli(const TamsayiAnahtar& a, const QString& metin)
{
    const std::optional<int> n = a.Kesin ? KesinTamsayi(metin) : TamsayiCoz(metin);
    return n && *n >= a.EnAz && *n <= a.EnCok;
}
