#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

// Sends the suggestion about an added place: one GET whose reply is read by no one. A
// failure (no network, no server, an error status) is silent and nothing waits for it.
class OneriGonderici : public QObject
{
    Q_OBJECT
public:
    explicit OneriGonderici(QObject* parent = nullptr);

    void Gonder(const QUrl& adres);

signals:
    // A request has been handed to the network.
    void Gonderildi(const QUrl& adres);

private:
    QNetworkAccessManager ag_;
};
