// The item menu over a real trash made by trash-put: 删除 answered 否 and 是, a replaced item left
// alone, 还原 and an in-place rename reaching the disk.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "TrashFixture.h"
#include "app/ErrorHandler.h"
#include "core/FormatSettings.h"
#include "platform/LocaleSettings.h"
#include "platform/TrashInfo.h"
#include "platform/TrashSource.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/ItemBoxes.h"
#include "ui/main/ItemMenu.h"
#include "ui/main/ShellListView.h"
#include "ui/main/Unit1.h"

namespace velmora {
namespace {

using test::lstatOf;
using test::readFile;
using test::writeFile;

struct OnDisk {
    test::TempTree dir;
    QByteArray root = QFile::encodeName(dir.path());
    QByteArray data = root + "/data";
    QByteArray docs = root + "/docs";
    QByteArray trash = data + "/Trash";
    QStringList boxes;
    bool answer = false;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmAnalyze> analyze;
    TShellListView* list = nullptr;
    ItemCommands* commands = nullptr;

    OnDisk() {
        EXPECT_TRUE(test::makeDirs(data) && test::makeDirs(docs + "/tree/ro", 0755));
        EXPECT_TRUE(writeFile(docs + "/tree/ro/f.txt", "f") && writeFile(docs + "/keep.txt", "k") &&
                    writeFile(docs + "/back.txt", "b") && writeFile(docs + "/name.txt", "n"));
        EXPECT_EQ(::chmod((docs + "/tree/ro").constData(), 0555), 0);
        for (const char* name : {"tree", "keep.txt", "back.txt", "name.txt"}) {
            const test::Run r =
                test::run(QStringLiteral("trash-put"), {QString::fromUtf8(docs + '/' + name)},
                          {QStringLiteral("XDG_DATA_HOME=") + QString::fromUtf8(data)});
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        }
        setFormatSettings(formatSettingsFor(QLocale(QStringLiteral("zh_CN"))));
        installErrorHandler();
        setMessageBoxFunction([this](QWidget*, const QString& caption, const QString& text) {
            boxes.append(caption + u'|' + text);
        });
        setErrorBoxFunction([this](QWidget*, const QString& caption, const QString& text) {
            boxes.append(caption + u'|' + text);
        });
        setQuestionBoxFunction([this](QWidget*, const QString&, const QString&) { return answer; });
        TrashSourceOptions options;
        options.dataHome = QString::fromUtf8(data);
        options.scanVolumes = false;
        options.locale = QLocale(QStringLiteral("zh_CN"));
        form = std::make_unique<TForm1>(std::make_unique<TrashSource>(options));
        about = std::make_unique<TfrmAbout>(form.get());
        analyze = std::make_unique<TfrmAnalyze>(form.get());
        frmAbout = about.get();
        frmAnalyze = analyze.get();
        form->show();
        list = form->ShellListView1;
        commands = list->findChild<ItemCommands*>();
    }
    ~OnDisk() {
        frmAbout = nullptr;
        frmAnalyze = nullptr;
        setMessageBoxFunction({});
        setErrorBoxFunction({});
        setQuestionBoxFunction({});
    }
    int row(const QString& name) const {
        for (int i = 0; i < list->rowCount(); ++i)
            if (list->source().displayName(i) == name)
                return i;
        return -1;
    }
    void choose(const QString& name, QAction* ItemMenu::*action) {
        const int r = row(name);
        ASSERT_GE(r, 0) << name.toStdString();
        list->SetItemIndex(r);
        ASSERT_TRUE(commands->Popup(QPoint(0, 0)));
        ItemMenu* menu = commands->Menu();
        (menu->*action)->trigger();
        menu->hide();
        QTest::qWait(1);
    }
};

TEST(ItemMenuOnDiskTest, DeleteAsksThenRemovesTheListedItemOnly) {
    OnDisk d;
    ASSERT_EQ(d.list->rowCount(), 4);
    const QString total = d.form->lblTotal->text();

    d.answer = false;
    d.choose(QStringLiteral("tree"), &ItemMenu::ActDelete);
    EXPECT_TRUE(lstatOf(d.trash + "/files/tree/ro/f.txt"));
    EXPECT_EQ(d.list->rowCount(), 4);

    d.answer = true;
    d.choose(QStringLiteral("tree"), &ItemMenu::ActDelete);
    EXPECT_FALSE(lstatOf(d.trash + "/files/tree"));
    EXPECT_FALSE(lstatOf(d.trash + "/info/tree.trashinfo"));
    EXPECT_EQ(d.list->rowCount(), 3); // read again
    EXPECT_EQ(d.form->lblTotal->text(), total);

    // Something new under the listed item's stored name is not the item: it stays.
    const QByteArray stored = d.trash + "/files/keep.txt";
    ASSERT_TRUE(writeFile(stored + ".new", "new"));
    ASSERT_EQ(::rename((stored + ".new").constData(), stored.constData()), 0);
    d.choose(QStringLiteral("keep.txt"), &ItemMenu::ActDelete);
    EXPECT_EQ(readFile(stored), "new");
    EXPECT_TRUE(lstatOf(d.trash + "/info/keep.txt.trashinfo"));
    EXPECT_TRUE(d.boxes.isEmpty()) << d.boxes.join(u'\n').toStdString();
}

TEST(ItemMenuOnDiskTest, RestoreAndRenameReachTheDisk) {
    OnDisk d;
    d.choose(QStringLiteral("back.txt"), &ItemMenu::ActRestore);
    EXPECT_EQ(readFile(d.docs + "/back.txt"), "b");
    EXPECT_GE(d.row(QStringLiteral("back.txt")), 0); // the row stays until the next re-read
    d.choose(QStringLiteral("back.txt"), &ItemMenu::ActRestore);
    EXPECT_EQ(d.boxes, QStringList{QStringLiteral("Velmora|无法还原“back.txt”。")});

    d.list->setFocus();
    d.list->SetItemIndex(d.row(QStringLiteral("name.txt")));
    QTest::keyClick(d.list, Qt::Key_F2);
    QLineEdit* editor = d.commands->Editor();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("新名字.txt")); // typed keys are ASCII only in QTest
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_GE(d.row(QStringLiteral("新名字.txt")), 0);
    EXPECT_EQ(parseTrashInfo(readFile(d.trash + "/info/name.txt.trashinfo")).path,
              d.docs + "/新名字.txt");
    d.choose(QStringLiteral("新名字.txt"), &ItemMenu::ActRestore);
    EXPECT_EQ(readFile(d.docs + "/新名字.txt"), "n");
}

} // namespace
} // namespace velmora
