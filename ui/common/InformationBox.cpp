// The program's own information message boxes, replaceable in tests.
#include "ui/common/InformationBox.h"

#include <QMessageBox>

#include "ui/common/AppTitle.h"

namespace velmora {

namespace {
void informationBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Information, applicationTitle(), text, QMessageBox::Ok, owner);
    box.exec();
}

InformationBoxFunction& boxFunction() {
    static InformationBoxFunction show = informationBox;
    return show;
}
} // namespace

void showInformation(QWidget* owner, const QString& text) {
    boxFunction()(owner, text);
}

void setInformationBoxFunction(InformationBoxFunction show) {
    boxFunction() = show ? std::move(show) : InformationBoxFunction(informationBox);
}

} // namespace velmora
