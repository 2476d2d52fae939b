// Another program at the instance guard's files, for the tests to run as another user.
//   instance_peer plant [--dir D | --lock F | --listen S]...
//     makes folders, takes locks and listens on sockets, prints "ready", waits until its input
//     ends, then prints "heard <bytes>" for every connection made meanwhile ("heard" alone for
//     one that sent nothing).
//   instance_peer ask S
//     connects to S, sends a request to come forward and prints "answer <bytes>", or
//     "no answer" when the connection closes or times out without one.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

bool address(const char* path, sockaddr_un& a) {
    if (std::strlen(path) >= sizeof a.sun_path)
        return false;
    std::memset(&a, 0, sizeof a);
    a.sun_family = AF_UNIX;
    std::strcpy(a.sun_path, path);
    return true;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

int fail(const char* what, const char* path) {
    std::fprintf(stderr, "%s %s: %s\n", what, path, std::strerror(errno));
    return 1;
}

int plant(int argc, char** argv) {
    std::vector<int> listeners;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* path = argv[i + 1];
        if (option == "--dir") {
            if (::mkdir(path, 0755) != 0)
                return fail("mkdir", path);
        } else if (option == "--lock") {
            const int fd = ::open(path, O_RDWR | O_CREAT, 0644);
            if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0)
                return fail("lock", path);
        } else if (option == "--listen") {
            sockaddr_un a;
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (!address(path, a) || fd < 0 ||
                ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
                ::chmod(path, 0777) != 0 || ::listen(fd, 16) != 0)
                return fail("listen", path);
            listeners.push_back(fd);
        } else {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    char byte;
    while (::read(0, &byte, 1) > 0) {
    }
    // Whatever connected meanwhile has sent what it meant to and waits, or has gone.
    for (const int fd : listeners) {
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        for (int client; (client = ::accept(fd, nullptr, nullptr)) >= 0; ::close(client)) {
            timeval tv{1, 0};
            ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
            const std::string text = readAll(client);
            std::printf(text.empty() ? "heard\n" : "heard %s", text.c_str());
        }
    }
    return 0;
}

int ask(const char* path) {
    sockaddr_un a;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (!address(path, a) || fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a))
        return fail("connect", path);
    timeval tv{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    const char request[] = "raise\n";
    ::send(fd, request, sizeof request - 1, MSG_NOSIGNAL);
    const std::string answer = readAll(fd);
    std::printf(answer.empty() ? "no answer\n" : "answer %s", answer.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "plant") == 0)
        return plant(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "ask") == 0)
        return ask(argv[2]);
    std::fprintf(stderr, "usage: instance_peer plant [--dir D|--lock F|--listen S]... | ask S\n");
    return 2;
}
