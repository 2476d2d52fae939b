// The message boxes of the item menu (caption "Velmora"): the question before a permanent
// deletion and the error boxes of its commands, replaceable so that tests never click one.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmora {

// Returns true for 是.
using QuestionBoxFunction =
    std::function<bool(QWidget* owner, const QString& caption, const QString& text)>;
using ErrorBoxFunction =
    std::function<void(QWidget* owner, const QString& caption, const QString& text)>;

// Replace the boxes; an empty function restores the real one.
void setQuestionBoxFunction(QuestionBoxFunction ask);
void setErrorBoxFunction(ErrorBoxFunction show);

// A question box (question icon, 是 and 否, 是 the default, as the shell asks), object name
// "DeleteQuestion", owned by owner; true when 是 is chosen.
bool askQuestion(QWidget* owner, const QString& text);

// An error box (critical icon, 确定) owned by owner; returns when it is closed.
void showErrorBox(QWidget* owner, const QString& text);

} // namespace velmora
