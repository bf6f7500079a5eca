// Start-up makes only the main window; every other window is made when the player first opens it,
// and must then look as it would have had it been made at start, whatever happened meanwhile.

#include "app/about_box.h"
#include "gamefiles/file_chooser.h"
#include "output/board_list_window.h"
#include "output/ticket_print_window.h"
#include "playerdata/player_database.h"
#include "prizes/wheel_profile_window.h"
#include "results/comparison_window.h"
#include "results/draw_history_store.h"
#include "results/draw_history_window.h"
#include "settings/app_settings.h"
#include "settings/offset_text.h"
#include "settings/parameters_window.h"
#include "support/kept_player_data.h"
#include "support/program_fixture.h"
#include "wheelmaker/make_wheel_window.h"
#include "wheels/boards_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

class WindowsOnFirstOpeningTest : public ProgramFixture {
  protected:
    void trigger(const char* action) {
        main().findChild<QAction*>(QLatin1String(action))->trigger();
    }
    // Opens a modal window with the menu item `action` and returns it, closed again.
    QWidget* openModal(const char* action) {
        QWidget* opened = nullptr;
        whenModal([&opened](QWidget* modal) {
            opened = modal;
            modal->close();
        });
        trigger(action);
        return opened;
    }
};

struct FirstOpening {
    const char* menuItem;
    const char* objectName;
    QWidget* (*made)(AppWindows&); // the window if it was made, without making it
};

const FirstOpening kFirstOpenings[] = {
    {"mVoirlesbulletins1", "TForm2",
     [](AppWindows& w) -> QWidget* { return w.boardsView.ifMade(); }},
    {"mVoirlalistedesbulletins1", "TForm5",
     [](AppWindows& w) -> QWidget* { return w.boardList.ifMade(); }},
    {"mCompareraveclesrsultats1", "TForm8",
     [](AppWindows& w) -> QWidget* { return w.comparison.ifMade(); }},
    {"Imprimerlesbulletins1", "TForm7",
     [](AppWindows& w) -> QWidget* { return w.ticketPrint.ifMade(); }},
    {"Chargerbulletin1", "TForm6",
     [](AppWindows& w) -> QWidget* { return w.fileChooser.ifMade(); }},
    {"Paramtres1", "TForm9", [](AppWindows& w) -> QWidget* { return w.parameters.ifMade(); }},
    {"mProfil1", "WheelProfile", [](AppWindows& w) -> QWidget* { return w.wheelProfile.ifMade(); }},
    {"mHistorique1", "DrawHistory",
     [](AppWindows& w) -> QWidget* { return w.drawHistory.ifMade(); }},
    {"mRoue1", "MakeWheel", [](AppWindows& w) -> QWidget* { return w.makeWheel.ifMade(); }},
};

TEST_F(WindowsOnFirstOpeningTest, EachWindowIsMadeByItsFirstOpeningAndOpenedAgainAfter) {
    startProgram();
    main().show();
    markSevenWithFixed39();
    for (const FirstOpening& c : kFirstOpenings) {
        SCOPED_TRACE(c.menuItem);
        EXPECT_EQ(c.made(windows()), nullptr) << "made before its first opening";
        QWidget* first = openModal(c.menuItem);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->objectName(), QLatin1String(c.objectName));
        EXPECT_EQ(first->parent(), &main()) << "deleted with the main window";
        EXPECT_EQ(c.made(windows()), first);
        EXPECT_EQ(openModal(c.menuItem), first);
    }

    // The about box opens without holding the main window, which closes it on closing.
    EXPECT_EQ(windows().about.ifMade(), nullptr);
    trigger("Infos1");
    AboutBox* about = windows().about.ifMade();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parent(), &main());
    main().close();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(WindowsOnFirstOpeningTest, ParametersShowTheSettingsReadAtStartWhateverChangedThemSince) {
    const SettingsRecord record = EncodeSettings({.reserved = 0,
                                                  .language = 2,
                                                  .horizontalOffset = 7,
                                                  .verticalOffset = -3,
                                                  .gridStyle = 2});
    std::ofstream(folder() + kParametersFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()),
               static_cast<std::streamsize>(record.size()));
    startProgram();
    // Whatever writes the settings between start and the first opening.
    session.settings.horizontalOffset = 40;
    session.settings.verticalOffset = 12;
    session.settings.gridStyle = 1;

    whenModal([](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), QStringLiteral("TForm9"));
        EXPECT_EQ(modal->findChild<QLineEdit*>(QStringLiteral("edech"))->text().toStdString(),
                  OffsetText(7));
        EXPECT_EQ(modal->findChild<QLineEdit*>(QStringLiteral("edecv"))->text().toStdString(),
                  OffsetText(-3));
        EXPECT_TRUE(modal->findChild<QRadioButton*>(QStringLiteral("gbancojass"))->isChecked());
        EXPECT_FALSE(modal->findChild<QRadioButton*>(QStringLiteral("gkenof"))->isChecked());
        modal->findChild<QAbstractButton*>(QStringLiteral("bok"))->click();
    });
    main().findChild<QAction*>(QStringLiteral("Paramtres1"))->trigger();

    // OK writes what the window shows into the settings the program runs on.
    EXPECT_EQ(session.settings.horizontalOffset, 7);
    EXPECT_EQ(session.settings.verticalOffset, -3);
    EXPECT_EQ(session.settings.gridStyle, 2);
    EXPECT_EQ(session.settings.language, kLanguageEnglish);
}

TEST_F(WindowsOnFirstOpeningTest, FileChooserStartsInTheFolderTheProgramStartedFrom) {
    QTemporaryDir startFolder;
    QTemporaryDir laterFolder;
    std::ofstream(startFolder.filePath(QStringLiteral("started.orv")).toStdString()) << "x";
    std::ofstream(laterFolder.filePath(QStringLiteral("later.orv")).toStdString()) << "x";
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(startFolder.path()));
    startProgram();
    ASSERT_TRUE(QDir::setCurrent(laterFolder.path()));

    QString listed;
    QStringList files;
    whenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<FileChooser*>(modal);
        ASSERT_NE(chooser, nullptr);
        listed = chooser->currentFolder();
        const auto* list = chooser->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        for (int row = 0; row < list->count(); ++row)
            files << list->item(row)->text();
        chooser->boutannuleClick();
    });
    main().findChild<QAction*>(QStringLiteral("Chargerbulletin1"))->trigger();
    QDir::setCurrent(before);

    EXPECT_EQ(QFileInfo(listed).canonicalFilePath(),
              QFileInfo(startFolder.path()).canonicalFilePath());
    EXPECT_EQ(files, QStringList{QStringLiteral("started.orv")});
}

// The drives are read when the program starts, not when the chooser is made: it lists the ones it
// is handed, not the ones mounted at its first opening.
TEST(FileChooserStart, ListsTheDrivesItIsHandedAndNoOther) {
    const ChooserStart start{
        QDir::currentPath(),
        {{QStringLiteral("/"), QStringLiteral("/")},
         {QStringLiteral("/media/stick [STICK]"), QStringLiteral("/media/stick")}}};
    const FileChooser chooser(start);
    const auto* drives = chooser.findChild<QComboBox*>(QStringLiteral("DriveComboBox1"));
    ASSERT_EQ(drives->count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(drives->itemText(i), start.drives[static_cast<std::size_t>(i)].text);
        EXPECT_EQ(drives->itemData(i).toString(), start.drives[static_cast<std::size_t>(i)].root);
    }
}

TEST_F(WindowsOnFirstOpeningTest, ComparisonStartsAtOneThoughDrawsWereKeptBeforeItsFirstOpening) {
    startProgram();
    main().show();
    markSevenWithFixed39();
    windows().storedDraws->add({MakeStoredDraw(DrawDate{2025, 3, 14}, Draw{{2, 5, 9, 14, 18}, 5})});

    std::vector<QString> shown;
    int storedEntries = 0;
    whenModal([&](QWidget* modal) {
        for (const char* name :
             {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox9"})
            shown.push_back(modal->findChild<QComboBox*>(QLatin1String(name))->currentText());
        storedEntries = modal->findChild<QComboBox*>(QStringLiteral("cbstored"))->count();
        modal->close();
    });
    main().findChild<QAction*>(QStringLiteral("mCompareraveclesrsultats1"))->trigger();

    EXPECT_EQ(shown, std::vector<QString>(6, QStringLiteral("1")));
    EXPECT_EQ(storedEntries, 2) << "the draw kept is listed, not picked";
}

TEST_F(WindowsOnFirstOpeningTest, PrintWindowFirstOpenedFromTheListStartsAsFromTheMainWindow) {
    startProgram();
    main().show();
    markSevenWithFixed39();

    QWidget* fromList = nullptr;
    bool allAtOnce = false, ticketByTicket = true, numberOnTop = true;
    whenModal([&](QWidget* list) {
        ASSERT_EQ(list->objectName(), QStringLiteral("TForm5"));
        whenModal([&](QWidget* print) {
            fromList = print;
            allAtOnce = print->findChild<QRadioButton*>(QStringLiteral("bimptsbull"))->isChecked();
            ticketByTicket =
                print->findChild<QRadioButton*>(QStringLiteral("bimpunbull"))->isChecked();
            numberOnTop = print->findChild<QCheckBox*>(QStringLiteral("chNumticket"))->isChecked();
            print->close();
        });
        list->findChild<QAbstractButton*>(QStringLiteral("BitBtn2"))->click();
        list->close();
    });
    main().findChild<QAction*>(QStringLiteral("mVoirlalistedesbulletins1"))->trigger();

    ASSERT_NE(fromList, nullptr);
    EXPECT_EQ(fromList->objectName(), QStringLiteral("TForm7"));
    EXPECT_TRUE(allAtOnce);
    EXPECT_FALSE(ticketByTicket);
    EXPECT_FALSE(numberOnTop);
    // The main window's command opens that same window.
    EXPECT_EQ(openModal("Imprimerlesbulletins1"), fromList);
}

// The player's database is opened by the first window that needs it, never at start.
TEST_F(WindowsOnFirstOpeningTest, StartUpLeavesThePlayersDatabaseUnopened) {
    session.dataFolder = folder() + "data/";
    KeepDraws(session.dataFolder,
              {MakeStoredDraw(DrawDate{2025, 3, 14}, Draw{{3, 9, 17, 22, 30}, 5})});
    const auto databaseOpen = [this] {
        const std::string database =
            fs::canonical(session.dataFolder + kPlayerDatabaseFileName).string();
        for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            if (fs::read_symlink(fd.path(), error).string().rfind(database, 0) == 0)
                return true;
        }
        return false;
    };
    startProgram();
    main().show();
    EXPECT_FALSE(databaseOpen());
    EXPECT_NE(openModal("mHistorique1"), nullptr);
    EXPECT_TRUE(databaseOpen()) << "the check itself sees an open database";
}

} // namespace
} // namespace orvane::test
