#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/common/ClickLabel.h"
#include "ui/common/QtTranslations.h"
#include "ui/common/WindowFont.h"
#include "ui/dialogs/Shape.h"
#include "ui/dialogs/SupportAddress.h"
#include "ui/dialogs/Unit2.h"

namespace velmora {
namespace {

void click(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

TEST(AboutDialogTest, Creation) {
    TfrmAbout dialog(nullptr);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Velmora"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.minimumSize(), QSize(361, 332));
    EXPECT_EQ(dialog.maximumSize(), QSize(361, 332));
    EXPECT_EQ(dialog.clientArea()->geometry(), QRect(3, 3, 355, 326));
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.font(), windowFont());
    EXPECT_EQ(dialog.backgroundRole(), QPalette::Button);
    EXPECT_EQ(dialog.foregroundRole(), QPalette::ButtonText);

    // Controls by name, in creation order (later ones drawn over earlier ones), at their places
    // in the client area.
    struct Control {
        QWidget* widget;
        const char* name;
        QRect geometry;
    };
    const Control controls[] = {
        {dialog.Image1, "Image1", {0, 0, 354, 217}},
        {dialog.Image2, "Image2", {0, 0, 32, 32}},
        {dialog.Shape1, "Shape1", {0, 220, 354, 3}},
        {dialog.lblVersion, "lblVersion", {24, 236, 281, 13}},
        {dialog.Label1, "Label1", {88, 256, dialog.Label1->width(), 13}},
        {dialog.Label2, "Label2", {24, 257, 60, 13}},
        {dialog.BitBtn1, "BitBtn1", {288, 296, 51, 25}},
    };
    const QObjectList& children = dialog.clientArea()->children();
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const Control& c = controls[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(dialog.findChild<QWidget*>(QString::fromLatin1(c.name)), c.widget);
        EXPECT_EQ(c.widget->geometry(), c.geometry);
        EXPECT_EQ(children.indexOf(c.widget), static_cast<qsizetype>(i));
        // The link and the button are the controls the keyboard reaches.
        EXPECT_EQ(c.widget->focusPolicy() != Qt::NoFocus,
                  c.widget == dialog.BitBtn1 || c.widget == dialog.Label1);
    }

    EXPECT_EQ(dialog.lblVersion->text(), QStringLiteral("Velmora1.4"));
    EXPECT_EQ(dialog.Label2->text(), QStringLiteral("技术支持："));
    EXPECT_EQ(dialog.BitBtn1->text(), QStringLiteral("确定"));
    EXPECT_TRUE(dialog.BitBtn1->icon().isNull());

    // The link: the address and a blank, underlined, in the normal text colour, a hand cursor,
    // as wide as its text.
    EXPECT_EQ(dialog.Label1->text(), supportAddress() + QLatin1Char(' '));
    EXPECT_TRUE(dialog.Label1->font().underline());
    EXPECT_EQ(dialog.Label1->palette().color(QPalette::WindowText),
              dialog.palette().color(QPalette::WindowText));
    EXPECT_EQ(dialog.Label1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(dialog.Label1->width(),
              dialog.Label1->fontMetrics().horizontalAdvance(dialog.Label1->text()));
}

TEST(AboutDialogTest, ButtonClosesWithOk) {
    TfrmAbout dialog(nullptr);
    QTimer::singleShot(0, &dialog, [&] { dialog.BitBtn1->click(); });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

// Enter presses 确定, the default button; Escape closes the dialog as its close box does.
TEST(AboutDialogTest, EnterAndEscapeCloseIt) {
    TfrmAbout dialog(nullptr);
    EXPECT_TRUE(dialog.BitBtn1->isDefault());
    const struct {
        Qt::Key key;
        int result;
    } cases[] = {{Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(dialog.BitBtn1, c.key); });
        EXPECT_EQ(dialog.exec(), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// Tab reaches the link; Enter and Space open the page, and a dotted frame shows the focus.
TEST(AboutDialogTest, TheLinkWorksFromTheKeyboard) {
    TfrmAbout dialog(nullptr);
    QList<QUrl> opened;
    dialog.openUrl = [&](const QUrl& url) { opened.append(url); };
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.BitBtn1);
    const QImage unfocused = dialog.Label1->grab().toImage();
    QTest::keyClick(&dialog, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.Label1);
    EXPECT_NE(dialog.Label1->grab().toImage(), unfocused);
    QTest::keyClick(dialog.Label1, Qt::Key_Return);
    QTest::keyClick(dialog.Label1, Qt::Key_Space);
    QTest::keyClick(dialog.Label1, Qt::Key_Enter);
    EXPECT_EQ(opened.size(), 3);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(AboutDialogTest, TheLinkOpensThePageEachTimeAndTheDialogStays) {
    TfrmAbout dialog(nullptr);
    QList<QUrl> opened;
    dialog.openUrl = [&](const QUrl& url) { opened.append(url); };
    bool openThroughout = true;
    QTimer::singleShot(0, &dialog, [&] {
        for (int i = 0; i < 3; ++i) {
            click(dialog.Label1);
            openThroughout = openThroughout && dialog.isVisible();
        }
        dialog.close();
    });
    dialog.exec();
    EXPECT_TRUE(openThroughout);
    ASSERT_EQ(opened.size(), 3);
    for (const QUrl& url : opened)
        EXPECT_EQ(url, QUrl(supportAddress())); // without the trailing blank

    // An opener that fails changes nothing either.
    dialog.openUrl = [](const QUrl&) {};
    dialog.show();
    click(dialog.Label1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(AboutDialogTest, SupportAddress) {
    QTemporaryDir dir;
    const QString installed = dir.filePath(QStringLiteral("share/velmora/help.html"));
    const QString source = dir.filePath(QStringLiteral("src/docs/help.html"));
    const QString https = QStringLiteral("https://example.org/velmora/");

    // Not installed: the source tree's copy.
    EXPECT_EQ(supportAddress(QString(), installed, source), QUrl::fromLocalFile(source).toString());
    EXPECT_TRUE(supportAddress(QString(), installed, source).startsWith(u"file:///"));
    // Installed: the installed page.
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
    QFile page(installed);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_EQ(supportAddress(QString(), installed, source),
              QUrl::fromLocalFile(installed).toString());
    // A configured address wins.
    EXPECT_EQ(supportAddress(https, installed, source), https);

    // This build's page, unless configured to be a web page, exists: in the source tree at least.
    const QUrl built(supportAddress());
    if (built.isLocalFile()) {
        EXPECT_TRUE(QFileInfo::exists(built.toLocalFile())) << supportAddress().toStdString();
    }
}

// The link opens the help page of the interface's language: the Chinese page for both Chinese
// scripts, the English one for every other language until it has a page of its own; the page
// exists in the source tree or the install.
TEST(AboutDialogTest, TheHelpPageIsInTheInterfacesLanguage) {
    QStringList languages = shippedLanguages();
    languages.prepend(QString()); // the source texts, Simplified Chinese
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(installTranslations(language));
        const QUrl page(supportAddress());
        if (!page.isLocalFile())
            continue; // the build was configured with a web page
        const QString name = QFileInfo(page.toLocalFile()).fileName();
        const bool chinese = language.isEmpty() || language == QStringLiteral("zh_TW");
        EXPECT_EQ(name, chinese ? QStringLiteral("help.html") : QStringLiteral("help.en.html"));
        EXPECT_TRUE(QFileInfo::exists(page.toLocalFile()));
    }
    ASSERT_TRUE(installTranslations(QString()));
}

TEST(AboutDialogTest, BannerUsesThreeColoursAndWhiteShowsTheBackground) {
    const QImage banner(QStringLiteral(":/velmora/banner.bmp"));
    ASSERT_EQ(banner.size(), QSize(354, 217));
    const QColor white(255, 255, 255), black(0, 0, 0), green(0, 128, 0);
    int greens = 0, blacks = 0;
    for (int y = 0; y < banner.height(); ++y)
        for (int x = 0; x < banner.width(); ++x) {
            const QColor c = banner.pixelColor(x, y);
            ASSERT_TRUE(c == white || c == black || c == green) << x << "," << y;
            greens += c == green;
            blacks += c == black;
        }
    EXPECT_GT(greens, 0);
    EXPECT_GT(blacks, 0);
    EXPECT_EQ(banner.pixelColor(0, 216), white);

    // Drawn in the dialog: where the banner is white, the dialog's background shows; the icon
    // covers the top-left corner; Shape1 is a black outline around a white fill.
    TfrmAbout dialog(nullptr);
    QPalette background = dialog.palette();
    background.setColor(QPalette::Window, QColor(10, 20, 30));
    background.setColor(QPalette::Button, QColor(10, 20, 30));
    dialog.setPalette(background);
    dialog.show();
    const QImage shot = dialog.grab().toImage();
    const QPoint client = dialog.clientArea()->pos();
    const QImage icon(QStringLiteral(":/velmora/velmora.png"));
    int whites = 0, checked = 0;
    for (int y = 32; y < banner.height(); y += 3)
        for (int x = 0; x < banner.width(); x += 3) {
            const QColor want =
                banner.pixelColor(x, y) == white ? QColor(10, 20, 30) : banner.pixelColor(x, y);
            ASSERT_EQ(shot.pixelColor(client + QPoint(x, y)), want) << x << "," << y;
            whites += want == QColor(10, 20, 30);
            ++checked;
        }
    EXPECT_GT(whites, checked / 2);
    const QPoint iconPixel(16, 16); // an opaque pixel of the icon
    ASSERT_EQ(icon.pixelColor(iconPixel).alpha(), 255);
    EXPECT_EQ(shot.pixelColor(client + iconPixel), icon.pixelColor(iconPixel).toRgb());

    const QImage rule = dialog.Shape1->grab().toImage();
    EXPECT_EQ(rule.size(), QSize(354, 3));
    for (int x = 0; x < 354; ++x)
        for (int y = 0; y < 3; ++y) {
            const bool edge = y == 0 || y == 2 || x == 0 || x == 353;
            ASSERT_EQ(rule.pixelColor(x, y), edge ? black : white) << x << "," << y;
        }

    const QString dir = QString::fromLocal8Bit(qgetenv("VELMORA_RENDER_DIR"));
    if (!dir.isEmpty()) {
        TfrmAbout plain(nullptr);
        plain.show();
        EXPECT_TRUE(plain.grab().save(QDir(dir).filePath(QStringLiteral("about.png"))));
    }
}

} // namespace
} // namespace velmora
