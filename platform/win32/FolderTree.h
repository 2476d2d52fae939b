// Removal of a Recycle Bin item's stored file or folder with the Win32 file functions.
#pragma once

#include <functional>
#include <string>
#include <string_view>

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

// The identity check's fallback where a handle gives no final path: the name the handle gives on
// its volume ("\$Recycle.Bin\…") is the rest of `target` ("\\?\X:\$Recycle.Bin\…") and
// the handle's volume is the drive's (the same serial number).
bool isNamedOnVolume(std::wstring_view nameOnVolume, unsigned long handleSerial,
                     unsigned long driveSerial, std::wstring_view target);

#ifdef VELMORA_TEST_HOOKS
// Called with an entry's path once it is open for removal, before it is checked and removed: a
// test acts there as another program would (swaps the entry). An empty function removes it.
void setRemovalOpenedHook(std::function<void(const std::wstring& path)> hook);
#endif

} // namespace velmora::win32
