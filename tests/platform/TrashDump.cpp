// Lists a trash the way the list sees it, one item a line, fields separated by tabs: the name,
// the detail texts, folder or not, and the stored path as bytes. The tests run it as another
// user; it is handy by hand too.
//
//   velmora_trash_dump [--data-home DIR] [--volume ROOT]... [--no-volumes] [--uid N]
//                      [--locale NAME] [--names-only]

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include <QLocale>

#include "core/FormatSettings.h"
#include "platform/LocaleSettings.h"
#include "platform/TrashSource.h"

int main(int argc, char** argv) {
    using namespace velmora;
    TrashSourceOptions options;
    QStringList volumes;
    bool volumesGiven = false, namesOnly = false;
    QLocale locale = QLocale::system();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--data-home" && hasValue) {
            options.dataHome = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--volume" && hasValue) {
            volumes.append(QString::fromLocal8Bit(argv[++i]));
            volumesGiven = true;
        } else if (arg == "--no-volumes") {
            options.scanVolumes = false;
        } else if (arg == "--uid" && hasValue) {
            options.uid = static_cast<uid_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--locale" && hasValue) {
            locale = QLocale(QString::fromLatin1(argv[++i]));
        } else if (arg == "--names-only") {
            namesOnly = true;
        } else {
            std::fprintf(stderr, "velmora_trash_dump: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    if (volumesGiven)
        options.volumeRoots = volumes;
    options.locale = locale;
    setFormatSettings(formatSettingsFor(locale));

    // Out of memory is reported and ends the listing: never an abort.
    try {
        TrashSource source(options);
        source.enumerate();
        for (int i = 0; i < source.count(); ++i) {
            QStringList fields{source.displayName(i)};
            if (namesOnly)
                fields.append(source.detail(i, TrashColumn::Deleted));
            else
                fields += source.details(i);
            fields.append(source.isFolder(i) ? QStringLiteral("folder") : QStringLiteral("item"));
            const QByteArray line = fields.join(u'\t').toUtf8() + '\t' + source.nativePathName(i);
            std::printf("%s\n", line.constData());
        }
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "velmora_trash_dump: out of memory\n");
        return 3;
    }
    return 0;
}
