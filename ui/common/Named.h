// Gives a control its name as its objectName, as the form designer would, and optionally its place.
#pragma once

#include <QRect>
#include <QString>

namespace velmora {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

template <class W> W* named(W* widget, const char* name, QRect geometry) {
    named(widget, name)->setGeometry(geometry);
    return widget;
}

} // namespace velmora
