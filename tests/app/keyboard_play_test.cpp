// Playing without a mouse: the grid marked with the arrow keys and Space, every window opened
// with its keys, and what a screen reader reads of the cells, the counters and the boards.
#include "app/about_box.h"
#include "app/main_window.h"
#include "output/board_list_window.h"
#include "output/ticket_print_window.h"
#include "results/comparison_window.h"
#include "wheels/boards_view.h"
#include "wheels/ticket_grid_panel.h"

#include "support/program_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>
#include <set>

namespace orvane::test {
namespace {

QString Name(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

QString Description(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Description) : QStringLiteral("<none>");
}

class KeyboardPlayTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        QApplication::setActiveWindow(&main());
        grid = main().findChild<TicketGridPanel*>(QStringLiteral("pgrille"));
        ASSERT_NE(grid, nullptr);
        grid->setFocus();
    }

    void press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(grid, key, modifiers);
    }

    // Presses `keys` in the main window and hands the window they open to `action`.
    void openWith(QKeySequence keys, const char* objectName, std::function<void(QWidget*)> action) {
        EXPECT_TRUE(VisitModal([&] { QTest::keySequence(&main(), keys); }, Named(objectName),
                               [&](QWidget& modal) {
                                   // Keys go to the window on top, as the window system hands
                                   // them over.
                                   QApplication::setActiveWindow(&modal);
                                   action(&modal);
                               },
                               PressingKey(Qt::Key_Escape)))
            << objectName;
        QApplication::setActiveWindow(&main());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Escape closed " << objectName;
    }

    TicketGridPanel* grid = nullptr;
};

// System 8: seven numbers, one of them fixed. 1..6 selected, 39 fixed, Thunderball 2.
TEST_F(KeyboardPlayTest, MarksASelectionAndOpensEveryWindowWithTheKeyboardAlone) {
    chooseSystem(8);
    EXPECT_EQ(grid->keyboardCell(), 1);
    EXPECT_TRUE(grid->cell(1)->isKeyboardFocus());
    for (int n = 1; n <= 6; ++n) {
        press(Qt::Key_Space);
        if (n < 6)
            press(Qt::Key_Right);
    }
    press(Qt::Key_Down, 4); // from 6 down the column to 38
    EXPECT_EQ(grid->keyboardCell(), 38);
    press(Qt::Key_Right);
    press(Qt::Key_Space, 1, Qt::ShiftModifier); // as a right click: fixed
    press(Qt::Key_Right, 2);                    // on into the Thunderball block
    EXPECT_EQ(grid->keyboardCell(), ThunderballCell(2));
    press(Qt::Key_Space);

    for (int cell : {1, 2, 3, 4, 5, 6})
        EXPECT_EQ(session.grid.state(cell), kSelected) << cell;
    EXPECT_EQ(session.grid.state(39), kFixed);
    EXPECT_EQ(session.grid.state(ThunderballCell(2)), kSelected);
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("nbcoch"))->text(), QStringLiteral("7"));

    // The menu key is a right click too: on a fixed number it takes the mark away.
    press(Qt::Key_Left, 2);
    EXPECT_EQ(grid->keyboardCell(), 39);
    press(Qt::Key_Menu);
    EXPECT_EQ(session.grid.state(39), kEmpty);
    press(Qt::Key_Space, 1, Qt::ShiftModifier);
    EXPECT_EQ(session.grid.state(39), kFixed);

    openWith(QKeySequence(Qt::CTRL | Qt::Key_B), "TForm2", [this](QWidget* view) {
        auto* board = view->findChild<TicketGridPanel*>(QStringLiteral("pgrille"));
        ASSERT_NE(board, nullptr);
        // Read as soon as it opens, before any step.
        EXPECT_EQ(Description(board),
                  QStringLiteral("Board 1 of 15: 1, 2, 3, 4, 39, Thunderball 2"));
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_PageDown);
        EXPECT_EQ(session.run.currentBoardNumber(), 3);
        QTest::keyClick(view, Qt::Key_End);
        EXPECT_EQ(session.run.currentBoardNumber(), 15);
        EXPECT_EQ(Description(board),
                  QStringLiteral("Board 15 of 15: 3, 4, 5, 6, 39, Thunderball 2"));
        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_PageUp);
        EXPECT_EQ(session.run.currentBoardNumber(), 13);
        QTest::keyClick(view, Qt::Key_Home);
        EXPECT_EQ(session.run.currentBoardNumber(), 1);
        EXPECT_EQ(Description(board),
                  QStringLiteral("Board 1 of 15: 1, 2, 3, 4, 39, Thunderball 2"));
    });
    openWith(QKeySequence(Qt::CTRL | Qt::Key_L), "TForm5", [](QWidget*) {});
    openWith(QKeySequence::Print, "TForm7", [](QWidget*) {});
    openWith(QKeySequence(Qt::CTRL | Qt::Key_R), "TForm8", [](QWidget*) {});
    openWith(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), "WheelProfile", [](QWidget*) {});
    openWith(QKeySequence(Qt::CTRL | Qt::Key_H), "DrawHistory", [](QWidget*) {});
    openWith(QKeySequence::Open, "TForm6", [](QWidget*) {});
    openWith(QKeySequence::Save, "TForm6", [](QWidget*) {});
    openWith(QKeySequence(Qt::CTRL | Qt::Key_Comma), "TForm9", [](QWidget*) {});
    openWith(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), "PrintPreview", [](QWidget*) {});
    EXPECT_TRUE(prompts.shown.empty());
    // A button's key presses it as a click does, the button shown down for a moment first.
    QTest::keySequence(&main(), QKeySequence(Qt::CTRL | Qt::Key_Delete)); // clear the boards
    EXPECT_TRUE(QTest::qWaitFor([this] { return session.grid.CountCells(CellKind::Main) == 0; }));
    QTest::keySequence(&main(), QKeySequence(Qt::CTRL | Qt::Key_G)); // random numbers
    EXPECT_TRUE(QTest::qWaitFor([this] { return session.grid.CountCells(CellKind::Main) == 7; }));
    // The about box is the one window that is not modal.
    QTest::keySequence(&main(), QKeySequence(Qt::CTRL | Qt::Key_I));
    EXPECT_TRUE(windows().about->isVisible());
    windows().about->close();
}

TEST_F(KeyboardPlayTest, EveryMenuCommandHasAKeyOfItsOwnThePlatformsWhereItNamesOne) {
    // The commands whose work the platform has a key for, by their texts.
    const std::map<QString, QKeySequence::StandardKey> standard = {
        {QStringLiteral("Load game"), QKeySequence::Open},
        {QStringLiteral("Save game"), QKeySequence::Save},
        {QStringLiteral("Quit"), QKeySequence::Quit},
        {QStringLiteral("Print the tickets"), QKeySequence::Print},
        {QStringLiteral("Parameters"), QKeySequence::Preferences},
        {QStringLiteral("Help"), QKeySequence::HelpContents},
    };
    std::map<QString, QString> owners; // key -> the command or button it runs
    const auto own = [&owners](const QKeySequence& keys, const QString& what) {
        ASSERT_FALSE(keys.isEmpty()) << what.toStdString() << " has no key";
        const auto [at, added] = owners.emplace(keys.toString(), what);
        EXPECT_TRUE(added) << keys.toString().toStdString() << " runs both "
                           << at->second.toStdString() << " and " << what.toStdString();
    };
    std::set<QString> commands;
    for (QAction* menu : main().menuBar()->actions()) {
        ASSERT_NE(menu->menu(), nullptr);
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator() || item->menu())
                continue; // the recent games are a list of files, not a command
            const QString text = item->text();
            commands.insert(text);
            own(item->shortcut(), text);
            const auto meant = standard.find(text);
            if (meant == standard.end())
                continue;
            const QList<QKeySequence> platform = QKeySequence::keyBindings(meant->second);
            if (!platform.isEmpty()) {
                EXPECT_TRUE(platform.contains(item->shortcut()))
                    << text.toStdString() << " takes " << item->shortcut().toString().toStdString()
                    << " rather than the platform's "
                    << QKeySequence(meant->second).toString().toStdString();
            }
        }
    }
    for (const auto& [text, key] : standard)
        EXPECT_TRUE(commands.count(text)) << text.toStdString() << " is in no menu";
    // The window's own keys and the buttons' share none with the menus either.
    for (QAction* action : main().actions())
        own(action->shortcut(), action->text());
    for (QAbstractButton* button : main().findChildren<QAbstractButton*>())
        if (!button->shortcut().isEmpty())
            own(button->shortcut(), button->text());
    EXPECT_EQ(main().findChild<QAction*>(QStringLiteral("mQuitter1"))->text(),
              QStringLiteral("Quit"));
}

TEST_F(KeyboardPlayTest, AScreenReaderReadsEveryCellWithItsStateAndTheCounters) {
    chooseSystem(8);
    fix({39});
    select({7, ThunderballCell(3)});
    struct Case {
        int cell;
        const char* name;
        const char* state;
    };
    const Case cases[] = {
        {7, "Main number 7", "selected"},
        {8, "Main number 8", "not marked"},
        {39, "Main number 39", "fixed"},
        {ThunderballCell(3), "Thunderball 3", "selected"},
        {ThunderballCell(14), "Thunderball 14", "not marked"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Name(grid->cell(c.cell)), QLatin1String(c.name));
        EXPECT_EQ(Description(grid->cell(c.cell)), QLatin1String(c.state));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(grid->cell(c.cell));
        EXPECT_EQ(a->role(), QAccessible::CheckBox);
        EXPECT_EQ(bool(a->state().checked), std::string(c.state) != "not marked");
    }
    for (int tag = 1; tag <= kLastScreenCell; ++tag)
        EXPECT_FALSE(Name(grid->cell(tag)).isEmpty()) << tag;
    EXPECT_EQ(Name(main().findChild<QLabel*>(QStringLiteral("nbcoch"))),
              QStringLiteral("Main numbers selected: 2"));
    EXPECT_EQ(Name(main().findChild<QLabel*>(QStringLiteral("labnbFix"))),
              QStringLiteral("Fixed numbers: 1"));
    EXPECT_EQ(Name(main().findChild<QLabel*>(QStringLiteral("lnbcochb"))),
              QStringLiteral("Thunderball numbers selected: 1"));
}

TEST_F(KeyboardPlayTest, AScreenReaderReadsTheComparisonCountersByRank) {
    markSevenWithFixed39(); // 1..6 with 39 fixed, Thunderball 2: fifteen boards
    auto* comparison = windows().comparison.get();
    openWith(QKeySequence(Qt::CTRL | Qt::Key_R), "TForm8", [comparison](QWidget*) {
        auto* counter = comparison->findChild<QLabel*>(QStringLiteral("lnb4t"));
        EXPECT_EQ(Name(counter), QStringLiteral("Boards with 4 numbers and the Thunderball"));
        // The draw 1 2 3 4 5 with Thunderball 2: five boards hold four of its numbers.
        const char* lists[] = {"ComboBox1", "ComboBox2", "ComboBox3",
                               "ComboBox4", "ComboBox5", "ComboBox9"};
        const int drawn[] = {1, 2, 3, 4, 5, 2};
        for (int i = 0; i < 6; ++i)
            comparison->findChild<QComboBox*>(QLatin1String(lists[i]))
                ->setCurrentIndex(drawn[i] - 1);
        comparison->Button1Click();
        EXPECT_EQ(Name(counter), QStringLiteral("Boards with 4 numbers and the Thunderball: 5"));
        EXPECT_EQ(Name(comparison->findChild<QLabel*>(QStringLiteral("lnb1t"))),
                  QStringLiteral("Boards with 1 number and the Thunderball: 0"));
    });
}

} // namespace
} // namespace orvane::test
