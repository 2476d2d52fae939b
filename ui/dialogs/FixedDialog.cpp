// What the program's dialogs share: frame, margin, colours, font, and their first place.
#include "ui/dialogs/FixedDialog.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <algorithm>

#include "ui/common/ScreenPlacement.h"
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
    if (visible && !isVisible())
        place();
    QDialog::setVisible(visible);
}

void FixedDialog::place() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Until the dialog has been shown its frame is unknown; the owner's frame, drawn by the
    // same window manager, stands in for it.
    QSize size = frameGeometry().size();
    if (owner && size == this->size())
        size += owner->frameGeometry().size() - owner->size();
    // Later showings keep the place it had, while that lies wholly on the owner's screen.
    if (placed_ && area.contains(QRect(frameGeometry().topLeft(), size)))
        return;
    placed_ = true;
    const QRect over = owner ? owner->frameGeometry() : area;
    const QPoint centred = centredOver(over, size, screen->availableVirtualGeometry());
    setScreen(screen);
    move(keptInside(QRect(centred, size), area).topLeft());
}

} // namespace velmora
