// The user's freedesktop.org trash as the list shows it: the home trash and the trash
// directories of mounted volumes, read item by item, with texts on demand.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/DateTime.h"
#include "platform/FileTypes.h"
#include "platform/ItemSource.h"
#include "platform/TrashItemRef.h"
#include "platform/TrashListing.h"

namespace velmora {

class ItemRemoval;

// $XDG_DATA_HOME when it is set to an absolute path, otherwise ~/.local/share.
QString defaultDataHome();

// Where a TrashSource looks. The defaults are the user's own trash.
struct TrashSourceOptions {
    // The folder whose Trash subfolder is the home trash; empty: defaultDataHome().
    QString dataHome;
    // Whether to read the home trash at all.
    bool readHome = true;
    // Whether to look at volumes at all.
    bool scanVolumes = true;
    // When set, only the volume trash directories of this list are read (of those the probe of
    // volumeRoots finds and their checks admit).
    std::optional<QList<QByteArray>> onlyVolumeTrashes;
    // The top directories of the volumes to look at; unset: the mounted volumes of the mount
    // table, pseudo file systems and x-gvfs-notrash mounts left out.
    std::optional<QStringList> volumeRoots;
    // Whose volume trash directories (.Trash/$uid, .Trash-$uid) are read.
    uid_t uid = ::getuid();
    // How long an enumeration waits for the volumes to answer.
    std::chrono::milliseconds probeDeadline{500};
    // How long it waits in all for the volumes' trash directories to be read, sizes included;
    // one that misses it is left out of that enumeration and counted unavailable.
    std::chrono::milliseconds volumeDeadline{2000};
    // For tests: called with a step and a trash directory on the thread that reads it: "open"
    // before a volume's trash directory is opened, "listed" after a trash directory is listed
    // and before anything else is read there.
    std::function<void(const char* step, const QByteArray& trashDir)> stepHook;
    // The order of the names.
    QLocale locale = QLocale::system();
    // Whether the sizes of folders that had to be measured are written to directorysizes; a
    // reader that promises to change nothing (the purge's dry run) leaves the cache as it is.
    bool updateSizeCache = true;
};

// The columns of the trash list, in the order of columns().
enum class TrashColumn { Name, Folder, Deleted, Size, Type, Modified, Count };

// The home trash and the volumes' trash directories, each item an info file and its files/
// entry, read leniently. Items come folders first, then by name in the locale's natural order.
// Each trash directory is opened once per enumeration and held by its descriptors until the
// next. The home trash is read on the calling thread, names, dates and kinds only; the first
// request for a size (or for details()) measures every folder that directorysizes does not
// know, on one thread per core, and rewrites that cache; an item's date and size texts are
// written when its row is first read after that, and kept until the next enumeration. Volumes are
// probed and read off the calling thread, sizes included, under deadlines: one that misses them is
// left out and named by unavailableVolumes().
class TrashSource final : public ItemSource {
public:
    explicit TrashSource(TrashSourceOptions options = {});
    ~TrashSource() override;
    TrashSource(const TrashSource&) = delete;
    TrashSource& operator=(const TrashSource&) = delete;

    void enumerate() override;
    int count() const override;
    QList<ColumnInfo> columns() const override;
    QString displayName(int index) const override;
    // Names that are not UTF-8 carry their bytes as U+DC80-U+DCFF: turn the path back into bytes
    // with fileNameToBytes (platform/FileNames.h), not QFile::encodeName.
    QString pathName(int index) const override;
    bool isFolder(int index) const override;
    QString iconName(int index) const override;
    QStringList details(int index) override;
    std::optional<QString> detailText(int index, int subItem) override;
    // Every row's texts, written on one thread per core once the sizes are known.
    void loadEveryRow() override;
    bool rename(int index, const QString& newName) override;
    // Removes the item through the held descriptors when it is still the one listed (see
    // ItemRemoval::KillItem). The size cache loses a removed folder's line before the next
    // enumeration reads it.
    RemoveOutcome remove(int index) override;
    bool hasOriginalPath(int index) const override;
    RestoreOutcome restore(int index) override;
    ItemProperties properties(int index) override;

    // One text of the columns after the name: the kept one once the texts are loaded, otherwise
    // written now without loading the others (the size column loads the sizes); the type is
    // looked up for this item alone.
    QString detail(int index, TrashColumn column);
    // The absolute path of the item's stored file or folder, as bytes.
    QByteArray nativePathName(int index) const;
    // The item's deletion date: DeletionDate, or the fallbacks of untidy trashes.
    TDateTime deletionDate(int index) const;
    // The trash directories the last enumeration read, the home trash first.
    QStringList trashDirectories() const;
    // The item's size on disk in bytes, as the size column counts it (loads the sizes).
    qint64 itemBytes(int index);
    // The index in trashDirectories() of the item's trash directory.
    int trashIndex(int index) const;
    // What kind of object the item's stored entry is.
    ItemKind itemKind(int index) const;
    // The item's name in files/, as on disk.
    QByteArray storedName(int index) const;
    // The item's original location as bytes, its info file's Path read again through the held
    // info/ (a relative Path taken from the volume's top directory); null when it is not known.
    QByteArray originalPath(int index) const override;
    // Of a trash directory of trashDirectories(): its held descriptor, the device of its files/,
    // and the top directory of its volume (empty for the home trash).
    int trashDescriptor(int trash) const;
    dev_t trashDevice(int trash) const;
    QByteArray trashTopDirectory(int trash) const;
    QStringList unavailableVolumes() const override;
    // Set when the home trash exists but cannot be read (its folder, files/ or info/), and when
    // memory ran out: then nothing is listed.
    QString listingError() const override;
    // Locks every trash directory the last enumeration holds.
    TrashLock lockForRemoval() override;
    // How removal and restore reach the item: the descriptors of its trash, held until the next
    // enumeration, and what the listing saw there.
    TrashItemRef itemRef(int index) const;

private:
    using Item = TrashItem;

    void adopt(TrashListing&& listing, SortKeys& keys);
    void sortItems(const SortKeys& keys);
    void loadSizes();
    quint16 typeOf(const Item& item) const;
    QString deletedText(const Item& item) const;
    QString modifiedText(const Item& item) const;
    QString joinedTexts(const Item& item) const;
    void loadTexts(Item& item);

    TrashSourceOptions options_;
    std::vector<HeldTrash> trashes_;
    QList<Item> items_;
    QStringList folders_;
    QStringList unavailable_;
    QString listingError_;
    mutable FileTypes types_; // kept from one enumeration to the next
    bool sizesLoaded_ = false;
    std::unique_ptr<ItemRemoval> removal_;
};

} // namespace velmora
