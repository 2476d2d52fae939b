// The texts the Windows shell hands back (headings, detail texts, names), as the list shows them.
#pragma once

#include <windows.h>

#include <shtypes.h>

#include "core/Text.h"

namespace velmora::win32 {

// A wide Win32 string as the core's text (both are UTF-16); null gives an empty text.
Text fromWide(const wchar_t* wide);
// The core's text as a wide string for a Win32 call.
std::wstring toWide(TextView text);

// The shell's STRRET for `item` as text (StrRetToStrW frees what it holds); a text of at least
// two characters that begins with "?" and a digit loses every "?" (the marks some shells put
// around the parts of a date).
Text fromStrRet(STRRET& value, PCUITEMID_CHILD item);

// The "?" rule alone.
Text withoutDateMarks(Text text);

} // namespace velmora::win32
