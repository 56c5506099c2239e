// The picture button, offscreen, as the windows use it: real mouse and key events through the
// window, the pictures it paints read back with grab().
#include "controls/gui/Buton.h"

#include "support/FareSurucu.h"

#include <QAccessible>
#include <QTest>

namespace {

QPixmap Duz(const QColor& renk, QSize boyut = QSize(40, 20))
{
    QPixmap p(boyut);
    p.fill(renk);
    return p;
}

// One window holding a 40 x 20 button whose picture sets 0 and 1 are solid colours. The
// button's signals are written down as "d" pressed, "u" released and "c<set>" clicked.
struct Duzenek
{
    // Before the window: a button still down when the window goes reports its release.
    QStringList olaylar;
    QWidget pencere;
    Buton* b;

    explicit Duzenek(int enYuksek = 1) : b(new Buton(&pencere))
    {
        pencere.resize(240, 300);
        b->setGeometry(10, 200, 40, 20);
        b->setButtonEvents(enYuksek);
        const char* adlar[] = {"PictureNormal",  "PictureDown",  "PictureOver",
                               "Picture2Normal", "Picture2Down", "Picture2Over"};
        const QColor renkler[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
        for (int i = 0; i < 6; ++i)
            b->setProperty(adlar[i], QVariant::fromValue(Duz(renkler[i])));
        QObject::connect(b, &Buton::pressed, [this] { olaylar << "d"; });
        QObject::connect(b, &Buton::released, [this] { olaylar << "u"; });
        QObject::connect(b, &Buton::clicked,
                         [this] { olaylar << "c" + QString::number(b->CurrentEvent()); });
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QTest::mouseMove(pencere.windowHandle(), QPoint(239, 299)); // away, so moves are moves
    }

    // A click on the button at p.
    void Tikla(QPoint p = {5, 5}, Qt::MouseButton tus = Qt::LeftButton)
    {
        FareSurucu::Bas(b, p, tus);
        FareSurucu::Birak(b, p, tus);
    }
    QColor Dugme() const { return b->grab().toImage().pixelColor(5, 5); }
    // The pointer goes elsewhere in the window.
    void Ayril() { FareSurucu::Tasi(b, b->mapFrom(&pencere, QPoint(120, 40))); }
};

} // namespace

class tst_Kontroller : public QObject
{
    Q_OBJECT

private slots:
    // clicked() sees the set after the step, and the set shown follows: a toggle (ButtonEvents
    // 1) clicked three times, checked while on set 1; a double click on the Ezan button's
    // three sets (the second press completes a second click; set 2 has no pictures, so
    // PictureNormal shows); a tab that does not step by itself; the right button, which a
    // button does not hear.
    void butonTiklamalari()
    {
        const auto ucKez = [](Duzenek& d) { d.Tikla(), d.Tikla(), d.Tikla(); };
        const auto ciftTikla = [](Duzenek& d) { FareSurucu::CiftTikla(d.b, {5, 5}); };
        const auto kendiAdimlamaz = [](Duzenek& d) { d.b->setOtoEventChange(false), d.Tikla(); };
        const auto sagTus = [](Duzenek& d) { d.Tikla({5, 5}, Qt::RightButton); };
        const std::tuple<int, void (*)(Duzenek&), const char*, int, Qt::GlobalColor> durumlar[] = {
            {1, ucKez, "d u c1 d u c0 d u c1", 1, Qt::yellow},
            {2, ciftTikla, "d u c1 d u c2", 2, Qt::red},
            {1, kendiAdimlamaz, "d u c0", 0, Qt::blue},
            {1, sagTus, "", 0, Qt::blue}};
        for (const auto& [enYuksek, yap, beklenen, takim, gorunen] : durumlar) {
            Duzenek d(enYuksek);
            d.b->setCheckable(true);
            yap(d);
            QCOMPARE(d.olaylar.join(' '), QString(beklenen));
            QCOMPARE(d.b->CurrentEvent(), takim);
            QCOMPARE(d.b->isChecked(), takim == 1);
            QCOMPARE(d.Dugme(), QColor(gorunen));
        }
    }

    // The keyboard and assistive technology reach what the mouse does: Enter clicks without
    // a step, Space presses, clicks and steps; the press action clicks (and steps); the
    // button is named by its caption, else its tooltip, and a checkable one tells its state.
    // The focus frame shows only for a focus that came from the keyboard.
    void butonKlavyeVeErisim()
    {
        const auto enter = [](Duzenek& d) { QTest::keyClick(d.b, Qt::Key_Return); };
        const auto bosluk = [](Duzenek& d) { QTest::keyClick(d.b, Qt::Key_Space); };
        const auto eylem = [](Duzenek& d) {
            QAccessibleInterface* e = QAccessible::queryAccessibleInterface(d.b);
            QVERIFY(e && e->actionInterface());
            QVERIFY(e->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
            e->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        const std::tuple<void (*)(Duzenek&), const char*, const char*, const char*, const char*>
            durumlar[] = {{enter, "c0", "", "Her Zaman Üstte", "Her Zaman Üstte"},
                          {bosluk, "d u c1", "", "", ""},
                          {eylem, "d u c1", "Kaydet", "Kaydet ipucu", "Kaydet"}};
        for (const auto& [yap, beklenen, yazi, ipucu, ad] : durumlar) {
            Duzenek d;
            d.b->setCheckable(true);
            d.b->setText(QString::fromUtf8(yazi));
            d.b->setToolTip(QString::fromUtf8(ipucu));
            d.b->setFocus(Qt::MouseFocusReason);
            yap(d);
            QCOMPARE(d.olaylar.join(' '), QString(beklenen));
            QAccessibleInterface* e = QAccessible::queryAccessibleInterface(d.b);
            QCOMPARE(e->role(), QAccessible::Button);
            QCOMPARE(e->text(QAccessible::Name), QString::fromUtf8(ad));
            QVERIFY(e->state().checkable);
            QCOMPARE(bool(e->state().checked), d.b->CurrentEvent() == 1);
        }

        // Pressed, dragged out (idle picture, not hover), back in (pressed again), released
        // outside: no click. The pointer's enter and leave alone drive the hover picture.
        Duzenek d;
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QList<QColor> gorunen{d.Dugme()};
        d.Ayril();
        gorunen << d.Dugme();
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        gorunen << d.Dugme();
        d.Ayril();
        FareSurucu::Birak(d.b, d.b->mapFrom(&d.pencere, QPoint(120, 40)));
        gorunen << d.Dugme();
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        gorunen << d.Dugme();
        d.Ayril();
        QCOMPARE(gorunen << d.Dugme(),
                 QList<QColor>({Qt::green, Qt::red, Qt::green, Qt::red, Qt::blue, Qt::red}));
        QCOMPARE(d.olaylar.join(' '), QString("d u d u"));

        // Pixels of the button's second row that are not its red picture: the frame's dots.
        const auto cerceve = [&d] {
            const QImage r = d.b->grab().toImage();
            int n = 0;
            for (int x = 0; x < r.width(); ++x)
                n += r.pixelColor(x, 1) != QColor(Qt::red);
            return n;
        };
        d.pencere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.pencere));
        d.b->setFocus(Qt::MouseFocusReason);
        QVERIFY(d.b->hasFocus());
        QCOMPARE(cerceve(), 0);
        d.b->clearFocus();
        d.b->setFocus(Qt::TabFocusReason);
        QVERIFY(d.b->OdakCercevesi() && cerceve() > 10);
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QVERIFY(!d.b->OdakCercevesi());
    }
};

QTEST_MAIN(tst_Kontroller)
#include "tst_Kontroller.moc"
