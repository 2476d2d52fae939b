// What the search needs of the list: the rows' names, the selection and the scrolling.
#pragma once

#include "Text.h"

namespace velmora {

class FindRows {
public:
    virtual ~FindRows() = default;
    // The number of rows.
    virtual int rowCount() const = 0;
    // The display name of row `row`; ListIndexError when the row is outside the list.
    virtual Text displayName(int row) const = 0;
    // Makes the row the only selected one; the focus mark stays and the list does not scroll.
    virtual void setSelected(int row) = 0;
    // Scrolls the list to its first row.
    virtual void scrollToTop() = 0;
    // Scrolls by `lines` rows, down when positive, up when negative, as that many one-row
    // scrolls would; the selection stays.
    virtual void scrollLines(int lines) = 0;
};

} // namespace velmora
