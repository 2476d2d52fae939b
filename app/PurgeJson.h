// The purge's report for scripts (--json): one JSON document, the same shape for a dry run and a
// purge. Its fields are a stable interface, documented in the README and the manual page.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>

#include "core/DateTime.h"
#include "core/RemoveOutcome.h"
#include "core/SpaceBudget.h"
#include "platform/TrashListing.h"

namespace velmora {

// What the purge was asked to do.
struct JsonRule {
    std::optional<TDateTime> cutOff; // local time
    bool all = false;
    std::optional<SpaceSize> maxSize;
    std::optional<SpaceSize> minFree;
    // The bytes a percentage stands for on each volume, by volume name.
    std::map<QString, std::uint64_t> maxSizeBytes, minFreeBytes;
};

// One planned item.
struct JsonItem {
    QByteArray trash;    // the trash directory
    QByteArray stored;   // the name in files/
    QByteArray original; // the original path; null when it is not known
    TDateTime deleted = 0;
    std::uint64_t bytes = 0;
    ItemKind kind = ItemKind::File;
    std::optional<RemoveOutcome> outcome; // a purge's; none in a dry run
};

// A local moment with its offset: "2026-11-01T00:00:00+08:00".
QString jsonMoment(TDateTime local);

// The whole document, compact, with a final line break. `shortfall` is written only with
// --min-free, by volume name.
QByteArray purgeJson(bool dryRun, const JsonRule& rule, const QList<JsonItem>& items,
                     const std::map<QString, std::uint64_t>& shortfall);

} // namespace velmora
