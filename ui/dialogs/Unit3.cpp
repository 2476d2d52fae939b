// Unit3 holds TfrmAnalyze, the analysis dialog: the message over the pie chart, filled at every
// showing.
#include "ui/dialogs/Unit3.h"

#include <QShowEvent>

#include "ui/common/AppTitle.h"
#include "ui/common/CoreText.h"
#include "ui/common/HandlerGuard.h"

namespace velmora {

TfrmAnalyze* frmAnalyze = nullptr;

namespace {
constexpr int ClientWidth = 296;
constexpr int ClientHeight = 258;
constexpr int Margin = 10;
constexpr int ChartHeight = 209;
} // namespace

TfrmAnalyze::TfrmAnalyze(QWidget* owner)
    : FixedDialog(owner, QSize(ClientWidth, ClientHeight), Margin) {
    setObjectName(QStringLiteral("frmAnalyze"));

    Label1 = new MessageLabel(clientArea());
    Label1->setObjectName(QStringLiteral("Label1"));

    Chart1 = new PieChart(clientArea());
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setAccessibleName(tr("占用空间饼图"));
    Series1 = Chart1->series();
    Series1->setObjectName(QStringLiteral("Series1"));

    BitBtn1 = new QPushButton(tr("确定"), clientArea());
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(115, 233, 75, 25);
    BitBtn1->setDefault(true); // Enter closes the dialog, Escape too (as the close box does)
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(Chart1, BitBtn1);
    alignControls();

    guarded([this] { FormCreate(); });
}

void TfrmAnalyze::FormCreate() {
    setWindowTitle(tr("%1 - 分析").arg(applicationTitle()));
}

void TfrmAnalyze::FormShow() {
    // A carriage return, alone or before a line feed, starts a new line.
    QString caption = StrMsg;
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    caption.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(caption);
    alignControls();

    Series1->Clear();
    Series1->Add(static_cast<double>(ISpacePart), tr(" 指定时间前删除文件占用空间"),
                 QColor(255, 0, 0));
    Series1->Add(static_cast<double>(ISpaceTotal - ISpacePart), tr(" 其它时间删除文件占用空间"),
                 QColor(0, 128, 0));
    // What the chart shows, for those who cannot see it: the message and each slice's share.
    Chart1->setAccessibleDescription(caption + u'\n' + Chart1->sharesText());
}

void TfrmAnalyze::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    // A window restored by the window manager is not a new showing.
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void TfrmAnalyze::alignControls() {
    Label1->setGeometry(0, 0, ClientWidth, Label1->height());
    Label1->fitHeight();
    Chart1->setGeometry(0, Label1->height(), ClientWidth, ChartHeight);
}

} // namespace velmora
