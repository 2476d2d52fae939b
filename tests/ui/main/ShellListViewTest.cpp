// Tests of the trash list: its rows, columns, selection and scrolling.
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "FakeItemSource.h"
#include "TestHelpers.h"
#include "core/Errors.h"
#include "ui/main/ShellListView.h"

namespace velmora {
namespace {

using test::errorOf;

using test::FakeItem;
using test::FakeItemSource;

std::vector<FakeItem> numberedItems(int n) {
    std::vector<FakeItem> items;
    for (int i = 0; i < n; ++i)
        items.push_back(test::trashItem(QStringLiteral("item %1").arg(i),
                                        QStringLiteral("2020/1/1 10:00"),
                                        QStringLiteral("%1 KB").arg(i)));
    return items;
}

// A list over a fake source, shown small enough to scroll.
struct ListFixture {
    explicit ListFixture(std::vector<FakeItem> items) {
        auto owned = std::make_unique<FakeItemSource>(std::move(items));
        source = owned.get();
        list = std::make_unique<TShellListView>(std::move(owned));
        list->resize(400, 200);
        list->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    }
    FakeItemSource* source;
    std::unique_ptr<TShellListView> list;
};

TEST(ShellListViewTest, EmptyTrashStillHasColumns) {
    ListFixture f({});
    EXPECT_EQ(f.list->Items().Count(), 0);
    EXPECT_EQ(f.list->ItemIndex(), -1);
    EXPECT_EQ(f.list->SelectedFolder(), nullptr);
    ASSERT_EQ(f.list->Columns().size(), 6);
    EXPECT_EQ(f.list->Columns()[3].Caption, QStringLiteral("大小"));
    EXPECT_EQ(f.list->Columns()[3].alignment, Qt::AlignRight);
    EXPECT_EQ(f.list->header()->sectionSize(0),
              25 * f.list->fontMetrics().horizontalAdvance(QLatin1Char('X')));
}

TEST(ShellListViewTest, RowViewIsSharedAndNamesComeFromFolders) {
    ListFixture f(numberedItems(3));
    TListItem& first = f.list->Items()[0];
    EXPECT_EQ(first.SubItems[2], QStringLiteral("0 KB"));
    EXPECT_TRUE(first.Caption.isEmpty());
    TListItem& second = f.list->Items()[2];
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.SubItems[2], QStringLiteral("2 KB")); // the first object now describes row 2
    EXPECT_EQ(f.list->Folders(1)->DisplayName(), QStringLiteral("item 1"));
    EXPECT_EQ(f.list->GetFolder(1)->PathName(), QStringLiteral("/trash/files/item 1"));
}

TEST(ShellListViewTest, IndicesOutsideTheListFail) {
    ListFixture f(numberedItems(3));
    TShellListView& l = *f.list;
    struct Case {
        const char* what;
        std::function<void()> access;
        Text message;
    };
    const Case cases[] = {
        {"Items[count]", [&] { l.Items()[3]; }, u"List index out of bounds (3)"},
        {"Folders[-1]", [&] { l.Folders(-1); }, u"List index out of bounds (-1)"},
        {"Folders[count]", [&] { l.Folders(3); }, u"List index out of bounds (3)"},
        {"GetFolder(7)", [&] { l.GetFolder(7); }, u"List index out of bounds (7)"},
        {"SubItems[5]", [&] { l.Items()[0].SubItems[5]; }, u"List index out of bounds (5)"},
        {"sub-item of the walks", [&] { l.subItemText(0, 6); }, u"List index out of bounds (6)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.access), c.message) << c.what;
}

TEST(ShellListViewTest, SelectingDoesNotScroll) {
    ListFixture f(numberedItems(300));
    TShellListView& l = *f.list;
    QScrollBar* bar = l.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);

    l.SetItemIndex(250);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(l.ItemIndex(), 250);
    EXPECT_EQ(l.currentIndex().row(), 250); // the focus mark moves with ItemIndex
    EXPECT_EQ(l.SelectedFolder()->DisplayName(), QStringLiteral("item 250"));

    l.SetSelected(120);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(l.Selected(), 120);
    EXPECT_EQ(l.currentIndex().row(), 250); // ... and stays where it was with Selected

    l.SetItemIndex(-1);
    EXPECT_EQ(l.ItemIndex(), -1);
}

TEST(ShellListViewTest, ScrollsByExactlyOneRowOrToTheTop) {
    ListFixture f(numberedItems(300));
    TShellListView& l = *f.list;
    l.SetItemIndex(5);
    const int top = l.indexAt(QPoint(5, 5)).row();
    l.Scroll(TShellListView::SB_LINEDOWN);
    l.Scroll(TShellListView::SB_LINEDOWN);
    EXPECT_EQ(l.indexAt(QPoint(5, 5)).row(), top + 2);
    l.Scroll(TShellListView::SB_LINEUP);
    EXPECT_EQ(l.indexAt(QPoint(5, 5)).row(), top + 1);
    l.Scroll(TShellListView::SB_TOP);
    EXPECT_EQ(l.indexAt(QPoint(5, 5)).row(), 0);
    EXPECT_EQ(l.ItemIndex(), 5);
}

TEST(ShellListViewTest, RefreshSelectsTheRowAtTheRememberedPosition) {
    struct Case {
        const char* what;
        int before, selected, after, expected;
    };
    const Case cases[] = {
        {"two rows gone", 10, 3, 8, 3},
        {"last row, same count", 10, 9, 10, 9},
        {"last row, one gone", 10, 9, 9, -1},
        {"nothing selected", 10, -1, 10, -1},
        {"emptied", 10, 0, 0, -1},
    };
    for (const Case& c : cases) {
        ListFixture f(numberedItems(c.before));
        f.list->SetItemIndex(c.selected);
        f.source->setNextItems(numberedItems(c.after));
        f.list->Refresh();
        EXPECT_EQ(f.source->enumerations, 2) << c.what;
        EXPECT_EQ(f.list->Items().Count(), c.after) << c.what;
        EXPECT_EQ(f.list->ItemIndex(), c.expected) << c.what;
    }
}

TEST(ShellListViewTest, DetailsAreFetchedOncePerEnumeration) {
    ListFixture f(numberedItems(3));
    // The source caches; the list asks it at most for the rows it shows and reads.
    const int before = f.source->detailRequests;
    f.list->Items()[1].SubItems[0];
    EXPECT_EQ(f.source->detailRequests, before + 1);
}

TEST(ShellListViewTest, SameRootAndNavigationKeysReadNothing) {
    ListFixture f(numberedItems(30));
    TShellListView& l = *f.list;
    l.SetItemIndex(4);
    l.Scroll(TShellListView::SB_LINEDOWN);
    const int scroll = l.verticalScrollBar()->value();

    l.SetRoot(QStringLiteral("RFRECYCLEBIN"));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_F5})
        QTest::keyClick(&l, key);
    QTest::mouseDClick(l.viewport(), Qt::LeftButton, {},
                       l.visualRect(l.model()->index(4, 0)).center());

    EXPECT_EQ(f.source->enumerations, 1);
    EXPECT_EQ(l.ItemIndex(), 4);
    EXPECT_EQ(l.verticalScrollBar()->value(), scroll);

    l.SetRoot(QStringLiteral("elsewhere"));
    EXPECT_EQ(f.source->enumerations, 2);
}

} // namespace
} // namespace velmora
