// The rows of an item source as the walks of the cleaning logic read them, without a list
// widget: sub-item k of a row is the text of column k + 1, and selecting a row only records it.
#pragma once

#include <vector>

#include "core/ListRows.h"
#include "platform/ItemSource.h"

namespace velmora {

class SourceRows final : public ListRows {
public:
    explicit SourceRows(ItemSource& source) : source_(source) {}

    int rowCount() const override;
    // ListIndexError for a row or a sub-item outside the list.
    Text subItemText(int row, int subItem) const override;
    void setItemIndex(int row) override;

    // The rows the walk selected, in the order it selected them.
    const std::vector<int>& selectedRows() const { return selected_; }

    // The sub-item index of the first column whose heading contains `heading`, or `fallback`.
    int subItemOf(const QString& heading, int fallback) const;

private:
    ItemSource& source_;
    std::vector<int> selected_;
};

} // namespace velmora
