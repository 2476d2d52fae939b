#include "ui/dialogs/PropertiesDialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

namespace {
constexpr int Width = 380;
constexpr int Top = 12;
constexpr int RowHeight = 24;
constexpr int LabelWidth = 76;
constexpr int Margin = 12;
constexpr int ButtonArea = 48;
} // namespace

TfrmProperties::TfrmProperties(QWidget* owner, const QString& itemName,
                               const QList<PropertyField>& fields)
    : FixedDialog(owner, QSize(Width, Top + int(fields.size()) * RowHeight + ButtonArea)) {
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(itemName + QStringLiteral(" 属性"));
    int y = Top;
    for (const PropertyField& field : fields) {
        auto* label = new QLabel(field.label + u'：', this);
        label->setGeometry(Margin, y, LabelWidth, RowHeight - 3);
        auto* text = new QLineEdit(field.text, this);
        text->setObjectName(field.objectName);
        text->setReadOnly(true);
        text->setFrame(false);
        text->setCursorPosition(0);
        // Read-only texts on the dialog's own background, like labels that can be selected.
        QPalette p = text->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Window));
        text->setPalette(p);
        text->setGeometry(Margin + LabelWidth, y, Width - 2 * Margin - LabelWidth, RowHeight - 3);
        label->setBuddy(text);
        Fields.append(text);
        y += RowHeight;
    }
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Margin, y + 4, Width - 2 * Margin, 2);
    BtnOK = new QPushButton(QStringLiteral("确定"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(Width - Margin - 75, y + 14, 75, 25);
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
