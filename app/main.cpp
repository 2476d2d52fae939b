// Process entry of Velmora.
#include <QApplication>
#include <QWidget>

#include "platform/LocaleSettings.h"
#include "ui/common/AppTitle.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::loadSystemFormatSettings();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.resize(715, 491);
    window.show();
    app.exec();
    return 0;
}
