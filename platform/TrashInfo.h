// Reading and writing trash info files (freedesktop.org Trash Specification 1.0), leniently:
// other programs write variants, and broken files are read as far as they can be.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include "core/DateTime.h"

namespace velmora {

// info/NAME.trashinfo belongs to files/NAME.
inline constexpr char TrashInfoSuffix[] = ".trashinfo";
// Info files are a few hundred bytes; a larger one than this is not read at all.
constexpr qsizetype MaxTrashInfoBytes = 64 * 1024;

struct TrashInfo {
    bool hasPath = false;
    QByteArray path; // Path, percent-decoded: the original location as bytes
    bool hasDate = false;
    TDateTime deletionDate = 0; // local time
};

// Keys count unless they stand in a group other than [Trash Info]; a file without that header is
// read all the same. The first of repeated keys wins. CR before LF, blanks around '=' and comment
// lines are allowed. An empty Path, or one holding a NUL byte, is not read.
TrashInfo parseTrashInfo(QByteArrayView content);

// A DeletionDate: YYYY-MM-DDThh:mm:ss as the Trash Specification writes it (local time), and the
// variants other programs write: YYYYMMDD, hhmmss, a blank instead of T, no seconds, no time,
// a fraction of a second, and a zone (Z, +hh, +hhmm, +hh:mm), which is converted to local time.
// False for anything else and for dates that do not exist.
bool parseDeletionDate(QByteArrayView text, TDateTime& local);

// The local time of a POSIX time. False outside years 1 to 9999.
bool localDateTimeOf(qint64 seconds, qint64 nanoseconds, TDateTime& local);

// An info file in the form the Trash Specification gives: header, Path (percent-encoded),
// DeletionDate (local time, whole seconds).
QByteArray trashInfoContent(QByteArrayView path, TDateTime deletionDate);

// Cuts an original location into its folder and its name (a view into path). A relative path is
// taken from topDir. False when no name is left (empty, "/", a last segment "." or "..").
bool splitOriginalPath(QByteArrayView path, QByteArrayView topDir, QByteArrayView& name,
                       QByteArray& folder);

} // namespace velmora
