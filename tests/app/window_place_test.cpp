// The main window comes back where the player left it, kept in the player's folder; a place off
// every screen puts it back in the middle.
#include "app/main_window.h"
#include "common/window_place.h"

#include "support/program_fixture.h"

#include <QGuiApplication>
#include <QScreen>

#include <filesystem>
#include <fstream>

namespace orvane::test {
namespace {

class WindowPlaceTest : public ProgramFixture {
  protected:
    // Starts the program as a player does: the main window placed, then shown.
    void start() {
        startProgram();
        main().PlaceOnScreen();
        main().show();
    }
    void restart() {
        main().close();
        program.reset();
        start();
    }
    QPoint middle() {
        return QGuiApplication::primaryScreen()->availableGeometry().center() -
               main().rect().center();
    }
};

TEST_F(WindowPlaceTest, ComesBackWhereItWasLeftWhicheverWayItClosed) {
    start();
    EXPECT_EQ(main().pos(), middle()) << "the first start";
    const QPoint left(12, 20);
    main().move(left);
    restart();
    EXPECT_EQ(main().pos(), left);
    const std::optional<WindowPlace> kept = ReadWindowPlace(playerFolder + kWindowPlaceFileName);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->width, main().width());
    EXPECT_FALSE(std::filesystem::exists(folder() + "ORVANE.PAR"))
        << "the parameters file is written by Quit alone";
}

TEST_F(WindowPlaceTest, AWindowNeverMovedMakesNoFolderForThePlayer) {
    start();
    restart();
    main().close();
    EXPECT_FALSE(std::filesystem::exists(playerFolder));
}

TEST_F(WindowPlaceTest, APlaceOffEveryScreenOrUnreadableGivesTheMiddle) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const std::string kept[] = {
        std::to_string(screen.right() - 10) + " 0 619 400\n", // hangs off the right edge
        "-5000 -5000 619 400\n",                              // a screen unplugged since
        "12 20\n",                                            // half a place
        "twelve twenty 619 400\n",
    };
    for (const std::string& text : kept) {
        SCOPED_TRACE(text);
        std::filesystem::create_directories(playerFolder);
        std::ofstream(playerFolder + kWindowPlaceFileName) << text;
        start();
        EXPECT_EQ(main().pos(), middle());
        program.reset();
    }
}

} // namespace
} // namespace orvane::test
