// Work off the GUI thread, with its progress window.
#include "ui/main/PurgeProgressWindow.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <thread>

#include "core/ThreadStart.h"
#include "platform/WakeUp.h"
#include "ui/common/AppTitle.h"
#include "ui/common/Named.h"

namespace velmora {

std::chrono::milliseconds PurgeProgressDelay{1000};

PurgeProgressWindow::PurgeProgressWindow(QWidget* owner, const QString& text, int total,
                                         RemovalProgress& progress, bool cancellable)
    : FixedDialog(owner, QSize(320, 110), 0), total_(total), progress_(progress),
      cancellable_(cancellable) {
    setObjectName(QStringLiteral("frmPurgeProgress"));
    setWindowTitle(applicationTitle());
    setWindowModality(Qt::ApplicationModal);
    QWidget* client = clientArea();
    lblPurging = named(new QLabel(text, client), "lblPurging", QRect(12, 10, 200, 16));
    lblCount = named(new QLabel(client), "lblCount", QRect(208, 10, 100, 16));
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ProgressBar1 = named(new QProgressBar(client), "ProgressBar1", QRect(12, 34, 296, 20));
    ProgressBar1->setRange(0, std::max(total, 1));
    ProgressBar1->setTextVisible(false);
    BtnCancel = named(new QPushButton(tr("取消"), client), "BtnCancel", QRect(243, 72, 65, 25));
    BtnCancel->setEnabled(cancellable);
    connect(BtnCancel, &QPushButton::clicked, this, &PurgeProgressWindow::reject);
    showProgress();
}

void PurgeProgressWindow::showProgress() {
    lblCount->setText(QStringLiteral("%1 / %2").arg(progress_.removed.load()).arg(total_));
    ProgressBar1->setValue(std::min(progress_.finished.load(), ProgressBar1->maximum()));
}

void PurgeProgressWindow::reject() {
    if (!cancellable_)
        return;
    progress_.cancel = true;
    BtnCancel->setEnabled(false);
}

namespace {

// While work runs, drops the input meant for every window of the program but the progress
// window: the main window, the modeless Find dialog and any other; none of them can be closed.
// (A filter on one window and its children would miss the Find dialog, a window of its own.)
class InputBlocker : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

    // The window that takes input all the same, with its children.
    void allow(QWidget* window) { allowed_ = window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (allowed_ && (widget == allowed_ || allowed_->isAncestorOf(widget)))
            return false;
        switch (event->type()) {
        case QEvent::Close:
            if (!widget->isWindow())
                return false;
            event->ignore();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> allowed_;
};

} // namespace

void runWithProgressWindow(QWidget& window, const ProgressWindowText& shown,
                           RemovalProgress& progress, const std::function<void()>& work) {
    InputBlocker blocker;
    std::exception_ptr error;
    QEventLoop loop;
    // The worker's end reaches the loop through a descriptor it watches rather than a posted
    // event, so that the sanitizer sees the hand-over (platform/WakeUp.h).
    WakeUp finished;
    std::thread worker;
    if (finished.valid()) {
        try {
            worker = startThread([&] {
                try {
                    work();
                } catch (...) {
                    error = std::current_exception();
                }
                finished.raise();
            });
        } catch (...) {
            // Handled below, as is a descriptor that could not be made.
        }
    }
    if (!worker.joinable()) {
        // No thread for the work or no descriptor to hear its end by (a task limit, no
        // memory): it runs here, without the progress window; the window is not painted
        // meanwhile.
        work();
        return;
    }
    QSocketNotifier finishedNotifier(finished.fd(), QSocketNotifier::Read);
    QObject::connect(&finishedNotifier, &QSocketNotifier::activated, &loop, [&] {
        finished.consume();
        loop.quit();
    });

    std::unique_ptr<PurgeProgressWindow> dialog;
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QObject::connect(&showTimer, &QTimer::timeout, [&] {
        dialog = std::make_unique<PurgeProgressWindow>(&window, shown.text, shown.total, progress,
                                                       shown.cancellable);
        blocker.allow(dialog.get());
        dialog->show();
    });
    QTimer updateTimer;
    QObject::connect(&updateTimer, &QTimer::timeout, [&] {
        if (dialog)
            dialog->showProgress();
    });
    showTimer.start(PurgeProgressDelay);
    updateTimer.start(50);
    loop.exec();
    worker.join();
    if (error)
        std::rethrow_exception(error);
}

RemovalOutcomes WindowRemovalRunner::run(const std::vector<int>& rows, ItemRemover& remover) {
    RemovalProgress progress;
    RemovalOutcomes outcomes;
    runWithProgressWindow(window_,
                          {QCoreApplication::translate("velmora::PurgeProgressWindow", "正在清除…"),
                           static_cast<int>(rows.size()), true},
                          progress,
                          [&] { outcomes = removeRows(rows, remover, threads_, &progress); });
    return outcomes;
}

} // namespace velmora
