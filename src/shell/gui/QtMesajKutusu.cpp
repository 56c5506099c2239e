#include "shell/gui/QtMesajKutusu.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

// The texts carry CR LF line ends; a box shows a CR as a stray character on some styles.
QString Satirlar(QString metin)
{
    return metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void QtMesajKutusu::Goster(QWidget* sahip, Simge simge, const QString& baslik, const QString& metin)
{
    QMessageBox kutu(sahip);
    kutu.setWindowTitle(baslik);
    kutu.setText(Satirlar(metin));
    kutu.setIcon(simge == Simge::Dur     ? QMessageBox::Critical
                 : simge == Simge::Bilgi ? QMessageBox::Information
                                         : QMessageBox::NoIcon);
    kutu.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    kutu.exec();
}

bool QtMesajKutusu::Sor(QWidget* sahip, const QString& baslik, const QString& metin)
{
    QMessageBox kutu(sahip);
    kutu.setWindowTitle(baslik);
    kutu.setText(Satirlar(metin));
    kutu.setIcon(QMessageBox::Information);
    QPushButton* evet = kutu.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    kutu.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
    kutu.exec();
    return kutu.clickedButton() == evet;
}
