// Button pictures: the idle picture of each set at once, the pressed and pointer-over ones
// only when they are completed (the main window does it after its first frame).
#include "controls/gui/Buton.h"
#include "platform/gui/SkinResmi.h"
#include "shell/gui/DugmeResimleri.h"

#include <QTest>

#include <memory>

class tst_DugmeResimleri : public QObject
{
    Q_OBJECT

private slots:
    void IdlePicturesAtOnceTheOthersWhenCompleted()
    {
        DugmeResimleri::Tamamla(); // nothing left over from elsewhere
        Buton ezan;
        DugmeResimleri::Yukle(ezan, QStringLiteral("ezan"), 3);
        Buton kapat;
        DugmeResimleri::Yukle(kapat, QStringLiteral("kapat"));
        QCOMPARE(DugmeResimleri::Bekleyen(), 2);

        QCOMPARE(ezan.PictureNormal().Tur(), Resim::Turu::Bitmap);
        QCOMPARE(ezan.Picture2Normal().Tur(), Resim::Turu::Bitmap);
        QCOMPARE(ezan.Picture3Normal().Tur(), Resim::Turu::Bitmap);
        QVERIFY(ezan.PictureDown().Bos());
        QVERIFY(ezan.Picture3Over().Bos());
        QVERIFY(kapat.PictureOver().Bos());

        DugmeResimleri::Tamamla();
        QCOMPARE(DugmeResimleri::Bekleyen(), 0);
        for (const Resim& r :
             {ezan.PictureDown(), ezan.PictureOver(), ezan.Picture2Down(), ezan.Picture2Over(),
              ezan.Picture3Down(), ezan.Picture3Over(), kapat.PictureDown(), kapat.PictureOver()})
            QCOMPARE(r.Tur(), Resim::Turu::Bitmap);
        // The right files, not one picture for all: the pressed one is the skin's.
        QCOMPARE(ezan.Picture3Down().Bitmap().toImage(),
                 SkinResmi::yukle(QStringLiteral("ezan_3_down")).toImage());
        QVERIFY(ezan.PictureDown().Bitmap().toImage() != ezan.PictureOver().Bitmap().toImage());
        QVERIFY2(kapat.Picture2Down().Bos(), "a one-set button gets no second set");
    }

    void ButtonDeletedBeforeCompletionIsSkipped()
    {
        DugmeResimleri::Tamamla();
        auto gecici = std::make_unique<Buton>();
        DugmeResimleri::Yukle(*gecici, QStringLiteral("ustte"), 2);
        Buton kalan;
        DugmeResimleri::Yazili(kalan, QStringLiteral("kaydet"), QStringLiteral("Kaydet"));
        gecici.reset();
        QCOMPARE(DugmeResimleri::Bekleyen(), 1);
        DugmeResimleri::Tamamla();
        QCOMPARE(kalan.PictureDown().Tur(), Resim::Turu::Bitmap);
        QCOMPARE(kalan.Text(), QStringLiteral("Kaydet"));
    }
};

QTEST_MAIN(tst_DugmeResimleri)
#include "tst_DugmeResimleri.moc"
