// Running a program to its end without fork(), for tests that start one from a thread other than
// the main thread: posix_spawn, which glibc implements with a vfork-style clone. ThreadSanitizer
// cannot follow a fork() in a process whose other threads are running (the child may not start
// threads, and the parent loses what it knew of the others), so QProcess is no use there.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QStringList>

#include <cerrno>
#include <vector>

extern char** environ;

namespace velmora::test {

struct SpawnedRun {
    int exitCode = -1; // -1 when it could not start or did not exit normally
    QByteArray out, err;
};

// Runs program with args; env entries ("NAME=value") replace or add to this process's
// environment, and "NAME" alone removes NAME.
inline SpawnedRun spawnAndWait(const QString& program, const QStringList& args,
                               const QStringList& env = {}) {
    std::vector<QByteArray> environment;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray name = entry.left(entry.indexOf('='));
        bool replaced = false;
        for (const QString& kv : env)
            replaced = replaced || kv.section(u'=', 0, 0).toLocal8Bit() == name;
        if (!replaced)
            environment.push_back(entry);
    }
    for (const QString& kv : env)
        if (kv.contains(u'='))
            environment.push_back(kv.toLocal8Bit());
    std::vector<QByteArray> argv{program.toLocal8Bit()};
    for (const QString& a : args)
        argv.push_back(a.toLocal8Bit());
    std::vector<char*> argp, envp;
    for (QByteArray& a : argv)
        argp.push_back(a.data());
    argp.push_back(nullptr);
    for (QByteArray& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    SpawnedRun run;
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        return run;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    pid_t child = -1;
    const int spawned = ::posix_spawn(&child, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    if (spawned == 0) {
        pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
        QByteArray* into[2] = {&run.out, &run.err};
        int open = 2;
        while (open > 0) {
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                break;
            }
            for (int k = 0; k < 2; ++k) {
                if (fds[k].fd < 0 || fds[k].revents == 0)
                    continue;
                char buffer[4096];
                const ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
                if (n > 0) {
                    into[k]->append(buffer, n);
                } else if (n == 0 || errno != EINTR) {
                    fds[k].fd = -1;
                    --open;
                }
            }
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (WIFEXITED(status))
            run.exitCode = WEXITSTATUS(status);
    }
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    return run;
}

} // namespace velmora::test
