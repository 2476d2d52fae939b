// The message boxes of the item menu (caption "Velmora"): the question before a permanent
// deletion, the error boxes of its commands and the refusal of a removal, replaceable so that
// tests never click one.
#pragma once

#include <QString>
#include <functional>

#include "platform/RemovalPermit.h"

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

// The box of a removal refused before it started: "另一个清除正在进行" in an information box
// while another removal holds the lock, otherwise the reason (a listing that failed) in an
// error box. False when the permit was granted and nothing was shown.
bool refuseRemoval(QWidget* owner, const RemovalPermit& permit);

} // namespace velmora
