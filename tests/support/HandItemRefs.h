// Item references made by hand for one trash folder, as a listing records them: every files/
// entry with the identity of its stored object and of its info file. For the tools and
// benchmarks that drive the removal without a trash source.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <vector>

#include "platform/PosixFiles.h"
#include "platform/TrashItemRef.h"

namespace velmora::test {

// base holds the open trash, files/ and info/ descriptors that every reference shares.
inline std::vector<TrashItemRef> listItemRefs(const TrashItemRef& base) {
    std::vector<TrashItemRef> items;
    DirectoryReader reader(base.filesFd);
    const char* name = nullptr;
    unsigned char type = 0;
    while (reader.next(name, type)) {
        TrashItemRef item = base;
        item.stored = name;
        struct stat st {};
        if (::fstatat(base.filesFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        item.dev = st.st_dev;
        item.ino = st.st_ino;
        const QByteArray info = item.stored + ".trashinfo";
        if (base.infoFd >= 0 &&
            ::fstatat(base.infoFd, info.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            item.hasInfo = true;
            item.infoDev = st.st_dev;
            item.infoIno = st.st_ino;
        }
        items.push_back(item);
    }
    return items;
}

} // namespace velmora::test
