// The purge's report for scripts.
#include "app/PurgeJson.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeZone>

#include "app/PathText.h"

namespace velmora {

namespace {

// A size of the rule: its bytes, or for a percentage the percentage and the bytes it stands for
// on each volume.
QJsonValue sizeValue(const std::optional<SpaceSize>& size,
                     const std::map<QString, std::uint64_t>& perVolume) {
    if (!size)
        return QJsonValue::Null;
    if (!size->percent)
        return double(size->bytes);
    QJsonObject volumes;
    for (const auto& [name, bytes] : perVolume)
        volumes[name] = double(bytes);
    return QJsonObject{{QStringLiteral("percent"), double(size->fraction * 100)},
                       {QStringLiteral("bytes"), volumes}};
}

QString kindName(ItemKind kind) {
    switch (kind) {
    case ItemKind::File:
        return QStringLiteral("file");
    case ItemKind::Folder:
        return QStringLiteral("folder");
    case ItemKind::Link:
        return QStringLiteral("link");
    default:
        return QStringLiteral("other");
    }
}

QString outcomeName(RemoveOutcome outcome) {
    switch (outcome) {
    case RemoveOutcome::Removed:
        return QStringLiteral("removed");
    case RemoveOutcome::Stayed:
        return QStringLiteral("stayed");
    case RemoveOutcome::NotThere:
        break;
    }
    return QStringLiteral("not_there");
}

} // namespace

QString jsonMoment(TDateTime local) {
    const DateParts p = decodeDateTime(local);
    const QDateTime moment(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second),
                           QTimeZone::systemTimeZone());
    return moment.toString(Qt::ISODate);
}

QByteArray purgeJson(bool dryRun, const JsonRule& rule, const QList<JsonItem>& items,
                     const std::map<QString, std::uint64_t>& shortfall) {
    QJsonObject document;
    document[QStringLiteral("version")] = 1;
    document[QStringLiteral("dry_run")] = dryRun;
    document[QStringLiteral("rule")] = QJsonObject{
        {QStringLiteral("cutoff"),
         rule.cutOff ? QJsonValue(jsonMoment(*rule.cutOff)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("all"), rule.all},
        {QStringLiteral("max_size"), sizeValue(rule.maxSize, rule.maxSizeBytes)},
        {QStringLiteral("min_free"), sizeValue(rule.minFree, rule.minFreeBytes)},
    };
    QJsonArray list;
    double bytes = 0, freed = 0;
    int removed = 0, stayed = 0, notThere = 0;
    for (const JsonItem& item : items) {
        QJsonObject entry{
            {QStringLiteral("trash"), jsonText(item.trash)},
            {QStringLiteral("stored_name"), jsonText(item.stored)},
            {QStringLiteral("original_path"), item.original.isNull()
                                                  ? QJsonValue(QJsonValue::Null)
                                                  : QJsonValue(jsonText(item.original))},
            {QStringLiteral("deleted"), jsonMoment(item.deleted)},
            {QStringLiteral("bytes"), double(item.bytes)},
            {QStringLiteral("kind"), kindName(item.kind)},
        };
        bytes += double(item.bytes);
        if (item.outcome) {
            entry[QStringLiteral("outcome")] = outcomeName(*item.outcome);
            switch (*item.outcome) {
            case RemoveOutcome::Removed:
                ++removed;
                freed += double(item.bytes);
                break;
            case RemoveOutcome::Stayed:
                ++stayed;
                entry[QStringLiteral("reason")] =
                    QStringLiteral("could not be removed completely: the item stays in the "
                                   "trash with its info file (a protected entry, a mount "
                                   "point, or another device)");
                break;
            case RemoveOutcome::NotThere:
                ++notThere;
                break;
            }
        }
        list.append(entry);
    }
    document[QStringLiteral("items")] = list;
    QJsonObject totals{{QStringLiteral("items"), double(items.size())},
                       {QStringLiteral("bytes"), bytes}};
    if (!dryRun) {
        totals[QStringLiteral("removed")] = removed;
        totals[QStringLiteral("stayed")] = stayed;
        totals[QStringLiteral("not_there")] = notThere;
        totals[QStringLiteral("freed_bytes")] = freed;
    }
    document[QStringLiteral("totals")] = totals;
    if (rule.minFree) {
        QJsonObject missing;
        for (const auto& [name, value] : shortfall)
            missing[name] = double(value);
        document[QStringLiteral("shortfall_bytes")] = missing;
    }
    return QJsonDocument(document).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace velmora
