#include "cli/SearchKomutu.h"

#include "cli/Cikis.h"
#include "locations/FindItem.h"
#include "locations/KonumDosyasi.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString Yardim()
{
    return QStringLiteral(
        "Kullanım: orvanel-cli search [--db YOL] [--all] [--] METİN\n"
        "Konum arama kutusunun METİN için seçtiği yeri, data.db'deki satırıyla yazar.\n"
        "METİN bir şehir ya da \"şehir,ülke\"dir; önce tam eşleşme, sonra başlangıç aranır;\n"
        "büyük/küçük harf fark etmez, ? * # [liste] joker olarak çalışır.\n"
        "\n"
        "  --db YOL   Okunacak konum dosyası (varsayılan: programın klasöründeki data.db).\n"
        "  --all      Başlangıç aramasının bulduğu bütün satırları liste sırasıyla yaz.\n"
        "  --help     Bu yardımı göster.\n"
        "Çıkış durumu: 0 bulundu, 1 bulunamadı, 2 hatalı girdi ya da okunamayan dosya.\n");
}

bool Hata(QString* hata, const QString& metin)
{
    if (hata)
        *hata = metin;
    return false;
}

// Reads the rows of the file; false with a message when it cannot be read. Lines it could
// not read are named on `err`: they are kept in the file, but no search finds them.
bool Oku(const QString& yol, clsFastCollection& liste, QString* hata, QTextStream& err)
{
    KonumDosyasi dosya = KonumDosyasi::DosyaYolu(yol);
    const KonumDosyasiSonucu sonuc = dosya.DosyadanOku(liste);
    if (sonuc != KonumDosyasiSonucu::Tamam)
        return Hata(hata, KonumArama::DosyaMesaji(sonuc, yol));
    KonumArama::AtlananlariBildir(dosya.AtlananSatirlar(), yol, err);
    return true;
}

QString BulunamadiMetni(const QString& metin)
{
    return QStringLiteral("\"%1\" için konum bulunamadı.").arg(metin);
}

int BulunamadiCikisi(QTextStream& err, const QString& metin)
{
    err << "orvanel-cli: " << BulunamadiMetni(metin) << '\n';
    err.flush();
    return KonumArama::Bulunamadi;
}

// The search box's row for `metin`: Cikis::Tamam with the row, KonumArama::Bulunamadi, or
// Cikis::HataliGirdi with a message for a file that cannot be read.
int Ara(const QString& metin, const QString& yol, KonumKaydi& kayit, QString* hata,
        QTextStream& err)
{
    clsFastCollection liste;
    if (!Oku(yol, liste, hata, err))
        return Cikis::HataliGirdi;
    const int konum = AramaKutusuBul(liste, metin);
    if (konum == 0) {
        Hata(hata, BulunamadiMetni(metin));
        return KonumArama::Bulunamadi;
    }
    kayit = liste.Item(konum)->Kayit();
    return Cikis::Tamam;
}

} // namespace

int SearchKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString hata;
    const auto s = Secenekler::Coz(args, {QStringLiteral("db")},
                                   {QStringLiteral("all"), QStringLiteral("help")}, &hata);
    if (!s)
        return Cikis::Hata(err, hata);
    if (s->Var(QStringLiteral("help"))) {
        out << Yardim();
        return Cikis::Tamam;
    }
    if (s->Konumsal().size() != 1)
        return Cikis::Hata(err, s->Konumsal().isEmpty()
                                    ? QStringLiteral("Aranacak metin verilmedi.")
                                    : QStringLiteral("Tek bir arama metni verilmeli (boşluk "
                                                     "içeren metni tırnak içine alın)."));
    const QString metin = s->Konumsal().first();
    const QString yol = KonumArama::VeritabaniYolu(*s);

    if (!s->Var(QStringLiteral("all"))) {
        KonumKaydi k;
        switch (Ara(metin, yol, k, &hata, err)) {
        case Cikis::Tamam:
            out << KonumDosyasi::SatirMetni(k) << '\n';
            return Cikis::Tamam;
        case KonumArama::Bulunamadi:
            return BulunamadiCikisi(err, metin);
        default:
            return Cikis::Hata(err, hata);
        }
    }

    clsFastCollection liste;
    if (!Oku(yol, liste, &hata, err))
        return Cikis::Hata(err, hata);
    const std::vector<int> bulunan =
        FindAllItems(liste, BosluklariKirp(metin), QStringLiteral("SehirUlke"), true);
    if (bulunan.empty())
        return BulunamadiCikisi(err, metin);
    for (int konum : bulunan)
        out << KonumDosyasi::SatirMetni(liste.Item(konum)->Kayit()) << '\n';
    return Cikis::Tamam;
}

namespace KonumArama {

QString VeritabaniYolu(const Secenekler& s)
{
    if (s.Var(QStringLiteral("db")))
        return s.Deger(QStringLiteral("db"));
    return QDir(QCoreApplication::applicationDirPath()).filePath(KonumDosyasi::DosyaAdi);
}

QString DosyaMesaji(KonumDosyasiSonucu sonuc, const QString& yol)
{
    const QString ad = QDir::toNativeSeparators(yol);
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

std::optional<KonumKaydi> Bul(const QString& metin, const QString& yol, QString* hata,
                              QTextStream& err)
{
    KonumKaydi k;
    if (Ara(metin, yol, k, hata, err) != Cikis::Tamam)
        return std::nullopt;
    return k;
}

QStringList Degerli()
{
    return {QStringLiteral("konum"), QStringLiteral("db")};
}

bool Uygula(const Secenekler& s, VakitGirdisi& girdi, QString* hata, QTextStream& err)
{
    if (!s.Var(QStringLiteral("konum")))
        return true;
    for (const char* ad : {"lat", "lon", "tz"})
        if (s.Var(QLatin1String(ad)))
            return Hata(hata, QStringLiteral("--konum ile --lat, --lon ve --tz birlikte "
                                             "verilemez."));
    const std::optional<KonumKaydi> k =
        Bul(s.Deger(QStringLiteral("konum")), VeritabaniYolu(s), hata, err);
    if (!k)
        return false;
    girdi.Enlem = k->Enlem;
    girdi.Boylam = k->Boylam;
    girdi.Tz = k->Tz;
    girdi.Ulke = s.Var(QStringLiteral("country")) ? s.Deger(QStringLiteral("country")) : k->Ulke;
    return true;
}

QString Yardim()
{
    return QStringLiteral(
        "  --konum METİN      Yeri data.db'de ara (\"istanbul\" ya da \"istanbul,türkiye\");\n"
        "                     arama kutusunun seçtiği satırın ülkesi, enlemi, boylamı ve\n"
        "                     saat dilimi kullanılır.\n"
        "  --db YOL           --konum için okunacak konum dosyası (varsayılan: programın\n"
        "                     klasöründeki data.db).\n");
}

} // namespace KonumArama
