#include "controls/gui/Buton.h"
#include "platform/gui/SistemImleci.h"

#include "support/FareSurucu.h"
#include "KontrolDuzenegi.h"

#include <QMetaProperty>
#include <QPainter>
#include <QPicture>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

QColor Piksel(QWidget* w, int x, int y)
{
    return w->grab().toImage().pixelColor(x, y);
}

} // namespace

class tst_Buton : public QObject
{
    Q_OBJECT

private:
    // Every test gets a shown window holding one button of 40 x 20 pixels whose three sets
    // and the Selected picture are solid colours, and a pretend pointer and clock.
    struct Duzenek : KontrolDuzenegi
    {
        Buton* b;

        Duzenek() : KontrolDuzenegi(QSize(200, 100))
        {
            b = new Buton(&pencere, &imlec, &zaman);
            b->setGeometry(10, 10, 40, 20);
            baska = new QWidget(&pencere);
            baska->setGeometry(100, 10, 40, 20);
            b->setPictureNormal(DuzResim(Qt::red));
            b->setPictureDown(DuzResim(Qt::green));
            b->setPictureOver(DuzResim(Qt::blue));
            b->setPicture2Normal(DuzResim(Qt::cyan));
            b->setPicture2Down(DuzResim(Qt::magenta));
            b->setPicture2Over(DuzResim(Qt::yellow));
            b->setPictureDisabled(DuzResim(Qt::gray));
            QObject::connect(b, &Buton::MouseDown, [this] { olaylar << "MouseDown"; });
            QObject::connect(b, &Buton::MouseUp, [this] { olaylar << "MouseUp"; });
            QObject::connect(b, &Buton::Click,
                             [this] { olaylar << QString("Click %1").arg(b->CurrentEvent()); });
            QObject::connect(b, &Buton::DblClick, [this] { olaylar << "DblClick"; });
            QObject::connect(b, &Buton::EventChange, [this](int& deger) {
                olaylar << QString("EventChange %1").arg(deger);
            });
            QObject::connect(b, &Buton::MouseIn, [this] { olaylar << "MouseIn"; });
            QObject::connect(b, &Buton::MouseOut, [this] { olaylar << "MouseOut"; });
            QVERIFY(Goster(b));
        }

        QColor Gorunen() { return Piksel(b, 5, 5); }
        void Tikla()
        {
            FareSurucu::Bas(b, QPoint(5, 5));
            FareSurucu::Birak(b, QPoint(5, 5));
        }
        // The pointer goes to the other widget; the hover timer notices on its next tick.
        void Ayril(QPoint p = QPoint(120, 20))
        {
            imlec.alti = baska;
            FareSurucu::Tasi(b, b->mapFrom(&pencere, p));
            zaman.Ilerle(Buton::HoverAraligi);
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void ozellikAdlariVeImlecKodlari()
    {
        Buton b;
        // The window design stores the properties under these names.
        const char* adlar[] = {"ButtonColor",  "Selected",        "MaskColor",
                               "ForeColor",    "MousePointer",    "MouseIcon",
                               "PictureBack",  "PictureNormal",   "PictureDown",
                               "PictureOver",  "Picture2Normal",  "Picture2Down",
                               "Picture2Over", "Picture3Normal",  "Picture3Down",
                               "Picture3Over", "PictureDisabled", "ButtonEvents",
                               "CurrentEvent", "OtoEventChange",  "UseMaskColor",
                               "Text"};
        for (const char* ad : adlar) {
            const int i = b.metaObject()->indexOfProperty(ad);
            QVERIFY2(i >= 0 && b.metaObject()->property(i).isWritable(), ad);
        }
        // MousePointer codes become pointer shapes; 99 takes MouseIcon.
        b.setMousePointer(3);
        QCOMPARE(b.cursor().shape(), Qt::IBeamCursor);
        b.setMouseIcon(DuzResim(Qt::black, QSize(16, 16)));
        b.setMousePointer(99);
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
        b.setMousePointer(0);
        QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
    }

    void ikiliAnahtarUcTiklamadaBireVarir()
    {
        Duzenek d;
        d.b->setButtonEvents(1);
        for (int i = 0; i < 3; ++i)
            d.Tikla();
        QCOMPARE(d.b->CurrentEvent(), 1);
        // Each Click sees the value after the step; EventChange the one before it.
        QCOMPARE(d.olaylar,
                 QStringList({"MouseIn", "MouseDown", "EventChange 0", "Click 1", "MouseUp",
                              "MouseDown", "EventChange 1", "Click 0", "MouseUp", "MouseDown",
                              "EventChange 0", "Click 1", "MouseUp"}));
        // Set 1 is shown (pointer still over it: the hover picture of set 1).
        QCOMPARE(d.Gorunen(), QColor(Qt::yellow));
    }

    void eventChangeIsleyicisiAdimiSarar()
    {
        Duzenek d;
        d.b->setButtonEvents(2);
        connect(d.b, &Buton::EventChange, [&](int& deger) { deger = d.b->ButtonEvents(); });
        d.Tikla();
        QCOMPARE(d.b->CurrentEvent(), 0);
        // Without the automatic step the handler's value stays.
        d.b->setOtoEventChange(false);
        d.Tikla();
        QCOMPARE(d.b->CurrentEvent(), 2);
        // With ButtonEvents 0 the step always gives 0.
        Duzenek e;
        e.b->setCurrentEvent(1);
        e.Tikla();
        QCOMPARE(e.b->CurrentEvent(), 0);
    }

    void disaridaBirakmakTiklamaVermez()
    {
        Duzenek d;
        FareSurucu::Tasi(d.b, QPoint(5, 5));
        QCOMPARE(d.Gorunen(), QColor(Qt::blue));
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QCOMPARE(d.Gorunen(), QColor(Qt::green));

        // Dragged out: looks idle as soon as the hover timer sees the pointer elsewhere.
        d.Ayril();
        QVERIFY(d.b->Basili());
        QVERIFY(!d.b->Uzerinde());
        QCOMPARE(d.Gorunen(), QColor(Qt::red));

        // Back in while held: pressed again.
        d.imlec.alti = d.b;
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        QCOMPARE(d.Gorunen(), QColor(Qt::green));

        d.Ayril();
        FareSurucu::Birak(d.b, d.b->mapFrom(&d.pencere, QPoint(120, 20)));
        QVERIFY(!d.b->Basili());
        QCOMPARE(d.olaylar, QStringList({"MouseIn", "MouseDown", "MouseOut", "MouseIn", "MouseOut",
                                         "MouseUp"}));
        QCOMPARE(d.b->CurrentEvent(), 0);
        QCOMPARE(d.Gorunen(), QColor(Qt::red));
    }

    void secilipkenDisabledResmiGosterilir()
    {
        Duzenek d;
        d.b->setSelected(true);
        QCOMPARE(d.Gorunen(), QColor(Qt::gray));
        FareSurucu::Tasi(d.b, QPoint(5, 5)); // no hover picture while Selected
        QCOMPARE(d.Gorunen(), QColor(Qt::gray));
        FareSurucu::Bas(d.b, QPoint(5, 5)); // but the pressed one
        QCOMPARE(d.Gorunen(), QColor(Qt::green));
        FareSurucu::Birak(d.b, QPoint(5, 5));
        QCOMPARE(d.Gorunen(), QColor(Qt::gray));
        QVERIFY(d.olaylar.contains("Click 0"));
        // Selected with no PictureDisabled falls back to PictureNormal.
        d.b->setPictureDisabled(Resim());
        QCOMPARE(d.Gorunen(), QColor(Qt::red));
    }

    void eksikTakimPictureNormalaDuser()
    {
        Duzenek d;
        d.b->setCurrentEvent(2); // set 2 has no pictures
        QCOMPARE(d.Gorunen(), QColor(Qt::red));
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QCOMPARE(d.Gorunen(), QColor(Qt::red));
        FareSurucu::Birak(d.b, QPoint(5, 5));
        d.b->setCurrentEvent(7); // outside 0 to 2
        QCOMPARE(d.Gorunen(), QColor(Qt::red));
        d.b->setCurrentEvent(1);
        d.b->setPicture2Over(Resim()); // a single missing picture of a set
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        QVERIFY(d.b->Uzerinde());
        QCOMPARE(d.Gorunen(), QColor(Qt::red));

        // No PictureNormal: only the background, not even the caption.
        d.b->setPictureNormal(Resim());
        d.b->setText("Kaydet");
        d.b->setButtonColor(QColor(1, 2, 3));
        d.b->setCurrentEvent(2);
        const QImage resim = d.b->grab().toImage();
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x)
                QCOMPARE(resim.pixelColor(x, y), QColor(1, 2, 3));
    }

    void enterYalnizcaTiklarBoslukAdimlar()
    {
        Duzenek d;
        d.b->setButtonEvents(1);
        d.b->setFocus();
        QTest::keyClick(d.b, Qt::Key_Return);
        QTest::keyClick(d.b, Qt::Key_Enter);
        QCOMPARE(d.olaylar, QStringList({"Click 0", "Click 0"}));
        QCOMPARE(d.b->CurrentEvent(), 0);

        d.olaylar.clear();
        QTest::keyPress(d.b, Qt::Key_Space);
        QCOMPARE(d.Gorunen(), QColor(Qt::green));
        // A held key repeats; the repeats are no new presses.
        QKeyEvent tekrar(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(d.b, &tekrar);
        QTest::keyRelease(d.b, Qt::Key_Space);
        QCOMPARE(d.olaylar, QStringList({"MouseDown", "EventChange 0", "Click 1", "MouseUp"}));
        QCOMPARE(d.b->CurrentEvent(), 1);
    }

    void ciftTiklamaIkinciTiklamayiTamamlar()
    {
        Duzenek d;
        d.b->setButtonEvents(2);
        FareSurucu::CiftTikla(d.b, QPoint(5, 5));
        QCOMPARE(d.olaylar,
                 QStringList({"MouseIn", "MouseDown", "EventChange 0", "Click 1", "MouseUp",
                              "DblClick", "MouseDown", "EventChange 1", "Click 2", "MouseUp"}));
    }

    void sagTusTiklamaVermez()
    {
        Duzenek d;
        FareSurucu::Bas(d.b, QPoint(5, 5), Qt::RightButton);
        QCOMPARE(d.Gorunen(), QColor(Qt::blue)); // hover, not pressed
        FareSurucu::Birak(d.b, QPoint(5, 5), Qt::RightButton);
        QCOMPARE(d.olaylar, QStringList({"MouseIn", "MouseDown", "MouseUp"}));
    }

    void maskeRengiDisaridaKalir()
    {
        Duzenek d;
        QPixmap resim = DuzResim(Qt::red);
        {
            QPainter p(&resim);
            p.fillRect(0, 0, 10, 20, QColor(255, 0, 255));
        }
        d.b->setPictureNormal(resim);
        d.b->setButtonColor(QColor(0, 0, 128));
        d.b->setMaskColor(QColor(255, 0, 255));
        QCOMPARE(Piksel(d.b, 2, 2), QColor(255, 0, 255)); // painted unchanged while off
        d.b->setUseMaskColor(true);
        QCOMPARE(Piksel(d.b, 2, 2), QColor(0, 0, 128));
        QCOMPARE(Piksel(d.b, 20, 2), QColor(Qt::red));

        // A metafile cannot be masked: not drawn, background only.
        QPicture metafile;
        {
            QPainter p(&metafile);
            p.fillRect(0, 0, 40, 20, Qt::red);
        }
        d.b->setPictureNormal(metafile);
        QCOMPARE(Piksel(d.b, 20, 2), QColor(0, 0, 128));
        d.b->setUseMaskColor(false);
        QCOMPARE(Piksel(d.b, 20, 2), QColor(Qt::red));

        // An icon is drawn at the default icon size, whatever size it holds.
        d.b->resize(40, 40);
        d.b->setUseMaskColor(true);
        d.b->setPictureNormal(QIcon(DuzResim(Qt::green, QSize(8, 8))));
        QCOMPARE(Piksel(d.b, 30, 30), QColor(Qt::green));
        QCOMPARE(Piksel(d.b, 34, 34), QColor(0, 0, 128));
    }

    void cizilemeyenResimHata481Verir()
    {
        Duzenek d;
        QSignalSpy hata(d.b, &Buton::Hata);
        d.b->setPictureNormal(Resim::Dosyadan(QStringLiteral("/yok/boyle/bir/dosya.png")));
        QCOMPARE(d.b->PictureNormal().Tur(), Resim::Turu::Gecersiz);
        d.b->setUseMaskColor(true);
        d.b->grab();
        QCOMPARE(hata.count(), 0); // not from inside the paint
        QTRY_COMPARE(hata.count(), 1);
        d.b->grab(); // reported once, not on every paint
        QCoreApplication::processEvents();
        QCOMPARE(hata.count(), 1);
        QCOMPARE(hata.at(0).at(0).toInt(), 481);
        QCOMPARE(hata.at(0).at(1).toString(), QString("Buton"));
        // A good picture drawn in between, then the faulty one again: reported again.
        d.b->setPictureNormal(DuzResim(Qt::red));
        d.b->grab();
        d.b->setPictureNormal(Resim::Gecersiz());
        d.b->grab();
        QTRY_COMPARE(hata.count(), 2);
    }

    void baslikOrtalanirVeForeColorIleCizilir()
    {
        Duzenek d;
        d.b->resize(80, 31);
        d.b->setPictureNormal(DuzResim(Qt::white, QSize(80, 31)));
        d.b->setForeColor(QColor(200, 0, 0));
        d.b->setText("Kaydet");
        const QImage resim = d.b->grab().toImage();
        QRect murekkep;
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x)
                if (resim.pixelColor(x, y) != QColor(Qt::white))
                    murekkep |= QRect(x, y, 1, 1);
        QVERIFY(!murekkep.isNull());
        const int yukseklik = QFontMetrics(d.b->font()).height();
        const int ust = int(std::nearbyint((31 - yukseklik) / 2.0));
        QVERIFY2(murekkep.top() >= ust, qPrintable(QString::number(murekkep.top())));
        QVERIFY(murekkep.bottom() < ust + yukseklik);
        QVERIFY(qAbs(murekkep.left() - (79 - murekkep.right())) <= 2);
    }

    // The real pointer and timers: the pointer leaving is noticed by the 10 ms poll.
    void gercekImlecVeZamanlayiciylaAyrilma()
    {
        QWidget pencere;
        pencere.resize(200, 100);
        auto* b = new Buton(&pencere);
        b->setGeometry(10, 10, 40, 20);
        b->setPictureNormal(DuzResim(Qt::red));
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QSignalSpy cikis(b, &Buton::MouseOut);

        QCursor::setPos(b->mapToGlobal(QPoint(5, 5)));
        QCOMPARE(SistemImleci::Ortak().AltindakiPencere(QCursor::pos()), b);
        FareSurucu::Tasi(b, QPoint(5, 5));
        QVERIFY(b->Uzerinde());
        QTest::qWait(50);
        QVERIFY(b->Uzerinde()); // polled, still there

        QCursor::setPos(pencere.mapToGlobal(QPoint(150, 80)));
        QTRY_VERIFY(!b->Uzerinde());
        QCOMPARE(cikis.count(), 1);
    }

    void resetHerResmiBosaltir()
    {
        Duzenek d;
        d.b->setButtonColor(QColor(9, 9, 9));
        d.b->Reset();
        QVERIFY(d.b->PictureNormal().Bos() && d.b->Picture2Over().Bos() &&
                d.b->PictureDisabled().Bos());
        QCOMPARE(d.Gorunen(), QColor(9, 9, 9));
    }
};

QTEST_MAIN(tst_Buton)
#include "tst_Buton.moc"
