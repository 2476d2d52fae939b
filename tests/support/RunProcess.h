// Running a command to its end, as the tests and the benchmark do: its exit status, its output
// and how long it took.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace velmora::test {

struct ProcessRun {
    bool started = false;
    bool finished = false; // within the time allowed; a process that did not is killed
    int exitCode = -1;     // -1 when it did not exit normally
    QByteArray out, err;   // empty unless kept
    double milliseconds = 0;
};

// Runs program with args; environment entries in env ("NAME=value") are added to this
// process's. timeoutMs < 0 waits as long as it takes. Without keepOutput the output goes to
// /dev/null, so that a large one costs nothing.
inline ProcessRun runProcess(const QString& program, const QStringList& args,
                             const QStringList& env = {}, int timeoutMs = -1,
                             bool keepOutput = true) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString& kv : env)
        e.insert(kv.section(u'=', 0, 0), kv.section(u'=', 1));
    p.setProcessEnvironment(e);
    if (!keepOutput) {
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
    }
    ProcessRun r;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    r.started = p.waitForStarted(10000);
    if (!r.started)
        return r;
    r.finished = p.waitForFinished(timeoutMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished();
    }
    r.milliseconds = double(t.nsecsElapsed()) / 1e6;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (keepOutput) {
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
    }
    return r;
}

} // namespace velmora::test
