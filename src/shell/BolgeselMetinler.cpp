#include "shell/BolgeselMetinler.h"

#include "locations/SeciliKonum.h"

#include "engine/HesapYontemi.h"
#include "engine/Sayi.h"

#include <cmath>

namespace BolgeselMetinler {

QString KonumIpucu(double enlem, double boylam, double tz)
{
    const QString derece = QStringLiteral("º");
    QString metin = Sayi::Yerel(std::fabs(enlem)).replace(',', '.') + derece +
                    (enlem > 0 ? QStringLiteral(" Kuzey") : QStringLiteral(" Güney"));
    metin += QStringLiteral(", ") + Sayi::Yerel(std::fabs(boylam)).replace(',', '.') + derece +
             (boylam > 0 ? QStringLiteral(" Doğu") : QStringLiteral(" Batı"));
    metin +=
        QStringLiteral(", GMT : ") + (tz > 0 ? QStringLiteral("+") : QString()) + Sayi::Yerel(tz);
    return metin;
}

QString KonumOkunamadi(const QString& bozuk)
{
    return QStringLiteral("Kayıtlı Şehir / Bölge okunamadı (%1); %2 gösteriliyor.\r\n"
                          "Lütfen Listeden bir Şehir / Bölge seçiniz.")
        .arg(bozuk, SeciliKonum().Sehir);
}

QString YontemOnayMetni(int index)
{
    const HesapYontemi* y = HesapYontemiBul(index);
    if (!y)
        return QString();
    const QString crlf = QStringLiteral("\r\n");
    return y->Ad + (y->Standart ? QStringLiteral(" (Standart) : ") : QStringLiteral(" : ")) + crlf +
           crlf + y->AciMetni + crlf + crlf + y->BolgeMetni + crlf + crlf +
           QStringLiteral("Namaz Vakti Hesap türleri İmsak ve Yatsı hesap açıları üzerinde "
                          "farklılık gösterir.") +
           crlf +
           QStringLiteral("Seçtiğiniz Vakit Hesap yönteminin bulunduğunuz bölgeye uygun "
                          "olduğundan emin olmak için bölgenize ait güvenilir vakit bilgileri "
                          "ile kıyaslayınız.") +
           crlf +
           QStringLiteral("Bu hesap yöntemleri ile ilgili bilgi sahibi değilseniz lütfen bu "
                          "ayarı değiştirmeyiniz.") +
           crlf + crlf + QStringLiteral("Vakit Hesap Yöntemini '") + y->Ad +
           QStringLiteral("' olarak değiştirmek istediğinize emin misiniz ?");
}

} // namespace BolgeselMetinler
