// The sprite sheets and the copy of their rectangles onto the screen.
#pragma once

#include "platform/canvas.h"

namespace annals {

// mode 1 creates and loads every sheet; any other mode loads the files again.
void LoadSurfaces(int mode);
void FreeSurfaces();

} // namespace annals
