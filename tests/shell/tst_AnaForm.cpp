// What only the main window does, offscreen: with the settings, the countdown, the place list
// and the pages. Real settings file and program folder in temporary
// folders, the shipped data.db, the real sound library; the clock, the daylight-saving rule,
// the notification area's presence and the message boxes are stand-ins.
#include "ProgramOrtami.h"
#include "controls/gui/Buton.h"
#include "controls/gui/KaydirmaCubugu.h"
#include "controls/gui/ListeGorunumu.h"
#include "locations/KonumModeli.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/TepsiMenusu.h"
#include "shell/gui/AnaForm.h"
#include "shell/gui/DiniGunListesi.h"
#include "shell/gui/Etiket.h"
#include "shell/gui/MesajKutusu.h"
#include "shell/gui/SayfaBolgesel.h"
#include "shell/gui/SayfaDiniGunler.h"
#include "shell/gui/SayfaGenel.h"
#include "shell/gui/SayfaHakkinda.h"
#include "support/FareSurucu.h"
#include "support/SahteTepsi.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Writes down every box as "title: text" and answers every question with yes.
class KayitliMesaj : public MesajKutusu
{
public:
    void Goster(QWidget*, Simge, const QString& b, const QString& m) override
    {
        Metinler << b + ": " + m;
    }
    bool Sor(QWidget*, const QString&, const QString&) override { return true; }
    QStringList Metinler;
};

} // namespace

class tst_AnaForm : public QObject
{
    Q_OBJECT

    std::optional<ProgramOrtami> o_;
    KayitliMesaj mesaj_;
    std::unique_ptr<SahteTepsi> tepsi_;
    std::unique_ptr<AnaForm> form_;

    AnaForm& Baslat(const QString& komut = {})
    {
        form_.reset(); // one program at a time
        tepsi_ = std::make_unique<SahteTepsi>();
        form_ = std::make_unique<AnaForm>(AnaFormBaglami{o_->Baglam(), &mesaj_, tepsi_.get()});
        // The rest of the start-up follows the first frame (or, hidden, comes at once).
        if (form_->Programi().Baslat(komut))
            (void)QTest::qWaitFor([this] { return form_->Programi().BaslangicTamam(); });
        return *form_;
    }
    static void Tikla(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    // Typed key by key (QTest::keyClicks takes only ASCII).
    static void Yaz(QWidget* w, const QString& metin)
    {
        for (const QChar c : metin)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), {});
    }

private slots:
    void init()
    {
        form_.reset(); // before what it was given
        o_.emplace();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        mesaj_.Metinler.clear();
    }

    // The wiring of the close button and the tray icon: "-startup" with the icon option on
    // starts hidden behind the icon; a click on the icon shows page 0, the close button hides
    // the window again (which option ends the program instead: ProgramTest).
    void kapatVeTepsiSimgesi()
    {
        QVERIFY(o_->Ayar("GorevSimge", "1"));
        AnaForm& f = Baslat("-startup");
        QVERIFY(!f.isVisible());
        f.Programi().SayfaAc(2);
        emit f.TepsiSimge->Click();
        QVERIFY(f.isVisible() && f.Programi().GosterilenSayfa() == 0);
        QSignalSpy kapandi(&f.Programi(), &Program::Kapatildi);
        Tikla(f.BtnKapat);
        QVERIFY(!f.isVisible() && kapandi.isEmpty() && tepsi_->Gorunur());
    }

    // The number boxes take digits only, and a minus where the range goes below zero. The two
    // links of the about page stand out from the panel under them by at least 4.5:1 (the
    // contrast of the colours' relative luminances that low vision needs for text).
    // Page 1 puts the cursor in the search box; a found row is selected and brought to the
    // top; a text that finds nothing leaves no selection, and "Kaydet" then keeps the active
    // row: it never stores a row the user cannot see ("q" found one, "qq" none).
    // The place list's scrollbar: the skin's pictures with a thumb that drags the list along,
    // and a click on the track that pages by the rows in view.
    // The window's shape: its own size, the four corners cut alike (mirror images). Dragged
    // while the left button is held, also partly off the screen; nothing is stored. The
    // always-on-top button changes the shown window in place.
    // All in one started window, one after the other.
    void birPenceredeSayfalar()
    {
        AnaForm& f = Baslat();
        const auto parlaklik = [](const QColor& c) {
            const auto dogrusal = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * dogrusal(c.redF()) + 0.7152 * dogrusal(c.greenF()) +
                   0.0722 * dogrusal(c.blueF());
        };
        f.Programi().SayfaAc(2); // builds the later pages
        const std::tuple<QLineEdit*, const char*, const char*> durumlar[] = {
            {f.BolgeselSayfa->AyarDakika, "1a5-", "15"},
            {f.GenelSayfa->GAyarSeffaf, "-7x0,", "70"},
            {f.GenelSayfa->GAyarHicriGun, "-2b", "-2"},
        };
        for (const auto& [kutu, yazilan, kalan] : durumlar) {
            kutu->clear();
            Yaz(kutu, QString::fromLatin1(yazilan));
            QCOMPARE(kutu->text(), QString::fromLatin1(kalan));
        }
        Tikla(f.SekmeDugmeleri[3]);
        QTRY_COMPARE(f.HakkindaSayfasi->pos(), f.Sayfalar[0]->pos()); // the slide has ended
        const QImage r = f.grab().toImage();
        for (Etiket* e : {f.HakkindaSayfasi->LDaxGrup, f.HakkindaSayfasi->LDetayliBilgi}) {
            // The panel is the colour most of the label's pixels have; the text is drawn in
            // the link colour itself.
            std::map<QRgb, int> sayi;
            const QRect alan(e->mapTo(&f, QPoint()), e->size());
            for (int y = alan.top(); y <= alan.bottom(); ++y)
                for (int x = alan.left(); x <= alan.right(); ++x)
                    ++sayi[r.pixel(x, y)];
            QVERIFY(sayi.count(Etiket::Baglanti.rgb()) > 0);
            const QColor zemin = std::max_element(sayi.begin(), sayi.end(), [](auto a, auto b) {
                                     return a.second < b.second;
                                 })->first;
            const double a = parlaklik(Etiket::Baglanti), b = parlaklik(zemin);
            const double oran = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
            QVERIFY2(oran >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                                 .arg(e->text(), zemin.name())
                                                 .arg(oran, 0, 'f', 2)));
        }

        Tikla(f.SekmeDugmeleri[1]);
        QCOMPARE(f.focusWidget(), f.BolgeselSayfa->SehirAra);
        Yaz(f.BolgeselSayfa->SehirAra, QStringLiteral("istanbul,türkiye"));
        ListeGorunumu* db = f.BolgeselSayfa->Db;
        const int p = db->SeciliSatir();
        QCOMPARE(f.BolgeselSayfa->Konumlar->Satirlar().at(p).Id, 6817);
        QCOMPARE(db->UstSatir(), p);
        f.BolgeselSayfa->SehirAra->clear();
        Yaz(f.BolgeselSayfa->SehirAra, QStringLiteral("qq"));
        QCOMPARE(db->SeciliSatir(), -1);
        Tikla(f.BolgeselSayfa->BtnBolgeKaydet);
        QCOMPARE(AyarDeposu().Oku("bSehir"), QStringLiteral("İstanbul"));
        QCOMPARE(db->Aktif(), p);
        QCOMPARE(f.Programi().GosterilenSayfa(), 0); // saved: back to the times

        Tikla(f.SekmeDugmeleri[1]);
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        KaydirmaCubugu* vs = db->Cubuk();
        db->setUstSatir(0);
        // Just above the down arrow (the skin's arrows are square), on the track.
        const int ustBos = vs->height() - vs->width() - 1;
        FareSurucu::Bas(vs, QPoint(8, ustBos));
        FareSurucu::Birak(vs, QPoint(8, ustBos));
        QCOMPARE(db->UstSatir(), db->Gorunen());
        const int tutamak = vs->TutamakUstu() + vs->TutamakYuksekligi() / 2;
        FareSurucu::Bas(vs, QPoint(8, tutamak));
        FareSurucu::Tasi(vs, QPoint(8, tutamak + 20));
        FareSurucu::Birak(vs, QPoint(8, tutamak + 20));
        QVERIFY(db->UstSatir() > 1000); // 20 pixels of a 40-pixel track: thousands of rows

        const QRegion m = f.mask();
        QCOMPARE(m.boundingRect(), QRect(0, 0, 242, 341));
        for (const QTransform& ayna :
             {QTransform(-1, 0, 0, 1, 242, 0), QTransform(1, 0, 0, -1, 0, 341)})
            QVERIFY((ayna.map(m) ^ m).isEmpty()); // mirror images
        QVERIFY(!m.contains(QPoint(0, 0)) && m.contains(QPoint(4, 0)));

        f.move(300, 200);
        const auto hareket = [&](QPoint yer) {
            QMouseEvent e(QEvent::MouseMove, f.mapFromGlobal(yer), yer, Qt::NoButton,
                          Qt::LeftButton, {});
            QApplication::sendEvent(&f, &e);
        };
        QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(100, 15));
        hareket(QPoint(600, 415));
        QCOMPARE(f.pos(), QPoint(500, 400));
        hareket(QPoint(50, 5));
        QCOMPARE(f.pos(), QPoint(-50, -10));
        QTest::mouseRelease(&f, Qt::LeftButton, {}, QPoint(100, 15));
        hareket(QPoint(700, 500));
        QCOMPARE(f.pos(), QPoint(-50, -10));

        Tikla(f.GAyarUstte);
        QVERIFY(!(f.windowHandle()->flags() & Qt::WindowStaysOnTopHint) && f.isVisible());
        Tikla(f.GAyarUstte);
        QVERIFY((f.windowHandle()->flags() & Qt::WindowStaysOnTopHint) && f.isVisible());
    }

    // Started on the evening of Mevlid Kandili with a Hijri correction of 1 (23 August 2026,
    // Akşam 20:01 in İstanbul), the popup greets the night. Page 4, opened by the tray menu's
    // "Dini Günler", shows the days of the selected day's year with that correction, the night
    // marked "Bu gece" second from the top; the two buttons step the year. Every text fits its row
    // left of the scrollbar: no horizontal scrolling. A hand-edited data.db: an unreadable line
    // before İstanbul neither moves the stored choice onto another row nor goes unmentioned.
    void diniGunlerSayfasi()
    {
        QVERIFY(o_->Ayar("HicriGun", "1"));
        o_->Saati.Ayarla(QDateTime(QDate(2026, 8, 23), QTime(20, 30)));
        const QString db = o_->Klasor.filePath("data.db");
        DosyaYaz(db, "bozuk satır\r\n" + DosyaIcerigi(db));
        AnaForm& f = Baslat();
        const int aktif = f.BolgeselSayfa->Db->Aktif();
        QVERIFY(aktif >= 0 && f.BolgeselSayfa->Konumlar->Satirlar().at(aktif).Id == 6817);
        QCOMPARE(mesaj_.Metinler.size(), 1);
        QVERIFY(mesaj_.Metinler[0].startsWith("Uyarı: 'Data.db' dosyasının 1 satırı okunamadı"));
        QCOMPARE(f.Mesaj()->Mesaj1Metni() + f.Mesaj()->KalanSure() + f.Mesaj()->Mesaj2Metni(),
                 QStringLiteral("Bu gece Mevlid Kandili Hayırlı olsun."));
        f.Menu()->tmDiniGunler->trigger();
        QVERIFY(f.Programi().GosterilenSayfa() == 4 && f.SekmeDugmeleri[4]->CurrentEvent() == 1);
        SayfaDiniGunler* s = f.DiniGunlerSayfasi;
        const DiniGunSatirlari::Satir& siradaki = s->Liste->Satirlar()[s->Liste->UstSatir() + 1];
        QCOMPARE(siradaki.Ad + " | " + siradaki.Tarih + " | " + siradaki.Hicri + " | " +
                     siradaki.Kalan,
                 QStringLiteral("Mevlid Kandili | 23 Ağustos 2026 Pazar | 11 Rebiü'l-Evvel 1448 | "
                                "Bu gece"));

        QFont ad(QStringLiteral("Arial")), yazi = ad; // the page's fonts, the last line in bold
        ad.setPixelSize(11), yazi.setPixelSize(10), ad.setBold(true);
        int enGenis = 0;
        // Each year's first row, a day earlier with the correction.
        const std::tuple<Buton*, int, const char*> adimlar[] = {
            {nullptr, 2026, "Miraç Kandili | 14 Ocak 2026 Çarşamba | 26 Recep 1447"},
            {s->BtnSonrakiYil, 2027, "Miraç Kandili | 3 Ocak 2027 Pazar | 26 Recep 1448"},
            {s->BtnOncekiYil, 2026, "Miraç Kandili | 14 Ocak 2026 Çarşamba | 26 Recep 1447"}};
        for (const auto& [dugme, yil, ilk] : adimlar) {
            if (dugme)
                Tikla(dugme);
            QCOMPARE(s->LYil->text(), QString::number(yil));
            const DiniGunSatirlari::Satir& r0 = s->Liste->Satirlar().front();
            QCOMPARE(r0.Ad + " | " + r0.Tarih + " | " + r0.Hicri, QString::fromUtf8(ilk));
            for (const DiniGunSatirlari::Satir& r : s->Liste->Satirlar())
                enGenis = std::max({enGenis, QFontMetrics(ad).horizontalAdvance(r.Ad),
                                    QFontMetrics(yazi).horizontalAdvance(r.Tarih),
                                    QFontMetrics(ad).horizontalAdvance(r.Hicri + " 99 gün kaldı")});
        }
        QVERIFY2(
            enGenis <= s->Liste->MetinGenisligi(),
            qPrintable(QStringLiteral("%1 > %2").arg(enGenis).arg(s->Liste->MetinGenisligi())));
    }

    // A label the keyboard can reach draws its text where a plain label does, also after it
    // had the focus: only the dotted frame comes and goes (QLabel set it two pixels higher).
    void etiketOdaklanabilirkenYerinde()
    {
        QWidget pencere;
        pencere.resize(150, 60);
        Etiket duz("İstanbul", &pencere, 16, true), tiklanan("İstanbul", &pencere, 16, true);
        duz.Yerlestir(12, 4, 128, 22), tiklanan.Yerlestir(12, 30, 128, 22);
        tiklanan.Tiklanabilir();
        pencere.show();
        pencere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pencere));
        tiklanan.setFocus(Qt::TabFocusReason);
        QVERIFY(tiklanan.hasFocus());
        tiklanan.clearFocus();
        const QImage a = duz.grab().toImage(), b = tiklanan.grab().toImage();
        int farkli = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                farkli += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 20;
        QCOMPARE(farkli, 0);
    }
};

QTEST_MAIN(tst_AnaForm)
#include "tst_AnaForm.moc"
