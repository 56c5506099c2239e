#include "SahteAnaPencere.h"
#include "support/SahteImlec.h"
#include "support/SahteZaman.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "platform/SesKutuphanesi.h"
#include "shell/SesCalar.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QTest>

namespace {

// A sound library whose one sound plays until the test ends it.
class SahteSes : public SesKutuphanesi
{
public:
    void Ac() override {}
    void Kapat() override { konum = 0; }
    int Yukle(const QString&) override { return 1; }
    int Oynat(int) override
    {
        konum = 1;
        return 1;
    }
    void Durdur(int) override { konum = 0; }
    qint64 Konum(int) const override { return konum; }

    qint64 konum = 0;
};

QtMessageHandler oncekiIsleyici = nullptr;
void UyarilariSuz(QtMsgType tur, const QMessageLogContext& baglam, const QString& metin)
{
    if (metin.startsWith(QStringLiteral("This plugin does not support")))
        return;
    oncekiIsleyici(tur, baglam, metin);
}

} // namespace

class tst_MenuForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        oncekiIsleyici = qInstallMessageHandler(UyarilariSuz);
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        qputenv("TZ", "Europe/Istanbul");
        tzset();
    }

    void ogelerVeBasliklar()
    {
        SahteAnaPencere ana;
        MenuForm m(ana);
        QStringList basliklar;
        for (QAction* a : m.TrayMenu->actions())
            basliklar << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(basliklar,
                 (QStringList{QStringLiteral("Dax Orvanel'yi Aç"), QStringLiteral("-"),
                              QStringLiteral("Bölgesel Ayarlar"), QStringLiteral("Genel Ayarlar"),
                              QStringLiteral("Hakkında"), QStringLiteral("Ezanı Durdur"),
                              QStringLiteral("-"), QStringLiteral("Çıkış")}));
        QCOMPARE(m.TrayMenu->actions().indexOf(m.tmSessiz), 5);
        QVERIFY(!m.tmSessiz->isEnabled());
        for (QAction* a : {m.tmAc, m.tmBAyarlar, m.tmGAyarlar, m.tmHakkinda, m.tmCikis})
            QVERIFY(a->isEnabled());
    }

    void sayfaKomutlari_data()
    {
        QTest::addColumn<int>("oge");
        QTest::addColumn<int>("sayfa");
        QTest::newRow("Dax Orvanel'yi Aç") << 0 << 0;
        QTest::newRow("Bölgesel Ayarlar") << 1 << 1;
        QTest::newRow("Genel Ayarlar") << 2 << 2;
        QTest::newRow("Hakkında") << 3 << 3;
    }
    void sayfaKomutlari()
    {
        QFETCH(int, oge);
        QFETCH(int, sayfa);
        SahteAnaPencere ana;
        MenuForm m(ana);
        QAction* a = QList<QAction*>{m.tmAc, m.tmBAyarlar, m.tmGAyarlar, m.tmHakkinda}[oge];
        a->trigger();
        QCOMPARE(ana.cagrilar, (QStringList{QStringLiteral("Tablar_Click(%1)").arg(sayfa),
                                            QStringLiteral("Goster")}));
    }

    // The menu popped up at a position, an item chosen with the mouse.
    void acilanMenudenSecim()
    {
        SahteAnaPencere ana;
        MenuForm m(ana);
        m.Ac(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(m.TrayMenu));
        QCOMPARE(m.TrayMenu->pos(), QPoint(100, 100));
        const QPoint yer = m.TrayMenu->actionGeometry(m.tmBAyarlar).center();
        QTest::mouseClick(m.TrayMenu, Qt::LeftButton, {}, yer);
        QVERIFY(!m.TrayMenu->isVisible());
        QCOMPARE(ana.cagrilar,
                 (QStringList{QStringLiteral("Tablar_Click(1)"), QStringLiteral("Goster")}));
        // The greyed-out item does nothing.
        m.Ac(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(m.TrayMenu));
        QTest::mouseClick(m.TrayMenu, Qt::LeftButton, {},
                          m.TrayMenu->actionGeometry(m.tmSessiz).center());
        QCOMPARE(ana.cagrilar.size(), 2);
        m.TrayMenu->hide();
    }

    // "Ezanı Durdur" follows the sound watcher: enabled while a sound plays.
    void sessizSesIzleyicisiyleEtkinlesir()
    {
        SahteAnaPencere ana;
        MenuForm m(ana);
        SahteSes kutuphane;
        SesCalar ses(kutuphane);
        connect(&ses, &SesCalar::SessizEtkin, &m, &MenuForm::SessizEtkin);
        QObject::connect(m.tmSessiz, &QAction::triggered, &ses, [&ses] { ses.FModStop(); });

        ses.FModPlay(QStringLiteral("uyari.wma"));
        ses.SesTimerTick();
        QVERIFY(m.tmSessiz->isEnabled());

        m.tmSessiz->trigger();
        QCOMPARE(ana.cagrilar, QStringList{QStringLiteral("FModStop")});
        ses.SesTimerTick(); // the watcher sees the end at its next tick
        QVERIFY(!m.tmSessiz->isEnabled());

        // A sound that ends by itself disables it too.
        ses.FModPlay(QStringLiteral("uyari.wma"));
        ses.SesTimerTick();
        QVERIFY(m.tmSessiz->isEnabled());
        kutuphane.konum = 0;
        ses.SesTimerTick();
        QVERIFY(!m.tmSessiz->isEnabled());
    }

    // "Çıkış": the main window (which takes the icon down), this window, the add-location
    // dialog and the popup, in this order, then the end.
    void cikisSirasi()
    {
        SahteZamanKaynagi zaman;
        SahteImlec imlec;
        SahteAnaPencere ana;
        MesajForm popup(&ana, &zaman, &imlec);
        popup.EkranSabitle(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
        MenuForm m(ana);
        m.setMesajForm(&popup);

        popup.Goster(QStringLiteral("Öğle Vaktine "), QStringLiteral("5 Dakika"),
                     QStringLiteral(" kaldı."));
        zaman.Ilerle(100);
        QVERIFY(popup.isVisible());
        QVERIFY(popup.GosterTimer->isActive());

        QStringList gozlem;
        bool popupAcikti = false;
        ana.gozlemci = [&](const QString& cagri) {
            if (cagri == QStringLiteral("EkleFormKapat"))
                popupAcikti = popup.isVisible();
            if (cagri == QStringLiteral("ProgramiBitir"))
                gozlem << QStringLiteral("popup %1").arg(popup.isVisible() ? "açık" : "kapalı");
        };
        m.tmCikis->trigger();
        QCOMPARE(ana.cagrilar,
                 (QStringList{QStringLiteral("AnaFormKapat"), QStringLiteral("EkleFormKapat"),
                              QStringLiteral("ProgramiBitir")}));
        QVERIFY(popupAcikti);
        QCOMPARE(gozlem, QStringList{QStringLiteral("popup kapalı")});
        QVERIFY(!popup.GosterTimer->isActive());
        QVERIFY(!popup.BeklemeTimer->isActive() && !popup.GizleTimer->isActive());
        QVERIFY(!m.isVisible());
        zaman.Ilerle(1000); // nothing moves any more
        QVERIFY(!popup.isVisible());
    }
};

QTEST_MAIN(tst_MenuForm)
#include "tst_MenuForm.moc"
