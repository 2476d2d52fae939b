// The whole job without a mouse: choose the days, analyse, clear (answering the real question
// box from the keyboard), find.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "FakeItemSource.h"
#include "TestHelpers.h"
#include "core/FormatSettings.h"
#include "ui/common/InformationBox.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/PurgeQuestionBox.h"
#include "ui/main/ShellListView.h"
#include "ui/main/Unit1.h"

namespace velmora {
namespace {

using test::trashItem;

// Where a key goes without a focus widget: the main window.
QWidget* mainWindow = nullptr;

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeModalWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        target = mainWindow;
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Presses Tab until `widget` (or a field whose focus it takes) has the focus.
bool tabTo(QWidget* widget) {
    for (int i = 0; i < 30; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == widget || focus->focusProxy() == widget))
            return true;
        press(Qt::Key_Tab);
    }
    return false;
}

// Runs `answer` on the modal box that `open` shows, once it is up; returns that box.
QWidget* whileModal(const std::function<void()>& open,
                    const std::function<void(QWidget*)>& answer) {
    QWidget* seen = nullptr;
    QWidget* window = QApplication::activeWindow() ? QApplication::activeWindow() : mainWindow;
    // Polls until the box is up and has the keyboard (active): under a sanitizer on a loaded
    // machine that may take seconds, and keys pressed before then go to the window behind it.
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && (box->isActiveWindow() || waited.elapsed() > 60000)) {
            poll.stop();
            seen = box;
            answer(seen);
        } else if (waited.elapsed() > 60000) {
            poll.stop(); // never up: `seen` stays null and the caller's check fails
        }
    });
    poll.start(20);
    open();
    poll.stop();
    // The window manager gives the window back its activation, and Qt its focus widget.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return seen;
}

// With VELMORA_RENDER_DIR set, the question box is written there as purge-question.png.
TEST(KeyboardTest, TheWholeJobWithoutAMouse) {
    setFormatSettings(FormatSettings{});
    QStringList boxes;
    setInformationBoxFunction([&](QWidget*, const QString& text) { boxes.append(text); });
    setPurgeQuestionFunction({}); // the real box, answered from the keyboard
    auto owned = std::make_unique<test::FakeItemSource>(
        std::vector<test::FakeItem>{trashItem("alpha", "2020/10/1 10:00", "1,234 KB"),
                                    trashItem("beta", "2020/11/20 10:00", "9 MB"),
                                    trashItem("gamma", "2020/9/1 10:00", "3.5 MB")});
    test::FakeItemSource& source = *owned;
    TForm1 form(std::move(owned), [] { return test::date(2020, 11, 27); });
    TfrmAbout about(&form);
    TfrmAnalyze analyze(&form);
    frmAbout = &about;
    frmAnalyze = &analyze;
    mainWindow = &form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    // The days: 30.
    ASSERT_TRUE(tabTo(form.CmbDays));
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("30"));
    EXPECT_EQ(form.CmbDays->currentText(), QStringLiteral("30"));
    EXPECT_TRUE(form.RbDays->isChecked());

    // 分析 with Enter; the dialog closes with Escape.
    ASSERT_TRUE(tabTo(form.BtnAnalyse));
    QWidget* shown =
        whileModal([] { press(Qt::Key_Return); }, [](QWidget*) { press(Qt::Key_Escape); });
    EXPECT_EQ(shown, &analyze);
    EXPECT_FALSE(analyze.isVisible());
    EXPECT_EQ(analyze.StrMsg,
              QStringLiteral("回收站中有 30 天前删除文件或文件夹：2项\r合计占用空间：5MB"));

    // 清除 with Space asks; Enter answers 否, the default, and so does Escape: nothing happens.
    ASSERT_TRUE(tabTo(form.BtnDelete));
    QString question;
    for (Qt::Key answer : {Qt::Key_Return, Qt::Key_Escape}) {
        QWidget* box =
            whileModal([] { press(Qt::Key_Space); },
                       [&](QWidget* modal) {
                           auto* b = qobject_cast<QMessageBox*>(modal);
                           ASSERT_NE(b, nullptr);
                           question = b->text();
                           // With VELMORA_RENDER_DIR set, the box is written there.
                           const QString dir = qEnvironmentVariable("VELMORA_RENDER_DIR");
                           if (!dir.isEmpty())
                               b->grab().save(dir + QStringLiteral("/purge-question.png"));
                           EXPECT_EQ(b->objectName(), QStringLiteral("PurgeQuestion"));
                           EXPECT_EQ(b->windowTitle(), QStringLiteral("Velmora"));
                           EXPECT_EQ(b->icon(), QMessageBox::Question);
                           EXPECT_EQ(b->defaultButton()->text(), QStringLiteral("否"));
                           EXPECT_EQ(b->button(QMessageBox::Yes)->text(), QStringLiteral("是"));
                           press(answer);
                       });
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(question,
                  QStringLiteral("将永久删除 2项（共 4.71MB），此操作无法撤销。是否继续？"));
        EXPECT_TRUE(source.removedNames.isEmpty());
        EXPECT_TRUE(boxes.isEmpty());
    }
    // Then 是, reached with Tab and pressed with Space.
    source.setNextItems({trashItem("beta", "2020/11/20 10:00", "9 MB")});
    whileModal([] { press(Qt::Key_Space); },
               [](QWidget* modal) {
                   QAbstractButton* yes =
                       qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes);
                   for (int i = 0; i < 5 && QApplication::focusWidget() != yes; ++i)
                       press(Qt::Key_Tab);
                   ASSERT_EQ(QApplication::focusWidget(), yes);
                   press(Qt::Key_Space);
               });
    QStringList removed = source.removedNames;
    removed.sort();
    EXPECT_EQ(removed, (QStringList{"alpha", "gamma"}));
    EXPECT_EQ(boxes, (QStringList{"删除文件或文件夹：2项", "释放空间：4.71MB"}));
    // The focus has left 清除: a second Space does not clear again.
    EXPECT_EQ(QApplication::focusWidget(), form.ShellListView1);

    // 搜索 with Enter; the text, Enter for 查找下一个, Escape closes the dialog.
    ASSERT_TRUE(tabTo(form.BtnSeek));
    press(Qt::Key_Return);
    TFindDialog& find = *form.FindDialog1;
    ASSERT_TRUE(find.isVisible());
    // The dialog takes the focus in its text (a modeless dialog counts as active with its
    // owner, so the wait is for the focus itself).
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == find.FindText; }));
    QTest::keyClicks(find.FindText, QStringLiteral("bet"));
    press(Qt::Key_Return);
    EXPECT_EQ(form.ShellListView1->ItemIndex(), 0);
    press(Qt::Key_Escape);
    EXPECT_FALSE(find.isVisible());

    frmAbout = nullptr;
    frmAnalyze = nullptr;
    setInformationBoxFunction({});
}

} // namespace
} // namespace velmora
