#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// Command-line options of one command: "--ad deger", "--ad=deger", flags, "--" to end the
// options, and positional words. "-h" is read as "--help".
class Secenekler
{
public:
    // `degerli` names the options that take a value, `bayraklar` those that do not (both
    // without the leading "--"). On a mistake `hata` gets a one-line Turkish message.
    static std::optional<Secenekler> Coz(const QStringList& args, const QStringList& degerli,
                                         const QStringList& bayraklar, QString* hata);

    // For a command: also accepts --help and answers it with `yardim` on `out`; refuses
    // mistakes and stray words with one line on `err`. When nothing comes back the command
    // is done and returns `cikis`.
    static std::optional<Secenekler> Komut(const QStringList& args, const QStringList& degerli,
                                           const QStringList& bayraklar, const QString& yardim,
                                           QTextStream& out, QTextStream& err, int& cikis);

    bool Var(const QString& ad) const;
    // The value given last for `ad`, or a null string.
    QString Deger(const QString& ad) const;
    const QStringList& Konumsal() const { return konumsal_; }

private:
    QHash<QString, QString> degerler_;
    QSet<QString> bayraklar_;
    QStringList konumsal_;
};
