// orvanel-skingen: draws the skin pictures, the icons, the resource list and its README.
//
//   orvanel-skingen --out <assets folder> [--sheet <contact-sheet.png>]
//
// Everything is drawn from code, so the output depends only on this program and the Qt version.

#include "ContactSheet.h"
#include "IcoWriter.h"
#include "SkinPictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool pngYaz(const QImage& img, const QString& dosya)
{
    // Fixed compression and no text chunks keep the files byte-identical between runs.
    QImage temiz = img;
    temiz.setText(QString(), QString());
    if (!temiz.save(dosya, "PNG", 0)) {
        QTextStream(stderr) << "cannot write " << dosya << "\n";
        return false;
    }
    return true;
}

bool metinYaz(const QString& dosya, const QString& metin)
{
    QFile f(dosya);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) { // the same bytes everywhere
        QTextStream(stderr) << "cannot write " << dosya << "\n";
        return false;
    }
    f.write(metin.toUtf8());
    return true;
}

QString qrc(const SkinPictures& s)
{
    QString m;
    QTextStream t(&m);
    t << "<!-- Written by tools/skin (orvanel-skingen); do not edit by hand. -->\n";
    t << "<RCC>\n    <qresource prefix=\"/skin\">\n";
    for (const SkinPictures::Resim& r : s.resimler()) {
        t << "        <file>" << r.ad << ".png</file>\n";
        t << "        <file>" << r.ad << "@2x.png</file>\n";
    }
    t << "    </qresource>\n</RCC>\n";
    return m;
}

QString readme(const SkinPictures& s)
{
    QString m;
    QTextStream t(&m);
    t << "# Skin pictures\n\n"
         "Written by `tools/skin` (`orvanel-skingen`); do not edit the pictures, this file or "
         "`skin.qrc` by hand. To change a picture, change its drawing in `tools/skin/` and run\n\n"
         "```\n"
         "cmake -S . -B build -G Ninja && cmake --build build --target orvanel-skin-assets\n"
         "```\n\n"
         "which rewrites `assets/skin/`, `assets/orvanel.ico`, `assets/eksimge.ico` and "
         "`assets/icons/`, and leaves a contact sheet in `build/contact-sheet.png`.\n\n"
         "## Using them\n\n"
         "- The pictures are compiled into the programs: link the CMake target "
         "`orvanel_platform_gui` "
         "and load `\":/skin/<name>.png\"`. Each has an `@2x` twin twice as large. "
         "`SkinResmi::yukle(\"<name>\")` (`#include \"platform/gui/SkinResmi.h\"`) returns the "
         "twin "
         "that fits the screen with its device pixel ratio set, so it always draws at the "
         "logical size below; a plain `QPixmap(\":/skin/<name>.png\")` gives the 1x picture "
         "only. `SkinResmi::programSimgesi()` is the program icon with its four sizes.\n"
         "- Names: `<thing>_normal`, `<thing>_down`, `<thing>_over` are picture set 0 "
         "(`PictureNormal`, `PictureDown`, `PictureOver`); `<thing>_2_...` set 1 "
         "(`Picture2Normal`, ...); `<thing>_3_...` set 2 (`Picture3Normal`, ...).\n"
         "- Buttons that sit at a fixed place carry the window background under them and are "
         "opaque: place them exactly where the table says (window pixels, left, top). Caption "
         "buttons are opaque on white and are meant for the white panels.\n"
         "- Colours that match the pictures: labels RGB(64, 64, 64); title text white; accent "
         "green RGB(69, 165, 117), dark green RGB(47, 126, 88), soft green RGB(215, 238, 224).\n"
         "- The program icon is also `assets/orvanel.ico` (16, 24, 32, 48) and "
         "`assets/icons/orvanel_<n>.png`; the second icon is `assets/eksimge.ico` (same sizes). "
         "Both `.ico` files and `icons/` are copied next to the executables; `skin/` is not.\n";
    QString grup;
    for (const SkinPictures::Resim& r : s.resimler()) {
        if (r.grup != grup) {
            grup = r.grup;
            t << "\n## " << grup << "\n\n| Resource | Size | Used by |\n| --- | --- | --- |\n";
        }
        t << "| `:/skin/" << r.ad << ".png` | " << r.boyut.width() << " × " << r.boyut.height()
          << " | " << r.kullanan << " |\n";
    }
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser komut;
    komut.setApplicationDescription("Draws the Orvanel skin pictures and icons.");
    komut.addHelpOption();
    QCommandLineOption cikti("out", "assets folder to write into", "dir");
    QCommandLineOption sayfa("sheet", "contact sheet to write", "png");
    komut.addOption(cikti);
    komut.addOption(sayfa);
    komut.process(app);
    if (!komut.isSet(cikti)) {
        komut.showHelp(2);
    }

    const SkinPictures resimler;
    const QDir assets(komut.value(cikti));
    const QString skin = assets.filePath("skin");
    if (!QDir().mkpath(skin) || !QDir().mkpath(assets.filePath("icons")))
        return 1;

    // Remove pictures that are no longer in the catalogue, so a rename leaves no orphan.
    QStringList beklenen;
    for (const SkinPictures::Resim& r : resimler.resimler())
        beklenen << r.ad + ".png" << r.ad + "@2x.png";
    for (const QString& eski : QDir(skin).entryList({"*.png"}, QDir::Files)) {
        if (!beklenen.contains(eski))
            QFile::remove(QDir(skin).filePath(eski));
    }

    bool tamam = true;
    for (const SkinPictures::Resim& r : resimler.resimler()) {
        tamam &= pngYaz(SkinPictures::ciz(r, 1), skin + "/" + r.ad + ".png");
        tamam &= pngYaz(SkinPictures::ciz(r, 2), skin + "/" + r.ad + "@2x.png");
    }
    tamam &= metinYaz(skin + "/skin.qrc", qrc(resimler));
    tamam &= metinYaz(skin + "/README.md", readme(resimler));

    QList<QImage> program, ikinci;
    for (int n : SkinPictures::simgeBoyutlari()) {
        program << SkinPictures::simge(n, false);
        ikinci << SkinPictures::simge(n, true);
        tamam &= pngYaz(program.last(), assets.filePath(QString("icons/orvanel_%1.png").arg(n)));
    }
    tamam &= IcoWriter::yaz(assets.filePath("orvanel.ico"), program);
    tamam &= IcoWriter::yaz(assets.filePath("eksimge.ico"), ikinci);

    if (komut.isSet(sayfa))
        tamam &= pngYaz(ContactSheet::olustur(resimler), komut.value(sayfa));
    return tamam ? 0 : 1;
}
