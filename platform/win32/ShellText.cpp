// Shell texts as the core's texts.
#include "ShellText.h"

#include <shlwapi.h>

#include <algorithm>

namespace velmora::win32 {

Text fromWide(const wchar_t* wide) {
    if (!wide)
        return {};
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return Text(reinterpret_cast<const char16_t*>(wide));
}

std::wstring toWide(TextView text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

Text withoutDateMarks(Text text) {
    if (text.size() >= 2 && text[0] == u'?' && text[1] >= u'0' && text[1] <= u'9')
        text.erase(std::remove(text.begin(), text.end(), u'?'), text.end());
    return text;
}

Text fromStrRet(STRRET& value, PCUITEMID_CHILD item) {
    wchar_t* wide = nullptr;
    if (FAILED(StrRetToStrW(&value, item, &wide)))
        return {};
    Text text = fromWide(wide);
    CoTaskMemFree(wide);
    return withoutDateMarks(std::move(text));
}

} // namespace velmora::win32
