// Tests of the analysis dialog and its chart.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

#include "ScopedFormatSettings.h"
#include "ui/common/WindowFont.h"
#include "ui/dialogs/Unit3.h"

namespace velmora {
namespace {

const QString PartLabel = QStringLiteral(" 指定时间前删除文件占用空间");
const QString RestLabel = QStringLiteral(" 其它时间删除文件占用空间");

// Runs the dialog's modal loop; `whileOpen` runs inside it, once the dialog is up.
template <class F> int execWhile(TfrmAnalyze& dialog, F whileOpen) {
    QTimer::singleShot(0, &dialog, [&] { whileOpen(); });
    return dialog.exec();
}

class AnalyzeDialogTest : public ::testing::Test {
protected:
    test::ScopedFormatSettings settings_{test::chineseSettings()};
    TfrmAnalyze dialog_{nullptr};
};

TEST_F(AnalyzeDialogTest, Creation) {
    EXPECT_EQ(dialog_.objectName(), QStringLiteral("frmAnalyze"));
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Velmora - 分析"));
    EXPECT_TRUE(dialog_.StrMsg.isEmpty());
    EXPECT_EQ(dialog_.ISpaceTotal, 0);
    EXPECT_EQ(dialog_.ISpacePart, 0);
    EXPECT_FALSE(dialog_.isVisible());

    // Fixed frame with a close button only, a fixed client area 10 pixels in from it.
    EXPECT_EQ(dialog_.size(), QSize(316, 278));
    EXPECT_EQ(dialog_.minimumSize(), QSize(316, 278));
    EXPECT_EQ(dialog_.maximumSize(), QSize(316, 278));
    EXPECT_EQ(dialog_.clientArea()->geometry(), QRect(10, 10, 296, 258));
    const Qt::WindowFlags flags = dialog_.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog_.font(), windowFont());
    // The button face and its text colour, by their roles: whatever the theme sets them to.
    EXPECT_EQ(dialog_.backgroundRole(), QPalette::Button);
    EXPECT_EQ(dialog_.foregroundRole(), QPalette::ButtonText);

    // Controls by name, where Designer would have put them.
    EXPECT_EQ(dialog_.findChild<QLabel*>(QStringLiteral("Label1")), dialog_.Label1);
    EXPECT_EQ(dialog_.findChild<PieChart*>(QStringLiteral("Chart1")), dialog_.Chart1);
    EXPECT_EQ(dialog_.findChild<PieSeries*>(QStringLiteral("Series1")), dialog_.Series1);
    EXPECT_EQ(dialog_.findChild<QPushButton*>(QStringLiteral("BitBtn1")), dialog_.BitBtn1);
    EXPECT_EQ(dialog_.Series1->parent(), dialog_.Chart1);
    EXPECT_EQ(dialog_.Label1->geometry(), QRect(0, 0, 296, 13));
    EXPECT_EQ(dialog_.Chart1->geometry(), QRect(0, 13, 296, 209));
    EXPECT_EQ(dialog_.BitBtn1->geometry(), QRect(115, 233, 75, 25));
    EXPECT_EQ(dialog_.BitBtn1->mapTo(&dialog_, QPoint(0, 0)), QPoint(125, 243));
    EXPECT_EQ(dialog_.BitBtn1->text(), QStringLiteral("确定"));
    EXPECT_TRUE(dialog_.BitBtn1->icon().isNull());
    EXPECT_TRUE(dialog_.BitBtn1->isDefault());
    EXPECT_TRUE(dialog_.Label1->wordWrap());
    EXPECT_EQ(dialog_.Chart1->nextInFocusChain(), dialog_.BitBtn1);
    EXPECT_EQ(dialog_.Series1->Count(), 0);
}

TEST_F(AnalyzeDialogTest, EveryShowingFillsTheChartAfresh) {
    dialog_.StrMsg = QStringLiteral("回收站中有 60 天前删除文件或文件夹：3项");
    dialog_.ISpacePart = 12;
    dialog_.ISpaceTotal = 10;
    const auto expectSlices = [&](double part, double rest) {
        ASSERT_EQ(dialog_.Series1->Count(), 2);
        const std::vector<PieSlice>& s = dialog_.Series1->Slices();
        EXPECT_EQ(s[0].Value, part);
        EXPECT_EQ(s[0].Label, PartLabel);
        EXPECT_EQ(s[0].Color, QColor(255, 0, 0));
        EXPECT_EQ(s[1].Value, rest);
        EXPECT_EQ(s[1].Label, RestLabel);
        EXPECT_EQ(s[1].Color, QColor(0, 128, 0));
        EXPECT_EQ(dialog_.Label1->text(), dialog_.StrMsg);
    };

    EXPECT_EQ(execWhile(dialog_, [&] { dialog_.BitBtn1->click(); }), 1);
    expectSlices(12, -2);
    EXPECT_FALSE(dialog_.isVisible());

    // Again with the same fields, closed with the close box: two slices, not four.
    EXPECT_EQ(execWhile(dialog_, [&] { dialog_.close(); }), int(QDialog::Rejected));
    expectSlices(12, -2);

    // The total rewritten while hidden shows at the next showing; the dialog writes no field.
    dialog_.ISpaceTotal = 40;
    execWhile(dialog_, [&] { dialog_.BitBtn1->click(); });
    expectSlices(12, 28);
    EXPECT_EQ(dialog_.ISpacePart, 12);
    EXPECT_EQ(dialog_.ISpaceTotal, 40);
}

TEST_F(AnalyzeDialogTest, TheDifferenceIsTakenAtExtendedPrecision) {
    static_assert(sizeof(long double) > sizeof(double));
    // 1 + 2^-60 has no double of its own: rounding first would leave nothing.
    dialog_.ISpaceTotal = 1.0L + std::ldexp(1.0L, -60);
    dialog_.ISpacePart = 1.0L;
    dialog_.show();
    ASSERT_EQ(dialog_.Series1->Count(), 2);
    EXPECT_EQ(dialog_.Series1->Slices()[0].Value, 1.0);
    EXPECT_EQ(dialog_.Series1->Slices()[1].Value, std::ldexp(1.0, -60));
}

TEST_F(AnalyzeDialogTest, ZeroAndNegativeValuesGoToTheChartUnchanged) {
    dialog_.ISpacePart = -5;
    dialog_.ISpaceTotal = 0;
    dialog_.show();
    ASSERT_EQ(dialog_.Series1->Count(), 2);
    EXPECT_EQ(dialog_.Series1->Slices()[0].Value, -5);
    EXPECT_EQ(dialog_.Series1->Slices()[1].Value, 5);
}

TEST_F(AnalyzeDialogTest, MessageLinesMoveTheChartDown) {
    struct Case {
        QString message, shown;
        int lines;
    };
    // Each word about two thirds of the label's width: together they need two lines.
    const QString word = QStringLiteral("x").repeated(30);
    const QString twoWords = word + QLatin1Char(' ') + word;
    const QString longWord = QStringLiteral("x").repeated(80);
    const Case cases[] = {
        {QString(), QString(), 1},
        {QStringLiteral("回收站中有 60 天前删除文件或文件夹：0项"),
         QStringLiteral("回收站中有 60 天前删除文件或文件夹：0项"), 1},
        {QStringLiteral("回收站中有 60 天前删除文件或文件夹：12项\r合计占用空间：1,234MB"),
         QStringLiteral("回收站中有 60 天前删除文件或文件夹：12项\n合计占用空间：1,234MB"), 2},
        {QStringLiteral("a\r\nb"), QStringLiteral("a\nb"), 2},
        {QStringLiteral("a\r\rb"), QStringLiteral("a\n\nb"), 3},
        {QStringLiteral("a\nb\r"), QStringLiteral("a\nb\n"), 3},
        {twoWords, twoWords, 2},
        {longWord, longWord, 1}, // a word is never broken
        {QStringLiteral("回收站").repeated(20), QStringLiteral("回收站").repeated(20), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        dialog_.StrMsg = c.message;
        dialog_.show();
        const int height = 13 * c.lines;
        EXPECT_EQ(dialog_.Label1->text(), c.shown);
        EXPECT_EQ(dialog_.Label1->lineCount(), c.lines);
        EXPECT_EQ(dialog_.Label1->geometry(), QRect(0, 0, 296, height));
        EXPECT_EQ(dialog_.Chart1->geometry(), QRect(0, height, 296, 209));
        EXPECT_EQ(dialog_.BitBtn1->geometry(), QRect(115, 233, 75, 25));
        EXPECT_EQ(dialog_.Series1->Count(), 2);
        dialog_.hide();
    }
}

// Enter presses 确定, from whichever control has the focus; Escape closes the dialog as its close
// box does.
TEST_F(AnalyzeDialogTest, EnterAndEscapeCloseIt) {
    struct Case {
        Qt::Key key;
        QWidget* focus;
        int result;
    } cases[] = {
        {Qt::Key_Return, dialog_.Chart1, 1},
        {Qt::Key_Enter, dialog_.BitBtn1, 1},
        {Qt::Key_Escape, dialog_.Chart1, int(QDialog::Rejected)},
        {Qt::Key_Escape, dialog_.BitBtn1, int(QDialog::Rejected)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(execWhile(dialog_, [&] { QTest::keyClick(c.focus, c.key); }), c.result);
        EXPECT_FALSE(dialog_.isVisible());
    }
}

// Pixels of exactly `color` in the chart's pie area (below its legend).
int piePixels(const QImage& chart, const QColor& color) {
    int count = 0;
    for (int y = 60; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            count += chart.pixelColor(x, y) == color;
    return count;
}

// Renders the dialog in the cases worth looking at; with VELMORA_RENDER_DIR set, the pictures
// are written there as PNG files.
TEST_F(AnalyzeDialogTest, Rendering) {
    struct Case {
        const char* name;
        long double part, total;
        QString message;
        bool red, green;
    };
    const Case cases[] = {
        {"empty", 0, 0, QStringLiteral("回收站中有 60 天前删除文件或文件夹：0项"), true, false},
        {"nothing", 0, 1234.4L, QStringLiteral("回收站中有 60 天前删除文件或文件夹：0项"), false,
         true},
        {"everything", 1234.4L, 1234.4L, QStringLiteral("回收站中有 60 天前删除文件或文件夹：12项"),
         true, false},
        {"above", 12, 10, QStringLiteral("回收站中有 60 天前删除文件或文件夹：3项"), true, true},
        {"typical", 370.32L, 1234.4L,
         QStringLiteral("回收站中有 60 天前删除文件或文件夹：12项\r合计占用空间：1,234MB"), true,
         true},
    };
    const QString dir = QString::fromLocal8Bit(qgetenv("VELMORA_RENDER_DIR"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog_.StrMsg = c.message;
        dialog_.ISpacePart = c.part;
        dialog_.ISpaceTotal = c.total;
        dialog_.show();

        QImage chart(dialog_.Chart1->size(), QImage::Format_RGB32);
        {
            QPainter painter(&chart);
            dialog_.Chart1->paint(painter, chart.rect());
        }
        const int red = piePixels(chart, QColor(255, 0, 0));
        const int green = piePixels(chart, QColor(0, 128, 0));
        EXPECT_EQ(red > 0, c.red) << red;
        EXPECT_EQ(green > 0, c.green) << green;
        if (c.red && c.green) { // the larger share covers more of the face
            EXPECT_EQ(red > green, c.part * 2 > c.total);
        }

        if (!dir.isEmpty()) {
            EXPECT_TRUE(dialog_.grab().save(
                QDir(dir).filePath(QString::fromLatin1(c.name) + QStringLiteral(".png"))));
        }
        dialog_.hide();
    }
}

} // namespace
} // namespace velmora
