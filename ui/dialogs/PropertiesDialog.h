// The properties of one trash item: a small modal dialog of read-only texts that can be
// selected and copied, and 确定.
#pragma once

#include <QList>
#include <QString>

#include "ui/dialogs/FixedDialog.h"

class QLineEdit;
class QPushButton;

namespace velmora {

// One line of the dialog: its label, its text, and the object name of the text's field.
struct PropertyField {
    QString objectName;
    QString label;
    QString text;
};

class TfrmProperties : public FixedDialog {
    Q_OBJECT
public:
    // The caption is the item's name followed by " 属性", as file managers title it.
    TfrmProperties(QWidget* owner, const QString& itemName, const QList<PropertyField>& fields);

    QList<QLineEdit*> Fields;
    QPushButton* BtnOK;

protected:
    // Escape closes it like 确定: there is nothing to cancel.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velmora
