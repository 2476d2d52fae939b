// The properties dialog: a label and a read-only, selectable text per line, and 确定.
#include "ui/dialogs/PropertiesDialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

namespace {
constexpr int Margin = 12;
constexpr int Width = 356; // of the client area
constexpr int RowHeight = 24;
constexpr int LabelWidth = 76;
constexpr int ButtonArea = 40;
} // namespace

TfrmProperties::TfrmProperties(QWidget* owner, const QString& itemName,
                               const QList<PropertyField>& fields)
    : FixedDialog(owner, QSize(Width, int(fields.size()) * RowHeight + ButtonArea), Margin) {
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(tr("%1 属性").arg(itemName));
    QWidget* client = clientArea();
    int y = 0;
    for (const PropertyField& field : fields) {
        auto* label = new QLabel(tr("%1：").arg(field.label), client);
        label->setGeometry(0, y, LabelWidth, RowHeight - 3);
        auto* text = new QLineEdit(field.text, client);
        text->setObjectName(field.objectName);
        text->setReadOnly(true);
        text->setFrame(false);
        text->setCursorPosition(0);
        // Read-only texts on the dialog's own background, like labels that can be selected.
        QPalette p = text->palette();
        p.setBrush(QPalette::Base, Qt::transparent);
        text->setPalette(p);
        text->setGeometry(LabelWidth, y, Width - LabelWidth, RowHeight - 3);
        label->setBuddy(text);
        Fields.append(text);
        y += RowHeight;
    }
    auto* line = new QFrame(client);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, y + 4, Width, 2);
    BtnOK = new QPushButton(tr("确定"), client);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(Width - 75, y + 14, 75, 25);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    BtnOK->setFocus();
}

void TfrmProperties::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        accept();
        return;
    }
    FixedDialog::keyPressEvent(event);
}

} // namespace velmora
