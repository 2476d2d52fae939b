// Reading the volumes' trash directories on threads of their own, under a deadline.
#include "platform/VolumeReads.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace velmora {

// Shared with the threads: what a reading that ends after the enumeration stopped waiting
// produces is dropped.
struct VolumeReads::Shared {
    std::mutex mutex;
    std::condition_variable answered;
    std::vector<std::optional<TrashListing>> results; // unset while running or after a failure
    std::vector<char> finished;
    qsizetype finishedCount = 0;
    bool abandoned = false;
};

namespace {

void readVolumeTrash(const std::shared_ptr<VolumeReads::Shared>& reads, std::size_t index,
                     TrashLocation location, VolumeReadOptions options) {
    std::optional<TrashListing> result;
    try {
        if (options.stepHook)
            options.stepHook("open", location.trashDir);
        Fd fd = openVolumeTrash(location, options.uid);
        TrashListing listing;
        if (fd.valid() && holdTrash(std::move(fd), location, listing.trash)) {
            if (!listTrash(listing, options.locale))
                throw std::runtime_error("the volume's trash could not be listed");
            if (options.stepHook)
                options.stepHook("listed", location.trashDir);
            measureSizes(listing.items, {&listing.trash}, {listing.items.size()},
                         options.updateSizeCache);
            for (TrashItem& item : listing.items)
                settleMeasured(item);
            result = std::move(listing);
        } else {
            result.emplace(); // no trash there after all: nothing to list, nothing unavailable
        }
    } catch (...) {
        result.reset(); // out of memory, or not listed: the volume is unavailable this time
    }
    PendingVolumeWork::trashReads().release(location.trashDir);
    const std::lock_guard lock(reads->mutex);
    if (reads->abandoned)
        return; // dropped, with its descriptors
    reads->results[index] = std::move(result);
    reads->finished[index] = 1;
    ++reads->finishedCount;
    reads->answered.notify_all();
}

} // namespace

VolumeReads::VolumeReads(const QList<TrashLocation>& locations, const VolumeReadOptions& options)
    : shared_(std::make_shared<Shared>()), started_(std::size_t(locations.size()), 0) {
    shared_->results.resize(std::size_t(locations.size()));
    shared_->finished.resize(std::size_t(locations.size()), 0);
    for (qsizetype k = 0; k < locations.size(); ++k) {
        const TrashLocation& location = locations[k];
        if (!PendingVolumeWork::trashReads().claim(location.trashDir))
            continue; // still being read since an earlier enumeration
        try {
            std::thread(readVolumeTrash, shared_, std::size_t(k), location, options).detach();
            started_[std::size_t(k)] = 1;
        } catch (...) {
            PendingVolumeWork::trashReads().release(location.trashDir);
        }
    }
}

VolumeReads::~VolumeReads() {
    const std::lock_guard lock(shared_->mutex);
    shared_->abandoned = true;
}

std::vector<std::optional<TrashListing>>
VolumeReads::wait(std::chrono::steady_clock::time_point until) {
    std::vector<std::optional<TrashListing>> results;
    std::vector<char> finished;
    {
        std::unique_lock lock(shared_->mutex);
        shared_->answered.wait_until(lock, until, [&] {
            return shared_->finishedCount == std::count(started_.begin(), started_.end(), 1);
        });
        shared_->abandoned = true;
        results = std::move(shared_->results);
        finished = std::move(shared_->finished);
    }
    for (std::size_t k = 0; k < results.size(); ++k) {
        if (!finished[k])
            results[k].reset();
    }
    return results;
}

} // namespace velmora
