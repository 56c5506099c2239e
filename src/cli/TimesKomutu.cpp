#include "cli/TimesKomutu.h"

#include "cli/Cikis.h"
#include "cli/GirdiSecenekleri.h"
#include "cli/SearchKomutu.h"
#include "engine/GunlukHesap.h"
#include "engine/Vakit.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString Yardim()
{
    return QStringLiteral("Kullanım: orvanel-cli times [--date YYYY-AA-GG] [seçenekler] [--json]\n"
                          "Bir günün Miladi ve Hicri tarihini ve altı vaktini yazar.\n"
                          "\n"
                          "  --date YYYY-AA-GG  Gün (varsayılan: bugün).\n"
                          "  --json             Sonucu JSON nesnesi olarak yaz: \"miladi\", "
                          "\"hicri\",\n"
                          "                     \"imsak\" … \"yatsi\" metinleri ve "
                          "\"saniyeler\"\n"
                          "                     (gece yarısından sonraki saniye).\n"
                          "  --help             Bu yardımı göster.\n") +
           GirdiSecenekleri::Yardim() + KonumArama::Yardim();
}

void JsonYaz(const VakitSonucu& sonuc, QTextStream& out)
{
    QJsonObject nesne;
    nesne.insert(QStringLiteral("miladi"), sonuc.Miladi);
    nesne.insert(QStringLiteral("hicri"), sonuc.Hicri);
    QJsonObject saniyeler;
    for (std::size_t i = 0; i < VakitAnahtarlari.size(); ++i) {
        const QString anahtar = QString::fromLatin1(VakitAnahtarlari[i]);
        nesne.insert(anahtar, sonuc.Metinler[i]);
        saniyeler.insert(anahtar, static_cast<qint64>(sonuc.GunlukVakitler[i]));
    }
    nesne.insert(QStringLiteral("saniyeler"), saniyeler);
    out << QString::fromUtf8(QJsonDocument(nesne).toJson(QJsonDocument::Indented));
}

} // namespace

int TimesKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return TimesKomutu(args, out, err, KomutOrtami::Sistem());
}

int TimesKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                const KomutOrtami& ortam)
{
    int cikis = Cikis::Tamam;
    const auto s = Secenekler::Komut(
        args, GirdiSecenekleri::Degerli() << QStringLiteral("date") << KonumArama::Degerli(),
        GirdiSecenekleri::Bayraklar() << QStringLiteral("json"), Yardim(), out, err, cikis);
    if (!s)
        return cikis;
    VakitGirdisi girdi;
    QString hata;
    if (!GirdiSecenekleri::GununGirdisi(*s, ortam, girdi, &hata) ||
        !KonumArama::Uygula(*s, girdi, &hata, err)) // --konum: the place found in data.db
        return Cikis::Hata(err, hata);

    const VakitSonucu sonuc = GunlukHesapla(girdi);
    if (s->Var(QStringLiteral("json"))) {
        JsonYaz(sonuc, out);
    } else {
        out << sonuc.Miladi << '\n' << sonuc.Hicri << '\n';
        for (std::size_t i = 0; i < VakitAdlari.size(); ++i)
            out << QString::fromUtf8(VakitAdlari[i]) << '\t' << sonuc.Metinler[i] << '\n';
    }
    return Cikis::Tamam;
}
