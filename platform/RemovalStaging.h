// Moving items out of everyone's way before they are removed: a private staging folder inside
// each trash directory, one session folder per removal in it, and the recovery of what an
// interrupted removal left there.
#pragma once

#include <QByteArray>

#include "platform/PosixFiles.h"

namespace velmora {

struct RemovalOptions;

// The staging folder's name in a trash directory. Not gvfs's expunged/: gvfs empties that folder
// wholesale, while what an interrupted removal left in ours may have to go back to files/. Not
// hidden, so that a user looking into the trash directory sees what it is; other trash tools
// read files/ and info/ only.
inline constexpr char StagingFolderName[] = "velmora-staging";

// renameat2 with RENAME_NOREPLACE; where the file system lacks the flag, a rename after a check
// (for folders of our own, where nobody else puts anything). 0, or -1 with errno set.
int renameWithoutReplacing(int fromDir, const char* from, int toDir, const char* to);

// Moves fromDir/name back into files/: under its own name, or where that is taken under a free
// name beside it, where the listing shows it as an item without an info file. False when it
// could not be moved at all.
bool returnToFiles(int fromDir, const char* name, int filesFd);

// A removal's own folder in the staging folder of one trash directory. The staging folder is
// created where missing and checked on its descriptor to be a real folder of ours (mode 0700);
// the session folder in it is made by this removal (0700) and locked with flock for its life, so
// that recovery never touches the objects of a removal that is running.
class StagingSession {
public:
    StagingSession() = default;
    ~StagingSession() { close(); }
    StagingSession(StagingSession&&) = default;
    StagingSession& operator=(StagingSession&&) = default;

    // Opens a session in trashFd's staging folder. False when none can be made.
    bool open(int trashFd);
    bool valid() const { return session_.valid(); }
    int fd() const { return session_.get(); }
    // Removes the session folder when it is empty, and lets it go.
    void close();

private:
    Fd staging_, session_;
    QByteArray name_;
};

// Finishes what interrupted removals left in trashFd's staging folder, in the sessions that no
// removal holds: an object whose info file still exists goes back to files/, to be listed (and
// purged) again; one whose info file is gone is removed, and what of it cannot be removed goes
// back to files/ too. Nothing is left where no listing shows it.
void recoverStaged(int trashFd, int filesFd, int infoFd, const RemovalOptions& options);

} // namespace velmora
