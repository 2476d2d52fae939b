// The mounted volumes and the probe that finds their trash directories under a deadline.
#include "platform/Volumes.h"

#include <sys/stat.h>

#include <QFile>
#include <QSet>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/PosixFiles.h"

namespace velmora {

namespace {

// Pseudo and system file systems: kernel interfaces, read-only images, automounters (probing
// one would mount it) and FUSE file systems of the desktop itself. tmpfs and overlay are probed:
// trash-put trashes files of a tmpfs /tmp into /tmp/.Trash-$uid, and overlay is the root of
// containers and live systems.
const char* const PseudoFileSystems[] = {
    "autofs",        "binfmt_misc", "bpf",        "cgroup",          "cgroup2",
    "configfs",      "debugfs",     "devfs",      "devpts",          "devtmpfs",
    "efivarfs",      "fusectl",     "hugetlbfs",  "kernfs",          "mqueue",
    "nfsd",          "nsfs",        "proc",       "pstore",          "ramfs",
    "rootfs",        "rpc_pipefs",  "securityfs", "selinuxfs",       "squashfs",
    "sysfs",         "tracefs",     "usbfs",      "fuse.gvfsd-fuse", "fuse.portal",
    "fuse.snapfuse", "fuse.lxcfs",  "fuse.doc",
};

// Mount points of the system: nothing below them is a user's volume, except removable media
// that udisks mounts under /run/media.
bool isSystemMountPoint(QByteArrayView path) {
    auto under = [&](QByteArrayView top) {
        return path == top || (path.startsWith(top) && path[top.size()] == '/');
    };
    if (under("/proc") || under("/sys") || under("/dev"))
        return true;
    return under("/run") && !under("/run/media");
}

// Decodes the \ooo escapes of mountinfo and utab fields.
QByteArray unescapeOctal(QByteArrayView field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out += char((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

QList<QByteArrayView> splitFields(QByteArrayView line) {
    QList<QByteArrayView> fields;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            fields.append(line.sliced(start, i - start));
    }
    return fields;
}

bool hasOption(QByteArrayView options, QByteArrayView option) {
    for (QByteArrayView rest = options; !rest.isEmpty();) {
        const qsizetype comma = rest.indexOf(',');
        const QByteArrayView one = comma < 0 ? rest : rest.first(comma);
        if (one == option)
            return true;
        rest = comma < 0 ? QByteArrayView() : rest.sliced(comma + 1);
    }
    return false;
}

QByteArray readSmallFile(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray joinPath(const QByteArray& dir, QByteArrayView name) {
    QByteArray path = dir;
    if (!path.endsWith('/'))
        path += '/';
    return path + name.toByteArray();
}

struct ProbeState {
    std::mutex mutex;
    std::condition_variable answered;
    QList<QByteArray> roots;
    std::vector<std::optional<QList<TrashLocation>>> results;
    qsizetype next = 0;
    qsizetype finished = 0;
    bool abandoned = false;
};

void probeWorker(std::shared_ptr<ProbeState> state, VolumeProbe probe) {
    for (;;) {
        qsizetype index = 0;
        {
            std::lock_guard lock(state->mutex);
            if (state->abandoned || state->next >= state->roots.size())
                return;
            index = state->next++;
        }
        const QByteArray root = state->roots[index];
        QList<TrashLocation> found;
        try {
            found = probe(root);
        } catch (...) {
            found.clear();
        }
        PendingVolumeWork::probes().release(root);
        {
            std::lock_guard lock(state->mutex);
            state->results[static_cast<std::size_t>(index)] = std::move(found);
            ++state->finished;
        }
        state->answered.notify_all();
    }
}

} // namespace

PendingVolumeWork& PendingVolumeWork::probes() {
    static PendingVolumeWork* const instance = new PendingVolumeWork;
    return *instance;
}

PendingVolumeWork& PendingVolumeWork::trashReads() {
    static PendingVolumeWork* const instance = new PendingVolumeWork;
    return *instance;
}

bool PendingVolumeWork::claim(const QByteArray& key) {
    const std::lock_guard lock(mutex_);
    if (keys_.contains(key))
        return false;
    keys_.insert(key);
    return true;
}

void PendingVolumeWork::release(const QByteArray& key) {
    const std::lock_guard lock(mutex_);
    keys_.remove(key);
}

QList<MountEntry> parseMountInfo(QByteArrayView text) {
    QList<MountEntry> mounts;
    forEachLine(text, [&](QByteArrayView line) {
        const QList<QByteArrayView> f = splitFields(line);
        // id parent major:minor root mount-point options [optional…] - type source super-options
        qsizetype dash = -1;
        for (qsizetype k = 6; k < f.size(); ++k) {
            if (f[k] == QByteArrayView("-")) {
                dash = k;
                break;
            }
        }
        if (dash < 0 || dash + 1 >= f.size())
            return;
        MountEntry m;
        m.id = f[0].toByteArray();
        m.mountPoint = unescapeOctal(f[4]);
        m.fsType = unescapeOctal(f[dash + 1]);
        m.options = f[5].toByteArray();
        if (dash + 3 < f.size())
            m.options += ',' + unescapeOctal(f[dash + 3]);
        mounts.append(m);
    });
    return mounts;
}

void addUserspaceOptions(QList<MountEntry>& mounts, QByteArrayView utab) {
    forEachLine(utab, [&](QByteArrayView line) {
        QByteArray id, target, options;
        for (const QByteArrayView field : splitFields(line)) {
            const qsizetype eq = field.indexOf('=');
            if (eq < 0)
                continue;
            const QByteArrayView key = field.first(eq);
            const QByteArray value = unescapeOctal(field.sliced(eq + 1));
            if (key == QByteArrayView("ID"))
                id = value;
            else if (key == QByteArrayView("TARGET"))
                target = value;
            else if (key == QByteArrayView("OPTS"))
                options = value;
        }
        if (options.isEmpty())
            return;
        for (MountEntry& m : mounts) {
            if (id.isEmpty() ? m.mountPoint == target : m.id == id)
                m.options += ',' + options;
        }
    });
}

void addFstabOptions(QList<MountEntry>& mounts, QByteArrayView fstab) {
    forEachLine(fstab, [&](QByteArrayView line) {
        const QList<QByteArrayView> f = splitFields(line);
        // device mount-point type options [dump [pass]]
        if (f.size() < 4 || f[0].startsWith('#'))
            return;
        const QByteArray mountPoint = unescapeOctal(f[1]);
        for (MountEntry& m : mounts) {
            if (m.mountPoint == mountPoint)
                m.options += ',' + f[3].toByteArray();
        }
    });
}

bool isExcludedFromTrash(const MountEntry& mount) {
    for (const char* type : PseudoFileSystems) {
        if (mount.fsType == type)
            return true;
    }
    return hasOption(mount.options, "x-gvfs-notrash") || isSystemMountPoint(mount.mountPoint);
}

QList<QByteArray> mountedVolumeRoots() {
    QList<MountEntry> mounts = parseMountInfo(readSmallFile("/proc/self/mountinfo"));
    addUserspaceOptions(mounts, readSmallFile("/run/mount/utab"));
    addFstabOptions(mounts, readSmallFile("/etc/fstab"));
    QList<QByteArray> roots;
    QSet<QByteArray> seen;
    for (const MountEntry& m : mounts) {
        if (isExcludedFromTrash(m) || !m.mountPoint.startsWith('/') || seen.contains(m.mountPoint))
            continue;
        seen.insert(m.mountPoint);
        roots.append(m.mountPoint);
    }
    return roots;
}

QList<TrashLocation> volumeTrashesAt(const QByteArray& topDir, uid_t uid) {
    QList<TrashLocation> found;
    const QByteArray uidText = QByteArray::number(static_cast<qulonglong>(uid));
    struct stat st {};
    const QByteArray shared = joinPath(topDir, ".Trash");
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const QByteArray mine = shared + '/' + uidText;
        if (::lstat(mine.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid)
            found.append({mine, topDir, st.st_dev, st.st_ino});
    }
    const QByteArray own = joinPath(topDir, ".Trash-" + uidText);
    if (::lstat(own.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid)
        found.append({own, topDir, st.st_dev, st.st_ino});
    return found;
}

QList<TrashLocation> probeVolumes(const QList<QByteArray>& roots, const VolumeProbe& probe,
                                  std::chrono::milliseconds deadline,
                                  QList<QByteArray>* unanswered) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    auto state = std::make_shared<ProbeState>();
    for (const QByteArray& root : roots) {
        if (state->roots.contains(root))
            continue;
        if (!PendingVolumeWork::probes().claim(root)) {
            if (unanswered && !unanswered->contains(root))
                unanswered->append(root);
            continue;
        }
        state->roots.append(root);
    }
    state->results.resize(static_cast<std::size_t>(state->roots.size()));
    const qsizetype workers = std::min<qsizetype>(state->roots.size(), 8);
    qsizetype started = 0;
    for (qsizetype k = 0; k < workers; ++k) {
        try {
            std::thread(probeWorker, state, probe).detach();
            ++started;
        } catch (...) {
            break; // no more threads: the ones started share the work
        }
    }
    std::unique_lock lock(state->mutex);
    if (started > 0)
        state->answered.wait_until(lock, until,
                                   [&] { return state->finished == state->roots.size(); });
    state->abandoned = true;
    // Roots no worker took will never finish: they are no longer pending.
    for (qsizetype k = state->next; k < state->roots.size(); ++k)
        PendingVolumeWork::probes().release(state->roots[k]);
    state->next = state->roots.size();
    QList<TrashLocation> found;
    for (std::size_t k = 0; k < state->results.size(); ++k) {
        if (state->results[k])
            found += *state->results[k];
        else if (unanswered)
            unanswered->append(state->roots[qsizetype(k)]);
    }
    return found;
}

} // namespace velmora
