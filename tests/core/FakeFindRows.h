// A list of names held in memory, recording what the search reads, selects and scrolls.
#pragma once

#include <vector>

#include "core/Errors.h"
#include "core/FindRows.h"

namespace velmora::test {

class FakeFindRows : public FindRows {
public:
    explicit FakeFindRows(std::vector<Text> rows = {}) : names(std::move(rows)) {}

    int rowCount() const override { return static_cast<int>(names.size()); }
    Text displayName(int row) const override {
        read.push_back(row);
        if (row < 0 || row >= rowCount())
            throw ListIndexError(row);
        return names[static_cast<std::size_t>(row)];
    }
    void setSelected(int row) override { selected.push_back(row); }
    void scrollToTop() override { scrolls.push_back(Top); }
    void scrollLines(int lines) override { scrolls.push_back(lines); }

    // What scrolls records for a scroll to the top.
    static constexpr int Top = -1000000;

    std::vector<Text> names;
    mutable std::vector<int> read; // rows whose names were read, in order
    std::vector<int> selected;     // rows selected, in order
    std::vector<int> scrolls;      // lines scrolled (down > 0, up < 0) or Top, in order

    void forget() {
        read.clear();
        selected.clear();
        scrolls.clear();
    }
};

} // namespace velmora::test
