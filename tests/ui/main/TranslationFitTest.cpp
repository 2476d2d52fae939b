// Every shipped language in the fixed layouts: each window and dialog built offscreen with the
// language's catalog, Simplified Chinese first. Every one-line text fits its control with the
// style's indicator and margins, every wrapping label's text fits its height, and no two sibling
// controls overlap where they draw (a text control by its text, any other by its rectangle).
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>
#include <optional>

#include "EveryWindow.h"
#include "core/AgeAnalysis.h"
#include "core/Translate.h"
#include "platform/ItemProperties.h"
#include "platform/QtText.h"
#include "ui/common/QtTranslations.h"
#include "ui/dialogs/PieChart.h"
#include "ui/main/ItemMenu.h"

namespace velmora {
namespace {

// The text as drawn: a single "&" marks the mnemonic and takes no room.
QString shownText(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString describe(const QWidget* w) {
    return QStringLiteral("%1 (%2) in %3")
        .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
             w->window()->objectName());
}

// Where a control draws, in its parent's coordinates: a label, button, check box or radio
// button by its text (and indicator), aligned as the control aligns it; any other by its rect.
QRect drawnRect(const QWidget* w) {
    const QFontMetrics metrics = w->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap())
            return label->geometry();
        const QRect contents = label->contentsRect();
        const int width = std::min(contents.width(), widestLine(metrics, shownText(label->text())));
        const Qt::Alignment align =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        int x = contents.left();
        if (align & Qt::AlignHCenter)
            x += (contents.width() - width) / 2;
        else if (align & Qt::AlignRight)
            x = contents.right() + 1 - width;
        return QRect(x, contents.top(), width, contents.height()).translated(label->pos());
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* button = static_cast<const QAbstractButton*>(w);
        const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
        const int right =
            std::min(button->width(),
                     contents.left() + metrics.horizontalAdvance(shownText(button->text())));
        return QRect(0, 0, right, button->height()).translated(button->pos());
    }
    return w->geometry();
}

// The room a one-line text needs beyond its advance, and the room the control gives it.
struct Fit {
    int needed;
    int room;
};

std::optional<Fit> oneLineFit(const QWidget* w) {
    const QFontMetrics metrics = w->fontMetrics();
    QStyle* style = w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap())
            return std::nullopt;
        return Fit{widestLine(metrics, shownText(label->text())) + 2 * label->margin() +
                       std::max(0, label->indent()),
                   label->contentsRect().width()};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        // The title sits between the frame's corners, a little in from each.
        return Fit{metrics.horizontalAdvance(shownText(box->title())) +
                       2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, box),
                   box->contentsRect().width()};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* button = static_cast<const QAbstractButton*>(w);
        const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
        const int indicator = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                       : QStyle::PM_IndicatorWidth,
                                                 nullptr, button);
        const int spacing = style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                     : QStyle::PM_CheckBoxLabelSpacing,
                                               nullptr, button);
        return Fit{indicator + spacing + metrics.horizontalAdvance(shownText(button->text())),
                   button->contentsRect().width()};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        if (button->text().isEmpty())
            return std::nullopt;
        return Fit{metrics.horizontalAdvance(shownText(button->text())) +
                       2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button),
                   button->contentsRect().width()};
    }
    return std::nullopt;
}

// The pictures (the about banner with the icon laid on it) and the chart (with the analysis's
// button laid over its foot): the layout stacks them on purpose, and they hold no text.
bool isPicture(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return (label && label->text().isEmpty()) || qobject_cast<const PieChart*>(w) != nullptr;
}

// Controls whose children are the program's own controls (not the inner parts of a list, a
// combo box or a date picker).
bool holdsControls(const QWidget* w) {
    const QByteArray name = w->metaObject()->className();
    return w->isWindow() || name == "QWidget" || name == "QGroupBox" || name == "QFrame";
}

void checkWindow(QWidget* window, const QString& language, QStringList& faults) {
    const QString in =
        QStringLiteral(" [%1]").arg(language.isEmpty() ? QStringLiteral("zh_CN") : language);
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        // The dialogs the window owns are checked as windows of their own.
        if (!w->isVisible() || w->window() != window)
            continue;
        if (const auto fit = oneLineFit(w); fit && fit->needed > fit->room)
            faults << describe(w) +
                          QStringLiteral(": needs %1 px, has %2").arg(fit->needed).arg(fit->room) +
                          in;
        if (const auto* label = qobject_cast<const QLabel*>(w);
            label && label->wordWrap() && !label->text().isEmpty() &&
            label->heightForWidth(label->width()) > label->height())
            faults << describe(w) +
                          QStringLiteral(": needs %1 px high, has %2")
                              .arg(label->heightForWidth(label->width()))
                              .arg(label->height()) +
                          in;
        if (!holdsControls(w))
            continue;
        QList<QWidget*> children;
        for (QObject* o : w->children())
            if (auto* c = qobject_cast<QWidget*>(o);
                c && !c->isWindow() && c->isVisible() && !isPicture(c))
                children.append(c);
        for (qsizetype i = 0; i < children.size(); ++i)
            for (qsizetype j = i + 1; j < children.size(); ++j)
                if (drawnRect(children[i]).intersects(drawnRect(children[j])))
                    faults << describe(children[i]) + QStringLiteral(" overlaps ") +
                                  describe(children[j]) + in;
    }
}

// Simplified Chinese (the source texts) first, then every catalog.
QStringList languagesToCheck() {
    return QStringList{QString()} + shippedLanguages();
}

TEST(TranslationFitTest, EveryTextFitsItsControlInEveryLanguage) {
    QStringList faults;
    for (const QString& language : languagesToCheck()) {
        ASSERT_TRUE(installTranslations(language)) << language.toStdString();
        test::EveryWindow windows;
        std::vector<QWidget*> shown = windows.showAll();
        // The texts the handlers would set, in this language.
        windows.analyze->hide();
        windows.analyze->StrMsg = toQString(
            withArguments(coreTranslate("AgeAnalysis", "回收站中有 %1 天前删除文件或文件夹：%n项",
                                        nullptr, 2),
                          {u"30"}) +
            u'\r' + withArguments(coreTranslate("AgeAnalysis", "合计占用空间：%1MB"), {u"5"}));
        windows.analyze->show();
        ItemProperties folder;
        folder.name = QStringLiteral("照片");
        folder.folder = true;
        folder.files = 12;
        folder.folders = 3;
        folder.bytesOnDisk = 4'194'304;
        folder.apparentBytes = 4'100'000;
        windows.properties = std::make_unique<TfrmProperties>(windows.form.get(), folder.name,
                                                              ItemCommands::PropertyFields(folder));
        windows.properties->show();
        windows.progress = std::make_unique<PurgeProgressWindow>(
            windows.form.get(),
            QCoreApplication::translate("velmora::PurgeProgressWindow", "正在清除…"), 40,
            windows.removal);
        windows.progress->show();
        for (QWidget* w : {static_cast<QWidget*>(windows.form.get()),
                           static_cast<QWidget*>(windows.analyze.get()),
                           static_cast<QWidget*>(windows.about.get()),
                           static_cast<QWidget*>(windows.form->FindDialog1),
                           static_cast<QWidget*>(windows.properties.get()),
                           static_cast<QWidget*>(windows.progress.get())}) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
            checkWindow(w, language, faults);
        }
    }
    installTranslations(QString());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

// The test's own measure catches what it is for: a text too long for its button, and a label
// whose text runs into the next control.
TEST(TranslationFitTest, TheMeasureCatchesALongTextAndAnOverlap) {
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.resize(300, 100);
    auto* button = new QPushButton(QStringLiteral("A text far too long for this button"), &window);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(10, 10, 65, 25);
    auto* label = new QLabel(QStringLiteral("A label that runs into the box"), &window);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(10, 50, 200, 13);
    auto* box = new QCheckBox(QStringLiteral("x"), &window);
    box->setGeometry(100, 48, 60, 17);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStringList faults;
    checkWindow(&window, QStringLiteral("test"), faults);
    const QString all = faults.join(u'\n');
    EXPECT_TRUE(all.contains(QStringLiteral("button (QPushButton) in window: needs")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("label (QLabel) in window overlaps")))
        << all.toStdString();
    label->setText(QStringLiteral("Short"));
    faults.clear();
    checkWindow(&window, QStringLiteral("test"), faults);
    EXPECT_FALSE(faults.join(u'\n').contains(QStringLiteral("overlaps")))
        << faults.join(u'\n').toStdString();
}

} // namespace
} // namespace velmora
