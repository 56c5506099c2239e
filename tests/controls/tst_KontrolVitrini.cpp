#include "KontrolVitrini.h"
#include "controls/gui/Buton.h"
#include "controls/gui/Scroll.h"

#include <QDir>
#include <QTest>

// Renders the controls gallery offscreen and keeps the picture for review in
// build/screenshots/controls.png.
class tst_KontrolVitrini : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void vitrinCizilirVeKaydedilir()
    {
        KontrolVitrini vitrin;
        vitrin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vitrin));

        // The samples are in the states their captions name.
        int basili = 0, uzerinde = 0, secili = 0;
        for (Buton* b : vitrin.findChildren<Buton*>()) {
            basili += b->Basili();
            uzerinde += b->Uzerinde();
            secili += b->Selected();
        }
        QVERIFY(basili >= 10);
        QVERIFY(uzerinde >= 10);
        QVERIFY(secili >= 10);
        int surukleniyor = 0, parkta = 0;
        for (Scroll* s : vitrin.findChildren<Scroll*>()) {
            surukleniyor += s->Surukleniyor();
            parkta += !s->Enabled() && !s->UnRefreshControl() && s->ScrlTop() == 255;
        }
        QCOMPARE(surukleniyor, 1);
        QCOMPARE(parkta, 1);
        QTRY_VERIFY2(vitrin.HataMetni().startsWith("Hata 481"), qPrintable(vitrin.HataMetni()));

        const QImage resim = vitrin.grab().toImage();
        QVERIFY(resim.width() > 400 && resim.height() > 400);
        const QString klasor = QStringLiteral(ORVANEL_BINARY_DIR "/screenshots");
        QVERIFY(QDir().mkpath(klasor));
        QVERIFY(resim.save(klasor + QStringLiteral("/controls.png")));
    }
};

QTEST_MAIN(tst_KontrolVitrini)
#include "tst_KontrolVitrini.moc"
