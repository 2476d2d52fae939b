#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "ui/dialogs/FindDialog.h"

namespace velmora {
namespace {

void press(QWidget* widget, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QApplication::sendEvent(widget, &up);
}

// The next control that Tab reaches.
QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

TEST(FindDialogTest, ControlsTextsAndStartingState) {
    QWidget owner;
    TFindDialog dialog(&owner);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("FindDialog1"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("查找"));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.parentWidget(), &owner);

    struct Control {
        QWidget* widget;
        const char* name;
        QString text;
    };
    const Control controls[] = {
        {dialog.FindLabel, "FindLabel", QStringLiteral("查找内容(&N):")},
        {dialog.FindText, "FindText", QString()},
        {dialog.MatchWholeWord, "MatchWholeWord", QStringLiteral("全字匹配(&W)")},
        {dialog.MatchCase, "MatchCase", QStringLiteral("区分大小写(&C)")},
        {dialog.Direction, "Direction", QStringLiteral("方向")},
        {dialog.DirectionUp, "DirectionUp", QStringLiteral("向上(&U)")},
        {dialog.DirectionDown, "DirectionDown", QStringLiteral("向下(&D)")},
        {dialog.FindNext, "FindNext", QStringLiteral("查找下一个(&F)")},
        {dialog.FindCancel, "FindCancel", QStringLiteral("取消")},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(dialog.findChild<QWidget*>(QString::fromLatin1(c.name)), c.widget);
        QString text;
        if (auto* label = qobject_cast<QLabel*>(c.widget))
            text = label->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(c.widget))
            text = edit->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(c.widget))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(c.widget))
            text = group->title();
        EXPECT_EQ(text, c.text);
        // Every control lies inside the dialog.
        const QRect inDialog(c.widget->mapTo(&dialog, QPoint(0, 0)), c.widget->size());
        EXPECT_TRUE(dialog.rect().contains(inDialog)) << inDialog.x() << "," << inDialog.y();
    }
    EXPECT_EQ(dialog.FindLabel->buddy(), dialog.FindText);
    EXPECT_EQ(dialog.DirectionUp->parentWidget(), dialog.Direction);

    // Options frDown alone; Find Next is the default button, disabled while the text is empty.
    EXPECT_EQ(dialog.Options(), TFindDialog::FindOptions(TFindDialog::frDown));
    EXPECT_TRUE(dialog.FindNext->isDefault());
    EXPECT_FALSE(dialog.FindCancel->isDefault());
    EXPECT_FALSE(dialog.FindNext->isEnabled());
    dialog.FindText->setText(QStringLiteral("a"));
    EXPECT_TRUE(dialog.FindNext->isEnabled());
    dialog.FindText->clear();
    EXPECT_FALSE(dialog.FindNext->isEnabled());

    // The options follow the controls.
    dialog.DirectionUp->setChecked(true);
    dialog.MatchCase->setChecked(true);
    EXPECT_EQ(dialog.Options(), TFindDialog::FindOptions(TFindDialog::frMatchCase));
    dialog.MatchWholeWord->setChecked(true);
    dialog.DirectionDown->setChecked(true);
    EXPECT_EQ(dialog.Options(),
              TFindDialog::frDown | TFindDialog::frWholeWord | TFindDialog::frMatchCase);

    // Keyboard order.
    QWidget* order[] = {dialog.FindText,    dialog.MatchWholeWord, dialog.MatchCase,
                        dialog.DirectionUp, dialog.DirectionDown,  dialog.FindNext,
                        dialog.FindCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
}

TEST(FindDialogTest, FindNextRaisesTheFindEvent) {
    TFindDialog dialog(nullptr);
    QSignalSpy finds(&dialog, &TFindDialog::find);
    dialog.Execute();
    dialog.FindText->setText(QStringLiteral("报告"));
    dialog.FindNext->click();
    EXPECT_EQ(finds.count(), 1);
    // Enter presses the default button.
    press(dialog.FindText, Qt::Key_Return);
    EXPECT_EQ(finds.count(), 2);
    EXPECT_TRUE(dialog.isVisible());
    // Not while the text is empty.
    dialog.FindText->clear();
    press(dialog.FindText, Qt::Key_Return);
    EXPECT_EQ(finds.count(), 2);
}

TEST(FindDialogTest, ClosingHidesAndKeepsTheState) {
    QWidget owner;
    owner.show();
    TFindDialog dialog(&owner);
    const std::function<void()> closers[] = {
        [&] { dialog.FindCancel->click(); },
        [&] { press(dialog.FindText, Qt::Key_Escape); },
        [&] { dialog.close(); },
    };
    int n = 0;
    for (const auto& close : closers) {
        SCOPED_TRACE(++n);
        dialog.Execute();
        ASSERT_TRUE(dialog.isVisible());
        dialog.FindText->setText(QStringLiteral("报告") + QString::number(n));
        dialog.DirectionUp->setChecked(n % 2 == 1);
        dialog.DirectionDown->setChecked(n % 2 == 0);
        dialog.MatchCase->setChecked(n != 2);
        dialog.MatchWholeWord->setChecked(n == 2);
        const TFindDialog::FindOptions options = dialog.Options();
        close();
        EXPECT_FALSE(dialog.isVisible());

        dialog.Execute();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.FindText->text(), QStringLiteral("报告") + QString::number(n));
        EXPECT_EQ(dialog.Options(), options);
        EXPECT_TRUE(dialog.FindNext->isEnabled());
        // Executing an open dialog changes nothing either.
        dialog.Execute();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.FindText->text(), QStringLiteral("报告") + QString::number(n));
        EXPECT_EQ(dialog.Options(), options);
    }

    const QString dir = QString::fromLocal8Bit(qgetenv("VELMORA_RENDER_DIR"));
    if (!dir.isEmpty()) {
        dialog.FindText->setText(QStringLiteral("报告"));
        dialog.DirectionDown->setChecked(true);
        dialog.MatchCase->setChecked(false);
        dialog.MatchWholeWord->setChecked(false);
        EXPECT_TRUE(dialog.grab().save(QDir(dir).filePath(QStringLiteral("find.png"))));
    }
}

} // namespace
} // namespace velmora
