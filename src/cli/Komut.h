#pragma once

#include "cli/KomutOrtami.h"
#include "locations/KonumDosyasi.h"
#include "platform/Sonuc.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// One command of orvanel-cli. Its options are declared once (SecenekEkle): the parser and
// the --help text are both built from them. Calistir refuses an unknown option, a missing or
// unexpected value and a stray word with one Turkish line on stderr and exit status 2,
// answers -h/--help, and hands the rest to Yurut.
class Komut
{
public:
    virtual ~Komut() = default;

    // The English name, then the Turkish one earlier versions took (both are accepted).
    const QStringList& Adlar() const { return adlar_; }
    // The command's line in `orvanel-cli --help`.
    const QString& Ozet() const { return ozet_; }
    // A command that draws (fonts, painting) runs on a QGuiApplication; the others need only
    // a QCoreApplication.
    virtual bool Cizer() const { return false; }

    int Calistir(const QStringList& args, QTextStream& out, QTextStream& err,
                 const KomutOrtami& ortam) const;
    QString Yardim() const;

protected:
    // `aciklama` opens the help; `konumsal` names the words the command takes ("METİN"),
    // empty when it takes none.
    Komut(QStringList adlar, QString ozet, QString aciklama, QString konumsal = QString());
    void SecenekEkle(const QList<QCommandLineOption>& secenekler);

    virtual int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                      const KomutOrtami& ortam) const = 0;

    // Options more than one command takes. An option's Turkish alias is one more name in
    // its list.
    static const QCommandLineOption TarihSecenegi;
    static const QCommandLineOption YilSecenegi;
    static const QCommandLineOption HicriGunSecenegi;
    static const QCommandLineOption DbSecenegi;

    // The name the user gave `secenek` by, the last time: messages name it the same way.
    static QString YazilanAd(const QCommandLineParser& p, const QCommandLineOption& secenek);
    // A whole number, optional sign.
    static std::optional<int> TamSayi(const QString& metin);
    // Reads the option as a whole number in [alt, ust] into `deger` when given; a refusal
    // names it `adi` ("Yıl").
    static Sonuc<> SayiAraligi(const QCommandLineParser& p, const QCommandLineOption& secenek,
                               const QString& adi, int alt, int ust, int& deger);
    // Reads the option into `deger` when given; refuses a bad one with its message.
    static Sonuc<> TarihOku(const QCommandLineParser& p, QDate& tarih);
    static Sonuc<> HicriGunOku(const QCommandLineParser& p, int& gun);
    // Minutes of warning before a time, as the settings take them (0..546).
    static Sonuc<> UyariDakikasiOku(const QCommandLineParser& p, const QCommandLineOption& secenek,
                                    int& dakika);
    // The data.db of --db, else the program's (the user's copy for a read-only install).
    static KonumDosyasi Veritabani(const QCommandLineParser& p, const KomutOrtami& ortam);
    // Writes the whole file or, when it cannot, leaves what was there.
    static Sonuc<> DosyayaYaz(const QString& yol, const QByteArray& icerik);

private:
    // The Turkish line for what Qt's parser refused (its own text is English).
    QString CozumHatasi(const QCommandLineParser& p, const QStringList& args) const;
    const QCommandLineOption* SecenekBul(const QString& ad) const;

    QStringList adlar_;
    QString ozet_;
    QString aciklama_;
    QString konumsal_;
    QList<QCommandLineOption> secenekler_;
};
