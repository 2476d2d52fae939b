// Tests of the main window (TForm1) over a fake trash: its controls, their places, names and
// texts; the columns found by their headings; the panel's totals and unavailable volumes; the
// analysis and its dialog; the purge (清除) with its messages, its progress window and cancel.
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "FailingThreadStarts.h"
#include "FakeItemSource.h"
#include "TestHelpers.h"
#include "app/ErrorHandler.h"
#include "core/FormatSettings.h"
#include "ui/common/ClickLabel.h"
#include "ui/common/InformationBox.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/ItemBoxes.h"
#include "ui/main/ItemMenu.h"
#include "ui/main/PurgeProgressWindow.h"
#include "ui/main/PurgeQuestionBox.h"
#include "ui/main/ShellListView.h"
#include "ui/main/Unit1.h"

namespace velmora {
namespace {

using test::date;

using test::FakeItem;
using test::FakeItemSource;

// The main window over a fake trash with its dialogs, created as start-up creates them, and
// message boxes recorded instead of shown.
struct WindowFixture {
    explicit WindowFixture(std::vector<FakeItem> items,
                           QList<ColumnInfo> columns = test::trashColumns(),
                           TDateTime today = date(2020, 11, 27)) {
        setFormatSettings(FormatSettings{});
        installErrorHandler();
        setMessageBoxFunction([this](QWidget*, const QString& caption, const QString& text) {
            boxes.append(caption + u'|' + text);
        });
        setInformationBoxFunction([this](QWidget* owner, const QString& text) {
            boxes.append(text);
            EXPECT_EQ(owner, form.get());
        });
        setPurgeQuestionFunction([this](QWidget* owner, const QString& text) {
            questions.append(text);
            EXPECT_EQ(owner, form.get());
            return purgeAnswer;
        });
        auto owned = std::make_unique<FakeItemSource>(std::move(items), std::move(columns));
        source = owned.get();
        form = std::make_unique<TForm1>(std::move(owned), [today] { return today; });
        about = std::make_unique<TfrmAbout>(form.get());
        dialog = std::make_unique<TfrmAnalyze>(form.get());
        frmAbout = about.get();
        frmAnalyze = dialog.get();
    }
    ~WindowFixture() {
        frmAbout = nullptr;
        frmAnalyze = nullptr;
        setMessageBoxFunction({});
        setInformationBoxFunction({});
        setPurgeQuestionFunction({});
    }

    void show() {
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    FakeItemSource* source;
    std::unique_ptr<TForm1> form;
    // Destroyed before their owner.
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmAnalyze> dialog;
    QStringList boxes;
    QStringList questions;   // the purge's questions
    bool purgeAnswer = true; // 是
};

QList<ColumnInfo> headings(QStringList names) {
    QList<ColumnInfo> columns;
    for (const QString& n : names)
        columns.append({n, Qt::AlignLeft, 10});
    return columns;
}

TEST(MainWindowTest, FindsTheSizeAndDateColumnsByTheirHeadings) {
    struct Case {
        const char* what;
        QStringList headings;
        int size, date;
    };
    const Case cases[] = {
        {"the trash's own", {"名称", "原位置", "删除日期", "大小", "项目类型", "修改日期"}, 2, 1},
        {"English headings", {"Name", "Original Location", "Date Deleted", "Size"}, 2, 1},
        {"moved", {"名称", "文件大小", "原位置", "删除日期时间"}, 0, 2},
        {"two sizes: the later wins", {"名称", "大小", "原位置", "压缩大小"}, 2, 1},
        {"one heading with both", {"名称", "原位置", "删除日期与大小"}, 1, 1},
        {"size in the name column", {"大小", "原位置", "删除日期"}, 2, 1},
        {"a single column", {"名称"}, 2, 1},
    };
    for (const Case& c : cases) {
        SizeColumn = DateColumn = -7;
        WindowFixture f({}, headings(c.headings));
        EXPECT_EQ(SizeColumn, c.size) << c.what;
        EXPECT_EQ(DateColumn, c.date) << c.what;
    }
}

// Volumes left out of the listing because they did not answer are named at the foot of Panel1,
// below the totals, with their top directories in the tooltip; nothing shows when there are none.
// With VELMORA_RENDER_DIR set, the window is written there as PNG files.
TEST(MainWindowTest, UnavailableVolumesAreNamedBelowTheTotals) {
    const QString renderDir = QString::fromLocal8Bit(qgetenv("VELMORA_RENDER_DIR"));
    for (const QStringList& volumes :
         {QStringList{}, QStringList{"/media/u/USB"}, QStringList{"/media/u/USB", "/mnt/nfs"}}) {
        WindowFixture f({test::trashItem("a", "2020/10/1 10:00", "1 KB")});
        f.source->unavailable = volumes;
        f.form->ShellListView1->Refresh();
        f.show();
        QLabel* label = f.form->lblUnavailable;
        EXPECT_EQ(label->parentWidget(), f.form->Panel1);
        EXPECT_EQ(label->isVisible(), !volumes.isEmpty());
        if (!renderDir.isEmpty())
            f.form->grab().save(renderDir +
                                QStringLiteral("/unavailable-%1.png").arg(volumes.size()));
        if (volumes.isEmpty())
            continue;
        EXPECT_EQ(label->text(), QStringLiteral("不可用的卷：%1个").arg(volumes.size()));
        EXPECT_EQ(label->toolTip(), volumes.join(u'\n'));
        EXPECT_GT(label->y(), f.form->lblTotalSpace->geometry().bottom());
        EXPECT_LE(label->geometry().bottom(), f.form->Panel1->height());
    }
}

// Start-up creates the dialogs before the window can show; without one, the window stops at
// once instead of silently leaving out what the dialog would show.
TEST(MainWindowDeathTest, AMissingDialogIsAProgrammingError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    WindowFixture f({});
    frmAbout = nullptr;
    EXPECT_DEATH(f.form->lblAboutClick(), "frmAbout");
    frmAnalyze = nullptr;
    EXPECT_DEATH(f.form->RefreshSum(), "frmAnalyze");
}

TEST(MainWindowTest, DatePickerStartsSixtyDaysBack) {
    struct Case {
        TDateTime today;
        QDate expected;
    };
    const Case cases[] = {
        {date(2020, 3, 1), QDate(2020, 1, 1)},
        {date(2021, 2, 1), QDate(2020, 12, 3)},
        {date(2020, 11, 27), QDate(2020, 9, 28)},
    };
    for (const Case& c : cases) {
        WindowFixture f({}, test::trashColumns(), c.today);
        EXPECT_EQ(f.form->DtCeil->date(), c.expected);
        EXPECT_EQ(f.form->DtCeilDateTime(), c.today - 60);
        EXPECT_EQ(f.form->windowTitle(), QStringLiteral("Velmora"));
        EXPECT_TRUE(f.form->RbDate->isChecked());
        EXPECT_EQ(f.form->CmbDays->currentText(), QStringLiteral("60"));
    }
}

TEST(MainWindowTest, ChangingTheDaysSelectsClearingByDays) {
    WindowFixture f({});
    f.show();
    QTest::keyClicks(f.form->CmbDays->lineEdit(), QStringLiteral("3"));
    EXPECT_TRUE(f.form->RbDays->isChecked());

    f.form->RbDate->setChecked(true);
    f.form->CmbDays->setCurrentIndex(0);
    EXPECT_TRUE(f.form->RbDays->isChecked());

    // The date picker has no such handler.
    f.form->RbDate->setChecked(true);
    f.form->DtCeil->setDate(QDate(2020, 5, 5));
    EXPECT_TRUE(f.form->RbDate->isChecked());
}

TEST(MainWindowTest, ShowingTheWindowFillsThePanel) {
    WindowFixture f({test::trashItem("a", "2020/1/1 10:00", "1,234 KB"),
                     test::trashItem("b", "2020/1/2 10:00", "3.5 MB")});
    f.show();
    EXPECT_EQ(f.form->lblTotal->text(), QStringLiteral("2个"));
    EXPECT_EQ(f.form->lblTotalSpace->text(), QStringLiteral("5MB"));
    EXPECT_EQ(f.form->ShellListView1->ItemIndex(), 1);
    EXPECT_TRUE(f.boxes.isEmpty());
}

TEST(MainWindowTest, UnreadableSizeLeavesThePanelAndReportsTheError) {
    WindowFixture f({test::trashItem("a", "2020/1/1 10:00", "1 MB"),
                     test::trashItem("b", "2020/1/1 10:00", "1.2.3 MB"),
                     test::trashItem("c", "2020/1/1 10:00", "1 MB")});
    f.show();
    EXPECT_EQ(f.form->lblTotal->text(), QString());
    EXPECT_EQ(f.form->lblTotalSpace->text(), QString());
    EXPECT_EQ(f.form->ShellListView1->ItemIndex(), 1);
    EXPECT_EQ(f.boxes,
              QStringList{QStringLiteral("Velmora|'1.2.3' is not a valid floating point value.")});
}

TEST(MainWindowTest, DoubleClickReadsNothingAgain) {
    WindowFixture f({test::trashItem("a", "2020/1/1 10:00", "1 MB"),
                     test::trashItem("b", "2020/1/1 10:00", "2 MB")});
    f.show();
    TShellListView* list = f.form->ShellListView1;
    f.source->setNextItems({});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(f.source->enumerations, 1);
    EXPECT_EQ(list->Items().Count(), 2);
    EXPECT_EQ(f.form->lblTotal->text(), QStringLiteral("2个"));
}

TEST(MainWindowTest, ControlsStandWhereTheyBelong) {
    WindowFixture f({});
    f.show();
    TForm1& w = *f.form;
    EXPECT_EQ(w.size(), QSize(715, 491));
    struct Case {
        QWidget* widget;
        QRect geometry;
    };
    const Case initial[] = {
        {w.GroupBox1, {0, 386, 715, 105}}, {w.GroupBox2, {0, 0, 715, 386}},
        {w.Panel1, {2, 15, 119, 369}},     {w.ShellListView1, {121, 15, 592, 369}},
        {w.BtnAnalyse, {389, 22, 65, 25}}, {w.BtnDelete, {473, 22, 65, 25}},
        {w.BtnSeek, {556, 22, 65, 25}},    {w.RbDate, {24, 24, 113, 17}},
        {w.DtCeil, {121, 22, 98, 21}},     {w.Label1, {225, 24, 177, 13}},
        {w.RbDays, {24, 61, 113, 17}},     {w.CmbDays, {121, 57, 51, 21}},
        {w.Label2, {181, 61, 193, 13}},    {w.lblAbout, {519, 64, 169, 13}},
        {w.Image1, {8, 8, 32, 32}},        {w.Label3, {8, 50, 105, 39}},
        {w.lblTotal, {26, 90, 88, 13}},    {w.Label4, {8, 138, 105, 13}},
    };
    for (const Case& c : initial)
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->objectName().toStdString();

    w.resize(1000, 700);
    QCoreApplication::processEvents();
    const Case enlarged[] = {
        {w.GroupBox1, {0, 595, 1000, 105}}, {w.GroupBox2, {0, 0, 1000, 595}},
        {w.Panel1, {2, 15, 119, 578}},      {w.ShellListView1, {121, 15, 877, 578}},
        {w.BtnAnalyse, {389, 22, 65, 25}},  {w.lblAbout, {519, 64, 169, 13}},
    };
    for (const Case& c : enlarged)
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->objectName().toStdString();
}

TEST(MainWindowTest, ControlsCarryTheirNamesAndTexts) {
    WindowFixture f({});
    TForm1& w = *f.form;
    struct Case {
        const char* name;
        QString text;
    };
    const Case cases[] = {
        {"GroupBox1", "安全清理回收站"},
        {"GroupBox2", "回收站"},
        {"BtnAnalyse", "分析"},
        {"BtnDelete", "清除"},
        {"BtnSeek", "搜索"},
        {"RbDate", "按日期：清除"},
        {"RbDays", "按天数：清除"},
        {"Label1", "之前删除到回收站的文件"},
        {"Label2", "天之前删除到回收站中的文件"},
        {"Label3", "回收站中已删除文件、文件夹共："},
        {"Label4", "合计占用空间："},
        {"lblAbout", "关于\"Velmora\""},
    };
    for (const Case& c : cases) {
        QWidget* widget = w.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(widget))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(widget))
            text = g->title();
        else if (auto* l = qobject_cast<QLabel*>(widget))
            text = l->text();
        EXPECT_EQ(text, c.text) << c.name;
    }
    QStringList items;
    for (int i = 0; i < w.CmbDays->count(); ++i)
        items << w.CmbDays->itemText(i);
    EXPECT_EQ(items, (QStringList{"10", "15", "30", "60", "180"}));

    // Keyboard order inside the bottom group, the about link last, then the list.
    QWidget* expected[] = {w.BtnAnalyse, w.BtnDelete, w.RbDate,   w.DtCeil,        w.RbDays,
                           w.CmbDays,    w.BtnSeek,   w.lblAbout, w.ShellListView1};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        QWidget* next = expected[i]->nextInFocusChain();
        while (next && (!(next->focusPolicy() & Qt::TabFocus) || expected[i]->isAncestorOf(next)))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << expected[i]->objectName().toStdString();
    }
}

// The analysis dialog over the window, closed as soon as it shows; what it showed is kept.
struct AnalysisFixture : WindowFixture {
    using WindowFixture::WindowFixture;

    // Clicks the analyse button; returns whether the dialog was shown.
    bool analyse() {
        bool shown = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            shown = dialog->isVisible();
            label = dialog->Label1->text();
            dialog->BitBtn1->click();
        });
        QTest::mouseClick(form->BtnAnalyse, Qt::LeftButton);
        QCoreApplication::processEvents();
        return shown;
    }

    QString label;
};

TEST(MainWindowTest, AnalyseShowsTheDialogWithTheQualifyingRows) {
    AnalysisFixture f({test::trashItem("old", "2020/10/1 10:00", "1,234 KB"),
                       test::trashItem("recent", "2020/11/20 10:00", "3.5 MB")});
    f.show();
    EXPECT_EQ(f.dialog->ISpaceTotal, static_cast<long double>(4.71)); // the double total

    f.form->CmbDays->setEditText(QStringLiteral("30"));
    ASSERT_TRUE(f.analyse());
    EXPECT_EQ(f.dialog->StrMsg,
              QStringLiteral("回收站中有 30 天前删除文件或文件夹：1项\r合计占用空间：1MB"));
    EXPECT_EQ(f.label,
              QStringLiteral("回收站中有 30 天前删除文件或文件夹：1项\n合计占用空间：1MB"));
    EXPECT_EQ(f.dialog->ISpacePart, static_cast<long double>(1.21));
    EXPECT_EQ(f.form->ShellListView1->ItemIndex(), 0);
    EXPECT_EQ(f.dialog->Series1->Count(), 2);

    // By date: the picker's date names the cut-off.
    f.form->RbDate->setChecked(true);
    f.form->DtCeil->setDate(QDate(2020, 11, 21));
    ASSERT_TRUE(f.analyse());
    EXPECT_EQ(f.dialog->StrMsg,
              QStringLiteral("回收站中有 2020/11/21 前删除文件或文件夹：2项\r合计占用空间：5MB"));
    EXPECT_TRUE(f.boxes.isEmpty());
}

TEST(MainWindowTest, AnalyseStopsAtAnUnreadableDayCount) {
    AnalysisFixture f({test::trashItem("old", "2020/10/1 10:00", "1 MB")});
    f.show();
    f.dialog->StrMsg = QStringLiteral("before");
    f.form->CmbDays->setEditText(QStringLiteral("3O"));
    EXPECT_FALSE(f.analyse());
    EXPECT_EQ(f.dialog->StrMsg, QStringLiteral("before"));
    EXPECT_EQ(f.boxes, QStringList{QStringLiteral("Velmora|''3O'' is not a valid integer value.")});
}

// Today is 27 November 2020; the days box says 30, so the cut-off is 28 October 2020, 00:00.
std::vector<FakeItem> purgeItems() {
    return {test::trashItem("a", "2020/10/1 10:00", "1,234 KB"),
            test::trashItem("b", "2020/10/28 00:00", "9 MB"),
            test::trashItem("c", "2020/10/27 23:59", "2 MB"),
            test::trashItem("d", "2020/9/1 10:00", "3.5 MB")};
}

TEST(MainWindowTest, ClearRemovesTheOldItemsReportsThemAndRereads) {
    WindowFixture f(purgeItems());
    f.show();
    f.source->outcomes = {{2, RemoveOutcome::Stayed}};
    f.source->setNextItems({purgeItems()[1], purgeItems()[2]});
    f.form->CmbDays->setEditText(QStringLiteral("30"));
    const int enumerations = f.source->enumerations;
    QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
    QStringList removed = f.source->removedNames;
    removed.sort();
    EXPECT_EQ(removed, (QStringList{"a", "c", "d"}));
    EXPECT_EQ(f.questions, QStringList{QStringLiteral(
                               "将永久删除 3项（共 6.71MB），此操作无法撤销。是否继续？")});
    EXPECT_EQ(f.boxes, (QStringList{QStringLiteral("删除文件或文件夹：2项\n未能删除：1项"),
                                    QStringLiteral("释放空间：4.71MB")}));
    EXPECT_EQ(f.source->enumerations, enumerations + 1);
    EXPECT_EQ(f.form->lblTotal->text(), QStringLiteral("2个"));
    EXPECT_EQ(f.form->lblTotalSpace->text(), QStringLiteral("11MB"));
    // The focus is on the list, so that a second key press starts no second purge.
    EXPECT_TRUE(f.form->ShellListView1->hasFocus());
}

// 否 changes nothing: nothing removed, no box, no re-read, the selection where it was. With
// nothing to remove there is no question, and the boxes report nothing removed.
TEST(MainWindowTest, ClearAsksFirstAndNoChangesNothing) {
    struct Case {
        const char* what;
        QString days;
        bool answer;
        int questions;
        QStringList removed, boxes;
        int reads;
        int selected; // after the re-read, the totals' walk leaves the last row selected
    };
    const Case cases[] = {
        {"否", QStringLiteral("30"), false, 1, {}, {}, 0, 1},
        {"nothing qualifies",
         QStringLiteral("1000"),
         false,
         0,
         {},
         {QStringLiteral("删除文件或文件夹：0项"), QStringLiteral("释放空间：0MB")},
         1,
         3},
    };
    for (const Case& c : cases) {
        WindowFixture f(purgeItems());
        f.show();
        f.purgeAnswer = c.answer;
        f.form->CmbDays->setEditText(c.days);
        f.form->ShellListView1->SetItemIndex(1);
        const int enumerations = f.source->enumerations;
        f.form->BtnDelete->setFocus();
        QTest::keyClick(f.form->BtnDelete, Qt::Key_Space);
        EXPECT_EQ(f.questions.size(), c.questions) << c.what;
        EXPECT_EQ(f.source->removedNames, c.removed) << c.what;
        EXPECT_EQ(f.boxes, c.boxes) << c.what;
        EXPECT_EQ(f.source->enumerations, enumerations + c.reads) << c.what;
        EXPECT_EQ(f.form->ShellListView1->ItemIndex(), c.selected) << c.what;
    }
}

// 清除 takes the lock of every removal on the trash: while another removal holds it (the command
// line's purge, say) it says so in an information box and removes nothing. A listing that failed
// is an error box when the window shows it, and 清除 removes nothing on its word.
TEST(MainWindowTest, ClearRemovesNothingWhileAnotherRemovalRunsOrAfterAFailedListing) {
    QStringList errors;
    setErrorBoxFunction([&](QWidget*, const QString& caption, const QString& text) {
        errors.append(caption + u'|' + text);
    });
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int trashDir = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(trashDir, 0);
    {
        WindowFixture f(purgeItems());
        f.source->lockDirs = {trashDir};
        f.show();
        f.form->CmbDays->setEditText(QStringLiteral("30"));
        const int enumerations = f.source->enumerations;
        {
            const TrashLock other({trashDir});
            QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
        }
        EXPECT_TRUE(f.source->removedNames.isEmpty());
        EXPECT_EQ(f.boxes, QStringList{QStringLiteral("另一个清除正在进行")});
        EXPECT_EQ(f.source->enumerations, enumerations);
        // Once the other removal has ended, 清除 runs.
        f.boxes.clear();
        QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
        EXPECT_EQ(f.source->removedNames.size(), 3);
        EXPECT_EQ(f.boxes.value(0), QStringLiteral("删除文件或文件夹：3项"));
    }
    EXPECT_TRUE(errors.isEmpty());
    {
        WindowFixture f(purgeItems());
        f.source->failure = QStringLiteral("内存不足，未能读取回收站");
        f.show();
        EXPECT_EQ(errors, QStringList{QStringLiteral("Velmora|内存不足，未能读取回收站")});
        f.form->CmbDays->setEditText(QStringLiteral("30"));
        QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
        EXPECT_TRUE(f.source->removedNames.isEmpty());
        EXPECT_EQ(errors.size(), 2);
        EXPECT_EQ(errors.value(1), QStringLiteral("Velmora|内存不足，未能读取回收站"));
        EXPECT_TRUE(f.boxes.isEmpty());
    }
    setErrorBoxFunction({});
    ::close(trashDir);
}

// When no thread can be started for the removal, 清除 removes on the calling thread: every old
// item goes and the report says so.
TEST(MainWindowTest, ClearRemovesEverythingWhenNoThreadCanStart) {
    WindowFixture f(purgeItems());
    f.show();
    f.form->CmbDays->setEditText(QStringLiteral("30"));
    {
        const test::FailingThreadStarts starts(0);
        QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
        EXPECT_GE(starts.refused(), 1);
    }
    QStringList removed = f.source->removedNames;
    removed.sort();
    EXPECT_EQ(removed, (QStringList{"a", "c", "d"}));
    EXPECT_EQ(f.boxes, (QStringList{QStringLiteral("删除文件或文件夹：3项"),
                                    QStringLiteral("释放空间：6.71MB")}));
}

TEST(MainWindowTest, ClearEndsAtAnUnreadableDateAfterRemovingTheRowsBefore) {
    std::vector<FakeItem> items = purgeItems();
    items[2].details[1] = QStringLiteral("someday");
    WindowFixture f(items);
    f.show();
    f.form->CmbDays->setEditText(QStringLiteral("30"));
    const int enumerations = f.source->enumerations;
    QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
    EXPECT_EQ(f.source->removedNames, QStringList{"a"});
    EXPECT_EQ(f.boxes, QStringList{QStringLiteral(
                           "Velmora|Could not convert variant of type (UnicodeString) into type "
                           "(Date)")});
    EXPECT_EQ(f.source->enumerations, enumerations);
    EXPECT_EQ(f.form->ShellListView1->ItemIndex(), 0);
}

// A slow removal: the window keeps running its event loop, takes no input, and shows the
// progress window, whose 取消 starts no new item.
TEST(MainWindowTest, ClearShowsProgressAndCanBeCancelled) {
    std::vector<FakeItem> items;
    for (int i = 0; i < 400; ++i)
        items.push_back(
            test::trashItem(QStringLiteral("item %1").arg(i), "2020/10/1 10:00", "1 MB"));
    WindowFixture f(items);
    f.show();
    f.source->removeDelay = std::chrono::milliseconds(60);
    f.form->CmbDays->setEditText(QStringLiteral("30"));
    const auto delay = PurgeProgressDelay;
    PurgeProgressDelay = std::chrono::milliseconds(150);

    PurgeProgressWindow* seen = nullptr;
    QString caption, text;
    bool modal = false;
    int clicksWhileRunning = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // Input to the main window is dropped while the removal runs.
        if (clicksWhileRunning++ == 0)
            QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
        auto* dialog = f.form->findChild<PurgeProgressWindow*>();
        if (!dialog || !dialog->isVisible() || seen)
            return;
        seen = dialog;
        caption = dialog->windowTitle();
        text = dialog->lblPurging->text();
        modal = dialog->isModal();
        QTest::mouseClick(dialog->BtnCancel, Qt::LeftButton);
    });
    poll.start();
    QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
    poll.stop();
    PurgeProgressDelay = delay;

    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(caption, QStringLiteral("Velmora"));
    EXPECT_EQ(text, QStringLiteral("正在清除…"));
    EXPECT_TRUE(modal);
    const auto removed = f.source->removedNames.size();
    EXPECT_GT(removed, 0);
    EXPECT_LT(removed, 400);
    EXPECT_EQ(f.boxes, (QStringList{QStringLiteral("删除文件或文件夹：%1项").arg(removed),
                                    QStringLiteral("释放空间：%1MB").arg(removed)}));
    EXPECT_EQ(f.form->findChild<PurgeProgressWindow*>(), nullptr);
}

// While items are removed no window takes input, not even the modeless Find dialog, a window of
// its own, and none closes: 查找下一个 finds nothing and opens no box over the removal, for 清除
// and for the item menu's 删除 alike, also before the progress window shows.
TEST(MainWindowTest, NoWindowTakesInputDuringARemoval) {
    struct Case {
        const char* what;
        std::function<void(WindowFixture&)> remove;
    };
    const Case cases[] = {
        {"清除", [](WindowFixture& f) { QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton); }},
        {"删除",
         [](WindowFixture& f) { f.form->ShellListView1->findChild<ItemCommands*>()->Delete(0); }},
    };
    const auto delay = PurgeProgressDelay;
    PurgeProgressDelay = std::chrono::hours(1);
    setQuestionBoxFunction([](QWidget*, const QString&, const QString&) { return true; });
    for (const Case& c : cases) {
        WindowFixture f(purgeItems());
        f.show();
        f.form->CmbDays->setEditText(QStringLiteral("30"));
        f.source->removeDelay = std::chrono::milliseconds(150);
        f.form->BtnSeek->click();
        TFindDialog& find = *f.form->FindDialog1;
        find.FindText->setText(QStringLiteral("a"));
        int finds = 0;
        QObject::connect(&find, &TFindDialog::find, [&] { ++finds; });
        bool tried = false;
        QTimer::singleShot(20, [&] {
            tried = true;
            QTest::mouseClick(find.FindNext, Qt::LeftButton);
            QTest::keyClick(find.FindText, Qt::Key_Return);
            QTest::keyClicks(find.FindText, QStringLiteral("bc"));
            find.close();
            QTest::mouseClick(f.form->BtnSeek, Qt::LeftButton);
        });
        c.remove(f);
        ASSERT_TRUE(tried) << c.what;
        EXPECT_EQ(finds, 0) << c.what;
        EXPECT_TRUE(find.isVisible()) << c.what;
        EXPECT_EQ(find.FindText->text(), QStringLiteral("a")) << c.what;
        EXPECT_FALSE(f.boxes.contains(QStringLiteral("搜索结束！"))) << c.what;
        // Afterwards it works again.
        QTest::mouseClick(find.FindNext, Qt::LeftButton);
        EXPECT_EQ(finds, 1) << c.what;
    }
    setQuestionBoxFunction({});
    PurgeProgressDelay = delay;
}

} // namespace
} // namespace velmora
