// What the program's dialogs share: frame, margin, colours, font, and their first place.
#include "ui/dialogs/FixedDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMargins>
#include <QScreen>
#include <algorithm>

#include "ui/common/WindowFont.h"

namespace velmora {

FixedDialog::FixedDialog(QWidget* owner, QSize clientSize, int margin)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setFixedSize(clientSize.grownBy(QMargins(margin, margin, margin, margin)));
    setSizeGripEnabled(false);
    // The button face, by its role: its controls take the matching text colour in every theme.
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
    setAutoFillBackground(true);
    setFont(windowFont());
    client_ = new QWidget(this);
    client_->setGeometry(QRect(QPoint(margin, margin), clientSize));
}

QPoint centredOver(const QRect& owner, const QSize& size, const QRect& desktop) {
    return {std::max(owner.left() + (owner.width() - size.width()) / 2, desktop.left()),
            std::max(owner.top() + (owner.height() - size.height()) / 2, desktop.top())};
}

void FixedDialog::setVisible(bool visible) {
    if (visible && !placed_ && !isVisible()) {
        placed_ = true;
        QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        QScreen* screen = owner ? owner->screen() : this->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect desktop = screen ? screen->availableVirtualGeometry() : QRect();
        // Until the dialog has been shown its frame is unknown; the owner's frame, drawn by the
        // same window manager, stands in for it.
        QSize size = frameGeometry().size();
        if (owner && size == this->size())
            size += owner->frameGeometry().size() - owner->size();
        const QRect over =
            owner ? owner->frameGeometry() : (screen ? screen->availableGeometry() : QRect());
        move(centredOver(over, size, desktop));
    }
    QDialog::setVisible(visible);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace velmora
