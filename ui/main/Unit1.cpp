// The main window: its controls, their layout, and the handlers behind them.
#include "ui/main/Unit1.h"

#include <cmath>

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include "core/AgeAnalysis.h"
#include "core/DetailColumns.h"
#include "core/Purge.h"
#include "core/PurgeQuestion.h"
#include "core/Search.h"
#include "core/Totals.h"
#include "platform/ItemRemoval.h"
#include "platform/QtText.h"
#include "platform/RemovalPermit.h"
#include "platform/SourceRows.h"
#include "ui/common/AppTitle.h"
#include "ui/common/ClickLabel.h"
#include "ui/common/DateEditFormat.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/InformationBox.h"
#include "ui/common/Named.h"
#include "ui/common/ScreenPlacement.h"
#include "ui/common/WindowFont.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/ItemBoxes.h"
#include "ui/main/ItemMenu.h"
#include "ui/main/PurgeProgressWindow.h"
#include "ui/main/PurgeQuestionBox.h"
#include "ui/main/ShellListFindRows.h"
#include "ui/main/ShellListView.h"

namespace velmora {

int SizeColumn = DetailColumns{}.size;
int DateColumn = DetailColumns{}.date;
int SearchPos = 0;

namespace {
// Day 0 of TDateTime.
const QDate DateZero(1899, 12, 30);

// The dialogs exist for the window's whole life (start-up creates them before it shows the
// window): a missing one is a programming error, checked in every build.
template <class D> D& existing(D* dialog, const char* name) {
    if (!dialog)
        qFatal("TForm1: the dialog %s does not exist", name);
    return *dialog;
}

QLabel* fixedLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = named(new QLabel(text, parent), name);
    label->setGeometry(geometry);
    return label;
}
} // namespace

TForm1::TForm1(std::unique_ptr<ItemSource> source, TodayFunction today, QWidget* parent)
    : QWidget(parent), today_(std::move(today)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFont(windowFont());
    resize(715, 491);
    createControls(std::move(source));
    layoutGroups();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::createControls(std::unique_ptr<ItemSource> source) {
    GroupBox1 = named(new QGroupBox(tr("安全清理回收站"), this), "GroupBox1");
    GroupBox2 = named(new QGroupBox(tr("回收站"), this), "GroupBox2");

    BtnAnalyse = named(new QPushButton(tr("分析"), GroupBox1), "BtnAnalyse");
    BtnAnalyse->setGeometry(389, 22, 65, 25);
    BtnDelete = named(new QPushButton(tr("清除"), GroupBox1), "BtnDelete");
    BtnDelete->setGeometry(473, 22, 65, 25);

    RbDate = named(new QRadioButton(tr("按日期：清除"), GroupBox1), "RbDate");
    RbDate->setGeometry(24, 24, 113, 17);
    RbDate->setChecked(true);
    DtCeil = named(new QDateEdit(GroupBox1), "DtCeil");
    DtCeil->setGeometry(121, 22, 98, 21);
    DtCeil->setCalendarPopup(true);
    // The date as the list writes it: the user's short date with a four-digit year.
    showDatesAsTheListDoes(DtCeil, formatSettings());
    DtCeil->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    Label1 = fixedLabel(GroupBox1, "Label1", tr("之前删除到回收站的文件"), QRect(225, 24, 177, 13));

    RbDays = named(new QRadioButton(tr("按天数：清除"), GroupBox1), "RbDays");
    RbDays->setGeometry(24, 61, 113, 17);
    CmbDays = named(new QComboBox(GroupBox1), "CmbDays");
    CmbDays->setGeometry(121, 57, 51, 21);
    CmbDays->setEditable(true);
    CmbDays->setInsertPolicy(QComboBox::NoInsert);
    CmbDays->addItems({QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30"),
                       QStringLiteral("60"), QStringLiteral("180")});
    CmbDays->setCurrentIndex(3); // "60"
    Label2 =
        fixedLabel(GroupBox1, "Label2", tr("天之前删除到回收站中的文件"), QRect(181, 61, 193, 13));

    ShellListView1 = named(new TShellListView(std::move(source), GroupBox2), "ShellListView1");
    new ItemCommands(*ShellListView1); // the item menu and the rename, owned by the list

    Panel1 = named(new QFrame(GroupBox2), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A white panel in a light theme: the palette's field colours, so that its labels, which
    // take their text colour from the panel's role, stay readable in every theme.
    Panel1->setAutoFillBackground(true);
    Panel1->setBackgroundRole(QPalette::Base);
    Panel1->setForegroundRole(QPalette::Text);

    Image1 = named(new QLabel(Panel1), "Image1");
    Image1->setGeometry(8, 8, 32, 32);
    Image1->setPixmap(QPixmap(QStringLiteral(":/velmora/velmora.png")));

    lblAbout = named(new ClickLabel(GroupBox1), "lblAbout");
    lblAbout->setText(tr("关于\"%1\"").arg(applicationTitle()));
    lblAbout->setGeometry(519, 64, 169, 13);
    lblAbout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAbout->setCursor(Qt::PointingHandCursor);
    QFont underlined = lblAbout->font();
    underlined.setUnderline(true);
    lblAbout->setFont(underlined);
    // The theme's link colour: blue in a light theme, a lighter one in a dark theme.
    lblAbout->setForegroundRole(QPalette::Link);

    Label3 =
        fixedLabel(Panel1, "Label3", tr("回收站中已删除文件、文件夹共："), QRect(8, 50, 105, 39));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTotal = fixedLabel(Panel1, "lblTotal", QString(), QRect(26, 90, 88, 13));
    Label4 = fixedLabel(Panel1, "Label4", tr("合计占用空间："), QRect(8, 138, 105, 13));
    lblTotalSpace = named(new QLabel(Panel1), "lblTotalSpace");
    lblTotalSpace->move(16, 156);
    lblTotalSpace->adjustSize();

    lblUnavailable = named(new QLabel(Panel1), "lblUnavailable");
    lblUnavailable->setWordWrap(true);
    lblUnavailable->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    lblUnavailable->hide();

    BtnSeek = named(new QPushButton(tr("搜索"), GroupBox1), "BtnSeek");
    BtnSeek->setGeometry(556, 22, 65, 25);
    FindDialog1 = new TFindDialog(this);

    // Enter presses the focused button, as Space does.
    for (QPushButton* button : {BtnAnalyse, BtnDelete, BtnSeek})
        button->setAutoDefault(true);

    // Keyboard order: the bottom group first, then the list and its panel.
    QWidget* order[] = {BtnAnalyse, BtnDelete, RbDate,   DtCeil,        RbDays,
                        CmbDays,    BtnSeek,   lblAbout, ShellListView1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    // What a screen reader says for the controls without a caption of their own: the date
    // picker and the days box are named by their radio buttons, the list by its group.
    DtCeil->setAccessibleName(RbDate->text());
    CmbDays->setAccessibleName(RbDays->text());
    CmbDays->lineEdit()->setAccessibleName(RbDays->text());
    ShellListView1->setAccessibleName(GroupBox2->title());

    connect(CmbDays, &QComboBox::editTextChanged, this,
            guard([this](const QString&) { CmbDaysChange(); }));
    connect(ShellListView1, &QAbstractItemView::doubleClicked, this,
            guard([this](const QModelIndex&) { ShellListView1DblClick(); }));
    connect(lblAbout, &ClickLabel::clicked, this, guard([this] { lblAboutClick(); }));
    connect(BtnAnalyse, &QPushButton::clicked, this, guard([this] { BtnAnalyseClick(); }));
    connect(BtnSeek, &QPushButton::clicked, this, guard([this] { BtnSeekClick(); }));
    connect(FindDialog1, &TFindDialog::find, this, guard([this] { FindDialog1Find(); }));
    connect(BtnDelete, &QPushButton::clicked, this, guard([this] { BtnDeleteClick(); }));
}

void TForm1::layoutGroups() {
    const int w = width();
    const int h = height();
    // The bottom group keeps its height; the list's group takes the rest.
    GroupBox1->setGeometry(0, h - 105, w, 105);
    // A window reduced to a small screen keeps the about link whole inside the group.
    lblAbout->move(std::max(0, std::min(519, w - 2 - lblAbout->width())), 64);
    GroupBox2->setGeometry(0, 0, w, std::max(0, h - 105));
    const int innerHeight = std::max(0, GroupBox2->height() - 17);
    Panel1->setGeometry(2, 15, 119, innerHeight);
    // The panel's foot, below everything else on it; it grows upwards for a second line.
    lblUnavailable->setGeometry(8, std::max(0, innerHeight - 34), 105, 26);
    ShellListView1->setGeometry(121, 15, std::max(0, w - 123), innerHeight);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutGroups();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!shownBefore_) {
        shownBefore_ = true;
        // Centred on its screen, and no larger than it.
        const QRect area = availableArea(*this);
        const QSize frame = frameGeometry().size();
        placeOnScreen(QRect(QPoint(area.x() + (area.width() - frame.width()) / 2,
                                   area.y() + (area.height() - frame.height()) / 2),
                            frame));
        // Moved to a smaller screen, it is reduced to that screen's size and placed on it.
        if (QWindow* native = windowHandle())
            connect(native, &QWindow::screenChanged, this, [this] {
                const QRect frameNow = frameGeometry();
                const QRect areaNow = availableArea(*this);
                if (frameNow.width() > areaNow.width() || frameNow.height() > areaNow.height())
                    placeOnScreen(frameNow);
            });
    }
    guarded([this] { FormShow(); });
}

void TForm1::placeOnScreen(const QRect& frame) {
    const QRect area = availableArea(*this);
    if (area.isEmpty())
        return;
    // The list gives up what the screen lacks; the bottom group keeps its height.
    const QRect kept = keptInside(frame, area);
    const QSize border = frameGeometry().size() - size();
    if (kept.size() != frame.size())
        resize(kept.size() - border);
    move(kept.topLeft());
}

void TForm1::FormCreate() {
    const DetailColumns columns = findDetailColumns(headingsOf(ShellListView1->Columns()));
    SizeColumn = columns.size;
    DateColumn = columns.date;
    setWindowTitle(applicationTitle());
    SetDtCeilDateTime(today_() - 60);
}

void TForm1::FormShow() {
    RefreshSum();
}

void TForm1::RefreshSum() {
    Totals totals;
    {
        TShellListView::Walk walk(*ShellListView1);
        totals = computeTotals(*ShellListView1, SizeColumn);
    }
    lblTotal->setText(toQString(totals.countText));
    lblTotalSpace->setText(toQString(totals.spaceText));
    lblTotalSpace->adjustSize();
    // The volumes the last enumeration left out, because they did not answer in time.
    const QStringList unavailable = ShellListView1->source().unavailableVolumes();
    lblUnavailable->setText(tr("不可用的卷：%n个", nullptr, int(unavailable.size())));
    lblUnavailable->setToolTip(unavailable.join(u'\n'));
    lblUnavailable->setVisible(!unavailable.isEmpty());
    existing(frmAnalyze, "frmAnalyze").ISpaceTotal = totals.megabytes;
    // A listing that failed is no empty trash: the user is told why the list is incomplete.
    const QString listingError = ShellListView1->source().listingError();
    if (!listingError.isEmpty())
        showErrorBox(this, listingError);
}

CutOffChoice TForm1::cutOffChoice() const {
    CutOffChoice choice;
    choice.byDate = RbDate->isChecked();
    choice.pickerValue = DtCeilDateTime();
    choice.daysText = toText(CmbDays->currentText());
    choice.today = today_();
    return choice;
}

void TForm1::BtnAnalyseClick() {
    const CutOffChoice choice = cutOffChoice();
    AgeAnalysis analysis;
    {
        TShellListView::Walk walk(*ShellListView1);
        analysis = analyseAge(*ShellListView1, choice, DateColumn, SizeColumn);
    }
    TfrmAnalyze& dialog = existing(frmAnalyze, "frmAnalyze");
    dialog.StrMsg = toQString(analysis.message);
    dialog.ISpacePart = analysis.megabytes;
    dialog.exec();
}

void TForm1::BtnDeleteClick() {
    // Nothing goes on the word of a listing that failed, nor while another removal runs; the
    // lock is held until the purge has ended.
    const RemovalPermit permit = permitRemoval(ShellListView1->source());
    if (refuseRemoval(this, permit))
        return;
    const CutOffChoice choice = cutOffChoice();
    PurgePlan plan;
    {
        TShellListView::Walk walk(*ShellListView1);
        plan = planPurge(*ShellListView1, choice, DateColumn, SizeColumn);
        // Nothing is removed without a 是; 否 leaves everything, the selection included, as it
        // was. With nothing to remove there is nothing to ask.
        if (!plan.rows.empty() && !askPurgeQuestion(this, toQString(purgeQuestion(plan)))) {
            walk.discard();
            return;
        }
    }
    SourceRemover remover(ShellListView1->source());
    WindowRemovalRunner runner(*this, RemovalThreads);
    const PurgeReport report = removePlan(plan, remover, runner);
    showInformation(this, toQString(report.removedMessage));
    showInformation(this, toQString(report.freedMessage));
    ShellListView1->Refresh();
    RefreshSum();
    // The list, not 清除: a second key press must not start another purge.
    ShellListView1->setFocus(Qt::OtherFocusReason);
}

RemoveOutcome TForm1::KillItem(int index) {
    return ShellListView1->source().remove(index);
}

void TForm1::CmbDaysChange() {
    RbDays->setChecked(true);
}

void TForm1::ShellListView1DblClick() {
    ShellListView1->SetRoot(QString::fromLatin1(TShellListView::RecycleBinRoot));
}

void TForm1::lblAboutClick() {
    existing(frmAbout, "frmAbout").exec();
}

void TForm1::BtnSeekClick() {
    ShellListFindRows rows(*ShellListView1);
    startSearch(rows, SearchPos);
    FindDialog1->Execute();
}

void TForm1::FindDialog1Find() {
    ShellListFindRows rows(*ShellListView1);
    const bool down = FindDialog1->Options().testFlag(TFindDialog::frDown);
    if (findNext(rows, toText(FindDialog1->FindText->text()), down, SearchPos) ==
        FindOutcome::EndOfList)
        showInformation(this, toQString(searchEndedText()));
}

TDateTime TForm1::DtCeilDateTime() const {
    return static_cast<TDateTime>(DateZero.daysTo(DtCeil->date()));
}

void TForm1::SetDtCeilDateTime(TDateTime value) {
    DtCeil->setDate(DateZero.addDays(static_cast<qint64>(std::floor(value))));
}

} // namespace velmora
