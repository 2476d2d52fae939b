// The Windows windows' shared pieces.
#include "Win32Ui.h"

#include "core/Errors.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

HFONT windowFont() {
    static HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    return font;
}

void showInformation(HWND owner, TextView text) {
    MessageBoxW(owner, toWide(text).c_str(), ApplicationTitle, MB_OK | MB_ICONINFORMATION);
}

void guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        const std::wstring text = toWide(shownErrorText(std::current_exception()));
        MessageBoxW(GetActiveWindow(), text.c_str(), ApplicationTitle, MB_OK | MB_ICONERROR);
    }
}

HWND makeControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                 int x, int y, int width, int height) {
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                   height, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(windowFont()), TRUE);
    return control;
}

} // namespace velmora::win32
