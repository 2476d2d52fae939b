// The Windows windows' shared pieces.
#include "Win32Ui.h"

#include <commctrl.h>

#include <algorithm>

#include "core/Errors.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

void initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HFONT windowFont() {
    static HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    return font;
}

HFONT underlinedFont() {
    static HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    return font;
}

int textWidth(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return int(size.cx);
}

namespace {
constexpr wchar_t kModalProperty[] = L"velmoraModal";
} // namespace

void runModal(HWND dialog, HWND owner, HWND focus) {
    SetPropW(dialog, kModalProperty, HANDLE(1));
    EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    if (focus)
        SetFocus(focus);
    MSG msg;
    while (GetPropW(dialog, kModalProperty)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) // the loop outside ends too
                PostQuitMessage(int(msg.wParam));
            break;
        }
        if (IsDialogMessageW(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RemovePropW(dialog, kModalProperty);
    EnableWindow(owner, TRUE);
    ShowWindow(dialog, SW_HIDE);
    SetActiveWindow(owner);
}

void endModal(HWND dialog) {
    RemovePropW(dialog, kModalProperty);
    PostMessageW(dialog, WM_NULL, 0, 0);
}

void centreOver(HWND dialog, HWND owner) {
    RECT d{}, o{}, desktop{};
    GetWindowRect(dialog, &d);
    GetWindowRect(owner, &o);
    GetWindowRect(GetDesktopWindow(), &desktop);
    const LONG x = o.left + ((o.right - o.left) - (d.right - d.left)) / 2;
    const LONG y = o.top + ((o.bottom - o.top) - (d.bottom - d.top)) / 2;
    SetWindowPos(dialog, nullptr, std::max(x, desktop.left), std::max(y, desktop.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
