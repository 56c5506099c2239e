#pragma once

#include <QColor>

// The one palette of the skin: soft greens on white. Every picture takes its colours from here
// so that a change of tone stays consistent across windows and controls.
namespace SkinPalette {

// Window ground, behind the white panels: a pale sage that darkens slightly downwards.
inline const QColor zeminUst{0xEE, 0xF6, 0xF0};
inline const QColor zeminAlt{0xDC, 0xEE, 0xE2};
inline const QColor pencereCizgi{0x7F, 0xB8, 0x96};

// Title strip.
inline const QColor baslikUst{0x4F, 0xA8, 0x7C};
inline const QColor baslikAlt{0x34, 0x86, 0x60};
inline const QColor baslikParlak{0x8C, 0xCC, 0xA8};
inline const QColor baslikYazi{0xFF, 0xFF, 0xFF};

// White panels.
inline const QColor panel{0xFF, 0xFF, 0xFF};
inline const QColor panelCizgi{0xC6, 0xE1, 0xD0};
inline const QColor panelGolge{0x3A, 0x6E, 0x50, 0x22};

// Accent greens: glyphs, selected tab, primary button.
inline const QColor vurgu{0x45, 0xA5, 0x75};
inline const QColor vurguKoyu{0x2F, 0x7E, 0x58};
inline const QColor vurguAcik{0x6C, 0xC0, 0x94};
inline const QColor vurguSoluk{0xD7, 0xEE, 0xE0};
inline const QColor vurguCokSoluk{0xEC, 0xF7, 0xF0};

// Neutral greys for disabled looks and the cancel button.
inline const QColor gri{0x9A, 0xA6, 0x9F};
inline const QColor griAcik{0xE6, 0xEA, 0xE8};
inline const QColor griCizgi{0xC4, 0xCC, 0xC8};

// Close button hover: a muted red that stays calm next to the greens.
inline const QColor kapatKirmizi{0xD8, 0x5C, 0x52};
inline const QColor kapatKirmiziKoyu{0xB8, 0x47, 0x3E};

// Text grey of the labels, used here only for the neutral button glyphs.
inline const QColor yazi{0x40, 0x40, 0x40};

} // namespace SkinPalette
