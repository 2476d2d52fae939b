// Removal of a Recycle Bin item's stored file or folder with the Win32 file functions.
#pragma once

#include "core/RemoveOutcome.h"
#include "core/Text.h"

namespace velmora::win32 {

// Whether path is an absolute path inside a Recycle Bin storage folder: a drive letter, ":\",
// "$Recycle.Bin", a security id ("S-1-…"), then one or more names; with "\" only, no "." or
// ".." segment, no empty segment, no stream (":") or device prefix, no control character, no
// segment ending in a blank or a dot (which Windows would strip, naming another object).
bool isRecycleBinStoragePath(TextView path);

// Removes the folder's entries depth-first, then the folder. Entries whose attribute word has a
// bit outside 0x1FF stay; a reparse point (junction, symbolic link) is removed as an entry and
// never entered; read-only is cleared on what lies inside. Returns whether the folder is gone.
// path: with or without a trailing "\"; every removal is checked on an open handle to be the
// entry enumerated (reached through no link) before it is made.
bool DeleteFolderTree(TextView path);

// Removes the stored object at pathName: a file (its attributes untouched), a reparse point as
// an entry, or a folder with DeleteFolderTree. A pathName that is not inside a Recycle Bin
// storage folder (isRecycleBinStoragePath) is refused and touched nowhere: Stayed. Removed only
// when the object is gone afterwards; NotThere when there was nothing.
RemoveOutcome KillItem(TextView pathName);

} // namespace velmora::win32
