// The Windows main window in the test's own process, over a Recycle Bin of its own (make-trash,
// with the items' original folders inside the build folder): the shell's item menu and the rename
// of an item, Find, the layout, the about dialog and the analysis dialog's pie.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <set>
#include <thread>
#include <vector>

#include "core/PieChartLayout.h"
#include "core/PieGeometry.h"
#include "platform/win32/ShellText.h"
#include "platform/win32/WindowsLocale.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/Win32Ui.h"

using namespace velmora;
using namespace velmora::win32;
namespace fs = std::filesystem;

namespace {
TForm1* pumped = nullptr; // the window whose loop pump() stands in for

// Handles the messages waiting, for a while, as the program's loop does.
void pump(int milliseconds = 100) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (pumped && pumped->preTranslateMessage(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (std::chrono::steady_clock::now() < end);
}

// The trash folder as Windows sees it: XDG_DATA_HOME on Wine's drive Z:.
fs::path trashFolder() {
    const wchar_t* home = _wgetenv(L"XDG_DATA_HOME");
    std::wstring path = std::wstring(L"Z:") + (home ? home : L"");
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return fs::path(path) / L"Trash";
}

std::set<std::wstring> storedNames() {
    std::set<std::wstring> names;
    for (const auto& e : fs::directory_iterator(trashFolder() / L"files"))
        names.insert(e.path().filename().wstring());
    return names;
}

std::size_t storedCount() {
    return storedNames().size();
}

// The next pop-up menu that opens on this thread: its entries are read, then the keys are
// pressed in it (by a thread timer, which the menu's own loop dispatches).
class MenuChooser {
public:
    explicit MenuChooser(std::vector<WORD> keys) {
        keys_ = std::move(keys);
        entries_.clear();
        opened_ = false;
        timer_ = SetTimer(nullptr, 0, 50, tick);
    }
    ~MenuChooser() { KillTimer(nullptr, timer_); }
    bool opened() const { return opened_; }
    const std::vector<std::wstring>& entries() const { return entries_; }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup || !IsWindowVisible(popup) || opened_)
            return;
        opened_ = true;
        KillTimer(nullptr, id);
        auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            GetMenuStringW(menu, UINT(i), text, 127, MF_BYPOSITION);
            entries_.push_back(text);
        }
        for (const WORD key : keys_) {
            PostMessageW(popup, WM_KEYDOWN, key, 1);
            PostMessageW(popup, WM_KEYUP, key, LPARAM(0xC0000001));
        }
    }
    static inline std::vector<WORD> keys_;
    static inline std::vector<std::wstring> entries_;
    static inline bool opened_ = false;
    UINT_PTR timer_ = 0;
};

// Answers every message box of this process with the first of its buttons that is one of
// `buttons`, keeping each box's text.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<int> buttons) : buttons_(std::move(buttons)) {
        thread_ = std::thread([this] {
            while (!stop_) {
                Sleep(50);
                for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w;
                     w = GetWindow(w, GW_HWNDNEXT)) {
                    wchar_t name[16] = {};
                    GetClassNameW(w, name, 15);
                    DWORD process = 0;
                    GetWindowThreadProcessId(w, &process);
                    // Dialogs of this process; not the Find dialog (its text box is edt1).
                    if (process != GetCurrentProcessId() || std::wstring(name) != L"#32770" ||
                        !IsWindowVisible(w) || w == answered_ || GetDlgItem(w, edt1))
                        continue;
                    wchar_t text[1024] = {};
                    GetDlgItemTextW(w, 0xFFFF, text, 1023);
                    texts_.push_back(text);
                    for (const int b : buttons_)
                        if (GetDlgItem(w, b)) {
                            PostMessageW(w, WM_COMMAND, MAKEWPARAM(b, BN_CLICKED), 0);
                            break;
                        }
                    answered_ = w;
                }
            }
        });
    }
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    // The texts of the boxes answered so far.
    std::vector<std::wstring> texts() const { return texts_; }

private:
    std::vector<int> buttons_;
    std::vector<std::wstring> texts_;
    std::atomic<bool> stop_{false};
    HWND answered_ = nullptr;
    std::thread thread_;
};

std::wstring itemText(HWND list, int row, int column) {
    wchar_t text[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 511;
    SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
    return text;
}

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        loadUserFormatSettings();
    }
    static void TearDownTestSuite() { OleUninitialize(); }
    void SetUp() override {
        form = std::make_unique<TForm1>();
        pumped = form.get();
        ShowWindow(form->handle(), SW_SHOWNORMAL);
        pump();
    }
    void TearDown() override {
        DestroyWindow(form->handle());
        pumped = nullptr;
        form.reset();
        pump(50);
    }
    TShellListView& list() { return form->ShellListView1(); }
    HWND listWindow() { return list().handle(); }
    // A right-click's menu for the list, at the middle of the list.
    void contextMenu() {
        RECT r;
        GetWindowRect(listWindow(), &r);
        SendMessageW(form->handle(), WM_CONTEXTMENU, WPARAM(listWindow()),
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    // The row whose name is `name`, or -1.
    int rowNamed(const Text& name) {
        for (int i = 0; i < list().rowCount(); ++i)
            if (list().displayName(i) == name)
                return i;
        return -1;
    }

    std::unique_ptr<TForm1> form;
};
} // namespace

// Without a selected row no menu opens, by the mouse or the keyboard; with one, the shell's
// menu for its item does, and closing it changes nothing.
TEST_F(MainWindowTest, TheShellsMenuOpensOnlyForTheSelectedRow) {
    ASSERT_GT(list().rowCount(), 1);
    // The totals' walk leaves its last row selected, and the list where it stood.
    EXPECT_EQ(list().ItemIndex(), list().rowCount() - 1);
    EXPECT_EQ(list().topRow(), 0);
    list().setItemIndex(-1);
    ASSERT_EQ(list().ItemIndex(), -1);
    for (const LPARAM where : {MAKELPARAM(300, 300), LPARAM(-1)}) {
        BoxAnswerer answerer({IDOK});
        MenuChooser chooser({VK_ESCAPE});
        SendMessageW(form->handle(), WM_CONTEXTMENU, WPARAM(listWindow()), where);
        pump(200);
        EXPECT_FALSE(chooser.opened());
        EXPECT_TRUE(answerer.texts().empty());
    }
    list().setItemIndex(1);
    const int rows = list().rowCount();
    const Text name = list().displayName(1);
    for (const LPARAM where : {MAKELPARAM(300, 300), LPARAM(-1)}) {
        MenuChooser chooser({VK_ESCAPE});
        SendMessageW(form->handle(), WM_CONTEXTMENU, WPARAM(listWindow()), where);
        EXPECT_TRUE(chooser.opened());
        // Wine's menu of a Recycle Bin item: 还原(&R) and 擦除(&E).
        EXPECT_EQ(chooser.entries().size(), 2u);
        EXPECT_EQ(list().rowCount(), rows);
        EXPECT_EQ(list().ItemIndex(), 1);
        EXPECT_EQ(list().displayName(1), name);
    }
}

// The shell's first command restores the item to its original folder; its row stays until the
// next re-read, and the totals are not recomputed.
TEST_F(MainWindowTest, RestoreThroughTheShellsMenuKeepsTheRow) {
    const int rows = list().rowCount();
    const int row = rows - 1;
    const Text name = list().displayName(row);
    const fs::path folder = list().subItemText(row, 0);
    fs::create_directories(folder);
    const std::wstring total = [&] {
        wchar_t t[64] = {};
        GetDlgItemTextW(form->handle(), IdTotal, t, 63);
        return std::wstring(t);
    }();
    const std::size_t stored = storedCount();
    list().setItemIndex(row);
    {
        MenuChooser chooser({VK_DOWN, VK_RETURN});
        contextMenu();
        ASSERT_TRUE(chooser.opened());
    }
    pump();
    EXPECT_TRUE(fs::exists(folder / toWide(name))) << folder;
    EXPECT_EQ(storedCount(), stored - 1);
    EXPECT_EQ(list().rowCount(), rows);
    EXPECT_EQ(list().displayName(row), name);
    wchar_t after[64] = {};
    GetDlgItemTextW(form->handle(), IdTotal, after, 63);
    EXPECT_EQ(after, total);
    // The next re-read no longer has it.
    list().Refresh();
    EXPECT_EQ(list().rowCount(), rows - 1);
    EXPECT_EQ(rowNamed(name), -1);
}

// The shell's second command erases the item (a file: Wine's leaves a folder that holds anything)
// after its own question. Wine's menu gives the command no verb, so the list is read again only
// where the shell names it "delete".
TEST_F(MainWindowTest, EraseThroughTheShellsMenu) {
    const int rows = list().rowCount();
    int row = 0;
    while (row < rows &&
           !fs::is_regular_file(trashFolder() / L"files" / toWide(list().displayName(row))))
        ++row;
    ASSERT_LT(row, rows);
    const Text name = list().displayName(row);
    const std::size_t stored = storedCount();
    list().setItemIndex(row);
    const ShellItemMenu shellMenu(list().folder().folder(), list().folder().relativeId(row),
                                  nullptr);
    HMENU popup = CreatePopupMenu();
    ASSERT_TRUE(shellMenu.fill(popup));
    const bool namedDelete = shellMenu.verb(GetMenuItemID(popup, 1)) == "delete";
    DestroyMenu(popup);
    std::vector<std::wstring> boxes;
    {
        BoxAnswerer answerer({IDYES, IDOK});
        MenuChooser chooser({VK_DOWN, VK_DOWN, VK_RETURN});
        contextMenu();
        ASSERT_TRUE(chooser.opened());
        pump(300);
        boxes = answerer.texts();
    }
    ASSERT_EQ(boxes.size(), 1u); // the shell's question, and nothing of the program's own
    EXPECT_EQ(storedCount(), stored - 1);
    EXPECT_EQ(list().rowCount(), namedDelete ? rows - 1 : rows);
    list().Refresh();
    EXPECT_EQ(list().rowCount(), rows - 1);
    EXPECT_EQ(rowNamed(name), -1);
}

// The edit of a row's name, by the list's own gesture or by a call: under Wine no Recycle Bin
// item is renamable, so the row keeps its name, the item its stored name, and nothing is shown.
TEST_F(MainWindowTest, RenamingAnItemTheShellDoesNotLetRename) {
    const int row = 2;
    const Text name = list().displayName(row);
    const std::set<std::wstring> stored = storedNames();
    list().setItemIndex(row);
    std::vector<std::wstring> boxes;
    {
        BoxAnswerer answerer({IDOK});
        list().startRename(row);
        HWND edit = ListView_GetEditControl(listWindow());
        ASSERT_TRUE(edit);
        wchar_t shown[256] = {};
        GetWindowTextW(edit, shown, 255);
        EXPECT_EQ(fromWide(shown), name);
        SetWindowTextW(edit, L"new name.txt");
        SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        pump(300);
        EXPECT_FALSE(ListView_GetEditControl(listWindow()));
        boxes = answerer.texts();
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(list().displayName(row), name);
    EXPECT_EQ(fromWide(itemText(listWindow(), row, 0).c_str()), name);
    EXPECT_EQ(storedNames(), stored);
}

// A cancelled edit renames nothing either.
TEST_F(MainWindowTest, ACancelledEditRenamesNothing) {
    const Text name = list().displayName(0);
    list().startRename(0);
    HWND edit = ListView_GetEditControl(listWindow());
    ASSERT_TRUE(edit);
    SetWindowTextW(edit, L"other");
    SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    pump();
    EXPECT_FALSE(ListView_GetEditControl(listWindow()));
    EXPECT_EQ(list().displayName(0), name);
}

namespace {
// The Find dialog's controls (dlgs.h) and its Find Next.
void setFindText(HWND dialog, const Text& text) {
    SetDlgItemTextW(dialog, edt1, toWide(text).c_str());
}
void setChecked(HWND dialog, int id, bool checked) {
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
void setDown(HWND dialog, bool down) {
    setChecked(dialog, rad1, !down);
    setChecked(dialog, rad2, down);
}
void findNext(HWND dialog) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 LPARAM(GetDlgItem(dialog, IDOK)));
}
int topRow(HWND list) {
    return int(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
}

} // namespace

// 搜索 opens the system's Find dialog; Find Next searches the names down and up from the row
// after (or before) the last match, selects the match without moving the focus mark, and scrolls
// the list by the rows travelled; the end of the list is reported in a box. The two check boxes
// change nothing.
TEST_F(MainWindowTest, FindNextSearchesTheNamesAndScrollsByTheRowsTravelled) {
    const int count = list().rowCount();
    ASSERT_GE(count, 30);
    // A text that several rows contain: the commonest letter of the names.
    std::vector<Text> names;
    int frequency[128] = {};
    for (int i = 0; i < count; ++i) {
        names.push_back(list().displayName(i));
        for (const char16_t c : names.back())
            if ((c >= u'a' && c <= u'z'))
                ++frequency[c];
    }
    Text text(1, char16_t(std::max_element(frequency, frequency + 128) - frequency));
    const Text upper(1, char16_t(text[0] - u'a' + u'A'));
    const int perPage = int(SendMessageW(listWindow(), LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_LT(perPage, count);
    const int focused = int(ListView_GetNextItem(listWindow(), -1, LVNI_FOCUSED));

    SendDlgItemMessageW(form->handle(), IdSeek, BM_CLICK, 0, 0);
    pump();
    HWND dialog = form->FindDialog1().handle();
    ASSERT_TRUE(dialog && IsWindowVisible(dialog));
    EXPECT_EQ(form->SearchPos(), 0);
    EXPECT_EQ(topRow(listWindow()), 0);
    setFindText(dialog, text);

    // Where the list should stand: the matches as the names give them, the scrolling as a list
    // of `perPage` rows does it.
    int pos = 0, top = 0;
    auto expectStep = [&](bool down, const char* what) {
        std::vector<std::wstring> expectedBoxes;
        int match = -1;
        if ((down && pos > count - 1) || (!down && pos < 0)) {
            // Nothing to test on that side.
        } else if ((down && pos < 0) || (!down && pos >= count)) {
            expectedBoxes = {L"List index out of bounds (" + std::to_wstring(pos) + L")"};
        } else {
            for (int i = pos; i >= 0 && i < count && match < 0; i += down ? 1 : -1)
                if (names[std::size_t(i)].find(text) != Text::npos)
                    match = i;
            if (match < 0)
                expectedBoxes = {L"搜索结束！"};
        }
        const int selectedBefore = list().ItemIndex();
        BoxAnswerer answerer({IDOK});
        setDown(dialog, down);
        findNext(dialog);
        pump(50);
        EXPECT_EQ(answerer.texts(), expectedBoxes) << what;
        if (match >= 0) {
            top = std::clamp(top + match - pos, 0, count - perPage);
            pos = down ? match + 1 : match - 1;
            EXPECT_EQ(list().ItemIndex(), match) << what;
        } else {
            EXPECT_EQ(list().ItemIndex(), selectedBefore) << what;
        }
        EXPECT_EQ(form->SearchPos(), pos) << what;
        EXPECT_EQ(topRow(listWindow()), top) << what;
        EXPECT_EQ(ListView_GetNextItem(listWindow(), -1, LVNI_FOCUSED), focused) << what;
        return match;
    };
    int found = 0;
    while (expectStep(true, "down") >= 0 && found < count)
        ++found;
    EXPECT_GT(found, 2);
    expectStep(true, "down again at the end");
    expectStep(false, "up");
    expectStep(false, "up");

    // Whole word and match case ticked: still a substring, still case-sensitive.
    setChecked(dialog, chx1, true);
    setChecked(dialog, chx2, true);
    expectStep(false, "up, both boxes ticked");
    // The letter in capitals matches only the rows that hold the capital.
    setFindText(dialog, upper);
    text = upper;
    expectStep(false, "up, the capital");
    expectStep(true, "down, the capital");

    // 搜索 again while the dialog is open: the same dialog comes to the top with its state, the
    // search starts again from the first row and the list is at its top.
    SendDlgItemMessageW(form->handle(), IdSeek, BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(form->FindDialog1().handle(), dialog);
    EXPECT_EQ(form->SearchPos(), 0);
    EXPECT_EQ(topRow(listWindow()), 0);
    wchar_t kept[64] = {};
    GetDlgItemTextW(dialog, edt1, kept, 63);
    EXPECT_EQ(fromWide(kept), upper);

    // Closed and opened again: a new dialog with the same text, direction and boxes, also when
    // they were changed without a Find Next.
    setDown(dialog, false);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    pump();
    EXPECT_EQ(form->FindDialog1().handle(), nullptr);
    SendDlgItemMessageW(form->handle(), IdSeek, BM_CLICK, 0, 0);
    pump();
    dialog = form->FindDialog1().handle();
    ASSERT_TRUE(dialog && IsWindowVisible(dialog));
    GetDlgItemTextW(dialog, edt1, kept, 63);
    EXPECT_EQ(fromWide(kept), upper);
    EXPECT_EQ(IsDlgButtonChecked(dialog, rad1), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, chx1), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, chx2), BST_CHECKED);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    pump();
}

// A downward match on the last row leaves the next start beyond the list: upwards the list then
// refuses that row, and the box says so; downwards nothing happens.
TEST_F(MainWindowTest, AnUpwardSearchFromBeyondTheListIsRefused) {
    const int count = list().rowCount();
    const Text last = list().displayName(count - 1);
    SendDlgItemMessageW(form->handle(), IdSeek, BM_CLICK, 0, 0);
    pump();
    HWND dialog = form->FindDialog1().handle();
    ASSERT_TRUE(dialog);
    setFindText(dialog, last);
    setDown(dialog, true);
    for (int i = 0; i < count && form->SearchPos() != count; ++i) {
        findNext(dialog);
        pump(20);
    }
    ASSERT_EQ(form->SearchPos(), count);
    EXPECT_EQ(list().ItemIndex(), count - 1);
    {
        BoxAnswerer answerer({IDOK});
        findNext(dialog); // down: nothing
        pump(50);
        EXPECT_TRUE(answerer.texts().empty());
        setDown(dialog, false);
        findNext(dialog);
        pump(50);
        // A text ending in ")" gets no ".".
        EXPECT_EQ(answerer.texts(), std::vector<std::wstring>{L"List index out of bounds (" +
                                                              std::to_wstring(count) + L")"});
    }
    EXPECT_EQ(form->SearchPos(), count);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    pump();
}

namespace {
RECT placeIn(HWND parent, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top}; // left, top, width, height
}

bool samePlace(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A window's client area drawn by WM_PRINTCLIENT into a bitmap of its own.
class Rendering {
public:
    explicit Rendering(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        width_ = r.right;
        height_ = r.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_; // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        SendMessageW(window, WM_PRINTCLIENT, WPARAM(dc_), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    ~Rendering() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF at(int x, int y) const {
        const DWORD pixel = static_cast<const DWORD*>(bits_)[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int width_ = 0, height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};
} // namespace

// The window at its first size and enlarged and narrowed: the bottom group keeps its height and
// its controls their places in it; the list's group, the panel and the list take the rest; the
// about link stays whole inside a narrow window.
TEST_F(MainWindowTest, TheBottomGroupKeepsItsHeightWhenTheWindowIsResized) {
    HWND window = form->handle();
    auto resizeClient = [&](int width, int height) {
        RECT frame{0, 0, width, height};
        AdjustWindowRect(&frame, DWORD(GetWindowLongW(window, GWL_STYLE)), FALSE);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        pump(50);
        RECT client;
        GetClientRect(window, &client);
        return std::pair{int(client.right), int(client.bottom)};
    };
    std::vector<RECT> inGroup;
    for (const int id : {IdAnalyse, IdDelete, IdSeek, IdRbDate, IdRbDays, IdDtCeil, IdDays})
        inGroup.push_back(placeIn(GetDlgItem(window, IdGroupClean), GetDlgItem(window, id)));
    for (const auto& [w, h] : {std::pair{715, 491}, std::pair{900, 640}, std::pair{400, 300}}) {
        const auto [width, height] = resizeClient(w, h);
        ASSERT_EQ(width, w);
        ASSERT_EQ(height, h);
        const std::string what = std::to_string(w) + "x" + std::to_string(h);
        EXPECT_TRUE(
            samePlace(placeIn(window, GetDlgItem(window, IdGroupClean)), {0, h - 105, w, 105}))
            << what;
        EXPECT_TRUE(samePlace(placeIn(window, GetDlgItem(window, IdGroupList)), {0, 0, w, h - 105}))
            << what;
        EXPECT_TRUE(samePlace(placeIn(window, GetDlgItem(window, IdPanel)), {2, 15, 119, h - 122}))
            << what;
        EXPECT_TRUE(samePlace(placeIn(window, listWindow()), {121, 15, w - 123, h - 122})) << what;
        std::size_t i = 0;
        for (const int id : {IdAnalyse, IdDelete, IdSeek, IdRbDate, IdRbDays, IdDtCeil, IdDays})
            EXPECT_TRUE(samePlace(placeIn(GetDlgItem(window, IdGroupClean), GetDlgItem(window, id)),
                                  inGroup[i++]))
                << what << " " << id;
        EXPECT_TRUE(samePlace(placeIn(window, GetDlgItem(window, IdAbout)),
                              {std::min(519, w - 2 - 169), h - 105 + 64, 169, 13}))
            << what;
    }
}

// FormCreate sets the date picker 60 days back and the caption; the days box holds "60" and its
// list; 按日期 is chosen. Typing in the days box, or picking from its list, chooses 按天数.
TEST_F(MainWindowTest, TheDatePickerStartsSixtyDaysBackAndTheDaysBoxChoosesClearingByDays) {
    TDateTime march1 = 0;
    ASSERT_TRUE(tryEncodeDate(2020, 3, 1, march1));
    TForm1 other([march1] { return march1; });
    HWND window = other.handle();
    TDateTime january1 = 0;
    ASSERT_TRUE(tryEncodeDate(2020, 1, 1, january1));
    EXPECT_EQ(other.DtCeilDateTime(), january1);
    SYSTEMTIME shown{};
    ASSERT_EQ(SendDlgItemMessageW(window, IdDtCeil, DTM_GETSYSTEMTIME, 0, LPARAM(&shown)),
              GDT_VALID);
    EXPECT_EQ(shown.wYear, 2020);
    EXPECT_EQ(shown.wMonth, 1);
    EXPECT_EQ(shown.wDay, 1);
    wchar_t caption[32] = {};
    GetWindowTextW(window, caption, 31);
    EXPECT_STREQ(caption, L"Velmora");

    auto checked = [&](int id) { return IsDlgButtonChecked(window, id) == BST_CHECKED; };
    HWND days = GetDlgItem(window, IdDays);
    wchar_t text[16] = {};
    GetWindowTextW(days, text, 15);
    EXPECT_STREQ(text, L"60");
    EXPECT_EQ(SendMessageW(days, CB_GETCOUNT, 0, 0), 5);
    EXPECT_TRUE(checked(IdRbDate));
    EXPECT_FALSE(checked(IdRbDays));
    // The date picker changes nothing of the choice.
    SYSTEMTIME later = shown;
    later.wDay = 2;
    SendDlgItemMessageW(window, IdDtCeil, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&later));
    EXPECT_TRUE(checked(IdRbDate));

    HWND edit = GetWindow(days, GW_CHILD);
    ASSERT_TRUE(edit);
    SendMessageW(edit, WM_CHAR, L'1', 1); // the first key stroke
    EXPECT_TRUE(checked(IdRbDays));
    EXPECT_FALSE(checked(IdRbDate));

    SendDlgItemMessageW(window, IdRbDate, BM_CLICK, 0, 0);
    ASSERT_TRUE(checked(IdRbDate));
    SendMessageW(days, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(days, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(days, WM_KEYDOWN, VK_RETURN, 0);
    pump(50);
    EXPECT_TRUE(checked(IdRbDays));
    EXPECT_FALSE(checked(IdRbDate));
    DestroyWindow(window);
    pump(50);
}

// A double-click on a row opens nothing, reads nothing again and changes no total.
TEST_F(MainWindowTest, ADoubleClickOnARowChangesNothing) {
    HWND panel = GetDlgItem(form->handle(), IdPanel);
    wchar_t total[32] = {}, space[32] = {};
    GetDlgItemTextW(panel, IdTotal, total, 31);
    GetDlgItemTextW(panel, IdTotalSpace, space, 31);
    const int rows = list().rowCount();
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageW(listWindow(), LVM_GETITEMRECT, 1, LPARAM(&r));
    const LPARAM at = MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2);
    SendMessageW(listWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(listWindow(), WM_LBUTTONUP, 0, at);
    SendMessageW(listWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(listWindow(), WM_LBUTTONUP, 0, at);
    pump(100);
    EXPECT_EQ(list().rowCount(), rows);
    EXPECT_EQ(list().ItemIndex(), 1);
    wchar_t totalAfter[32] = {}, spaceAfter[32] = {};
    GetDlgItemTextW(panel, IdTotal, totalAfter, 31);
    GetDlgItemTextW(panel, IdTotalSpace, spaceAfter, 31);
    EXPECT_STREQ(totalAfter, total);
    EXPECT_STREQ(spaceAfter, space);
}

// The about link shows the about dialog modally, centred over the window: the caption, the name
// and version, the support link; every click on the link asks the shell to open the address
// without the trailing blank, the dialog staying open; 确定 closes it with 1.
TEST_F(MainWindowTest, TheAboutLinkShowsTheAboutDialog) {
    TfrmAbout& about = form->frmAbout();
    static std::vector<std::wstring> opened;
    static std::vector<bool> openWhileClicked;
    static std::vector<std::wstring> texts;
    static bool ownerDisabled = false;
    opened.clear();
    openWhileClicked.clear();
    texts.clear();
    about.openUrl = [&about](HWND owner, const std::wstring& address) {
        EXPECT_EQ(owner, about.handle());
        opened.push_back(address);
        openWhileClicked.push_back(IsWindowVisible(about.handle()) != FALSE);
    };
    static HWND dialog = nullptr;
    static HWND owner = nullptr;
    dialog = about.handle();
    owner = form->handle();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (!IsWindowVisible(dialog))
            return;
        KillTimer(nullptr, id);
        ownerDisabled = !IsWindowEnabled(owner);
        for (const int control :
             {0, TfrmAbout::IdVersion, TfrmAbout::IdLink, TfrmAbout::IdSupport, TfrmAbout::IdOk}) {
            wchar_t text[512] = {};
            GetWindowTextW(control ? GetDlgItem(dialog, control) : dialog, text, 511);
            texts.push_back(text);
        }
        HWND link = GetDlgItem(dialog, TfrmAbout::IdLink);
        for (int i = 0; i < 2; ++i) {
            SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }
        SendDlgItemMessageW(dialog, TfrmAbout::IdOk, BM_CLICK, 0, 0);
    });
    SendMessageW(form->handle(), WM_COMMAND, MAKEWPARAM(IdAbout, STN_CLICKED),
                 LPARAM(GetDlgItem(form->handle(), IdAbout)));
    KillTimer(nullptr, timer);
    pump(50);

    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(form->handle()));
    EXPECT_FALSE(IsWindowVisible(dialog));
    const std::wstring address = supportAddress();
    EXPECT_EQ(address.rfind(L"file:///", 0), 0u) << address;
    EXPECT_EQ(address.substr(address.size() - 10), L"/help.html");
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], L"Velmora");
    EXPECT_EQ(texts[1], L"Velmora1.4");
    EXPECT_EQ(texts[2], address + L" ");
    EXPECT_EQ(texts[3], L"技术支持：");
    EXPECT_EQ(texts[4], L"确定");
    EXPECT_EQ(opened, (std::vector<std::wstring>{address, address}));
    EXPECT_EQ(openWhileClicked, (std::vector<bool>{true, true}));

    // Centred over the main window the first time.
    RECT d, o;
    GetWindowRect(dialog, &d);
    GetWindowRect(form->handle(), &o);
    EXPECT_EQ(d.left, std::max(0L, o.left + ((o.right - o.left) - (d.right - d.left)) / 2));
    EXPECT_EQ(d.top, std::max(0L, o.top + ((o.bottom - o.top) - (d.bottom - d.top)) / 2));
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 355 + 2 * TfrmAbout::Margin);
    EXPECT_EQ(client.bottom, 326 + 2 * TfrmAbout::Margin);
}

// The banner without its white: where the picture is white the dialog's colour shows, its green
// stays; the icon over the corner keeps its transparency; the rule is black around white.
TEST_F(MainWindowTest, TheAboutDialogDrawsTheBannerWithoutItsWhite) {
    HWND dialog = form->frmAbout().handle();
    const Rendering shown(dialog);
    HBITMAP banner =
        HBITMAP(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(2), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_TRUE(banner);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, banner);
    const int m = TfrmAbout::Margin;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(face, RGB(255, 255, 255));
    int white = 0, green = 0;
    for (int y = 40; y < TfrmAbout::BannerHeight; y += 3)
        for (int x = 40; x < TfrmAbout::BannerWidth; x += 3) {
            const COLORREF pixel = GetPixel(source, x, y);
            if (pixel == RGB(255, 255, 255)) {
                EXPECT_EQ(shown.at(m + x, m + y), face) << x << "," << y;
                ++white;
            } else if (pixel == RGB(0, 128, 0)) {
                EXPECT_EQ(shown.at(m + x, m + y), RGB(0, 128, 0)) << x << "," << y;
                ++green;
            }
        }
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(banner);
    EXPECT_GT(white, 100);
    EXPECT_GT(green, 100);
    // The icon's corner is transparent; its middle is drawn.
    EXPECT_EQ(shown.at(m, m), face);
    EXPECT_NE(shown.at(m + 16, m + 16), face);
    // Shape1: a black outline around a white fill, 3 pixels high, under the banner.
    EXPECT_EQ(shown.at(m + 100, m + 220), RGB(0, 0, 0));
    EXPECT_EQ(shown.at(m + 100, m + 221), RGB(255, 255, 255));
    EXPECT_EQ(shown.at(m + 100, m + 222), RGB(0, 0, 0));
    EXPECT_EQ(shown.at(m + 100, m + 223), face);
}

// The analysis dialog: a fixed frame with a close button only, its client area 296 x 258 inside
// a margin of 10 on every side; Label1 across the top, 13 pixels a line, Chart1 right below it and
// 209 high, BitBtn1 in its place whatever the message.
TEST_F(MainWindowTest, TheAnalysisDialogsLayoutFollowsItsMessage) {
    TfrmAnalyze& frm = form->frmAnalyze();
    HWND dialog = frm.handle();
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 63);
    EXPECT_EQ(std::wstring(caption), L"Velmora - 分析");
    const DWORD style = DWORD(GetWindowLongW(dialog, GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 296 + 2 * 10);
    EXPECT_EQ(client.bottom, 258 + 2 * 10);

    HWND ok = GetDlgItem(dialog, TfrmAnalyze::IdOk);
    ASSERT_TRUE(ok);
    wchar_t okText[16] = {};
    GetWindowTextW(ok, okText, 15);
    EXPECT_EQ(std::wstring(okText), L"确定");
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON); // not the default
    // Chart1 first in the keyboard order, then BitBtn1.
    std::vector<int> order;
    for (HWND w = GetWindow(dialog, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(w));
    EXPECT_EQ(order,
              (std::vector<int>{TfrmAnalyze::IdLabel, TfrmAnalyze::IdChart, TfrmAnalyze::IdOk}));

    // Places in the client area proper, 10 in from the window's.
    auto place = [dialog](int id) {
        RECT r{};
        GetWindowRect(GetDlgItem(dialog, id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return std::vector<LONG>{r.left - 10, r.top - 10, r.right - r.left, r.bottom - r.top};
    };
    const std::wstring words = L"one two three four five six seven eight nine ten eleven twelve "
                               L"thirteen fourteen fifteen sixteen seventeen eighteen nineteen";
    const struct {
        Text message;
        std::wstring shown;
        int lines; // 0: more than one, as the label wraps it
    } cases[] = {
        {u"", L"", 1},
        {u"回收站中有 60 天前删除文件或文件夹：3项", L"回收站中有 60 天前删除文件或文件夹：3项", 1},
        {u"回收站中有 60 天前删除文件或文件夹：3项\r合计占用空间：12MB",
         L"回收站中有 60 天前删除文件或文件夹：3项\r\n合计占用空间：12MB", 2},
        {fromWide(words.c_str()), words, 0},
    };
    for (const auto& c : cases) {
        frm.StrMsg = c.message;
        frm.FormShow();
        HWND label = GetDlgItem(dialog, TfrmAnalyze::IdLabel);
        wchar_t text[512] = {};
        GetWindowTextW(label, text, 511);
        EXPECT_EQ(std::wstring(text), c.shown);
        const std::vector<LONG> labelPlace = place(TfrmAnalyze::IdLabel);
        const LONG height = labelPlace[3];
        if (c.lines) {
            EXPECT_EQ(height, 13 * c.lines) << c.lines;
        } else {
            EXPECT_GE(height, 26);
            EXPECT_EQ(height % 13, 0);
        }
        EXPECT_EQ(labelPlace, (std::vector<LONG>{0, 0, 296, height}));
        EXPECT_EQ(place(TfrmAnalyze::IdChart), (std::vector<LONG>{0, height, 296, 209}));
        EXPECT_EQ(place(TfrmAnalyze::IdOk), (std::vector<LONG>{115, 233, 75, 25}));
    }
}

// Shown modally: BitBtn1 closes it with 1, the close button with 2, Escape not at all; centred
// over the main window the first time, afterwards where it was closed.
TEST_F(MainWindowTest, TheAnalysisDialogClosesWithItsResultAndKeepsItsPlace) {
    TfrmAnalyze& frm = form->frmAnalyze();
    static HWND dialog = nullptr;
    dialog = frm.handle();
    static bool escape = false;
    static bool stillOpen = false;
    // Once the dialog shows: Escape, then either BitBtn1 or the close button.
    auto close = [](bool withButton) {
        escape = withButton;
        stillOpen = false;
        return SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
            if (!IsWindowVisible(dialog))
                return;
            KillTimer(nullptr, id);
            HWND ok = GetDlgItem(dialog, TfrmAnalyze::IdOk);
            MSG msg{ok, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}}; // as the modal loop hands it over
            IsDialogMessageW(dialog, &msg);
            stillOpen = IsWindowVisible(dialog) != FALSE;
            if (escape)
                SendMessageW(ok, BM_CLICK, 0, 0);
            else
                PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
    };
    UINT_PTR timer = close(true);
    EXPECT_EQ(frm.ShowModal(), 1);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(IsWindowVisible(dialog));
    RECT d, o;
    GetWindowRect(dialog, &d);
    GetWindowRect(form->handle(), &o);
    EXPECT_EQ(d.left, std::max(0L, o.left + ((o.right - o.left) - (d.right - d.left)) / 2));
    EXPECT_EQ(d.top, std::max(0L, o.top + ((o.bottom - o.top) - (d.bottom - d.top)) / 2));

    SetWindowPos(dialog, nullptr, 37, 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    timer = close(false);
    EXPECT_EQ(frm.ShowModal(), 2);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(stillOpen);
    GetWindowRect(dialog, &d);
    EXPECT_EQ(d.left, 37);
    EXPECT_EQ(d.top, 41);
}

// The chart drawn with GDI from the core's geometry: inside each slice's angle on the tilted
// face, the slice's colour; on the rim facing the viewer, the slice's colour darkened; a slice
// of no angle has neither. The legend above the pie with each slice's swatch, value and label;
// each mark outside the pie in its box, with its share. Showing again draws two slices, not four.
TEST_F(MainWindowTest, ThePieIsDrawnFromTheCoresGeometry) {
    TfrmAnalyze& dialog = form->frmAnalyze();
    const struct {
        long double total, part;
        std::vector<std::wstring> marks, legend;
    } cases[] = {
        {0, 0, {L"0 %", L"0 %"}, {L"0MB", L"0MB"}},
        {10, 0, {L"0 %", L"100 %"}, {L"0MB", L"10MB"}},
        {10, 10, {L"100 %", L"0 %"}, {L"10MB", L"0MB"}},
        {10, 12, {L"85.71 %", L"14.29 %"}, {L"12MB", L"-2MB"}},
        {100, 62.5, {L"62.5 %", L"37.5 %"}, {L"63MB", L"38MB"}},
        {1234.4L, 370.32L, {L"30 %", L"70 %"}, {L"370MB", L"864MB"}},
        {3, 1, {L"33.33 %", L"66.67 %"}, {L"1MB", L"2MB"}},
    };
    const COLORREF colours[] = {TfrmAnalyze::PartColour, TfrmAnalyze::RestColour};
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const auto& c : cases) {
        dialog.ISpaceTotal = c.total;
        dialog.ISpacePart = c.part;
        dialog.StrMsg = u"message";
        dialog.FormShow();
        dialog.FormShow();
        const Rendering shown(dialog.chart());
        const std::string what =
            std::to_string(double(c.part)) + " of " + std::to_string(double(c.total));
        const auto& slices = dialog.drawnSlices();
        ASSERT_EQ(slices.size(), 2u) << what;
        const std::vector<PieShare> shares =
            computePieShares({double(c.part), double(c.total - c.part)});
        const PieFrame f = dialog.drawnFace();
        EXPECT_GT(f.Width, 100) << what;
        EXPECT_GT(f.Depth, 10) << what;
        const auto inPie = [&f](double x, double y) {
            const double a = f.Width / 2, b = f.Height / 2, cx = f.Left + a, cy = f.Top + b;
            const auto inside = [&](double yc) {
                return (x - cx) * (x - cx) / (a * a) + (y - yc) * (y - yc) / (b * b) <= 1;
            };
            return inside(cy) || inside(cy + f.Depth) ||
                   (std::abs(x - cx) <= a && y >= cy && y <= cy + f.Depth);
        };
        for (std::size_t i = 0; i < 2; ++i) {
            const auto& s = slices[i];
            EXPECT_EQ(s.mark, c.marks[i]) << what << " slice " << i;
            EXPECT_EQ(s.legendValue, c.legend[i]) << what << " slice " << i;
            EXPECT_EQ(s.legendLabel,
                      i == 0 ? L" 指定时间前删除文件占用空间" : L" 其它时间删除文件占用空间");
            EXPECT_DOUBLE_EQ(s.startAngle, shares[i].StartAngle) << what;
            EXPECT_DOUBLE_EQ(s.spanAngle, shares[i].SpanAngle) << what;
            // The swatch in the legend, above the pie.
            EXPECT_EQ(shown.at((s.swatch.left + s.swatch.right) / 2,
                               (s.swatch.top + s.swatch.bottom) / 2),
                      colours[i])
                << what << " swatch " << i;
            EXPECT_LT(s.swatch.bottom, f.Top) << what;
            // The mark's box outside the pie, in the mark's colours.
            const RECT& m = s.markBox;
            EXPECT_EQ(shown.at(m.left, m.top), RGB(0, 0, 0)) << what << " mark " << i;
            EXPECT_EQ(shown.at(m.left + 1, m.top + 1), TfrmAnalyze::MarkBackground)
                << what << " mark " << i;
            for (const LONG x : {m.left, m.right - 1})
                for (const LONG y : {m.top, m.bottom - 1})
                    EXPECT_FALSE(inPie(x, y)) << what << " mark " << i;

            if (shares[i].SpanAngle < 2)
                continue;
            const double middle = shares[i].StartAngle + shares[i].SpanAngle / 2;
            for (const double out : {0.3, 0.6, 0.9}) {
                const PiePoint p = pieFacePoint(f, middle, out);
                EXPECT_EQ(shown.at(int(std::lround(p.X)), int(std::lround(p.Y))), colours[i])
                    << what << " slice " << i << " at " << out;
            }
            for (const auto& [from, to] :
                 pieFrontRimSpans(shares[i].StartAngle, shares[i].SpanAngle)) {
                if (to - from < 4)
                    continue;
                const PiePoint edge = pieFacePoint(f, (from + to) / 2);
                EXPECT_EQ(
                    shown.at(int(std::lround(edge.X)), int(std::lround(edge.Y + f.Depth / 2))),
                    TfrmAnalyze::RimColour(colours[i]))
                    << what << " rim " << i;
            }
        }
        // Beside the pie, the dialog's colour.
        EXPECT_EQ(shown.at(int(f.Left) - 3, int(f.Top + f.Height / 2)), face) << what;
    }
}

// Each row shows its item's small icon from the system's image list, which the list shares;
// Wine's Recycle Bin gives its items none (-1).
TEST_F(MainWindowTest, RowsShowTheItemsSystemIcons) {
    EXPECT_EQ(HIMAGELIST(SendMessageW(listWindow(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
              RecycleBinFolder::systemImageList(true));
    for (int row = 0; row < std::min(5, list().rowCount()); ++row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ASSERT_TRUE(SendMessageW(listWindow(), LVM_GETITEMW, 0, LPARAM(&item)));
        EXPECT_EQ(item.iImage, list().folder().iconIndex(row)) << row;
        EXPECT_GE(item.iImage, -1) << row;
    }
}
