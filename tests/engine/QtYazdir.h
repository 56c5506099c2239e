#pragma once

// Moved to tests/support.
#include "support/QtYazdir.h"
