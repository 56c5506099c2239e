#pragma once

// What is played: a warning never cuts off a playing ezan.
enum class SesTuru
{
    Ezan,  // the call to prayer at the start of a period (also from BtnEzan)
    Uyari, // the warning sound after the advance-warning popup
};
