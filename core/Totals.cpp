// The totals of the trash: the walk that counts every row and adds up the sizes.
#include "Totals.h"

#include "Conversions.h"
#include "NumberRules.h"
#include "Translate.h"

namespace velmora {

Totals computeTotals(ListRows& rows, int sizeColumn) {
    Totals totals;
    MegabyteSum sum;
    const int count = rows.rowCount();
    for (int row = 0; row < count; ++row) {
        rows.setItemIndex(row);
        sum.add(SizeTextToMB(rows.subItemText(row, sizeColumn)));
        ++totals.count;
    }
    totals.megabytes = sum.hundredths();
    const int counted = totals.count;
    totals.countText = coreTranslate("Totals", "%n个", "count of items", counted);
    totals.spaceText = sum.wholeText() + u"MB";
    return totals;
}

} // namespace velmora
