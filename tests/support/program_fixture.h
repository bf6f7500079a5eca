#pragma once
// Every window of the program over a temporary program folder, with scripted messages, a shell
// that only records what it was asked to open and a printer that only records what it prints.

#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/session.h"
#include "support/modal_window.h"
#include "support/recording_canvas.h"
#include "tests/doubles/recording_shell.h"
#include "tests/doubles/scripted_open_path.h"
#include "tests/doubles/scripted_prompts.h"
#include "tests/doubles/scripted_save_path.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace orvane::test {

class ProgramFixture : public ::testing::Test {
  protected:
    // Creates the windows; call after putting files into folder() where a test needs them. A test
    // may give another program folder, ending with "/".
    void startProgram(const std::string& programFolder = {}) {
        session.programFolder = programFolder.empty() ? folder() : programFolder;
        session.playerFolder = playerFolder;
        // Not there yet: the draw history makes it when it first saves. A test may name another.
        if (session.dataFolder.empty())
            session.dataFolder = folder() + "data/";
        program = std::make_unique<ProgramWindows>(session, prompts, shell, &canvas, &savePath,
                                                   &openPath);
    }
    void TearDown() override {
        closeModalWindows();
        program.reset();
    }

    std::string folder() const { return m_dir.path().toStdString() + "/"; }
    AppWindows& windows() { return program->windows(); }
    MainWindow& main() { return *program->windows().main; }

    // Marks cells through the main window's own handlers.
    void select(std::initializer_list<int> cells) {
        for (int c : cells)
            main().casecoch(c);
    }
    void fix(std::initializer_list<int> cells) {
        for (int c : cells)
            main().clickdroit(c);
    }
    void chooseSystem(int index) {
        session.systemList.choose(session.systemList.positionOfSystem(index));
        main().ShowChosenSystem();
    }
    // System 8 (seven numbers, one fixed, 15 boards) with 39 fixed, 1..6 and Thunderball 2.
    void markSevenWithFixed39() {
        chooseSystem(8);
        fix({39});
        select({1, 2, 3, 4, 5, 6, ThunderballCell(2)});
    }

    // The main window's button `name`, clicked by code or pressed with the mouse.
    void clickInMain(const char* name) {
        main().findChild<QPushButton*>(QLatin1String(name))->click();
    }
    void pressInMain(const char* name) {
        QTest::mouseClick(main().findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

    // Runs `action` on the modal window once it is open, then lets the blocking call go on.
    // Queue it before the call that opens the window.
    static void whenModal(std::function<void(QWidget*)> action) { WhenModal(std::move(action)); }
    static void closeModalWindows() {
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }

    Session session;
    ScriptedPrompts prompts;
    RecordingShell shell;
    RecordingCanvas canvas;    // the printer every window prints on
    ScriptedSavePath savePath; // where the player says a PDF goes
    ScriptedOpenPath openPath; // which file the player says to read
    std::unique_ptr<ProgramWindows> program;

  private:
    QTemporaryDir m_dir;
    QTemporaryDir m_playerHome;

  protected:
    // The player's configuration folder the program is started with; not there until the program
    // makes it. A test may name another before startProgram().
    std::string playerFolder = m_playerHome.path().toStdString() + "/orvane/";
};

} // namespace orvane::test
