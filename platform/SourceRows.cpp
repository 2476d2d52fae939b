// The rows of an item source for the walks, without a list widget.
#include "platform/SourceRows.h"

#include "core/Errors.h"
#include "platform/QtText.h"

namespace velmora {

int SourceRows::rowCount() const {
    return source_.count();
}

Text SourceRows::subItemText(int row, int subItem) const {
    if (row < 0 || row >= source_.count())
        throw ListIndexError(row);
    const std::optional<QString> text = source_.detailText(row, subItem);
    if (!text)
        throw ListIndexError(subItem);
    return toText(*text);
}

void SourceRows::setItemIndex(int row) {
    selected_.push_back(row);
}

int SourceRows::subItemOf(const QString& heading, int fallback) const {
    return subItemOfHeading(headings_, toText(heading), fallback);
}

DetailColumns SourceRows::detailColumns() const {
    return findDetailColumns(headings_);
}

std::vector<Text> headingsOf(const QList<ColumnInfo>& columns) {
    std::vector<Text> headings;
    headings.reserve(static_cast<std::size_t>(columns.size()));
    for (const ColumnInfo& column : columns)
        headings.push_back(toText(column.Caption));
    return headings;
}

} // namespace velmora
