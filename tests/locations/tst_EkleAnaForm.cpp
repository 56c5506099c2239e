// Adding a place in the running program: BtnSehirEkle opens the dialog, a save makes the place
// the chosen one and recomputes the times, and the next start finds it again. The real main
// window over the shipped data.db copied to a temporary program folder and a settings file in
// a temporary folder; the clock, the daylight-saving rule and the message boxes are stand-ins.
#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "engine/GunlukHesap.h"
#include "locations/KonumDosyasi.h"
#include "locations/gui/EkleForm.h"
#include "platform/QtSesKutuphanesi.h"
#include "platform/Saat.h"
#include "platform/SistemYazSaati.h"
#include "shell/gui/AnaForm.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaVakitler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

namespace {

class SabitSaat : public Saat
{
public:
    QDateTime Simdi() const override { return QDateTime(QDate(2026, 6, 21), QTime(12, 0)); }
};

class YazSaatiYok : public YazSaatiKaynagi
{
public:
    std::pair<QDate, QDate> Gecisler(int) const override { return {}; }
};

// Records the boxes instead of showing them.
class Kutular : public MesajKutusu
{
public:
    QStringList Kayit;
    void Goster(QWidget*, Simge s, const QString& baslik, const QString& metin) override
    {
        Kayit << QStringLiteral("%1|%2|%3").arg(int(s)).arg(baslik, metin);
    }
    bool Sor(QWidget*, const QString&, const QString&) override { return true; }
};

} // namespace

class tst_EkleAnaForm : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir ayarlar;
    QTemporaryDir program;
    SabitSaat saat;
    YazSaatiYok yazSaati;
    Kutular kutular;
    std::unique_ptr<QtSesKutuphanesi> ses;

    std::unique_ptr<AnaForm> Baslat()
    {
        AnaFormBaglami b;
        b.SaatKaynagi = &saat;
        b.YazSaati = &yazSaati;
        b.Ses = ses.get();
        b.Mesaj = &kutular;
        b.ProgramKlasoru = program.path() + QLatin1Char('/');
        auto f = std::make_unique<AnaForm>(b);
        f->Form_Load(QString());
        return f;
    }

    static void Tikla(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(10, 10)); }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Istanbul");
        tzset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarlar.path());
        // A suggestion, if one went out, must go nowhere.
        qputenv("ORVANEL_URUN_ADRESI", "http://127.0.0.1:9");
        QVERIFY(QFile::copy(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/data.db"),
                            program.filePath(QStringLiteral("data.db"))));
        // The sounds are found (never played here), so the start shows no box.
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("Ezan")));
        for (const char* ad : {"Ezan/ezan.wma", "uyari.wma"}) {
            QFile f(program.filePath(QString::fromLatin1(ad)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ses = std::make_unique<QtSesKutuphanesi>();
    }

    void AddedPlaceIsChosenRecomputedAndSurvivesARestart()
    {
        std::unique_ptr<AnaForm> f = Baslat();
        QVERIFY2(kutular.Kayit.isEmpty(), qPrintable(kutular.Kayit.join('\n')));
        const int satirSayisi = f->Sayfa1->Db->ListCount();
        const int sonId = f->Sayfa1->Konumlar.Item(satirSayisi)->Id();

        Tikla(f->Sayfa1->BtnSehirEkle);
        EkleForm* e = f->Ekle();
        QVERIFY(e->isVisible());

        // A refusal comes in the program's own box: OK, no icon, the program's title.
        e->SESehir->setText(QStringLiteral("İstanbul"));
        e->SEEnlem->setText(QStringLiteral("41"));
        e->SEBoylam->setText(QStringLiteral("29"));
        Tikla(e->BtnKaydet);
        QCOMPARE(kutular.Kayit,
                 QStringList{QStringLiteral("0|Orvanel|'Türkiye - İstanbul' zaten mevcut.")});
        kutular.Kayit.clear();

        e->SEKonumGonder->setChecked(false);
        e->SESehir->setText(QStringLiteral("Yeni Yer"));
        e->SEEnlem->setText(QStringLiteral("38.5"));
        e->SEBoylam->setText(QStringLiteral("27,25"));
        e->SESaatDilimi->setCurrentIndex(17); // +3
        Tikla(e->BtnKaydet);
        QVERIFY2(kutular.Kayit.isEmpty(), qPrintable(kutular.Kayit.join('\n')));
        QVERIFY(!e->isVisible());

        // The chosen place, on the main page and in the times.
        QCOMPARE(f->LSehir->text(), QStringLiteral("Yeni Yer"));
        QCOMPARE(f->Sayfa1->Db->ListCount(), satirSayisi + 1);
        QCOMPARE(f->Sayfa1->Db->Aktif(), satirSayisi + 1);
        VakitGirdisi g;
        g.SeciliTarih = saat.Simdi();
        g.Enlem = 38.5;
        g.Boylam = 27.25;
        g.Tz = 3;
        g.Ulke = QStringLiteral("Türkiye");
        const VakitSonucu beklenen = GunlukHesapla(g);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f->Sayfa0->Degerler[i]->text(), beklenen.Metinler[i]);

        // data.db ends with it.
        QVector<KonumKaydi> kayitlar;
        QCOMPARE(KonumDosyasi(program.path()).DosyadanOku(kayitlar), KonumDosyasiSonucu::Tamam);
        QCOMPARE(kayitlar.size(), satirSayisi + 1);
        QCOMPARE(KonumDosyasi::SatirMetni(kayitlar.last()),
                 QStringLiteral("%1|Türkiye|Yeni Yer|3|38,5|27,25").arg(sonId + 1));

        // The program's end unloads the dialog.
        f->EkleFormKapat();
        QVERIFY(!e->Yuklu());
        f.reset();

        // The next start: the same place, its row active, its times.
        f = Baslat();
        QVERIFY(kutular.Kayit.isEmpty());
        QCOMPARE(f->LSehir->text(), QStringLiteral("Yeni Yer"));
        QCOMPARE(f->Sayfa1->Db->Aktif(), satirSayisi + 1);
        QCOMPARE(f->Sayfa1->Konumlar.Item(f->Sayfa1->Db->Aktif())->Sehir(),
                 QStringLiteral("Yeni Yer"));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f->Sayfa0->Degerler[i]->text(), beklenen.Metinler[i]);
    }
};

QTEST_MAIN(tst_EkleAnaForm)
#include "tst_EkleAnaForm.moc"
