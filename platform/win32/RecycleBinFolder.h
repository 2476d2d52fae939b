// The Recycle Bin as the Windows shell presents it: its items, in the list's order, with their
// names, storage paths and detail texts, and the shell's columns.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <memory>
#include <vector>

#include "ShellItemMenu.h"
#include "core/Text.h"

namespace velmora::win32 {

// A column of the list, as the shell describes it.
struct ShellColumn {
    int shellColumn = 0; // the column's number for GetDetailsOf
    Text heading;
    int format = LVCFMT_LEFT; // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
    int widthInChars = 0;     // times the width of "X" in the list's font
};

// Holds the desktop folder and the bound Recycle Bin folder (CSIDL_BITBUCKET); COM must be
// initialised on the calling thread for as long as the object lives. Every call happens on
// that thread.
class RecycleBinFolder {
public:
    // Binds the Recycle Bin from the desktop folder; where the binding fails, the desktop folder
    // stands in, as the shell's own views do. Throws std::runtime_error when not even the
    // desktop folder can be had.
    RecycleBinFolder();
    ~RecycleBinFolder();
    RecycleBinFolder(const RecycleBinFolder&) = delete;
    RecycleBinFolder& operator=(const RecycleBinFolder&) = delete;

    // Reads the items again (EnumObjects with folders, other items and hidden items, owner the
    // given window), sorts them (folders first, then by CompareIDs on the name column) and
    // rebuilds the columns. A failed enumeration leaves the list empty.
    void enumerate(HWND owner);

    int itemCount() const;
    // Column 0 is the name; sub-item k of a row is the detail text of column k + 1.
    const std::vector<ShellColumn>& columns() const;
    // The headings of columns(), in order, for the core's column search.
    std::vector<Text> headings() const;

    bool isFolder(int item) const;
    // The name in the folder (SHGDN_INFOLDER); empty when the shell gives none.
    Text displayName(int item) const;
    // The parsing name from the desktop (SHGDN_FORPARSING): on Windows the stored object's path
    // inside the Recycle Bin's storage.
    Text pathName(int item) const;
    // The item's text in list column `listColumn` (1 .. columns().size() - 1), read once from the
    // shell per enumeration; a failed request gives an empty text.
    Text detailText(int item, int listColumn) const;
    // The item's small icon in the system's image list (SHGetFileInfoW on its absolute
    // identifier), asked once per enumeration; -1 when the shell gives none.
    int iconIndex(int item) const;
    // The system's image list of small or large icons (shared: never destroyed by its users).
    static HIMAGELIST systemImageList(bool small);
    // The item's absolute identifier (from the desktop), owned by this object.
    PCIDLIST_ABSOLUTE absoluteId(int item) const;
    // The item's identifier relative to the Recycle Bin, owned by this object.
    PCUITEMID_CHILD relativeId(int item) const;
    // Renames the item through the folder (renameItem); after Renamed the item holds the
    // identifiers the shell gave it and reads its texts again.
    RenameOutcome rename(int item, TextView name, HWND owner);
    // The bound folder (not owned by the caller: AddRef to keep it).
    IShellFolder* folder() const;

private:
    struct Item;
    void buildColumns();
    const Item& item(int index) const;

    IShellFolder* desktop_ = nullptr;
    IShellFolder* folder_ = nullptr;
    IShellFolder2* details_ = nullptr;
    PIDLIST_ABSOLUTE rootId_ = nullptr;
    std::vector<std::unique_ptr<Item>> items_;
    std::vector<ShellColumn> columns_;
};

} // namespace velmora::win32
