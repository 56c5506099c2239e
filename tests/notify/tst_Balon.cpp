// Balloons on a desktop with a notification server: a real private session bus
// (dbus-daemon) and a recording server on it. A balloon with the caller's own icon carries
// that picture, every balloon leaves its time to the desktop, and taking it down closes it.
#include "notify/gui/QtTepsiSimgesi.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QProcess>
#include <QTest>

namespace {

// Writes down each Notify as "icon name|title|time|RGBA of the picture's first pixel" and the
// number of each notification closed.
class BildirimSunucusu : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList gelenler;
    QList<uint> kapatilanlar;

public slots:
    uint Notify(const QString&, uint, const QString& simge, const QString& baslik, const QString&,
                const QStringList&, const QVariantMap& ipuclari, int sure)
    {
        QString renk;
        if (ipuclari.contains("image-data")) {
            const auto arg = ipuclari.value("image-data").value<QDBusArgument>();
            int w, h, satir, bit, kanal;
            bool alfa;
            QByteArray veri;
            arg.beginStructure();
            arg >> w >> h >> satir >> alfa >> bit >> kanal >> veri;
            renk = veri.left(4).toHex(); // one colour all over
        }
        gelenler << QStringList{simge, baslik, QString::number(sure), renk}.join('|');
        return 40 + gelenler.size();
    }
    void CloseNotification(uint id) { kapatilanlar << id; }
};

} // namespace

class tst_Balon : public QObject
{
    Q_OBJECT

    QProcess daemon;
    BildirimSunucusu sunucu;

private slots:
    void initTestCase()
    {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY2(daemon.waitForReadyRead(10000), "dbus-daemon did not start");
        const QByteArray adres = daemon.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", adres);
        QDBusConnection bag = QDBusConnection::connectToBus(QString::fromUtf8(adres), "sunucu");
        QVERIFY(bag.registerService("org.freedesktop.Notifications"));
        QVERIFY(bag.registerObject("/org/freedesktop/Notifications", &sunucu,
                                   QDBusConnection::ExportAllSlots));
    }
    void balonlarMasaustununBildirimleridir()
    {
        QtTepsiSimgesi alan;
        QPixmap kirmizi(32, 32);
        kirmizi.fill(Qt::red);
        alan.BalonGoster("Özel", "metin", QSystemTrayIcon::NoIcon, QIcon(kirmizi));
        alan.BalonGoster("Bilgi", "metin", QSystemTrayIcon::Information, QIcon());
        QTRY_COMPARE(sunucu.gelenler,
                     QStringList({"|Özel|-1|ff0000ff", "dialog-information|Bilgi|-1|"}));
        alan.BalonKaldir();
        QTRY_COMPARE(sunucu.kapatilanlar, QList<uint>({42}));
        daemon.kill();
        daemon.waitForFinished();
    }
};

QTEST_MAIN(tst_Balon)
#include "tst_Balon.moc"
