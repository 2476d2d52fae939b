// The analysis dialog with its GDI pie.
#include "AnalyzeDialog.h"

#include <algorithm>
#include <cmath>

#include "Win32Ui.h"
#include "core/AnalysisTexts.h"
#include "core/PieGeometry.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

namespace {
constexpr wchar_t kClass[] = L"TfrmAnalyze";
constexpr wchar_t kChartClass[] = L"TChart";
constexpr COLORREF kColours[] = {TfrmAnalyze::PartColour, TfrmAnalyze::RestColour};
const char16_t* const kLabels[] = {AnalysisPartLabel, AnalysisRestLabel};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

int textWidthIn(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return int(size.cx);
}

POINT toPoint(const PiePoint& p) {
    return {LONG(std::lround(p.X)), LONG(std::lround(p.Y))};
}

// The points of an arc of the face (or of the face moved down by `drop`), about one a degree.
void appendArc(std::vector<POINT>& points, const PieFrame& face, double from, double to,
               double drop) {
    const int steps = std::max(1, int(std::ceil(std::abs(to - from))));
    for (int i = 0; i <= steps; ++i) {
        PiePoint p = pieFacePoint(face, from + (to - from) * i / steps);
        p.Y += drop;
        points.push_back(toPoint(p));
    }
}

void fillPolygon(HDC dc, const std::vector<POINT>& points, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dc, brush);
    Polygon(dc, points.data(), int(points.size()));
    SelectObject(dc, old);
    DeleteObject(brush);
}

void box(HDC dc, RECT r, COLORREF fill) {
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ old = SelectObject(dc, brush);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, old);
    DeleteObject(brush);
}

RECT toRect(const PieRect& r) {
    return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
}

// A carriage return, alone or before a line feed, starts a new line.
std::wstring withLineBreaks(const std::wstring& message) {
    std::wstring text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == L'\r') {
            text += L"\r\n";
            if (i + 1 < message.size() && message[i + 1] == L'\n')
                ++i;
        } else if (message[i] == L'\n') {
            text += L"\r\n";
        } else {
            text += message[i];
        }
    }
    return text;
}
} // namespace

COLORREF TfrmAnalyze::RimColour(COLORREF face) {
    return RGB(GetRValue(face) * 100 / 160, GetGValue(face) * 100 / 160,
               GetBValue(face) * 100 / 160);
}

TfrmAnalyze::TfrmAnalyze(HWND owner) : owner_(owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(kClass, windowProc, GetSysColorBrush(COLOR_BTNFACE));
    registerWindowClass(kChartClass, chartProc, GetSysColorBrush(COLOR_BTNFACE));

    // The controls' places are in the client area proper, Margin in from the window's own.
    RECT r{0, 0, ClientWidth + 2 * Margin, ClientHeight + 2 * Margin};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    const std::wstring caption = std::wstring(ApplicationTitle) + toWide(AnalysisCaptionSuffix);
    hwnd_ = CreateWindowExW(kExStyle, kClass, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, owner, nullptr, instance, this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, LONG_PTR(this));
    // In the keyboard order Chart1, then BitBtn1; the chart leaves BitBtn1's place to it when a
    // long message has moved the chart down onto it.
    label_ = makeControl(hwnd_, L"STATIC", L"", SS_LEFT, IdLabel, 0, 0, ClientWidth, LineHeight);
    chart_ =
        makeControl(hwnd_, kChartClass, L"", 0, IdChart, 0, LineHeight, ClientWidth, ChartHeight);
    SetWindowLongPtrW(chart_, GWLP_USERDATA, LONG_PTR(this));
    ok_ = makeControl(hwnd_, L"BUTTON", toWide(AnalysisOkText).c_str(), BS_PUSHBUTTON | WS_TABSTOP,
                      IdOk, Margin + 115, Margin + 233, 75, 25);
}

int TfrmAnalyze::ShowModal() {
    FormShow();
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOver(hwnd_, owner_);
    }
    modalResult_ = IDCANCEL;
    runModal(hwnd_, owner_, ok_);
    return modalResult_;
}

void TfrmAnalyze::FormShow() {
    const std::wstring text = withLineBreaks(toWide(StrMsg));
    SetWindowTextW(label_, text.c_str());
    // Label1's height follows its text, 13 pixels a line, as the label wraps it; Chart1 follows.
    HDC dc = GetDC(label_);
    HGDIOBJ old = SelectObject(dc, windowFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT measured{0, 0, ClientWidth, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_LEFT);
    SelectObject(dc, old);
    ReleaseDC(label_, dc);
    const int lineHeight = std::max(1, int(metrics.tmHeight));
    const int lines = std::max(1, int((measured.bottom + lineHeight - 1) / lineHeight));
    MoveWindow(label_, Margin, Margin, ClientWidth, lines * LineHeight, TRUE);
    MoveWindow(chart_, Margin, Margin + lines * LineHeight, ClientWidth, ChartHeight, TRUE);

    // The series anew: the sizes as doubles, the difference worked out in extended precision.
    values_ = {double(ISpacePart), double(ISpaceTotal - ISpacePart)};
    drawn_.clear();
    InvalidateRect(chart_, nullptr, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TfrmAnalyze::paintChart(HDC dc) {
    RECT client{};
    GetClientRect(chart_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    drawn_.clear();
    const std::vector<PieShare> shares = computePieShares(values_);
    HGDIOBJ oldFont = SelectObject(dc, windowFont());
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int textHeight = int(metrics.tmHeight);

    int valueWidth = 0, labelWidth = 0, markWidth = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        DrawnSlice s;
        s.value = values_[i];
        s.startAngle = shares[i].StartAngle;
        s.spanAngle = shares[i].SpanAngle;
        s.mark = toWide(shares[i].Mark);
        s.legendValue = toWide(shares[i].LegendValue);
        s.legendLabel = toWide(kLabels[i % 2]);
        valueWidth = std::max(valueWidth, textWidthIn(dc, s.legendValue));
        labelWidth = std::max(labelWidth, textWidthIn(dc, s.legendLabel));
        markWidth = std::max(markWidth, textWidthIn(dc, s.mark));
        drawn_.push_back(std::move(s));
    }
    const PieChartLayout layout =
        computePieChartLayout({0, 0, int(client.right), int(client.bottom)}, int(drawn_.size()),
                              valueWidth, labelWidth, markWidth, textHeight);
    face_ = layout.Face;

    // The legend: swatch, value right-aligned, label.
    if (layout.HasLegend) {
        const PieLegendLayout& legend = layout.Legend;
        box(dc, toRect(legend.Box), RGB(255, 255, 255));
        for (int row = 0; row < int(drawn_.size()); ++row) {
            DrawnSlice& s = drawn_[std::size_t(row)];
            s.swatch = toRect(legend.swatch(row));
            box(dc, s.swatch, kColours[row % 2]);
            const int top = legend.rowTop(row);
            RECT value{legend.ValueLeft, top, legend.ValueLeft + legend.ValueWidth,
                       top + legend.RowHeight};
            DrawTextW(dc, s.legendValue.c_str(), int(s.legendValue.size()), &value,
                      DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            RECT label{legend.LabelLeft, top, legend.LabelLeft + legend.LabelWidth,
                       top + legend.RowHeight};
            DrawTextW(dc, s.legendLabel.c_str(), int(s.legendLabel.size()), &label,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }

    // The rim facing the viewer, then the top face, then the marks.
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        for (const auto& [from, to] : pieFrontRimSpans(drawn_[i].startAngle, drawn_[i].spanAngle)) {
            std::vector<POINT> points;
            appendArc(points, face_, from, to, 0);
            appendArc(points, face_, to, from, face_.Depth);
            fillPolygon(dc, points, RimColour(kColours[i % 2]));
        }
    }
    for (std::size_t i = 0; i < drawn_.size(); ++i) {
        const DrawnSlice& s = drawn_[i];
        if (s.spanAngle <= 0)
            continue;
        std::vector<POINT> points;
        if (s.spanAngle < 360)
            points.push_back(toPoint(pieFacePoint(face_, 0, 0)));
        appendArc(points, face_, s.startAngle, s.startAngle + s.spanAngle, 0);
        fillPolygon(dc, points, kColours[i % 2]);
    }
    for (DrawnSlice& s : drawn_) {
        const int boxWidth = textWidthIn(dc, s.mark) + PieMarkPaddingX;
        const int boxHeight = textHeight + PieMarkPaddingY;
        const PieMarkPlace place =
            placePieMark(face_, s.startAngle + s.spanAngle / 2, boxWidth, boxHeight);
        const POINT from = toPoint(place.Anchor), to = toPoint(place.End);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
        const LONG left = std::lround(place.BoxCentre.X - boxWidth / 2.0);
        const LONG top = std::lround(place.BoxCentre.Y - boxHeight / 2.0);
        s.markBox = {left, top, left + boxWidth, top + boxHeight};
        box(dc, s.markBox, MarkBackground);
        RECT text = s.markBox;
        DrawTextW(dc, s.mark.c_str(), int(s.mark.size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK TfrmAnalyze::chartProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TfrmAnalyze*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self) {
            RECT ok{};
            GetWindowRect(self->ok_, &ok);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&ok), 2);
            ExcludeClipRect(dc, ok.left, ok.top, ok.right, ok.bottom);
            guarded([&] { self->paintChart(dc); });
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (self)
            guarded([&] { self->paintChart(HDC(wParam)); });
        return 0;
    case WM_ERASEBKGND:
        return 1; // the painting fills the whole chart
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK TfrmAnalyze::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TfrmAnalyze*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        // BitBtn1 closes with 1; Escape (IDCANCEL) does nothing: there is no cancel button.
        if (self && LOWORD(wParam) == IdOk && HIWORD(wParam) == BN_CLICKED) {
            self->modalResult_ = IdOk;
            endModal(hwnd);
        }
        return 0;
    case WM_CLOSE:
        if (self)
            self->modalResult_ = IDCANCEL;
        endModal(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace velmora::win32
