// An item source held in memory: rows and columns set by the test, re-reads counted.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/ItemSource.h"

namespace velmora::test {

struct FakeItem {
    QString name;
    QStringList details; // texts of columns 1 onwards
    bool folder = false;
    bool orphan = false; // no original location known: neither restored nor renamed
};

// Column headings as the trash shows them.
inline QList<ColumnInfo> trashColumns() {
    return {{QStringLiteral("名称"), Qt::AlignLeft, 25},
            {QStringLiteral("原位置"), Qt::AlignLeft, 30},
            {QStringLiteral("删除日期"), Qt::AlignLeft, 18},
            {QStringLiteral("大小"), Qt::AlignRight, 12},
            {QStringLiteral("项目类型"), Qt::AlignLeft, 16},
            {QStringLiteral("修改日期"), Qt::AlignLeft, 18}};
}

// A row of the trash with its deletion date and size.
inline FakeItem trashItem(const QString& name, const QString& deleted, const QString& size) {
    return {name,
            {QStringLiteral("/home/user"), deleted, size, QStringLiteral("文本文档"), deleted}};
}

class FakeItemSource : public ItemSource {
public:
    FakeItemSource(std::vector<FakeItem> items, QList<ColumnInfo> columns = trashColumns())
        : next_(std::move(items)), columns_(std::move(columns)) {}

    // What the next enumeration will find.
    void setNextItems(std::vector<FakeItem> items) { next_ = std::move(items); }

    void enumerate() override {
        ++enumerations;
        items_ = next_;
    }
    int count() const override { return static_cast<int>(items_.size()); }
    QList<ColumnInfo> columns() const override { return columns_; }
    QString displayName(int i) const override { return at(i).name; }
    QString pathName(int i) const override { return QStringLiteral("/trash/files/") + at(i).name; }
    bool isFolder(int i) const override { return at(i).folder; }
    QString iconName(int i) const override {
        return at(i).folder ? QStringLiteral("folder") : QStringLiteral("text-plain");
    }
    QStringList details(int i) override {
        ++detailRequests;
        return at(i).details;
    }
    // Accepted unless renameAccepted is false; an accepted name becomes the item's name.
    bool rename(int i, const QString& newName) override {
        renameRequests.append(newName);
        if (!renameAccepted)
            return false;
        items_.at(static_cast<std::size_t>(i)).name = newName;
        return true;
    }
    bool hasOriginalPath(int i) const override { return !at(i).orphan; }
    // Records the item's name and the thread it ran on, after restoreDelay.
    RestoreOutcome restore(int i) override {
        std::this_thread::sleep_for(restoreDelay);
        restoredNames.append(at(i).name);
        restoreThread = std::this_thread::get_id();
        return restoreOutcome;
    }
    ItemProperties properties(int i) override {
        ItemProperties p = ItemSource::properties(i);
        p.size = at(i).details.value(2);
        p.bytesOnDisk = 4096;
        p.apparentBytes = 10;
        p.files = p.folder ? 3 : 0;
        p.folders = p.folder ? 1 : 0;
        return p;
    }
    QStringList unavailableVolumes() const override { return unavailable; }
    QString listingError() const override { return failure; }
    // Locks the folders of lockDirs, as the removal lock of a trash does.
    TrashLock lockForRemoval() override { return TrashLock(lockDirs); }
    // Records the item's name and answers with the outcome chosen for its index (Removed unless
    // told otherwise), after removeDelay.
    RemoveOutcome remove(int i) override {
        std::this_thread::sleep_for(removeDelay);
        std::lock_guard lock(removeMutex_);
        removedNames.append(at(i).name);
        const auto it = outcomes.find(i);
        return it == outcomes.end() ? RemoveOutcome::Removed : it->second;
    }

    QStringList unavailable;   // what every enumeration reports as unavailable
    QString failure;           // what every enumeration reports as its failure
    std::vector<int> lockDirs; // descriptors of the folders the removal lock takes
    int enumerations = 0;
    int detailRequests = 0;
    std::map<int, RemoveOutcome> outcomes;
    std::chrono::milliseconds removeDelay{0};
    QStringList removedNames; // in the order the removals ended
    bool renameAccepted = true;
    QStringList renameRequests;
    RestoreOutcome restoreOutcome = RestoreOutcome::Restored;
    std::chrono::milliseconds restoreDelay{0};
    QStringList restoredNames;
    std::thread::id restoreThread;

private:
    const FakeItem& at(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    std::vector<FakeItem> items_;
    std::vector<FakeItem> next_;
    QList<ColumnInfo> columns_;
    std::mutex removeMutex_;
};

} // namespace velmora::test
