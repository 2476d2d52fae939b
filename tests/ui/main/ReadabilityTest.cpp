// Every window is readable in a light and a dark theme, and every control it offers the keyboard
// has a name a screen reader can say.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTreeView>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "EveryWindow.h"
#include "ui/common/ClickLabel.h"
#include "ui/dialogs/PieChart.h"
#include "ui/main/ShellListView.h"

namespace velmora {
namespace {

// Relative luminance as WCAG 2.1 defines it.
double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ReadabilityTest, ContrastIsMeasuredAsWcagDefinesIt) {
    struct Case {
        QRgb a, b;
        double ratio;
    } cases[] = {
        {qRgb(0, 0, 0), qRgb(255, 255, 255), 21.0},
        {qRgb(255, 255, 255), qRgb(0, 0, 0), 21.0},
        {qRgb(119, 119, 119), qRgb(255, 255, 255), 4.48}, // the grey that just fails
        {qRgb(0, 0, 255), qRgb(53, 53, 53), 1.43},        // a light theme's link on dark
        {qRgb(200, 10, 10), qRgb(200, 10, 10), 1.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(contrast(c.a, c.b), c.ratio, 0.01);
}

// A dark theme as Fusion users set it: light text on dark faces and fields, a light blue link.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(238, 238, 236);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Link, QColor(120, 174, 237));
    p.setColor(QPalette::LinkVisited, QColor(180, 150, 237));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

// The application in a theme for the life of one test.
struct Theme {
    explicit Theme(const QPalette& palette) : saved(QApplication::palette()) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(palette);
    }
    ~Theme() { QApplication::setPalette(saved); }
    QPalette saved;
};

struct Reading {
    QString control;
    QRgb background, text;
    double ratio;
};

// Where a control lays out its text: a label's contents, a button's face inside its bevel, a
// radio button's or check box's text beside its indicator. (In the whole rectangle of a focused
// or default button, the one-colour outline outnumbers every shade of the face's gradient.)
QRect textArea(QWidget* w) {
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
    }
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        option.text = static_cast<QAbstractButton*>(w)->text();
        return w->style()->subElementRect(qobject_cast<QRadioButton*>(w)
                                              ? QStyle::SE_RadioButtonContents
                                              : QStyle::SE_CheckBoxContents,
                                          &option, w);
    }
    return w->contentsRect();
}

// For each visible label, button and radio button with a text: the background is the most
// frequent colour in its text's rectangle of the window's picture, the text the colour there
// that contrasts most with it.
std::vector<Reading> readings(QWidget* window) {
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double scale = picture.devicePixelRatio();
    std::vector<Reading> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else
            continue;
        if (text.isEmpty() || !w->isVisibleTo(window) || w->window() != window)
            continue;
        const QRect local = textArea(w);
        const QRect area(w->mapTo(window, local.topLeft()), local.size());
        const QRect pixels =
            QRect(std::lround(area.x() * scale), std::lround(area.y() * scale),
                  std::lround(area.width() * scale), std::lround(area.height() * scale))
                .intersected(picture.rect());
        std::map<QRgb, int> counts;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                ++counts[picture.pixel(x, y)];
        if (counts.empty())
            continue;
        QRgb background = counts.begin()->first;
        for (const auto& [colour, n] : counts)
            if (n > counts[background])
                background = colour;
        QRgb best = background;
        for (const auto& [colour, n] : counts)
            if (contrast(colour, background) > contrast(best, background))
                best = colour;
        const QString name =
            window->objectName() + u'/' + (w->objectName().isEmpty() ? text : w->objectName());
        out.push_back({name, background, best, contrast(best, background)});
    }
    return out;
}

// With VELMORA_RENDER_DIR set, every window is written there as a PNG file per theme.
void expectReadable(const QPalette& palette, const char* theme) {
    Theme applied(palette);
    test::EveryWindow windows;
    const QString renderDir = QString::fromLocal8Bit(qgetenv("VELMORA_RENDER_DIR"));
    for (QWidget* window : windows.showAll()) {
        if (!renderDir.isEmpty())
            window->grab().save(
                QStringLiteral("%1/%2-%3.png")
                    .arg(renderDir, QString::fromLatin1(theme), window->objectName()));
        const std::vector<Reading> found = readings(window);
        EXPECT_FALSE(found.empty()) << window->objectName().toStdString();
        for (const Reading& r : found)
            EXPECT_GE(r.ratio, 4.5) << theme << ": " << r.control.toStdString() << " text "
                                    << QColor(r.text).name().toStdString() << " on "
                                    << QColor(r.background).name().toStdString();
    }
}

TEST(ReadabilityTest, EveryTextStandsOutInALightTheme) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    expectReadable(fusion->standardPalette(), "light");
}

TEST(ReadabilityTest, EveryTextStandsOutInADarkTheme) {
    expectReadable(darkPalette(), "dark");
}

// The focusable objects under `iface` without a name, as "window/role/object name".
void unnamedFocusable(QAccessibleInterface* iface, const QString& path, QStringList& unnamed,
                      int& focusable, int depth = 0) {
    ASSERT_LT(depth, 30) << path.toStdString();
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child)
            continue;
        const QAccessible::State state = child->state();
        const QString where = path + u'/' + QString::number(child->role(), 16) + u':' +
                              (child->object() ? child->object()->objectName() : QString());
        if (state.focusable && !state.invisible) {
            ++focusable;
            if (child->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(where);
        }
        // The list's cells are its rows' texts: named by what they show.
        if (child->role() != QAccessible::Cell)
            unnamedFocusable(child, where, unnamed, focusable, depth + 1);
    }
}

TEST(ReadabilityTest, EveryFocusableControlHasAName) {
    test::EveryWindow windows;
    for (QWidget* window : windows.showAll()) {
        QStringList unnamed;
        int focusable = 0;
        unnamedFocusable(QAccessible::queryAccessibleInterface(window), window->objectName(),
                         unnamed, focusable);
        EXPECT_GT(focusable, 0) << window->objectName().toStdString();
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();
    }
    // Those without a caption of their own: by their radio buttons, their group, their content.
    TForm1& form = *windows.form;
    const auto name = [](QObject* o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(form.DtCeil), QStringLiteral("按日期：清除"));
    // On Linux Qt gives a combo box its value as its accessible name and names it through its
    // focused text field, which is what a screen reader announces.
    EXPECT_EQ(form.CmbDays->accessibleName(), QStringLiteral("按天数：清除"));
    EXPECT_EQ(name(form.CmbDays->lineEdit()), QStringLiteral("按天数：清除"));
    EXPECT_EQ(name(form.ShellListView1), QStringLiteral("回收站"));
    EXPECT_EQ(name(form.lblAbout), QStringLiteral("关于\"Velmora\""));
    EXPECT_EQ(name(form.FindDialog1->FindText), QStringLiteral("查找内容(N):"));
}

// A screen reader announces the list's columns by their headings.
TEST(ReadabilityTest, TheListAnnouncesItsColumns) {
    test::EveryWindow windows;
    windows.showAll();
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(windows.form->ShellListView1);
    ASSERT_NE(list, nullptr);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    QStringList headings;
    for (int c = 0; c < table->columnCount(); ++c)
        headings.append(table->columnDescription(c));
    EXPECT_EQ(headings,
              (QStringList{"名称", "原位置", "删除日期", "大小", "项目类型", "修改日期"}));
    EXPECT_EQ(table->rowCount(), 3);
}

// The chart's text alternative: the analysis message, then each slice's share as its mark
// shows it.
TEST(ReadabilityTest, TheChartDescribesItsSlices) {
    test::EveryWindow windows;
    TfrmAnalyze& dialog = *windows.analyze;
    dialog.StrMsg = QStringLiteral("回收站中有 30 天前删除文件或文件夹：2项\r合计占用空间：8MB");
    dialog.ISpacePart = 7.5;
    dialog.ISpaceTotal = 10;
    dialog.show();
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(dialog.Chart1);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("占用空间饼图"));
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("回收站中有 30 天前删除文件或文件夹：2项\n合计占用空间：8MB\n"
                             "指定时间前删除文件占用空间：75 %\n其它时间删除文件占用空间：25 %"));
    EXPECT_TRUE(chart->state().focusable);
}

} // namespace
} // namespace velmora
