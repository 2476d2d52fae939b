// The volumes of the trash directories and their space.
#include "platform/TrashVolumes.h"

#include <sys/statvfs.h>

#include "platform/FileNames.h"
#include "platform/TrashSource.h"

namespace velmora {

TrashVolumes::TrashVolumes(const TrashSource& source) {
    const QStringList dirs = source.trashDirectories();
    for (int trash = 0; trash < dirs.size(); ++trash) {
        const dev_t device = source.trashDevice(trash);
        const QByteArray top = source.trashTopDirectory(trash);
        int volume = 0;
        while (volume < volumes_.size() && volumes_[volume].device != device)
            ++volume;
        if (volume == volumes_.size())
            volumes_.append(Volume{device, source.trashDescriptor(trash), dirs[trash], false});
        if (!top.isEmpty() && !volumes_[volume].namedByTop) {
            volumes_[volume].name = fileNameFromBytes(top);
            volumes_[volume].namedByTop = true;
        }
        volumeOfTrash_.append(volume);
    }
}

QString TrashVolumes::volumeName(int volume) const {
    return volumes_.value(volume).name;
}

namespace {

bool readSpace(int descriptor, struct statvfs& st) {
    return descriptor >= 0 && ::fstatvfs(descriptor, &st) == 0;
}

} // namespace

std::uint64_t TrashVolumes::totalBytes(int volume) {
    struct statvfs st {};
    if (!readSpace(volumes_.value(volume).descriptor, st))
        return 0;
    return std::uint64_t(st.f_blocks) * st.f_frsize;
}

std::uint64_t TrashVolumes::freeBytes(int volume) {
    struct statvfs st {};
    if (!readSpace(volumes_.value(volume).descriptor, st))
        return 0;
    // What an unprivileged user may use, as df's "Avail" counts it.
    return std::uint64_t(st.f_bavail) * st.f_frsize;
}

} // namespace velmora
