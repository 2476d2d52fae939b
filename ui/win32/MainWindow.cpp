// The Windows main window.
#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "Win32Ui.h"
#include "core/AgeAnalysis.h"
#include "core/DateTime.h"
#include "core/Purge.h"
#include "core/PurgeQuestion.h"
#include "core/Search.h"
#include "core/Totals.h"
#include "platform/win32/FolderTree.h"
#include "platform/win32/ShellText.h"

namespace velmora::win32 {

namespace {
constexpr wchar_t kClass[] = L"TForm1";
constexpr int kWidth = 715, kHeight = 491;

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
} // namespace

TForm1::TForm1() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClass;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    RegisterClassExW(&wc);
    RECT r{0, 0, kWidth, kHeight};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    hwnd_ = CreateWindowExW(0, kClass, ApplicationTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, LONG_PTR(this));
    createControls();
    // FormCreate: the size and date columns by the shell's headings.
    columns_ = findDetailColumns(list_->folder().headings());
    frmAnalyze_ = std::make_unique<TfrmAnalyze>(hwnd_);
    findDialog_ = std::make_unique<TFindDialog>(hwnd_);
}

void TForm1::createControls() {
    const int h = kHeight;
    makeControl(hwnd_, L"BUTTON", L"回收站", BS_GROUPBOX, IdGroupList, 0, 0, kWidth, h - 105);
    makeControl(hwnd_, L"STATIC", L"回收站中已删除文件、文件夹共：", SS_LEFT, 0, 10, 56, 105, 30);
    total_ = makeControl(hwnd_, L"STATIC", L"", SS_LEFT, IdTotal, 28, 105, 88, 13);
    makeControl(hwnd_, L"STATIC", L"合计占用空间：", SS_LEFT, 0, 10, 153, 105, 13);
    totalSpace_ = makeControl(hwnd_, L"STATIC", L"", SS_LEFT, IdTotalSpace, 18, 171, 100, 13);
    list_ = std::make_unique<TShellListView>(hwnd_, IdListView);
    list_->setBounds(123, 15, kWidth - 125, h - 122);
    makeControl(hwnd_, L"BUTTON", L"安全清理回收站", BS_GROUPBOX, IdGroupClean, 0, h - 105, kWidth,
                105);
    makeControl(hwnd_, L"BUTTON", L"按天数：清除", BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 24,
                h - 105 + 61, 113, 17);
    days_ = makeControl(hwnd_, WC_COMBOBOXW, L"", CBS_DROPDOWN | WS_TABSTOP, IdDays, 121,
                        h - 105 + 57, 51, 200);
    for (const wchar_t* d : {L"7", L"30", L"60", L"90", L"180", L"365"})
        SendMessageW(days_, CB_ADDSTRING, 0, LPARAM(d));
    SetWindowTextW(days_, L"30");
    makeControl(hwnd_, L"STATIC", L"天之前删除到回收站中的文件", SS_LEFT, 0, 180, h - 105 + 61, 170,
                13);
    makeControl(hwnd_, L"BUTTON", L"分析", BS_PUSHBUTTON | WS_TABSTOP, IdAnalyse, 389, h - 105 + 22,
                65, 25);
    makeControl(hwnd_, L"BUTTON", L"清除", BS_PUSHBUTTON | WS_TABSTOP, IdDelete, 473, h - 105 + 22,
                65, 25);
    makeControl(hwnd_, L"BUTTON", L"搜索", BS_PUSHBUTTON | WS_TABSTOP, IdSeek, 556, h - 105 + 22,
                65, 25);
}

void TForm1::RefreshSum() {
    const Totals totals = computeTotals(*list_, columns_.size);
    SetWindowTextW(total_, toWide(totals.countText).c_str());
    SetWindowTextW(totalSpace_, toWide(totals.spaceText).c_str());
}

namespace {
CutOffChoice daysChoice(HWND days) {
    wchar_t buffer[64] = {};
    GetWindowTextW(days, buffer, 63);
    CutOffChoice choice;
    choice.byDate = false;
    choice.daysText = fromWide(buffer);
    choice.today = today();
    return choice;
}
} // namespace

void TForm1::BtnAnalyseClick() {
    const Totals totals = computeTotals(*list_, columns_.size);
    const AgeAnalysis analysis =
        analyseAge(*list_, daysChoice(days_), columns_.date, columns_.size);
    frmAnalyze_->ShowModal(analysis.message, totals.megabytes, analysis.megabytes);
}

void TForm1::BtnDeleteClick() {
    const PurgePlan plan = planPurge(*list_, daysChoice(days_), columns_.date, columns_.size);
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
    case WM_SHOWWINDOW:
        if (wParam)
            guarded([this] { RefreshSum(); });
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdAnalyse && HIWORD(wParam) == BN_CLICKED)
            guarded([this] { BtnAnalyseClick(); });
        else if (LOWORD(wParam) == IdDelete && HIWORD(wParam) == BN_CLICKED)
            guarded([this] { BtnDeleteClick(); });
        else if (LOWORD(wParam) == IdSeek && HIWORD(wParam) == BN_CLICKED)
            guarded([this] { BtnSeekClick(); });
        return 0;
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
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace velmora::win32
