// What the program's dialogs share: a fixed frame, a client area inside a margin, the button-face
// background, the window font, and their place on the first showing, centred over their owner.
// Escape closes them as their close box does (QDialog::reject); Enter presses the default
// button.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmora {

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    // A dialog owned by `owner` (the main window; may be null) whose client area is `clientSize`,
    // `margin` pixels in from the frame on all four sides: no resizing, no minimise or maximise
    // button, a close button.
    FixedDialog(QWidget* owner, QSize clientSize, int margin);

    // The parent of the dialog's controls, whose positions are given in client pixels.
    QWidget* clientArea() const { return client_; }

    // The first showing places the dialog over its owner (centredOver), wholly on the owner's
    // screen; later showings keep the place where it was when it was last hidden, unless that
    // is not wholly on the owner's screen now, and then place it as the first showing does.
    void setVisible(bool visible) override;

private:
    void place();

    QWidget* client_;
    bool placed_ = false;
};

// The top-left corner of a window of `size` centred over `owner` (both with their frames):
// owner's left + (owner's width - width) / 2, the top likewise, the division rounding towards
// zero; neither coordinate less than `desktop`'s left or top edge.
QPoint centredOver(const QRect& owner, const QSize& size, const QRect& desktop);

} // namespace velmora
