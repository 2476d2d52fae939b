// The age analysis: how many items were deleted before the cut-off and how much space they take.
#pragma once

#include <functional>
#include <vector>

#include "DateTime.h"
#include "ListRows.h"

namespace velmora {

// The main window's entry fields.
struct CutOffChoice {
    bool byDate = true;        // "按日期" chosen
    TDateTime pickerValue = 0; // the date picker's value, a date at 00:00
    Text daysText;             // the days box's text as typed
    TDateTime today = 0;       // today's local date at 00:00
};

struct AgeAnalysis {
    int count = 0;
    double megabytes = 0; // the sum of the qualifying sizes, rounded to hundredths once
    Text message;         // two lines separated by a carriage return
};

// The walk the analysis and the purge's plan share. Visits the rows from the first to the last:
// every row's date (at sub-item dateColumn) is read, and each row deleted before cutOff is
// selected, its size (at sizeColumn) read in megabytes and handed to found(row, megabytes). A text
// that cannot be read throws its conversion error at once, the selection left where the walk put
// it.
void forEachDeletedBefore(ListRows& rows, TDateTime cutOff, int dateColumn, int sizeColumn,
                          const std::function<void(int row, double megabytes)>& found);

// Computes the cut-off, then visits the rows from the first to the last: every row's date (at
// sub-item dateColumn) is read, and each qualifying row is selected and its size (at sizeColumn)
// added. Any text that cannot be read ends the analysis with its error, the selection left where
// the walk put it.
AgeAnalysis analyseAge(ListRows& rows, const CutOffChoice& choice, int dateColumn, int sizeColumn);

// The analysis of the rows a walk with the same choice found, from their sizes in megabytes in
// the order the walk found them: what analyseAge gives for those rows, without reading them again.
AgeAnalysis analysisOfSizes(const CutOffChoice& choice, const std::vector<double>& megabytes);

} // namespace velmora
