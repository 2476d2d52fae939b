// Reading one trash directory: opening it by its handles, listing files/ with the info files,
// and measuring the sizes of its items. Independent of any source object, so that a volume's
// trash can be read on a thread of its own and dropped when it misses its deadline.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "platform/PosixFiles.h"
#include "platform/Volumes.h"

namespace velmora {

enum class ItemKind : quint8 { File, Folder, Link, Fifo, Socket, CharDevice, BlockDevice };

// A trash directory as one enumeration holds it: every step after the listing works relative to
// these descriptors, never by its path again.
struct HeldTrash {
    QByteArray dir;     // the trash directory, holding files/ and info/
    QByteArray top;     // what relative Path values start from
    QString filesPath;  // dir/files as text (fileNameFromBytes)
    Fd fd, files, info; // info invalid when the trash has no info/
    dev_t filesDev = 0, infoDev = 0;
    bool home = false; // the home trash, whose Paths are absolute; otherwise a volume's
};

// Kept for every item of an enumeration; the fields are ordered to keep it small.
struct TrashItem {
    QByteArray stored; // the name in files/ (and info/NAME.trashinfo), as on disk
    QString name;      // the original name; null: the stored name is shown
    QString texts;     // 删除日期, 大小 and 修改日期 joined by '\n', once loaded
    TDateTime deleted = 0;
    // Of files/NAME, seconds since the epoch, once statted. Before that, for a folder, the
    // modification time of its info file as the listing read it, in nanoseconds (0: not known),
    // which the size cache's entries are checked against.
    qint64 modified = 0;
    qint64 bytes = -1;        // on disk; -1 until known
    ino_t ino = 0;            // of files/NAME: d_ino as listed, st_ino once statted
    ino_t infoIno = 0;        // of info/NAME.trashinfo as read; 0 when it could not be told
    quint32 folder = 0;       // index in the folder texts; 0 is the empty text
    quint16 trash = 0;        // index of its HeldTrash
    mutable quint16 type = 0; // index in the file types; 0 for folders, and until looked up
    ItemKind kind = ItemKind::File;
    bool hasInfo = false;
    bool statted = false; // modified (and bytes of a non-folder) are known
};

// The items' sort keys (NameKeys.h): the bytes in runs, one per thread that made them, and
// where each item's key is.
struct SortKeys {
    struct Ref {
        std::uint32_t run = 0, offset = 0, size = 0;
    };
    std::deque<std::string> runs; // a deque: a run made on one thread never moves another
    std::vector<Ref> refs;        // one per item
};

// One trash directory read: its handles, its items (trash index 0) with their sort keys, and
// the texts of their original folders (index 0 the empty text).
struct TrashListing {
    HeldTrash trash;
    QList<TrashItem> items;
    SortKeys keys;
    QStringList folders{QString()};
};

// Opens a volume's trash directory component by component below its top directory, never
// following a link, and checks on the opened descriptors what the Trash Specification requires:
// .Trash a real folder with the sticky bit and $uid in it ours, or .Trash-$uid ours. The result
// must be the folder the probe found.
Fd openVolumeTrash(const TrashLocation& location, uid_t uid);

// The home trash may be reached through links (a linked /home or XDG_DATA_HOME): its path is
// followed once, and the folder opened must be ours. Invalid with errno set when it cannot be
// had: ENOENT when there is none, ENOTDIR when it is no folder, EPERM when it is not ours.
Fd openHomeTrash(const QByteArray& path);

// Takes the trash folder's descriptor and opens files/ and info/ below it. False when files/ is
// missing, or info/ exists but cannot be read: nothing there could be told apart. errno then
// says why: ENOENT when files/ is missing (a trash nothing was put in yet).
bool holdTrash(Fd fd, const TrashLocation& location, HeldTrash& held);

// Lists files/ of the held trash with the info files, on up to one thread per core; sort keys in
// the order of `locale`. A listing of files/ that breaks off leaves no items and returns false,
// errno saying why.
bool listTrash(TrashListing& listing, const QLocale& locale);

// Gives every item of `items` not statted yet its size and modification time: folders from the
// trash's directorysizes where an entry is valid, the others measured, all at once and in
// parallel; each trash whose folders had to be measured gets its cache rewritten, unless
// updateCache is false. trashes are indexed by TrashItem::trash; itemsPerTrash bounds what each
// cache may cost to read.
void measureSizes(QList<TrashItem>& items, const std::vector<const HeldTrash*>& trashes,
                  const std::vector<qsizetype>& itemsPerTrash, bool updateCache = true);

// The item as the list keeps it once the sizes are in: statted, a size not found taken as 0.
void settleMeasured(TrashItem& item);

// Never an unreadable date that counts as old: a time that cannot be written is taken as now.
TDateTime localTimeOr(const struct timespec& t, TDateTime fallback);
TDateTime localNowDateTime();

} // namespace velmora
