#pragma once

#include "platform/PlateformeVirtuelle.h"

// The tests drive the program on the virtual platform.
using PlateformeFactice = PlateformeVirtuelle;
