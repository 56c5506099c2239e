#pragma once

#include "engine/VakitGirdisi.h"

// The place and options used when the command line names none: the first-run place
// (İstanbul, "Türkiye", Tz 2, 41.02, 28.97, method 0, daylight saving on, no Hijri correction).
// The one place to change when the stored settings take over.
VakitGirdisi VarsayilanGirdi();
