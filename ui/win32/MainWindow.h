// TForm1 on Windows: the Recycle Bin list (an owner-data report list view over the shell's
// folder), the totals, and the analysis and purge commands through the shared core.
#pragma once

#include <windows.h>

#include <memory>

#include "core/DetailColumns.h"
#include "core/ListRows.h"
#include "ui/win32/AnalyzeDialog.h"
#include "ui/win32/FindDialog.h"
#include "ui/win32/ShellListView.h"

namespace velmora::win32 {

// Control ids, which the test driver finds the controls by.
enum ControlId : int {
    IdListView = 1001, // ShellListView1
    IdTotal = 1002,    // lblTotal
    IdTotalSpace = 1003,
    IdAnalyse = 1004, // BtnAnalyse
    IdDelete = 1005,  // BtnDelete
    IdDays = 1006,    // CmbDays
    IdGroupList = 1007,
    IdGroupClean = 1008,
    IdSeek = 1009, // BtnSeek
};

class TForm1 {
public:
    TForm1();
    HWND handle() const { return hwnd_; }
    TShellListView& ShellListView1() { return *list_; }
    TFindDialog& FindDialog1() { return *findDialog_; }
    // The row at which the next search starts.
    int SearchPos() const { return searchPos_; }

    // Hands a message of the loop to the modeless Find dialog or to the window's keyboard
    // navigation; true when one of them took it.
    bool preTranslateMessage(MSG& msg);
    // Runs the message loop until the window is closed.
    void runMessageLoop();

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void RefreshSum();
    void BtnAnalyseClick();
    void BtnDeleteClick();
    void BtnSeekClick();
    void FindDialog1Find();

    HWND hwnd_ = nullptr;
    HWND total_ = nullptr, totalSpace_ = nullptr, days_ = nullptr;
    std::unique_ptr<TShellListView> list_;
    std::unique_ptr<TfrmAnalyze> frmAnalyze_;
    std::unique_ptr<TFindDialog> findDialog_;
    DetailColumns columns_;
    int searchPos_ = 0;
};

} // namespace velmora::win32
