// The search of the list by name, downwards or upwards from a remembered row.
#pragma once

#include "FindRows.h"

namespace velmora {

enum class FindOutcome {
    NotSearched, // the start lies beyond the end the search runs towards: no row was tested
    Found,       // a row matched: it is selected and the list scrolled by the rows travelled
    EndOfList,   // the last row (down) or the first row (up) was tested without a match
};

// The name contains `text` as one run of identical UTF-16 code units, case-sensitively. An empty
// text matches nothing.
bool nameContains(TextView name, TextView text);

// The message shown when a search has tested the last row (down) or the first (up) without a
// match, in the user's language.
Text searchEndedText();

// A new search: the position goes back to the first row and the list to its top.
void startSearch(FindRows& rows, int& searchPos);

// Tests the rows from `searchPos` towards the last row (`down`) or the first one. On a match on
// row m the list is scrolled by |m - searchPos| lines, row m is selected and `searchPos` becomes
// m + 1 (down) or m - 1 (up). Without a match `searchPos` stays. A start at a row that does not
// exist, on the side the search runs from (-1 down, the row count or more up), fails with the
// list's ListIndexError and changes nothing.
FindOutcome findNext(FindRows& rows, TextView text, bool down, int& searchPos);

} // namespace velmora
