// The totals of the trash: how many items it holds and how many megabytes they take.
#pragma once

#include "ListRows.h"

namespace velmora {

struct Totals {
    int count = 0;
    double megabytes = 0; // the sum rounded once to hundredths
    Text countText;       // "12个"
    Text spaceText;       // the sum in whole megabytes: "5MB", "0MB" under half a megabyte
};

// Visits every row from the first to the last, selecting each, and adds up their sizes. A size
// text that cannot be read ends the walk with its error; the selection stays on that row.
Totals computeTotals(ListRows& rows, int sizeColumn);

} // namespace velmora
