// Takes the Windows screenshots in docs/ under Wine: starts velmora.exe, opens its windows as a
// user would and has scripts/windows-screenshots.sh take each picture, frame and all, from the
// X server.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {
const wchar_t kProperty[] = L"velmoraInstance";

HWND marked() {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetPropW(w, kProperty))
            return w;
    return nullptr;
}

HWND visible(const wchar_t* cls, DWORD pid) {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(w, name, 63);
        DWORD p = 0;
        GetWindowThreadProcessId(w, &p);
        if (p == pid && IsWindowVisible(w) && std::wstring(name) == cls)
            return w;
    }
    return nullptr;
}

template <class F> HWND wait(F f) {
    for (int i = 0; i < 400; ++i) {
        if (HWND w = f())
            return w;
        Sleep(50);
    }
    return nullptr;
}

// Asks the X side to take the picture of a rectangle of the screen (frames and all) and waits.
void save(const RECT& r, const std::wstring& path) {
    const std::wstring rect = path + L".rect", done = path + L".done";
    if (FILE* f = _wfopen((rect + L".tmp").c_str(), L"w")) {
        fprintf(f, "%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        fclose(f);
    }
    MoveFileW((rect + L".tmp").c_str(), rect.c_str());
    for (int i = 0; i < 200 && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(50);
    DeleteFileW(done.c_str());
}

RECT rectOf(HWND w) {
    Sleep(300); // what was just shown is painted
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

RECT unite(RECT a, RECT b) {
    RECT r;
    UnionRect(&r, &a, &b);
    return r;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    const std::wstring dir = argv[2];
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return 3;
    HWND form = wait(marked);
    if (!form)
        return 4;
    wait([&] { return IsWindowVisible(form) ? form : nullptr; });
    Sleep(2000);
    save(rectOf(form), dir + L"\\windows-main-window");

    // The analysis dialog, by days: 250.
    HWND daysEdit = GetWindow(GetDlgItem(form, 1006), GW_CHILD);
    SendMessageW(daysEdit, EM_SETSEL, 0, -1);
    for (const wchar_t c : {L'2', L'5', L'0'})
        SendMessageW(daysEdit, WM_CHAR, c, 1);
    Sleep(300);
    PostMessageW(GetDlgItem(form, 1004), BM_CLICK, 0, 0);
    HWND analysis = wait([&] { return visible(L"TfrmAnalyze", pi.dwProcessId); });
    Sleep(1500);
    if (analysis) {
        save(rectOf(analysis), dir + L"\\windows-analysis-dialog");
        PostMessageW(analysis, WM_CLOSE, 0, 0);
    }
    Sleep(800);

    // The Find dialog over the window, after one search for "core".
    PostMessageW(GetDlgItem(form, 1009), BM_CLICK, 0, 0);
    HWND find = wait([&] { return visible(L"#32770", pi.dwProcessId); });
    if (find) {
        SendMessageW(GetDlgItem(find, 0x480), WM_SETTEXT, 0, LPARAM(L"core"));
        Sleep(300);
        PostMessageW(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Sleep(1500);
        const RECT f = rectOf(form), d = rectOf(find);
        SetWindowPos(find, HWND_TOP, f.left + ((f.right - f.left) - (d.right - d.left)) / 2,
                     f.top + 150, 0, 0, SWP_NOSIZE);
        Sleep(800);
        save(rectOf(form), dir + L"\\windows-find-dialog");
        PostMessageW(find, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    Sleep(800);

    // The item menu of the third row.
    HWND list = GetDlgItem(form, 1001);
    SetForegroundWindow(form);
    const int rowHeight = 17;
    HWND header = GetWindow(list, GW_CHILD);
    const int top = header ? rectOf(header).bottom - rectOf(list).top : 20;
    const LPARAM at = MAKELPARAM(40, top + 2 * rowHeight + 6);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    Sleep(800);
    POINT p{40 + 30, top + 2 * rowHeight + 6};
    ClientToScreen(list, &p);
    PostMessageW(form, WM_CONTEXTMENU, WPARAM(list), MAKELPARAM(p.x, p.y));
    HWND menu = wait([&] { return visible(L"#32768", pi.dwProcessId); });
    Sleep(1200);
    if (menu) {
        save(unite(rectOf(form), rectOf(menu)), dir + L"\\windows-item-menu");
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    Sleep(800);
    PostMessageW(form, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    return 0;
}
