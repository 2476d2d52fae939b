// The item menu's message boxes: the real ones, and the slots tests replace them through.
#include "ui/main/ItemBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/common/AppTitle.h"
#include "ui/common/InformationBox.h"
#include "ui/common/QuestionBox.h"
#include "ui/common/ReplaceableBox.h"

namespace velmora {

namespace {
bool questionBox(QWidget* owner, const QString&, const QString& text) {
    return askYesNo(owner, text, true, QStringLiteral("DeleteQuestion"));
}

void errorBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("ItemError"));
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("ItemBoxes", "确定"));
    box.exec();
}

ReplaceableBox<QuestionBoxFunction> questions(questionBox);
ReplaceableBox<ErrorBoxFunction> errors(errorBox);
} // namespace

void setQuestionBoxFunction(QuestionBoxFunction ask) {
    questions.replace(std::move(ask));
}

void setErrorBoxFunction(ErrorBoxFunction show) {
    errors.replace(std::move(show));
}

bool askQuestion(QWidget* owner, const QString& text) {
    return questions(owner, applicationTitle(), text);
}

void showErrorBox(QWidget* owner, const QString& text) {
    errors(owner, applicationTitle(), text);
}

bool refuseRemoval(QWidget* owner, const RemovalPermit& permit) {
    if (permit)
        return false;
    if (permit.refusal == RemovalPermit::Refusal::Busy)
        showInformation(owner, permit.message);
    else
        showErrorBox(owner, permit.message);
    return true;
}

} // namespace velmora
