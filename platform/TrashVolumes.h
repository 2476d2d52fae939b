// The volumes the trash directories of an enumeration lie on, and their space as statvfs reads
// it through the held descriptors: the free space the --min-free budget watches.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include "core/SpaceBudget.h"

namespace velmora {

class TrashSource;

class TrashVolumes final : public VolumeSpace {
public:
    // The trash directories of the source's last enumeration, grouped by the device of files/.
    explicit TrashVolumes(const TrashSource& source);

    // The volume of a trash directory (an index of TrashSource::trashDirectories()).
    int volumeOf(int trash) const { return volumeOfTrash_.value(trash); }
    int count() const { return int(volumes_.size()); }
    // How a volume is named in messages: the top directory of a volume trash on it, otherwise
    // the first trash directory on it (the home trash).
    QString volumeName(int volume) const;

    // fstatvfs on the descriptor of the volume's first trash directory, read at each call;
    // 0 when it cannot be read.
    std::uint64_t totalBytes(int volume) override;
    std::uint64_t freeBytes(int volume) override;

private:
    struct Volume {
        dev_t device = 0;
        int descriptor = -1;
        QString name;
        bool namedByTop = false;
    };
    QList<Volume> volumes_;
    QList<int> volumeOfTrash_;
};

} // namespace velmora
