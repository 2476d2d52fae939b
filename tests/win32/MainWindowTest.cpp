// The Windows main window in the test's own process, over a Recycle Bin of its own (make-trash,
// with the items' original folders inside the build folder): the shell's item menu and the rename
// of an item, and Find.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "platform/win32/ShellText.h"
#include "platform/win32/WindowsLocale.h"
#include "ui/win32/MainWindow.h"

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
        // Wine's menu of a Recycle Bin item: 还原 and 删除 (restore and erase).
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
