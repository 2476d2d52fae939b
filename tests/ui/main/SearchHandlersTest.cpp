#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "FakeItemSource.h"
#include "app/ErrorHandler.h"
#include "core/FormatSettings.h"
#include "ui/common/InformationBox.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/ShellListView.h"
#include "ui/main/Unit1.h"

namespace velmora {
namespace {

using test::FakeItem;
using test::FakeItemSource;

// The main window over a fake trash of 60 rows, "hit" in the names of rows 5, 9 and 59; the
// message boxes recorded, owner and text.
struct SearchFixture {
    SearchFixture() {
        setFormatSettings(FormatSettings{});
        installErrorHandler();
        setMessageBoxFunction([this](QWidget* owner, const QString&, const QString& text) {
            boxes.append({owner, QStringLiteral("error|") + text});
        });
        setInformationBoxFunction([this](QWidget* owner, const QString& text) {
            boxes.append({owner, QStringLiteral("information|") + text});
        });
        std::vector<FakeItem> items;
        for (int i = 0; i < 60; ++i) {
            const QString name = QStringLiteral("item %1").arg(i, 2, 10, QLatin1Char('0'));
            items.push_back(
                test::trashItem(i == 5 || i == 9 || i == 59 ? name + QStringLiteral(" hit") : name,
                                QStringLiteral("2020/1/1 10:00"), QStringLiteral("1 KB")));
        }
        auto owned = std::make_unique<FakeItemSource>(std::move(items));
        source = owned.get();
        form = std::make_unique<TForm1>(std::move(owned));
        about = std::make_unique<TfrmAbout>(form.get());
        analyze = std::make_unique<TfrmAnalyze>(form.get());
        frmAbout = about.get();
        frmAnalyze = analyze.get();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    ~SearchFixture() {
        frmAbout = nullptr;
        frmAnalyze = nullptr;
        setMessageBoxFunction({});
        setInformationBoxFunction({});
    }

    TShellListView& list() { return *form->ShellListView1; }
    TFindDialog& dialog() { return *form->FindDialog1; }
    int top() { return list().indexAt(QPoint(5, 5)).row(); }
    // Presses Find Next with `text`, downwards or upwards.
    void findNext(const QString& text, bool down) {
        dialog().FindText->setText(text);
        (down ? dialog().DirectionDown : dialog().DirectionUp)->setChecked(true);
        dialog().FindNext->click();
    }

    FakeItemSource* source;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmAnalyze> analyze;
    QList<QPair<QWidget*, QString>> boxes;
};

TEST(SearchHandlersTest, TheSearchButtonOpensOneDialogAndStartsAgainFromTheTop) {
    SearchFixture f;
    ASSERT_GT(f.list().verticalScrollBar()->maximum(), 20);
    EXPECT_EQ(SearchPos, 0);
    EXPECT_FALSE(f.dialog().isVisible());
    EXPECT_EQ(f.dialog().parentWidget(), f.form.get());

    f.form->BtnSeek->click();
    EXPECT_TRUE(f.dialog().isVisible());
    f.findNext(QStringLiteral("hit"), true);
    f.findNext(QStringLiteral("hit"), true);
    EXPECT_EQ(SearchPos, 10);
    EXPECT_EQ(f.top(), 8);
    f.dialog().MatchCase->setChecked(true);

    // Again while open: the position and the list go back to the top, the dialog keeps its
    // state, and there is still one dialog.
    f.form->BtnSeek->click();
    EXPECT_EQ(SearchPos, 0);
    EXPECT_EQ(f.top(), 0);
    EXPECT_TRUE(f.dialog().isVisible());
    EXPECT_EQ(f.dialog().FindText->text(), QStringLiteral("hit"));
    EXPECT_TRUE(f.dialog().MatchCase->isChecked());
    EXPECT_EQ(f.form->findChildren<TFindDialog*>().size(), 1);

    // Closed and opened again: the same.
    f.dialog().FindCancel->click();
    EXPECT_FALSE(f.dialog().isVisible());
    f.form->BtnSeek->click();
    EXPECT_TRUE(f.dialog().isVisible());
    EXPECT_EQ(f.dialog().FindText->text(), QStringLiteral("hit"));
    EXPECT_TRUE(f.boxes.isEmpty());
}

TEST(SearchHandlersTest, FindNextSelectsAndScrollsByTheRowsTravelled) {
    SearchFixture f;
    f.list().SetItemIndex(30); // the focus mark
    f.form->BtnSeek->click();

    struct Step {
        QString text;
        bool down;
        int selected, top, searchPos;
        QString box;
    };
    const Step steps[] = {
        {QStringLiteral("item 00"), true, 0, 0, 1, {}},
        {QStringLiteral("hit"), true, 5, 4, 6, {}},
        {QStringLiteral("hit"), true, 9, 7, 10, {}},
        {QStringLiteral("hit"), false, 9, 6, 8, {}},
        {QStringLiteral("HIT"), false, 9, 6, 8, QStringLiteral("information|搜索结束！")},
        {QStringLiteral("hit"), false, 5, 3, 4, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.text.toStdString() + (s.down ? " down" : " up"));
        f.boxes.clear();
        f.findNext(s.text, s.down);
        EXPECT_EQ(f.list().Selected(), s.selected);
        EXPECT_EQ(f.top(), s.top);
        EXPECT_EQ(SearchPos, s.searchPos);
        EXPECT_EQ(f.list().currentIndex().row(), 30); // the focus mark stays
        if (s.box.isEmpty()) {
            EXPECT_TRUE(f.boxes.isEmpty());
        } else {
            ASSERT_EQ(f.boxes.size(), 1);
            EXPECT_EQ(f.boxes[0].first, f.form.get());
            EXPECT_EQ(f.boxes[0].second.toStdString(), s.box.toStdString());
        }
    }
}

TEST(SearchHandlersTest, AStartOutsideTheListIsReportedAndChangesNothing) {
    SearchFixture f;
    f.form->BtnSeek->click();
    f.findNext(QStringLiteral("hit"), true);
    f.findNext(QStringLiteral("hit"), true);
    f.findNext(QStringLiteral("hit"), true); // the last row
    EXPECT_EQ(SearchPos, 60);
    const int top = f.top();

    // Upwards from past the last row: the list refuses the row, each time.
    for (int i = 0; i < 2; ++i) {
        f.boxes.clear();
        f.findNext(QStringLiteral("hit"), false);
        ASSERT_EQ(f.boxes.size(), 1);
        EXPECT_EQ(f.boxes[0].second.toStdString(), "error|List index out of bounds (60)");
        EXPECT_EQ(SearchPos, 60);
        EXPECT_EQ(f.list().Selected(), 59);
        EXPECT_EQ(f.top(), top);
    }
    // Downwards: nothing at all.
    f.boxes.clear();
    f.findNext(QStringLiteral("hit"), true);
    EXPECT_TRUE(f.boxes.isEmpty());

    // After a re-read with fewer rows, the position stays where it was.
    f.form->BtnSeek->click();
    f.findNext(QStringLiteral("hit"), true);
    f.findNext(QStringLiteral("hit"), true);
    EXPECT_EQ(SearchPos, 10);
    f.source->setNextItems({test::trashItem(
        QStringLiteral("a hit"), QStringLiteral("2020/1/1 10:00"), QStringLiteral("1 KB"))});
    f.list().Refresh();
    f.boxes.clear();
    f.findNext(QStringLiteral("hit"), true);
    EXPECT_TRUE(f.boxes.isEmpty());
    f.findNext(QStringLiteral("hit"), false);
    ASSERT_EQ(f.boxes.size(), 1);
    EXPECT_EQ(f.boxes[0].second.toStdString(), "error|List index out of bounds (10)");
    EXPECT_EQ(SearchPos, 10);
}

} // namespace
} // namespace velmora
