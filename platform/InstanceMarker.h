// The marker of a running copy (a lock file "Ostrevane") and the line through which a later copy
// asks the first to come forward (a local socket "velmoraInstance"), both in the user's runtime
// directory.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

namespace velmora {

// The directory of the marker and the socket: $XDG_RUNTIME_DIR, or the temporary directory.
QString instanceDirectory();

// Takes the lock file "Ostrevane" and keeps it for the life of the process. True only when
// another process holds it; any other failure counts as being the first copy.
bool IsAlreadyRunning();

// Asks the running copy to come forward. True when a copy listening on the socket took the
// request; false when none listens (it is still starting, or it is gone).
bool askRunningCopyToComeForward();

// The first copy's end of the line: calls `comeForward` for every request of a later copy.
class InstanceListener : public QObject {
    Q_OBJECT
public:
    explicit InstanceListener(std::function<void()> comeForward, QObject* parent = nullptr);
    ~InstanceListener() override;
    bool isListening() const { return fd_ >= 0; }

private:
    void acceptRequests();

    std::function<void()> comeForward_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QString path_;
};

} // namespace velmora
