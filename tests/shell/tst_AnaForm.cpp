// The main window's flows, offscreen: start-up, the regional and general pages, the date
// panel, the tabs and the close button. Real settings file and program folder in temporary
// folders, the shipped data.db, real sound library; only the clock and the message boxes are
// stand-ins.
#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "controls/gui/Scroll.h"
#include "engine/GunlukHesap.h"
#include "engine/HesapYontemi.h"
#include "engine/HicriTakvim.h"
#include "locations/SeciliKonum.h"
#include "locations/vkListItem.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/TepsiSimgesi.h"
#include "platform/QtSesKutuphanesi.h"
#include "platform/Saat.h"
#include "platform/SistemYazSaati.h"
#include "platform/XdgOturumAcmaKaydi.h"
#include "shell/gui/AnaForm.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaHakkinda.h"
#include "shell/gui/SayfaVakitler.h"

#include "support/FareSurucu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <ctime>
#include <functional>
#include <memory>

namespace {

class SabitSaat : public Saat
{
public:
    QDateTime An;
    QDateTime Simdi() const override { return An; }
};

// No daylight saving in the zone; "Türkiye" keeps its own hour regardless.
class YazSaatiYok : public YazSaatiKaynagi
{
public:
    std::pair<QDate, QDate> Gecisler(int) const override { return {}; }
};

// Records every box and answers questions with Cevap.
class KayitliMesaj : public MesajKutusu
{
public:
    struct Kutu
    {
        Simge Tur;
        QString Baslik;
        QString Metin;
    };
    QList<Kutu> Kutular;
    QStringList Sorular;
    bool Cevap = true;

    void Goster(QWidget*, Simge s, const QString& baslik, const QString& metin) override
    {
        Kutular << Kutu{s, baslik, metin};
        if (Acikken)
            Acikken(); // what happens while the box is open
    }
    std::function<void()> Acikken;
    bool Sor(QWidget*, const QString&, const QString& metin) override
    {
        Sorular << metin;
        return Cevap;
    }
};

// The notification area: present, and showing the icon or not.
class SahteTepsi : public TepsiSimgesi
{
public:
    bool Gorunur = false;
    bool Alan = true;
    bool AlanVar() const override { return Alan; }
    void SimgeAyarla(const QIcon&) override {}
    void IpucuAyarla(const QString&) override {}
    void Goster(bool g) override { Gorunur = g; }
    void BalonGoster(const QString&, const QString&, QSystemTrayIcon::MessageIcon,
                     const QIcon&) override
    {
    }
    void BalonKaldir() override {}
};

// Catches the addresses the about page opens instead of a browser.
class AdresYakalayici : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> Adresler;
public slots:
    void Ac(const QUrl& u) { Adresler << u; }
};

} // namespace

class tst_AnaForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> ayarKlasoru_;
    std::unique_ptr<QTemporaryDir> programKlasoru_;
    SabitSaat saat_;
    YazSaatiYok yazSaati_;
    std::unique_ptr<QtSesKutuphanesi> ses_;
    std::unique_ptr<XdgOturumAcmaKaydi> oturum_;
    KayitliMesaj mesaj_;
    SahteTepsi* tepsi_ = nullptr;
    std::unique_ptr<AnaForm> form_;

    QString Program() const { return programKlasoru_->path() + "/"; }

    void Ayar(const QString& anahtar, const QString& deger)
    {
        QSettings ini(ayarKlasoru_->path() + "/Orvanel/Orvanel.ini", QSettings::IniFormat);
        ini.setValue("Vakit/" + anahtar, deger);
    }
    QString AyarOku(const QString& anahtar) const
    {
        QSettings ini(ayarKlasoru_->path() + "/Orvanel/Orvanel.ini", QSettings::IniFormat);
        return ini.value("Vakit/" + anahtar).toString();
    }
    void Dosya(const QString& ad)
    {
        QDir().mkpath(QFileInfo(Program() + ad).path());
        QFile f(Program() + ad);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    AnaForm& Yeni(bool tepsi = true)
    {
        AnaFormBaglami b;
        b.SaatKaynagi = &saat_;
        b.YazSaati = &yazSaati_;
        b.Ses = ses_.get();
        b.Oturum = oturum_.get();
        b.Mesaj = &mesaj_;
        b.ProgramKlasoru = Program();
        auto alan = std::make_unique<SahteTepsi>();
        tepsi_ = alan.get();
        tepsi_->Alan = tepsi;
        b.Tepsi = tepsi_;
        form_ = std::make_unique<AnaForm>(b);
        alan.release()->setParent(form_.get());
        return *form_;
    }
    AnaForm& Baslat(const QString& komut = QString(), bool tepsi = true)
    {
        AnaForm& f = Yeni(tepsi);
        f.Form_Load(komut);
        return f;
    }
    static void Tikla(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    // Typed key by key (QTest::keyClicks takes only ASCII).
    static void Yaz(QWidget* w, const QString& metin)
    {
        for (const QChar c : metin)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), {});
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Istanbul");
        tzset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }

    void init()
    {
        ayarKlasoru_ = std::make_unique<QTemporaryDir>();
        programKlasoru_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ayarKlasoru_->path());
        QVERIFY(QFile::copy(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/data.db"),
                            Program() + "data.db"));
        Dosya("Ezan/ezan.wma");
        Dosya("uyari.wma");
        saat_.An = QDateTime(QDate(2026, 6, 21), QTime(12, 0, 0));
        ses_ = std::make_unique<QtSesKutuphanesi>();
        oturum_ = std::make_unique<XdgOturumAcmaKaydi>(Program() + "orvanel",
                                                       ayarKlasoru_->path() + "/autostart");
        mesaj_ = KayitliMesaj();
    }

    void cleanup()
    {
        form_.reset();
        ses_.reset();
    }

    // Start-up ------------------------------------------------------------------------------

    void baslangicIlkCalisma()
    {
        AnaForm& f = Baslat();
        QVERIFY(mesaj_.Kutular.isEmpty());
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowTitle(), QStringLiteral("Orvanel orvanel.example.org"));
        QCOMPARE(f.LUlke->text(), QStringLiteral("Türkiye"));
        QCOMPARE(f.LSehir->text(), QStringLiteral("İstanbul"));
        QCOMPARE(f.LSehir->toolTip(), QStringLiteral("41.02º Kuzey, 28.97º Doğu, GMT : +2"));
        QCOMPARE(f.BtnKapat->toolTip(), QStringLiteral("Gizle"));
        QVERIFY(f.TepsiSimge->Shown());
        QVERIFY(tepsi_->Gorunur);
        QCOMPARE(f.TepsiSimge->ToolTip(), QStringLiteral("Orvanel orvanel.example.org"));

        // The labels show the engine's times for the selected day and place.
        VakitGirdisi g;
        SeciliKonum().Doldur(g); // the first-run place
        g.SeciliTarih = saat_.An;
        const VakitSonucu s = GunlukHesapla(g);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.Sayfa0->Degerler[i]->text(), s.Metinler[i]);
        QCOMPARE(f.LTMiladi->text(), s.Miladi);
        QCOMPARE(f.LTHicri->text(), s.Hicri);

        // The first tick ran inside the start-up: 12:00 is Güneş, highlight on its row.
        QCOMPARE(f.Sayfa0->LVakit->text(), QStringLiteral("Şimdi Güneş Vakti"));
        QCOMPARE(f.Sayfa0->LSonrakiVakit->text(), QStringLiteral("Öğle'ye Kalan Süre"));
        QCOMPARE(f.Sayfa0->AktifVakitBg->y(), SayfaVakitler::SatirUstleri[1] - 3);
        QVERIFY(f.KalanTimerAcik());
        QVERIFY(!f.AniTimerAcik());

        // The stored location is the active row of the list.
        QVERIFY(f.Sayfa1->Db->ListCount() > 6817);
        QCOMPARE(f.Sayfa1->Db->Aktif(), 6817);
        // The logon entry is written at the first start.
        QVERIFY(!oturum_->Oku().isEmpty());
    }

    // The start-up message held open across midnight, and a second start while it shows: the
    // window appears only once it is built, and with the new day.
    void baslangicMesajiAcikkenGunVeIkinciBaslatma()
    {
        QFile::remove(Program() + "uyari.wma"); // the missing-sound message at start
        saat_.An = QDateTime(QDate(2026, 6, 21), QTime(23, 59, 50));
        bool yarimGorundu = false;
        mesaj_.Acikken = [&] {
            form_->Goster();
            yarimGorundu = form_->isVisible();
            saat_.An = QDateTime(QDate(2026, 6, 22), QTime(8, 0));
        };
        AnaForm& f = Baslat(QStringLiteral("-startup"));
        QCOMPARE(mesaj_.Kutular.size(), 1);
        QVERIFY(!yarimGorundu);
        QVERIFY(f.isVisible()); // the held hand-over, although started hidden
        QCOMPARE(f.LTMiladi->text(), MiladiTarih(QDate(2026, 6, 22)));
        QCOMPARE(f.SeciliTarih().date(), QDate(2026, 6, 22));
    }

    void baslangicKonumu_data()
    {
        QTest::addColumn<QString>("posX");
        QTest::addColumn<QString>("posY");
        QTest::addColumn<int>("beklenenX"); // -1: flush with the right edge
        QTest::addColumn<int>("beklenenY");
        QTest::newRow("varsayılan") << QString() << QString() << -2 << -2;
        QTest::newRow("eksi 50") << "-50"
                                 << "-50" << 0 << 0;
        QTest::newRow("ekranın dışında") << "999999"
                                         << "150" << -1 << 10;
    }
    void baslangicKonumu()
    {
        QFETCH(QString, posX);
        QFETCH(QString, posY);
        QFETCH(int, beklenenX);
        QFETCH(int, beklenenY);
        if (!posX.isEmpty()) {
            Ayar("PosX", posX);
            Ayar("PosY", posY);
        }
        AnaForm& f = Baslat();
        const QRect ekran = f.screen()->geometry();
        if (beklenenX == -2) {
            // 100 twips from the right edge, 700 twips above the bottom.
            QCOMPARE(f.x(), qRound((ekran.width() * 15 - 242 * 15 - 100) / 15.0));
            QCOMPARE(f.y(), qRound((ekran.height() * 15 - 341 * 15 - 700) / 15.0));
        } else {
            QCOMPARE(f.x(), beklenenX == -1 ? ekran.width() - 242 : beklenenX);
            QCOMPARE(f.y(), beklenenY);
        }
    }

    // The window's shape: its own size, the four corners cut alike (mirror images).
    void sekilKoseleriKesik()
    {
        AnaForm& f = Baslat();
        const QRegion m = f.mask();
        QCOMPARE(m.boundingRect(), QRect(0, 0, 242, 341));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 6; ++x) {
                const bool ic = m.contains(QPoint(x, y));
                QCOMPARE(m.contains(QPoint(241 - x, y)), ic);
                QCOMPARE(m.contains(QPoint(x, 340 - y)), ic);
                QCOMPARE(m.contains(QPoint(241 - x, 340 - y)), ic);
            }
        }
        QVERIFY(!m.contains(QPoint(0, 0)));
        QVERIFY(m.contains(QPoint(4, 0)));
        QVERIFY(m.contains(QPoint(0, 170)));
        QVERIFY(m.contains(QPoint(121, 340)));
    }

    void uzunYerAdlariTarihlereBinmez()
    {
        Ayar("bUlke", "Amerika Birleşik Devletleri");
        Ayar("bSehir", "Kahramanmaraş Merkez İlçesi");
        AnaForm& f = Baslat();
        QCOMPARE(f.LUlke->text(), QStringLiteral("Amerika Birleşik Devletleri"));
        QVERIFY(f.LUlke->geometry().right() < f.LTMiladi->x());
        QVERIFY(f.LSehir->geometry().right() < f.LTHicri->x());
        QVERIFY(f.LTHicri->geometry().right() <= 231);
        QVERIFY(f.LSehir->font().pixelSize() < 16);
    }

    void startupGorunurluk_data()
    {
        QTest::addColumn<QString>("komut");
        QTest::addColumn<QString>("gorevSimge");
        QTest::addColumn<bool>("tepsi");
        QTest::addColumn<bool>("gorunur");
        QTest::newRow("-startup, simge açık") << "-startup"
                                              << "1" << true << false;
        QTest::newRow("-startup, simge kapalı") << "-startup"
                                                << "0" << true << true;
        QTest::newRow("harf farkı") << "-Startup"
                                    << "1" << true << true;
        QTest::newRow("fazladan metin") << "-startup x"
                                        << "1" << true << true;
        QTest::newRow("bildirim alanı yok") << "-startup"
                                            << "1" << false << true;
    }
    void startupGorunurluk()
    {
        QFETCH(QString, komut);
        QFETCH(QString, gorevSimge);
        QFETCH(bool, tepsi);
        QFETCH(bool, gorunur);
        Ayar("GorevSimge", gorevSimge);
        AnaForm& f = Baslat(komut, tepsi);
        QCOMPARE(f.isVisible(), gorunur);
    }

    // At logon the program often starts before the panel: the notification area that comes
    // later gets the icon, and from then on the close button hides the window.
    void bildirimAlaniSonradanGelir()
    {
        AnaForm& f = Baslat(QString(), false);
        QVERIFY(!f.TepsiSimge->Shown());
        QCOMPARE(f.BtnKapat->toolTip(), QStringLiteral("Kapat"));
        f.TepsiyiDene();
        QVERIFY(!f.TepsiSimge->Shown());
        tepsi_->Alan = true;
        f.TepsiyiDene();
        QVERIFY(f.TepsiSimge->Shown() && tepsi_->Gorunur);
        QCOMPARE(f.BtnKapat->toolTip(), QStringLiteral("Gizle"));
        Tikla(f.BtnKapat);
        QVERIFY(!f.isVisible());
        QVERIFY(f.KalanTimerAcik()); // hidden, not ended
    }

    void dataDbYoksaMesajVeSon()
    {
        QFile::remove(Program() + "data.db");
        QFile::remove(Program() + "uyari.wma");
        AnaForm& f = Yeni();
        QSignalSpy kapandi(&f, &AnaForm::Kapatildi);
        QVERIFY(!f.Form_Load(QString()));
        QVERIFY(!f.isVisible());
        QCOMPARE(kapandi.count(), 1);
        // The sound message first, then the data.db one.
        QCOMPARE(mesaj_.Kutular.size(), 2);
        QCOMPARE(mesaj_.Kutular[0].Baslik, QStringLiteral("Dosya Bulunamadı"));
        QVERIFY(mesaj_.Kutular[0].Metin.startsWith("'uyari.wma' dosyası/dosyaları bulunamadı !"));
        QCOMPARE(mesaj_.Kutular[1].Tur, MesajKutusu::Simge::Dur);
        QCOMPARE(mesaj_.Kutular[1].Baslik, QStringLiteral("Dosya Bulunamadı"));
        QCOMPARE(
            mesaj_.Kutular[1].Metin,
            QStringLiteral("'Data.db' dosyası bulunamadı !\r\nLütfen programı yeniden kurunuz."));
    }

    void kayitSirasiListeninDisinda()
    {
        // A stored number past the list (data.db replaced by a shorter one): no row is
        // marked, nothing crashes, and saving asks for a row.
        Ayar("bIndex", "30000");
        AnaForm& f = Baslat();
        QCOMPARE(f.Sayfa1->Db->Aktif(), 0);
        Tikla(f.Sayfa1->BtnBolgeKaydet);
        QCOMPARE(mesaj_.Kutular.size(), 1);
        QCOMPARE(mesaj_.Kutular[0].Baslik, QStringLiteral("Uyarı"));
        QCOMPARE(mesaj_.Kutular[0].Metin,
                 QStringLiteral("Lütfen Listeden bir Şehir / Bölge seçiniz."));
        QVERIFY(AyarOku("bIndex") == "30000");
    }

    void ayarDosyasiYazilamazsaUyarir()
    {
        // The settings file's place is taken by a folder: no write can replace it.
        QDir().mkpath(ayarKlasoru_->path() + "/Orvanel/Orvanel.ini");
        AnaForm& f = Baslat();
        QVERIFY(mesaj_.Kutular.isEmpty());
        Tikla(f.GAyarUstte);
        QCOMPARE(mesaj_.Kutular.size(), 1);
        QCOMPARE(mesaj_.Kutular[0].Baslik, QStringLiteral("Uyarı"));
        QVERIFY(mesaj_.Kutular[0].Metin.startsWith("Ayarlar kaydedilemedi !"));
        QVERIFY(QFileInfo(ayarKlasoru_->path() + "/Orvanel/Orvanel.ini").isDir());
    }

    // A hand-edited data.db: an unreadable line before İstanbul neither moves the stored
    // choice onto another row nor goes unmentioned.
    void okunamayanSatirSecimiKaydirmaz()
    {
        QFile d(Program() + "data.db");
        QVERIFY(d.open(QIODevice::ReadWrite));
        const QByteArray eski = d.readAll();
        d.seek(0);
        d.write("bozuk satır\r\n" + eski);
        d.close();
        AnaForm& f = Baslat();
        const vkListItem* aktif = f.Sayfa1->Konumlar.Item(f.Sayfa1->Db->Aktif());
        QVERIFY(aktif);
        QCOMPARE(aktif->Id(), 6817);
        QCOMPARE(aktif->Sehir(), QStringLiteral("İstanbul"));
        QCOMPARE(mesaj_.Kutular.size(), 1);
        QVERIFY(mesaj_.Kutular[0].Metin.contains(QStringLiteral("1 satırı okunamadı")));
    }

    // Regional page -------------------------------------------------------------------------

    void aramaSatiriSecipEnUsteAlir()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(1);
        Yaz(f.Sayfa1->SehirAra, QStringLiteral("istanbul,türkiye"));
        ListBox* db = f.Sayfa1->Db;
        const int p = db->SelectedItem();
        QVERIFY(p > 0);
        QCOMPARE(f.Sayfa1->Konumlar.Item(p)->Sehir(), QStringLiteral("İstanbul"));
        QCOMPARE(f.Sayfa1->Konumlar.Item(p)->Ulke(), QStringLiteral("Türkiye"));
        QCOMPARE(db->TopIndex(), p);
        QCOMPARE(db->SelCount(), 1);

        // A text that finds nothing leaves no selection, and "Kaydet" then keeps the active
        // row: it never stores a row the user cannot see ("q" found one, "qq" none).
        f.Sayfa1->SehirAra->clear();
        Yaz(f.Sayfa1->SehirAra, QStringLiteral("qq"));
        QCOMPARE(db->SelCount(), 0);
        Tikla(f.Sayfa1->BtnBolgeKaydet);
        QCOMPARE(AyarOku("bSehir"), QStringLiteral("İstanbul"));
        QCOMPARE(db->Aktif(), 6817);
    }

    // The place list's scrollbar: the skin's pictures with a thumb that drags the list along,
    // and a click on the track that pages by the rows in view.
    void listeKaydirmaCubugu()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(1);
        f.Goster();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        ListBox* db = f.Sayfa1->Db;
        Scroll* vs = db->VS();
        db->setTopIndex(1);
        QVERIFY(!vs->ScrlGosterilen().Bos());
        QVERIFY(vs->ScrlHeight() > 0);

        const int gorunen = db->Gorunen();
        const int ustBos = vs->ScrlAs()->y() - 1; // just above the down arrow, on the track
        FareSurucu::Bas(vs, QPoint(8, ustBos));
        FareSurucu::Birak(vs, QPoint(8, ustBos));
        QCOMPARE(db->TopIndex(), 1 + gorunen);

        const int tutamak = vs->ScrlTop() / 15 + vs->ScrlHeight() / 30;
        FareSurucu::Bas(vs, QPoint(8, tutamak));
        QVERIFY(vs->Surukleniyor());
        FareSurucu::Tasi(vs, QPoint(8, tutamak + 20));
        FareSurucu::Birak(vs, QPoint(8, tutamak + 20));
        QVERIFY(db->TopIndex() > 1000); // 20 pixels of a 40-pixel track: thousands of rows
        QCOMPARE(db->ScrollValue(), db->TopIndex());
    }

    void kaydetSeciliSatiriSaklar()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(1);
        Yaz(f.Sayfa1->SehirAra, QStringLiteral("ankara"));
        const int p = f.Sayfa1->Db->SelectedItem();
        QVERIFY(p > 0);
        f.Sayfa1->AyarDakika->setText(QStringLiteral("20"));
        Tikla(f.Sayfa1->BtnBolgeKaydet);
        QVERIFY(mesaj_.Kutular.isEmpty());
        QCOMPARE(AyarOku("bSehir"), QStringLiteral("Ankara"));
        QCOMPARE(AyarOku("bIndex"), QString::number(f.Sayfa1->Konumlar.Item(p)->Id()));
        QCOMPARE(AyarOku("BADakika"), QStringLiteral("20"));
        QCOMPARE(f.LSehir->text(), QStringLiteral("Ankara"));
        QCOMPARE(f.Sayfa1->Db->Aktif(), p);
        QCOMPARE(f.GosterilenSayfa(), 0); // the save button returns to the times
        // The times follow the new place.
        VakitGirdisi g;
        g.SeciliTarih = saat_.An;
        f.Bolgesel().Konum.Doldur(g);
        QCOMPARE(f.Sayfa0->Degerler[2]->text(), GunlukHesapla(g).Metinler[2]);
    }

    void ciftTiklamaHemenSaklar()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(1);
        Yaz(f.Sayfa1->SehirAra, QStringLiteral("izmir,türkiye"));
        ListBox* db = f.Sayfa1->Db;
        const int p = db->SelectedItem();
        QVERIFY(p > 0);
        // The found row is the first visible one.
        const QPoint satir(60, db->SatirYuksekligi() / 2 + 2);
        QTest::mouseClick(db, Qt::LeftButton, {}, satir);
        QTest::mouseDClick(db, Qt::LeftButton, {}, satir);
        QCOMPARE(db->Aktif(), p);
        QCOMPARE(AyarOku("bSehir"), QStringLiteral("İzmir"));
        QCOMPARE(f.LSehir->text(), QStringLiteral("İzmir"));
    }

    void yontemDegisimiOnay()
    {
        AnaForm& f = Baslat();
        f.Sayfa1->Db->setSelectedItem(f.Sayfa1->Db->Aktif());
        f.Sayfa1->AyarHesap->setCurrentIndex(2);
        mesaj_.Cevap = true;
        Tikla(f.Sayfa1->BtnBolgeKaydet);
        QCOMPARE(mesaj_.Sorular.size(), 1);
        QVERIFY(mesaj_.Sorular[0].startsWith(HesapYontemleri()[2].Ad + " : \r\n\r\n"));
        QCOMPARE(AyarOku("VakitHesap"), QStringLiteral("2"));

        // Declined: entry 0 is stored, not the previous 2.
        f.Sayfa1->AyarHesap->setCurrentIndex(1);
        mesaj_.Cevap = false;
        Tikla(f.Sayfa1->BtnBolgeKaydet);
        QCOMPARE(mesaj_.Sorular.size(), 2);
        QCOMPARE(AyarOku("VakitHesap"), QStringLiteral("0"));
        QCOMPARE(f.Sayfa1->AyarHesap->currentIndex(), 0);
    }

    void sehirIpucuKenarlari_data()
    {
        QTest::addColumn<QString>("enlem");
        QTest::addColumn<QString>("boylam");
        QTest::addColumn<QString>("tz");
        QTest::addColumn<QString>("ipucu");
        QTest::newRow("enlem 0") << "0"
                                 << "0"
                                 << "0"
                                 << "0º Güney, 0º Batı, GMT : 0";
        QTest::newRow("güney") << "-33,9"
                               << "18,42"
                               << "2"
                               << "33.9º Güney, 18.42º Doğu, GMT : +2";
        QTest::newRow("batı, eksi saat") << "40,71"
                                         << "-74,01"
                                         << "-5"
                                         << "40.71º Kuzey, 74.01º Batı, GMT : -5";
    }
    void sehirIpucuKenarlari()
    {
        QFETCH(QString, enlem);
        QFETCH(QString, boylam);
        QFETCH(QString, tz);
        QFETCH(QString, ipucu);
        Ayar("bEnlem", enlem);
        Ayar("bBoylam", boylam);
        Ayar("bTz", tz);
        AnaForm& f = Baslat();
        QCOMPARE(f.LSehir->toolTip(), ipucu);
    }

    void uyariKutusuDakikayiEtkiler()
    {
        AnaForm& f = Baslat();
        f.Sayfa1->AyarUyari->click();
        QVERIFY(!f.Sayfa1->AyarDakika->isEnabled());
        QVERIFY(!f.Sayfa1->AyarSesliUyari->isEnabled());
        f.Sayfa1->AyarUyari->click();
        QVERIFY(f.Sayfa1->AyarDakika->isEnabled());
        QVERIFY(AyarOku("BAUyari").isEmpty()); // nothing stored until saved
    }

    // Tabs ------------------------------------------------------------------------------

    void sekmeBirAramaKutusunaOdaklanir()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(2);
        QVERIFY(f.focusWidget() != f.Sayfa1->SehirAra);
        f.Tablar_Click(1);
        QCOMPARE(f.focusWidget(), f.Sayfa1->SehirAra);
        QCOMPARE(f.Tablar[1]->CurrentEvent(), 1);
        QCOMPARE(f.Tablar[0]->CurrentEvent(), 0);
        QVERIFY(f.TabSayfa[1]->isVisible());
        QVERIFY(!f.TabSayfa[0]->isVisible());
        // The place label leads to the same page.
        f.Tablar_Click(0);
        Tikla(f.LSehir);
        QCOMPARE(f.GosterilenSayfa(), 1);
    }

    void kaydirmaYerindeBiter()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(3);
        QCOMPARE(f.SayfaUstu(), 1000);
        QVERIFY(f.AniTimerAcik());
        int adim = 0;
        while (f.AniTimerAcik() && adim < 100) {
            f.AniTimerTick();
            ++adim;
        }
        QVERIFY(!f.AniTimerAcik());
        QCOMPARE(f.SayfaUstu(), 0);
        QCOMPARE(f.TabSayfa[3]->y(), 0);
        QVERIFY(adim < 40);
        // The same tab again slides in again from the start.
        f.Tablar_Click(3);
        QCOMPARE(f.SayfaUstu(), 1000);
        QCOMPARE(f.TabSayfa[3]->y(), 67);
    }

    void sekmeDisindakiIndexHicbirSayfayiGostermez()
    {
        AnaForm& f = Baslat();
        f.Tablar_Click(4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!f.TabSayfa[i]->isVisible());
            QCOMPARE(f.Tablar[i]->CurrentEvent(), 0);
        }
        f.AniTimerTick();
        QVERIFY(!f.AniTimerAcik());
    }

    void surukleme()
    {
        AnaForm& f = Baslat();
        f.move(300, 200);
        auto hareket = [&](QPoint global, Qt::MouseButtons tuslar) {
            QMouseEvent e(QEvent::MouseMove, QPointF(f.mapFromGlobal(global)), QPointF(global),
                          Qt::NoButton, tuslar, {});
            QApplication::sendEvent(&f, &e);
        };
        // Grabbed on the title strip at (100, 15): the window follows the pointer.
        QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(100, 15));
        hareket(QPoint(600, 415), Qt::LeftButton);
        QCOMPARE(f.pos(), QPoint(500, 400));
        // The right button neither starts nor ends a drag.
        QTest::mouseRelease(&f, Qt::RightButton, {}, QPoint(100, 15));
        hareket(QPoint(620, 425), Qt::LeftButton);
        QCOMPARE(f.pos(), QPoint(520, 410));
        QTest::mouseRelease(&f, Qt::LeftButton, {}, QPoint(100, 15));
        hareket(QPoint(700, 500), Qt::LeftButton);
        QCOMPARE(f.pos(), QPoint(520, 410));
        QTest::mousePress(&f, Qt::RightButton, {}, QPoint(100, 15));
        hareket(QPoint(700, 500), Qt::RightButton);
        QCOMPARE(f.pos(), QPoint(520, 410));
        // A window dragged partly off the screen stays there.
        QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(100, 15));
        hareket(QPoint(50, 5), Qt::LeftButton);
        QCOMPARE(f.pos(), QPoint(-50, -10));
        QVERIFY(AyarOku("PosX").isEmpty());
    }

    // Date panel ------------------------------------------------------------------------

    void tarihPaneli()
    {
        AnaForm& f = Baslat();
        QVERIFY(!f.Sayfa0->TarihSecFrame->isVisible());
        Tikla(f.LTMiladi);
        QVERIFY(f.Sayfa0->TarihSecFrame->isVisible());
        QCOMPARE(f.Sayfa0->TarihSec->text(), QStringLiteral("21.06.2026"));

        // Not a date: the message, the panel stays, the day stays.
        f.Sayfa0->TarihSec->setText(QStringLiteral("abc"));
        Tikla(f.Sayfa0->BtnTarihSec);
        QCOMPARE(mesaj_.Kutular.size(), 1);
        QCOMPARE(mesaj_.Kutular[0].Metin, QStringLiteral("Lütfen geçerli bir tarih giriniz."));
        QCOMPARE(mesaj_.Kutular[0].Baslik, QStringLiteral("Orvanel"));
        QVERIFY(f.Sayfa0->TarihSecFrame->isVisible());
        QCOMPARE(f.SeciliTarih().date(), QDate(2026, 6, 21));
        f.Sayfa0->TarihSec->clear();
        Tikla(f.Sayfa0->BtnTarihSec);
        QCOMPARE(mesaj_.Kutular.size(), 2);

        // A day years away is accepted and computed.
        f.Sayfa0->TarihSec->setText(QStringLiteral("15.01.1990"));
        Tikla(f.Sayfa0->BtnTarihSec);
        QVERIFY(!f.Sayfa0->TarihSecFrame->isVisible());
        QCOMPARE(f.SeciliTarih().date(), QDate(1990, 1, 15));
        VakitGirdisi g;
        SeciliKonum().Doldur(g);
        g.SeciliTarih = f.SeciliTarih();
        const VakitSonucu s = GunlukHesapla(g);
        QCOMPARE(f.Sayfa0->Degerler[0]->text(), s.Metinler[0]);
        QCOMPARE(f.LTMiladi->text(), s.Miladi);

        // "Bugün": today at midnight.
        Tikla(f.LTHicri);
        Tikla(f.Sayfa0->BtnBugun);
        QCOMPARE(f.SeciliTarih(), QDateTime(QDate(2026, 6, 21), QTime(0, 0)));
        QCOMPARE(f.Sayfa0->TarihSec->text(), QStringLiteral("21.06.2026"));
        QVERIFY(!f.Sayfa0->TarihSecFrame->isVisible());
    }

    void geceYarisiGunuYeniler()
    {
        AnaForm& f = Baslat();
        f.Sayfa0->TarihSec->setText(QStringLiteral("01.01.2030"));
        Tikla(f.LTMiladi);
        f.Sayfa0->TarihSec->setText(QStringLiteral("01.01.2030"));
        Tikla(f.Sayfa0->BtnTarihSec);
        QCOMPARE(f.SeciliTarih().date(), QDate(2030, 1, 1));
        saat_.An = QDateTime(QDate(2026, 6, 22), QTime(0, 0, 0));
        f.KalanTimerTick();
        QCOMPARE(f.SeciliTarih().date(), QDate(2026, 6, 22));
    }

    void uyariPopupVeEzan()
    {
        AnaForm& f = Baslat();
        const double ogle = f.GunlukVakitler()[2];
        // 15 minutes before Öğle: the popup gets its three texts, the warning sound plays.
        saat_.An = QDateTime(QDate(2026, 6, 21), QTime(0, 0).addSecs(int(ogle) - 900));
        f.KalanTimerTick();
        QCOMPARE(f.Mesaj()->Mesaj1Metni(), QStringLiteral("Öğle Vaktine "));
        QCOMPARE(f.Mesaj()->KalanSure(), QStringLiteral("15 Dakika "));
        QCOMPARE(f.Mesaj()->Mesaj2Metni(), QStringLiteral(" kaldı."));
        QVERIFY(f.Ses().Ornek() != 0);
        QCOMPARE(f.BtnEzan->CurrentEvent(), 1);
        // "Ezanı Durdur" stops it: the button is idle at once.
        f.FModStop();
        QCOMPARE(f.BtnEzan->CurrentEvent(), 0);
        // At Öğle the highlight moves and the texts change.
        saat_.An = QDateTime(QDate(2026, 6, 21), QTime(0, 0).addSecs(int(ogle)));
        f.KalanTimerTick();
        QCOMPARE(f.Sayfa0->LVakit->text(), QStringLiteral("Şimdi Öğle Vakti"));
        QCOMPARE(f.Sayfa0->AktifVakitBg->y(), SayfaVakitler::SatirUstleri[2] - 3);
        QCOMPARE(f.Sayfa0->LKalan->toolTip(), QStringLiteral("İkindi'ye Kalan Süre"));
    }

    void ezanKapaliDugmeDevreDisi()
    {
        Ayar("BAEzan", "0");
        AnaForm& f = Baslat();
        QCOMPARE(f.BtnEzan->ButtonEvents(), 2);
        QCOMPARE(f.BtnEzan->CurrentEvent(), 2);
        Tikla(f.BtnEzan);
        QCOMPARE(f.Ses().Ornek(), 0);
    }

    // General page ----------------------------------------------------------------------

    void seffaflikOnizleme()
    {
        AnaForm& f = Baslat();
        f.Sayfa2->GAyarSeffaf->setText(QStringLiteral("29"));
        QTest::mousePress(f.Sayfa2->BtnArti, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.Sayfa2->GAyarSeffaf->text(), QStringLiteral("31"));
        QCOMPARE(f.windowOpacity(), 79 / 255.0);
        QTest::mouseRelease(f.Sayfa2->BtnArti, Qt::LeftButton, {}, QPoint(5, 5));
        f.Sayfa2->GAyarSeffaf->setText(QStringLiteral("30"));
        QTest::mousePress(f.Sayfa2->BtnEksi, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.Sayfa2->GAyarSeffaf->text(), QStringLiteral("30"));
        QTest::mouseRelease(f.Sayfa2->BtnEksi, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(AyarOku("Seffaflik").isEmpty()); // a preview stores nothing

        f.Sayfa2->GAyarSeffaf->setText(QStringLiteral("abc"));
        f.Tablar_Click(2);
        Tikla(f.Sayfa2->BtnAyarKaydet);
        QCOMPARE(AyarOku("Seffaflik"), QStringLiteral("30"));
        QCOMPARE(f.windowOpacity(), 76 / 255.0);
        QCOMPARE(f.GosterilenSayfa(), 0);
    }

    void herZamanUstteHemenSaklanir()
    {
        AnaForm& f = Baslat();
        QVERIFY(f.HerZamanUsttePencere());
        QVERIFY(f.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        Tikla(f.GAyarUstte);
        QCOMPARE(f.GAyarUstte->CurrentEvent(), 0);
        QCOMPARE(AyarOku("HerZamanUstte"), QStringLiteral("False"));
        QVERIFY(!(f.windowHandle()->flags() & Qt::WindowStaysOnTopHint));
        QVERIFY(f.isVisible());
        Tikla(f.GAyarUstte);
        QCOMPARE(AyarOku("HerZamanUstte"), QStringLiteral("True"));
        QVERIFY(f.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    }

    void simgeSecimiEksikDosyadaSimgeyiKorur()
    {
        AnaForm& f = Baslat();
        const qint64 once = f.windowIcon().cacheKey();
        f.Sayfa2->GAyarIcon2->click();
        QCOMPARE(f.windowIcon().cacheKey(), once); // no eksimge.ico here
        QVERIFY(mesaj_.Kutular.isEmpty());
        Tikla(f.Sayfa2->BtnAyarKaydet);
        QCOMPARE(AyarOku("Simge"), QStringLiteral("2"));
    }

    // Close button ----------------------------------------------------------------------

    void kapatDugmesiGorevSimgeyeGore()
    {
        {
            AnaForm& f = Baslat();
            QSignalSpy kapandi(&f, &AnaForm::Kapatildi);
            Tikla(f.BtnKapat);
            QVERIFY(!f.isVisible());
            QCOMPARE(kapandi.count(), 0);
            QVERIFY(f.KalanTimerAcik()); // still running in the notification area
            f.Goster();
            QVERIFY(f.isVisible());
        }
        Ayar("GorevSimge", "0");
        AnaForm& f = Baslat();
        QCOMPARE(f.BtnKapat->toolTip(), QStringLiteral("Kapat"));
        QSignalSpy kapandi(&f, &AnaForm::Kapatildi);
        Tikla(f.BtnKapat);
        QCOMPARE(kapandi.count(), 1);
        QVERIFY(!f.isVisible());
        QVERIFY(!f.KalanTimerAcik());
        QVERIFY(!f.TepsiSimge->Shown());
        QVERIFY(!tepsi_->Gorunur);
        QVERIFY(AyarOku("PosX").isEmpty()); // nothing is saved at the end
    }

    void bildirimAlaniYoksaKapatBitirir()
    {
        AnaForm& f = Baslat(QString(), false);
        QCOMPARE(f.BtnKapat->toolTip(), QStringLiteral("Kapat"));
        QSignalSpy kapandi(&f, &AnaForm::Kapatildi);
        Tikla(f.BtnKapat);
        QCOMPARE(kapandi.count(), 1);
    }

    // About page ------------------------------------------------------------------------

    void baglantilar()
    {
        AdresYakalayici y;
        QDesktopServices::setUrlHandler("https", &y, "Ac");
        AnaForm& f = Baslat();
        f.Tablar_Click(3);
        QCOMPARE(f.Sayfa3->LDetayliBilgi->text(),
                 QStringLiteral("Daha Detaylı Bilgi için : orvanel.example.org"));
        Tikla(f.Sayfa3->LDetayliBilgi);
        Tikla(f.Sayfa3->LDaxGrup);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(y.Adresler.size(), 2);
        QCOMPARE(y.Adresler[0].toString(),
                 QStringLiteral("https://orvanel.example.org/yardim.php?v=1.0"));
        QCOMPARE(y.Adresler[1].toString(), QStringLiteral("https://www.example.org"));
    }
};

QTEST_MAIN(tst_AnaForm)
#include "tst_AnaForm.moc"
