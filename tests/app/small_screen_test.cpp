// Every window on a 1366 x 768 screen at 150 %: it opens whole within the screen's available area,
// and the windows added beside the designed ones can be resized.
#include "app/about_box.h"
#include "app/main_window.h"

#include "support/program_fixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace orvane::test {
namespace {

class SmallScreenTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().PlaceOnScreen();
        main().show();
        QApplication::setActiveWindow(&main());
        markSevenWithFixed39();
    }
    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static void expectWhole(QWidget* window) {
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(available().contains(frame))
            << window->objectName().toStdString() << " lies at " << frame.x() << "," << frame.y()
            << " " << frame.width() << "x" << frame.height() << " on a screen of "
            << available().width() << "x" << available().height();
    }
};

TEST_F(SmallScreenTest, TheScreenIsALaptopsAtOneAndAHalf) {
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(911, 512));
}

TEST_F(SmallScreenTest, EveryWindowOpensWithinTheScreen) {
    struct Case {
        const char* window;
        QKeySequence keys;
        bool added; // beside the designed windows: it can be resized
    };
    const Case cases[] = {
        {"TForm2", QKeySequence(Qt::CTRL | Qt::Key_B), false},
        {"TForm5", QKeySequence(Qt::CTRL | Qt::Key_L), false},
        {"TForm7", QKeySequence::Print, false},
        {"TForm8", QKeySequence(Qt::CTRL | Qt::Key_R), false},
        {"TForm6", QKeySequence::Open, false},
        {"TForm9", QKeySequence(Qt::CTRL | Qt::Key_Comma), false},
        {"WheelProfile", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), true},
        {"DrawHistory", QKeySequence(Qt::CTRL | Qt::Key_H), true},
        {"PrintPreview", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), true},
        {"MakeWheel", QKeySequence(Qt::CTRL | Qt::Key_M), true},
    };
    expectWhole(&main());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        QApplication::setActiveWindow(&main());
        EXPECT_TRUE(VisitModal([&] { QTest::keySequence(&main(), c.keys); }, Named(c.window),
                               [&](QWidget& window) {
                                   expectWhole(&window);
                                   if (c.added) {
                                       EXPECT_NE(window.minimumSize(), window.maximumSize())
                                           << "can be resized";
                                   }
                               }));
    }
    main().ShowAbout();
    expectWhole(windows().about.get());
    windows().about->close();
}

} // namespace
} // namespace orvane::test
