// The windows on a laptop's screen at twice the scale: the offscreen platform's screens of
// small-screens.json (a 1280 x 800 screen and a 1920 x 1200 one to its right) at
// QT_SCALE_FACTOR=2, which leaves 640 x 400 device-independent pixels on the first.
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include "EveryWindow.h"
#include "ui/common/ClickLabel.h"
#include "ui/main/ShellListView.h"

namespace velmora {
namespace {

QScreen* screenNamed(const char* name) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(name))
            return s;
    return nullptr;
}

class ScreenFitTest : public ::testing::Test {
protected:
    void SetUp() override {
        laptop = screenNamed("laptop");
        monitor = screenNamed("monitor");
        ASSERT_NE(laptop, nullptr);
        ASSERT_NE(monitor, nullptr);
        ASSERT_EQ(laptop->availableGeometry().size(), QSize(640, 400));
    }
    QScreen* laptop = nullptr;
    QScreen* monitor = nullptr;
};

// The window larger than the screen opens reduced to it and wholly on it; the list gives up the
// height, the clearing controls keep theirs; the dialogs open on it too.
TEST_F(ScreenFitTest, TheWindowAndItsDialogsFitTheScreen) {
    test::EveryWindow windows;
    TForm1& form = *windows.form;
    form.setScreen(laptop);
    const std::vector<QWidget*> all = windows.showAll();
    const QRect area = laptop->availableGeometry();
    EXPECT_EQ(form.screen(), laptop);
    EXPECT_TRUE(area.contains(form.frameGeometry()))
        << form.frameGeometry().x() << "," << form.frameGeometry().y() << " "
        << form.frameGeometry().width() << "x" << form.frameGeometry().height();
    EXPECT_LT(form.height(), 491);
    EXPECT_EQ(form.GroupBox1->height(), 105);
    EXPECT_EQ(form.GroupBox1->geometry().bottom(), form.height() - 1);
    EXPECT_LT(form.ShellListView1->height(), 491 - 105 - 17);
    // The clearing controls stay where they are; the about link stays whole.
    EXPECT_EQ(form.BtnSeek->geometry(), QRect(556, 22, 65, 25));
    EXPECT_LE(form.lblAbout->geometry().right(), form.GroupBox1->width() - 2);
    for (QWidget* w : all) {
        EXPECT_EQ(w->screen(), laptop) << w->objectName().toStdString();
        EXPECT_TRUE(area.contains(w->frameGeometry())) << w->objectName().toStdString();
    }
}

// Moved to the larger screen the window keeps its size; back on the small one it is reduced
// and placed on it again, and a dialog follows it to the screen it is on.
TEST_F(ScreenFitTest, MovedToAnotherScreenItStaysWhollyOnIt) {
    test::EveryWindow windows;
    TForm1& form = *windows.form;
    form.setScreen(monitor);
    form.move(monitor->geometry().topLeft() + QPoint(40, 40));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.screen(), monitor);
    EXPECT_EQ(form.size(), QSize(715, 491));
    EXPECT_TRUE(monitor->availableGeometry().contains(form.frameGeometry()));
    windows.about->show();
    EXPECT_TRUE(monitor->availableGeometry().contains(windows.about->frameGeometry()));
    windows.about->hide();

    form.windowHandle()->setScreen(laptop);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.screen(), laptop);
    EXPECT_TRUE(laptop->availableGeometry().contains(form.frameGeometry()))
        << form.frameGeometry().x() << "," << form.frameGeometry().y();
    EXPECT_LE(form.frameGeometry().height(), 400);
    windows.about->show();
    EXPECT_TRUE(laptop->availableGeometry().contains(windows.about->frameGeometry()))
        << windows.about->frameGeometry().x();
}

} // namespace
} // namespace velmora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELMORA_SMALL_SCREENS);
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
