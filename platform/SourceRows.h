// An item source as the cleaning logic's interfaces see it, without a list widget: its rows
// (sub-item k of a row is the text of column k + 1, and selecting a row only records it) and the
// removal of its items.
#pragma once

#include <vector>

#include "core/DetailColumns.h"
#include "core/ListRows.h"
#include "core/Purge.h"
#include "platform/ItemSource.h"

namespace velmora {

// The headings of the columns, in order, for subItemOfHeading and findDetailColumns.
std::vector<Text> headingsOf(const QList<ColumnInfo>& columns);

class SourceRows final : public ListRows {
public:
    explicit SourceRows(ItemSource& source)
        : source_(source), headings_(headingsOf(source.columns())) {}

    int rowCount() const override;
    // ListIndexError for a row or a sub-item outside the list.
    Text subItemText(int row, int subItem) const override;
    void setItemIndex(int row) override;

    // The rows the walk selected, in the order it selected them.
    const std::vector<int>& selectedRows() const { return selected_; }

    // The sub-item index of the last column whose heading contains `heading`, or `fallback`
    // (subItemOfHeading over the source's columns, as they were when these rows were made).
    int subItemOf(const QString& heading, int fallback) const;
    // The date and size columns (findDetailColumns over the source's columns).
    DetailColumns detailColumns() const;

private:
    ItemSource& source_;
    std::vector<Text> headings_;
    std::vector<int> selected_;
};

// Removes the item of a row through ItemSource::remove: the remover of 清除, 删除 and the command
// line. Safe on several threads as far as the source's remove() is.
class SourceRemover final : public ItemRemover {
public:
    explicit SourceRemover(ItemSource& source) : source_(source) {}
    RemoveOutcome KillItem(int row) override { return source_.remove(row); }

private:
    ItemSource& source_;
};

} // namespace velmora
