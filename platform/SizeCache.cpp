// The directorysizes cache of a trash directory: its lines, and reading and rewriting it.
#include "platform/SizeCache.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/FileNames.h"
#include "platform/PosixFiles.h"

namespace velmora {

namespace {

// The longest line: two 19-digit numbers, a 255-byte name percent-encoded, blanks, line end.
constexpr qsizetype MaxLineBytes = 2 * 20 + 3 * 255 + 3;
constexpr qsizetype MaxCacheBytes = 64 << 20;

qint64 milliseconds(const struct timespec& t) {
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

} // namespace

QHash<QByteArray, DirectorySize> parseDirectorySizes(QByteArrayView content, qsizetype maxLines) {
    QHash<QByteArray, DirectorySize> entries;
    qsizetype lines = 0;
    forEachLine(content, [&](QByteArrayView line) {
        if (maxLines >= 0 && ++lines > maxLines)
            return;
        const qsizetype first = line.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
        if (second < 0 || second + 1 >= line.size())
            return;
        bool sizeOk = false, mtimeOk = false;
        const qint64 bytes = line.first(first).toLongLong(&sizeOk);
        const qint64 mtime = line.sliced(first + 1, second - first - 1).toLongLong(&mtimeOk);
        if (!sizeOk || !mtimeOk || bytes < 0 || bytes > MaxDirectorySize)
            return;
        const QByteArray name = percentDecode(line.sliced(second + 1));
        if (name.isEmpty() || name.contains('/') || name.contains('\0'))
            return;
        entries.insert(name, {bytes, mtime});
    });
    return entries;
}

bool isValidDirectorySize(const DirectorySize& entry, qint64 infoMtimeSeconds,
                          qint64 infoMtimeMilliseconds) {
    return entry.mtime == infoMtimeSeconds || entry.mtime == infoMtimeMilliseconds;
}

QByteArray directorySizesContent(const QList<NamedDirectorySize>& entries) {
    QByteArray out;
    for (const NamedDirectorySize& e : entries) {
        out += QByteArray::number(e.size.bytes);
        out += ' ';
        out += QByteArray::number(e.size.mtime);
        out += ' ';
        out += percentEncode(e.name);
        out += '\n';
    }
    return out;
}

void SizeCache::open(int trashFd, qsizetype items) {
    const qsizetype maxLines = 2 * items + 1024;
    const Fd file(
        ::openat(trashFd, "directorysizes", O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.valid())
        read_ = parseDirectorySizes(
            readAtMost(file.get(), std::min(MaxCacheBytes, maxLines * MaxLineBytes)), maxLines);
}

std::optional<qint64> SizeCache::lookUp(const QByteArray& name,
                                        const struct timespec& infoMtime) const {
    const auto entry = read_.constFind(name);
    if (entry == read_.cend() ||
        !isValidDirectorySize(*entry, infoMtime.tv_sec, milliseconds(infoMtime)))
        return std::nullopt;
    return entry->bytes;
}

void SizeCache::record(const QByteArray& name, qint64 bytes, const struct timespec& infoMtime) {
    recorded_.append({name, {bytes, infoMtime.tv_sec}});
}

bool SizeCache::rewrite(int trashFd) const {
    if (!measured_)
        return true;
    removeStaleTemporaries(trashFd);
    QList<NamedDirectorySize> entries = recorded_;
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return replaceFileAtomically(trashFd, "directorysizes", directorySizesContent(entries));
}

void forgetDirectorySizes(int trashFd, const QSet<QByteArray>& names) {
    constexpr qsizetype MaxCacheSize = 64 << 20;
    const Fd cache(
        ::openat(trashFd, "directorysizes", O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (names.isEmpty() || !cache.valid() || ::fstat(cache.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const QByteArray content = readAtMost(cache.get(), MaxCacheSize + 1);
    if (content.size() > MaxCacheSize)
        return;
    QByteArray kept;
    bool dropped = false;
    forEachLine(content, [&](QByteArrayView line) {
        const qsizetype first = line.indexOf(' ');
        const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
        if (second >= 0 && names.contains(percentDecode(line.sliced(second + 1)))) {
            dropped = true;
            return;
        }
        kept.append(line.data(), line.size()).append('\n');
    });
    if (dropped)
        replaceFileAtomically(trashFd, "directorysizes", kept);
}

} // namespace velmora
