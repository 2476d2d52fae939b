// A word-wrapped label whose height follows its text at a fixed pitch per line.
#pragma once

#include <QLabel>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace velmora {

// Plain text, left-aligned from the top, wrapped at word boundaries within the label's width.
// "\n" starts a new line. Every line takes LineHeight pixels whatever fonts its characters come
// from, so the height is LineHeight times the number of lines (one line when empty).
class MessageLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr int LineHeight = 13;

    explicit MessageLabel(QWidget* parent = nullptr);

    // Lines the text takes at the label's current width.
    int lineCount() const;
    // Sets the height to LineHeight x lineCount(), keeping the position and width.
    void fitHeight();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text laid out at `width`, one layout a paragraph, the lines placed at their pitch.
    std::vector<std::unique_ptr<QTextLayout>> layOut(int width) const;
};

} // namespace velmora
