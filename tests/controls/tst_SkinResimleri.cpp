// The compiled-in skin pictures against their README (the list the windows are coded to), and
// the generator's output against the committed pictures.
#include "controls/gui/Buton.h"
#include "platform/gui/SkinResmi.h"
#include "shell/gui/DugmeResimleri.h"
#include "support/Dosya.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Varliklar = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/");

// Rendered pictures match when no channel is more than 4 steps off and at most 2% of the
// pixels differ at all (anti-aliased edges come out a step or two apart on other processors).
bool Yakin(QImage a, QImage b)
{
    a.convertTo(QImage::Format_ARGB32);
    b.convertTo(QImage::Format_ARGB32);
    int farkli = 0, enCok = 0;
    for (int y = 0; y < a.height() && a.size() == b.size(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (int kanal = 0; kanal < 32; kanal += 8) // the largest of one channel
                enCok = qMax(enCok, qAbs(int(a.pixel(x, y) >> kanal & 255) -
                                         int(b.pixel(x, y) >> kanal & 255)));
            farkli += a.pixel(x, y) != b.pixel(x, y);
        }
    }
    return !a.isNull() && a.size() == b.size() && enCok <= 4 &&
           farkli <= 0.02 * a.width() * a.height();
}

QImage Skin(const QString& ad, int olcek)
{
    return QImage(":/skin/" + ad + (olcek == 2 ? "@2x.png" : ".png"))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class tst_SkinResimleri : public QObject
{
    Q_OBJECT

private slots:
    // Every README entry is compiled in at 1x and @2x with its size, nothing else is, and none
    // came out empty (a drawing that missed its box is transparent in the middle). A picture
    // the program also carries in its drawn form loads as the PNG's pixels premultiplied, as
    // they are drawn. Dense screens (also fractional ratios) take the @2x twin.
    void resimlerYuklenir()
    {
        const QRegularExpression satir("^\\| `:/skin/([a-z0-9_]+)\\.png` \\| (\\d+) × (\\d+) \\|",
                                       QRegularExpression::MultilineOption);
        int n = 0;
        for (auto m =
                 satir.globalMatch(QString::fromUtf8(DosyaIcerigi(Varliklar + "skin/README.md")));
             m.hasNext(); ++n) {
            const auto k = m.next();
            const QImage bir = Skin(k.captured(1), 1);
            const QImage cizilmis = SkinResmi::yukle(k.captured(1), 1).toImage();
            QVERIFY2(bir.size() == QSize(k.captured(2).toInt(), k.captured(3).toInt()) &&
                         Skin(k.captured(1), 2).size() == 2 * bir.size() &&
                         qAlpha(bir.pixel(bir.width() / 2, bir.height() / 2)) &&
                         cizilmis.convertToFormat(QImage::Format_ARGB32_Premultiplied) == bir,
                     qPrintable(k.captured(1)));
        }
        QCOMPARE(QDir(":/skin").entryList(QDir::Files).size(), 2 * n);
        QVERIFY(QFile::exists(":/skin/argb/ana_arkaplan.argb"));
        for (const qreal oran : {1.0, 1.5, 2.0})
            QCOMPARE(SkinResmi::yukle("kapat_normal", oran).devicePixelRatio(),
                     oran > 1 ? 2.0 : 1.0);
    }

    // A button takes the skin's pictures by name: "ad_state" for its first set, "ad_2_state"
    // and "ad_3_state" for the others; the pressed and pointer-over ones once Tamamla ran.
    void dugmeResimleriAdlariyla()
    {
        Buton d;
        DugmeResimleri::Yukle(d, "ezan", 3);
        QVERIFY(d.PictureDown().isNull());
        DugmeResimleri::Tamamla();
        for (const auto& [ozellik, ad] : {std::pair{"PictureNormal", "ezan_normal"},
                                          {"PictureOver", "ezan_over"},
                                          {"Picture2Down", "ezan_2_down"},
                                          {"Picture2Over", "ezan_2_over"},
                                          {"Picture3Normal", "ezan_3_normal"}})
            QVERIFY2(d.property(ozellik).value<QPixmap>().toImage() ==
                         SkinResmi::yukle(QString::fromLatin1(ad)).toImage(),
                     ozellik);
    }

    // The committed pictures are what the generator draws now: a drawing changed without
    // regenerating (or a picture edited by hand) shows up here. The icon files hold 16, 24,
    // 32 and 48 pixels; what is not rendered matches byte for byte.
    void uretecKayitliResimleriVerir()
    {
        QTemporaryDir dizin;
        QProcess uretec;
        uretec.start(QStringLiteral(ORVANEL_SKINGEN), {"--out", dizin.path()});
        QVERIFY(uretec.waitForFinished(120000));
        QCOMPARE(uretec.exitCode(), 0);
        const QDir kayitli(Varliklar + "skin");
        const QStringList uretilen = QDir(dizin.filePath("skin")).entryList({"*.png"}, QDir::Files);
        QCOMPARE(uretilen, kayitli.entryList({"*.png"}, QDir::Files));
        for (const QString& ad : uretilen)
            QVERIFY2(Yakin(QImage(dizin.filePath("skin/" + ad)), QImage(kayitli.filePath(ad))),
                     qPrintable(ad));
        for (const QString dosya : {"orvanel.ico", "eksimge.ico"}) {
            QImageReader yeni(dizin.filePath(dosya), "ico"), eski(Varliklar + dosya, "ico");
            QList<int> kenarlar;
            for (int i = 0; i < 4 && yeni.jumpToImage(i) && eski.jumpToImage(i); ++i) {
                const QImage resim = eski.read();
                kenarlar << resim.width();
                QVERIFY2(Yakin(yeni.read(), resim), qPrintable(dosya));
            }
            QCOMPARE(kenarlar, QList<int>({16, 24, 32, 48}));
            QCOMPARE(yeni.imageCount() + eski.imageCount(), 8);
        }
        for (const QString dosya : {"skin/README.md", "skin/skin.qrc"})
            QVERIFY2(DosyaIcerigi(dizin.filePath(dosya)) == DosyaIcerigi(Varliklar + dosya),
                     qPrintable(dosya + " is out of date"));
    }
};

QTEST_MAIN(tst_SkinResimleri)
#include "tst_SkinResimleri.moc"
