// Rows of a list held in memory, recording what the walks read and select.
#pragma once

#include <vector>

#include "core/Errors.h"
#include "core/ListRows.h"

namespace velmora::test {

class FakeRows : public ListRows {
public:
    FakeRows() = default;
    explicit FakeRows(std::vector<std::vector<Text>> rows) : rows_(std::move(rows)) {}

    int rowCount() const override { return static_cast<int>(rows_.size()); }
    Text subItemText(int row, int subItem) const override {
        ++reads;
        if (row < 0 || row >= rowCount())
            throw ListIndexError(row);
        const auto& texts = rows_[static_cast<std::size_t>(row)];
        if (subItem < 0 || subItem >= static_cast<int>(texts.size()))
            throw ListIndexError(subItem);
        return texts[static_cast<std::size_t>(subItem)];
    }
    void setItemIndex(int row) override { selected.push_back(row); }

    // Every row selected, in order; empty when the selection was never touched.
    std::vector<int> selected;
    mutable int reads = 0;

private:
    std::vector<std::vector<Text>> rows_;
};

} // namespace velmora::test
