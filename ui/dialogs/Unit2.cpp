// Unit2 holds TfrmAbout, the about dialog: its controls, and the link that opens the support page.
#include "ui/dialogs/Unit2.h"

#include <QDesktopServices>
#include <QImage>
#include <QPixmap>

#include "ui/common/AppTitle.h"
#include "ui/common/ClickLabel.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/Named.h"
#include "ui/dialogs/Shape.h"
#include "ui/dialogs/SupportAddress.h"

namespace velmora {

TfrmAbout* frmAbout = nullptr;

QPixmap transparentBanner(const QImage& banner) {
    QImage image = banner.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == transparent)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(image);
}

TfrmAbout::TfrmAbout(QWidget* owner)
    : FixedDialog(owner, QSize(355, 326), 3),
      openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("frmAbout"));
    QWidget* client = clientArea();

    Image1 = named(new QLabel(client), "Image1", QRect(0, 0, 354, 217));
    Image1->setPixmap(transparentBanner(QImage(QStringLiteral(":/velmora/banner.bmp"))));
    Image2 = named(new QLabel(client), "Image2", QRect(0, 0, 32, 32));
    Image2->setPixmap(QPixmap(QStringLiteral(":/velmora/velmora.png")));
    Shape1 = named(new TShape(client), "Shape1", QRect(0, 220, 354, 3));

    lblVersion = named(new QLabel(client), "lblVersion", QRect(24, 236, 281, 13));
    lblVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = named(new ClickLabel(client), "Label1", QRect(88, 256, 152, 13));
    QFont underlined = Label1->font();
    underlined.setUnderline(true);
    Label1->setFont(underlined);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The address and one blank; the label is as wide as its text.
    Label1->setText(supportAddress() + QLatin1Char(' '));
    Label1->resize(Label1->fontMetrics().horizontalAdvance(Label1->text()), 13);

    Label2 = named(new QLabel(tr("技术支持："), client), "Label2", QRect(24, 257, 60, 13));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BitBtn1 = named(new QPushButton(tr("确定"), client), "BitBtn1", QRect(288, 296, 51, 25));
    BitBtn1->setDefault(true);
    // The dialog opens with the focus on 确定; Tab goes on to the link.
    setTabOrder(BitBtn1, Label1);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Label1, &ClickLabel::clicked, this, guard([this] { Label1Click(); }));

    guarded([this] { FormCreate(); });
}

void TfrmAbout::FormCreate() {
    setWindowTitle(applicationTitle());
    lblVersion->setText(applicationTitle() + QStringLiteral("1.4"));
}

void TfrmAbout::Label1Click() {
    QString address = Label1->text();
    if (address.endsWith(QLatin1Char(' ')))
        address.chop(1);
    openUrl(QUrl(address));
}

} // namespace velmora
