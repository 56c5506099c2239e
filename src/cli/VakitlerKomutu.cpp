#include "cli/VakitlerKomutu.h"

#include "cli/Cikis.h"
#include "engine/GunlukHesap.h"
#include "engine/Vakit.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

void JsonYaz(const VakitSonucu& sonuc, const QJsonObject& yer, QTextStream& out)
{
    QJsonObject nesne;
    if (!yer.isEmpty())
        nesne.insert(QStringLiteral("place"), yer);
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

VakitlerKomutu::VakitlerKomutu()
    : YerKomutu({QStringLiteral("times")},
                QStringLiteral("Bir günün tarihlerini ve altı vaktini yazar."),
                QStringLiteral("Bir günün Miladi ve Hicri tarihini ve altı vaktini yazar.")),
      json_(QStringLiteral("json"),
            QStringLiteral("Sonucu JSON nesnesi olarak yaz: \"miladi\", \"hicri\", \"imsak\" … "
                           "\"yatsi\" metinleri, \"saniyeler\" (gece yarısından sonraki "
                           "saniye) ve --place ile \"place\" (city, country, tz, lat, lon, "
                           "data.db'deki satırı: line)."))
{
    SecenekEkle({TarihSecenegi, json_});
}

int VakitlerKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                          const KomutOrtami& ortam) const
{
    QDate gun;
    VakitGirdisi girdi;
    KonumArama::Bulunan yer;
    Sonuc<> s = TarihOku(p, gun);
    if (s)
        s = Girdi(p, ortam, girdi, err, nullptr, &yer);
    if (!s)
        return Cikis::Hata(err, s.Hatasi());
    girdi.SeciliTarih = gun.isValid() ? QDateTime(gun, QTime(0, 0)) : ortam.Zaman.Simdi();
    GecisleriDoldur(girdi, ortam.YazSaati);

    const VakitSonucu sonuc = GunlukHesapla(girdi);
    if (p.isSet(json_)) {
        JsonYaz(sonuc, yer.Satir > 0 ? YerJson(yer) : QJsonObject(), out);
        return Cikis::Tamam;
    }
    out << sonuc.Miladi << '\n' << sonuc.Hicri << '\n';
    for (std::size_t i = 0; i < VakitAdlari.size(); ++i)
        out << QString::fromUtf8(VakitAdlari[i]) << '\t' << sonuc.Metinler[i] << '\n';
    return Cikis::Tamam;
}
