// The program's own information message boxes, replaceable in tests.
#include "ui/common/InformationBox.h"

#include <QMessageBox>

#include "ui/common/AppTitle.h"
#include "ui/common/ReplaceableBox.h"

namespace velmora {

namespace {
void informationBox(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Information, applicationTitle(), text, QMessageBox::Ok, owner);
    box.exec();
}

ReplaceableBox<InformationBoxFunction> informationBoxes(informationBox);
} // namespace

void showInformation(QWidget* owner, const QString& text) {
    informationBoxes(owner, text);
}

void setInformationBoxFunction(InformationBoxFunction show) {
    informationBoxes.replace(std::move(show));
}

} // namespace velmora
