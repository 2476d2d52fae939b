// The purge's removal off the GUI thread: the window keeps painting but takes no input, and a
// modal progress window with a cancel button appears when the removal takes a while.
#pragma once

#include <chrono>
#include <vector>

#include "core/Purge.h"
#include "ui/dialogs/FixedDialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace velmora {

// "正在清除…", the items removed so far out of the total, a bar, and 取消, which starts no new
// item: the items in flight finish, and the window closes when the removal ends.
class TPurgeProgress : public FixedDialog {
    Q_OBJECT
public:
    TPurgeProgress(QWidget* owner, int total, RemovalProgress& progress);

    QLabel* lblPurging;
    QLabel* lblCount;
    QProgressBar* ProgressBar1;
    QPushButton* BtnCancel;

    // Shows how far the removal is.
    void showProgress();

    // Closing the window cancels, like 取消; it stays until the removal ends.
    void reject() override;

private:
    int total_;
    RemovalProgress& progress_;
};

// How long a removal runs before the progress window appears.
extern std::chrono::milliseconds PurgeProgressDelay;

// Removes rows through remover on `threads` threads off the GUI thread, and returns when the
// removal has ended. Meanwhile window and its children take no input and cannot be closed, but
// paint; after PurgeProgressDelay the progress window is shown, owned by window. An exception a
// removal throws is rethrown here.
RemovalOutcomes removeWithProgress(QWidget& window, const std::vector<int>& rows,
                                   ItemRemover& remover, int threads);

} // namespace velmora
