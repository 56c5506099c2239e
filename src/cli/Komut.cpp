#include "cli/Komut.h"

#include "cli/Cikis.h"
#include "locations/KonumDosyasi.h"
#include "platform/AyarDeposu.h"
#include "shell/UyariAyarlari.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <limits>

namespace {

// Not Qt's addHelpOption: its text is English.
const QCommandLineOption YardimSecenegi({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Bu yardımı göster."));

// The column option descriptions start at, and the width they wrap to.
constexpr qsizetype Sutun = 30;
constexpr qsizetype Genislik = 80;

QString SecenekSatirlari(const QCommandLineOption& secenek)
{
    QStringList adlar;
    for (const QString& ad : secenek.names())
        adlar << (ad.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + ad;
    QString sol = QStringLiteral("  ") + adlar.join(QStringLiteral(", "));
    if (!secenek.valueName().isEmpty())
        sol += u' ' + secenek.valueName();

    // A name too long for its column stands on a line of its own.
    const QString bosluk(Sutun, u' ');
    QString metin;
    QString satir = sol.leftJustified(Sutun);
    if (sol.size() >= Sutun) {
        metin = sol + u'\n';
        satir = bosluk;
    }
    for (const QString& paragraf : secenek.description().split(u'\n')) {
        for (const QString& kelime : paragraf.split(u' ', Qt::SkipEmptyParts)) {
            if (satir.size() > Sutun && satir.size() + 1 + kelime.size() > Genislik) {
                metin += satir + u'\n';
                satir = bosluk;
            }
            if (satir.size() > Sutun)
                satir += u' ';
            satir += kelime;
        }
        metin += satir + u'\n';
        satir = bosluk;
    }
    return metin;
}

// "--lat=1" and "-h" → "lat", "h".
QString Ad(const QString& kelime)
{
    return kelime.mid(kelime.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
}

} // namespace

const QCommandLineOption Komut::TarihSecenegi(QStringLiteral("date"),
                                              QStringLiteral("Gün (varsayılan: bugün)."),
                                              QStringLiteral("YYYY-AA-GG"));
const QCommandLineOption
    Komut::YilSecenegi(QStringLiteral("year"),
                       QStringLiteral("Yıl, 1 ile 9999 arası (varsayılan: bu yıl)."),
                       QStringLiteral("YIL"));
const QCommandLineOption
    Komut::HicriGunSecenegi({QStringLiteral("hijri-days"), QStringLiteral("hicri-gun")},
                            QStringLiteral("Hicri takvimi N gün ileri (eksi: geri) al."),
                            QStringLiteral("N"));
const QCommandLineOption Komut::DbSecenegi(
    QStringLiteral("db"),
    QStringLiteral("Konum dosyası (varsayılan: programın data.db dosyası; kurulu programda "
                   "ya da yazılamayan bir klasörde kullanıcının kendi kopyası)."),
    QStringLiteral("YOL"));

Komut::Komut(QStringList adlar, QString ozet, QString aciklama, QString konumsal)
    : adlar_(std::move(adlar)), ozet_(std::move(ozet)), aciklama_(std::move(aciklama)),
      konumsal_(std::move(konumsal))
{
}

void Komut::SecenekEkle(const QList<QCommandLineOption>& secenekler)
{
    secenekler_ += secenekler;
}

int Komut::Calistir(const QStringList& args, QTextStream& out, QTextStream& err,
                    const KomutOrtami& ortam) const
{
    QCommandLineParser p;
    const bool eklendi = p.addOptions(secenekler_) && p.addOption(YardimSecenegi);
    Q_ASSERT(eklendi); // each name once
    Q_UNUSED(eklendi);
    if (!p.parse(QStringList(adlar_.first()) + args))
        return Cikis::Hata(err, CozumHatasi(p, args));
    if (p.isSet(YardimSecenegi)) {
        out << Yardim();
        return Cikis::Tamam;
    }
    if (konumsal_.isEmpty() && !p.positionalArguments().isEmpty())
        return Cikis::Hata(
            err, QStringLiteral("Beklenmeyen değer: %1").arg(p.positionalArguments().first()));
    return Yurut(p, out, err, ortam);
}

QString Komut::CozumHatasi(const QCommandLineParser& p, const QStringList& args) const
{
    // After "--" every word is plain text.
    const QStringList secenekler = args.mid(0, args.indexOf(QStringLiteral("--")));
    const QStringList bilinmeyen = p.unknownOptionNames();
    if (!bilinmeyen.isEmpty()) {
        // Qt reads "-x5" as the letters x and 5; the message names the word as typed.
        for (const QString& kelime : secenekler) {
            const bool uzun = kelime.startsWith(QStringLiteral("--"));
            const bool bilinmiyor =
                uzun ? bilinmeyen.contains(Ad(kelime))
                     : kelime.size() > 1 && kelime.startsWith(u'-') &&
                           std::any_of(kelime.begin() + 1, kelime.end(),
                                       [&](QChar c) { return bilinmeyen.contains(QString(c)); });
            if (bilinmiyor)
                return QStringLiteral("Bilinmeyen seçenek: %1")
                    .arg(uzun ? kelime.section(u'=', 0, 0) : kelime);
        }
        return QStringLiteral("Bilinmeyen seçenek: %1").arg(bilinmeyen.first());
    }
    // Qt's two other refusals: an option that takes a value ends the line, or a flag got one.
    const QString son = args.value(args.size() - 1);
    const QCommandLineOption* sonSecenek = SecenekBul(Ad(son));
    if (son.startsWith(u'-') && !son.contains(u'=') && sonSecenek &&
        !sonSecenek->valueName().isEmpty())
        return QStringLiteral("%1 için bir değer gerekli.").arg(son);
    for (const QString& kelime : secenekler) {
        const QCommandLineOption* s = SecenekBul(Ad(kelime));
        if (kelime.startsWith(u'-') && kelime.contains(u'=') && s && s->valueName().isEmpty())
            return QStringLiteral("%1 bir değer almaz.").arg(kelime.section(u'=', 0, 0));
    }
    return p.errorText();
}

const QCommandLineOption* Komut::SecenekBul(const QString& ad) const
{
    if (YardimSecenegi.names().contains(ad))
        return &YardimSecenegi;
    for (const QCommandLineOption& s : secenekler_)
        if (s.names().contains(ad))
            return &s;
    return nullptr;
}

QString Komut::Yardim() const
{
    QString metin = QStringLiteral("Kullanım: orvanel-cli %1 [seçenekler]").arg(adlar_.join(u'|'));
    if (!konumsal_.isEmpty())
        metin += QStringLiteral(" [--] ") + konumsal_;
    metin += u'\n' + aciklama_ + u'\n' + u'\n';
    for (const QCommandLineOption& s : secenekler_)
        metin += SecenekSatirlari(s);
    return metin + SecenekSatirlari(YardimSecenegi);
}

QString Komut::YazilanAd(const QCommandLineParser& p, const QCommandLineOption& secenek)
{
    const QStringList bulunan = p.optionNames();
    const auto ad = std::find_if(bulunan.crbegin(), bulunan.crend(),
                                 [&](const QString& a) { return secenek.names().contains(a); });
    return QStringLiteral("--") + (ad == bulunan.crend() ? secenek.names().first() : *ad);
}

std::optional<int> Komut::TamSayi(const QString& metin)
{
    static const QRegularExpression bicim(QStringLiteral("^[+-]?[0-9]+$"));
    bool tamam = false;
    const int sayi = metin.toInt(&tamam);
    if (!bicim.match(metin).hasMatch() || !tamam)
        return std::nullopt;
    return sayi;
}

Sonuc<> Komut::SayiAraligi(const QCommandLineParser& p, const QCommandLineOption& secenek,
                           const QString& adi, int alt, int ust, int& deger)
{
    if (!p.isSet(secenek))
        return {};
    const QString metin = p.value(secenek);
    const std::optional<int> sayi = TamSayi(metin);
    if (!sayi || *sayi < alt || *sayi > ust)
        return Cikis::Red(QStringLiteral("%1 %2 ile %3 arasında bir tam sayı olmalı: %4")
                              .arg(adi)
                              .arg(alt)
                              .arg(ust)
                              .arg(metin));
    deger = *sayi;
    return {};
}

Sonuc<> Komut::TarihOku(const QCommandLineParser& p, QDate& tarih)
{
    if (!p.isSet(TarihSecenegi))
        return {};
    static const QRegularExpression bicim(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QString metin = p.value(TarihSecenegi);
    const QRegularExpressionMatch m = bicim.match(metin);
    const QDate gun =
        m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
                     : QDate();
    if (!gun.isValid())
        return Cikis::Red(QStringLiteral("Geçersiz tarih: %1 (YYYY-AA-GG biçiminde, var olan "
                                         "bir gün olmalı)")
                              .arg(metin));
    tarih = gun;
    return {};
}

Sonuc<> Komut::HicriGunOku(const QCommandLineParser& p, int& gun)
{
    if (!p.isSet(HicriGunSecenegi))
        return {};
    const QString metin = p.value(HicriGunSecenegi);
    const std::optional<int> sayi = TamSayi(metin);
    // The setting is a 16-bit number of days.
    if (!sayi || *sayi < std::numeric_limits<qint16>::min() ||
        *sayi > std::numeric_limits<qint16>::max())
        return Cikis::Red(QStringLiteral("Hicri gün düzeltmesi -32768 ile 32767 arasında bir "
                                         "tam sayı olmalı: %1")
                              .arg(metin));
    gun = *sayi;
    return {};
}

Sonuc<> Komut::UyariDakikasiOku(const QCommandLineParser& p, const QCommandLineOption& secenek,
                                int& dakika)
{
    if (!p.isSet(secenek))
        return {};
    const QString metin = p.value(secenek);
    if (!AyarDeposu::Gecerli(UyariAyarlari::BADakika, metin))
        return Cikis::Red(YazilanAd(p, secenek) + QStringLiteral(": ") +
                          QString::fromUtf8(BADakikaHataMetni));
    dakika = *AyarDeposu::TamsayiCoz(metin);
    return {};
}

Sonuc<> Komut::DosyayaYaz(const QString& yol, const QByteArray& icerik)
{
    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly) || dosya.write(icerik) != icerik.size() ||
        !dosya.commit())
        return Cikis::Red(
            QStringLiteral("Dosya yazılamadı: %1").arg(QDir::toNativeSeparators(yol)));
    return {};
}

KonumDosyasi Komut::Veritabani(const QCommandLineParser& p, const KomutOrtami& ortam)
{
    return p.isSet(DbSecenegi) ? KonumDosyasi::DosyaYolu(p.value(DbSecenegi))
                               : KonumDosyasi::Kurulu(ortam.VeriKlasoru, ortam.KullaniciKlasoru);
}
