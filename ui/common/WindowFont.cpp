// The font every window uses.
#include "ui/common/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmora {

QFont windowFont() {
    static const QFont font = [] {
        const QString family = QStringLiteral("MS Sans Serif");
        QFont f = QFontDatabase::families().contains(family)
                      ? QFont(family)
                      : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(11);
        return f;
    }();
    return font;
}

} // namespace velmora
