#pragma once

#include <QString>
#include <QWidget>

class Etiket;
class QPlainTextEdit;

// Page 3: the about page with the product statement, the version and the two links.
class SayfaHakkinda : public QWidget
{
    Q_OBJECT
public:
    // The hosts are shown on the link labels.
    SayfaHakkinda(QWidget* parent, const QString& yapimciHost, const QString& urunHost);

    static const QString YapimciAdi;
    // The statement: the line naming the maker, then the fixed lines.
    static QString Aciklama();

    QPlainTextEdit* Metin;
    Etiket* LSurum;
    Etiket* LDaxGrup;
    Etiket* LDetayliBilgi;
};
