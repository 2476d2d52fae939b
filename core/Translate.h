// The core's texts in the user's language: every text the core composes for the user goes
// through coreTranslate(), which the application points at its catalogs. lupdate finds the calls
// with `-tr-function-alias translate+=coreTranslate`, so the source texts stay in the core.
#pragma once

#include <initializer_list>

#include "Text.h"

namespace velmora {

// Turns a source text (UTF-8, the program's Chinese) into the user's language. n >= 0 picks the
// plural form and replaces "%n" with its digits, as QCoreApplication::translate does.
using TranslateFunction = Text (*)(const char* context, const char* source,
                                   const char* disambiguation, int n);

// Installs the application's translation, before any thread that composes texts starts; nullptr
// brings back the source texts.
void setTranslateFunction(TranslateFunction translate);

// The text in the user's language: through the installed function, or the source text with "%n"
// replaced when none is installed. Same parameters as QCoreApplication::translate.
Text coreTranslate(const char* context, const char* source, const char* disambiguation = nullptr,
                   int n = -1);

// "%n" replaced by the decimal digits of n (when n >= 0).
Text withCount(Text text, int n);

// "%1" … "%9" replaced by the arguments, in one pass from the left, so that an argument that
// holds "%2" stays as it is.
Text withArguments(TextView text, std::initializer_list<TextView> arguments);

} // namespace velmora
