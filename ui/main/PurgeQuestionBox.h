// The question the main window asks before the purge removes anything, replaceable so that tests
// never click a real box.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora {

// Returns true for 是.
using PurgeQuestionFunction = std::function<bool(QWidget* owner, const QString& text)>;

// A question box (caption "Velmora", question icon, 是 and 否, 否 the default and the answer of
// Escape), object name "PurgeQuestion", owned by owner; true when 是 is chosen.
bool askPurgeQuestion(QWidget* owner, const QString& text);

// Replaces the box; an empty function restores the real one.
void setPurgeQuestionFunction(PurgeQuestionFunction ask);

} // namespace velmora
