// The interface's language: the one rule that picks it from the user's languages, and the
// catalogs it loads. Qt's own texts in Chinese once its catalog is loaded: the standard buttons
// and the line edit's context menu (the date picker's calendar takes its month and day names
// from the locale).
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "ui/common/QtTranslations.h"

namespace velmora {
namespace {

// Each case: the user's UI languages, in QLocale::uiLanguages()'s spelling or the environment's,
// and the catalog that must be chosen ("" for the Simplified Chinese source texts).
TEST(QtTranslationsTest, TheFirstLanguageWithACatalogIsChosen) {
    const struct {
        QStringList uiLanguages;
        QString language;
    } cases[] = {
        {{"zh-CN"}, ""},
        {{"zh_CN"}, ""},
        {{"zh"}, ""},
        {{"zh-SG"}, ""},
        {{"zh-Hans"}, ""},
        {{"zh-Hans-CN", "zh-CN"}, ""},
        {{"zh-TW"}, "zh_TW"},
        {{"zh_HK"}, "zh_TW"},
        {{"zh-Hant"}, "zh_TW"},
        {{"zh-Hant-HK"}, "zh_TW"},
        {{"en-US"}, "en"},
        {{"en-GB"}, "en"},
        {{"de-DE"}, "de"},
        {{"de_AT"}, "de"},
        {{"fr-CA"}, "fr"},
        {{"es-MX"}, "es"},
        {{"pt-BR"}, "pt_BR"},
        {{"pt-PT"}, "pt_BR"}, // the only Portuguese there is, rather than English
        {{"ru-RU"}, "ru"},
        {{"ja-JP"}, "ja"},
        {{"ko-KR"}, "ko"},
        {{"C"}, "en"},
        {{}, "en"},
        {{"nl-NL"}, "en"},                   // no catalog, nothing after it
        {{"nl-NL", "de-DE", "fr-FR"}, "de"}, // the first that has one
        {{"eo", "zh-TW", "zh-CN"}, "zh_TW"}, // Traditional before Simplified
        {{"it-IT", "zh-CN", "en-US"}, ""},   // the source texts count as a catalog
        {{"en-US", "zh-CN"}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(interfaceLanguage(c.uiLanguages), c.language)
            << c.uiLanguages.join(u':').toStdString();
}

// Every shipped language has its catalog embedded, and Qt's own where Qt has one.
TEST(QtTranslationsTest, EveryShippedCatalogLoads) {
    for (const QString& language : shippedLanguages())
        EXPECT_TRUE(installTranslations(language)) << language.toStdString();
    EXPECT_TRUE(installTranslations(QString()));
}

// English replaces the Chinese source texts and Qt's Chinese buttons; going back to Simplified
// Chinese leaves no English behind. The core's texts follow through its translator.
TEST(QtTranslationsTest, SwitchingLanguagesReplacesEveryCatalog) {
    ASSERT_TRUE(installTranslations(QStringLiteral("en")));
    EXPECT_EQ(QCoreApplication::translate("velmora::ItemMenu", "还原"), QStringLiteral("Restore"));
    EXPECT_EQ(QCoreApplication::translate("Totals", "%n个", "count of items", 1),
              QStringLiteral("1 item"));
    EXPECT_EQ(QCoreApplication::translate("Totals", "%n个", "count of items", 3),
              QStringLiteral("3 items"));
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Velmora"), QStringLiteral("x"),
                        QMessageBox::Ok);
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    }
    // A text a catalog lacks (here one of no catalog) stays as it is; one the English catalog
    // has is English under another language until that language's catalog has it too.
    EXPECT_EQ(QCoreApplication::translate("velmora::ItemMenu", "不在任何目录"),
              QStringLiteral("不在任何目录"));
    ASSERT_TRUE(installTranslations(QStringLiteral("ko")));
    EXPECT_NE(QCoreApplication::translate("velmora::ItemMenu", "还原"), QStringLiteral("还原"));
    ASSERT_TRUE(installTranslations(QString()));
    EXPECT_EQ(QCoreApplication::translate("velmora::ItemMenu", "还原"), QStringLiteral("还原"));
    EXPECT_EQ(QCoreApplication::translate("Totals", "%n个", "count of items", 3),
              QStringLiteral("3个"));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Velmora"), QStringLiteral("x"),
                    QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
}

// The suite runs with LANGUAGE=zh_CN: the user's language is Simplified Chinese.
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
