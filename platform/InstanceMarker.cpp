// The marker of a running copy and the line to it, in a folder only this user can enter.
#include "platform/InstanceMarker.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora {

Q_LOGGING_CATEGORY(lcMarker, "velmora.instance", QtWarningMsg)

namespace {
const char LockName[] = "Ostrevane";
const char SocketName[] = "velmoraInstance";
const char Request[] = "raise\n";
const char Reply[] = "ok\n";
constexpr std::size_t RequestSize = sizeof Request - 1;
constexpr std::size_t ReplySize = sizeof Reply - 1;

bool isPrivateFolderOfOurs(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0777) == 0700;
}

// $XDG_RUNTIME_DIR, when set to a folder of ours that nobody else may enter. Links on its way
// are followed, as every program reading it does; the check is on what was opened.
int openRuntimeFolder(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return -1;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !isPrivateFolderOfOurs(st)) {
        qCInfo(lcMarker) << "XDG_RUNTIME_DIR is not a private folder of ours:" << path;
        ::close(fd);
        return -1;
    }
    return fd;
}

// The folder under the temporary directory: made when missing, refused when it is a link, not a
// folder or not ours (checked before and after opening, so a swap in between is seen), and
// closed to others when it is ours but open to them.
int openPrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return -1;
    struct stat before;
    if (::lstat(name.constData(), &before) != 0 || !S_ISDIR(before.st_mode) ||
        before.st_uid != ::getuid())
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_dev != before.st_dev || st.st_ino != before.st_ino ||
        !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        ((st.st_mode & 0777) != 0700 && ::fchmod(fd, 0700) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The folder and the lock of this process, taken once.
struct ProcessGuard {
    InstanceFolder folder = InstanceFolder::open();
    bool lockHeld = false;
};

ProcessGuard& processGuard() {
    static ProcessGuard guard;
    return guard;
}

bool socketAddress(const QByteArray& path, sockaddr_un& address) {
    if (path.isEmpty() || path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

bool peerIsUs(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::getuid();
}

void setTimeouts(int fd, int milliseconds) {
    timeval tv{};
    tv.tv_sec = milliseconds / 1000;
    tv.tv_usec = (milliseconds % 1000) * 1000;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}
} // namespace

InstanceFolder InstanceFolder::open() {
    InstanceFolder folder;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    folder.fd_ = openRuntimeFolder(runtime);
    if (folder.fd_ >= 0) {
        folder.path_ = runtime;
        return folder;
    }
    const QString path = privateInstanceFolderPath();
    folder.fd_ = openPrivateFolder(path);
    if (folder.fd_ >= 0)
        folder.path_ = path;
    else
        qCInfo(lcMarker) << "running without the instance guard:" << path
                         << "is not a private folder of ours";
    return folder;
}

InstanceFolder::InstanceFolder(InstanceFolder&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

InstanceFolder& InstanceFolder::operator=(InstanceFolder&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

InstanceFolder::~InstanceFolder() {
    if (fd_ >= 0)
        ::close(fd_);
}

QByteArray InstanceFolder::entryPath(const char* name) const {
    if (fd_ < 0)
        return {};
    const QByteArray viaDescriptor = "/proc/self/fd/" + QByteArray::number(fd_);
    struct stat held, seen;
    if (::fstat(fd_, &held) == 0 && ::stat(viaDescriptor.constData(), &seen) == 0 &&
        held.st_dev == seen.st_dev && held.st_ino == seen.st_ino)
        return viaDescriptor + '/' + name;
    return QFile::encodeName(path_) + '/' + name;
}

QString privateInstanceFolderPath() {
    return QDir::tempPath() + QStringLiteral("/velmora-") + QString::number(::getuid());
}

LockAttempt lockFileIn(const InstanceFolder& folder, const char* name, int& fd) {
    fd = -1;
    if (!folder.isValid())
        return LockAttempt::Failed;
    const int file =
        ::openat(folder.fd(), name, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (file < 0)
        return LockAttempt::Failed;
    struct stat st;
    if (::fstat(file, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid()) {
        qCInfo(lcMarker) << "the lock file" << name << "is not ours";
        ::close(file);
        return LockAttempt::Failed;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
        fd = file;
        return LockAttempt::Taken;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(file);
    return held ? LockAttempt::HeldElsewhere : LockAttempt::Failed;
}

bool IsAlreadyRunning() {
    ProcessGuard& guard = processGuard();
    int fd = -1;
    switch (lockFileIn(guard.folder, LockName, fd)) {
    case LockAttempt::Taken:
        guard.lockHeld = true;
        return false; // the lock is ours until the process ends; fd stays open on purpose
    case LockAttempt::HeldElsewhere:
        return true;
    case LockAttempt::Failed:
        qCInfo(lcMarker) << "running without the instance guard";
        return false;
    }
    return false;
}

bool askRunningCopyToComeForward() {
    sockaddr_un address;
    if (!socketAddress(processGuard().folder.entryPath(SocketName), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    setTimeouts(fd, 2000);
    bool taken = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && peerIsUs(fd) &&
        ::send(fd, Request, RequestSize, MSG_NOSIGNAL) == RequestSize) {
        char reply[ReplySize];
        std::size_t got = 0;
        while (got < ReplySize) {
            const ssize_t n = ::recv(fd, reply + got, ReplySize - got, 0);
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        taken = got == ReplySize && std::memcmp(reply, Reply, ReplySize) == 0;
    }
    ::close(fd);
    return taken;
}

InstanceListener::InstanceListener(std::function<void()> comeForward, QObject* parent)
    : QObject(parent), comeForward_(std::move(comeForward)) {
    const ProcessGuard& guard = processGuard();
    sockaddr_un address;
    if (!guard.lockHeld || !socketAddress(guard.folder.entryPath(SocketName), address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // The socket file takes the socket's mode at bind (less the umask): only we may connect.
    ::fchmod(fd, 0600);
    // This copy holds the instance lock, so a socket left there belongs to a copy that is gone.
    ::unlinkat(guard.folder.fd(), SocketName, 0);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { acceptConnections(); });
}

InstanceListener::~InstanceListener() {
    for (auto& [id, connection] : connections_)
        ::close(connection.fd);
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlinkat(processGuard().folder.fd(), SocketName, 0);
    }
}

void InstanceListener::acceptConnections() {
    for (;;) {
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // nothing pending, or out of descriptors until a connection closes
        }
        if (!peerIsUs(client)) {
            qCInfo(lcMarker) << "refused a connection from another user";
            ::close(client);
            continue;
        }
        if (connections_.size() >= MaxConnections)
            drop(connections_.begin()->first);
        const std::uint64_t id = nextId_++;
        auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connections_.emplace(id, Connection{client, notifier, {}});
        connect(notifier, &QSocketNotifier::activated, this, [this, id] { readRequest(id); });
        QTimer::singleShot(ConnectionMilliseconds, notifier, [this, id] { drop(id); });
    }
}

void InstanceListener::readRequest(std::uint64_t id) {
    const auto it = connections_.find(id);
    if (it == connections_.end())
        return;
    Connection& connection = it->second;
    char buffer[RequestSize + 1];
    const ssize_t n = ::recv(connection.fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    if (n <= 0) {
        drop(id);
        return;
    }
    connection.received.append(buffer, n);
    const QByteArray request = QByteArray::fromRawData(Request, RequestSize);
    if (!request.startsWith(connection.received)) {
        drop(id);
        return;
    }
    if (connection.received.size() < request.size())
        return;
    ::send(connection.fd, Reply, ReplySize, MSG_NOSIGNAL | MSG_DONTWAIT);
    drop(id);
    if (comeForward_)
        comeForward_();
}

void InstanceListener::drop(std::uint64_t id) {
    const auto it = connections_.find(id);
    if (it == connections_.end())
        return;
    // The notifier may be the one whose signal is being handled: it goes when control returns.
    it->second.notifier->setEnabled(false);
    it->second.notifier->deleteLater();
    ::close(it->second.fd);
    connections_.erase(it);
}

} // namespace velmora
