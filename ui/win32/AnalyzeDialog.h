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
    TfrmAnalyze(const TfrmAnalyze&) = delete;
    TfrmAnalyze& operator=(const TfrmAnalyze&) = delete;

    // What the main window hands over: the message, the total size (written with the totals)
    // and the size before the cut-off, in megabytes.
    Text StrMsg;
    double ISpaceTotal = 0;
    double ISpacePart = 0;

    // Shows the dialog modally (the owner disabled), after FormShow.
    void ShowModal();
    // The label from StrMsg and the two slices from the sizes.
    void FormShow();
    HWND handle() const { return hwnd_; }

    // Control ids, and the pie's circle in the client area.
    static constexpr int IdOk = 1, IdLabel = 100;
    static constexpr int ChartLeft = 8, ChartTop = 56, ChartSize = 180;
    // The slices' colours: the part before the cut-off, the rest.
    static constexpr COLORREF PartColour = RGB(255, 0, 0), RestColour = RGB(0, 128, 0);

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    void paint(HDC dc) const;

    HWND owner_;
    HWND hwnd_ = nullptr;
    HWND label_ = nullptr;
    HWND ok_ = nullptr;
    double part_ = 0, rest_ = 0; // the slices' values of the last FormShow
    bool shownBefore_ = false;
};

} // namespace velmora::win32
