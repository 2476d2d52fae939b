// TForm1 on Windows: the Recycle Bin list (an owner-data report list view over the shell's
// folder) with its information panel, and the clearing controls, through the shared core.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/DateTime.h"
#include "core/DetailColumns.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/AnalyzeDialog.h"
#include "ui/win32/FindDialog.h"
#include "ui/win32/ShellListView.h"

namespace velmora {
struct CutOffChoice;
}

namespace velmora::win32 {

// Control ids, which the tests find the controls by. Image1, Label3, lblTotal, Label4 and
// lblTotalSpace are children of Panel1; every other control is the window's own.
enum ControlId : int {
    IdListView = 1001, // ShellListView1
    IdTotal = 1002,    // lblTotal
    IdTotalSpace = 1003,
    IdAnalyse = 1004, // BtnAnalyse
    IdDelete = 1005,  // BtnDelete
    IdDays = 1006,    // CmbDays
    IdGroupList = 1007,
    IdGroupClean = 1008,
    IdSeek = 1009,   // BtnSeek
    IdRbDate = 1010, // RbDate and RbDays: consecutive, for CheckRadioButton
    IdRbDays = 1011,
    IdDtCeil = 1012,
    IdLabel1 = 1013,
    IdLabel2 = 1014,
    IdPanel = 1015, // Panel1
    IdImage = 1016, // Image1
    IdAbout = 1017, // lblAbout
    IdLabel3 = 1018,
    IdLabel4 = 1019,
};

class TForm1 {
public:
    using TodayFunction = std::function<TDateTime()>;

    // Builds the window, its list (which reads the Recycle Bin) and its dialogs; then runs
    // FormCreate. The window is centred on the desktop's work area and hidden. With an owner
    // standing for the program (ApplicationWindow), minimising the window minimises the program.
    explicit TForm1(TodayFunction today = velmora::today, HWND owner = nullptr);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;
    HWND handle() const { return hwnd_; }
    TShellListView& ShellListView1() { return *list_; }
    TFindDialog& FindDialog1() { return *findDialog_; }
    TfrmAbout& frmAbout() { return *frmAbout_; }
    TfrmAnalyze& frmAnalyze() { return *frmAnalyze_; }
    // The row at which the next search starts.
    int SearchPos() const { return searchPos_; }
    // The sub-item indices of a row's size and deletion-date texts.
    const DetailColumns& Columns() const { return columns_; }

    // DtCeil's value: its date at 00:00.
    TDateTime DtCeilDateTime() const;
    void SetDtCeilDateTime(TDateTime value);

    // Hands a message of the loop to the modeless Find dialog or to the window's keyboard
    // navigation; true when one of them took it.
    bool preTranslateMessage(MSG& msg);
    // Runs the message loop until the window is closed.
    void runMessageLoop();

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    // The bottom group keeps its height; the list's group, the panel and the list take the rest.
    void layout(int width, int height);
    CutOffChoice cutOffChoice() const;

    void FormCreate();
    void RefreshSum();
    void BtnAnalyseClick();
    void BtnDeleteClick();
    void BtnSeekClick();
    void FindDialog1Find();
    void CmbDaysChange();
    void lblAboutClick();

    TodayFunction today_;
    HWND hwnd_ = nullptr;
    HWND groupClean_ = nullptr, groupList_ = nullptr, panel_ = nullptr;
    HWND dtCeil_ = nullptr, cmbDays_ = nullptr, lblAbout_ = nullptr;
    HWND lblTotal_ = nullptr, lblTotalSpace_ = nullptr;
    // GroupBox1's controls with their places in the group.
    struct Placed {
        HWND control;
        int left, top, width, height;
    };
    std::vector<Placed> bottomControls_;
    std::unique_ptr<TShellListView> list_;
    std::unique_ptr<TfrmAbout> frmAbout_;
    std::unique_ptr<TfrmAnalyze> frmAnalyze_;
    std::unique_ptr<TFindDialog> findDialog_;
    DetailColumns columns_;
    int searchPos_ = 0;
};

} // namespace velmora::win32
