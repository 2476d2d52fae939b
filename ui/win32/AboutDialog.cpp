// The about dialog.
#include "AboutDialog.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

#include "Resources.h"
#include "Win32Ui.h"

namespace velmora::win32 {

namespace {
constexpr wchar_t kClass[] = L"TfrmAbout";
constexpr int kClientWidth = 355, kClientHeight = 326;

std::wstring fromUtf8(const char* text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(std::size_t(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), n);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::wstring programFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0)
            return {};
        if (n < path.size())
            break;
        path.resize(path.size() * 2);
    }
    std::wstring folder(path.data());
    return folder.substr(0, folder.find_last_of(L'\\'));
}

void openWithShell(HWND owner, const std::wstring& address) {
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}
} // namespace

std::wstring supportAddress(const std::wstring& configured, const std::wstring& folder) {
    if (!configured.empty())
        return configured;
    const std::wstring page = folder + L"\\help.html";
    std::vector<wchar_t> url(page.size() * 3 + 16);
    DWORD size = DWORD(url.size());
    if (FAILED(UrlCreateFromPathW(page.c_str(), url.data(), &size, 0)))
        return page;
    return url.data();
}

std::wstring supportAddress() {
    return supportAddress(fromUtf8(VELMORA_SUPPORT_URL), programFolder());
}

TfrmAbout::TfrmAbout(HWND owner, const std::wstring& address)
    : openUrl(openWithShell), owner_(owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(kClass, windowProc, GetSysColorBrush(COLOR_BTNFACE));
    const DWORD style = WS_CAPTION | WS_SYSMENU, exStyle = WS_EX_DLGMODALFRAME;
    RECT r{0, 0, kClientWidth + 2 * Margin, kClientHeight + 2 * Margin};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    hwnd_ = CreateWindowExW(exStyle, kClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, owner, nullptr, instance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, LONG_PTR(this));
    banner_ =
        HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(VELMORA_BANNER_ID), IMAGE_BITMAP, 0, 0, 0));
    icon_ = HICON(LoadImageW(instance, MAKEINTRESOURCEW(VELMORA_ICON_ID), IMAGE_ICON, 32, 32, 0));

    makeControl(hwnd_, L"STATIC", L"", SS_LEFTNOWORDWRAP, IdVersion, Margin + 24, Margin + 236, 281,
                13);
    // The address and one blank, as wide as its text.
    const std::wstring linkText = address + L" ";
    link_ = makeControl(hwnd_, L"STATIC", linkText.c_str(), SS_LEFTNOWORDWRAP | SS_NOTIFY, IdLink,
                        Margin + 88, Margin + 256, textWidth(underlinedFont(), linkText), 13);
    SendMessageW(link_, WM_SETFONT, WPARAM(underlinedFont()), FALSE);
    makeControl(hwnd_, L"STATIC", L"技术支持：", SS_LEFTNOWORDWRAP, IdSupport, Margin + 24,
                Margin + 257, 60, 13);
    makeControl(hwnd_, L"BUTTON", L"确定", BS_PUSHBUTTON | WS_TABSTOP, IdOk, Margin + 288,
                Margin + 296, 51, 25);
    guarded([this] { FormCreate(); });
}

void TfrmAbout::FormCreate() {
    SetWindowTextW(hwnd_, ApplicationTitle);
    SetDlgItemTextW(hwnd_, IdVersion, (std::wstring(ApplicationTitle) + L"1.4").c_str());
}

int TfrmAbout::ShowModal() {
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOver(hwnd_, owner_);
    }
    result_ = IDCANCEL;
    runModal(hwnd_, owner_, GetDlgItem(hwnd_, IdOk));
    return result_;
}

void TfrmAbout::Label1Click() {
    std::wstring address(GetWindowTextLengthW(link_) + 1, L'\0');
    address.resize(std::size_t(GetWindowTextW(link_, address.data(), int(address.size()))));
    if (!address.empty() && address.back() == L' ')
        address.pop_back();
    openUrl(hwnd_, address);
}

void TfrmAbout::paint(HDC dc) const {
    // The banner without its white: the colour of its bottom-left pixel shows the background.
    if (banner_) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, banner_);
        const COLORREF transparent = GetPixel(source, 0, BannerHeight - 1);
        TransparentBlt(dc, Margin, Margin, BannerWidth, BannerHeight, source, 0, 0, BannerWidth,
                       BannerHeight, transparent);
        SelectObject(source, old);
        DeleteDC(source);
    }
    if (icon_)
        DrawIconEx(dc, Margin, Margin, icon_, 32, 32, 0, nullptr, DI_NORMAL);
    // Shape1: the rule under the banner, a black outline around a white fill.
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, Margin, Margin + 220, Margin + BannerWidth, Margin + 223);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

LRESULT CALLBACK TfrmAbout::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TfrmAbout*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        self->paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        DefWindowProcW(hwnd, WM_ERASEBKGND, wParam, 0);
        self->paint(HDC(wParam));
        return 0;
    case WM_SETCURSOR:
        if (HWND(wParam) == self->link_) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdOk && HIWORD(wParam) == BN_CLICKED) {
            self->result_ = 1;
            endModal(hwnd);
        } else if (LOWORD(wParam) == IDCANCEL) {
            endModal(hwnd);
        } else if (LOWORD(wParam) == IdLink && HIWORD(wParam) == STN_CLICKED) {
            guarded([self] { self->Label1Click(); });
        }
        return 0;
    case WM_CLOSE:
        endModal(hwnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace velmora::win32
