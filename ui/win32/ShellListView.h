// ShellListView1 on Windows: an owner-data report list view over the shell's Recycle Bin, with
// the shell's own menu for the selected item and the in-place rename of its name.
#pragma once

#include <windows.h>

#include <memory>

#include "core/FindRows.h"
#include "core/ListRows.h"
#include "platform/win32/RecycleBinFolder.h"

namespace velmora::win32 {

class TShellListView final : public ListRows, public FindRows {
public:
    // Makes the list control in `parent` with the id, reads the Recycle Bin and builds the
    // columns.
    TShellListView(HWND parent, int id);
    HWND handle() const { return hwnd_; }
    const RecycleBinFolder& folder() const { return *folder_; }
    void setBounds(int x, int y, int width, int height);

    // Reads the Recycle Bin again: the selected row's index is kept when the new list still
    // has it.
    void Refresh();

    int rowCount() const override;
    Text subItemText(int row, int subItem) const override;
    // ItemIndex: selects the row and gives it the focus mark; -1 deselects.
    void setItemIndex(int row) override;
    int ItemIndex() const;
    Text displayName(int row) const override;
    // Selected: the row becomes the only selected one; the focus mark and the scroll position
    // stay.
    void setSelected(int row) override;
    // WM_VSCROLL with SB_TOP, and one SB_LINEDOWN or SB_LINEUP message per line.
    void scrollToTop() override;
    void scrollLines(int lines) override;
    // The first row in view.
    int topRow() const;

    // The list's notifications, which reach its parent (WM_NOTIFY); true when handled.
    bool handleNotify(NMHDR* header, LRESULT& result);
    // WM_CONTEXTMENU from the list: the shell's menu of the selected row at the screen point
    // (x, y), or below the row's name for the keyboard (-1, -1). Nothing without a selected row.
    void popupMenu(int x, int y);
    // The menu messages of the window the menu belongs to, handed to the open menu's object.
    static bool handleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Starts the edit of the row's name.
    void startRename(int row);

private:
    void buildColumns();
    // Scrolls by whole rows (LVM_SCROLL), down when positive.
    void scrollRows(int rows);
    void endRename(const NMLVDISPINFOW& info);

    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    std::unique_ptr<RecycleBinFolder> folder_;
    std::wstring textBuffer_;
};

} // namespace velmora::win32
