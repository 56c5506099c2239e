// The compiled-in skin pictures against their README (the list the windows are coded to), the
// two icon files, and the generator's output against the committed pictures.

#include "platform/gui/SkinResmi.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Kayit
{
    QString ad;
    QSize boyut;
};

QList<Kayit> readmeKayitlari()
{
    QFile f(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/skin/README.md"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression satir(
        QStringLiteral("^\\| `:/skin/([a-z0-9_]+)\\.png` \\| (\\d+) × (\\d+) \\|"));
    QList<Kayit> kayitlar;
    for (const QString& s : QString::fromUtf8(f.readAll()).split('\n')) {
        const QRegularExpressionMatch m = satir.match(s);
        if (m.hasMatch())
            kayitlar.append({m.captured(1), QSize(m.captured(2).toInt(), m.captured(3).toInt())});
    }
    return kayitlar;
}

// Largest difference of one channel between two colours.
int fark(QRgb a, QRgb b)
{
    return qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))));
}

// Rendered pictures are compared with a tolerance: anti-aliased edges come out a step or two
// apart on other processors. Empty when the pictures match, else what differs.
QString yakinMi(const QImage& a0, const QImage& b0)
{
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32);
    if (a.isNull() || a.size() != b.size())
        return QStringLiteral("size differs");
    constexpr int EnCokFark = 4;      // steps of one channel
    constexpr double EnCokPay = 0.02; // share of pixels that may differ at all
    int farkli = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int f = fark(a.pixel(x, y), b.pixel(x, y));
            if (f > EnCokFark)
                return QStringLiteral("pixel %1, %2 differs by %3").arg(x).arg(y).arg(f);
            farkli += f > 0;
        }
    }
    if (farkli > EnCokPay * a.width() * a.height())
        return QStringLiteral("%1 pixels differ").arg(farkli);
    return {};
}

} // namespace

class tst_SkinResimleri : public QObject
{
    Q_OBJECT

private slots:
    void readmeKayitlariYuklenir_data();
    void readmeKayitlariYuklenir();
    void kaynaklarReadmeIleAyni();
    void sabitYerliDugmelerArkaplaniTasir_data();
    void sabitYerliDugmelerArkaplaniTasir();
    void skinResmiYogunEkrandaIkiKatiSecer();
    void simgeDosyalariDortBoyutluDur_data();
    void simgeDosyalariDortBoyutluDur();
    void uretecKayitliResimleriVerir();
};

void tst_SkinResimleri::readmeKayitlariYuklenir_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QSize>("boyut");
    const QList<Kayit> kayitlar = readmeKayitlari();
    QVERIFY2(kayitlar.size() > 50, "README lists too few pictures");
    for (const Kayit& k : kayitlar)
        QTest::newRow(qPrintable(k.ad)) << k.ad << k.boyut;
}

void tst_SkinResimleri::readmeKayitlariYuklenir()
{
    QFETCH(QString, ad);
    QFETCH(QSize, boyut);
    const QImage bir(":/skin/" + ad + ".png");
    const QImage iki(":/skin/" + ad + "@2x.png");
    QVERIFY2(!bir.isNull(), "1x picture missing");
    QVERIFY2(!iki.isNull(), "@2x picture missing");
    QCOMPARE(bir.size(), boyut);
    QCOMPARE(iki.size(), boyut * 2);
    // A picture that came out empty (a drawing that missed its box) is fully transparent.
    const QRgb orta = bir.pixel(boyut.width() / 2, boyut.height() / 2);
    QVERIFY2(qAlpha(orta) > 0, "centre of the picture is transparent");
}

void tst_SkinResimleri::kaynaklarReadmeIleAyni()
{
    QSet<QString> beklenen;
    for (const Kayit& k : readmeKayitlari())
        beklenen << k.ad + ".png" << k.ad + "@2x.png";
    const QStringList liste = QDir(":/skin").entryList(QDir::Files);
    const QSet<QString> kaynaklar(liste.begin(), liste.end());
    QCOMPARE(kaynaklar - beklenen, QSet<QString>());
    QCOMPARE(beklenen - kaynaklar, QSet<QString>());
}

void tst_SkinResimleri::sabitYerliDugmelerArkaplaniTasir_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("arkaplan");
    QTest::addColumn<QPoint>("yer");
    // Places of the controls on their windows; the button pictures must continue the
    // background there, at both scales.
    const QStringList sekmeler{"vakitler", "bolgesel", "genel", "hakkinda"};
    for (int i = 0; i < sekmeler.size(); ++i) {
        for (const QString& takim : {QString(), QStringLiteral("2_")}) {
            const QString ad = "sekme_" + sekmeler[i] + "_" + takim + "normal";
            QTest::newRow(qPrintable(ad)) << ad << "ana_arkaplan" << QPoint(4 + 38 * i, 298);
        }
    }
    for (const char* ad : {"ustte_normal", "ustte_2_normal", "ustte_over"})
        QTest::newRow(ad) << QString(ad) << "ana_arkaplan" << QPoint(188, 6);
    for (const char* ad : {"kapat_normal", "kapat_over", "kapat_down"})
        QTest::newRow(ad) << QString(ad) << "ana_arkaplan" << QPoint(212, 6);
    QTest::newRow("kapat on the dialog") << "kapat_normal"
                                         << "ekle_arkaplan" << QPoint(212, 6);
    for (const char* ad : {"ezan_normal", "ezan_2_normal", "ezan_3_down"})
        QTest::newRow(ad) << QString(ad) << "ana_arkaplan" << QPoint(204, 304);
    QTest::newRow("mesaj_kapat_normal") << "mesaj_kapat_normal"
                                        << "mesaj_arkaplan" << QPoint(169, 5);
    QTest::newRow("mesaj_kapat_over") << "mesaj_kapat_over"
                                      << "mesaj_arkaplan" << QPoint(169, 5);
}

void tst_SkinResimleri::sabitYerliDugmelerArkaplaniTasir()
{
    QFETCH(QString, ad);
    QFETCH(QString, arkaplan);
    QFETCH(QPoint, yer);
    for (int olcek : {1, 2}) {
        const QString ek = olcek == 2 ? "@2x.png" : ".png";
        const QImage dugme = QImage(":/skin/" + ad + ek).convertToFormat(QImage::Format_ARGB32);
        const QImage zemin =
            QImage(":/skin/" + arkaplan + ek).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!dugme.isNull() && !zemin.isNull());
        // Opaque everywhere: the control may clear to any colour before drawing it.
        for (int y = 0; y < dugme.height(); ++y) {
            for (int x = 0; x < dugme.width(); ++x) {
                if (qAlpha(dugme.pixel(x, y)) != 255)
                    QFAIL(qPrintable(
                        QString("transparent pixel %1, %2 at %3x").arg(x).arg(y).arg(olcek)));
            }
        }
        // The four corners lie outside the button face and show the background of that place.
        const QPoint kose[] = {{0, 0},
                               {dugme.width() - 1, 0},
                               {0, dugme.height() - 1},
                               {dugme.width() - 1, dugme.height() - 1}};
        for (const QPoint& k : kose) {
            const QRgb a = dugme.pixel(k);
            const QRgb b = zemin.pixel(yer * olcek + k);
            QVERIFY2(fark(a, b) <= 2, qPrintable(QString("corner %1, %2 at %3x differs from the "
                                                         "background")
                                                     .arg(k.x())
                                                     .arg(k.y())
                                                     .arg(olcek)));
        }
    }
}

void tst_SkinResimleri::skinResmiYogunEkrandaIkiKatiSecer()
{
    const QPixmap bir = SkinResmi::yukle("kapat_normal", 1.0);
    QCOMPARE(bir.size(), QSize(24, 24));
    QCOMPARE(bir.devicePixelRatio(), 1.0);

    const QPixmap iki = SkinResmi::yukle("kapat_normal", 2.0);
    QCOMPARE(iki.size(), QSize(48, 48));
    QCOMPARE(iki.devicePixelRatio(), 2.0);
    QCOMPARE(iki.deviceIndependentSize(), QSizeF(24, 24));

    // A fractional ratio above 1 also takes the sharper twin, drawn at the logical size.
    const QPixmap bucuk = SkinResmi::yukle("ana_arkaplan", 1.5);
    QCOMPARE(bucuk.deviceIndependentSize(), QSizeF(242, 341));

    QVERIFY(SkinResmi::yukle("yok_boyle_resim", 2.0).isNull());
    QVERIFY(SkinResmi::yukle("yok_boyle_resim", 1.0).isNull());

    const QList<QSize> boyutlar = SkinResmi::programSimgesi().availableSizes();
    for (int n : {16, 24, 32, 48})
        QVERIFY2(boyutlar.contains(QSize(n, n)), qPrintable(QString("no %1-pixel icon").arg(n)));
}

void tst_SkinResimleri::simgeDosyalariDortBoyutluDur_data()
{
    QTest::addColumn<QString>("dosya");
    QTest::newRow("program icon") << QStringLiteral(ORVANEL_SOURCE_DIR "/assets/orvanel.ico");
    QTest::newRow("second icon") << QStringLiteral(ORVANEL_SOURCE_DIR "/assets/eksimge.ico");
}

void tst_SkinResimleri::simgeDosyalariDortBoyutluDur()
{
    QFETCH(QString, dosya);
    QImageReader okuyucu(dosya, "ico");
    QCOMPARE(okuyucu.imageCount(), 4);
    QList<int> kenarlar;
    for (int i = 0; i < okuyucu.imageCount(); ++i) {
        QVERIFY(okuyucu.jumpToImage(i));
        const QImage img = okuyucu.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!img.isNull(), qPrintable(okuyucu.errorString()));
        QCOMPARE(img.width(), img.height());
        kenarlar << img.width();
        // Transparent outside the round or rounded shape, solid in the middle.
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
    }
    std::sort(kenarlar.begin(), kenarlar.end());
    QCOMPARE(kenarlar, QList<int>({16, 24, 32, 48}));
}

void tst_SkinResimleri::uretecKayitliResimleriVerir()
{
    // The committed pictures are what the generator draws now: a drawing changed without
    // regenerating (or a picture edited by hand) shows up here.
    QTemporaryDir dizin;
    QVERIFY(dizin.isValid());
    QProcess uretec;
    uretec.start(QStringLiteral(ORVANEL_SKINGEN), {"--out", dizin.path()});
    QVERIFY(uretec.waitForFinished(120000));
    QCOMPARE(uretec.exitCode(), 0);

    const QDir kayitli(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/skin"));
    const QStringList uretilen = QDir(dizin.filePath("skin")).entryList({"*.png"}, QDir::Files);
    QCOMPARE(uretilen, kayitli.entryList({"*.png"}, QDir::Files));
    for (const QString& ad : uretilen) {
        const QString neden =
            yakinMi(QImage(dizin.filePath("skin/" + ad)), QImage(kayitli.filePath(ad)));
        QVERIFY2(neden.isEmpty(), qPrintable(ad + ": " + neden));
    }
    // Icon files hold rendered pictures too: compared by their decoded images.
    for (const char* dosya : {"orvanel.ico", "eksimge.ico"}) {
        QImageReader yeni(dizin.filePath(QString::fromUtf8(dosya)), "ico");
        QImageReader eski(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/") + QString::fromUtf8(dosya),
                          "ico");
        QCOMPARE(yeni.imageCount(), eski.imageCount());
        for (int i = 0; i < yeni.imageCount(); ++i) {
            QVERIFY(yeni.jumpToImage(i) && eski.jumpToImage(i));
            const QString neden = yakinMi(yeni.read(), eski.read());
            QVERIFY2(neden.isEmpty(),
                     qPrintable(QString("%1 #%2: %3").arg(dosya).arg(i).arg(neden)));
        }
    }
    // What is not rendered must match byte for byte.
    for (const char* dosya : {"skin/README.md", "skin/skin.qrc"}) {
        QFile yeni(dizin.filePath(QString::fromUtf8(dosya)));
        QFile eski(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/") + QString::fromUtf8(dosya));
        QVERIFY(yeni.open(QIODevice::ReadOnly) && eski.open(QIODevice::ReadOnly));
        QVERIFY2(yeni.readAll() == eski.readAll(), qPrintable(QString(dosya) + " is out of date"));
    }
}

QTEST_MAIN(tst_SkinResimleri)
#include "tst_SkinResimleri.moc"
