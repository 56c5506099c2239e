#pragma once

#include <QString>

// The product's and the maker's web sites (build settings ORVANEL_URUN_ADRESI and
// ORVANEL_YAPIMCI_ADRESI). The product address may be overridden by the environment variable
// of the same name, so that tests send the suggestion request to a server of their own.
namespace WebAdresleri {

QString Urun();
QString Yapimci();
// The host of an address ("orvanel.example.org"), or the text when it has none.
QString Host(const QString& adres);

} // namespace WebAdresleri
