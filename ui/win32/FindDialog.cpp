// The system's Find dialog.
#include "FindDialog.h"

#include <dlgs.h>

#include "platform/win32/ShellText.h"

namespace velmora::win32 {

TFindDialog::TFindDialog(HWND owner) {
    state_.lStructSize = sizeof state_;
    state_.hwndOwner = owner;
    state_.Flags = FR_DOWN;
    state_.lpstrFindWhat = text_;
    state_.wFindWhatLen = WORD(std::size(text_));
}

void TFindDialog::Execute() {
    if (dialog_) {
        SetActiveWindow(dialog_);
        BringWindowToTop(dialog_);
        return;
    }
    state_.Flags = options_;
    dialog_ = FindTextW(&state_);
}

Text TFindDialog::findText() const {
    return fromWide(text_);
}

bool TFindDialog::down() const {
    return (state_.Flags & FR_DOWN) != 0;
}

UINT TFindDialog::FindMessage() {
    static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
    return message;
}

bool TFindDialog::findNextPressed(LPARAM lParam) {
    const auto* state = reinterpret_cast<const FINDREPLACEW*>(lParam);
    if (state != &state_)
        return false;
    if (state_.Flags & FR_DIALOGTERM) {
        // The dialog still exists: its direction and check boxes are kept for the next opening
        // (Wine's dialog clears them from the flags as it closes).
        if (dialog_)
            options_ = (IsDlgButtonChecked(dialog_, rad2) == BST_CHECKED ? FR_DOWN : 0) |
                       (IsDlgButtonChecked(dialog_, chx1) == BST_CHECKED ? FR_WHOLEWORD : 0) |
                       (IsDlgButtonChecked(dialog_, chx2) == BST_CHECKED ? FR_MATCHCASE : 0);
        dialog_ = nullptr;
        return false;
    }
    const bool pressed = (state_.Flags & FR_FINDNEXT) != 0;
    state_.Flags &= ~DWORD(FR_FINDNEXT);
    return pressed;
}

} // namespace velmora::win32
