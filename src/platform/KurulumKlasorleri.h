#pragma once

#include <QString>

// Where the programs find their files. A portable folder keeps everything beside the
// programs; an installed system keeps data.db and the sounds in ../share/orvanel and each
// user's added places in the user's own data folder.
namespace KurulumKlasorleri {

// The folder of data.db and the sounds, ending in "/": the programs' folder when data.db is
// there, else ../share/orvanel beside it when data.db is there (the installed layout), else
// the programs' folder (whose missing data.db the program then reports).
QString Veri(const QString& programKlasoru);
// The folder of the user's own copy of data.db ($XDG_DATA_HOME/Orvanel,
// ~/.local/share/Orvanel; %LOCALAPPDATA%\Orvanel on Windows), which holds the places the user
// adds: always for the installed layout (on Windows: a copy inside Program Files), whoever
// runs it, and for a portable folder that cannot be written. Empty for a writable portable
// folder, whose own data.db takes them.
QString Kullanici(const QString& programKlasoru);

} // namespace KurulumKlasorleri
