// The user's trash as the list shows it: the enumeration, the sort and the texts.
#include "platform/TrashSource.h"

#include <QCoreApplication>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>

#include <QHash>
#include <QSet>

#include <chrono>
#include <functional>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "platform/DiskUsage.h"
#include "platform/FileNames.h"
#include "platform/ItemRemoval.h"
#include "platform/ItemRename.h"
#include "platform/ItemRestore.h"
#include "platform/NameKeys.h"
#include "platform/Parallel.h"
#include "platform/PosixFiles.h"
#include "platform/QtText.h"
#include "platform/SizeCache.h"
#include "platform/TrashInfo.h"
#include "platform/TrashInfoFile.h"
#include "platform/VolumeReads.h"
#include "platform/Volumes.h"

namespace velmora {

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

TrashSource::TrashSource(TrashSourceOptions options)
    : options_(std::move(options)), removal_(std::make_unique<ItemRemoval>()) {
    if (options_.dataHome.isEmpty())
        options_.dataHome = defaultDataHome();
}

TrashSource::~TrashSource() = default;

void TrashSource::enumerate() {
    removal_->finish();
    trashes_.clear();
    items_.clear();
    folders_ = QStringList{QString()};
    unavailable_.clear();
    listingError_.clear();
    sizesLoaded_ = false;
    QByteArray homePath;
    int homeError = 0; // why the home trash could not be read; 0: read, or there is none
    try {
        // The home trash first: its identity keeps a volume that is the same folder out.
        TrashListing home;
        bool haveHome = false;
        QSet<QPair<quint64, quint64>> seen;
        const QByteArray dataHome = fileNameToBytes(options_.dataHome);
        if (options_.readHome && dataHome.startsWith('/')) {
            const QByteArray path = dataHome + (dataHome.endsWith('/') ? "Trash" : "/Trash");
            homePath = path;
            Fd fd = openHomeTrash(path);
            struct stat st {};
            if (!fd.valid() || ::fstat(fd.get(), &st) != 0) {
                homeError = errno;
            } else {
                seen.insert({quint64(st.st_dev), quint64(st.st_ino)});
                haveHome =
                    holdTrash(std::move(fd), {path, dataHome, st.st_dev, st.st_ino}, home.trash);
                if (!haveHome)
                    homeError = errno;
            }
            if (homeError == ENOENT)
                homeError = 0; // no trash yet, or nothing put in it: nothing to list
        }

        // The volumes: probed, then each trash directory read on a thread of its own, while the
        // home trash is read here.
        QList<TrashLocation> locations;
        if (options_.scanVolumes) {
            QList<QByteArray> roots;
            if (options_.volumeRoots) {
                for (const QString& root : *options_.volumeRoots)
                    roots.append(fileNameToBytes(root));
            } else {
                roots = mountedVolumeRoots();
            }
            const uid_t uid = options_.uid;
            QList<QByteArray> unanswered;
            const QList<TrashLocation> found = probeVolumes(
                roots, [uid](const QByteArray& top) { return volumeTrashesAt(top, uid); },
                options_.probeDeadline, &unanswered);
            for (const QByteArray& root : unanswered)
                unavailable_.append(fileNameFromBytes(root));
            for (const TrashLocation& location : found) {
                if (options_.onlyVolumeTrashes &&
                    !options_.onlyVolumeTrashes->contains(location.trashDir))
                    continue;
                if (seen.contains({quint64(location.dev), quint64(location.ino)}))
                    continue;
                seen.insert({quint64(location.dev), quint64(location.ino)});
                locations.append(location);
            }
        }
        const auto until = std::chrono::steady_clock::now() + options_.volumeDeadline;
        VolumeReads reads(locations, {options_.uid, options_.locale, options_.updateSizeCache,
                                      options_.stepHook});

        SortKeys keys;
        if (haveHome) {
            home.trash.home = true;
            if (!listTrash(home, options_.locale))
                homeError = errno;
            if (options_.stepHook)
                options_.stepHook("listed", home.trash.dir);
            adopt(std::move(home), keys);
        }

        std::vector<std::optional<TrashListing>> results = reads.wait(until);
        for (std::size_t k = 0; k < results.size(); ++k) {
            if (results[k]) {
                if (!results[k]->items.isEmpty() && trashes_.size() < 0xFFFF)
                    adopt(std::move(*results[k]), keys);
            } else {
                const QString top = fileNameFromBytes(locations[qsizetype(k)].topDir);
                if (!unavailable_.contains(top))
                    unavailable_.append(top);
            }
        }
        sortItems(keys);
    } catch (...) {
        // Out of memory: an empty list rather than a crash, and an error rather than an empty
        // trash.
        trashes_.clear();
        items_.clear();
        folders_ = QStringList{QString()};
        listingError_ = QCoreApplication::translate("TrashSource", "内存不足，未能读取回收站");
        return;
    }
    if (homeError != 0) {
        // Items of the volumes may be listed, but the trash is not all there.
        listingError_ =
            QCoreApplication::translate("TrashSource", "无法读取回收站“%1”：%2")
                .arg(fileNameFromBytes(homePath), QString::fromLocal8Bit(std::strerror(homeError)));
    }
}

QString TrashSource::listingError() const {
    return listingError_;
}

TrashLock TrashSource::lockForRemoval() {
    std::vector<int> dirs;
    dirs.reserve(trashes_.size());
    for (const HeldTrash& trash : trashes_)
        dirs.push_back(trash.fd.get());
    return TrashLock(dirs);
}

// Takes a trash directory's listing into the enumeration: its handles, its items and their
// folder texts.
void TrashSource::adopt(TrashListing&& listing, SortKeys& keys) {
    const auto trashIndex = quint16(trashes_.size());
    const auto folderBase = quint32(folders_.size() - 1);
    const qsizetype first = items_.size();
    trashes_.push_back(std::move(listing.trash));
    folders_.append(listing.folders.mid(1));
    if (items_.isEmpty()) {
        items_ = std::move(listing.items);
        keys = std::move(listing.keys);
    } else {
        items_.reserve(items_.size() + listing.items.size());
        for (TrashItem& item : listing.items)
            items_.append(std::move(item));
        const auto runBase = std::uint32_t(keys.runs.size());
        for (std::string& run : listing.keys.runs)
            keys.runs.push_back(std::move(run));
        for (SortKeys::Ref ref : listing.keys.refs) {
            ref.run += runBase;
            keys.refs.push_back(ref);
        }
    }
    if (trashIndex == 0 && folderBase == 0)
        return;
    for (qsizetype k = first; k < items_.size(); ++k) {
        TrashItem& item = items_[k];
        item.trash = trashIndex;
        if (item.folder != 0)
            item.folder += folderBase;
    }
}

void TrashSource::sortItems(const SortKeys& keys) {
    // What the order reads first sits in the sorted entries themselves, the keys' first eight
    // bytes included: a comparison reaches into memory for the rest of the keys only when those
    // are equal, and for the items only on a tie.
    struct Entry {
        NameKey key;
        int index;
        quint16 trash;
        bool folder;
    };
    std::vector<Entry> entries(static_cast<std::size_t>(items_.size()));
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Item& item = items_[qsizetype(k)];
        const SortKeys::Ref& ref = keys.refs[k];
        entries[k] = {nameKey(keys.runs[ref.run].data() + ref.offset, ref.size), int(k), item.trash,
                      item.kind == ItemKind::Folder};
    }
    const auto before = [&](const Entry& x, const Entry& y) {
        if (x.folder != y.folder)
            return x.folder;
        if (const int c = compareNameKeys(x.key, y.key))
            return c < 0;
        if (x.trash != y.trash)
            return x.trash < y.trash;
        return items_[x.index].stored < items_[y.index].stored;
    };
    // Two halves sorted side by side, then merged, when there are enough items to gain.
    const auto middle = entries.begin() + std::ptrdiff_t(entries.size() / 2);
    std::optional<std::thread> helper;
    if (entries.size() >= 4096 && std::thread::hardware_concurrency() > 1) {
        try {
            helper.emplace([&] { std::sort(entries.begin(), middle, before); });
        } catch (...) {
            helper.reset();
        }
    }
    if (helper) {
        std::sort(middle, entries.end(), before);
        helper->join();
        std::inplace_merge(entries.begin(), middle, entries.end(), before);
    } else {
        std::sort(entries.begin(), entries.end(), before);
    }
    std::vector<int> order(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k)
        order[k] = entries[k].index;
    entries = {};
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
        {QCoreApplication::translate("Columns", "名称"), Qt::AlignLeft, 25},
        {QCoreApplication::translate("Columns", "原位置"), Qt::AlignLeft, 30},
        {QCoreApplication::translate("Columns", "删除日期"), Qt::AlignLeft, 20},
        {QCoreApplication::translate("Columns", "大小"), Qt::AlignRight, 12},
        {QCoreApplication::translate("Columns", "项目类型"), Qt::AlignLeft, 20},
        {QCoreApplication::translate("Columns", "修改日期"), Qt::AlignLeft, 20},
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
    return items_[index].kind == ItemKind::Folder;
}

TDateTime TrashSource::deletionDate(int index) const {
    return items_[index].deleted;
}

TrashItemRef TrashSource::itemRef(int index) const {
    const Item& item = items_[index];
    const HeldTrash& trash = trashes_[item.trash];
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
    if (!trash.home)
        ref.topDir = trash.top;
    return ref;
}

QStringList TrashSource::unavailableVolumes() const {
    return unavailable_;
}

RemoveOutcome TrashSource::remove(int index) {
    return removal_->KillItem(itemRef(index));
}

QStringList TrashSource::trashDirectories() const {
    QStringList dirs;
    for (const HeldTrash& trash : trashes_)
        dirs.append(fileNameFromBytes(trash.dir));
    return dirs;
}

qint64 TrashSource::itemBytes(int index) {
    if (items_[index].bytes < 0)
        loadSizes();
    return std::max<qint64>(items_[index].bytes, 0);
}

int TrashSource::trashIndex(int index) const {
    return items_[index].trash;
}

ItemKind TrashSource::itemKind(int index) const {
    return items_[index].kind;
}

QByteArray TrashSource::storedName(int index) const {
    return items_[index].stored;
}

QByteArray TrashSource::originalPath(int index) const {
    const Item& item = items_[index];
    const HeldTrash& trash = trashes_[item.trash];
    if (!item.hasInfo || item.name.isNull() || !trash.info.valid())
        return {};
    const QByteArray infoName = item.stored + TrashInfoSuffix;
    const InfoFileRead read = readInfoFile(trash.info.get(), infoName.constData());
    if (read.haveStat && item.infoIno != 0 && read.st.st_ino != item.infoIno)
        return {}; // no longer the info file the listing read
    QByteArrayView name;
    QByteArray folder;
    if (!read.info.hasPath || !splitOriginalPath(read.info.path, trash.top, name, folder))
        return {};
    return (folder.endsWith('/') ? folder : folder + '/') + name.toByteArray();
}

int TrashSource::trashDescriptor(int trash) const {
    return trashes_[std::size_t(trash)].fd.get();
}

dev_t TrashSource::trashDevice(int trash) const {
    return trashes_[std::size_t(trash)].filesDev;
}

QByteArray TrashSource::trashTopDirectory(int trash) const {
    const HeldTrash& held = trashes_[std::size_t(trash)];
    return held.home ? QByteArray() : held.top;
}

quint16 TrashSource::typeOf(const Item& item) const {
    if (item.type != 0 || item.kind == ItemKind::Folder)
        return item.type; // 0 is the folder type
    switch (item.kind) {
    case ItemKind::Link:
        item.type = types_.forMimeType(QStringLiteral("inode/symlink"));
        break;
    case ItemKind::Fifo:
        item.type = types_.forMimeType(QStringLiteral("inode/fifo"));
        break;
    case ItemKind::Socket:
        item.type = types_.forMimeType(QStringLiteral("inode/socket"));
        break;
    case ItemKind::CharDevice:
        item.type = types_.forMimeType(QStringLiteral("inode/chardevice"));
        break;
    case ItemKind::BlockDevice:
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
    // Until the item is statted, its modified field is not its own time (see TrashItem).
    qint64 modified = item.modified;
    if (!item.statted) {
        struct stat st {};
        if (::fstatat(trashes_[item.trash].files.get(), item.stored.constData(), &st,
                      AT_SYMLINK_NOFOLLOW) != 0)
            return {};
        modified = st.st_mtim.tv_sec;
    }
    TDateTime local = 0;
    if (!localDateTimeOf(modified, 0, local))
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
    loadSizes();
    item.texts = joinedTexts(item);
}

namespace {

// One of the kept texts, which hold 删除日期, 大小 and 修改日期 in that order.
QString keptText(const QString& texts, int part) {
    qsizetype from = 0;
    for (; part > 0; --part) {
        const qsizetype line = texts.indexOf(u'\n', from);
        if (line < 0)
            return {};
        from = line + 1;
    }
    const qsizetype end = texts.indexOf(u'\n', from);
    return texts.mid(from, end < 0 ? -1 : end - from);
}

} // namespace

QStringList TrashSource::details(int index) {
    Item& item = items_[index];
    loadTexts(item);
    return {folders_[item.folder], keptText(item.texts, 0), keptText(item.texts, 1),
            types_[typeOf(item)].description, keptText(item.texts, 2)};
}

QString TrashSource::detail(int index, TrashColumn column) {
    Item& item = items_[index];
    // Once the sizes are known, the dates' texts are written when a row is first asked for and
    // kept; the size text alone (the totals read only that) is not worth keeping.
    switch (column) {
    case TrashColumn::Folder:
        return folders_[item.folder];
    case TrashColumn::Deleted:
        if (item.texts.isNull() && sizesLoaded_)
            loadTexts(item);
        return item.texts.isNull() ? deletedText(item) : keptText(item.texts, 0);
    case TrashColumn::Size:
        if (item.texts.isNull() && item.bytes < 0)
            loadSizes();
        return item.texts.isNull() ? toQString(kilobyteSizeText(item.bytes))
                                   : keptText(item.texts, 1);
    case TrashColumn::Type:
        return types_[typeOf(item)].description;
    case TrashColumn::Modified:
        if (item.texts.isNull() && sizesLoaded_)
            loadTexts(item);
        return item.texts.isNull() ? modifiedText(item) : keptText(item.texts, 2);
    default:
        return {};
    }
}

std::optional<QString> TrashSource::detailText(int index, int subItem) {
    if (subItem < 0 || subItem >= int(TrashColumn::Count) - 1)
        return std::nullopt;
    return detail(index, TrashColumn(subItem + 1));
}

void TrashSource::loadEveryRow() {
    loadSizes();
    // Each item is settled by now: joinedTexts reads it and the settings, and writes nothing.
    Item* const data = items_.data();
    try {
        runParallel(std::size_t(items_.size()), 128, [&] {
            return [&, data](std::size_t k) {
                Item& item = data[k];
                if (item.texts.isNull())
                    item.texts = joinedTexts(item);
            };
        });
    } catch (...) {
        // Out of memory: the rows left are written when they are read, as without this.
    }
}

// The sizes and modification times of every item not known yet (those of the home trash; the
// volumes' come with their listing). The texts wait until a row is read.
void TrashSource::loadSizes() {
    if (sizesLoaded_)
        return;
    sizesLoaded_ = true;
    try {
        std::vector<const HeldTrash*> trashes;
        for (const HeldTrash& trash : trashes_)
            trashes.push_back(&trash);
        std::vector<qsizetype> itemsPerTrash(trashes_.size(), 0);
        for (const Item& item : items_)
            ++itemsPerTrash[item.trash];
        measureSizes(items_, trashes, itemsPerTrash, options_.updateSizeCache);
    } catch (...) {
        // Out of memory: the sizes not found stay unknown and are shown as 0.
    }
    for (Item& item : items_)
        settleMeasured(item);
}

bool TrashSource::rename(int index, const QString& newName) {
    Item& item = items_[index];
    if (!item.hasInfo)
        return false;
    const HeldTrash& trash = trashes_[item.trash];
    const RenamedItem renamed{
        trash.info.get(), item.stored, {trash.infoDev, item.infoIno}, trash.top, item.deleted};
    ino_t infoIno = 0;
    if (!renameItem(renamed, newName, infoIno))
        return false;
    item.name = displayTextFromBytes(fileNameToBytes(newName));
    item.infoIno = infoIno;
    return true;
}

bool TrashSource::hasOriginalPath(int index) const {
    const Item& item = items_[index];
    return item.hasInfo && !item.name.isNull();
}

RestoreOutcome TrashSource::restore(int index) {
    return restoreItem(itemRef(index));
}

ItemProperties TrashSource::properties(int index) {
    const Item& item = items_[index];
    const QStringList texts = details(index);
    ItemProperties p;
    p.name = displayName(index);
    p.originalFolder = texts.value(int(TrashColumn::Folder) - 1);
    p.deleted = texts.value(int(TrashColumn::Deleted) - 1);
    p.size = texts.value(int(TrashColumn::Size) - 1);
    p.type = texts.value(int(TrashColumn::Type) - 1);
    p.modified = texts.value(int(TrashColumn::Modified) - 1);
    p.folder = isFolder(index);
    p.storedPath = pathName(index);
    const TreeFigures figures =
        measureTree(trashes_[item.trash].files.get(), item.stored.constData());
    p.bytesOnDisk = figures.allocated;
    p.apparentBytes = figures.apparent;
    p.files = figures.files;
    p.folders = figures.folders;
    return p;
}

} // namespace velmora
