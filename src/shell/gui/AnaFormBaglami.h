#pragma once

#include "shell/Program.h"

class MesajKutusu;
class TepsiSimgesi;

// What the main window is given from outside: what the program is given, the message boxes
// and the notification area. main() hands it the real ones; tests hand it a fixed clock, a
// folder of their own, a box that answers and an area that is there or not.
struct AnaFormBaglami : ProgramBaglami
{
    MesajKutusu* Mesaj = nullptr;
    TepsiSimgesi* Tepsi = nullptr; // the notification area; null: the real one
};
