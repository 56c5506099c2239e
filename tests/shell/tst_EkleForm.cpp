// The add-location dialog offscreen, over a real location list, a real data.db and a real
// settings file in a temporary folder, and a real HTTP listener on 127.0.0.1 for the
// suggestion.
#include "controls/gui/Buton.h"
#include "locations/gui/EkleForm.h"
#include "locations/gui/OneriGonderici.h"
#include "platform/AyarDeposu.h"
#include "shell/BolgeselAyarlar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "KayitliSayfa.h"
#include "locations/KonumTestAraclari.h"
#include "support/AyarKlasoru.h"

namespace {

const QByteArray IlkVeri = W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n"
                                 "2|Türkiye|Isparta|2|37,76|30,55\r\n"
                                 "3|Almanya|Berlin|1|52,52|13,405");

// The main window's part in an add: the regional settings routines over the real store and
// data.db in the program folder; the message boxes are recorded instead of shown.
struct AnaPencere : KayitliSayfa
{
    explicit AnaPencere(const QString& klasor) : bolgesel(depo, *this, *this)
    {
        Klasor = klasor;
        QVector<KonumKaydi> satirlar;
        (void)Yerler().DosyadanOku(satirlar);
        Konumlar = KonumSatirlari(std::move(satirlar));
        Aktif = 0;
    }

    AyarDeposu depo;
    BolgeselAyarlar bolgesel;
};

} // namespace

class tst_EkleForm : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir klasor;
    std::unique_ptr<AyarKlasoru> ayarlar;
    QTcpServer sunucu;
    std::unique_ptr<AnaPencere> ana;
    std::unique_ptr<EkleForm> form;

    QString Db() const { return klasor.filePath(QStringLiteral("data.db")); }

    // Country, city, latitude, longitude; the zone's row.
    void Doldur(const QStringList& alanlar, int saatDilimi = 16)
    {
        for (int i = 0; i < 4; ++i)
            Alanlar()[i]->setText(alanlar[i]);
        form->SESaatDilimi->setCurrentIndex(saatDilimi);
    }
    QList<QLineEdit*> Alanlar() const
    {
        return {form->SEUlke, form->SESehir, form->SEEnlem, form->SEBoylam};
    }
    // What the dialog shows: the four fields, the zone value and the suggestion switch.
    QString Gorunen() const
    {
        QStringList metinler;
        for (const QLineEdit* e : Alanlar())
            metinler << e->text();
        return metinler.join('|') + '|' +
               KonumEkleme::SaatDilimleri()[form->SESaatDilimi->currentIndex()].Deger + '|' +
               QString::number(form->SEKonumGonder->isChecked());
    }

    void Kaydet() { QTest::mouseClick(form->BtnKaydet, Qt::LeftButton, {}, QPoint(36, 11)); }

private slots:
    void initTestCase()
    {
        QVERIFY(klasor.isValid());
        QVERIFY(sunucu.listen(QHostAddress::LocalHost));
        qputenv("ORVANEL_URUN_ADRESI",
                QByteArray("http://127.0.0.1:") + QByteArray::number(sunucu.serverPort()));
        qputenv("TZ", "Europe/Istanbul");
    }

    void init()
    {
        form.reset(), ana.reset(); // those of the test before, over what they were given
        ayarlar = std::make_unique<AyarKlasoru>();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        DosyaYaz(Db(), IlkVeri);
        ana = std::make_unique<AnaPencere>(klasor.path());
        form = std::make_unique<EkleForm>(ana->bolgesel);
    }

    // A refused save shows its message and changes nothing: not the file, the list, the
    // chosen place, the settings, nor what was typed; no suggestion goes out. Refused: a place
    // already there; minutes on the regional page that cannot be stored (so a place is never in
    // data.db without being the chosen one).
    void RefusalsChangeNothing()
    {
        form->Ac();
        QSignalSpy gonderilen(&form->Gonderici(), &OneriGonderici::Gonderildi);
        ana->Secili = 1;
        Doldur({" türkiye", "İSTANBUL ", "41", "29"});
        Kaydet();
        ana->Form.Dakika = QStringLiteral("abc");
        Doldur({"Türkiye", "Şile", "41,18", "29,61"});
        Kaydet();
        ana->Form.Dakika = QStringLiteral("15");
        // Titled with the application's name, as every refusal of the dialog.
        QCOMPARE(ana->Uyarilar, (QStringList{"Orvanel|' türkiye - İSTANBUL ' zaten mevcut.",
                                             "Orvanel|" + QString::fromUtf8(BADakikaHataMetni)}));
        QVERIFY(form->isVisible());
        QCOMPARE(Gorunen(), QStringLiteral("Türkiye|Şile|41,18|29,61|2|1"));
        QCOMPARE(ana->Konumlar.size(), 3);
        QCOMPARE(std::pair(ana->Aktif, ana->Secili), std::pair(0, 1));
        QCOMPARE(DosyaIcerigi(Db()), IlkVeri);
        QVERIFY(!AyarlarVar(ayarlar->Yol()));
        QCOMPARE(gonderilen.count(), 0);
    }

    // A save appends the row to data.db as it is on disk now (another writer's line stays and
    // the list learns of it), makes it the active, current and chosen place, recomputes, and
    // hides the dialog, which opens again with what was typed. The suggestion goes to the
    // product's address, over a real HTTP listener, only when its switch is on; an error
    // answer changes nothing.
    void SaveAppendsStoresAndSuggestsWhenAsked()
    {
        form->Ac();
        form->SEKonumGonder->setChecked(false);
        QSignalSpy gonderilen(&form->Gonderici(), &OneriGonderici::Gonderildi);
        Doldur({"  Türkiye ", " Yeni Köy  ", "41.5", "29,25"}, 18);
        Kaydet();
        QVERIFY(ana->Uyarilar.isEmpty() && !form->isVisible() && ana->Hesaplama > 0);
        QCOMPARE(std::pair(ana->Aktif, ana->Gecerli), std::pair(3, 3));
        QCOMPARE(gonderilen.count(), 0);

        const QByteArray baskasi = W1254("\r\n5|Türkiye|Başka|2|40|30");
        DosyaYaz(Db(), DosyaIcerigi(Db()) + baskasi);
        form->Ac();
        QCOMPARE(Gorunen(), QStringLiteral("  Türkiye | Yeni Köy  |41.5|29,25|3,5|0"));
        form->SEKonumGonder->setChecked(true);
        Doldur({"Türkiye & Co ", " Çağ=#1", "41.02", "28,97"}, 23);
        Kaydet();
        QCOMPARE(gonderilen.count(), 1);
        // The request as the listener receives it, answered with an error the dialog must not mind.
        QVERIFY(sunucu.hasPendingConnections() || sunucu.waitForNewConnection(10000));
        QTcpSocket* istek = sunucu.nextPendingConnection();
        QByteArray veri;
        while (!veri.contains("\r\n\r\n") && istek->waitForReadyRead(10000))
            veri += istek->readAll();
        istek->write("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n");
        istek->flush();
        istek->disconnectFromHost();
        QVERIFY(veri.startsWith("GET /oner.php?ulke=T%C3%BCrkiye%20%26%20Co%20&sehir="));
        QCOMPARE(ana->Konumlar.size(), 6);
        QCOMPARE(ana->Konumlar.at(4).Sehir, QStringLiteral("Başka"));
        QCOMPARE(ana->Aktif, 5);
        QCOMPARE(DosyaIcerigi(Db()), IlkVeri + W1254("\r\n4|Türkiye|Yeni Köy|3,5|41,5|29,25") +
                                         baskasi +
                                         W1254("\r\n6|Türkiye & Co|Çağ=#1|5,75|41,02|28,97"));
        QVERIFY(ana->Uyarilar.isEmpty());
    }

    // Opened over the middle of the main window. Cancel and close unload the dialog: it opens
    // again as new, and nothing was saved.
    void OpensOverTheMainWindowAndCancelOrCloseStartsAfresh()
    {
        QWidget pencere(nullptr, Qt::Window | Qt::FramelessWindowHint);
        pencere.setGeometry(300, 200, 242, 341);
        EkleForm e(ana->bolgesel, &pencere);
        e.Ac();
        QCOMPARE(e.geometry(), QRect(300, 260, 242, 221));
        for (Buton* dugme : {form->BtnIptal, form->BtnKapat}) {
            form->Ac();
            form->SEKonumGonder->setChecked(false);
            Doldur({"Nepal", "Lumbini", "27,5", "83,3"}, 23);
            QTest::mouseClick(dugme, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(!form->isVisible() && !form->Yuklu());
            form->Ac();
            QCOMPARE(Gorunen(), QStringLiteral("Türkiye||||2|1"));
        }
        QCOMPARE(ana->Konumlar.size(), 3);
    }
};

QTEST_MAIN(tst_EkleForm)
#include "tst_EkleForm.moc"
