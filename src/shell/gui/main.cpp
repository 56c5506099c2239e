// The program: the single-instance hand-over, then the start-up sequence.
#include "platform/KurulumKlasorleri.h"
#include "platform/OturumAcmaKaydi.h"
#include "platform/QtSesKutuphanesi.h"
#include "platform/SistemSaati.h"
#include "platform/SistemYazSaati.h"
#include "platform/TekOrnek.h"
#include "platform/gui/OlcekliErisim.h"
#include "shell/gui/AnaForm.h"
#include "shell/gui/IlkKareOlcer.h"
#include "shell/gui/QtMesajKutusu.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The window hides itself into the notification area, and message boxes may be the only
    // windows for a while: the program ends only by its own Cikis.
    QApplication::setQuitOnLastWindowClosed(false);
    // The menu entry's name: a Wayland desktop matches the windows to it by this id (an X11
    // one by the class, the executable's name, which the entry names too).
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANEL_KIMLIK));
    // Before the first widget: assistive technology gets every position in the screen's pixels.
    OlcekliErisim::Kur();

    // The whole text after the program name, compared as one.
    const QString komutSatiri = app.arguments().mid(1).join(QLatin1Char(' '));

    // Before anything is shown, so a second start never flashes an icon. A second start
    // whose running program does not answer ends quietly all the same.
    TekOrnek tekOrnek(TekOrnek::OturumKlasoru(), TekOrnek::VarsayilanAd());
    if (tekOrnek.Baslat(komutSatiri) != TekOrnek::Sonuc::Sahip)
        return 0;

    SistemSaati saat;
    SistemYazSaati yazSaati;
    QtSesKutuphanesi ses;
    QtMesajKutusu mesaj;
    std::unique_ptr<OturumAcmaKaydi> oturum = OturumAcmaKaydi::Sistem();

    AnaFormBaglami b;
    b.SaatKaynagi = &saat;
    b.YazSaati = &yazSaati;
    b.Ses = &ses;
    b.Oturum = oturum.get();
    b.Mesaj = &mesaj;
    const QString programKlasoru = QCoreApplication::applicationDirPath();
    b.VeriKlasoru = KurulumKlasorleri::Veri(programKlasoru);
    b.KullaniciKlasoru = KurulumKlasorleri::Kullanici(programKlasoru);

    AnaForm form(b);
    Program& program = form.Programi();
    IlkKareOlcer olcer;
    if (qEnvironmentVariableIsSet("ORVANEL_ILK_KAREDE_CIK"))
        form.installEventFilter(&olcer);
    QObject::connect(&tekOrnek, &TekOrnek::MesajGeldi, &program, &Program::Goster);
    // Without data.db the program has ended its start-up after the message.
    if (!program.Baslat(komutSatiri))
        return 1;
    return app.exec();
}
