// The Recycle Bin list, its item menu and the rename of an item.
#include "ShellListView.h"

#include <commctrl.h>

#include "Win32Ui.h"
#include "core/Errors.h"
#include "platform/win32/ShellItemMenu.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

namespace {
// The menu object while its menu is open, for the menu messages of its owner window.
const ShellItemMenu* OpenMenu = nullptr;

class OpenMenuSlot {
public:
    explicit OpenMenuSlot(const ShellItemMenu& menu) { OpenMenu = &menu; }
    ~OpenMenuSlot() { OpenMenu = nullptr; }
    OpenMenuSlot(const OpenMenuSlot&) = delete;
    OpenMenuSlot& operator=(const OpenMenuSlot&) = delete;
};

class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_)
            DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU handle() const { return menu_; }

private:
    HMENU menu_;
};
} // namespace

TShellListView::TShellListView(HWND parent, int id) : owner_(parent) {
    hwnd_ = makeControl(parent, WC_LISTVIEWW, L"",
                        LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                            LVS_EDITLABELS | LVS_SHAREIMAGELISTS | WS_BORDER | WS_TABSTOP,
                        id, 0, 0, 0, 0);
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT);
    ListView_SetImageList(hwnd_, RecycleBinFolder::systemImageList(true), LVSIL_SMALL);
    ListView_SetImageList(hwnd_, RecycleBinFolder::systemImageList(false), LVSIL_NORMAL);
    folder_ = std::make_unique<RecycleBinFolder>();
    folder_->enumerate(owner_);
    buildColumns();
}

void TShellListView::setBounds(int x, int y, int width, int height) {
    MoveWindow(hwnd_, x, y, width, height, TRUE);
}

void TShellListView::buildColumns() {
    while (ListView_DeleteColumn(hwnd_, 0)) {
    }
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, windowFont());
    SIZE x{};
    GetTextExtentPoint32W(dc, L"X", 1, &x);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    int index = 0;
    for (const ShellColumn& c : folder_->columns()) {
        std::wstring heading = toWide(c.heading);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = c.format;
        column.cx = c.widthInChars * x.cx;
        column.pszText = heading.data();
        ListView_InsertColumn(hwnd_, index++, &column);
    }
    ListView_SetItemCountEx(hwnd_, folder_->itemCount(), 0);
}

void TShellListView::Refresh() {
    const int selected = ItemIndex();
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
    ListView_SetItemCountEx(hwnd_, 0, 0);
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    folder_->enumerate(owner_);
    buildColumns();
    SetCursor(previous);
    if (selected >= 0 && selected < rowCount())
        ListView_SetItemState(hwnd_, selected, LVIS_SELECTED, LVIS_SELECTED);
}

int TShellListView::rowCount() const {
    return folder_->itemCount();
}

Text TShellListView::subItemText(int row, int subItem) const {
    return folder_->detailText(row, subItem + 1);
}

Text TShellListView::displayName(int row) const {
    return folder_->displayName(row);
}

void TShellListView::setItemIndex(int row) {
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
    if (row < 0)
        return;
    // Some lists (Wine's) scroll the focused row into view: the list is put back where it stood.
    const int top = topRow();
    ListView_SetItemState(hwnd_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (const int moved = topRow() - top; moved != 0)
        scrollRows(-moved);
}

int TShellListView::topRow() const {
    return int(SendMessageW(hwnd_, LVM_GETTOPINDEX, 0, 0));
}

void TShellListView::scrollRows(int rows) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    if (SendMessageW(hwnd_, LVM_GETITEMRECT, 0, LPARAM(&r)))
        ListView_Scroll(hwnd_, 0, rows * (r.bottom - r.top));
}

int TShellListView::ItemIndex() const {
    return int(ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED));
}

void TShellListView::setSelected(int row) {
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(hwnd_, row, LVIS_SELECTED, LVIS_SELECTED);
}

void TShellListView::scrollToTop() {
    SendMessageW(hwnd_, WM_VSCROLL, SB_TOP, 0);
    // A list that does not know SB_TOP (Wine's) is scrolled there by the rows above.
    if (const int top = topRow(); top > 0)
        scrollRows(-top);
}

void TShellListView::scrollLines(int lines) {
    for (; lines > 0; --lines)
        SendMessageW(hwnd_, WM_VSCROLL, SB_LINEDOWN, 0);
    for (; lines < 0; ++lines)
        SendMessageW(hwnd_, WM_VSCROLL, SB_LINEUP, 0);
}

void TShellListView::popupMenu(int x, int y) {
    const int row = ItemIndex();
    if (row < 0)
        return;
    if (x == -1 && y == -1) {
        RECT r{};
        r.left = LVIR_LABEL;
        SendMessageW(hwnd_, LVM_GETITEMRECT, WPARAM(row), LPARAM(&r));
        POINT p{r.left, r.bottom};
        ClientToScreen(hwnd_, &p);
        x = p.x;
        y = p.y;
    }
    const ShellItemMenu menu(folder_->folder(), folder_->relativeId(row), owner_);
    PopupMenu popup;
    if (!menu.valid() || !popup.handle() || !menu.fill(popup.handle()))
        return;
    UINT command = 0;
    {
        const OpenMenuSlot slot(menu);
        command = UINT(TrackPopupMenu(popup.handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0,
                                      owner_, nullptr));
    }
    if (command == 0)
        return;
    const MenuCommandResult result = runMenuCommand(menu, command, owner_, folder_->pathName(row));
    if (result.startRename)
        startRename(row);
    else if (result.reRead)
        Refresh();
}

bool TShellListView::handleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
    switch (message) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_INITMENUPOPUP:
    case WM_MENUCHAR:
        return OpenMenu && OpenMenu->handleMenuMessage(message, wParam, lParam, result);
    default:
        return false;
    }
}

void TShellListView::startRename(int row) {
    if (row >= 0 && row < rowCount()) {
        SetFocus(hwnd_);
        ListView_EditLabel(hwnd_, row);
    }
}

void TShellListView::endRename(const NMLVDISPINFOW& info) {
    const int row = info.item.iItem;
    if (!info.item.pszText || row < 0 || row >= rowCount())
        return;
    const Text name = fromWide(info.item.pszText);
    const RenameOutcome outcome = folder_->rename(row, name, owner_);
    // The row shows whatever name the shell now reports.
    ListView_RedrawItems(hwnd_, row, row);
    if (outcome == RenameOutcome::Refused)
        throw RenameError(name);
}

bool TShellListView::handleNotify(NMHDR* header, LRESULT& result) {
    if (header->hwndFrom != hwnd_)
        return false;
    result = 0;
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        if ((info->item.mask & LVIF_TEXT) && info->item.cchTextMax > 0) {
            textBuffer_.clear();
            guarded([&] {
                const int row = info->item.iItem, column = info->item.iSubItem;
                textBuffer_ = toWide(column == 0 ? folder_->displayName(row)
                                                 : folder_->detailText(row, column));
            });
            lstrcpynW(info->item.pszText, textBuffer_.c_str(), info->item.cchTextMax);
        }
        if ((info->item.mask & LVIF_IMAGE) && info->item.iSubItem == 0)
            guarded([&] { info->item.iImage = folder_->iconIndex(info->item.iItem); });
        return true;
    }
    case LVN_BEGINLABELEDITW:
        result = FALSE; // an edit may always start
        return true;
    case LVN_ENDLABELEDITW: {
        const auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        guarded([&] { endRename(*info); });
        result = FALSE; // the row's text comes from its item, never from the edit
        return true;
    }
    default:
        return false;
    }
}

} // namespace velmora::win32
