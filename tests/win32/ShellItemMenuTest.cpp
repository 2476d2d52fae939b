// The commands chosen from an item's menu, by their verbs, on a stand-in menu object; the shell's
// own menu of a Recycle Bin item under Wine; and the rename through a folder of the shell.
#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/win32/RecycleBinFolder.h"
#include "platform/win32/ShellItemMenu.h"
#include "platform/win32/ShellText.h"

using namespace velmora;
using namespace velmora::win32;

namespace {
std::wstring currentFolder() {
    wchar_t buffer[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    return buffer;
}

// A menu object with one command, its verb and the result InvokeCommand gives; it records how it
// was invoked and the current folder at that moment.
class FakeMenu final : public IContextMenu {
public:
    FakeMenu(const char* verb, HRESULT invokeResult) : verb_(verb), invokeResult_(invokeResult) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IContextMenu)) {
            *out = static_cast<IContextMenu*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT, UINT first, UINT,
                                               UINT flags) override {
        flags_ = flags;
        AppendMenuW(menu, MF_STRING, first + 7, L"command");
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 8);
    }
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override {
        invoked_.push_back(UINT_PTR(info->lpVerb));
        owner_ = info->hwnd;
        show_ = info->nShow;
        folderAtInvoke_ = currentFolder();
        return invokeResult_;
    }
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR command, UINT type, UINT*, CHAR* name,
                                               UINT size) override {
        if (!verb_ || command != 7 || type != GCS_VERBA)
            return E_NOTIMPL;
        lstrcpynA(name, verb_, int(size));
        return S_OK;
    }

    const char* verb_;
    HRESULT invokeResult_;
    ULONG references_ = 1;
    UINT flags_ = 0;
    std::vector<UINT_PTR> invoked_;
    HWND owner_ = nullptr;
    int show_ = -1;
    std::wstring folderAtInvoke_;
};

class ComTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};
using ShellItemMenuTest = ComTest;
using RenameItemTest = ComTest;
} // namespace

// Each verb does what the list's rules give it: "rename" stays with the list, every other
// command goes to the shell, and only a "delete" or "paste" that succeeded re-reads the list.
TEST_F(ShellItemMenuTest, CommandsByTheirVerbs) {
    const struct {
        const char* verb; // null: the menu object gives none
        HRESULT invokeResult;
        bool startRename, invoked, succeeded, reRead;
    } cases[] = {
        {"rename", S_OK, true, false, false, false},
        {"ReName", S_OK, true, false, false, false},
        {"delete", S_OK, false, true, true, true},
        {"Delete", S_OK, false, true, true, true},
        {"delete", E_FAIL, false, true, false, false},
        {"paste", S_OK, false, true, true, true},
        {"paste", E_ABORT, false, true, false, false},
        {"undelete", S_OK, false, true, true, false},
        {"properties", S_OK, false, true, true, false},
        {"cut", S_OK, false, true, true, false},
        {nullptr, S_OK, false, true, true, false},
        {nullptr, E_NOTIMPL, false, true, false, false},
    };
    const HWND owner = GetDesktopWindow();
    for (const auto& c : cases) {
        const std::string what = c.verb ? c.verb : "(no verb)";
        FakeMenu fake(c.verb, c.invokeResult);
        {
            const ShellItemMenu menu(&fake);
            HMENU popup = CreatePopupMenu();
            ASSERT_TRUE(menu.fill(popup));
            EXPECT_EQ(fake.flags_, UINT(CMF_EXPLORE | CMF_CANRENAME));
            const UINT command = GetMenuItemID(popup, 0);
            EXPECT_EQ(command, FirstMenuCommand + 7);
            DestroyMenu(popup);
            const MenuCommandResult r = runMenuCommand(menu, command, owner, u"C:\\x\\item");
            EXPECT_EQ(r.startRename, c.startRename) << what;
            EXPECT_EQ(r.invoked, c.invoked) << what;
            EXPECT_EQ(r.succeeded, c.succeeded) << what;
            EXPECT_EQ(r.reRead, c.reRead) << what;
        }
        // The shell is given the command's offset, the owner and SW_SHOWNORMAL.
        if (c.invoked) {
            EXPECT_EQ(fake.invoked_, std::vector<UINT_PTR>{7}) << what;
            EXPECT_EQ(fake.owner_, owner) << what;
            EXPECT_EQ(fake.show_, SW_SHOWNORMAL) << what;
        } else {
            EXPECT_TRUE(fake.invoked_.empty()) << what;
        }
        EXPECT_EQ(fake.references_, 1u) << what;
    }
}

// "open" runs in the item's folder; the folder before it comes back only when the command
// succeeded.
TEST_F(ShellItemMenuTest, OpenRunsInTheItemsFolder) {
    CreateDirectoryW(L"C:\\velmora-open", nullptr);
    CreateDirectoryW(L"C:\\velmora-open\\inside", nullptr);
    for (const HRESULT result : {S_OK, E_FAIL}) {
        ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\velmora-open"));
        const std::wstring before = currentFolder();
        FakeMenu fake("open", result);
        const ShellItemMenu menu(&fake);
        const MenuCommandResult r =
            runMenuCommand(menu, FirstMenuCommand + 7, nullptr, u"C:\\velmora-open\\inside\\item");
        EXPECT_EQ(r.succeeded, result == S_OK);
        EXPECT_FALSE(r.reRead);
        EXPECT_EQ(fake.folderAtInvoke_, L"C:\\velmora-open\\inside");
        EXPECT_EQ(currentFolder(), result == S_OK ? before : L"C:\\velmora-open\\inside");
    }
    SetCurrentDirectoryW(L"C:\\");
}

// The shell's menu of a Recycle Bin item as Wine gives it: entries, and no verbs.
TEST_F(ShellItemMenuTest, TheRecycleBinsOwnMenu) {
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    ASSERT_GT(bin.itemCount(), 0);
    const ShellItemMenu menu(bin.folder(), bin.relativeId(0), nullptr);
    ASSERT_TRUE(menu.valid());
    HMENU popup = CreatePopupMenu();
    ASSERT_TRUE(menu.fill(popup));
    const int count = GetMenuItemCount(popup);
    EXPECT_GE(count, 2);
    for (int i = 0; i < count; ++i) {
        const UINT command = GetMenuItemID(popup, i);
        EXPECT_GE(command, FirstMenuCommand);
        EXPECT_LE(command, LastMenuCommand);
        wchar_t text[128] = {};
        GetMenuStringW(popup, UINT(i), text, 127, MF_BYPOSITION);
        EXPECT_NE(text[0], L'\0');
        // Wine's Recycle Bin menu names no verb for its commands.
        EXPECT_EQ(menu.verb(command), "") << i;
    }
    DestroyMenu(popup);
}

// Wine's Recycle Bin reports no item as renamable: the rename asks nothing and nothing changes.
TEST_F(RenameItemTest, ARecycleBinItemUnderWineIsNotRenamable) {
    RecycleBinFolder bin;
    bin.enumerate(nullptr);
    ASSERT_GT(bin.itemCount(), 0);
    const Text name = bin.displayName(0);
    EXPECT_EQ(bin.rename(0, u"renamed", nullptr), RenameOutcome::NotRenamable);
    EXPECT_EQ(bin.displayName(0), name);
}

// Through a file-system folder of the shell: a rename that the shell carries out gives the new
// identifier; one that it refuses (the name is taken) leaves both files as they were.
TEST_F(RenameItemTest, RenamedAndRefusedInAFileSystemFolder) {
    const std::wstring folderPath = L"C:\\velmora-rename";
    CreateDirectoryW(folderPath.c_str(), nullptr);
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) {
        DeleteFileW((folderPath + L"\\" + name).c_str());
        HANDLE h = CreateFileW((folderPath + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
    }
    DeleteFileW((folderPath + L"\\renamed.txt").c_str());
    IShellFolder* desktop = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetDesktopFolder(&desktop)));
    PIDLIST_RELATIVE folderId = nullptr;
    std::wstring parse = folderPath;
    ASSERT_TRUE(SUCCEEDED(
        desktop->ParseDisplayName(nullptr, nullptr, parse.data(), nullptr, &folderId, nullptr)));
    IShellFolder* folder = nullptr;
    ASSERT_TRUE(SUCCEEDED(desktop->BindToObject(folderId, nullptr, IID_IShellFolder,
                                                reinterpret_cast<void**>(&folder))));
    auto child = [&](const wchar_t* name) {
        PIDLIST_RELATIVE id = nullptr;
        std::wstring n = name;
        EXPECT_TRUE(
            SUCCEEDED(folder->ParseDisplayName(nullptr, nullptr, n.data(), nullptr, &id, nullptr)));
        return reinterpret_cast<PITEMID_CHILD>(id);
    };
    auto exists = [&](const wchar_t* name) {
        return GetFileAttributesW((folderPath + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    };

    PITEMID_CHILD a = child(L"a.txt");
    PITEMID_CHILD renamed = nullptr;
    EXPECT_EQ(renameItem(folder, a, u"renamed.txt", nullptr, &renamed), RenameOutcome::Renamed);
    EXPECT_TRUE(exists(L"renamed.txt"));
    EXPECT_FALSE(exists(L"a.txt"));
    ASSERT_NE(renamed, nullptr);
    STRRET shown{};
    ASSERT_TRUE(
        SUCCEEDED(folder->GetDisplayNameOf(renamed, SHGDN_INFOLDER | SHGDN_FORPARSING, &shown)));
    EXPECT_EQ(fromStrRet(shown, renamed), u"renamed.txt");

    PITEMID_CHILD b = child(L"b.txt");
    PITEMID_CHILD none = nullptr;
    EXPECT_EQ(renameItem(folder, b, u"c.txt", nullptr, &none), RenameOutcome::Refused);
    EXPECT_EQ(none, nullptr);
    EXPECT_TRUE(exists(L"b.txt"));
    EXPECT_TRUE(exists(L"c.txt"));

    for (PITEMID_CHILD id : {a, renamed, b})
        CoTaskMemFree(id);
    CoTaskMemFree(folderId);
    folder->Release();
    desktop->Release();
}
