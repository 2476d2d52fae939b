// Tests of where the dialogs open and how large they are.
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include "ui/common/ScreenPlacement.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"

namespace velmora {
namespace {

TEST(DialogPlacementTest, CentredOverTheOwner) {
    struct Case {
        QRect owner;
        QSize size;
        QPoint expected;
    };
    const QRect desktop(0, 0, 1920, 1040);
    const Case cases[] = {
        {{100, 50, 715, 491}, {296, 258}, {309, 166}},
        {{100, 50, 715, 491}, {355, 326}, {280, 132}},
        // Halves of odd differences are dropped, towards zero also below zero.
        {{500, 400, 101, 61}, {296, 258}, {500 - 97, 400 - 98}},
        // Never left of or above the desktop.
        {{-600, -400, 715, 491}, {296, 258}, {0, 0}},
        {{-100, 300, 200, 100}, {296, 258}, {0, 300 - 79}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(centredOver(c.owner, c.size, desktop), c.expected) << c.owner.x();
    EXPECT_EQ(centredOver({-600, -400, 715, 491}, {296, 258}, QRect(-1920, -50, 3840, 1080)),
              QPoint(-391, -50));
}

// The owner is the main window; the dialog opens over it the first time, then where it was.
// Positions are those of the frames (the offscreen platform draws a thin one).
template <class Dialog> void checkPlacement(QSize size) {
    QWidget owner;
    owner.setGeometry(100, 50, 715, 491);
    owner.show();
    const QRect ownerFrame = owner.frameGeometry();

    Dialog dialog(&owner);
    EXPECT_EQ(dialog.size(), size);
    dialog.show();
    const QRect frame = dialog.frameGeometry();
    EXPECT_EQ(frame.size() - size, ownerFrame.size() - owner.size());
    EXPECT_EQ(frame.topLeft(),
              QPoint(ownerFrame.left() + (ownerFrame.width() - frame.width()) / 2,
                     ownerFrame.top() + (ownerFrame.height() - frame.height()) / 2));
    dialog.move(20, 30);
    dialog.hide();
    owner.move(300, 200);
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(20, 30));
}

TEST(DialogPlacementTest, AnalysisDialog) {
    checkPlacement<TfrmAnalyze>({316, 278});
}

TEST(DialogPlacementTest, AboutDialog) {
    checkPlacement<TfrmAbout>({361, 332});
}

TEST(DialogPlacementTest, NeverAboveOrLeftOfTheDesktop) {
    QWidget owner;
    owner.setGeometry(-600, -400, 715, 491);
    owner.show();
    TfrmAnalyze dialog(&owner);
    dialog.show();
    const QRect desktop = owner.screen()->availableVirtualGeometry();
    EXPECT_EQ(dialog.pos(), QPoint(std::max(-401, desktop.left()), std::max(-293, desktop.top())));
}

TEST(DialogPlacementTest, KeptInsideTheArea) {
    const QRect area(0, 0, 640, 400);
    const struct {
        QRect frame, kept;
    } cases[] = {
        {{10, 20, 300, 200}, {10, 20, 300, 200}},     // inside: unchanged
        {{500, 300, 300, 200}, {340, 200, 300, 200}}, // over the right and bottom edges
        {{-73, -70, 300, 200}, {0, 0, 300, 200}},     // over the left and top edges
        {{-73, -70, 1434, 990}, {0, 0, 640, 400}},    // larger: reduced to the area
        {{100, 50, 700, 100}, {0, 50, 640, 100}},     // wider only
    };
    for (const auto& c : cases)
        EXPECT_EQ(keptInside(c.frame, area), c.kept) << c.frame.x() << "," << c.frame.y();
    EXPECT_EQ(keptInside({0, 0, 100, 100}, QRect(1280, 0, 640, 400)), QRect(1280, 0, 100, 100));
}

// Over an owner near the screen's edge, the dialog stays wholly on the screen; a dialog whose
// last place is no longer on the owner's screen opens over the owner again.
TEST(DialogPlacementTest, NeverOffTheOwnersScreen) {
    QWidget owner;
    const QRect area = owner.screen()->availableGeometry();
    owner.setGeometry(area.right() - 300, area.bottom() - 200, 715, 491);
    owner.show();
    TfrmAbout dialog(&owner);
    dialog.show();
    EXPECT_TRUE(area.contains(dialog.frameGeometry())) << dialog.frameGeometry().x();
    dialog.hide();

    owner.setGeometry(100, 50, 715, 491);
    dialog.move(area.right() + 100, area.bottom() + 100);
    dialog.show();
    const QRect ownerFrame = owner.frameGeometry();
    const QRect frame = dialog.frameGeometry();
    EXPECT_TRUE(area.contains(frame));
    EXPECT_EQ(
        frame.topLeft(),
        keptInside(QRect(QPoint(ownerFrame.left() + (ownerFrame.width() - frame.width()) / 2,
                                ownerFrame.top() + (ownerFrame.height() - frame.height()) / 2),
                         frame.size()),
                   area)
            .topLeft());
}

} // namespace
} // namespace velmora
