// TfrmAnalyze on Windows: the analysis message and, below it, a three-dimensional pie of the
// space before the cut-off against the rest, drawn with GDI from the core's geometry and layout.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/PieChartLayout.h"
#include "core/Text.h"

namespace velmora::win32 {

class TfrmAnalyze {
public:
    // Registers the window classes; the dialog is created hidden, owned by `owner`.
    explicit TfrmAnalyze(HWND owner);
    TfrmAnalyze(const TfrmAnalyze&) = delete;
    TfrmAnalyze& operator=(const TfrmAnalyze&) = delete;

    // What the main window hands over: the message, the total size (written with the totals)
    // and the size before the cut-off, in megabytes.
    Text StrMsg;
    long double ISpaceTotal = 0;
    long double ISpacePart = 0;

    // Shows the dialog modally (the owner disabled), after FormShow: centred over the owner the
    // first time, afterwards where it was closed. Returns 1 for BitBtn1, 2 for the close button.
    int ShowModal();
    // Label1 from StrMsg (Chart1 moves down as it grows) and the two slices from the sizes.
    void FormShow();
    HWND handle() const { return hwnd_; }
    HWND chart() const { return chart_; }

    // Control ids: Label1, Chart1, BitBtn1.
    static constexpr int IdLabel = 100, IdChart = 101, IdOk = 1;
    // The client area proper, Margin in from the window's own on every side (the controls'
    // places are given in it), and Label1's height for each line of text.
    static constexpr int Margin = 10, ClientWidth = 296, ClientHeight = 258, LineHeight = 13;
    static constexpr int ChartHeight = 209;
    // The slices' colours: the part before the cut-off, the rest.
    static constexpr COLORREF PartColour = RGB(255, 0, 0), RestColour = RGB(0, 128, 0);
    // The rim shows each slice's colour darkened (to 100/160 of each channel); the marks' boxes.
    static COLORREF RimColour(COLORREF face);
    static constexpr COLORREF MarkBackground = RGB(255, 255, 225);

    // One slice as last drawn: its value, its angles and its texts, and where its legend swatch
    // and its mark's box went (in Chart1's client pixels).
    struct DrawnSlice {
        double value = 0, startAngle = 0, spanAngle = 0;
        std::wstring mark, legendValue, legendLabel;
        RECT swatch{}, markBox{};
    };
    // What the last painting of Chart1 drew: the pie's face and the slices.
    PieFrame drawnFace() const { return face_; }
    const std::vector<DrawnSlice>& drawnSlices() const { return drawn_; }

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK chartProc(HWND, UINT, WPARAM, LPARAM);
    void paintChart(HDC dc);

    HWND owner_;
    HWND hwnd_ = nullptr;
    HWND label_ = nullptr;
    HWND chart_ = nullptr;
    HWND ok_ = nullptr;
    std::vector<double> values_; // the series' values of the last FormShow
    PieFrame face_;
    std::vector<DrawnSlice> drawn_;
    bool shownBefore_ = false;
    int modalResult_ = 0;
};

} // namespace velmora::win32
