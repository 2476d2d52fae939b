// Helpers of the trash tests: temporary trashes made by make-trash and by real clients, and
// the commands run on them. Nothing here touches the user's own trash.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

#include "RunProcess.h"
#include "platform/FileNames.h"
#include "platform/TrashSource.h"

namespace velmora::test {

// The output and exit status of a finished command.
struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs program with args; environment entries in env ("NAME=value") are added. Fails the test
// when the program cannot start or takes longer than timeoutMs.
inline Run run(const QString& program, const QStringList& args, const QStringList& env = {},
               int timeoutMs = 120000) {
    const ProcessRun p = runProcess(program, args, env, timeoutMs);
    if (!p.started)
        ADD_FAILURE() << "cannot start " << program.toStdString();
    else if (!p.finished)
        ADD_FAILURE() << program.toStdString() << " did not finish in time";
    return {p.exitCode, p.out, p.err};
}

inline QString makeTrashScript() {
    return QStringLiteral(VELMORA_SOURCE_DIR "/tools/make-trash");
}

// Generates DIR/Trash with make-trash (fixed seed and moment) and returns its manifest.
inline QJsonObject makeTrash(const QString& root, const QStringList& options) {
    const Run r =
        run(QStringLiteral("python3"),
            QStringList{makeTrashScript(), QStringLiteral("--root"), root, QStringLiteral("--seed"),
                        QStringLiteral("7"), QStringLiteral("--now"),
                        QStringLiteral("2026-12-09T12:00:00"), QStringLiteral("-q")} +
                options);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile manifest(root + QStringLiteral("/manifest.json"));
    if (!manifest.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(manifest.readAll()).object();
}

// A source over the home trash of dataHome only, names in Chinese order: no volume of this
// machine is read.
inline TrashSourceOptions homeTrashOptions(const QByteArray& dataHome) {
    TrashSourceOptions o;
    o.dataHome = fileNameFromBytes(dataHome);
    o.scanVolumes = false;
    o.locale = QLocale(QStringLiteral("zh_CN"));
    return o;
}

// The stored name of a manifest entry, as bytes.
inline QByteArray storedName(const QJsonObject& e) {
    if (e.contains(QStringLiteral("trash_name_hex")))
        return QByteArray::fromHex(e[QStringLiteral("trash_name_hex")].toString().toLatin1());
    return e[QStringLiteral("trash_name")].toString().toUtf8();
}

inline bool writeFile(const QByteArray& path, const QByteArray& content) {
    QFile f(QString::fromUtf8(path));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

inline QByteArray readFile(const QByteArray& path) {
    QFile f(fileNameFromBytes(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool makeDirs(const QByteArray& path, mode_t mode = 0700) {
    if (!QDir().mkpath(fileNameFromBytes(path)))
        return false;
    return ::chmod(path.constData(), mode) == 0;
}

inline std::optional<struct stat> lstatOf(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return std::nullopt;
    return st;
}

// A temporary folder removed with its whole tree, whatever the names' bytes and the modes inside
// (QTemporaryDir cannot remove names that are not UTF-8, nor read-only trees as a user).
class TempTree {
public:
    TempTree() { dir_.setAutoRemove(false); }
    ~TempTree() {
        if (!dir_.isValid())
            return;
        run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+rwX"), dir_.path()});
        run(QStringLiteral("rm"), {QStringLiteral("-rf"), dir_.path()});
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// A trash directory built by hand: items written as info file + files/ entry.
struct HandTrash {
    QByteArray dir;

    bool create() const { return makeDirs(dir + "/files") && makeDirs(dir + "/info"); }
    QByteArray filesEntry(const QByteArray& name) const { return dir + "/files/" + name; }
    QByteArray infoFile(const QByteArray& name) const {
        return dir + "/info/" + name + ".trashinfo";
    }
    // A file item of the given content, and its info file as given (written as it stands).
    bool addFile(const QByteArray& name, const QByteArray& info,
                 const QByteArray& content = "x") const {
        return writeFile(filesEntry(name), content) &&
               (info.isNull() || writeFile(infoFile(name), info));
    }
    bool addFolder(const QByteArray& name, const QByteArray& info) const {
        return makeDirs(filesEntry(name), 0755) &&
               writeFile(filesEntry(name) + "/inside.txt", "y") &&
               (info.isNull() || writeFile(infoFile(name), info));
    }
    static QByteArray info(const QByteArray& path, const QByteArray& date = "2024-03-05T06:07:08") {
        return "[Trash Info]\nPath=" + path + "\nDeletionDate=" + date + "\n";
    }
};

} // namespace velmora::test
