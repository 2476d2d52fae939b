// The marker of a running copy (a lock file "Ostrevane") and the line through which a later copy
// asks the first to come forward (a local socket "velmoraInstance"), both in a folder only the
// user can enter.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>

class QSocketNotifier;

namespace velmora {

// The folder of the marker and the socket, opened and checked on its descriptor:
// $XDG_RUNTIME_DIR when it is a folder of ours with mode 0700, otherwise a folder of ours under
// the temporary directory, created with mode 0700 when missing and tightened to it when looser.
// Invalid when neither can be had (say another user made that folder first): the copy then runs
// without the guard.
class InstanceFolder {
public:
    static InstanceFolder open();

    InstanceFolder() = default;
    InstanceFolder(InstanceFolder&& other) noexcept;
    InstanceFolder& operator=(InstanceFolder&& other) noexcept;
    ~InstanceFolder();

    bool isValid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const QString& path() const { return path_; }
    // The name of an entry for bind and connect, reached through the folder's descriptor where
    // /proc allows it, so that the path is not resolved again.
    QByteArray entryPath(const char* name) const;

private:
    int fd_ = -1;
    QString path_;
};

// The private folder under the temporary directory: "velmora-<uid>".
QString privateInstanceFolderPath();

// Takes the lock file `name` in the folder with flock, without waiting, and without blocking on
// a special file in its place. Taken: `fd` holds it until closed. HeldElsewhere: another process
// holds it. Failed: the folder is invalid, or the file cannot be opened or is not a regular
// file of ours.
enum class LockAttempt { Taken, HeldElsewhere, Failed };
LockAttempt lockFileIn(const InstanceFolder& folder, const char* name, int& fd);

// Takes the lock file "Ostrevane" and keeps it for the life of the process. True only when
// another process holds it; any other failure counts as being the first copy.
bool IsAlreadyRunning();

// Asks the running copy to come forward. True when a copy of this user listening on the socket
// took the request; false when none listens (it is still starting, or it is gone).
bool askRunningCopyToComeForward();

// The first copy's end of the line: calls `comeForward` for every request of a later copy of
// the same user. It listens only when this process holds the lock (IsAlreadyRunning was false
// and took it). Connections are read as they become readable, never waited for; an idle one is
// dropped after a while, and the oldest when too many are open.
class InstanceListener : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t MaxConnections = 16;
    static constexpr int ConnectionMilliseconds = 2000;

    explicit InstanceListener(std::function<void()> comeForward, QObject* parent = nullptr);
    ~InstanceListener() override;
    bool isListening() const { return fd_ >= 0; }

private:
    struct Connection {
        int fd = -1;
        QSocketNotifier* notifier = nullptr;
        QByteArray received;
    };

    void acceptConnections();
    void readRequest(std::uint64_t id);
    void drop(std::uint64_t id);

    std::function<void()> comeForward_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::map<std::uint64_t, Connection> connections_; // by id, oldest first
    std::uint64_t nextId_ = 0;
};

} // namespace velmora
