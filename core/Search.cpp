// The search of the list by name, downwards or upwards from a remembered row.
#include "Search.h"

#include "Translate.h"

namespace velmora {

bool nameContains(TextView name, TextView text) {
    return !text.empty() && name.find(text) != TextView::npos;
}

Text searchEndedText() {
    return coreTranslate("velmora::TForm1", "搜索结束！");
}

void startSearch(FindRows& rows, int& searchPos) {
    searchPos = 0;
    rows.scrollToTop();
}

FindOutcome findNext(FindRows& rows, TextView text, bool down, int& searchPos) {
    if (down) {
        const int count = rows.rowCount();
        if (searchPos > count - 1)
            return FindOutcome::NotSearched;
        // From -1 this tests one row more than the list holds: the first read fails.
        const int toTest = count - searchPos;
        for (int k = 0, i = searchPos; k < toTest; ++k, ++i) {
            if (nameContains(rows.displayName(i), text)) {
                if (i - searchPos > 0)
                    rows.scrollLines(i - searchPos);
                rows.setSelected(i);
                searchPos = i + 1;
                return FindOutcome::Found;
            }
            if (i == rows.rowCount() - 1)
                return FindOutcome::EndOfList;
        }
        return FindOutcome::NotSearched;
    }

    if (searchPos < 0)
        return FindOutcome::NotSearched;
    for (int i = searchPos; i >= 0; --i) {
        if (nameContains(rows.displayName(i), text)) {
            if (searchPos - i > 0)
                rows.scrollLines(i - searchPos);
            rows.setSelected(i);
            searchPos = i - 1;
            return FindOutcome::Found;
        }
        if (i == 0)
            return FindOutcome::EndOfList;
    }
    return FindOutcome::NotSearched;
}

} // namespace velmora
