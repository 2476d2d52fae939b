// The item menu's message boxes: the real ones, and the slots tests replace them through.
#include "ui/main/ItemBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/common/AppTitle.h"

namespace velmora {

namespace {
bool questionBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    owner);
    box.setObjectName(QStringLiteral("DeleteQuestion"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void errorBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("ItemError"));
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

QuestionBoxFunction& question() {
    static QuestionBoxFunction ask = questionBox;
    return ask;
}

ErrorBoxFunction& error() {
    static ErrorBoxFunction show = errorBox;
    return show;
}
} // namespace

void setQuestionBoxFunction(QuestionBoxFunction ask) {
    question() = ask ? std::move(ask) : QuestionBoxFunction(questionBox);
}

void setErrorBoxFunction(ErrorBoxFunction show) {
    error() = show ? std::move(show) : ErrorBoxFunction(errorBox);
}

bool askQuestion(QWidget* owner, const QString& text) {
    return question()(owner, applicationTitle(), text);
}

void showErrorBox(QWidget* owner, const QString& text) {
    error()(owner, applicationTitle(), text);
}

} // namespace velmora
