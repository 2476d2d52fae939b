// What the walks of the cleaning logic need of the list: its rows, their texts, the selection.
#pragma once

#include "Text.h"

namespace velmora {

class ListRows {
public:
    virtual ~ListRows() = default;
    // The number of rows.
    virtual int rowCount() const = 0;
    // The detail text of row `row` at sub-item `subItem`; ListIndexError when either is outside
    // the list.
    virtual Text subItemText(int row, int subItem) const = 0;
    // Selects the row and gives it the focus mark, without scrolling the list.
    virtual void setItemIndex(int row) = 0;
};

} // namespace velmora
