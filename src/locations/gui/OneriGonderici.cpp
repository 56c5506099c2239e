#include "locations/gui/OneriGonderici.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// A server that accepts and never answers must not keep the reply for the rest of the run.
constexpr int BeklemeSuresi = 30000; // ms

} // namespace

OneriGonderici::OneriGonderici(QObject* parent) : QObject(parent) {}

void OneriGonderici::Gonder(const QUrl& adres)
{
    QNetworkRequest istek(adres);
    istek.setTransferTimeout(BeklemeSuresi);
    QNetworkReply* cevap = ag_.get(istek);
    // The answer is not read; the reply goes when it is finished, whatever its outcome.
    connect(cevap, &QNetworkReply::finished, cevap, &QObject::deleteLater);
    emit Gonderildi(adres);
}
