#include "platform/Saat.h"
