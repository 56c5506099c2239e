#include "shell/DiniGunSatirlari.h"

#include "engine/DiniGunler.h"

std::vector<DiniGunSatirlari::Satir> DiniGunSatirlari::Yili(int yil, int hicriGun,
                                                            const QDate& bugun)
{
    // The next day may lie in the year after today's: after the last night of December.
    DiniGun siradaki;
    for (int y : {bugun.year(), bugun.year() + 1}) {
        for (const DiniGun& g : DiniGunler::Yili(y, hicriGun))
            if (g.Tarih >= bugun) {
                siradaki = g;
                break;
            }
        if (siradaki.Tarih.isValid())
            break;
    }

    std::vector<Satir> satirlar;
    for (const DiniGun& g : DiniGunler::Yili(yil, hicriGun)) {
        Satir s;
        s.Ad = g.Ad;
        s.Tarih = MiladiTarih(g.Tarih) + u' ' + HaftaGunu(g.Tarih);
        s.Hicri = HicriMetni(g.Hicri);
        if (g.Tarih < bugun) {
            s.Hal = Durum::Gecmis;
        } else if (g.Tarih == siradaki.Tarih && g.Anahtar == siradaki.Anahtar) {
            s.Hal = Durum::Siradaki;
            const qint64 gun = bugun.daysTo(g.Tarih);
            s.Kalan = gun > 0  ? QStringLiteral("%1 gün kaldı").arg(gun)
                      : g.Gece ? QStringLiteral("Bu gece")
                               : QStringLiteral("Bugün");
        }
        satirlar.push_back(std::move(s));
    }
    return satirlar;
}
