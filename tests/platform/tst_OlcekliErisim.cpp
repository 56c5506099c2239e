#include "platform/gui/OlcekliErisim.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QTest>
#include <QVBoxLayout>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#ifdef Q_OS_WIN
// Windows' UI Automation scales by itself: nothing is wrapped there.
constexpr bool Sarar = false;
#else
constexpr bool Sarar = true;
#endif

// The wrapper around every widget's accessible interface: it must answer as the interface it
// wraps, hand out a list's rows so that the list recognises them, and let go of rows the list
// has dropped. (Offscreen the rectangles are not scaled; e2e_erisim checks them at twice the
// size over AT-SPI.)
class tst_OlcekliErisim : public QObject
{
    Q_OBJECT

    static bool Sarilmis(const QAccessibleInterface* i)
    {
        return dynamic_cast<const OlcekliErisim*>(i) != nullptr;
    }

private slots:
    void initTestCase()
    {
        OlcekliErisim::Kur();
        // As a screen reader's presence does: only then does a list drop its old rows.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }

    void arayuzAyniKalir()
    {
        QWidget w;
        auto* kutu = new QLineEdit(QStringLiteral("15"), &w);
        kutu->setAccessibleName(QStringLiteral("Uyarı Dakikası"));
        auto* secim = new QCheckBox(QStringLiteral("Uyarı sesi çal."), &w);
        secim->setChecked(true);
        auto* duzen = new QVBoxLayout(&w);
        duzen->addWidget(kutu);
        duzen->addWidget(secim);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QAccessibleInterface* ust = QAccessible::queryAccessibleInterface(&w);
        QAccessibleInterface* k = QAccessible::queryAccessibleInterface(kutu);
        QAccessibleInterface* s = QAccessible::queryAccessibleInterface(secim);
        QCOMPARE(Sarilmis(ust) && Sarilmis(k) && Sarilmis(s), Sarar);
        // The same object from the cache, and from its parent.
        QCOMPARE(QAccessible::queryAccessibleInterface(kutu), k);
        QCOMPARE(ust->child(ust->indexOfChild(k)), k);
        QCOMPARE(k->parent(), ust);
        QCOMPARE(k->role(), QAccessible::EditableText);
        QCOMPARE(k->text(QAccessible::Name), QStringLiteral("Uyarı Dakikası"));
        QAccessibleTextInterface* metin = k->textInterface();
        QVERIFY(metin);
        QCOMPARE(metin->text(0, 2), QStringLiteral("15"));
        QCOMPARE(metin->offsetAtPoint(metin->characterRect(1).center()), 1);
        QCOMPARE(s->role(), QAccessible::CheckBox);
        QVERIFY(s->state().checked);
        QVERIFY(s->actionInterface());
        QCOMPARE(k->rect(), QRect(kutu->mapToGlobal(QPoint()), kutu->size()));
        QCOMPARE(ust->childAt(k->rect().center().x(), k->rect().center().y()), k);
        QCOMPARE(ust->childAt(s->rect().center().x(), s->rect().center().y()), s);
    }

    void listelerinSatirlari()
    {
        if (!Sarar)
            QSKIP("nothing is wrapped on Windows");
        QStringListModel model({"sıfır", "bir", "iki", "üç"});
        QListView l;
        l.setModel(&model);
        l.resize(200, 200);
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));

        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(&l);
        QVERIFY(Sarilmis(liste));
        QCOMPARE(liste->childCount(), 4);
        QAccessibleInterface* uc = liste->child(3);
        QVERIFY(Sarilmis(uc));
        QCOMPARE(liste->child(3), uc);
        QCOMPARE(uc->role(), QAccessible::ListItem);
        QCOMPARE(uc->text(QAccessible::Name), QStringLiteral("üç"));
        QCOMPARE(uc->parent(), liste);
        // The list takes a row for one of its own: it must be given the row it wraps.
        QCOMPARE(liste->indexOfChild(uc), 3);
        QVERIFY(uc->tableCellInterface());
        QCOMPARE(uc->tableCellInterface()->rowIndex(), 3);
        // By row, the same row as by child index.
        QAccessibleTableInterface* tablo = liste->tableInterface();
        QVERIFY(tablo);
        QCOMPARE(tablo->cellAt(3, 0), uc);
        l.setCurrentIndex(model.index(2));
        QCOMPARE(tablo->selectedCells(), QList<QAccessibleInterface*>{liste->child(2)});
        const QPoint orta = liste->child(2)->rect().center();
        QCOMPARE(liste->childAt(orta.x(), orta.y()), liste->child(2));

        // A new list of rows: the rows handed out before are gone, the new ones are told,
        // also where a new row takes the memory of an old one.
        for (int i = 0; i < 4; ++i)
            liste->child(i);
        model.setStringList({"Ankara", "Antakya", "Antalya", "Artvin"});
        QVERIFY(!uc->isValid());
        QVERIFY(uc->rect().isEmpty());
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface* satir = liste->child(i);
            QVERIFY(satir && satir->isValid());
            QCOMPARE(satir->text(QAccessible::Name), model.stringList().at(i));
            QCOMPARE(liste->indexOfChild(satir), i);
        }

        // The rows of a closed drop-down list are there, but invisible and without a place.
        QComboBox c;
        c.addItems({"Muslim World League (Standart)", "Umm Al-Qura"});
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QAccessibleInterface* gorunum = QAccessible::queryAccessibleInterface(c.view());
        QVERIFY(Sarilmis(gorunum));
        QAccessibleInterface* satir = gorunum->child(0);
        QVERIFY(satir);
        QCOMPARE(satir->text(QAccessible::Name), QStringLiteral("Muslim World League (Standart)"));
        QVERIFY(satir->state().invisible);
        QVERIFY(satir->rect().isEmpty());
    }
};

QTEST_MAIN(tst_OlcekliErisim)
#include "tst_OlcekliErisim.moc"
