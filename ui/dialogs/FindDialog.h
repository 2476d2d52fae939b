// The modeless Find dialog: the text to find, two check boxes, the direction, and Find Next,
// which raises the find signal each time it is pressed.
#pragma once

#include <QFlags>

#include "ui/dialogs/FixedDialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class TFindDialog : public FixedDialog {
    Q_OBJECT
public:
    enum FindOption { frDown = 0x1, frWholeWord = 0x2, frMatchCase = 0x4 };
    Q_DECLARE_FLAGS(FindOptions, FindOption)

    // Created hidden, with an empty text and the options frDown alone.
    explicit TFindDialog(QWidget* owner);

    QLabel* FindLabel;
    QLineEdit* FindText;
    QCheckBox* MatchWholeWord;
    QCheckBox* MatchCase;
    QGroupBox* Direction;
    QRadioButton* DirectionUp;
    QRadioButton* DirectionDown;
    QPushButton* FindNext; // the default button; disabled while the text is empty
    QPushButton* FindCancel;

    // Shows the dialog without blocking its owner; an open dialog is only brought to the top.
    // The text and the options stay as they were.
    void Execute();

    FindOptions Options() const;

signals:
    // Find Next was pressed.
    void find();

protected:
    // Escape hides the dialog, as 取消 does.
    void keyPressEvent(QKeyEvent* event) override;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFindDialog::FindOptions)

} // namespace velmora
