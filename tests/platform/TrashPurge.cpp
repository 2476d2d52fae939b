// Removes every item of one trash directory the way the purge does, and prints one line per
// item: the outcome (Removed, Stayed, NotThere), a tab, and the stored name in hex. The tests
// run it as another user; it is handy by hand too.
//
//   velmora_trash_purge TRASHDIR [THREADS]

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "HandItemRefs.h"
#include "platform/ItemRemoval.h"
#include "platform/PosixFiles.h"

int main(int argc, char** argv) {
    using namespace velmora;
    if (argc < 2) {
        std::fprintf(stderr, "usage: velmora_trash_purge TRASHDIR [THREADS]\n");
        return 2;
    }
    const int threads = argc > 2 ? std::atoi(argv[2]) : RemovalThreads;
    TrashItemRef base;
    base.trashFd = ::open(argv[1], O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (base.trashFd < 0) {
        std::perror(argv[1]);
        return 1;
    }
    base.filesFd = ::openat(base.trashFd, "files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    base.infoFd = ::openat(base.trashFd, "info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (base.filesFd < 0) {
        std::perror("files");
        return 1;
    }
    // The listing: every files/ entry with the identity of its object and of its info file.
    const std::vector<TrashItemRef> items = test::listItemRefs(base);

    std::vector<RemoveOutcome> outcomes(items.size());
    {
        ItemRemoval removal;
        std::atomic<std::size_t> next{0};
        std::vector<std::thread> pool;
        for (int t = 0; t < std::max(threads, 1); ++t)
            pool.emplace_back([&] {
                for (std::size_t i; (i = next.fetch_add(1)) < items.size();)
                    outcomes[i] = removal.KillItem(items[i]);
            });
        for (std::thread& t : pool)
            t.join();
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const char* word = outcomes[i] == RemoveOutcome::Removed  ? "Removed"
                           : outcomes[i] == RemoveOutcome::Stayed ? "Stayed"
                                                                  : "NotThere";
        std::printf("%s\t%s\n", word, items[i].stored.toHex().constData());
    }
    return 0;
}
