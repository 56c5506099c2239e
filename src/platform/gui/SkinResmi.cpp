#include "platform/gui/SkinResmi.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The pictures OnYukle decodes, each handed over as soon as it is ready.
struct OnYukleme
{
    std::mutex kilit;
    std::condition_variable hazir;
    QStringList adlar;               // in the order they are decoded
    QHash<QString, QImage> resimler; // decoded, not yet taken
    int biten = 0;                   // how many of adlar are decoded
    std::thread isci;

    ~OnYukleme()
    {
        if (isci.joinable())
            isci.join();
    }
};

OnYukleme& Onyukleme()
{
    static OnYukleme o;
    return o;
}

// The picture if OnYukle was asked for it: waits until it is decoded.
std::optional<QImage> OnYuklenmis(const QString& ad)
{
    OnYukleme& o = Onyukleme();
    std::unique_lock<std::mutex> kilit(o.kilit);
    const int sira = int(o.adlar.indexOf(ad));
    if (sira < 0)
        return std::nullopt;
    o.hazir.wait(kilit, [&] { return o.biten > sira; });
    const auto bulunan = o.resimler.find(ad);
    if (bulunan == o.resimler.end())
        return std::nullopt; // taken before
    QImage resim = std::move(*bulunan);
    o.resimler.erase(bulunan);
    return resim;
}

} // namespace

void SkinResmi::OnYukle(const QStringList& adlar)
{
    OnYukleme& o = Onyukleme();
    if (o.isci.joinable())
        return;
    o.adlar = adlar;
    o.isci = std::thread([&o, adlar] {
        for (const QString& ad : adlar) {
            QImage resim(QStringLiteral(":/skin/") + ad + QStringLiteral(".png"));
            const std::lock_guard<std::mutex> kilit(o.kilit);
            o.resimler.insert(ad, std::move(resim));
            ++o.biten;
            o.hazir.notify_all();
        }
    });
}

void SkinResmi::OnYuklemeyiBitir()
{
    OnYukleme& o = Onyukleme();
    if (o.isci.joinable())
        o.isci.join();
}

QPixmap SkinResmi::yukle(const QString& ad, qreal oran)
{
    if (oran <= 0)
        oran = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (oran <= 1.0) {
        if (std::optional<QImage> hazir = OnYuklenmis(ad); hazir && !hazir->isNull())
            return QPixmap::fromImage(std::move(*hazir));
    }
    const QString yol = QStringLiteral(":/skin/") + ad;
    if (oran > 1.0) {
        QPixmap iki(yol + QStringLiteral("@2x.png"));
        if (!iki.isNull()) {
            iki.setDevicePixelRatio(2.0);
            return iki;
        }
    }
    return QPixmap(yol + QStringLiteral(".png"));
}

QIcon SkinResmi::programSimgesi()
{
    QIcon simge;
    simge.addPixmap(yukle(QStringLiteral("simge_16")));
    for (int n : {24, 32, 48})
        simge.addFile(QStringLiteral(":/skin/simge_%1.png").arg(n), QSize(n, n));
    return simge;
}
