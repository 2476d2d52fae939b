// The shell's own context menu of one item (GetUIObjectOf, IContextMenu) and the commands chosen
// from it, and the rename of an item through its folder (SetNameOf).
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "core/Text.h"

namespace velmora::win32 {

// The numbers the menu's commands take.
inline constexpr UINT FirstMenuCommand = 1;
inline constexpr UINT LastMenuCommand = 0x7FFF;

// The menu object of one item. Every call happens on the thread that made it.
class ShellItemMenu {
public:
    // Asks the folder for the item's menu object; without one, valid() is false.
    ShellItemMenu(IShellFolder* folder, PCUITEMID_CHILD item, HWND owner);
    // Holds a menu object of its own (AddRef).
    explicit ShellItemMenu(IContextMenu* menu);
    ~ShellItemMenu();
    ShellItemMenu(const ShellItemMenu&) = delete;
    ShellItemMenu& operator=(const ShellItemMenu&) = delete;

    bool valid() const { return menu_ != nullptr; }
    // Puts the shell's commands into `menu` (QueryContextMenu with CMF_EXPLORE | CMF_CANRENAME,
    // numbered FirstMenuCommand to LastMenuCommand). False when the shell refuses.
    bool fill(HMENU menu) const;
    // The language-independent name of a command (GCS_VERBA, at most 256 characters); empty when
    // the shell gives none.
    std::string verb(UINT command) const;
    // Lets the shell carry out the command (owner window, SW_SHOWNORMAL); whether it reports
    // success.
    bool invoke(UINT command, HWND owner) const;
    // Hands a menu message (WM_DRAWITEM, WM_MEASUREITEM, WM_INITMENUPOPUP, WM_MENUCHAR) to a menu
    // object that draws entries of its own (IContextMenu2 or 3). False when it takes none.
    bool handleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

private:
    void queryHelpers();

    IContextMenu* menu_ = nullptr;
    IContextMenu2* menu2_ = nullptr;
    IContextMenu3* menu3_ = nullptr;
};

// What became of a command chosen from an item's menu.
struct MenuCommandResult {
    bool startRename = false; // "rename": the list edits the row's name itself
    bool invoked = false;     // the command went to the shell
    bool succeeded = false;   // ... and the shell reported success
    bool reRead = false;      // a "delete" or "paste" that succeeded: the list reads again
};

// Carries out the chosen command by its verb (compared without regard to case): "rename" is
// left to the list; "open" runs with the current folder set to the folder part of pathName, and
// that folder is set back when the command succeeds; every other verb, and a command without one,
// goes to the shell.
MenuCommandResult runMenuCommand(const ShellItemMenu& menu, UINT command, HWND owner,
                                 TextView pathName);

enum class RenameOutcome {
    NotRenamable, // the shell does not report the item as renamable: nothing was asked
    Renamed,
    Refused, // SetNameOf failed
};

// Renames a folder's item: nothing unless the shell reports it as renamable (SFGAO_CANRENAME);
// otherwise SetNameOf with SHGDN_NORMAL. After Renamed, *newItem holds the item's new identifier
// (null when the shell gave none), which the caller frees with CoTaskMemFree.
RenameOutcome renameItem(IShellFolder* folder, PCUITEMID_CHILD item, TextView name, HWND owner,
                         PITEMID_CHILD* newItem);

} // namespace velmora::win32
