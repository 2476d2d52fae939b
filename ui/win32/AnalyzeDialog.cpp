// The analysis dialog with its GDI pie.
#include "AnalyzeDialog.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "Win32Ui.h"
#include "core/AnalysisTexts.h"
#include "core/PieGeometry.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

namespace {
constexpr wchar_t kClass[] = L"TfrmAnalyze";
constexpr COLORREF kColors[] = {TfrmAnalyze::PartColour, TfrmAnalyze::RestColour};

POINT onCircle(int cx, int cy, int r, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    // Counter-clockwise from three o'clock, y growing downwards.
    return {cx + LONG(std::lround(r * std::cos(a))), cy - LONG(std::lround(r * std::sin(a)))};
}
} // namespace

TfrmAnalyze::TfrmAnalyze(HWND owner) : owner_(owner) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClass;
    RegisterClassExW(&wc);
    const std::wstring caption = std::wstring(ApplicationTitle) + toWide(AnalysisCaptionSuffix);
    RECT r{0, 0, 420, 290};
    AdjustWindowRectEx(&r, WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
    hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, caption.c_str(), WS_CAPTION | WS_SYSMENU,
                            CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, owner,
                            nullptr, GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, LONG_PTR(this));
    label_ = makeControl(hwnd_, L"STATIC", L"", SS_LEFT, IdLabel, 8, 8, 404, 40);
    ok_ = makeControl(hwnd_, L"BUTTON", toWide(AnalysisOkText).c_str(),
                      BS_DEFPUSHBUTTON | WS_TABSTOP, IdOk, 172, 256, 75, 25);
}

void TfrmAnalyze::ShowModal() {
    FormShow();
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOver(hwnd_, owner_);
    }
    runModal(hwnd_, owner_, ok_);
}

void TfrmAnalyze::FormShow() {
    // A carriage return, alone or before a line feed, starts a new line.
    std::wstring text;
    const std::wstring message = toWide(StrMsg);
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
    SetWindowTextW(label_, text.c_str());
    // The sizes as doubles, the difference worked out first in extended precision.
    part_ = ISpacePart;
    rest_ = double(static_cast<long double>(ISpaceTotal) - ISpacePart);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TfrmAnalyze::paint(HDC dc) const {
    const std::vector<PieShare> shares = computePieShares({part_, rest_});
    const int r = ChartSize / 2, cx = ChartLeft + r, cy = ChartTop + r;
    HGDIOBJ oldFont = SelectObject(dc, windowFont());
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const PieShare& s = shares[i];
        HBRUSH brush = CreateSolidBrush(kColors[i % 2]);
        HGDIOBJ old = SelectObject(dc, brush);
        if (s.SpanAngle >= 360.0) {
            Ellipse(dc, cx - r, cy - r, cx + r, cy + r);
        } else if (s.SpanAngle > 0) {
            const POINT a = onCircle(cx, cy, r, s.StartAngle);
            const POINT b = onCircle(cx, cy, r, s.StartAngle + s.SpanAngle);
            Pie(dc, cx - r, cy - r, cx + r, cy + r, a.x, a.y, b.x, b.y); // counter-clockwise
        }
        SelectObject(dc, old);
        DeleteObject(brush);
        // The legend: a colour box, the value and the label.
        const int y = ChartTop + 20 + int(i) * 24;
        HBRUSH box = CreateSolidBrush(kColors[i % 2]);
        RECT boxRect{ChartLeft + ChartSize + 16, y, ChartLeft + ChartSize + 28, y + 12};
        FillRect(dc, &boxRect, box);
        DeleteObject(box);
        const std::wstring legend = toWide(s.LegendValue) +
                                    toWide(i == 0 ? AnalysisPartLabel : AnalysisRestLabel) + L" (" +
                                    toWide(s.Mark) + L")";
        TextOutW(dc, ChartLeft + ChartSize + 32, y, legend.c_str(), int(legend.size()));
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK TfrmAnalyze::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TfrmAnalyze*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self)
            guarded([&] { self->paint(dc); });
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        DefWindowProcW(hwnd, WM_ERASEBKGND, wParam, 0);
        if (self)
            guarded([&] { self->paint(HDC(wParam)); });
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdOk || LOWORD(wParam) == IDCANCEL)
            endModal(hwnd);
        return 0;
    case WM_CLOSE:
        endModal(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace velmora::win32
