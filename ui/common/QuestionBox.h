// The program's question boxes: caption "Velmora", the question icon, 是 and 否.
#pragma once

#include <QString>

class QWidget;

namespace velmora {

// Asks `text` in a modal box owned by owner, named objectName; 是 or 否 is the default
// (`yesByDefault`), 否 the answer of Escape and of the close box. True for 是.
bool askYesNo(QWidget* owner, const QString& text, bool yesByDefault, const QString& objectName);

} // namespace velmora
