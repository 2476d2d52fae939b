#include "platform/TrashSource.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>

#include <QCollator>
#include <QHash>
#include <QMimeDatabase>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <numeric>
#include <thread>
#include <vector>

#include "core/DateTimeFormat.h"
#include "platform/DiskUsage.h"
#include "platform/FileNames.h"
#include "platform/TrashInfo.h"
#include "platform/Volumes.h"

namespace velmora {

namespace {

constexpr int DirFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
constexpr qsizetype MaxInfoBytes = 64 * 1024; // info files are a few hundred bytes
const char TrashInfoSuffix[] = ".trashinfo";

enum Kind : quint8 { File, Folder, Link, Fifo, Socket, CharDevice, BlockDevice };

Kind kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return Folder;
    if (S_ISLNK(mode))
        return Link;
    if (S_ISFIFO(mode))
        return Fifo;
    if (S_ISSOCK(mode))
        return Socket;
    if (S_ISCHR(mode))
        return CharDevice;
    if (S_ISBLK(mode))
        return BlockDevice;
    return File;
}

// A descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

QByteArray readAtMost(int fd, qsizetype limit) {
    QByteArray data;
    char buffer[4096];
    while (data.size() < limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        data.append(buffer, std::min<qsizetype>(n, limit - data.size()));
    }
    return data;
}

qint64 milliseconds(const struct timespec& t) {
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Never an unreadable date that counts as old: a time that cannot be written is taken as now.
TDateTime localTimeOr(const struct timespec& t, TDateTime fallback) {
    TDateTime local = 0;
    return localDateTimeOf(t.tv_sec, t.tv_nsec, local) ? local : fallback;
}

TDateTime now() {
    struct timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    TDateTime local = 0;
    localDateTimeOf(t.tv_sec, t.tv_nsec, local);
    return local;
}

QString fromText(const Text& text) {
    return QString::fromStdU16String(text);
}

const QString FolderTypeText = QStringLiteral("文件夹");

} // namespace

struct TrashSource::Trash {
    QByteArray dir;    // the trash directory, holding files/ and info/
    QByteArray top;    // what relative Path values start from
    QString filesPath; // dir/files as text (fileNameFromBytes)
};

// Kept for every item of an enumeration; the fields are ordered to keep it small.
struct TrashSource::Item {
    QByteArray stored; // the name in files/ (and info/NAME.trashinfo), as on disk
    QString name;      // the original name; null: the stored name is shown
    QString texts;     // 删除日期, 大小 and 修改日期 joined by '\n', once loaded
    TDateTime deleted = 0;
    qint64 modified = 0;    // of files/NAME, seconds since the epoch
    qint64 infoMtimeMs = 0; // of the info file, for the directorysizes entry of a folder
    qint64 bytes = -1;      // on disk; -1 until known
    quint32 folder = 0;     // index in folders_; 0 is the empty text
    quint16 trash = 0;
    mutable quint16 type = 0; // index in types_; 0 until looked up
    Kind kind = File;
    bool hasInfo = false;
};

struct TrashSource::TypeText {
    QString description;
    QString icon;
};

QString defaultDataHome() {
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    if (xdg.startsWith('/'))
        return fileNameFromBytes(xdg);
    QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/')) {
        struct passwd pw {};
        struct passwd* found = nullptr;
        char buffer[4096];
        if (::getpwuid_r(::getuid(), &pw, buffer, sizeof buffer, &found) == 0 && found &&
            found->pw_dir)
            home = found->pw_dir;
    }
    if (!home.startsWith('/'))
        return {};
    if (!home.endsWith('/'))
        home += '/';
    return fileNameFromBytes(home + ".local/share");
}

TrashSource::TrashSource(TrashSourceOptions options) : options_(std::move(options)) {
    if (options_.dataHome.isEmpty())
        options_.dataHome = defaultDataHome();
}

TrashSource::~TrashSource() = default;

void TrashSource::enumerate() {
    trashes_.clear();
    items_.clear();
    folders_ = QStringList{QString()};
    types_ = QList<TypeText>{TypeText{}};
    typeIndex_.clear();
    sizesLoaded_ = false;
    try {
        QList<TrashLocation> locations;
        const QByteArray dataHome = fileNameToBytes(options_.dataHome);
        if (dataHome.startsWith('/')) {
            // The home trash may be a link to elsewhere: it is followed.
            const QByteArray home = dataHome + (dataHome.endsWith('/') ? "Trash" : "/Trash");
            struct stat st {};
            if (::stat(home.constData(), &st) == 0 && S_ISDIR(st.st_mode))
                locations.append({home, dataHome, st.st_dev, st.st_ino});
        }
        const qsizetype homeCount = locations.size();
        if (options_.scanVolumes) {
            QList<QByteArray> roots;
            if (options_.volumeRoots) {
                for (const QString& root : *options_.volumeRoots)
                    roots.append(fileNameToBytes(root));
            } else {
                roots = mountedVolumeRoots();
            }
            const uid_t uid = options_.uid;
            locations += probeVolumes(
                roots, [uid](const QByteArray& top) { return volumeTrashesAt(top, uid); },
                options_.probeDeadline);
        }

        QSet<QPair<quint64, quint64>> seen;
        for (qsizetype k = 0; k < locations.size(); ++k) {
            const TrashLocation& location = locations[k];
            const QPair<quint64, quint64> id(location.dev, location.ino);
            if (seen.contains(id) || trashes_.size() >= 0xFFFF)
                continue;
            seen.insert(id);
            // Volume trash directories were found by lstat: a link swapped in since is refused.
            const bool home = k < homeCount;
            Fd fd(::open(location.trashDir.constData(), DirFlags | (home ? 0 : O_NOFOLLOW)));
            if (!fd.valid())
                continue;
            trashes_.append({location.trashDir, location.topDir,
                             fileNameFromBytes(location.trashDir + "/files")});
            readTrash(int(trashes_.size() - 1), fd.get());
        }
        sortItems();
    } catch (...) {
        // Out of memory: an empty list rather than a crash.
        trashes_.clear();
        items_.clear();
    }
}

void TrashSource::readTrash(int trashIndex, int trashFd) {
    const Trash& trash = trashes_[trashIndex];
    Fd files(::openat(trashFd, "files", DirFlags | O_NOFOLLOW));
    if (!files.valid())
        return;
    Fd info(::openat(trashFd, "info", DirFlags | O_NOFOLLOW));
    if (!info.valid() && errno != ENOENT)
        return; // info/ exists but cannot be read: nothing there can be told apart
    const qsizetype firstItem = items_.size();
    QHash<QByteArray, quint32> folderIndex;
    QByteArray infoName;

    const bool complete = forEachEntry(files.get(), [&](const char* name) {
        struct stat st {};
        if (::fstatat(files.get(), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return; // gone meanwhile
        Item item;
        item.stored = QByteArray(name);
        item.trash = static_cast<quint16>(trashIndex);
        item.kind = kindOf(st.st_mode);
        item.modified = st.st_mtim.tv_sec;
        if (item.kind != Folder)
            item.bytes = qint64(st.st_blocks) * 512;

        int infoFd = -1;
        if (info.valid()) {
            infoName = item.stored + TrashInfoSuffix;
            infoFd = ::openat(info.get(), infoName.constData(),
                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            // An info file that exists but cannot be read (a link, no permission) makes the item
            // one with an unreadable Path and date.
            item.hasInfo = infoFd >= 0 || (errno != ENOENT && errno != ENAMETOOLONG);
        }
        if (!item.hasInfo) {
            // An orphan: listed under its stored name, dated when it entered the trash.
            item.deleted = localTimeOr(st.st_ctim, now());
            items_.append(std::move(item));
            return;
        }
        TrashInfo parsed;
        struct stat infoStat {};
        bool haveInfoStat = false;
        if (infoFd >= 0) {
            const Fd closer(infoFd);
            parsed = parseTrashInfo(readAtMost(infoFd, MaxInfoBytes));
            if (!parsed.hasDate || item.kind == Folder)
                haveInfoStat = ::fstat(infoFd, &infoStat) == 0;
        } else {
            haveInfoStat =
                ::fstatat(info.get(), infoName.constData(), &infoStat, AT_SYMLINK_NOFOLLOW) == 0;
        }
        if (haveInfoStat)
            item.infoMtimeMs = milliseconds(infoStat.st_mtim);
        OriginalLocation location;
        if (parsed.hasPath && splitOriginalPath(parsed.path, trash.top, location)) {
            item.name = displayTextFromBytes(location.name);
            auto found = folderIndex.constFind(location.folder);
            if (found == folderIndex.cend()) {
                found = folderIndex.insert(location.folder, quint32(folders_.size()));
                folders_.append(displayTextFromBytes(location.folder));
            }
            item.folder = *found;
        }
        if (parsed.hasDate)
            item.deleted = parsed.deletionDate;
        else if (haveInfoStat)
            item.deleted = localTimeOr(infoStat.st_mtim, now());
        else
            item.deleted = localTimeOr(st.st_ctim, now());
        items_.append(std::move(item));
    });
    if (!complete) // the listing broke off: the directory is left out as a whole
        items_.resize(firstItem);
}

void TrashSource::sortItems() {
    QCollator collator(options_.locale);
    collator.setNumericMode(true);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(items_.size()));
    for (int i = 0; i < items_.size(); ++i)
        keys.push_back(collator.sortKey(displayName(i)));
    std::vector<int> order(static_cast<std::size_t>(items_.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const Item& x = items_[a];
        const Item& y = items_[b];
        if ((x.kind == Folder) != (y.kind == Folder))
            return x.kind == Folder;
        if (const int c = keys[std::size_t(a)].compare(keys[std::size_t(b)]))
            return c < 0;
        if (x.trash != y.trash)
            return x.trash < y.trash;
        return x.stored < y.stored;
    });
    QList<Item> sorted;
    sorted.reserve(items_.size());
    for (const int i : order)
        sorted.append(std::move(items_[i]));
    items_ = std::move(sorted);
}

int TrashSource::count() const {
    return int(items_.size());
}

QList<ColumnInfo> TrashSource::columns() const {
    return {
        {QStringLiteral("名称"), Qt::AlignLeft, 25},
        {QStringLiteral("原位置"), Qt::AlignLeft, 30},
        {QStringLiteral("删除日期"), Qt::AlignLeft, 18},
        {QStringLiteral("大小"), Qt::AlignRight, 12},
        {QStringLiteral("项目类型"), Qt::AlignLeft, 18},
        {QStringLiteral("修改日期"), Qt::AlignLeft, 18},
    };
}

QString TrashSource::displayName(int index) const {
    const Item& item = items_[index];
    return item.name.isNull() ? displayTextFromBytes(item.stored) : item.name;
}

QString TrashSource::pathName(int index) const {
    const Item& item = items_[index];
    return trashes_[item.trash].filesPath + u'/' + fileNameFromBytes(item.stored);
}

QByteArray TrashSource::nativePathName(int index) const {
    const Item& item = items_[index];
    return trashes_[item.trash].dir + "/files/" + item.stored;
}

bool TrashSource::isFolder(int index) const {
    return items_[index].kind == Folder;
}

TDateTime TrashSource::deletionDate(int index) const {
    return items_[index].deleted;
}

QStringList TrashSource::trashDirectories() const {
    QStringList dirs;
    for (const Trash& trash : trashes_)
        dirs.append(fileNameFromBytes(trash.dir));
    return dirs;
}

quint16 TrashSource::typeOf(const Item& item) const {
    if (item.type != 0)
        return item.type;
    static QMimeDatabase database;
    QString key, description, icon;
    auto fromMime = [&](const QMimeType& mime) {
        key = mime.name();
        description = mime.comment();
        icon = mime.iconName();
    };
    switch (item.kind) {
    case Folder:
        key = QStringLiteral("inode/directory");
        description = FolderTypeText;
        icon = QStringLiteral("folder");
        break;
    case Link:
        fromMime(database.mimeTypeForName(QStringLiteral("inode/symlink")));
        break;
    case Fifo:
        fromMime(database.mimeTypeForName(QStringLiteral("inode/fifo")));
        break;
    case Socket:
        fromMime(database.mimeTypeForName(QStringLiteral("inode/socket")));
        break;
    case CharDevice:
        fromMime(database.mimeTypeForName(QStringLiteral("inode/chardevice")));
        break;
    case BlockDevice:
        fromMime(database.mimeTypeForName(QStringLiteral("inode/blockdevice")));
        break;
    case File: {
        // By name only: the file is never opened (it may be a fifo, or huge).
        const QString name = item.name.isNull() ? displayTextFromBytes(item.stored) : item.name;
        const QList<QMimeType> matches = database.mimeTypesForFileName(name);
        if (!matches.isEmpty()) {
            fromMime(matches.front());
            break;
        }
        // An unknown type is described by its extension, as file managers do.
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString extension = dot > 0 ? name.sliced(dot + 1).toUpper() : QString();
        key = QStringLiteral("unknown:") + extension;
        description =
            extension.isEmpty() ? QStringLiteral("文件") : extension + QStringLiteral(" 文件");
        icon = QStringLiteral("application-octet-stream");
        break;
    }
    }
    const auto found = typeIndex_.constFind(key);
    if (found != typeIndex_.cend()) {
        item.type = *found;
        return item.type;
    }
    if (types_.size() >= 0xFFFF) {
        item.type = 1; // a trash of 65,535 types: the rest share one
        return item.type;
    }
    types_.append({description, icon});
    item.type = quint16(types_.size() - 1);
    typeIndex_.insert(key, item.type);
    return item.type;
}

QString TrashSource::iconName(int index) const {
    return types_[typeOf(items_[index])].icon;
}

QString TrashSource::deletedText(const Item& item) const {
    return fromText(listDateTimeText(item.deleted));
}

QString TrashSource::modifiedText(const Item& item) const {
    TDateTime local = 0;
    if (!localDateTimeOf(item.modified, 0, local))
        return {};
    return fromText(listDateTimeText(local));
}

void TrashSource::loadTexts(Item& item) {
    if (!item.texts.isNull())
        return;
    if (item.bytes < 0)
        loadSizes();
    item.texts = deletedText(item) + u'\n' + kilobyteText(item.bytes) + u'\n' + modifiedText(item);
}

QStringList TrashSource::details(int index) {
    Item& item = items_[index];
    loadTexts(item);
    const QList<QStringView> parts = QStringView(item.texts).split(u'\n');
    return {folders_[item.folder], parts.value(0).toString(), parts.value(1).toString(),
            types_[typeOf(item)].description, parts.value(2).toString()};
}

QString TrashSource::detail(int index, int column) {
    Item& item = items_[index];
    if (!item.texts.isNull() && column >= 1 && column < ColumnCount)
        return details(index).value(column - 1);
    switch (column) {
    case FolderColumn:
        return folders_[item.folder];
    case DeletedColumn:
        return deletedText(item);
    case SizeColumn:
        if (item.bytes < 0)
            loadSizes();
        return kilobyteText(item.bytes);
    case TypeColumn:
        return types_[typeOf(item)].description;
    case ModifiedColumn:
        return modifiedText(item);
    default:
        return {};
    }
}

// Sizes of folders come from directorysizes where an entry is valid; the others are measured
// now, all at once and in parallel, and the cache of each trash directory that had folders
// measured is rewritten with the entries of the folders that exist.
void TrashSource::loadSizes() {
    if (sizesLoaded_)
        return;
    sizesLoaded_ = true;
    struct Job {
        int item;
        int filesFd;
    };
    std::vector<Job> jobs;
    std::vector<int> trashFds(std::size_t(trashes_.size()), -1);
    std::vector<int> filesFds(std::size_t(trashes_.size()), -1);
    std::vector<bool> measured(std::size_t(trashes_.size()), false);
    std::vector<QHash<QByteArray, DirectorySize>> caches(std::size_t(trashes_.size()));
    try {
        for (int i = 0; i < items_.size(); ++i) {
            Item& item = items_[i];
            if (item.bytes >= 0)
                continue;
            const auto t = std::size_t(item.trash);
            if (trashFds[t] < 0) {
                trashFds[t] = ::open(trashes_[item.trash].dir.constData(), DirFlags);
                if (trashFds[t] < 0)
                    continue;
                filesFds[t] = ::openat(trashFds[t], "files", DirFlags | O_NOFOLLOW);
                const Fd cache(::openat(trashFds[t], "directorysizes",
                                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
                if (cache.valid())
                    caches[t] = parseDirectorySizes(readAtMost(cache.get(), 64 << 20));
            }
            if (filesFds[t] < 0)
                continue;
            if (item.hasInfo) {
                const auto entry = caches[t].constFind(item.stored);
                if (entry != caches[t].cend() &&
                    isValidDirectorySize(*entry, item.infoMtimeMs / 1000, item.infoMtimeMs)) {
                    item.bytes = entry->bytes;
                    continue;
                }
                measured[t] = true;
            }
            jobs.push_back({i, filesFds[t]});
        }

        std::vector<qint64> results(jobs.size(), 0);
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            for (std::size_t k; (k = next.fetch_add(1)) < jobs.size();)
                results[k] = diskUsage(jobs[k].filesFd, items_[jobs[k].item].stored.constData());
        };
        const std::size_t threads = std::min<std::size_t>(
            {std::max(1u, std::thread::hardware_concurrency()), 8, jobs.size()});
        std::vector<std::thread> workers;
        for (std::size_t k = 1; k < threads; ++k) {
            try {
                workers.emplace_back(work);
            } catch (...) {
                break; // no more threads: this one does the rest
            }
        }
        work();
        for (std::thread& w : workers)
            w.join();
        for (std::size_t k = 0; k < jobs.size(); ++k)
            items_[jobs[k].item].bytes = results[k];

        for (std::size_t t = 0; t < std::size_t(trashes_.size()); ++t) {
            if (!measured[t])
                continue;
            QList<NamedDirectorySize> entries;
            QSet<QByteArray> listed;
            for (const Item& item : items_) {
                if (item.trash != t || item.kind != Folder || !item.hasInfo || item.bytes < 0)
                    continue;
                entries.append({item.stored, {item.bytes, item.infoMtimeMs / 1000}});
                listed.insert(item.stored);
            }
            // Folders trashed since the enumeration keep their entries.
            for (auto e = caches[t].cbegin(); e != caches[t].cend(); ++e) {
                struct stat st {};
                if (!listed.contains(e.key()) &&
                    ::fstatat(filesFds[t], e.key().constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                    S_ISDIR(st.st_mode))
                    entries.append({e.key(), e.value()});
            }
            std::sort(entries.begin(), entries.end(),
                      [](const auto& a, const auto& b) { return a.name < b.name; });
            replaceFileAtomically(trashFds[t], "directorysizes", directorySizesContent(entries));
        }
    } catch (...) {
        // Out of memory: the sizes not found stay unknown and are shown as 0.
    }
    for (Item& item : items_)
        if (item.bytes < 0)
            item.bytes = 0;
    for (const int fd : filesFds)
        if (fd >= 0)
            ::close(fd);
    for (const int fd : trashFds)
        if (fd >= 0)
            ::close(fd);
}

bool TrashSource::rename(int index, const QString& newName) {
    Item& item = items_[index];
    if (newName.isEmpty() || newName.contains(u'/') || newName.contains(QChar(0)) ||
        newName == QStringLiteral(".") || newName == QStringLiteral("..") || !item.hasInfo)
        return false;
    const Trash& trash = trashes_[item.trash];
    const QByteArray infoDir = trash.dir + "/info";
    const Fd dir(::open(infoDir.constData(), DirFlags | O_NOFOLLOW));
    if (!dir.valid())
        return false;
    const QByteArray infoName = item.stored + TrashInfoSuffix;
    // The info file as it is now, in case another program changed it since the enumeration.
    const Fd current(
        ::openat(dir.get(), infoName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!current.valid() || ::fstat(current.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const TrashInfo info = parseTrashInfo(readAtMost(current.get(), MaxInfoBytes));
    OriginalLocation location;
    if (!info.hasPath || !splitOriginalPath(info.path, trash.top, location))
        return false;
    // The new name replaces the last segment of Path; a relative Path stays relative.
    QByteArrayView path = info.path;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray newPath = path.first(slash + 1).toByteArray() + fileNameToBytes(newName);
    // A date that could not be read is written as the one the list shows; the modification
    // time is kept, so that the directorysizes entry stays valid.
    const QByteArray content =
        trashInfoContent(newPath, info.hasDate ? info.deletionDate : item.deleted);
    if (!replaceFileAtomically(dir.get(), infoName.constData(), content, &st.st_mtim))
        return false;
    item.name = displayTextFromBytes(fileNameToBytes(newName));
    return true;
}

} // namespace velmora
