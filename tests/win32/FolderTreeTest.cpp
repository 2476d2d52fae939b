// KillItem and DeleteFolderTree on generated trees in a Recycle Bin storage folder of the Wine
// prefix's drive C:, with canaries in the current folder and beside the storage.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/FolderTree.h"
#include "platform/win32/ShellText.h"

using namespace velmora;
using namespace velmora::win32;

namespace {
const std::wstring kStorage = L"C:\\$Recycle.Bin\\S-1-5-21-1-2-3-1001";

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void makeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << GetLastError();
    DWORD written = 0;
    WriteFile(h, "velmora", 7, &written, nullptr);
    CloseHandle(h);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
}

void makeFolder(const std::wstring& path) {
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
}

Text text(const std::wstring& w) {
    return fromWide(w.c_str());
}

class FolderTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        makeFolder(L"C:\\$Recycle.Bin");
        makeFolder(kStorage);
        makeFile(L"C:\\$Recycle.Bin\\canary.txt");
        makeFile(kStorage + L"\\canary.txt");
        makeFolder(L"C:\\work");
        makeFile(L"C:\\work\\victim.txt");
        makeFolder(L"C:\\work\\victim");
        makeFile(L"C:\\work\\victim\\inside.txt");
        ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\work"));
    }
    void TearDown() override {
        EXPECT_TRUE(exists(L"C:\\$Recycle.Bin\\canary.txt"));
        EXPECT_TRUE(exists(kStorage + L"\\canary.txt"));
        EXPECT_TRUE(exists(L"C:\\work\\victim.txt"));
        EXPECT_TRUE(exists(L"C:\\work\\victim\\inside.txt"));
    }
};
} // namespace

// Which paths KillItem acts on at all.
TEST(RecycleBinStoragePathTest, OnlyAbsolutePathsInsideAStorageFolder) {
    const struct {
        const char16_t* path;
        bool inside;
    } cases[] = {
        {u"C:\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$RAB12CD.txt", true},
        {u"d:\\$RECYCLE.BIN\\S-1-5-18\\$R1\\deep\\name", true},
        {u"victim.txt", false},
        {u"$RAB12CD.txt", false},
        {u".\\victim.txt", false},
        {u"\\$Recycle.Bin\\S-1-5-18\\$R1", false},
        {u"C:$Recycle.Bin\\S-1-5-18\\$R1", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\..\\canary.txt", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\$R1\\..\\..\\..\\work", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\.\\$R1", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\$R1\\\\x", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18/../../work", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\$R1:stream", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\$R1 ", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\$R1.", false},
        {u"C:\\$Recycle.Bin\\X-1-5-18\\$R1", false},
        {u"C:\\Recycler\\S-1-5-18\\$R1", false},
        {u"\\\\?\\C:\\$Recycle.Bin\\S-1-5-18\\$R1", false},
        {u"\\\\server\\share\\$Recycle.Bin\\S-1-5-18\\$R1", false},
        {u"C:\\$Recycle.Bin\\S-1-5-18\\$R*", false},
        {u"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRecycleBinStoragePath(c.path), c.inside);
}

// A path outside a storage folder is refused, counts as stayed and touches nothing: neither
// the current folder's namesake nor anything beside the storage.
TEST_F(FolderTreeTest, OutsidePathsAreRefusedAndNothingIsTouched) {
    for (const std::wstring& path :
         {std::wstring(L"victim.txt"), std::wstring(L"victim"), std::wstring(L".\\victim"),
          std::wstring(L"C:\\work\\victim.txt"), std::wstring(L"C:\\work\\victim"),
          kStorage + L"\\..\\canary.txt", kStorage + L"\\..\\..\\work\\victim",
          std::wstring(L"C:\\$Recycle.Bin\\canary.txt"), kStorage})
        EXPECT_EQ(KillItem(text(path)), RemoveOutcome::Stayed) << path.size();
}

// A folder item with nested folders, read-only, hidden and system files and a read-only
// folder is removed whole; a file item likewise; a second removal finds nothing.
TEST_F(FolderTreeTest, RemovesFolderTreesAndFiles) {
    const std::wstring item = kStorage + L"\\$RTREE01";
    makeFolder(item);
    makeFolder(item + L"\\a");
    makeFolder(item + L"\\a\\b");
    makeFolder(item + L"\\a\\b\\c");
    makeFile(item + L"\\a\\b\\c\\deep.txt");
    makeFile(item + L"\\read-only.txt", FILE_ATTRIBUTE_READONLY);
    makeFile(item + L"\\a\\hidden-system.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    makeFile(item + L"\\a\\b\\archive.bin", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    makeFolder(item + L"\\locked");
    makeFile(item + L"\\locked\\x");
    ASSERT_TRUE(SetFileAttributesW((item + L"\\locked").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(KillItem(text(item)), RemoveOutcome::Removed);
    EXPECT_FALSE(exists(item));
    EXPECT_EQ(KillItem(text(item)), RemoveOutcome::NotThere);

    const std::wstring file = kStorage + L"\\$RFILE01.txt";
    makeFile(file, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(KillItem(text(file)), RemoveOutcome::Removed);
    EXPECT_FALSE(exists(file));

    const std::wstring trailing = kStorage + L"\\$RTREE02";
    makeFolder(trailing);
    makeFile(trailing + L"\\x");
    EXPECT_TRUE(DeleteFolderTree(text(trailing + L"\\")));
    EXPECT_FALSE(exists(trailing));
}

// A read-only file that is itself the item keeps its attributes: if it cannot be deleted it
// stays, and is counted as stayed, never as removed.
TEST_F(FolderTreeTest, ReadOnlyItemFileCountsAsWhatHappened) {
    const std::wstring file = kStorage + L"\\$RREAD01.txt";
    makeFile(file, FILE_ATTRIBUTE_READONLY);
    const RemoveOutcome outcome = KillItem(text(file));
    EXPECT_EQ(outcome, exists(file) ? RemoveOutcome::Stayed : RemoveOutcome::Removed);
    if (exists(file)) {
        EXPECT_EQ(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY,
                  DWORD(FILE_ATTRIBUTE_READONLY));
    }
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file.c_str());
}

// Links (made by make-link-trees.sh) are never followed: what they point to stays whole, the
// rest of the item goes, and the outcome says whether the item is gone. Wine cannot remove a
// link as an entry (it deletes the target instead), so there the link and its folders stay.
TEST_F(FolderTreeTest, LinksAreNeverFollowed) {
    const std::wstring item = kStorage + L"\\$RLINKS";
    ASSERT_TRUE(exists(item + L"\\inner\\data")) << "make-link-trees.sh did not run";
    const RemoveOutcome outcome = KillItem(text(item));
    EXPECT_EQ(outcome, exists(item) ? RemoveOutcome::Stayed : RemoveOutcome::Removed);
    EXPECT_FALSE(exists(item + L"\\inner\\data"));
    EXPECT_TRUE(exists(L"C:\\link-targets\\folder\\canary"));
    EXPECT_TRUE(exists(L"C:\\link-targets\\file-canary"));

    // The same beyond MAX_PATH.
    const std::wstring longItem = kStorage + L"\\$RLONGLINK";
    const std::wstring deep = longItem + L"\\" + std::wstring(100, L'd') + L"\\" +
                              std::wstring(100, L'd') + L"\\" + std::wstring(100, L'd');
    ASSERT_GT(deep.size(), std::size_t(MAX_PATH));
    const auto longExists = [](const std::wstring& path) {
        return GetFileAttributesW((L"\\\\?\\" + path).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    ASSERT_TRUE(longExists(deep + L"\\data"));
    const RemoveOutcome longOutcome = KillItem(text(longItem));
    EXPECT_EQ(longOutcome, longExists(longItem) ? RemoveOutcome::Stayed : RemoveOutcome::Removed);
    EXPECT_FALSE(longExists(deep + L"\\data"));
    EXPECT_TRUE(exists(L"C:\\link-targets\\folder\\canary"));
    EXPECT_TRUE(exists(L"C:\\link-targets\\file-canary"));

    const std::wstring linkItem = kStorage + L"\\$RDLINK";
    const RemoveOutcome linkOutcome = KillItem(text(linkItem));
    EXPECT_EQ(linkOutcome, exists(linkItem) ? RemoveOutcome::Stayed : RemoveOutcome::Removed);
    EXPECT_TRUE(exists(L"C:\\link-targets\\item-target\\canary"));
    EXPECT_TRUE(exists(L"C:\\link-targets\\item-target"));
}

// An entry with an attribute bit outside 0x1FF (here: not content-indexed) stays, and so does
// every folder above it; the rest goes and the item counts as stayed.
TEST_F(FolderTreeTest, EntriesWithHigherAttributesStay) {
    const std::wstring item = kStorage + L"\\$RHIGH01";
    makeFolder(item);
    makeFolder(item + L"\\sub");
    makeFile(item + L"\\sub\\kept.txt", FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    makeFile(item + L"\\gone.txt");
    if ((GetFileAttributesW((item + L"\\sub\\kept.txt").c_str()) &
         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED) == 0)
        GTEST_SKIP() << "this file system keeps no content-indexing attribute";
    EXPECT_EQ(KillItem(text(item)), RemoveOutcome::Stayed);
    EXPECT_TRUE(exists(item + L"\\sub\\kept.txt"));
    EXPECT_FALSE(exists(item + L"\\gone.txt"));
}

// Paths longer than MAX_PATH: a folder item whose nested folders and files lie beyond 260 and
// beyond 1,000 characters is removed whole, and so is an item whose own path is that long; the
// canaries stay.
TEST_F(FolderTreeTest, PathsLongerThanMaxPath) {
    const std::wstring prefix = L"\\\\?\\";
    auto makeLongFolder = [&](const std::wstring& path) {
        ASSERT_TRUE(CreateDirectoryW((prefix + path).c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS)
            << path.size();
    };
    auto makeLongFile = [&](const std::wstring& path, DWORD attributes) {
        HANDLE h = CreateFileW((prefix + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << path.size() << " " << GetLastError();
        CloseHandle(h);
        ASSERT_TRUE(SetFileAttributesW((prefix + path).c_str(), attributes));
    };
    auto longExists = [&](const std::wstring& path) {
        return GetFileAttributesW((prefix + path).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    const std::wstring segment(100, L'd');

    const std::wstring item = kStorage + L"\\$RLONG01";
    makeLongFolder(item);
    std::wstring folder = item;
    std::vector<std::wstring> files;
    for (int level = 0; level < 11; ++level) {
        folder += L"\\" + segment + std::to_wstring(level);
        makeLongFolder(folder);
        files.push_back(folder + L"\\file.txt");
        makeLongFile(files.back(), level % 2 ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    }
    ASSERT_GT(files.back().size(), 1000u);
    ASSERT_TRUE(longExists(files.back()));
    EXPECT_EQ(KillItem(text(item)), RemoveOutcome::Removed);
    EXPECT_FALSE(longExists(item));

    // The item's own path beyond MAX_PATH: a folder nested in a folder item that was left, and
    // a file.
    const std::wstring outer = kStorage + L"\\$RLONG02";
    makeLongFolder(outer);
    std::wstring deepItem = outer;
    for (int level = 0; level < 3; ++level) {
        deepItem += L"\\" + segment;
        makeLongFolder(deepItem);
    }
    ASSERT_GT(deepItem.size(), std::size_t(MAX_PATH));
    makeLongFile(deepItem + L"\\inside.txt", FILE_ATTRIBUTE_HIDDEN);
    const std::wstring deepFile = deepItem + L"\\item.txt";
    makeLongFile(deepFile, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(KillItem(text(deepFile)), RemoveOutcome::Removed);
    EXPECT_FALSE(longExists(deepFile));
    EXPECT_EQ(KillItem(text(deepItem)), RemoveOutcome::Removed);
    EXPECT_FALSE(longExists(deepItem));
    EXPECT_TRUE(longExists(outer));
    EXPECT_EQ(KillItem(text(outer)), RemoveOutcome::Removed);
    EXPECT_EQ(KillItem(text(outer)), RemoveOutcome::NotThere);
}

// An entry beyond MAX_PATH (where Wine gives no final path and the identity check falls back to
// the name on the volume) swapped for another between its opening and its removal: neither the
// object opened nor the one now at the path is removed, and the item counts as stayed.
TEST_F(FolderTreeTest, AnEntryBeyondMaxPathSwappedWhileOpenStays) {
    const std::wstring prefix = L"\\\\?\\";
    std::wstring folder = kStorage + L"\\$RSWAP01";
    ASSERT_TRUE(CreateDirectoryW((prefix + folder).c_str(), nullptr));
    for (int level = 0; level < 3; ++level) {
        folder += L"\\" + std::wstring(100, L's');
        ASSERT_TRUE(CreateDirectoryW((prefix + folder).c_str(), nullptr));
    }
    auto write = [&](const std::wstring& path, const char* content) {
        HANDLE h = CreateFileW((prefix + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << GetLastError();
        DWORD written = 0;
        WriteFile(h, content, DWORD(strlen(content)), &written, nullptr);
        CloseHandle(h);
    };
    auto read = [&](const std::wstring& path) {
        HANDLE h = CreateFileW((prefix + path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return std::string("(none)");
        char buffer[64] = {};
        DWORD got = 0;
        ReadFile(h, buffer, sizeof buffer - 1, &got, nullptr);
        CloseHandle(h);
        return std::string(buffer, got);
    };
    const std::wstring item = folder + L"\\item.txt", moved = folder + L"\\moved.txt";
    ASSERT_GT(item.size(), std::size_t(MAX_PATH));
    write(item, "listed");
    int swaps = 0;
    setRemovalOpenedHook([&](const std::wstring& path) {
        if (path != item)
            return;
        ++swaps;
        ASSERT_TRUE(MoveFileW((prefix + item).c_str(), (prefix + moved).c_str())) << GetLastError();
        write(item, "another");
    });
    const RemoveOutcome outcome = KillItem(text(item));
    setRemovalOpenedHook({});
    EXPECT_EQ(swaps, 1);
    EXPECT_EQ(outcome, RemoveOutcome::Stayed);
    EXPECT_EQ(read(item), "another");
    EXPECT_EQ(read(moved), "listed");
    // Unhindered, the same entry goes.
    EXPECT_EQ(KillItem(text(item)), RemoveOutcome::Removed);
    EXPECT_EQ(read(item), "(none)");
}

// The identity check's fallback, where a handle gives no final path (Wine beyond MAX_PATH): the
// name on the volume must be the target's, whatever the case, and the volume the drive's. A
// handle on an entry swapped in under another name or on another volume is refused.
TEST(IdentityFallbackTest, TheNameOnTheVolumeAndTheVolumeMustBeTheTargets) {
    const std::wstring target = L"\\\\?\\C:\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1\\item.txt";
    const struct {
        const wchar_t* name;
        unsigned long handleSerial, driveSerial;
        bool same;
    } cases[] = {
        {L"\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1\\item.txt", 7, 7, true},
        {L"\\$RECYCLE.BIN\\s-1-5-21-1-2-3-1001\\$r1\\ITEM.TXT", 7, 7, true},
        {L"\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1\\item.txt", 7, 8, false},  // another volume
        {L"\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1\\moved.txt", 7, 7, false}, // moved away
        {L"\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1", 7, 7, false},            // the folder
        {L"\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1\\item.txt\\x", 7, 7, false},
        {L"\\elsewhere\\$Recycle.Bin\\S-1-5-21-1-2-3-1001\\$R1\\item.txt", 7, 7, false},
        {L"", 7, 7, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNamedOnVolume(c.name, c.handleSerial, c.driveSerial, target), c.same)
            << "case " << (&c - cases);
    EXPECT_FALSE(isNamedOnVolume(L"", 7, 7, L"\\\\?\\C:"));
}
