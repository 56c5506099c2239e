// The picture button, offscreen, as the windows use it: real mouse events through the window,
// the pictures it paints read back with grab(). The pointer and the timers are pretend ones, so
// that nothing moves on its own, except in the one test that uses the real ones.
#include "controls/gui/Buton.h"
#include "platform/gui/SistemImleci.h"

#include "support/FareSurucu.h"
#include "support/SahteImlec.h"
#include "support/SahteZaman.h"

#include <QSignalSpy>
#include <QTest>

namespace {

Resim Duz(const QColor& renk, QSize boyut = QSize(40, 20))
{
    QPixmap p(boyut);
    p.fill(renk);
    return p;
}

// One window holding a 40 x 20 button whose picture sets 0 and 1 are solid colours, and another
// widget for the pointer to go to. The button's events are written down as "d" MouseDown, "u"
// MouseUp, "e<set>" EventChange and "c<set>" Click.
struct Duzenek
{
    SahteImlec imlec;
    SahteZamanKaynagi zaman;
    QWidget pencere;
    Buton* b;
    QWidget* baska = new QWidget(&pencere);
    QStringList olaylar;

    // With `gercek` the button uses the real pointer and timers, as in the program.
    explicit Duzenek(int enYuksek = 1, bool gercek = false)
        : b(gercek ? new Buton(&pencere) : new Buton(&pencere, &imlec, &zaman))
    {
        pencere.resize(240, 300);
        b->setGeometry(10, 200, 40, 20);
        b->setButtonEvents(enYuksek);
        const char* adlar[] = {"PictureNormal",  "PictureDown",  "PictureOver",
                               "Picture2Normal", "Picture2Down", "Picture2Over"};
        const QColor renkler[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
        for (int i = 0; i < 6; ++i)
            b->setProperty(adlar[i], QVariant::fromValue(Duz(renkler[i])));
        QObject::connect(b, &Buton::MouseDown, [this] { olaylar << "d"; });
        QObject::connect(b, &Buton::MouseUp, [this] { olaylar << "u"; });
        QObject::connect(b, &Buton::EventChange,
                         [this](int& v) { olaylar << "e" + QString::number(v); });
        QObject::connect(b, &Buton::Click,
                         [this] { olaylar << "c" + QString::number(b->CurrentEvent()); });

        baska->setGeometry(10, 10, 220, 100);
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QTest::mouseMove(pencere.windowHandle(), QPoint(239, 299)); // away, so moves are moves
        imlec.alti = b;
    }

    // A click on the button at p.
    void Tikla(QPoint p = {5, 5}, Qt::MouseButton tus = Qt::LeftButton)
    {
        FareSurucu::Bas(b, p, tus);
        FareSurucu::Birak(b, p, tus);
    }
    QColor Dugme() const { return b->grab().toImage().pixelColor(5, 5); }
    // The pointer goes to the other widget; the button's hover timer notices on its next tick.
    void Ayril()
    {
        imlec.alti = baska;
        FareSurucu::Tasi(b, b->mapFrom(&pencere, QPoint(120, 40)));
        zaman.Ilerle(Buton::HoverAraligi);
    }
};

} // namespace

class tst_Kontroller : public QObject
{
    Q_OBJECT

private slots:
    // EventChange sees the set before the step, Click the set after it, and the set shown
    // follows: a toggle (ButtonEvents 1) clicked three times; a double click on the Ezan
    // button's three sets (the second press completes a second click; set 2 has no pictures,
    // so PictureNormal shows); a tab that does not step by itself; the right button, which
    // only the step buttons hear (and ignore).
    void butonTiklamalari()
    {
        const auto ucKez = [](Duzenek& d) { d.Tikla(), d.Tikla(), d.Tikla(); };
        const auto ciftTikla = [](Duzenek& d) { FareSurucu::CiftTikla(d.b, {5, 5}); };
        const auto kendiAdimlamaz = [](Duzenek& d) { d.b->setOtoEventChange(false), d.Tikla(); };
        const auto sagTus = [](Duzenek& d) { d.Tikla({5, 5}, Qt::RightButton); };
        const std::tuple<int, void (*)(Duzenek&), const char*, int, Qt::GlobalColor> durumlar[] = {
            {1, ucKez, "d e0 c1 u d e1 c0 u d e0 c1 u", 1, Qt::yellow},
            {2, ciftTikla, "d e0 c1 u d e1 c2 u", 2, Qt::red},
            {1, kendiAdimlamaz, "d e0 c0 u", 0, Qt::blue},
            {1, sagTus, "d u", 0, Qt::blue}};
        for (const auto& [enYuksek, yap, beklenen, takim, gorunen] : durumlar) {
            Duzenek d(enYuksek);
            yap(d);
            QCOMPARE(d.olaylar.join(' '), QString(beklenen));
            QCOMPARE(d.b->CurrentEvent(), takim);
            QCOMPARE(d.Dugme(), QColor(gorunen));
        }
    }

    // Pressed, dragged out (idle picture), back in (pressed again), released outside: no click.
    void butonDisaridaBirakilir()
    {
        Duzenek d;
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QList<QColor> gorunen{d.Dugme()};
        d.Ayril();
        gorunen << d.Dugme();
        d.imlec.alti = d.b;
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        gorunen << d.Dugme();
        d.Ayril();
        FareSurucu::Birak(d.b, d.b->mapFrom(&d.pencere, QPoint(120, 40)));
        QCOMPARE(gorunen << d.Dugme(), QList<QColor>({Qt::green, Qt::red, Qt::green, Qt::red}));
        QCOMPARE(d.olaylar.join(' '), QString("d u"));
    }

    // The real pointer and timers, as in the program: leaving is noticed by the 10 ms poll.
    void gercekImlecVeZamanlayiciylaAyrilma()
    {
        Duzenek d(1, true);
        QSignalSpy cikis(d.b, &Buton::MouseOut);
        QCursor::setPos(d.b->mapToGlobal(QPoint(5, 5)));
        QCOMPARE(SistemImleci::Ortak().AltindakiPencere(QCursor::pos()), d.b);
        FareSurucu::Tasi(d.b, QPoint(5, 5));
        QCursor::setPos(d.pencere.mapToGlobal(QPoint(120, 240)));
        QTRY_COMPARE(cikis.count(), 1);
    }
};

QTEST_MAIN(tst_Kontroller)
#include "tst_Kontroller.moc"
