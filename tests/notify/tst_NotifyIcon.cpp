#include "notify/gui/NotifyIcon.h"
#include "notify/gui/QtTepsiSimgesi.h"
#include "notify/gui/TepsiSimgesi.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// A notification area that records what it is told.
class SahteTepsi : public TepsiSimgesi
{
public:
    struct Balon
    {
        QString baslik;
        QString metin;
        QSystemTrayIcon::MessageIcon tur;
        QIcon ozel;
    };

    bool AlanVar() const override { return alanVar; }
    void SimgeAyarla(const QIcon& s) override { simge = s; }
    void IpucuAyarla(const QString& i) override { ipucu = i; }
    void Goster(bool g) override
    {
        gorunur = g;
        ++gosterCagrisi;
    }
    void BalonGoster(const QString& b, const QString& m, QSystemTrayIcon::MessageIcon t,
                     const QIcon& o) override
    {
        balonlar.append({b, m, t, o});
    }
    void BalonKaldir() override { ++kaldirma; }

    bool alanVar = true;
    QIcon simge;
    QString ipucu;
    bool gorunur = false;
    int gosterCagrisi = 0;
    QList<Balon> balonlar;
    int kaldirma = 0;
};

QIcon DuzSimge(Qt::GlobalColor renk)
{
    QPixmap p(16, 16);
    p.fill(renk);
    return QIcon(p);
}

} // namespace

class tst_NotifyIcon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        qputenv("TZ", "Europe/Istanbul");
        tzset();
    }

    void ipucuKesilir()
    {
        SahteTepsi tepsi;
        NotifyIcon n(nullptr, &tepsi);
        const QString uzun = QString(200, QChar(u'ş'));
        n.setToolTip(uzun);
        QCOMPARE(n.ToolTip(), uzun.left(127));
        QCOMPARE(tepsi.ipucu, uzun.left(127));

        // A character outside the basic plane at the cut is dropped whole.
        const QString emoji = QString(126, QChar(u'a')) + QString::fromUtf8("\xF0\x9F\x95\x8C");
        n.setToolTip(emoji);
        QCOMPARE(n.ToolTip(), QString(126, QChar(u'a')));
    }

    void gosterGizleVeYokEdilince()
    {
        SahteTepsi tepsi;
        {
            NotifyIcon n(nullptr, &tepsi);
            QVERIFY(!n.Shown());
            QVERIFY(!n.Icon().isNull()); // the program icon
            n.setToolTip(QStringLiteral("Orvanel"));
            n.Show();
            QVERIFY(n.Shown());
            QVERIFY(tepsi.gorunur);
            QCOMPARE(tepsi.ipucu, QStringLiteral("Orvanel"));
            n.Hide();
            QVERIFY(!n.Shown());
            QVERIFY(!tepsi.gorunur);
            const int cagri = tepsi.gosterCagrisi;
            n.Hide(); // nothing when not shown
            QCOMPARE(tepsi.gosterCagrisi, cagri);
            n.Show();
            QVERIFY(tepsi.gorunur);
        }
        // Destroyed without Hide: the icon goes all the same.
        QVERIFY(!tepsi.gorunur);
    }

    void bildirimAlaniYoksaGosterilmez()
    {
        SahteTepsi tepsi;
        tepsi.alanVar = false;
        NotifyIcon n(nullptr, &tepsi);
        n.Show();
        QVERIFY(!n.Shown());
        QCOMPARE(tepsi.gosterCagrisi, 0);
        n.BalloonShow(QStringLiteral("a"), QStringLiteral("b"), 1);
        QVERIFY(tepsi.balonlar.isEmpty());
        // An area that appears later is used by the next Show.
        tepsi.alanVar = true;
        n.Show();
        QVERIFY(n.Shown());
    }

    void balonAlanlari_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("qtTuru");
        QTest::addColumn<bool>("ozelSimge");
        QTest::newRow("0 none") << 0 << int(QSystemTrayIcon::NoIcon) << false;
        QTest::newRow("1 information") << 1 << int(QSystemTrayIcon::Information) << false;
        QTest::newRow("2 warning") << 2 << int(QSystemTrayIcon::Warning) << false;
        QTest::newRow("3 error") << 3 << int(QSystemTrayIcon::Critical) << false;
        QTest::newRow("4 user icon") << 4 << int(QSystemTrayIcon::NoIcon) << true;
        QTest::newRow("7 unknown") << 7 << int(QSystemTrayIcon::NoIcon) << false;
    }
    void balonAlanlari()
    {
        QFETCH(int, tur);
        QFETCH(int, qtTuru);
        QFETCH(bool, ozelSimge);
        SahteTepsi tepsi;
        NotifyIcon n(nullptr, &tepsi);
        const QIcon kirmizi = DuzSimge(Qt::red);
        n.BalloonShow(QStringLiteral("x"), QStringLiteral("y"), tur, kirmizi);
        QVERIFY(tepsi.balonlar.isEmpty()); // not shown yet: nothing

        n.Show();
        const QIcon tepsiSimgesi = tepsi.simge;
        n.BalloonShow(QString(100, QChar(u'B')), QString(300, QChar(u'M')), tur, kirmizi);
        QCOMPARE(tepsi.balonlar.size(), 1);
        const auto& b = tepsi.balonlar.first();
        QCOMPARE(b.baslik, QString(63, QChar(u'B')));
        QCOMPARE(b.metin, QString(255, QChar(u'M')));
        QCOMPARE(int(b.tur), qtTuru);
        QCOMPARE(!b.ozel.isNull(), ozelSimge);
        // The tray keeps its own icon whatever the balloon shows.
        QCOMPARE(tepsi.simge.cacheKey(), tepsiSimgesi.cacheKey());

        n.BalloonHide();
        QCOMPARE(tepsi.kaldirma, 1);
        n.Hide();
        n.BalloonHide();
        QCOMPARE(tepsi.kaldirma, 1);
    }

    void olaylar()
    {
        SahteTepsi tepsi;
        NotifyIcon n(nullptr, &tepsi);
        QSignalSpy click(&n, &NotifyIcon::Click);
        QSignalSpy dbl(&n, &NotifyIcon::DblClick);
        QSignalSpy menu(&n, &NotifyIcon::ContextMenu);
        QSignalSpy balon(&n, &NotifyIcon::BalloonClick);
        // A double-click arrives as its first click, then the double-click.
        emit tepsi.Etkinlesti(QSystemTrayIcon::Trigger);
        emit tepsi.Etkinlesti(QSystemTrayIcon::DoubleClick);
        emit tepsi.Etkinlesti(QSystemTrayIcon::Context);
        emit tepsi.Etkinlesti(QSystemTrayIcon::MiddleClick);
        emit tepsi.Etkinlesti(QSystemTrayIcon::Unknown);
        emit tepsi.BalonTiklandi();
        QCOMPARE(click.size(), 1);
        QCOMPARE(dbl.size(), 1);
        QCOMPARE(menu.size(), 1);
        QCOMPARE(balon.size(), 1);
    }

    void tepsiyeKucultVeGeriGetir()
    {
        SahteTepsi tepsi;
        NotifyIcon n(nullptr, &tepsi);
        QWidget form;
        form.show();
        n.Restore(true); // nothing held: nothing happens
        QVERIFY(form.isVisible());

        n.MinimizeToTray(&form);
        QVERIFY(n.Shown());
        QVERIFY(!form.isVisible());
        form.setWindowState(Qt::WindowMinimized);
        n.Restore(false);
        QVERIFY(form.isVisible());
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
        QVERIFY(n.Shown());

        n.MinimizeToTray(&form);
        n.Restore(true);
        QVERIFY(!n.Shown());
        QVERIFY(form.isVisible());
        // Held once only.
        form.hide();
        n.Restore(true);
        QVERIFY(!form.isVisible());
    }

    void uygulamaBitinceSimgeKalkar()
    {
        SahteTepsi tepsi;
        NotifyIcon n(nullptr, &tepsi);
        n.Show();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec(); // emits aboutToQuit on the way out
        QVERIFY(!tepsi.gorunur);
        QVERIFY(!n.Shown());
    }

    // Offscreen there is no notification area: the real icon says so.
    void gercekAlanYoksa()
    {
        QtTepsiSimgesi gercek;
        QVERIFY(!gercek.AlanVar());
        NotifyIcon n(nullptr, &gercek);
        n.Show();
        QVERIFY(!n.Shown());
    }
};

QTEST_MAIN(tst_NotifyIcon)
#include "tst_NotifyIcon.moc"
