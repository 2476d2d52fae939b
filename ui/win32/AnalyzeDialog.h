// TfrmAnalyze on Windows: the analysis message and a pie of the space before the cut-off against
// the rest, drawn with GDI from the core's geometry.
#pragma once

#include <windows.h>

#include "core/Text.h"

namespace velmora::win32 {

class TfrmAnalyze {
public:
    // Registers the window class; the dialog is created hidden, owned by `owner`.
    explicit TfrmAnalyze(HWND owner);
    // Shows the dialog modally (the owner disabled) with the message and the two sizes.
    void ShowModal(TextView StrMsg, double ISpaceTotal, double ISpacePart);
    HWND handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    void paint(HDC dc);

    HWND owner_;
    HWND hwnd_ = nullptr;
    HWND label_ = nullptr;
    HWND ok_ = nullptr;
    double total_ = 0;
    double part_ = 0;
    bool done_ = false;
};

} // namespace velmora::win32
