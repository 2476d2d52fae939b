// Linked into every test executable: the tests speak the program's source language, Simplified
// Chinese, whatever the machine's locale, since the texts they assert are the source texts. It is
// set before main, so the programs the tests start inherit it; a LANGUAGE given in the
// environment, or set by a test, wins.
#include <cstdlib>

namespace {
[[maybe_unused]] const int languageSet = ::setenv("LANGUAGE", "zh_CN", 0);
} // namespace
