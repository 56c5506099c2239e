#include "platform/XdgOturumAcmaKaydi.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace {

const QString DosyaAdi = QStringLiteral("orvanel.desktop");

// Characters that make an Exec argument need quotes (desktop entry rules).
bool TirnakGerekir(const QString& arg)
{
    if (arg.isEmpty())
        return true;
    static const QString ayrilmis = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (QChar c : arg) {
        if (ayrilmis.contains(c))
            return true;
    }
    return false;
}

// The string-value escapes of a desktop file, applied over the whole Exec value.
QString DegerKacisi(const QString& s)
{
    QString r;
    for (QChar c : s) {
        if (c == QLatin1Char('\\'))
            r += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            r += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            r += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            r += QStringLiteral("\\r");
        else
            r += c;
    }
    return r;
}

QString DegerCoz(const QString& s)
{
    QString r;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar n = s[++i];
            if (n == QLatin1Char('n'))
                r += QLatin1Char('\n');
            else if (n == QLatin1Char('t'))
                r += QLatin1Char('\t');
            else if (n == QLatin1Char('r'))
                r += QLatin1Char('\r');
            else if (n == QLatin1Char('s'))
                r += QLatin1Char(' ');
            else
                r += n;
        } else {
            r += s[i];
        }
    }
    return r;
}

} // namespace

XdgOturumAcmaKaydi::XdgOturumAcmaKaydi(QString programYolu, QString autostartKlasoru)
    : programYolu_(std::move(programYolu)), klasor_(std::move(autostartKlasoru))
{
    if (klasor_.isEmpty()) {
        klasor_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/autostart");
    }
}

QString XdgOturumAcmaKaydi::DosyaYolu() const
{
    return klasor_ + QLatin1Char('/') + DosyaAdi;
}

QString XdgOturumAcmaKaydi::ExecMetni(const QStringList& komut)
{
    QStringList parcalar;
    for (const QString& arg : komut) {
        QString a = arg;
        a.replace(QLatin1Char('%'), QStringLiteral("%%")); // field codes
        if (TirnakGerekir(arg)) {
            QString q;
            for (QChar c : a) {
                if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                    c == QLatin1Char('\\'))
                    q += QLatin1Char('\\');
                q += c;
            }
            a = QLatin1Char('"') + q + QLatin1Char('"');
        }
        parcalar << a;
    }
    return DegerKacisi(parcalar.join(QLatin1Char(' ')));
}

QStringList XdgOturumAcmaKaydi::ExecCoz(const QString& exec)
{
    const QString s = DegerCoz(exec);
    QStringList sonuc;
    QString arg;
    bool argVar = false;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('"')) {
            argVar = true;
            for (++i;; ++i) {
                if (i >= s.size())
                    return {}; // unterminated quote
                if (s[i] == QLatin1Char('"'))
                    break;
                if (s[i] == QLatin1Char('\\') && i + 1 < s.size())
                    ++i;
                arg += s[i];
            }
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (argVar)
                sonuc << arg;
            arg.clear();
            argVar = false;
        } else if (c == QLatin1Char('%') && i + 1 < s.size() && s[i + 1] == QLatin1Char('%')) {
            arg += c;
            argVar = true;
            ++i;
        } else {
            arg += c;
            argVar = true;
        }
    }
    if (argVar)
        sonuc << arg;
    return sonuc;
}

QStringList XdgOturumAcmaKaydi::Oku() const
{
    QFile f(DosyaYolu());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool grupta = false;
    QString exec;
    bool gizli = false;
    while (!f.atEnd()) {
        const QString satir = QString::fromUtf8(f.readLine()).trimmed();
        if (satir.startsWith(QLatin1Char('['))) {
            grupta = satir == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!grupta)
            continue;
        const int esit = satir.indexOf(QLatin1Char('='));
        if (esit < 0)
            continue;
        const QString ad = satir.left(esit).trimmed();
        const QString deger = satir.mid(esit + 1).trimmed();
        if (ad == QLatin1String("Exec"))
            exec = deger;
        else if (ad == QLatin1String("Hidden") && deger == QLatin1String("true"))
            gizli = true;
        else if (ad == QLatin1String("X-GNOME-Autostart-enabled") &&
                 deger == QLatin1String("false"))
            gizli = true;
    }
    // An entry the user switched off in the desktop's own settings does not start anything.
    if (gizli)
        return {};
    return ExecCoz(exec);
}

QStringList XdgOturumAcmaKaydi::Beklenen() const
{
    return {QDir::cleanPath(QDir(programYolu_).absolutePath()), QStringLiteral("-startup")};
}

void XdgOturumAcmaKaydi::Yaz()
{
    if (!QDir().mkpath(klasor_))
        return;
    QSaveFile f(DosyaYolu());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    // TryExec: once the program is removed, the desktop skips the entry left behind in the
    // user's folder instead of failing to start it at every logon.
    const QStringList komut = Beklenen();
    const QString metin = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Orvanel\n"
                                         "Comment=Namaz vakitleri\n"
                                         "Exec=") +
                          ExecMetni(komut) + QStringLiteral("\nTryExec=") +
                          DegerKacisi(komut.first()) +
                          QStringLiteral("\n"
                                         "Icon=orvanel\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n");
    f.write(metin.toUtf8());
    f.commit();
}

void XdgOturumAcmaKaydi::Sil()
{
    QFile::remove(DosyaYolu());
}
