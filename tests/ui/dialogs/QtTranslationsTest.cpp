// Qt's own texts in Chinese once its catalog is loaded: the standard buttons and the line edit's
// context menu (the date picker's calendar takes its month and day names from the locale).
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "ui/common/QtTranslations.h"

namespace velmora {
namespace {

TEST(QtTranslationsTest, QtsOwnTextsSpeakChinese) {
    ASSERT_TRUE(installQtTranslations());
    EXPECT_TRUE(installQtTranslations()); // once only, however often asked

    QMessageBox box(QMessageBox::Information, QStringLiteral("Velmora"), QStringLiteral("x"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));

    QLineEdit edit(QStringLiteral("text"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts.append(a->text().section(u'\t', 0, 0)); // without its key
    EXPECT_TRUE(texts.contains(QStringLiteral("撤消(&U)"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("粘贴(&P)"))) << texts.join(u'|').toStdString();
}

} // namespace
} // namespace velmora
