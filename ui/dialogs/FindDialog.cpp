// The modeless Find dialog and its controls.
#include "ui/dialogs/FindDialog.h"
#include "ui/common/Named.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora {

TFindDialog::TFindDialog(QWidget* owner) : FixedDialog(owner, QSize(376, 98), 0) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(tr("查找"));
    setModal(false);
    QWidget* client = clientArea();

    FindLabel = named(new QLabel(tr("查找内容(&N):"), client), "FindLabel", QRect(6, 13, 66, 13));
    FindText = named(new QLineEdit(client), "FindText", QRect(74, 9, 204, 21));
    FindLabel->setBuddy(FindText);

    MatchWholeWord =
        named(new QCheckBox(tr("全字匹配(&W)"), client), "MatchWholeWord", QRect(6, 42, 118, 20));
    MatchCase =
        named(new QCheckBox(tr("区分大小写(&C)"), client), "MatchCase", QRect(6, 68, 118, 20));

    Direction = named(new QGroupBox(tr("方向"), client), "Direction", QRect(130, 40, 148, 50));
    DirectionUp =
        named(new QRadioButton(tr("向上(&U)"), Direction), "DirectionUp", QRect(8, 22, 64, 20));
    DirectionDown =
        named(new QRadioButton(tr("向下(&D)"), Direction), "DirectionDown", QRect(76, 22, 64, 20));
    DirectionDown->setChecked(true);

    FindNext =
        named(new QPushButton(tr("查找下一个(&F)"), client), "FindNext", QRect(286, 8, 84, 23));
    FindNext->setDefault(true);
    FindNext->setEnabled(false);
    FindCancel = named(new QPushButton(tr("取消"), client), "FindCancel", QRect(286, 37, 84, 23));
    FindCancel->setAutoDefault(false);

    QWidget* order[] = {FindText,      MatchWholeWord, MatchCase, DirectionUp,
                        DirectionDown, FindNext,       FindCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(FindText, &QLineEdit::textChanged, this,
            [this](const QString& text) { FindNext->setEnabled(!text.isEmpty()); });
    connect(FindNext, &QPushButton::clicked, this, &TFindDialog::find);
    connect(FindCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFindDialog::Execute() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
    raise();
    activateWindow();
    FindText->setFocus();
    FindText->selectAll();
}

TFindDialog::FindOptions TFindDialog::Options() const {
    FindOptions options;
    options.setFlag(frDown, DirectionDown->isChecked());
    options.setFlag(frWholeWord, MatchWholeWord->isChecked());
    options.setFlag(frMatchCase, MatchCase->isChecked());
    return options;
}

void TFindDialog::keyPressEvent(QKeyEvent* event) {
    QDialog::keyPressEvent(event);
}

} // namespace velmora
