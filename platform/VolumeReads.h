// The volume trash directories of one enumeration, each read on a thread of its own (listing and
// sizes) while the caller reads the home trash, and waited for under one deadline.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QList>
#include <QLocale>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/TrashListing.h"
#include "platform/Volumes.h"

namespace velmora {

struct VolumeReadOptions {
    uid_t uid = 0;               // whose .Trash/$uid and .Trash-$uid are read
    QLocale locale;              // the order of the names
    bool updateSizeCache = true; // whether measured folders are written to directorysizes
    // For tests: "open" before a trash directory is opened, "listed" once it is listed, on the
    // thread that reads it.
    std::function<void(const char* step, const QByteArray& trashDir)> stepHook;
};

class VolumeReads {
public:
    // Starts one thread for each location, except one still being read since an earlier
    // enumeration (PendingVolumeWork::trashReads()) or whose thread cannot start: those count as
    // unanswered.
    VolumeReads(const QList<TrashLocation>& locations, const VolumeReadOptions& options);
    // Whatever has not answered is dropped, with its descriptors, when it ends.
    ~VolumeReads();
    VolumeReads(const VolumeReads&) = delete;
    VolumeReads& operator=(const VolumeReads&) = delete;

    // Waits until every started read has answered, or until `until`, then gives one entry per
    // location in order: its listing (empty when there was no trash there after all), or nullopt
    // when it did not answer in time, was not started, or failed. Called once.
    std::vector<std::optional<TrashListing>> wait(std::chrono::steady_clock::time_point until);

    struct Shared; // what the reading threads share with the enumeration

private:
    std::shared_ptr<Shared> shared_;
    std::vector<char> started_;
};

} // namespace velmora
