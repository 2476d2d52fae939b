// Long work of the window off the GUI thread (the purge's removal, 删除, 还原): the window keeps
// painting but takes no input, and a modal progress window appears when the work takes a while.
#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <vector>

#include "core/Purge.h"
#include "ui/dialogs/FixedDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace velmora {

// A text ("正在清除…"), the items done so far out of the total, a bar, and 取消, which starts no
// new item: the items in flight finish, and the window closes when the work ends. Work that
// cannot be cancelled (a restore) shows 取消 disabled.
class PurgeProgressWindow : public FixedDialog {
    Q_OBJECT
public:
    PurgeProgressWindow(QWidget* owner, const QString& text, int total, RemovalProgress& progress,
                        bool cancellable = true);

    QLabel* lblPurging;
    QLabel* lblCount;
    QProgressBar* ProgressBar1;
    QPushButton* BtnCancel;

    // Shows how far the work is: progress.removed of the total, the bar at progress.finished.
    void showProgress();

    // Closing the window cancels, like 取消; it stays until the work ends.
    void reject() override;

private:
    int total_;
    RemovalProgress& progress_;
    bool cancellable_;
};

// How long work runs before the progress window appears.
extern std::chrono::milliseconds PurgeProgressDelay;

// What runWithProgressWindow shows.
struct ProgressWindowText {
    QString text;            // the progress window's text
    int total = 1;           // the items the work takes
    bool cancellable = true; // whether 取消 sets progress.cancel
};

// The one off-thread runner of the window. Runs work on a thread of its own and returns when it
// has ended. Meanwhile no window of the program but the progress window takes input (the
// modeless Find dialog neither) or can be closed, but they paint; after PurgeProgressDelay the
// progress window is shown, owned by window, reading progress (which work updates). When no
// thread can be started for it, work runs on the calling thread, without the progress window. An
// exception work throws is rethrown here.
void runWithProgressWindow(QWidget& window, const ProgressWindowText& shown,
                           RemovalProgress& progress, const std::function<void()>& work);

// The window's removal runner: removeRows on `threads` threads through runWithProgressWindow,
// with "正在清除…" and a working 取消.
class WindowRemovalRunner final : public RemovalRunner {
public:
    WindowRemovalRunner(QWidget& window, int threads) : window_(window), threads_(threads) {}
    RemovalOutcomes run(const std::vector<int>& rows, ItemRemover& remover) override;

private:
    QWidget& window_;
    int threads_;
};

} // namespace velmora
