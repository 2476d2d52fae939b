// A word-wrapped label whose height follows its text at a fixed pitch per line.
#include "ui/dialogs/MessageLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace velmora {

MessageLabel::MessageLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

std::vector<std::unique_ptr<QTextLayout>> MessageLabel::layOut(int width) const {
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    // Lines share one baseline offset, that of the label's own font, so that a line drawn with
    // a fallback font (Chinese characters) keeps the pitch.
    const int ascent = QFontMetrics(font()).ascent();
    int top = 0;
    for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font());
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, top + ascent - line.ascent()));
            top += LineHeight;
        }
        layout->endLayout();
        if (layout->lineCount() == 0)
            top += LineHeight;
        layouts.push_back(std::move(layout));
    }
    return layouts;
}

int MessageLabel::lineCount() const {
    int lines = 0;
    for (const auto& layout : layOut(width()))
        lines += std::max(1, layout->lineCount());
    return lines;
}

void MessageLabel::fitHeight() {
    resize(width(), LineHeight * lineCount());
}

void MessageLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    for (const auto& layout : layOut(width()))
        layout->draw(&p, QPointF(0, 0));
}

} // namespace velmora
