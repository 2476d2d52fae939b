// FindDialog1 on Windows: the system's modeless Find dialog (FindTextW), which keeps its text,
// direction and check boxes from one opening to the next.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "core/Text.h"

namespace velmora::win32 {

class TFindDialog {
public:
    // The dialog's owner receives its FindMessage(); the options start as frDown alone.
    explicit TFindDialog(HWND owner);
    TFindDialog(const TFindDialog&) = delete;
    TFindDialog& operator=(const TFindDialog&) = delete;

    // Opens the dialog without blocking its owner; an open one is only brought to the top, its
    // text and options as they are.
    void Execute();
    // The open dialog, or null.
    HWND handle() const { return dialog_; }
    Text findText() const;
    // The direction: Down (frDown) or Up.
    bool down() const;
    // The message the dialog sends its owner (FINDMSGSTRING).
    static UINT FindMessage();
    // Takes that message: true when Find Next was pressed; a dialog that closed is forgotten.
    bool findNextPressed(LPARAM lParam);

private:
    FINDREPLACEW state_{};
    // The direction and the check boxes for the next opening, as the dialog last had them.
    DWORD options_ = FR_DOWN;
    wchar_t text_[256] = {};
    HWND dialog_ = nullptr;
};

} // namespace velmora::win32
