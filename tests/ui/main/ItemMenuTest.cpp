// The item menu of the trash list and the in-place rename, on a fake trash: when the menu opens,
// what each command does, which one re-reads the list, and the totals left alone.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "FakeItemSource.h"
#include "app/ErrorHandler.h"
#include "core/FormatSettings.h"
#include "ui/common/InformationBox.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/ItemBoxes.h"
#include "ui/main/ItemMenu.h"
#include "ui/main/PurgeProgressWindow.h"
#include "ui/main/ShellListView.h"
#include "ui/main/Unit1.h"

namespace velmora {
namespace {

using test::FakeItem;
using test::FakeItemSource;

std::vector<FakeItem> items() {
    FakeItem folder = test::trashItem(QStringLiteral("photos"), QStringLiteral("2020/1/1 10:00"),
                                      QStringLiteral("2,048 KB"));
    folder.folder = true;
    FakeItem orphan = test::trashItem(QStringLiteral("orphan.bin"),
                                      QStringLiteral("2020/1/2 10:00"), QStringLiteral("4 KB"));
    orphan.orphan = true;
    return {folder,
            test::trashItem(QStringLiteral("notes.txt"), QStringLiteral("2020/1/3 10:00"),
                            QStringLiteral("8 KB")),
            orphan};
}

// The main window over a fake trash; every box is recorded instead of shown, and the question
// box answers as told.
struct MenuFixture {
    MenuFixture() {
        setFormatSettings(FormatSettings{});
        installErrorHandler();
        setMessageBoxFunction([this](QWidget*, const QString& caption, const QString& text) {
            boxes.append(caption + u'|' + text);
        });
        setErrorBoxFunction([this](QWidget*, const QString& caption, const QString& text) {
            boxes.append(caption + u'|' + text);
        });
        setInformationBoxFunction([this](QWidget*, const QString& text) { boxes.append(text); });
        setQuestionBoxFunction([this](QWidget*, const QString& caption, const QString& text) {
            boxes.append(caption + u'|' + text);
            return answer;
        });
        auto owned = std::make_unique<FakeItemSource>(items());
        source = owned.get();
        form = std::make_unique<TForm1>(std::move(owned));
        about = std::make_unique<TfrmAbout>(form.get());
        analyze = std::make_unique<TfrmAnalyze>(form.get());
        frmAbout = about.get();
        frmAnalyze = analyze.get();
        list = form->ShellListView1;
        commands = list->findChild<ItemCommands*>();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        source->setNextItems({});
    }
    ~MenuFixture() {
        if (commands->Menu())
            commands->Menu()->hide();
        frmAbout = nullptr;
        frmAnalyze = nullptr;
        setMessageBoxFunction({});
        setErrorBoxFunction({});
        setQuestionBoxFunction({});
        setInformationBoxFunction({});
    }
    // Opens the menu of row `row` as a right-click on it does and chooses the action.
    void choose(int row, QAction* ItemMenu::*action) {
        list->SetItemIndex(row);
        ASSERT_TRUE(commands->Popup(list->mapToGlobal(QPoint(10, 10))));
        ItemMenu* menu = commands->Menu();
        ASSERT_NE(menu, nullptr);
        (menu->*action)->trigger();
        menu->hide();
        QTest::qWait(1); // the command runs once the menu has closed
    }
    void rightClick(QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
    }

    FakeItemSource* source;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmAnalyze> analyze;
    TShellListView* list;
    ItemCommands* commands;
    QStringList boxes;
    bool answer = true;
};

TEST(ItemMenuTest, OpensOnlyForASelectedRowAndOneAtATime) {
    MenuFixture f;
    ASSERT_NE(f.commands, nullptr);
    f.list->SetItemIndex(-1);
    f.rightClick(QPoint(400, 5)); // nothing selected
    QTest::keyClick(f.list, Qt::Key_Menu);
    QTest::keyClick(f.list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(f.commands->Menu(), nullptr);
    EXPECT_EQ(f.list->findChild<ItemMenu*>(), nullptr);

    struct Case {
        const char* how;
        std::function<void()> open;
    };
    const Case cases[] = {
        {"right-click", [&] { f.rightClick(QPoint(30, 5)); }},
        {"menu key", [&] { QTest::keyClick(f.list, Qt::Key_Menu); }},
        {"Shift+F10", [&] { QTest::keyClick(f.list, Qt::Key_F10, Qt::ShiftModifier); }},
    };
    for (const Case& c : cases) {
        f.list->setFocus();
        f.list->SetItemIndex(1);
        c.open();
        ItemMenu* menu = f.commands->Menu();
        ASSERT_NE(menu, nullptr) << c.how;
        EXPECT_EQ(menu->objectName(), QStringLiteral("ItemMenu"));
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                texts.append(a->objectName() + u'=' + a->text());
        EXPECT_EQ(
            texts,
            QStringList({QStringLiteral("ActRestore=还原"), QStringLiteral("ActDelete=删除"),
                         QStringLiteral("ActRename=重命名"), QStringLiteral("ActProperties=属性")}))
            << c.how;
        EXPECT_TRUE(menu->ActRestore->isEnabled());
        // A second request while it is open opens nothing.
        EXPECT_FALSE(f.commands->Popup(QPoint(0, 0))) << c.how;
        c.open();
        EXPECT_EQ(f.commands->Menu(), menu) << c.how;
        EXPECT_EQ(f.list->findChildren<ItemMenu*>().size(), 1) << c.how;
        menu->hide();
        QTest::qWait(1);
        EXPECT_EQ(f.commands->Menu(), nullptr) << c.how;
    }

    // An orphan's original location is unknown: it cannot be restored.
    f.list->SetItemIndex(2);
    ASSERT_TRUE(f.commands->Popup(QPoint(0, 0)));
    EXPECT_FALSE(f.commands->Menu()->ActRestore->isEnabled());
    EXPECT_TRUE(f.commands->Menu()->ActDelete->isEnabled());
    f.commands->Menu()->ActRestore->trigger();
    f.commands->Menu()->hide();
    QTest::qWait(1);
    EXPECT_TRUE(f.source->restoredNames.isEmpty());
    EXPECT_TRUE(f.boxes.isEmpty());
}

TEST(ItemMenuTest, OnlyADeleteReadsTheListAgainAndNothingRecomputesTheTotals) {
    const QString question = QStringLiteral("Velmora|确实要永久删除此项吗？\n\nnotes.txt");
    struct Case {
        const char* what;
        QAction* ItemMenu::*action;
        bool answer;
        std::optional<RemoveOutcome> removal;
        RestoreOutcome restore;
        QStringList boxes;
        int reads; // enumerations after the first
    };
    const Case cases[] = {
        {"delete, 否", &ItemMenu::ActDelete, false, {}, {}, {question}, 0},
        {"delete, 是", &ItemMenu::ActDelete, true, RemoveOutcome::Removed, {}, {question}, 1},
        {"delete, part stayed",
         &ItemMenu::ActDelete,
         true,
         RemoveOutcome::Stayed,
         {},
         {question, QStringLiteral("Velmora|无法完全删除“notes.txt”。")},
         1},
        {"restore", &ItemMenu::ActRestore, true, {}, RestoreOutcome::Restored, {}, 0},
        {"restore over an existing object",
         &ItemMenu::ActRestore,
         true,
         {},
         RestoreOutcome::TargetExists,
         {QStringLiteral("Velmora|无法还原“notes.txt”：原位置已存在同名项目。")},
         0},
        {"restore to an unsafe path",
         &ItemMenu::ActRestore,
         true,
         {},
         RestoreOutcome::InvalidTarget,
         {QStringLiteral("Velmora|无法还原“notes.txt”：原位置无效。")},
         0},
        {"restore refused by the system",
         &ItemMenu::ActRestore,
         true,
         {},
         RestoreOutcome::Failed,
         {QStringLiteral("Velmora|无法还原“notes.txt”。")},
         0},
    };
    for (const Case& c : cases) {
        MenuFixture f;
        const QString total = f.form->lblTotal->text();
        const QString space = f.form->lblTotalSpace->text();
        f.answer = c.answer;
        f.source->restoreOutcome = c.restore;
        if (c.removal)
            f.source->outcomes[1] = *c.removal;
        f.choose(1, c.action);
        EXPECT_EQ(f.boxes, c.boxes) << c.what;
        EXPECT_EQ(f.source->enumerations - 1, c.reads) << c.what;
        EXPECT_EQ(f.source->removedNames,
                  c.removal ? QStringList{QStringLiteral("notes.txt")} : QStringList())
            << c.what;
        EXPECT_EQ(f.source->restoredNames, c.action == &ItemMenu::ActRestore
                                               ? QStringList{QStringLiteral("notes.txt")}
                                               : QStringList())
            << c.what;
        // The list shows what the re-read found, the totals what they were.
        EXPECT_EQ(f.list->rowCount(), c.reads ? 0 : 3) << c.what;
        EXPECT_EQ(f.form->lblTotal->text(), total) << c.what;
        EXPECT_EQ(f.form->lblTotalSpace->text(), space) << c.what;
    }
}

// 还原 runs off the GUI thread like the purge: the window takes no input meanwhile, and a restore
// that takes a while shows the progress window, "正在还原…", whose 取消 cannot stop it.
TEST(ItemMenuTest, ASlowRestoreRunsOffTheGuiThreadWithTheProgressWindow) {
    MenuFixture f;
    f.source->restoreDelay = std::chrono::milliseconds(600);
    const auto delay = PurgeProgressDelay;
    PurgeProgressDelay = std::chrono::milliseconds(100);
    QString text;
    bool cancellable = true, modal = false, seen = false;
    int clicks = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clicks++ == 0) // dropped: no second command starts
            QTest::mouseClick(f.form->BtnDelete, Qt::LeftButton);
        auto* dialog = f.form->findChild<PurgeProgressWindow*>();
        if (!dialog || !dialog->isVisible() || seen)
            return;
        seen = true;
        text = dialog->lblPurging->text();
        cancellable = dialog->BtnCancel->isEnabled();
        modal = dialog->isModal();
        QTest::mouseClick(dialog->BtnCancel, Qt::LeftButton);
    });
    poll.start();
    f.choose(1, &ItemMenu::ActRestore);
    poll.stop();
    PurgeProgressDelay = delay;
    EXPECT_TRUE(seen);
    EXPECT_EQ(text, QStringLiteral("正在还原…"));
    EXPECT_FALSE(cancellable);
    EXPECT_TRUE(modal);
    EXPECT_EQ(f.source->restoredNames, QStringList{QStringLiteral("notes.txt")});
    EXPECT_NE(f.source->restoreThread, std::this_thread::get_id());
    EXPECT_NE(f.source->restoreThread, std::thread::id());
    EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(u'\n').toStdString();
    EXPECT_TRUE(f.source->removedNames.isEmpty());
    EXPECT_EQ(f.form->findChild<PurgeProgressWindow*>(), nullptr);
}

// 删除 takes the lock of every removal: while another removal (a purge of the window's, of the
// command line's) holds it, it says so and removes nothing; after a listing that failed it
// removes nothing either.
TEST(ItemMenuTest, DeleteRemovesNothingWhileAnotherRemovalRunsOrAfterAFailedListing) {
    const QString question = QStringLiteral("Velmora|确实要永久删除此项吗？\n\nnotes.txt");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int trashDir = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(trashDir, 0);
    {
        MenuFixture f;
        f.source->lockDirs = {trashDir};
        const TrashLock other({trashDir});
        f.choose(1, &ItemMenu::ActDelete);
        EXPECT_EQ(f.boxes, (QStringList{question, QStringLiteral("另一个清除正在进行")}));
        EXPECT_TRUE(f.source->removedNames.isEmpty());
        EXPECT_EQ(f.source->enumerations, 1);
    }
    {
        MenuFixture f;
        f.source->lockDirs = {trashDir};
        f.source->failure = QStringLiteral("内存不足，未能读取回收站");
        f.choose(1, &ItemMenu::ActDelete);
        EXPECT_EQ(f.boxes,
                  (QStringList{question, QStringLiteral("Velmora|内存不足，未能读取回收站")}));
        EXPECT_TRUE(f.source->removedNames.isEmpty());
    }
    {
        MenuFixture f; // the lock free again: the item goes
        f.source->lockDirs = {trashDir};
        f.choose(1, &ItemMenu::ActDelete);
        EXPECT_EQ(f.boxes, QStringList{question});
        EXPECT_EQ(f.source->removedNames, QStringList{QStringLiteral("notes.txt")});
    }
    ::close(trashDir);
}

TEST(ItemMenuTest, RenameEditsTheNameInPlace) {
    struct Case {
        const char* what;
        std::function<void(MenuFixture&)> start;
        int row;
        QString typed; // empty: the name is left as it is
        int endKey;
        bool accepted;
        QStringList requests;
        QStringList boxes;
        QString name; // shown afterwards
    };
    const auto f2 = [](MenuFixture& f) { QTest::keyClick(f.list, Qt::Key_F2); };
    const auto menu = [](MenuFixture& f) { f.choose(f.list->ItemIndex(), &ItemMenu::ActRename); };
    // F2 on the open menu, whose 重命名 shows it: the menu closes and the edit starts.
    const auto menuF2 = [](MenuFixture& f) {
        QTest::keyClick(f.list, Qt::Key_Menu);
        ItemMenu* open = f.commands->Menu();
        ASSERT_NE(open, nullptr);
        EXPECT_EQ(open->ActRename->shortcut(), QKeySequence(Qt::Key_F2));
        EXPECT_TRUE(open->ActRename->isShortcutVisibleInContextMenu());
        // With VELMORA_RENDER_DIR set, the window with its open menu is written there.
        const QString dir = qEnvironmentVariable("VELMORA_RENDER_DIR");
        if (!dir.isEmpty()) {
            QPixmap shot = f.form->grab();
            QPainter painter(&shot);
            painter.drawPixmap(f.form->mapFromGlobal(open->pos()), open->grab());
            painter.end();
            shot.save(dir + QStringLiteral("/item-menu.png"));
        }
        QTest::keyClick(open, Qt::Key_F2);
        QTest::qWait(1);
        EXPECT_EQ(f.commands->Menu(), nullptr);
    };
    const Case cases[] = {
        {"F2, Enter", f2, 1, "plans.txt", Qt::Key_Return, true, {"plans.txt"}, {}, "plans.txt"},
        {"menu, Enter", menu, 0, "pictures", Qt::Key_Enter, true, {"pictures"}, {}, "pictures"},
        {"menu, F2", menuF2, 1, "plans.txt", Qt::Key_Return, true, {"plans.txt"}, {}, "plans.txt"},
        {"Escape cancels", f2, 1, "plans.txt", Qt::Key_Escape, true, {}, {}, "notes.txt"},
        {"unchanged", f2, 1, "", Qt::Key_Return, true, {}, {}, "notes.txt"},
        {"refused",
         f2,
         1,
         "a/b",
         Qt::Key_Return,
         false,
         {"a/b"},
         {"Velmora|Rename to a/b failed."},
         "notes.txt"},
        {"an orphan is not renamable", f2, 2, "x", Qt::Key_Return, true, {}, {}, "orphan.bin"},
    };
    for (const Case& c : cases) {
        MenuFixture f;
        f.source->renameAccepted = c.accepted;
        f.list->setFocus();
        f.list->SetItemIndex(c.row);
        c.start(f);
        QLineEdit* editor = f.commands->Editor();
        ASSERT_NE(editor, nullptr) << c.what;
        EXPECT_EQ(editor->objectName(), QStringLiteral("NameEditor"));
        EXPECT_EQ(editor->text(), f.source->displayName(c.row)) << c.what;
        if (!c.typed.isEmpty()) {
            editor->selectAll();
            QTest::keyClicks(editor, c.typed);
        }
        QTest::keyClick(editor, Qt::Key(c.endKey));
        QTest::qWait(1);
        EXPECT_EQ(f.commands->Editor(), nullptr) << c.what;
        EXPECT_EQ(f.source->renameRequests, c.requests) << c.what;
        EXPECT_EQ(f.boxes, c.boxes) << c.what;
        EXPECT_EQ(f.list->model()->index(c.row, 0).data().toString(), c.name) << c.what;
        EXPECT_EQ(f.source->enumerations, 1) << c.what;
    }
}

TEST(ItemMenuTest, SecondClickOnTheSelectedNameStartsTheEdit) {
    MenuFixture f;
    const QRect name = f.list->visualRect(f.list->model()->index(1, 0));
    const QPoint at(name.left() + 40, name.center().y());
    // The first click selects; the second, on the selected row's name, edits once no
    // double-click can follow.
    QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(f.list->ItemIndex(), 1);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(f.commands->Editor(), nullptr);
    QTest::mouseClick(f.list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(f.commands->Editor(), nullptr);
    // Polled: on a loaded machine a fixed wait can end before the edit's timer was handled.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.commands->Editor() != nullptr; }, 30000));
    EXPECT_EQ(f.commands->Editor()->text(), QStringLiteral("notes.txt"));
    EXPECT_EQ(f.commands->Editor()->selectedText(), QStringLiteral("notes"));
    f.commands->EndRename(false);
    // A double-click edits nothing.
    QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(f.commands->Editor(), nullptr);
}

TEST(ItemMenuTest, PropertiesShowReadOnlyTexts) {
    MenuFixture f;
    QStringList shown;
    QString title;
    bool readOnly = true;
    // Reads and closes the dialog once it is open.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TfrmProperties*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        title = dialog->windowTitle();
        for (QLineEdit* field : dialog->Fields) {
            shown.append(field->objectName() + u'=' + field->text());
            readOnly = readOnly && field->isReadOnly();
        }
        dialog->accept();
    });
    poll.start(10);
    f.choose(0, &ItemMenu::ActProperties);
    EXPECT_EQ(title, QStringLiteral("photos 属性"));
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(shown, QStringList({
                         QStringLiteral("edtName=photos"),
                         QStringLiteral("edtLocation="),
                         QStringLiteral("edtDeleted="),
                         QStringLiteral("edtType="),
                         QStringLiteral("edtSize=2,048 KB"),
                         QStringLiteral("edtOnDisk=4,096 字节"),
                         QStringLiteral("edtApparent=10 字节"),
                         QStringLiteral("edtContents=3 个文件，1 个文件夹"),
                         QStringLiteral("edtModified="),
                         QStringLiteral("edtStored=/trash/files/photos"),
                     }));
    EXPECT_EQ(f.source->enumerations, 1);
}

} // namespace
} // namespace velmora
