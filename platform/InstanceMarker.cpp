#include "platform/InstanceMarker.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora {

namespace {
const char Request[] = "raise\n";
const char Reply[] = "ok\n";

// The file name in the instance directory; outside the runtime directory it carries the user id.
QString instancePath(const char* name) {
    const QString dir = instanceDirectory();
    QString file = QString::fromLatin1(name);
    if (qEnvironmentVariable("XDG_RUNTIME_DIR") != dir)
        file += u'-' + QString::number(getuid());
    return dir + u'/' + file;
}

void setTimeouts(int fd, int milliseconds) {
    timeval tv{};
    tv.tv_sec = milliseconds / 1000;
    tv.tv_usec = (milliseconds % 1000) * 1000;
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}
} // namespace

QString instanceDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

bool IsAlreadyRunning() {
    const QByteArray path = QFile::encodeName(instancePath("Ostrevane"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return false; // the lock is ours until the process ends; fd stays open on purpose
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool askRunningCopyToComeForward() {
    sockaddr_un address;
    if (!socketAddress(instancePath("velmoraInstance"), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    setTimeouts(fd, 2000);
    bool taken = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, Request, sizeof Request - 1, MSG_NOSIGNAL) == sizeof Request - 1) {
        char reply[8] = {};
        taken = ::recv(fd, reply, sizeof reply - 1, 0) > 0 && std::strcmp(reply, Reply) == 0;
    }
    ::close(fd);
    return taken;
}

InstanceListener::InstanceListener(std::function<void()> comeForward, QObject* parent)
    : QObject(parent), comeForward_(std::move(comeForward)),
      path_(instancePath("velmoraInstance")) {
    sockaddr_un address;
    if (!socketAddress(path_, address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // This copy holds the instance lock, so a socket left there belongs to a copy that is gone.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { acceptRequests(); });
}

InstanceListener::~InstanceListener() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

void InstanceListener::acceptRequests() {
    for (;;) {
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        setTimeouts(client, 500);
        char request[16] = {};
        const ssize_t n = ::recv(client, request, sizeof request - 1, 0);
        const bool asked = n > 0 && std::strcmp(request, Request) == 0;
        if (asked)
            ::send(client, Reply, sizeof Reply - 1, MSG_NOSIGNAL);
        ::close(client);
        if (asked && comeForward_)
            comeForward_();
    }
}

} // namespace velmora
