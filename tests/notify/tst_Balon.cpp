// Balloons on a desktop with a notification server: a real private session bus
// (dbus-daemon) and a recording server on it. A balloon of kind 4 carries the caller's own
// icon, every balloon leaves its time to the desktop, and taking it down closes it.
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/QtTepsiSimgesi.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QTest>

namespace {

// The parts of a Notify call the tests look at.
struct Bildirim
{
    QString Simge;
    QString Baslik;
    QImage Resim;
    int Sure = 0;
};

class BildirimSunucusu : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<Bildirim> Gelenler;
    QList<uint> Kapatilanlar;

public slots:
    uint Notify(const QString&, uint, const QString& simge, const QString& baslik, const QString&,
                const QStringList&, const QVariantMap& ipuclari, int sure)
    {
        Bildirim b{simge, baslik, {}, sure};
        if (ipuclari.contains(QStringLiteral("image-data"))) {
            const QDBusArgument arg =
                ipuclari.value(QStringLiteral("image-data")).value<QDBusArgument>();
            int w, h, satir, bit, kanal;
            bool alfa;
            QByteArray veri;
            arg.beginStructure();
            arg >> w >> h >> satir >> alfa >> bit >> kanal >> veri;
            arg.endStructure();
            b.Resim = QImage(reinterpret_cast<const uchar*>(veri.constData()), w, h, satir,
                             QImage::Format_RGBA8888)
                          .copy();
        }
        Gelenler << b;
        return 40 + Gelenler.size();
    }
    void CloseNotification(uint id) { Kapatilanlar << id; }
};

} // namespace

class tst_Balon : public QObject
{
    Q_OBJECT

    QProcess daemon;
    BildirimSunucusu sunucu;

    // Events until the server has seen n calls.
    bool Bekle(int n)
    {
        return QTest::qWaitFor([&] { return sunucu.Gelenler.size() >= n; }, 5000);
    }

private slots:
    void initTestCase()
    {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address")});
        QVERIFY2(daemon.waitForReadyRead(10000), "dbus-daemon did not start");
        const QByteArray adres = daemon.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", adres);
        QDBusConnection bag = QDBusConnection::connectToBus(QString::fromUtf8(adres), "sunucu");
        QVERIFY(bag.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(bag.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &sunucu,
                                   QDBusConnection::ExportAllSlots));
    }
    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("sunucu");
        daemon.kill();
        daemon.waitForFinished();
    }

    void balonlarMasaustununBildirimleridir()
    {
        QtTepsiSimgesi alan;
        QPixmap kirmizi(32, 32);
        kirmizi.fill(Qt::red);
        alan.BalonGoster(QStringLiteral("Özel"), QStringLiteral("metin"), QSystemTrayIcon::NoIcon,
                         QIcon(kirmizi));
        alan.BalonGoster(QStringLiteral("Bilgi"), QStringLiteral("metin"),
                         QSystemTrayIcon::Information, QIcon());
        QVERIFY(Bekle(2));
        const Bildirim& ozel = sunucu.Gelenler[0];
        QCOMPARE(ozel.Baslik, QStringLiteral("Özel"));
        QVERIFY(!ozel.Resim.isNull());
        QCOMPARE(ozel.Resim.pixelColor(ozel.Resim.width() / 2, ozel.Resim.height() / 2),
                 QColor(Qt::red));
        QCOMPARE(ozel.Sure, -1); // the desktop's own time
        QCOMPARE(sunucu.Gelenler[1].Simge, QStringLiteral("dialog-information"));
        QVERIFY(sunucu.Gelenler[1].Resim.isNull());
        QCOMPARE(sunucu.Gelenler[1].Sure, -1);

        alan.BalonKaldir();
        QVERIFY(QTest::qWaitFor([&] { return !sunucu.Kapatilanlar.isEmpty(); }, 5000));
        QCOMPARE(sunucu.Kapatilanlar.last(), 42u);
    }
};

QTEST_MAIN(tst_Balon)
#include "tst_Balon.moc"
