// Where the walks find a row's deletion date and size: the list's columns, found by their headings.
#pragma once

#include <vector>

#include "Text.h"

namespace velmora {

// Sub-item indices (column index - 1: the name column has none) of the texts the walks read.
struct DetailColumns {
    int date = 1; // 删除日期
    int size = 2; // 大小
};

// The sub-item of the last heading after the first (the name column's) that contains `part`, or
// `fallback` when none does. headings: the list's column headings in order, the name's first.
int subItemOfHeading(const std::vector<Text>& headings, TextView part, int fallback);

// The date column is the last heading containing "删除日期", the size column the last containing
// "大小"; each keeps its default (DetailColumns{}) when no heading names it.
DetailColumns findDetailColumns(const std::vector<Text>& headings);

} // namespace velmora
