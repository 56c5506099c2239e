// The add-location dialog offscreen, over a real location list, a real data.db and a real
// settings file in a temporary folder, and a real HTTP listener on 127.0.0.1 for the
// suggestion.
#include "controls/gui/Buton.h"
#include "locations/BolgeselAyarlar.h"
#include "locations/KonumDosyasi.h"
#include "locations/KonumListesi.h"
#include "locations/gui/EkleForm.h"
#include "locations/gui/EkleHedefi.h"
#include "locations/gui/OneriGonderici.h"
#include "platform/AyarDeposu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "KonumTestAraclari.h"

namespace {

const QByteArray IlkVeri = W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n"
                                 "2|Türkiye|Isparta|2|37,76|30,55\r\n"
                                 "3|Almanya|Berlin|1|52,52|13,405");

// The main window's part in an add: the regional settings routines over the real store,
// data.db in the program folder, and the message boxes, which are recorded instead of shown.
class AnaPencere : public EkleHedefi, public BolgeselAyarHedefi
{
public:
    explicit AnaPencere(const QString& klasor) : dosya(klasor), bolgesel(depo, *this)
    {
        clsFastCollection satirlar;
        dosya.DosyadanOku(satirlar);
        Konumlar.Doldur(satirlar);
        Aktif = 1;
    }

    // EkleHedefi.
    bool KonumEkle(QWidget*, const EkleGirdisi& g) override
    {
        const BolgeselAyarlar::EklemeSonucu e = bolgesel.KonumEkle(dosya, g);
        if (e.Eklendi)
            return true;
        Mesajlar << (e.Dosya == KonumDosyasiSonucu::Tamam ? e.Mesaj : QStringLiteral("dosya"));
        // A missing data.db ends the program, and the program's end unloads the dialog.
        if (e.Dosya == KonumDosyasiSonucu::DosyaYok && Form)
            Form->Kapat();
        return false;
    }

    // BolgeselAyarHedefi.
    int ListeSecili() const override { return Secili; }
    int ListeAktif() const override { return Aktif; }
    void setListeAktif(int konum) override { Aktif = Konumlar.Item(konum) ? konum : 0; }
    void setListeSecili(int konum) override { Secili = konum; }
    const vkListItem* ListeSatiri(int konum) const override { return Konumlar.Item(konum); }
    void ListeyiDoldur(clsFastCollection& satirlar) override
    {
        Konumlar.Doldur(satirlar);
        Aktif = Secili = 0;
    }
    BolgeselAyarFormu FormuOku() const override { return Sayfa; }
    void FormuGoster(const BolgeselAyarFormu&) override {}
    void YerGoster(const QString& ulke, const QString& sehir, const QString&) override
    {
        Yer = ulke + QLatin1Char('/') + sehir;
    }
    void EzanDugmesi(bool) override {}
    void Uyar(const QString&, const QString& metin) override { Mesajlar << metin; }
    bool Onayla(const QString&, const QString&) override { return true; }
    void Hesapla() override { ++Hesaplama; }
    void UyariyiSifirla() override {}

    KonumListesi Konumlar;
    int Aktif = 0;
    int Secili = 0;
    KonumDosyasi dosya;
    AyarDeposu depo;
    BolgeselAyarlar bolgesel;
    BolgeselAyarFormu Sayfa; // the regional page as it stands
    QStringList Mesajlar;
    QString Yer;
    int Hesaplama = 0;
    EkleForm* Form = nullptr;
};

} // namespace

class tst_EkleForm : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir klasor;
    QTcpServer sunucu;
    std::unique_ptr<AnaPencere> ana;
    std::unique_ptr<EkleForm> form;

    QString Db() const { return klasor.filePath(QStringLiteral("data.db")); }

    void Doldur(const char* ulke, const char* sehir, const char* enlem, const char* boylam,
                int saatDilimi = 16)
    {
        form->SEUlke->setText(QString::fromUtf8(ulke));
        form->SESehir->setText(QString::fromUtf8(sehir));
        form->SEEnlem->setText(QString::fromUtf8(enlem));
        form->SEBoylam->setText(QString::fromUtf8(boylam));
        form->SESaatDilimi->setCurrentIndex(saatDilimi);
    }

    void Kaydet() { QTest::mouseClick(form->BtnKaydet, Qt::LeftButton, {}, QPoint(36, 11)); }

    // The first request line the listener receives.
    QByteArray IstekSatiri()
    {
        if (!sunucu.hasPendingConnections() && !sunucu.waitForNewConnection(10000))
            return {};
        QTcpSocket* s = sunucu.nextPendingConnection();
        QByteArray veri;
        while (!veri.contains("\r\n\r\n") && s->waitForReadyRead(10000))
            veri += s->readAll();
        // An error answer: the dialog must not mind it.
        s->write("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n");
        s->flush();
        s->disconnectFromHost();
        return veri.left(veri.indexOf("\r\n"));
    }

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
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           klasor.filePath(QStringLiteral("ayar")));
        QFile::remove(klasor.filePath(QStringLiteral("ayar/Orvanel/Orvanel.ini")));
        QFile f(Db());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(IlkVeri);
        f.close();
        ana = std::make_unique<AnaPencere>(klasor.path());
        form = std::make_unique<EkleForm>(*ana);
        ana->Form = form.get();
    }

    void cleanup()
    {
        form.reset();
        ana.reset();
        QLocale::setDefault(QLocale::c());
    }

    void LoadsWithTheInitialContents()
    {
        QVERIFY(!form->Yuklu());
        form->Ac();
        QVERIFY(form->isVisible());
        QVERIFY(form->Yuklu());
        QCOMPARE(form->size(), QSize(242, 221));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->windowTitle(), QStringLiteral("Şehir / Bölge"));
        // Rounded: the corner pixel is outside, the middle of an edge inside.
        QVERIFY(!form->mask().contains(QPoint(0, 0)));
        QVERIFY(form->mask().contains(QPoint(121, 0)));
        QVERIFY(form->mask().contains(QPoint(241, 110)));

        QCOMPARE(form->SEUlke->text(), QStringLiteral("Türkiye"));
        QVERIFY(form->SESehir->text().isEmpty());
        QVERIFY(form->SEEnlem->text().isEmpty());
        QVERIFY(form->SEBoylam->text().isEmpty());
        QVERIFY(form->SEKonumGonder->isChecked());
        QCOMPARE(form->SESaatDilimi->count(), 33);
        QCOMPARE(form->SESaatDilimiData->count(), 33);
        QCOMPARE(form->SESaatDilimi->currentIndex(), 16);
        QCOMPARE(form->SESaatDilimiData->currentIndex(), 16);
        QVERIFY(form->SESaatDilimiData->isHidden());
        QCOMPARE(form->SESaatDilimi->itemText(16),
                 QStringLiteral("GMT +2:00) İstanbul, Athina, Kaliningrad, South Africa"));
        QCOMPARE(form->SESaatDilimi->itemText(6),
                 QStringLiteral("GMT -6:00) Central Time (US &amp; Canada), Mexico City"));
        QCOMPARE(form->SESaatDilimiData->itemText(23), QStringLiteral("5,75"));

        Doldur("Türkiye", "Şile", "41,1777", "29,6128");
        QDir().mkpath(QStringLiteral(ORVANEL_BINARY_DIR "/screenshots"));
        form->grab().save(QStringLiteral(ORVANEL_BINARY_DIR "/screenshots/EkleForm.png"));

        // The hidden list follows the shown one.
        form->SESaatDilimi->setCurrentIndex(8);
        QCOMPARE(form->SESaatDilimiData->currentText(), QStringLiteral("-4,5"));
    }

    void EachCheckShowsItsMessageAndChangesNothing()
    {
        form->Ac();
        QSignalSpy gonderilen(&form->Gonderici(), &OneriGonderici::Gonderildi);
        struct Durum
        {
            const char *Ulke, *Sehir, *Enlem, *Boylam, *Mesaj;
        };
        const Durum durumlar[] = {
            {"Türkiye", "", "41", "29", "Lütfen bilgileri eksiksiz giriniz."},
            {"Türkiye", "Yeni", "41", "", "Lütfen bilgileri eksiksiz giriniz."},
            {"türkiye", "istanbul", "41", "29", "'türkiye - istanbul' zaten mevcut."},
            {" türkiye", "İSTANBUL ", "41", "29", "' türkiye - İSTANBUL ' zaten mevcut."},
            {"Türkiye", "Yeni", "41.0,2", "29", "Geçerli bir Enlem Koordinatı giriniz."},
            {"Türkiye", "Yeni", "41", "29 D", "Geçerli bir Boylam Koordinatı giriniz."},
            {"Türkiye", "Yeni|Köy", "41", "29",
             "Ülke ve şehir adlarında \"|\" işareti, satır sonu ve Türkçe dışı alfabelerin "
             "harfleri kullanılamaz."},
        };
        for (const Durum& d : durumlar) {
            ana->Mesajlar.clear();
            Doldur(d.Ulke, d.Sehir, d.Enlem, d.Boylam);
            Kaydet();
            QCOMPARE(ana->Mesajlar, QStringList{QString::fromUtf8(d.Mesaj)});
            // Still visible, the fields as typed.
            QVERIFY(form->isVisible());
            QCOMPARE(form->SESehir->text(), QString::fromUtf8(d.Sehir));
        }
        QCOMPARE(ana->Konumlar.Count(), 3);
        QCOMPARE(ana->Aktif, 1);
        QCOMPARE(DosyaIcerigi(Db()), IlkVeri);
        QVERIFY(!QFile::exists(klasor.filePath(QStringLiteral("ayar/Orvanel/Orvanel.ini"))));
        QCOMPARE(gonderilen.count(), 0);
    }

    void SaveAppendsStoresAndHides()
    {
        form->Ac();
        form->SEKonumGonder->setChecked(false);
        QSignalSpy gonderilen(&form->Gonderici(), &OneriGonderici::Gonderildi);
        Doldur("  Türkiye ", " Yeni Köy  ", "41.5", "29,25", 18);
        Kaydet();
        QVERIFY(ana->Mesajlar.isEmpty());
        QVERIFY(!form->isVisible());
        QVERIFY(form->Yuklu());

        // The row: next Id, trimmed names, the entry's zone, both marks read alike.
        QCOMPARE(ana->Konumlar.Count(), 4);
        const vkListItem* satir = ana->Konumlar.Item(4);
        QCOMPARE(satir->Id(), 4);
        QCOMPARE(satir->Ulke(), QStringLiteral("Türkiye"));
        QCOMPARE(satir->Sehir(), QStringLiteral("Yeni Köy"));
        QCOMPARE(satir->Tz(), 3.5);
        QCOMPARE(satir->Enlem(), 41.5);
        QCOMPARE(satir->Boylam(), 29.25);
        QCOMPARE(ana->Aktif, 4);
        QCOMPARE(ana->Secili, 4);
        QCOMPARE(satir->Index(), 4);

        // data.db gains it as its last line.
        QCOMPARE(DosyaIcerigi(Db()), IlkVeri + W1254("\r\n4|Türkiye|Yeni Köy|3,5|41,5|29,25"));
        // It is the chosen place now, and the times were computed for it.
        AyarDeposu depo;
        QCOMPARE(depo.Oku(QStringLiteral("bIndex")), QStringLiteral("4"));
        QCOMPARE(depo.Oku(QStringLiteral("bSehir")), QStringLiteral("Yeni Köy"));
        QCOMPARE(depo.Oku(QStringLiteral("bTz")), QStringLiteral("3.5"));
        QCOMPARE(depo.Oku(QStringLiteral("bEnlem")), QStringLiteral("41.5"));
        QCOMPARE(ana->Yer, QStringLiteral("Türkiye/Yeni Köy"));
        QCOMPARE(ana->bolgesel.Konum.Enlem, 41.5);
        QVERIFY(ana->Hesaplama > 0);
        QCOMPARE(gonderilen.count(), 0);

        // A place another writer added meanwhile stays, and the list learns of it; "," and
        // "." give the same number.
        QFile f(Db());
        QVERIFY(f.open(QIODevice::Append));
        f.write(W1254("\r\n5|Türkiye|Başka|2|40|30"));
        f.close();
        form->Ac();
        Doldur("Türkiye", "Kuzey", "89", "29.25");
        Kaydet();
        QVERIFY(ana->Mesajlar.isEmpty());
        QCOMPARE(ana->Konumlar.Count(), 6);
        QCOMPARE(ana->Konumlar.Item(5)->Sehir(), QStringLiteral("Başka"));
        QCOMPARE(ana->Konumlar.Item(6)->Enlem(), 89.0);
        QCOMPARE(ana->Konumlar.Item(6)->Boylam(), ana->Konumlar.Item(4)->Boylam());
        QCOMPARE(ana->Aktif, 6);
        QVERIFY(DosyaIcerigi(Db()).endsWith(W1254("\r\n6|Türkiye|Kuzey|2|89|29,25")));

        // The file read back holds both, in order.
        QVector<KonumKaydi> okunan;
        QCOMPARE(KonumDosyasi(klasor.path()).DosyadanOku(okunan), KonumDosyasiSonucu::Tamam);
        QCOMPARE(okunan.size(), 6);
        QCOMPARE(okunan.last().Sehir, QStringLiteral("Kuzey"));
    }

    // Minutes on the regional page that cannot be stored: the place is not added at all, so
    // it is never in data.db without being the chosen one.
    void InvalidMinutesAddNothing()
    {
        form->Ac();
        ana->Sayfa.Dakika = QStringLiteral("abc");
        Doldur("Türkiye", "Şile", "41,18", "29,61");
        Kaydet();
        QCOMPARE(ana->Mesajlar, QStringList{QString::fromUtf8(BADakikaHataMetni)});
        QCOMPARE(DosyaIcerigi(Db()), IlkVeri);
        QCOMPARE(ana->Konumlar.Count(), 3);
        QVERIFY(form->isVisible());
    }

    void ReopenKeepsTheFieldsAfterSaveAndResetsAfterCancelOrClose()
    {
        form->Ac();
        form->SEKonumGonder->setChecked(false);
        Doldur("Nepal", "Pokhara", "28,2", "84", 23);
        Kaydet();
        QVERIFY(!form->isVisible());
        form->Ac();
        QCOMPARE(form->SEUlke->text(), QStringLiteral("Nepal"));
        QCOMPARE(form->SESehir->text(), QStringLiteral("Pokhara"));
        QCOMPARE(form->SEEnlem->text(), QStringLiteral("28,2"));
        QCOMPARE(form->SESaatDilimi->currentIndex(), 23);
        QVERIFY(!form->SEKonumGonder->isChecked());

        for (Buton* dugme : {form->BtnIptal, form->BtnKapat}) {
            form->Ac();
            Doldur("Nepal", "Lumbini", "27,5", "83,3", 23);
            QTest::mouseClick(dugme, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(!form->isVisible());
            QVERIFY(!form->Yuklu());
            form->Ac();
            QCOMPARE(form->SEUlke->text(), QStringLiteral("Türkiye"));
            QVERIFY(form->SESehir->text().isEmpty());
            QVERIFY(form->SEEnlem->text().isEmpty());
            QVERIFY(form->SEBoylam->text().isEmpty());
            QCOMPARE(form->SESaatDilimi->currentIndex(), 16);
            QCOMPARE(form->SESaatDilimiData->currentIndex(), 16);
            QVERIFY(form->SEKonumGonder->isChecked());
        }
        // Nothing was saved by cancel or close.
        QCOMPARE(ana->Konumlar.Count(), 4);
    }

    void SuggestionReachesTheServerOnlyWhenChecked()
    {
        form->Ac();
        QSignalSpy gonderilen(&form->Gonderici(), &OneriGonderici::Gonderildi);
        // Unchecked first: the first request the server sees must be the second save's.
        form->SEKonumGonder->setChecked(false);
        Doldur("Türkiye", "Birinci", "40", "30");
        Kaydet();
        QCOMPARE(gonderilen.count(), 0);

        form->Ac();
        form->SEKonumGonder->setChecked(true);
        Doldur("Türkiye & Co ", " Çağ=#1", "41.02", "28,97", 23);
        Kaydet();
        QCOMPARE(gonderilen.count(), 1);
        QCOMPARE(IstekSatiri(), QByteArray("GET /oner.php?ulke=T%C3%BCrkiye%20%26%20Co%20"
                                           "&sehir=%20%C3%87a%C4%9F%3D%231&tz=5%2C75&enlem=41.02"
                                           "&boylam=28%2C97 HTTP/1.1"));
        // The request changed nothing of the save; the stored name is trimmed.
        QCOMPARE(ana->Konumlar.Item(5)->Sehir(), QStringLiteral("Çağ=#1"));
        QVERIFY(ana->Mesajlar.isEmpty());
    }

    void FailedRewriteKeepsFileListAndChoice()
    {
        form->Ac();
        form->SEKonumGonder->setChecked(true);
        QSignalSpy gonderilen(&form->Gonderici(), &OneriGonderici::Gonderildi);
        ana->Secili = 2;
        // The temporary file cannot be made: a folder holds its name.
        QVERIFY(QDir(klasor.path()).mkdir(QStringLiteral("tmpdata.db")));
        Doldur("Türkiye", "Şile", "41,18", "29,61");
        Kaydet();
        QVERIFY(QDir(klasor.path()).rmdir(QStringLiteral("tmpdata.db")));

        QCOMPARE(ana->Mesajlar, QStringList{QStringLiteral("dosya")});
        QCOMPARE(DosyaIcerigi(Db()), IlkVeri);
        QCOMPARE(ana->Konumlar.Count(), 3);
        QCOMPARE(ana->Aktif, 1);
        QCOMPARE(ana->Secili, 2);
        QVERIFY(!QFile::exists(klasor.filePath(QStringLiteral("ayar/Orvanel/Orvanel.ini"))));
        QCOMPARE(gonderilen.count(), 0);
        // Back for another try, with what was typed.
        QVERIFY(form->isVisible());
        QCOMPARE(form->SESehir->text(), QStringLiteral("Şile"));

        // data.db gone meanwhile: the program ends after its message; nothing is created.
        QFile::remove(Db());
        ana->Mesajlar.clear();
        Kaydet();
        QCOMPARE(ana->Mesajlar, QStringList{QStringLiteral("dosya")});
        QVERIFY(!QFile::exists(Db()));
        QCOMPARE(ana->Konumlar.Count(), 3);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->Yuklu());
    }

    void LoadPlacesItOverTheMainWindowAndOnTheScreen()
    {
        QWidget pencere(nullptr, Qt::Window | Qt::FramelessWindowHint);
        pencere.setGeometry(300, 200, 242, 341);
        pencere.show();
        EkleForm e(*ana, &pencere);
        e.Ac();
        QVERIFY(e.isWindow());
        QCOMPARE(e.pos(), QPoint(300, 260));
        e.Kapat();

        // Near the screen's corner the dialog stays whole on the screen.
        const QRect alan = pencere.screen()->availableGeometry();
        pencere.move(alan.right() - 100, alan.bottom() - 100);
        e.Ac();
        QCOMPARE(e.pos(), QPoint(alan.right() + 1 - 242, alan.bottom() + 1 - 221));
        // Shown again after a save it stays where it was: only a load places it.
        e.move(10, 10);
        e.hide();
        e.Ac();
        QCOMPARE(e.pos(), QPoint(10, 10));
    }

    void DragKeepsThePressPointUnderThePointer()
    {
        form->Ac();
        form->move(100, 100);
        const QPoint bas(50, 20);
        QMouseEvent basma(QEvent::MouseButtonPress, bas, form->mapToGlobal(bas), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &basma);
        const QPoint imlec(400, 300);
        QMouseEvent hareket(QEvent::MouseMove, form->mapFromGlobal(imlec), imlec, Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &hareket);
        QCOMPARE(form->pos(), imlec - bas);
        QMouseEvent birakma(QEvent::MouseButtonRelease, bas, imlec, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(form.get(), &birakma);
        // Without the button nothing moves.
        QMouseEvent serbest(QEvent::MouseMove, QPoint(1, 1), QPoint(10, 10), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &serbest);
        QCOMPARE(form->pos(), imlec - bas);
    }
};

QTEST_MAIN(tst_EkleForm)
#include "tst_EkleForm.moc"
