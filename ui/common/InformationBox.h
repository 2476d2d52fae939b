// The program's own information message boxes: caption "Velmora", the information icon, OK.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora {

// Shows `text` in a modal information box owned by `owner`.
void showInformation(QWidget* owner, const QString& text);

// Replaces the box; tests record the texts instead of clicking real boxes. Null restores it.
using InformationBoxFunction = std::function<void(QWidget* owner, const QString& text)>;
void setInformationBoxFunction(InformationBoxFunction show);

} // namespace velmora
