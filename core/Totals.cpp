// The totals of the trash: the walk that counts every row and adds up the sizes.
#include "Totals.h"

#include "Conversions.h"
#include "NumberRules.h"

namespace velmora {

Totals computeTotals(ListRows& rows, int sizeColumn) {
    Totals totals;
    double sum = 0;
    const int count = rows.rowCount();
    for (int row = 0; row < count; ++row) {
        rows.setItemIndex(row);
        sum = addExtended(sum, SizeTextToMB(rows.subItemText(row, sizeColumn)));
        ++totals.count;
    }
    totals.megabytes = RoundToHundredths(sum);
    totals.countText = decimalText(totals.count) + u"个";
    totals.spaceText = totals.megabytes > 0 ? FormatWholeMB(totals.megabytes) + u"MB" : u"0MB";
    return totals;
}

} // namespace velmora
