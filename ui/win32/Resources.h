// The ids of the Windows program's resources, for velmora.rc and the code alike (hence macros:
// the resource compiler reads no C++).
#pragma once

#define VELMORA_ICON_ID 1   // the program's icon: one image, 32 x 32, 256 colours
#define VELMORA_BANNER_ID 2 // the about dialog's banner: 354 x 217, 16 colours
