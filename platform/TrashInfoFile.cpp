// Reading one item's info file: open, identity, at most MaxTrashInfoBytes, parse.
#include "platform/TrashInfoFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/PosixFiles.h"

namespace velmora {

InfoFileRead readInfoFile(int infoDir, const char* name, const ListedInfoFile* listed) {
    InfoFileRead result;
    const Fd file(::openat(infoDir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        result.openError = errno;
        if (result.openError == ENOENT)
            return result;
        result.state = InfoFileRead::State::Unopenable;
        result.haveStat = ::fstatat(infoDir, name, &result.st, AT_SYMLINK_NOFOLLOW) == 0;
        return result;
    }
    result.haveStat = ::fstat(file.get(), &result.st) == 0;
    if (!result.haveStat) {
        result.state = InfoFileRead::State::Unreadable;
        return result;
    }
    if (!S_ISREG(result.st.st_mode) ||
        (listed && (result.st.st_dev != listed->dev || result.st.st_ino != listed->ino))) {
        result.state = InfoFileRead::State::NotListed;
        return result;
    }
    // Info files are small: one read into the stack, mostly.
    char buffer[4096];
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0) {
        result.state = InfoFileRead::State::Unreadable;
        return result;
    }
    if (std::size_t(n) < sizeof buffer) {
        result.info = parseTrashInfo(QByteArrayView(buffer, n));
    } else {
        const QByteArray whole = QByteArrayView(buffer, n).toByteArray() +
                                 readAtMost(file.get(), MaxTrashInfoBytes + 1 - n);
        if (whole.size() > MaxTrashInfoBytes) {
            result.state = InfoFileRead::State::Unreadable;
            return result;
        }
        result.info = parseTrashInfo(whole);
    }
    result.state = InfoFileRead::State::Read;
    return result;
}

} // namespace velmora
