// Drives velmora.exe under Wine as a user would: finds its main window by the property, checks
// the caption, the controls and the list against the Recycle Bin, starts a second copy, opens
// the analysis and runs the purge by days, which under Wine (no storage paths) removes nothing;
// starts it with each kind of start-up show command.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "app/win32/SingleInstance.h"
#include "core/AgeAnalysis.h"
#include "core/DateTime.h"
#include "core/DetailColumns.h"
#include "core/Totals.h"
#include "platform/win32/RecycleBinFolder.h"
#include "platform/win32/ShellText.h"
#include "platform/win32/WindowsLocale.h"
#include "ui/win32/MainWindow.h"

using namespace velmora;
using namespace velmora::win32;

namespace {
std::wstring exePath;

HWND waitFor(const std::function<HWND()>& find, int seconds = 60) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (HWND w = find())
            return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

HWND markedWindow() {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetPropW(w, InstancePropertyName))
            return w;
    return nullptr;
}

// A visible top-level window of the given class (nullptr: any) and caption prefix.
HWND visibleWindow(const wchar_t* className, const std::wstring& caption) {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        wchar_t name[64] = {}, text[256] = {};
        GetClassNameW(w, name, 63);
        GetWindowTextW(w, text, 255);
        if (IsWindowVisible(w) && (!className || std::wstring(name) == className) &&
            std::wstring(text).rfind(caption, 0) == 0)
            return w;
    }
    return nullptr;
}

std::wstring textOf(HWND w) {
    // WM_GETTEXT itself: GetWindowText does not ask another process's controls.
    wchar_t text[1024] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 1023, LPARAM(text), SMTO_ABORTIFHUNG, 5000, &result);
    return text;
}

// Starts the program; with a show command (>= 0), its start-up information carries it.
PROCESS_INFORMATION start(int showCommand = -1) {
    STARTUPINFOW info{};
    info.cb = sizeof info;
    if (showCommand >= 0) {
        info.dwFlags = STARTF_USESHOWWINDOW;
        info.wShowWindow = WORD(showCommand);
    }
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exePath + L"\"";
    EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &info, &process))
        << GetLastError();
    return process;
}

// The rows the program should show, read from the shell the same way.
class FolderRows final : public ListRows {
public:
    explicit FolderRows(const RecycleBinFolder& f) : folder(f) {}
    int rowCount() const override { return folder.itemCount(); }
    Text subItemText(int row, int subItem) const override {
        return folder.detailText(row, subItem + 1);
    }
    void setItemIndex(int) override {}
    const RecycleBinFolder& folder;
};

std::size_t storedCount() {
    const wchar_t* home = _wgetenv(L"XDG_DATA_HOME");
    std::wstring path = std::wstring(L"Z:") + (home ? home : L"") + L"/Trash/files";
    std::replace(path.begin(), path.end(), L'/', L'\\');
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(path))
        ++n;
    return n;
}

// Presses the button of a message box with this id, after reading its text.
std::wstring answerBox(int button) {
    HWND box = waitFor([] { return visibleWindow(L"#32770", L"Velmora"); }, 30);
    if (!box)
        return L"(no box)";
    const std::wstring text = textOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    waitFor([box] { return IsWindow(box) && IsWindowVisible(box) ? nullptr : HWND(1); }, 10);
    return text;
}
} // namespace

TEST(WindowDriverTest, TheProgramUnderWine) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    loadUserFormatSettings();
    const std::size_t storedBefore = storedCount();
    PROCESS_INFORMATION first = start();
    HWND form = waitFor(markedWindow);
    ASSERT_TRUE(form) << "no window carries the property";
    EXPECT_EQ(textOf(form), L"Velmora");

    // The controls, their texts and places (client pixels at 96 DPI), in the window or in
    // Panel1.
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 715);
    EXPECT_EQ(client.bottom, 491);
    HWND panel = GetDlgItem(form, IdPanel);
    ASSERT_TRUE(panel);
    const struct {
        bool inPanel;
        int id;
        const wchar_t* text; // null: not compared
        int x, y, width, height;
    } controls[] = {
        {false, IdGroupList, L"回收站", 0, 0, 715, 386},
        {false, IdGroupClean, L"安全清理回收站", 0, 386, 715, 105},
        {false, IdPanel, L"", 2, 15, 119, 369},
        {false, IdListView, nullptr, 121, 15, 592, 369},
        // The radio buttons and Label1 end where the next control begins.
        {false, IdRbDate, L"按日期：清除", 24, 410, 97, 17},
        {false, IdDtCeil, nullptr, 121, 408, 98, 21},
        {false, IdLabel1, L"之前删除到回收站的文件", 225, 410, 164, 13},
        {false, IdRbDays, L"按天数：清除", 24, 447, 97, 17},
        {false, IdDays, L"60", 121, 443, 51, -1},
        {false, IdLabel2, L"天之前删除到回收站中的文件", 181, 447, 193, 13},
        {false, IdAnalyse, L"分析", 389, 408, 65, 25},
        {false, IdDelete, L"清除", 473, 408, 65, 25},
        {false, IdSeek, L"搜索", 556, 408, 65, 25},
        {false, IdAbout, L"关于\"Velmora\"", 519, 450, 169, 13},
        {true, IdImage, nullptr, 8, 8, 32, 32},
        {true, IdLabel3, L"回收站中已删除文件、文件夹共：", 8, 50, 105, 39},
        {true, IdTotal, nullptr, 26, 90, 88, 13},
        {true, IdLabel4, L"合计占用空间：", 8, 138, 105, 13},
        {true, IdTotalSpace, nullptr, 16, 156, -1, 13},
    };
    for (const auto& c : controls) {
        HWND parent = c.inPanel ? panel : form;
        HWND control = GetDlgItem(parent, c.id);
        ASSERT_TRUE(control) << c.id;
        if (c.text) {
            EXPECT_EQ(textOf(control), c.text) << c.id;
        }
        RECT r;
        GetWindowRect(control, &r);
        POINT p{r.left, r.top};
        ScreenToClient(parent, &p);
        EXPECT_EQ(p.x, c.x) << c.id;
        EXPECT_EQ(p.y, c.y) << c.id;
        if (c.width >= 0) {
            EXPECT_EQ(r.right - r.left, c.width) << c.id;
        }
        if (c.height >= 0) {
            EXPECT_EQ(r.bottom - r.top, c.height) << c.id;
        }
    }
    EXPECT_EQ(SendMessageW(GetDlgItem(form, IdRbDate), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(GetDlgItem(form, IdRbDays), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // The days box's list, in its order.
    HWND days = GetDlgItem(form, IdDays);
    std::vector<std::wstring> entries;
    for (int i = 0; i < int(SendMessageW(days, CB_GETCOUNT, 0, 0)); ++i) {
        wchar_t entry[16] = {};
        if (SendMessageW(days, CB_GETLBTEXTLEN, WPARAM(i), 0) < 15)
            SendMessageTimeoutW(days, CB_GETLBTEXT, WPARAM(i), LPARAM(entry), SMTO_ABORTIFHUNG,
                                5000, nullptr);
        entries.push_back(entry);
    }
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"10", L"15", L"30", L"60", L"180"}));

    // The list against the Recycle Bin as the shell gives it, and the totals.
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    FolderRows rows(bin);
    const DetailColumns columns = findDetailColumns(bin.headings());
    HWND list = GetDlgItem(form, IdListView);
    EXPECT_EQ(int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)), bin.itemCount());
    EXPECT_GT(bin.itemCount(), 0);
    const Totals totals = computeTotals(rows, columns.size);
    EXPECT_EQ(textOf(GetDlgItem(panel, IdTotal)), toWide(totals.countText));
    EXPECT_EQ(textOf(GetDlgItem(panel, IdTotalSpace)), toWide(totals.spaceText));

    // The main window is owned by the program's own window, which has no size and carries the
    // title. Minimising the main window (its minimise button) minimises that owner and hides the
    // main window; a second start exits 0, restores the owner, and the main window is back and in
    // the foreground.
    HWND owner = GetWindow(form, GW_OWNER);
    ASSERT_TRUE(owner);
    EXPECT_EQ(textOf(owner), L"Velmora");
    EXPECT_FALSE(GetPropW(owner, InstancePropertyName));
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    EXPECT_EQ(ownerRect.right - ownerRect.left, 0);
    EXPECT_EQ(ownerRect.bottom - ownerRect.top, 0);
    PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    waitFor([owner] { return IsIconic(owner) ? owner : nullptr; }, 10);
    EXPECT_TRUE(IsIconic(owner));
    EXPECT_FALSE(IsWindowVisible(form));
    EXPECT_FALSE(IsIconic(form));
    PROCESS_INFORMATION second = start();
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(second.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(second.hProcess);
    CloseHandle(second.hThread);
    waitFor([form] { return IsWindowVisible(form) ? form : nullptr; }, 10);
    EXPECT_FALSE(IsIconic(owner));
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_FALSE(IsIconic(form));
    EXPECT_EQ(GetForegroundWindow(), form);

    // Typing 30 into the days box chooses clearing by days.
    HWND daysEdit = GetWindow(days, GW_CHILD);
    ASSERT_TRUE(daysEdit);
    SendMessageW(daysEdit, EM_SETSEL, 0, -1);
    for (const wchar_t c : {L'3', L'0'})
        SendMessageW(daysEdit, WM_CHAR, c, 1);
    EXPECT_EQ(textOf(days), L"30");
    EXPECT_EQ(SendMessageW(GetDlgItem(form, IdRbDays), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(GetDlgItem(form, IdRbDate), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The analysis for 30 days: the dialog shows the core's message.
    CutOffChoice choice;
    choice.byDate = false;
    choice.daysText = u"30";
    choice.today = today();
    const AgeAnalysis analysis = analyseAge(rows, choice, columns.date, columns.size);
    ASSERT_GT(analysis.count, 0);
    PostMessageW(GetDlgItem(form, IdAnalyse), BM_CLICK, 0, 0);
    HWND dialog = waitFor([] { return visibleWindow(L"TfrmAnalyze", L"Velmora - 分析"); }, 30);
    ASSERT_TRUE(dialog);
    std::wstring expected;
    for (const wchar_t c : toWide(analysis.message))
        expected += c == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, c);
    EXPECT_EQ(textOf(GetDlgItem(dialog, 100)), expected);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    waitFor([dialog] { return IsWindowVisible(dialog) ? nullptr : HWND(1); }, 10);

    // The purge by 30 days: asked, answered yes; under Wine every item is refused and reported
    // as not removed, and the trash keeps every stored object.
    PostMessageW(GetDlgItem(form, IdDelete), BM_CLICK, 0, 0);
    answerBox(IDYES);
    const std::wstring removed = answerBox(IDOK);
    EXPECT_NE(removed.find(L"删除文件或文件夹：0项"), std::wstring::npos) << removed.size();
    EXPECT_NE(removed.find(L"未能删除：" + std::to_wstring(analysis.count) + L"项"),
              std::wstring::npos);
    EXPECT_EQ(answerBox(IDOK), L"释放空间：0MB");
    EXPECT_EQ(storedCount(), storedBefore);

    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(first.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(first.hProcess);
    CloseHandle(first.hThread);
    CoUninitialize();
}

// The start-up show command decides how the program opens: the window maximised for
// SW_SHOWMAXIMIZED, the program minimised for SW_SHOWMINNOACTIVE, normally for every other
// command and without one.
TEST(WindowDriverTest, TheStartUpShowCommand) {
    const struct {
        int command; // -1: the start-up information carries none
        bool maximised, minimised;
    } cases[] = {
        {-1, false, false},
        {SW_SHOWMAXIMIZED, true, false},
        {SW_SHOWMINNOACTIVE, false, true},
        {SW_MINIMIZE, false, false},
        {SW_SHOWMINIMIZED, false, false},
        {SW_HIDE, false, false},
        {SW_SHOWNORMAL, false, false},
    };
    for (const auto& c : cases) {
        PROCESS_INFORMATION process = start(c.command);
        HWND form = waitFor(markedWindow);
        ASSERT_TRUE(form) << c.command;
        // Minimised, the program is its owner window minimised, the main window hidden until the
        // owner is restored.
        HWND owner = GetWindow(form, GW_OWNER);
        ASSERT_TRUE(owner) << c.command;
        waitFor([&] { return IsWindowVisible(form) || IsIconic(owner) ? form : nullptr; }, 30);
        EXPECT_EQ(IsIconic(owner) != FALSE, c.minimised) << c.command;
        EXPECT_EQ(IsWindowVisible(form) != FALSE, !c.minimised) << c.command;
        if (c.minimised) {
            ShowWindow(owner, SW_RESTORE);
            waitFor([form] { return IsWindowVisible(form) ? form : nullptr; }, 10);
        }
        EXPECT_TRUE(IsWindowVisible(owner)) << c.command;
        EXPECT_TRUE(IsWindowVisible(form)) << c.command;
        EXPECT_EQ(IsZoomed(form) != FALSE, c.maximised) << c.command;
        EXPECT_FALSE(IsIconic(form)) << c.command;
        PostMessageW(form, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0) << c.command;
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 0u) << c.command;
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        std::string unix = argv[1];
        exePath = L"Z:" + std::wstring(unix.begin(), unix.end());
        std::replace(exePath.begin(), exePath.end(), L'/', L'\\');
    }
    return RUN_ALL_TESTS();
}
