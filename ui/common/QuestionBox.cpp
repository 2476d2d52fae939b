// The question box.
#include "ui/common/QuestionBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/common/AppTitle.h"

namespace velmora {

bool askYesNo(QWidget* owner, const QString& text, bool yesByDefault, const QString& objectName) {
    QMessageBox box(QMessageBox::Question, applicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setObjectName(objectName);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QuestionBox", "是"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("QuestionBox", "否"));
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace velmora
