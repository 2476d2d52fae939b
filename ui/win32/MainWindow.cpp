// The Windows main window: its controls, their layout, and the handlers behind them.
#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "ApplicationWindow.h"
#include "Resources.h"
#include "Win32Ui.h"
#include "core/AgeAnalysis.h"
#include "core/Purge.h"
#include "core/PurgeQuestion.h"
#include "core/Search.h"
#include "core/Totals.h"
#include "platform/win32/FolderTree.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

namespace {
constexpr wchar_t kClass[] = L"TForm1";
constexpr wchar_t kPanelClass[] = L"TPanel";
constexpr int kWidth = 715, kHeight = 491, kBottomHeight = 105;
constexpr int kPanelWidth = 119;
constexpr int kAboutLeft = 519, kAboutTop = 64, kAboutWidth = 169;

// Removes a row's item through its parsing name (KillItem refuses what is no storage path).
class ShellItemRemover final : public ItemRemover {
public:
    explicit ShellItemRemover(const TShellListView& list) : list_(list) {}
    RemoveOutcome KillItem(int row) override {
        return win32::KillItem(list_.folder().pathName(row));
    }

private:
    const TShellListView& list_;
};

// Panel1: white, with a lowered bevel; its labels are drawn on white.
LRESULT CALLBACK panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        SetBkColor(HDC(wParam), RGB(255, 255, 255));
        SetTextColor(HDC(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return LRESULT(GetStockObject(WHITE_BRUSH));
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

std::wstring windowText(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// The frame of a window whose client area is width x height, centred on the desktop's work
// area and no larger than it.
RECT centredFrame(int width, int height, DWORD style) {
    RECT frame{0, 0, width, height};
    AdjustWindowRect(&frame, style, FALSE);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const LONG w = std::min(frame.right - frame.left, work.right - work.left);
    const LONG h = std::min(frame.bottom - frame.top, work.bottom - work.top);
    const LONG x = work.left + (work.right - work.left - w) / 2;
    const LONG y = work.top + (work.bottom - work.top - h) / 2;
    return {x, y, x + w, y + h};
}
} // namespace

TForm1::TForm1(TodayFunction today, HWND owner) : today_(std::move(today)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(kPanelClass, panelProc, HBRUSH(GetStockObject(WHITE_BRUSH)));
    registerWindowClass(kClass, windowProc, GetSysColorBrush(COLOR_BTNFACE),
                        LoadIconW(instance, MAKEINTRESOURCEW(VELMORA_ICON_ID)));
    const RECT frame = centredFrame(kWidth, kHeight, WS_OVERLAPPEDWINDOW);
    hwnd_ = CreateWindowExW(0, kClass, L"Form1", WS_OVERLAPPEDWINDOW, frame.left, frame.top,
                            frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                            instance, this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, LONG_PTR(this));
    createControls();
    RECT client{};
    GetClientRect(hwnd_, &client);
    layout(client.right, client.bottom);
    frmAbout_ = std::make_unique<TfrmAbout>(hwnd_, supportAddress());
    frmAnalyze_ = std::make_unique<TfrmAnalyze>(hwnd_);
    findDialog_ = std::make_unique<TFindDialog>(hwnd_);
    guarded([this] { FormCreate(); });
}

void TForm1::createControls() {
    // In the keyboard order: the bottom group's controls, then the list and its panel; the group
    // boxes, which are no tab stops, last, under everything. The radio buttons end where the date
    // picker and the days box begin, and Label1 where 分析 does: a control paints its whole box
    // (a themed button its parent's background too), which would cover the next one.
    auto bottom = [this](const wchar_t* className, const wchar_t* text, DWORD style, int id,
                         Placed place) {
        place.control = makeControl(hwnd_, className, text, style, id, 0, 0, 0, 0);
        bottomControls_.push_back(place);
        return place.control;
    };
    bottom(L"BUTTON", L"分析", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, IdAnalyse,
           {nullptr, 389, 22, 65, 25});
    bottom(L"BUTTON", L"清除", BS_PUSHBUTTON | WS_TABSTOP, IdDelete, {nullptr, 473, 22, 65, 25});
    HWND rbDate = bottom(L"BUTTON", L"按日期：清除", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP,
                         IdRbDate, {nullptr, 24, 24, 121 - 24, 17});
    SendMessageW(rbDate, BM_SETCHECK, BST_CHECKED, 0);
    dtCeil_ = bottom(DATETIMEPICK_CLASSW, L"", DTS_SHORTDATECENTURYFORMAT | WS_TABSTOP, IdDtCeil,
                     {nullptr, 121, 22, 98, 21});
    bottom(L"STATIC", L"之前删除到回收站的文件", SS_LEFTNOWORDWRAP, IdLabel1,
           {nullptr, 225, 24, 389 - 225, 13});
    bottom(L"BUTTON", L"按天数：清除", BS_AUTORADIOBUTTON | WS_TABSTOP, IdRbDays,
           {nullptr, 24, 61, 121 - 24, 17});
    // The combo box's height holds its drop-down list.
    cmbDays_ = bottom(WC_COMBOBOXW, L"", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, IdDays,
                      {nullptr, 121, 57, 51, 200});
    for (const wchar_t* days : {L"10", L"15", L"30", L"60", L"180"})
        SendMessageW(cmbDays_, CB_ADDSTRING, 0, LPARAM(days));
    SendMessageW(cmbDays_, CB_SETCURSEL, 3, 0); // "60"
    bottom(L"STATIC", L"天之前删除到回收站中的文件", SS_LEFTNOWORDWRAP, IdLabel2,
           {nullptr, 181, 61, 193, 13});
    bottom(L"BUTTON", L"搜索", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, IdSeek,
           {nullptr, 556, 22, 65, 25});
    const std::wstring about = std::wstring(L"关于\"") + ApplicationTitle + L"\"";
    lblAbout_ =
        makeControl(hwnd_, L"STATIC", about.c_str(), SS_CENTER | SS_NOTIFY, IdAbout, 0, 0, 0, 0);
    SendMessageW(lblAbout_, WM_SETFONT, WPARAM(underlinedFont()), FALSE);

    list_ = std::make_unique<TShellListView>(hwnd_, IdListView);
    panel_ = makeControl(hwnd_, kPanelClass, L"", WS_CLIPCHILDREN, IdPanel, 0, 0, 0, 0);
    HWND image = makeControl(panel_, L"STATIC", L"", SS_ICON, IdImage, 8, 8, 32, 32);
    SendMessageW(image, STM_SETICON,
                 WPARAM(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(VELMORA_ICON_ID),
                                   IMAGE_ICON, 32, 32, 0)),
                 0);
    makeControl(panel_, L"STATIC", L"回收站中已删除文件、文件夹共：", SS_LEFT, IdLabel3, 8, 50, 105,
                39);
    lblTotal_ = makeControl(panel_, L"STATIC", L"", SS_LEFTNOWORDWRAP, IdTotal, 26, 90, 88, 13);
    makeControl(panel_, L"STATIC", L"合计占用空间：", SS_LEFTNOWORDWRAP, IdLabel4, 8, 138, 105, 13);
    lblTotalSpace_ =
        makeControl(panel_, L"STATIC", L"", SS_LEFTNOWORDWRAP, IdTotalSpace, 16, 156, 0, 13);
    groupClean_ =
        makeControl(hwnd_, L"BUTTON", L"安全清理回收站", BS_GROUPBOX, IdGroupClean, 0, 0, 0, 0);
    groupList_ = makeControl(hwnd_, L"BUTTON", L"回收站", BS_GROUPBOX, IdGroupList, 0, 0, 0, 0);
}

void TForm1::layout(int width, int height) {
    const int bottomTop = std::max(0, height - kBottomHeight);
    MoveWindow(groupClean_, 0, bottomTop, width, kBottomHeight, TRUE);
    for (const Placed& p : bottomControls_) {
        MoveWindow(p.control, p.left, bottomTop + p.top, p.width, p.height, TRUE);
    }
    // A window narrower than the link keeps the link whole inside the group.
    MoveWindow(lblAbout_, std::max(0, std::min(kAboutLeft, width - 2 - kAboutWidth)),
               bottomTop + kAboutTop, kAboutWidth, 13, TRUE);
    MoveWindow(groupList_, 0, 0, width, bottomTop, TRUE);
    const int inner = std::max(0, bottomTop - 17);
    MoveWindow(panel_, 2, 15, kPanelWidth, inner, TRUE);
    list_->setBounds(2 + kPanelWidth, 15, std::max(0, width - 4 - kPanelWidth), inner);
}

void TForm1::FormCreate() {
    columns_ = findDetailColumns(list_->folder().headings());
    SetWindowTextW(hwnd_, ApplicationTitle);
    SetDtCeilDateTime(today_() - 60);
}

TDateTime TForm1::DtCeilDateTime() const {
    SYSTEMTIME date{};
    SendMessageW(dtCeil_, DTM_GETSYSTEMTIME, 0, LPARAM(&date));
    TDateTime value = 0;
    tryEncodeDate(date.wYear, date.wMonth, date.wDay, value);
    return value;
}

void TForm1::SetDtCeilDateTime(TDateTime value) {
    const DateParts parts = decodeDateTime(std::floor(value));
    SYSTEMTIME date{};
    date.wYear = WORD(parts.year);
    date.wMonth = WORD(parts.month);
    date.wDay = WORD(parts.day);
    SendMessageW(dtCeil_, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&date));
}

void TForm1::RefreshSum() {
    const Totals totals = computeTotals(*list_, columns_.size);
    SetWindowTextW(lblTotal_, toWide(totals.countText).c_str());
    const std::wstring space = toWide(totals.spaceText);
    SetWindowTextW(lblTotalSpace_, space.c_str());
    SetWindowPos(lblTotalSpace_, nullptr, 0, 0, textWidth(windowFont(), space), 13,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frmAnalyze_->ISpaceTotal = totals.megabytes;
}

CutOffChoice TForm1::cutOffChoice() const {
    CutOffChoice choice;
    choice.byDate = IsDlgButtonChecked(hwnd_, IdRbDate) == BST_CHECKED;
    choice.pickerValue = DtCeilDateTime();
    choice.daysText = fromWide(windowText(cmbDays_).c_str());
    choice.today = today_();
    return choice;
}

void TForm1::BtnAnalyseClick() {
    const AgeAnalysis analysis = analyseAge(*list_, cutOffChoice(), columns_.date, columns_.size);
    frmAnalyze_->StrMsg = analysis.message;
    frmAnalyze_->ISpacePart = analysis.megabytes;
    frmAnalyze_->ShowModal();
}

void TForm1::BtnDeleteClick() {
    const PurgePlan plan = planPurge(*list_, cutOffChoice(), columns_.date, columns_.size);
    if (plan.rows.empty() && plan.error)
        std::rethrow_exception(plan.error);
    if (!plan.rows.empty() && MessageBoxW(hwnd_, toWide(purgeQuestion(plan)).c_str(),
                                          ApplicationTitle, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ShellItemRemover remover(*list_);
    const RemovalOutcomes outcomes =
        plan.rows.empty() ? RemovalOutcomes{} : removeRows(plan.rows, remover);
    const PurgeReport report = purgeReport(plan, outcomes);
    showInformation(hwnd_, report.removedMessage);
    showInformation(hwnd_, report.freedMessage);
    list_->Refresh();
    RefreshSum();
    if (plan.error)
        std::rethrow_exception(plan.error);
}

void TForm1::BtnSeekClick() {
    startSearch(*list_, searchPos_);
    findDialog_->Execute();
}

void TForm1::FindDialog1Find() {
    if (findNext(*list_, findDialog_->findText(), findDialog_->down(), searchPos_) ==
        FindOutcome::EndOfList)
        showInformation(hwnd_, searchEndedText());
}

void TForm1::CmbDaysChange() {
    CheckRadioButton(hwnd_, IdRbDate, IdRbDays, IdRbDays);
}

void TForm1::lblAboutClick() {
    frmAbout_->ShowModal();
}

bool TForm1::preTranslateMessage(MSG& msg) {
    if (HWND find = findDialog_->handle(); find && IsDialogMessageW(find, &msg))
        return true;
    return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

void TForm1::runMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (preTranslateMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LRESULT CALLBACK TForm1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TForm1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT TForm1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TShellListView::handleMenuMessage(message, wParam, lParam, result))
        return result;
    if (message == TFindDialog::FindMessage()) {
        if (findDialog_ && findDialog_->findNextPressed(lParam))
            guarded([this] { FindDialog1Find(); });
        return 0;
    }
    switch (message) {
    case WM_SIZE:
        if (list_)
            layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SHOWWINDOW:
        if (wParam && frmAnalyze_)
            guarded([this] { RefreshSum(); });
        break;
    case WM_COMMAND: {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        if (id == IdAnalyse && code == BN_CLICKED)
            guarded([this] { BtnAnalyseClick(); });
        else if (id == IdDelete && code == BN_CLICKED)
            guarded([this] { BtnDeleteClick(); });
        else if (id == IdSeek && code == BN_CLICKED)
            guarded([this] { BtnSeekClick(); });
        else if (id == IdDays && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))
            guarded([this] { CmbDaysChange(); });
        else if (id == IdAbout && code == STN_CLICKED)
            guarded([this] { lblAboutClick(); });
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // The about link in blue on the window's colour.
        if (HWND(lParam) == lblAbout_) {
            SetTextColor(HDC(wParam), RGB(0, 0, 255));
            SetBkColor(HDC(wParam), GetSysColor(COLOR_BTNFACE));
            return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_SETCURSOR:
        if (HWND(wParam) == lblAbout_) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (list_ && list_->handleNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        break;
    }
    case WM_CONTEXTMENU:
        if (list_ && HWND(wParam) == list_->handle()) {
            guarded([&] { list_->popupMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); });
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && minimiseProgram(hwnd_))
            return 0;
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace velmora::win32
