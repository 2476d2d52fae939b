// The space an item takes on disk: a walk over its tree relative to open folders.
#include "platform/DiskUsage.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/PosixFiles.h"
#include "platform/TreeWalker.h"

namespace velmora {

namespace {

qint64 allocated(const struct stat& st) {
    return static_cast<qint64>(st.st_blocks) * 512;
}

struct FileId {
    dev_t dev;
    ino_t ino;
    bool operator==(const FileId&) const = default;
};
struct FileIdHash {
    std::size_t operator()(const FileId& id) const noexcept {
        return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(id.ino) * 31 +
                                          static_cast<std::uint64_t>(id.dev));
    }
};

// Counts what the walk meets. A folder counts when it is about to be entered, so that one the
// walk cannot open counts its own entry, and a mount point counts nothing.
class SizeCounter : public TreeVisitor {
public:
    qint64 measure(int dirFd, const char* name, struct stat* top) {
        if (top)
            *top = {};
        struct stat st {};
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return 0;
        if (top)
            *top = st;
        figures_.allocated = allocated(st);
        if (!S_ISDIR(st.st_mode)) {
            figures_.apparent = st.st_size;
            return figures_.allocated;
        }
        rootDev_ = st.st_dev;
        TreeWalker().walk(dirFd, name, st, rootDev_, *this);
        return figures_.allocated;
    }

    const TreeFigures& figures() const { return figures_; }

    bool admit(int, const char*, const struct stat& st) override {
        if (!topAdmitted_) { // counted by measure()
            topAdmitted_ = true;
            return true;
        }
        figures_.allocated += allocated(st);
        ++figures_.folders;
        return true;
    }

    // Counts the entries of the folder and lists its subfolders.
    bool enter(WalkFolder& folder, WalkFolder*) override {
        DirectoryReader reader(folder.fd());
        const char* entryName = nullptr;
        unsigned char type = 0;
        while (reader.next(entryName, type)) {
            if (type == DT_DIR) {
                folder.subfolders.emplace_back(entryName);
                continue;
            }
            struct stat st {};
            if (::fstatat(folder.fd(), entryName, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(st.st_mode)) {
                folder.subfolders.emplace_back(entryName);
                continue;
            }
            if (st.st_dev != rootDev_)
                continue;
            ++figures_.files;
            if (st.st_nlink > 1 && !seen_.insert({st.st_dev, st.st_ino}).second)
                continue;
            figures_.allocated += allocated(st);
            figures_.apparent += st.st_size;
        }
        // A folder that cannot be read further is counted as far as it was read.
        return true;
    }

private:
    std::unordered_set<FileId, FileIdHash> seen_;
    dev_t rootDev_ = 0;
    bool topAdmitted_ = false;
    TreeFigures figures_;
};

} // namespace

qint64 diskUsage(int dirFd, const char* name, struct stat* top) {
    return SizeCounter().measure(dirFd, name, top);
}

TreeFigures measureTree(int dirFd, const char* name) {
    SizeCounter counter;
    counter.measure(dirFd, name, nullptr);
    return counter.figures();
}

} // namespace velmora
