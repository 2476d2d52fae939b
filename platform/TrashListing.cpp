// Reading one trash directory: opening it by its handles, listing it, measuring its items.
#include "platform/TrashListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>

#include <QHash>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>
#include <memory>
#include <mutex>

#include "platform/DiskUsage.h"
#include "platform/FileNames.h"
#include "platform/ItemRemoval.h"
#include "platform/NameKeys.h"
#include "platform/Parallel.h"
#include "platform/RemovalStaging.h"
#include "platform/SizeCache.h"
#include "platform/TrashInfo.h"
#include "platform/TrashInfoFile.h"

namespace velmora {

namespace {

constexpr int DirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

ItemKind kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return ItemKind::Folder;
    if (S_ISLNK(mode))
        return ItemKind::Link;
    if (S_ISFIFO(mode))
        return ItemKind::Fifo;
    if (S_ISSOCK(mode))
        return ItemKind::Socket;
    if (S_ISCHR(mode))
        return ItemKind::CharDevice;
    if (S_ISBLK(mode))
        return ItemKind::BlockDevice;
    return ItemKind::File;
}

ItemKind kindOf(unsigned char type) {
    switch (type) {
    case DT_DIR:
        return ItemKind::Folder;
    case DT_LNK:
        return ItemKind::Link;
    case DT_FIFO:
        return ItemKind::Fifo;
    case DT_SOCK:
        return ItemKind::Socket;
    case DT_CHR:
        return ItemKind::CharDevice;
    case DT_BLK:
        return ItemKind::BlockDevice;
    default:
        return ItemKind::File;
    }
}

// The inode the listing read (d_ino) stays the item's: an object put in its place since then is
// not the listed one, and nothing acts on it as if it were. Where the listing could not tell,
// the object's own.
void keepListedIdentity(TrashItem& item, const struct stat& st) {
    if (item.ino == 0)
        item.ino = st.st_ino;
}

// The text without spare capacity: it is kept for the whole enumeration.
QString compact(QString text) {
    if (text.capacity() > text.size())
        text.squeeze();
    return text;
}

bool readItem(int filesFd, int infoFd, const QByteArray& top, const char* name, unsigned char type,
              TrashItem& item, QByteArray& folder) {
    item.stored = QByteArray(name);
    struct stat st {};
    auto statStored = [&] {
        if (item.statted)
            return true;
        if (::fstatat(filesFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        item.statted = true;
        item.ino = st.st_ino;
        item.kind = kindOf(st.st_mode);
        item.modified = st.st_mtim.tv_sec;
        if (item.kind != ItemKind::Folder)
            item.bytes = qint64(st.st_blocks) * 512;
        return true;
    };
    // The entry's type from the listing spares a call per item; some file systems do not tell.
    if (type == DT_UNKNOWN) {
        if (!statStored())
            return false; // gone meanwhile
    } else {
        item.kind = kindOf(type);
    }

    // NAME.trashinfo; a name too long for it has no info file.
    char infoName[NAME_MAX + 1];
    const std::size_t nameLength = std::size_t(item.stored.size());
    const bool fits = nameLength + sizeof TrashInfoSuffix <= sizeof infoName;
    if (fits) {
        std::memcpy(infoName, name, nameLength);
        std::memcpy(infoName + nameLength, TrashInfoSuffix, sizeof TrashInfoSuffix);
    }
    InfoFileRead read;
    if (infoFd >= 0 && fits) {
        read = readInfoFile(infoFd, infoName);
        // An info file that exists but cannot be read (a link, no permission) makes the item
        // one with an unreadable Path and date.
        item.hasInfo = read.state != InfoFileRead::State::Missing;
    }
    if (!item.hasInfo) {
        // An orphan: listed under its stored name, dated when it entered the trash.
        if (!statStored())
            return false;
        item.deleted = localTimeOr(st.st_ctim, localNowDateTime());
        return true;
    }
    const TrashInfo& parsed = read.info;
    const bool haveInfoStat = read.haveStat;
    const struct stat& infoStat = read.st;
    if (haveInfoStat) {
        item.infoIno = infoStat.st_ino;
        // A folder's size cache entry is checked against this time: no second stat for it.
        if (item.kind == ItemKind::Folder && !item.statted && infoStat.st_mtim.tv_sec > 0 &&
            infoStat.st_mtim.tv_sec < std::numeric_limits<qint64>::max() / 1000000000 - 1)
            item.modified = qint64(infoStat.st_mtim.tv_sec) * 1000000000 + infoStat.st_mtim.tv_nsec;
    }
    QByteArrayView originalName;
    if (parsed.hasPath && splitOriginalPath(parsed.path, top, originalName, folder))
        item.name = compact(displayTextFromBytes(originalName));
    if (parsed.hasDate)
        item.deleted = parsed.deletionDate;
    else if (haveInfoStat)
        item.deleted = localTimeOr(infoStat.st_mtim, localNowDateTime());
    else if (statStored())
        item.deleted = localTimeOr(st.st_ctim, localNowDateTime());
    else
        item.deleted = localNowDateTime();
    return true;
}

} // namespace

void settleMeasured(TrashItem& item) {
    if (!item.statted && item.kind == ItemKind::Folder)
        item.modified = 0; // an info file's time, not the item's
    item.statted = true;
    if (item.bytes < 0)
        item.bytes = 0;
}

TDateTime localTimeOr(const struct timespec& t, TDateTime fallback) {
    TDateTime local = 0;
    return localDateTimeOf(t.tv_sec, t.tv_nsec, local) ? local : fallback;
}

TDateTime localNowDateTime() {
    struct timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    TDateTime local = 0;
    localDateTimeOf(t.tv_sec, t.tv_nsec, local);
    return local;
}

// Opens a volume's trash directory component by component below its top directory, never
// following a link, and checks on the opened descriptors what the Trash Specification requires:
// .Trash a real folder with the sticky bit and $uid in it ours, or .Trash-$uid ours. The result
// must be the folder the probe found.
Fd openVolumeTrash(const TrashLocation& location, uid_t uid) {
    QByteArray prefix = location.topDir;
    if (!prefix.endsWith('/'))
        prefix += '/';
    if (!location.trashDir.startsWith(prefix))
        return Fd();
    const QList<QByteArray> parts = location.trashDir.mid(prefix.size()).split('/');
    Fd current(::open(location.topDir.constData(), DirFlags));
    struct stat st {};
    for (qsizetype k = 0; k < parts.size() && current.valid(); ++k) {
        Fd next(::openat(current.get(), parts[k].constData(), DirFlags | O_NOFOLLOW));
        if (!next.valid() || ::fstat(next.get(), &st) != 0 || !S_ISDIR(st.st_mode))
            return Fd();
        const bool last = k + 1 == parts.size();
        // .Trash, shared by every user, must carry the sticky bit; what is ours, our uid.
        if (!last && (st.st_mode & S_ISVTX) == 0)
            return Fd();
        if (last && st.st_uid != uid)
            return Fd();
        current = std::move(next);
    }
    if (!current.valid() || parts.size() > 2 || st.st_dev != location.dev ||
        st.st_ino != location.ino)
        return Fd();
    return current;
}

// The home trash may be reached through links (a linked /home or XDG_DATA_HOME): its path is
// followed once, and the folder opened must be ours.
Fd openHomeTrash(const QByteArray& path) {
    Fd fd(::open(path.constData(), DirFlags));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return Fd();
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        errno = S_ISDIR(st.st_mode) ? EPERM : ENOTDIR;
        return Fd();
    }
    return fd;
}

bool holdTrash(Fd fd, const TrashLocation& location, HeldTrash& held) {
    held.files.reset(::openat(fd.get(), "files", DirFlags | O_NOFOLLOW));
    const int filesError = held.files.valid() ? 0 : errno;
    held.info.reset(::openat(fd.get(), "info", DirFlags | O_NOFOLLOW));
    const int infoError = held.info.valid() ? 0 : errno;
    struct stat st {};
    if (filesError != 0) {
        errno = filesError;
        return false;
    }
    if (infoError != 0 && infoError != ENOENT) {
        errno = infoError;
        return false;
    }
    if (::fstat(held.files.get(), &st) != 0)
        return false;
    held.filesDev = st.st_dev;
    if (held.info.valid() && ::fstat(held.info.get(), &st) == 0)
        held.infoDev = st.st_dev;
    held.dir = location.trashDir;
    held.top = location.topDir;
    held.filesPath = fileNameFromBytes(location.trashDir + "/files");
    held.fd = std::move(fd);
    return true;
}

bool listTrash(TrashListing& listing, const QLocale& locale) {
    const Fd& files = listing.trash.files;
    const Fd& info = listing.trash.info;
    QList<TrashItem>& items = listing.items;
    SortKeys& keys = listing.keys;
    QStringList& folders = listing.folders;
    // What an interrupted removal left out of sight is listed again, or finished.
    recoverStaged(listing.trash.fd.get(), files.get(), info.get(), {});
    // The names first: a listing that breaks off leaves the directory out as a whole.
    struct Entry {
        qsizetype name;
        ino_t ino;
        unsigned char type;
    };
    QByteArray names;
    std::vector<Entry> entries;
    {
        DirectoryReader reader(files.get());
        const char* name = nullptr;
        unsigned char type = 0;
        while (reader.next(name, type)) {
            entries.push_back({names.size(), reader.ino(), type});
            names.append(name, qsizetype(std::strlen(name)) + 1);
        }
        if (reader.failed()) {
            if (errno == 0)
                errno = EIO;
            return false;
        }
    }

    // Reading the info files is most of the work, and independent per item: threads fill the
    // items in place, and make their sort keys too, each with a collator and a run of its own.
    const qsizetype base = items.size();
    const std::size_t count = entries.size();
    items.reserve(base + qsizetype(count)); // exactly: resize alone may double the block
    items.resize(base + qsizetype(count));
    keys.refs.resize(std::size_t(base) + count);
    std::vector<char> valid(count, 0);
    TrashItem* const filled = items.data() + base;
    const QByteArray& top = listing.trash.top;
    QHash<QByteArray, quint32> folderIndex;
    std::mutex folderMutex, runMutex;
    runParallel(count, 256, [&] {
        auto maker = std::make_shared<NameKeyMaker>(locale);
        std::string* run = nullptr;
        std::uint32_t runIndex = 0;
        {
            const std::lock_guard lock(runMutex);
            runIndex = std::uint32_t(keys.runs.size());
            run = &keys.runs.emplace_back();
        }
        return [&, maker, run, runIndex](std::size_t k) {
            TrashItem& item = filled[k];
            QByteArray folder;
            item.ino = entries[k].ino;
            if (!readItem(files.get(), info.get(), top, names.constData() + entries[k].name,
                          entries[k].type, item, folder))
                return;
            if (!folder.isNull()) {
                const std::lock_guard lock(folderMutex);
                auto found = folderIndex.constFind(folder);
                if (found == folderIndex.cend()) {
                    found = folderIndex.insert(folder, quint32(folders.size()));
                    folders.append(displayTextFromBytes(folder));
                }
                item.folder = *found;
            }
            const std::size_t offset = run->size();
            maker->append(item.name.isNull() ? displayTextFromBytes(item.stored) : item.name, *run);
            keys.refs[std::size_t(base) + k] = {runIndex, std::uint32_t(offset),
                                                std::uint32_t(run->size() - offset)};
            valid[k] = 1;
        };
    });
    // Entries that vanished meanwhile leave gaps: close them.
    qsizetype kept = base;
    for (std::size_t k = 0; k < count; ++k) {
        if (!valid[k])
            continue;
        if (kept != base + qsizetype(k)) {
            items[kept] = std::move(filled[k]);
            keys.refs[std::size_t(kept)] = keys.refs[std::size_t(base) + k];
        }
        ++kept;
    }
    items.resize(kept);
    keys.refs.resize(std::size_t(kept));
    return true;
}

void measureSizes(QList<TrashItem>& items, const std::vector<const HeldTrash*>& trashes,
                  const std::vector<qsizetype>& itemsPerTrash, bool updateCache) {
    const std::size_t trashCount = trashes.size();
    std::vector<SizeCache> caches(trashCount);
    std::vector<char> cacheRead(trashCount, 0);
    std::vector<int> jobs;
    for (int i = 0; i < items.size(); ++i) {
        const TrashItem& item = items[i];
        if (item.statted && item.bytes >= 0)
            continue;
        const auto t = std::size_t(item.trash);
        if (!cacheRead[t]) {
            cacheRead[t] = 1;
            caches[t].open(trashes[t]->fd.get(), itemsPerTrash[t]);
        }
        jobs.push_back(i);
    }

    TrashItem* const data = items.data(); // each job touches its own item only
    // The modification times of the folders' info files, for their cache entries.
    std::vector<std::optional<struct timespec>> infoMtimes(jobs.size());
    std::vector<char> walked(jobs.size(), 0);
    runParallel(jobs.size(), 64, [&] {
        return [&](std::size_t k) {
            TrashItem& item = data[jobs[k]];
            const HeldTrash& o = *trashes[std::size_t(item.trash)];
            const SizeCache& cache = caches[std::size_t(item.trash)];
            const char* name = item.stored.constData();
            struct stat st {};
            if (item.kind != ItemKind::Folder) {
                if (::fstatat(o.files.get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                    item.modified = st.st_mtim.tv_sec;
                    item.bytes = qint64(st.st_blocks) * 512;
                    keepListedIdentity(item, st);
                }
                item.statted = true;
                return;
            }
            // The info file's time as the listing read it, or read now.
            std::optional<struct timespec> infoMtime;
            if (!item.statted) {
                if (item.modified > 0)
                    infoMtime = timespec{time_t(item.modified / 1000000000),
                                         long(item.modified % 1000000000)};
                item.modified = 0;
            }
            if (item.hasInfo && !infoMtime) {
                struct stat info {};
                const QByteArray infoName = item.stored + TrashInfoSuffix;
                if (o.info.valid() &&
                    ::fstatat(o.info.get(), infoName.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
                    infoMtime = info.st_mtim;
            }
            if (item.hasInfo) {
                if (infoMtime) {
                    infoMtimes[k] = infoMtime;
                    if (const auto cached = cache.lookUp(item.stored, *infoMtime)) {
                        item.bytes = *cached;
                        if (!item.statted &&
                            ::fstatat(o.files.get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                            item.modified = st.st_mtim.tv_sec;
                            keepListedIdentity(item, st);
                        }
                        item.statted = true;
                        return;
                    }
                    walked[k] = 1;
                }
            }
            item.bytes = diskUsage(o.files.get(), name, &st);
            if (st.st_ino != 0) {
                item.modified = st.st_mtim.tv_sec;
                keepListedIdentity(item, st);
            }
            item.statted = true;
        };
    });
    // Every folder was a job: the entries of each trash directory come from them.
    for (std::size_t k = 0; k < jobs.size(); ++k) {
        const TrashItem& item = items[jobs[k]];
        SizeCache& cache = caches[std::size_t(item.trash)];
        if (walked[k])
            cache.markMeasured();
        if (item.kind == ItemKind::Folder && infoMtimes[k] && item.bytes >= 0)
            cache.record(item.stored, item.bytes, *infoMtimes[k]);
    }
    for (std::size_t t = 0; t < trashCount; ++t)
        if (cacheRead[t] && updateCache)
            caches[t].rewrite(trashes[t]->fd.get());
}

} // namespace velmora
