// Unit2 holds TfrmAbout, the about dialog: the banner with the program's icon, its name and
// version, and a link to the support page.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <functional>

#include "ui/dialogs/FixedDialog.h"

namespace velmora {

class ClickLabel;
class TShape;

class TfrmAbout : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* owner);

    QLabel* Image1;       // the banner; its white shows the dialog's background
    QLabel* Image2;       // the program's icon over the banner's top-left corner
    TShape* Shape1;       // the rule under the banner
    QLabel* lblVersion;   // "Velmora1.4"
    ClickLabel* Label1;   // the support address and a blank, as a link
    QLabel* Label2;       // "技术支持："
    QPushButton* BitBtn1; // "确定": closes with result 1

    // Opens an address in the user's browser; tests replace it. Its result is not looked at.
    std::function<void(const QUrl&)> openUrl;

    // Sets the caption and the version; runs once, at creation.
    void FormCreate();
    // Opens the support address; the dialog stays open.
    void Label1Click();
};

// The banner as the dialog draws it: every pixel of the colour of the bottom-left one (white)
// made transparent.
QPixmap transparentBanner(const QImage& banner);

// The single instance, created by the application at start-up.
extern TfrmAbout* frmAbout;

} // namespace velmora
