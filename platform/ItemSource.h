// The source of the items the trash list shows: one enumeration at a time, texts on demand.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>

#include <optional>

#include "core/RemoveOutcome.h"
#include "core/RestoreOutcome.h"
#include "platform/ItemProperties.h"
#include "platform/TrashLock.h"

namespace velmora {

// A column of the list: its heading (Caption, the name the list's columns give it), the
// alignment of its texts and its default width in characters (the list multiplies it by the
// width of "X" in its font).
struct ColumnInfo {
    QString Caption;
    Qt::Alignment alignment = Qt::AlignLeft;
    int widthChars = 20;
};

// Items are indexed 0 .. count() - 1 in their display order; an index is valid only until the
// next enumerate(). Callers check indices; implementations may assume them valid.
class ItemSource {
public:
    virtual ~ItemSource() = default;

    // Re-reads every item, replacing those of the previous enumeration. Never throws; what
    // cannot be read is left out.
    virtual void enumerate() = 0;
    virtual int count() const = 0;

    // The columns, the name column first.
    virtual QList<ColumnInfo> columns() const = 0;

    // The item's name as the list shows it in its first column.
    virtual QString displayName(int index) const = 0;
    // The absolute path of the item's stored file or folder.
    virtual QString pathName(int index) const = 0;
    virtual bool isFolder(int index) const = 0;
    // A freedesktop.org icon name for the item's type ("folder", "text-plain"…).
    virtual QString iconName(int index) const = 0;

    // The texts of columns 1 .. columns().size() - 1, loaded on the first request and kept until
    // the next enumeration.
    virtual QStringList details(int index) = 0;
    // The text of column subItem + 1 alone, as details(index) holds it; none when subItem lies
    // outside them. A source may write it without the other texts: the walks over every row
    // (the totals, the purge's plan) read one or two columns, not the type of every item.
    virtual std::optional<QString> detailText(int index, int subItem) {
        const QStringList texts = details(index);
        if (subItem < 0 || subItem >= texts.size())
            return std::nullopt;
        return texts[subItem];
    }
    // Said by a walk about to read every row: a source may write all their texts now, on
    // several threads. What the texts are does not change.
    virtual void loadEveryRow() {}

    // Gives the item a new name under which it will be restored. False when it is refused.
    virtual bool rename(int index, const QString& newName) = 0;

    // Whether the item's original location is known: only then can it be restored or renamed.
    virtual bool hasOriginalPath(int) const { return false; }
    // The item's original location as bytes, for a name the list cannot show exactly (one that
    // is not UTF-8); null when the source does not know it.
    virtual QByteArray originalPath(int) const { return {}; }
    // Moves the item back to its original location, never over an existing object. The item
    // stays in the list until the next enumeration.
    virtual RestoreOutcome restore(int) { return RestoreOutcome::InvalidTarget; }
    // What the properties dialog shows; may measure a folder's tree.
    virtual ItemProperties properties(int index) {
        ItemProperties p;
        p.name = displayName(index);
        p.folder = isFolder(index);
        p.storedPath = pathName(index);
        return p;
    }

    // The top directories of the volumes the last enumeration left out because they did not
    // answer in time.
    virtual QStringList unavailableVolumes() const { return {}; }

    // Why the last enumeration failed (no memory, a trash folder that could not be read), as a
    // sentence for an error box; empty when it succeeded. The list of a failed enumeration may
    // lack items, so nothing is removed on its word.
    virtual QString listingError() const { return {}; }

    // Takes, without waiting, the lock every removal holds on the trash directories of the last
    // enumeration (TrashLock), for as long as the returned object lives. A source with no trash
    // of its own has nothing to lock.
    virtual TrashLock lockForRemoval() { return TrashLock(); }

    // Removes the item for good, when it is still the one the enumeration read. Called from
    // several threads at once, each index at most once, after the caller has read the texts it
    // needs; meanwhile the list only reads texts already loaded and never enumerates. A source
    // that cannot remove leaves every item where it is.
    virtual RemoveOutcome remove(int) { return RemoveOutcome::Stayed; }
};

} // namespace velmora
