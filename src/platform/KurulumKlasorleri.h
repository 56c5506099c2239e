#pragma once

#include <QString>

// Where the programs find their files. A portable folder keeps everything beside the
// programs; an installed system keeps data.db and the sounds in ../share/orvanel (read-only
// for users) and each user's added places in the user's own data folder.
namespace KurulumKlasorleri {

// The folder of data.db and the sounds, ending in "/": the programs' folder when data.db is
// there, else ../share/orvanel beside it when data.db is there, else the programs' folder
// (whose missing data.db the program then reports).
QString Veri(const QString& programKlasoru);
// The user's own data folder ($XDG_DATA_HOME/Orvanel, ~/.local/share/Orvanel), for the copy
// of data.db that holds the places the user adds to a read-only install.
QString Kullanici();

} // namespace KurulumKlasorleri
