// The user's trash as the list shows it: the enumeration, the sort, the texts and rename.
#include "platform/TrashSource.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>

#include <QCollator>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>
#include <vector>

#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "platform/DiskUsage.h"
#include "platform/FileNames.h"
#include "platform/Parallel.h"
#include "platform/PosixFiles.h"
#include "platform/QtText.h"
#include "platform/SizeCache.h"
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

Kind kindOf(unsigned char type) {
    switch (type) {
    case DT_DIR:
        return Folder;
    case DT_LNK:
        return Link;
    case DT_FIFO:
        return Fifo;
    case DT_SOCK:
        return Socket;
    case DT_CHR:
        return CharDevice;
    case DT_BLK:
        return BlockDevice;
    default:
        return File;
    }
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

// The text without spare capacity: it is kept for the whole enumeration.
QString compact(QString text) {
    if (text.capacity() > text.size())
        text.squeeze();
    return text;
}

} // namespace

// A trash directory as one enumeration holds it: every step after the listing works relative to
// these descriptors, never by its path again.
struct TrashSource::Trash {
    QByteArray dir;     // the trash directory, holding files/ and info/
    QByteArray top;     // what relative Path values start from
    QString filesPath;  // dir/files as text (fileNameFromBytes)
    Fd fd, files, info; // info invalid when the trash has no info/
    dev_t filesDev = 0, infoDev = 0;
};

// Kept for every item of an enumeration; the fields are ordered to keep it small.
struct TrashSource::Item {
    QByteArray stored; // the name in files/ (and info/NAME.trashinfo), as on disk
    QString name;      // the original name; null: the stored name is shown
    QString texts;     // 删除日期, 大小 and 修改日期 joined by '\n', once loaded
    TDateTime deleted = 0;
    mutable qint64 modified = 0; // of files/NAME, seconds since the epoch, once statted
    qint64 bytes = -1;           // on disk; -1 until known
    quint32 folder = 0;          // index in folders_; 0 is the empty text
    quint16 trash = 0;
    mutable quint16 type = 0; // index in types_; 0 for folders, and until looked up
    Kind kind = File;
    ino_t ino = 0;     // of files/NAME as listed
    ino_t infoIno = 0; // of info/NAME.trashinfo as read; 0 when it could not be told
    bool hasInfo = false;
    bool statted = false; // modified (and bytes of a non-folder) are known
};

namespace {

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
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::geteuid())
        return Fd();
    return fd;
}

} // namespace

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
    sizesLoaded_ = false;
    try {
        QList<TrashLocation> locations;
        const QByteArray dataHome = fileNameToBytes(options_.dataHome);
        Fd homeFd;
        if (dataHome.startsWith('/')) {
            const QByteArray home = dataHome + (dataHome.endsWith('/') ? "Trash" : "/Trash");
            homeFd = openHomeTrash(home);
            struct stat st {};
            if (homeFd.valid() && ::fstat(homeFd.get(), &st) == 0)
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

        SortKeys keys;
        QSet<QPair<quint64, quint64>> seen;
        for (qsizetype k = 0; k < locations.size(); ++k) {
            const TrashLocation& location = locations[k];
            const QPair<quint64, quint64> id(location.dev, location.ino);
            if (seen.contains(id) || trashes_.size() >= 0xFFFF)
                continue;
            seen.insert(id);
            Fd fd = k < homeCount ? std::move(homeFd) : openVolumeTrash(location, options_.uid);
            if (!fd.valid())
                continue;
            Trash trash;
            trash.files.reset(::openat(fd.get(), "files", DirFlags | O_NOFOLLOW));
            trash.info.reset(::openat(fd.get(), "info", DirFlags | O_NOFOLLOW));
            struct stat st {};
            // info/ that exists but cannot be read leaves nothing there to tell apart.
            if (!trash.files.valid() || (!trash.info.valid() && errno != ENOENT) ||
                ::fstat(trash.files.get(), &st) != 0)
                continue;
            trash.filesDev = st.st_dev;
            if (trash.info.valid() && ::fstat(trash.info.get(), &st) == 0)
                trash.infoDev = st.st_dev;
            trash.dir = location.trashDir;
            trash.top = location.topDir;
            trash.filesPath = fileNameFromBytes(location.trashDir + "/files");
            trash.fd = std::move(fd);
            trashes_.push_back(std::move(trash));
            readTrash(int(trashes_.size() - 1), keys);
        }
        sortItems(keys);
    } catch (...) {
        // Out of memory: an empty list rather than a crash.
        trashes_.clear();
        items_.clear();
    }
}

void TrashSource::readTrash(int trashIndex, SortKeys& keys) {
    const Fd& files = trashes_[std::size_t(trashIndex)].files;
    const Fd& info = trashes_[std::size_t(trashIndex)].info;
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
        if (reader.failed())
            return;
    }

    // Reading the info files is most of the work, and independent per item: threads fill the
    // items in place, and make their sort keys too, each with a collator of its own.
    const qsizetype base = items_.size();
    const std::size_t count = entries.size();
    items_.reserve(base + qsizetype(count)); // exactly: resize alone may double the block
    items_.resize(base + qsizetype(count));
    keys.resize(std::size_t(base) + count);
    std::vector<char> valid(count, 0);
    Item* const filled = items_.data() + base;
    const QByteArray& top = trashes_[std::size_t(trashIndex)].top;
    QHash<QByteArray, quint32> folderIndex;
    std::mutex folderMutex;
    runParallel(count, 256, [&] {
        auto collator = std::make_shared<QCollator>(options_.locale);
        collator->setNumericMode(true);
        return [&, collator](std::size_t k) {
            Item& item = filled[k];
            QByteArray folder;
            item.ino = entries[k].ino;
            if (!readItem(files.get(), info.get(), top, names.constData() + entries[k].name,
                          entries[k].type, item, folder))
                return;
            item.trash = static_cast<quint16>(trashIndex);
            if (!folder.isNull()) {
                const std::lock_guard lock(folderMutex);
                auto found = folderIndex.constFind(folder);
                if (found == folderIndex.cend()) {
                    found = folderIndex.insert(folder, quint32(folders_.size()));
                    folders_.append(displayTextFromBytes(folder));
                }
                item.folder = *found;
            }
            keys[std::size_t(base) + k] = collator->sortKey(
                item.name.isNull() ? displayTextFromBytes(item.stored) : item.name);
            valid[k] = 1;
        };
    });
    // Entries that vanished meanwhile leave gaps: close them.
    qsizetype kept = base;
    for (std::size_t k = 0; k < count; ++k) {
        if (!valid[k])
            continue;
        if (kept != base + qsizetype(k)) {
            items_[kept] = std::move(filled[k]);
            keys[std::size_t(kept)] = std::move(keys[std::size_t(base) + k]);
        }
        ++kept;
    }
    items_.resize(kept);
    keys.resize(std::size_t(kept));
}

bool TrashSource::readItem(int filesFd, int infoFd, const QByteArray& top, const char* name,
                           unsigned char type, Item& item, QByteArray& folder) {
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
        if (item.kind != Folder)
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
    int fd = -1;
    if (infoFd >= 0 && fits) {
        fd = ::openat(infoFd, infoName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        // An info file that exists but cannot be read (a link, no permission) makes the item
        // one with an unreadable Path and date.
        item.hasInfo = fd >= 0 || errno != ENOENT;
    }
    if (!item.hasInfo) {
        // An orphan: listed under its stored name, dated when it entered the trash.
        if (!statStored())
            return false;
        item.deleted = localTimeOr(st.st_ctim, now());
        return true;
    }
    TrashInfo parsed;
    struct stat infoStat {};
    bool haveInfoStat = false;
    if (fd >= 0) {
        const Fd closer(fd);
        // Info files are small: one read into the stack, mostly. One larger than the limit is
        // unreadable as a whole: half of it could carry a Path cut short.
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n >= 0 && std::size_t(n) < sizeof buffer) {
            parsed = parseTrashInfo(QByteArrayView(buffer, n));
        } else if (n >= 0) {
            const QByteArray whole =
                QByteArrayView(buffer, n).toByteArray() + readAtMost(fd, MaxInfoBytes + 1 - n);
            if (whole.size() <= MaxInfoBytes)
                parsed = parseTrashInfo(whole);
        }
        haveInfoStat = ::fstat(fd, &infoStat) == 0;
    } else {
        haveInfoStat = ::fstatat(infoFd, infoName, &infoStat, AT_SYMLINK_NOFOLLOW) == 0;
    }
    if (haveInfoStat)
        item.infoIno = infoStat.st_ino;
    QByteArrayView originalName;
    if (parsed.hasPath && splitOriginalPath(parsed.path, top, originalName, folder))
        item.name = compact(displayTextFromBytes(originalName));
    if (parsed.hasDate)
        item.deleted = parsed.deletionDate;
    else if (haveInfoStat)
        item.deleted = localTimeOr(infoStat.st_mtim, now());
    else if (statStored())
        item.deleted = localTimeOr(st.st_ctim, now());
    else
        item.deleted = now();
    return true;
}

void TrashSource::sortItems(const SortKeys& keys) {
    std::vector<int> order(static_cast<std::size_t>(items_.size()));
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&](int a, int b) {
        const Item& x = items_[a];
        const Item& y = items_[b];
        if ((x.kind == Folder) != (y.kind == Folder))
            return x.kind == Folder;
        if (const int c = keys[std::size_t(a)]->compare(*keys[std::size_t(b)]))
            return c < 0;
        if (x.trash != y.trash)
            return x.trash < y.trash;
        return x.stored < y.stored;
    };
    // Two halves sorted side by side, then merged, when there are enough items to gain.
    const auto middle = order.begin() + std::ptrdiff_t(order.size() / 2);
    std::optional<std::thread> helper;
    if (order.size() >= 4096 && std::thread::hardware_concurrency() > 1) {
        try {
            helper.emplace([&] { std::sort(order.begin(), middle, before); });
        } catch (...) {
            helper.reset();
        }
    }
    if (helper) {
        std::sort(middle, order.end(), before);
        helper->join();
        std::inplace_merge(order.begin(), middle, order.end(), before);
    } else {
        std::sort(order.begin(), order.end(), before);
    }
    // Puts the items in that order in place, cycle by cycle: no second list.
    std::vector<bool> placed(order.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        Item held = std::move(items_[qsizetype(start)]);
        std::size_t at = start;
        for (;;) {
            placed[at] = true;
            const auto from = std::size_t(order[at]);
            if (from == start) {
                items_[qsizetype(at)] = std::move(held);
                break;
            }
            items_[qsizetype(at)] = std::move(items_[qsizetype(from)]);
            at = from;
        }
    }
}

int TrashSource::count() const {
    return int(items_.size());
}

QList<ColumnInfo> TrashSource::columns() const {
    return {
        {QStringLiteral("名称"), Qt::AlignLeft, 25},
        {QStringLiteral("原位置"), Qt::AlignLeft, 30},
        {QStringLiteral("删除日期"), Qt::AlignLeft, 20},
        {QStringLiteral("大小"), Qt::AlignRight, 12},
        {QStringLiteral("项目类型"), Qt::AlignLeft, 20},
        {QStringLiteral("修改日期"), Qt::AlignLeft, 20},
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

TrashItemRef TrashSource::itemRef(int index) const {
    const Item& item = items_[index];
    const Trash& trash = trashes_[item.trash];
    TrashItemRef ref;
    ref.trashFd = trash.fd.get();
    ref.filesFd = trash.files.get();
    ref.infoFd = trash.info.get();
    ref.stored = item.stored;
    ref.dev = trash.filesDev;
    ref.ino = item.ino;
    ref.hasInfo = item.hasInfo;
    ref.infoDev = trash.infoDev;
    ref.infoIno = item.infoIno;
    return ref;
}

QStringList TrashSource::trashDirectories() const {
    QStringList dirs;
    for (const Trash& trash : trashes_)
        dirs.append(fileNameFromBytes(trash.dir));
    return dirs;
}

quint16 TrashSource::typeOf(const Item& item) const {
    if (item.type != 0 || item.kind == Folder)
        return item.type; // 0 is the folder type
    switch (item.kind) {
    case Link:
        item.type = types_.forMimeType(QStringLiteral("inode/symlink"));
        break;
    case Fifo:
        item.type = types_.forMimeType(QStringLiteral("inode/fifo"));
        break;
    case Socket:
        item.type = types_.forMimeType(QStringLiteral("inode/socket"));
        break;
    case CharDevice:
        item.type = types_.forMimeType(QStringLiteral("inode/chardevice"));
        break;
    case BlockDevice:
        item.type = types_.forMimeType(QStringLiteral("inode/blockdevice"));
        break;
    default:
        item.type =
            types_.forFileName(item.name.isNull() ? displayTextFromBytes(item.stored) : item.name);
        break;
    }
    return item.type;
}

QString TrashSource::iconName(int index) const {
    return types_[typeOf(items_[index])].icon;
}

QString TrashSource::deletedText(const Item& item) const {
    return toQString(listDateTimeText(item.deleted));
}

QString TrashSource::modifiedText(const Item& item) const {
    if (!item.statted) {
        struct stat st {};
        if (::fstatat(trashes_[item.trash].files.get(), item.stored.constData(), &st,
                      AT_SYMLINK_NOFOLLOW) != 0)
            return {};
        item.modified = st.st_mtim.tv_sec;
    }
    TDateTime local = 0;
    if (!localDateTimeOf(item.modified, 0, local))
        return {};
    return toQString(listDateTimeText(local));
}

QString TrashSource::joinedTexts(const Item& item) const {
    const QString parts[] = {deletedText(item), toQString(kilobyteSizeText(item.bytes)),
                             modifiedText(item)};
    QString joined;
    joined.reserve(parts[0].size() + parts[1].size() + parts[2].size() + 2);
    joined += parts[0] + u'\n';
    joined += parts[1] + u'\n';
    joined += parts[2];
    return joined;
}

void TrashSource::loadTexts(Item& item) {
    if (!item.texts.isNull())
        return;
    loadSizes(); // writes every item's texts
    if (item.texts.isNull())
        item.texts = joinedTexts(item);
}

QStringList TrashSource::details(int index) {
    Item& item = items_[index];
    loadTexts(item);
    const QList<QStringView> parts = QStringView(item.texts).split(u'\n');
    return {folders_[item.folder], parts.value(0).toString(), parts.value(1).toString(),
            types_[typeOf(item)].description, parts.value(2).toString()};
}

QString TrashSource::detail(int index, TrashColumn column) {
    Item& item = items_[index];
    if (!item.texts.isNull() && column != TrashColumn::Name && column < TrashColumn::Count)
        return details(index).value(int(column) - 1);
    switch (column) {
    case TrashColumn::Folder:
        return folders_[item.folder];
    case TrashColumn::Deleted:
        return deletedText(item);
    case TrashColumn::Size:
        if (item.bytes < 0)
            loadSizes();
        return toQString(kilobyteSizeText(item.bytes));
    case TrashColumn::Type:
        return types_[typeOf(item)].description;
    case TrashColumn::Modified:
        return modifiedText(item);
    default:
        return {};
    }
}

// Sizes of folders come from directorysizes where an entry is valid; the others are measured
// now, all at once and in parallel, and the cache of each trash directory that had folders
// measured is rewritten with the entries of the folders that exist. Items not statted yet get
// their modification time and, for files, their size here too.
void TrashSource::loadSizes() {
    if (sizesLoaded_)
        return;
    sizesLoaded_ = true;
    const auto trashCount = std::size_t(trashes_.size());
    try {
        std::vector<SizeCache> caches(trashCount);
        std::vector<char> cacheRead(trashCount, 0);
        std::vector<qsizetype> itemsPerTrash(trashCount, 0);
        for (const Item& item : items_)
            ++itemsPerTrash[item.trash];
        std::vector<int> jobs;
        for (int i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            if (item.statted && item.bytes >= 0)
                continue;
            const auto t = std::size_t(item.trash);
            if (!cacheRead[t]) {
                cacheRead[t] = 1;
                caches[t].open(trashes_[t].fd.get(), itemsPerTrash[t]);
            }
            jobs.push_back(i);
        }

        Item* const items = items_.data(); // each job touches its own item only
        // The modification times of the folders' info files, for their cache entries.
        std::vector<std::optional<struct timespec>> infoMtimes(jobs.size());
        std::vector<char> walked(jobs.size(), 0);
        runParallel(jobs.size(), 64, [&] {
            return [&](std::size_t k) {
                Item& item = items[jobs[k]];
                const Trash& o = trashes_[std::size_t(item.trash)];
                const SizeCache& cache = caches[std::size_t(item.trash)];
                const char* name = item.stored.constData();
                struct stat st {};
                if (item.kind != Folder) {
                    if (::fstatat(o.files.get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                        item.modified = st.st_mtim.tv_sec;
                        item.bytes = qint64(st.st_blocks) * 512;
                    }
                    item.statted = true;
                    return;
                }
                if (item.hasInfo) {
                    struct stat info {};
                    const QByteArray infoName = item.stored + TrashInfoSuffix;
                    if (o.info.valid() && ::fstatat(o.info.get(), infoName.constData(), &info,
                                                    AT_SYMLINK_NOFOLLOW) == 0) {
                        infoMtimes[k] = info.st_mtim;
                        if (const auto cached = cache.lookUp(item.stored, info.st_mtim)) {
                            item.bytes = *cached;
                            if (!item.statted &&
                                ::fstatat(o.files.get(), name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                                item.modified = st.st_mtim.tv_sec;
                            item.statted = true;
                            return;
                        }
                        walked[k] = 1;
                    }
                }
                item.bytes = diskUsage(o.files.get(), name, &st);
                if (st.st_ino != 0)
                    item.modified = st.st_mtim.tv_sec;
                item.statted = true;
            };
        });
        // Every folder was a job: the entries of each trash directory come from them.
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            const Item& item = items_[jobs[k]];
            SizeCache& cache = caches[std::size_t(item.trash)];
            if (walked[k])
                cache.markMeasured();
            if (item.kind == Folder && infoMtimes[k] && item.bytes >= 0)
                cache.record(item.stored, item.bytes, *infoMtimes[k]);
        }
        for (std::size_t t = 0; t < trashCount; ++t)
            if (cacheRead[t])
                caches[t].rewrite(trashes_[t].fd.get());
    } catch (...) {
        // Out of memory: the sizes not found stay unknown and are shown as 0.
    }
    for (Item& item : items_) {
        item.statted = true;
        if (item.bytes < 0)
            item.bytes = 0;
    }
    // Now that every figure is known, the texts and types of every item: the list asks for them
    // all, and the dates and sizes of the rows are what the cleaning logic reads.
    try {
        Item* const items = items_.data();
        runParallel(std::size_t(items_.size()), 256, [&] {
            return [&](std::size_t k) {
                if (items[k].texts.isNull())
                    items[k].texts = joinedTexts(items[k]);
                typeOf(items[k]);
            };
        });
    } catch (...) {
        // Out of memory: each text is written when it is asked for.
    }
}

bool TrashSource::rename(int index, const QString& newName) {
    Item& item = items_[index];
    if (newName.isEmpty() || newName.contains(u'/') || newName.contains(QChar(0)) ||
        newName == QStringLiteral(".") || newName == QStringLiteral("..") || !item.hasInfo)
        return false;
    const Trash& trash = trashes_[item.trash];
    const Fd& dir = trash.info;
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
    QByteArrayView originalName;
    QByteArray folder;
    if (!info.hasPath || !splitOriginalPath(info.path, trash.top, originalName, folder))
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
