// The date and size columns, found by the list's headings.
#include "DetailColumns.h"

#include "Translate.h"

namespace velmora {

int subItemOfHeading(const std::vector<Text>& headings, TextView part, int fallback) {
    int found = fallback;
    for (std::size_t i = 1; i < headings.size(); ++i) {
        if (headings[i].find(part) != Text::npos)
            found = static_cast<int>(i) - 1;
    }
    return found;
}

DetailColumns findDetailColumns(const std::vector<Text>& headings) {
    const DetailColumns defaults;
    DetailColumns columns;
    // The headings as the list shows them, in the user's language.
    columns.date = subItemOfHeading(headings, coreTranslate("Columns", "删除日期"), defaults.date);
    columns.size = subItemOfHeading(headings, coreTranslate("Columns", "大小"), defaults.size);
    return columns;
}

} // namespace velmora
