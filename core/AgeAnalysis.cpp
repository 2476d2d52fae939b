// The age analysis: the walk that counts and sums the rows deleted before the cut-off.
#include "AgeAnalysis.h"

#include "Conversions.h"
#include "DateTimeFormat.h"
#include "NumberRules.h"
#include "Translate.h"

namespace velmora {

void forEachDeletedBefore(ListRows& rows, TDateTime cutOff, int dateColumn, int sizeColumn,
                          const std::function<void(int row, double megabytes)>& found) {
    const int count = rows.rowCount();
    for (int row = 0; row < count; ++row) {
        const TDateTime deleted = DateTextToDateTime(rows.subItemText(row, dateColumn));
        if (!IsBeforeCutOff(deleted, cutOff))
            continue;
        rows.setItemIndex(row);
        found(row, SizeTextToMB(rows.subItemText(row, sizeColumn)));
    }
}

AgeAnalysis analyseAge(ListRows& rows, const CutOffChoice& choice, int dateColumn, int sizeColumn) {
    const TDateTime cutOff =
        AgeCutOff(choice.byDate, choice.pickerValue, choice.daysText, choice.today);
    std::vector<double> sizes;
    forEachDeletedBefore(rows, cutOff, dateColumn, sizeColumn,
                         [&](int, double megabytes) { sizes.push_back(megabytes); });
    return analysisOfSizes(choice, sizes);
}

AgeAnalysis analysisOfSizes(const CutOffChoice& choice, const std::vector<double>& megabytes) {
    AgeAnalysis result;
    MegabyteSum sum;
    for (const double size : megabytes)
        sum.add(size);
    result.count = static_cast<int>(megabytes.size());
    result.megabytes = sum.hundredths();

    const int count = result.count;
    Text& m = result.message;
    if (choice.byDate)
        m = withArguments(
            coreTranslate("AgeAnalysis", "回收站中有 %1 前删除文件或文件夹：%n项", nullptr, count),
            {dateTimeText(choice.pickerValue)});
    else
        m = withArguments(coreTranslate("AgeAnalysis", "回收站中有 %1 天前删除文件或文件夹：%n项",
                                        nullptr, count),
                          {choice.daysText});
    m += u'\r';
    m += withArguments(coreTranslate("AgeAnalysis", "合计占用空间：%1MB"), {sum.wholeText()});
    return result;
}

} // namespace velmora
