// A player's wheel kept in the database is read when the player first browses the system list,
// never at start, and then works through every window as a catalogue system does: the boards view,
// the list, ticket printing, the comparison with a draw, the draw history's check and the wheel
// profile.
#include "playerdata/player_database.h"
#include "prizes/wheel_profile_texts.h"
#include "support/program_fixture.h"
#include "support/sample_wheels.h"
#include "wheels/player_wheel_store.h"
#include "wheels/wheel_profile.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace orvane::test {
namespace {

class PlayerWheelWindowsTest : public ProgramFixture {
  protected:
    void SetUp() override {
        session.dataFolder = folder() + "data/";
        PlayerDatabase database(session.dataFolder);
        m_index = PlayerWheelStore(database).keep("Eight for four", EightForFourIfFive()).index;
        ASSERT_TRUE(IsPlayerWheelIndex(m_index));
        // As at a program's start: nothing read from the database yet.
        UnlistPlayerWheel(m_index);
        startProgram();
        main().show();
    }
    void TearDown() override {
        ProgramFixture::TearDown();
        UnlistPlayerWheel(m_index);
    }
    QComboBox* systems() { return main().findChild<QComboBox*>(QStringLiteral("ComboBox1")); }
    // Opens the window a button of the main window opens and runs `inside` on it.
    void openWith(const char* button, std::function<void(QWidget*)> inside) {
        EXPECT_TRUE(
            VisitModal([&] { main().findChild<QPushButton*>(QLatin1String(button))->click(); },
                       AnyWindow, [&](QWidget& modal) { inside(&modal); }))
            << button;
    }

    int m_index = 0;
};

TEST_F(PlayerWheelWindowsTest, IsListedOnceTheListIsBrowsedAndPlaysThroughEveryWindow) {
    EXPECT_EQ(systems()->count(), kSystemCount) << "start-up reads no wheel";
    EXPECT_FALSE(std::filesystem::exists(session.dataFolder + "orvane.db-wal"))
        << "nor opens the database";
    systems()->setFocus();
    QTest::keyClick(systems(), Qt::Key_Home);
    ASSERT_EQ(systems()->count(), kSystemCount + 1);
    const int position = session.systemList.positionOfSystem(m_index);
    EXPECT_EQ(position, kSystemCount) << "after the catalogue's entries";
    systems()->setCurrentIndex(position);
    EXPECT_EQ(CurrentSystemIndex(session.systemList), m_index);
    select({3, 8, 14, 21, 26, 29, 33, 37, ThunderballCell(9)});

    openWith("bvoirbulletin", [this](QWidget* view) {
        EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("Lnumax"))->text(), "9");
        EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("ltitmet"))->text().toStdString(),
                  DescribeSystem(m_index));
    });
    openWith("bimplistbull", [](QWidget* list) {
        EXPECT_EQ(list->findChild<QListWidget*>(QStringLiteral("listbull"))->count(), 9);
    });
    // Printed onto tickets: every board with its Thunderball, in one job.
    openWith("bimpbull", [](QWidget* print) {
        print->findChild<QPushButton*>(QStringLiteral("boutlancer"))->click();
    });
    EXPECT_EQ(canvas.lines.size(), 9u * 6u) << "five numbers and a Thunderball on each board";

    // Compared with a draw holding the first five numbers of the play order and the Thunderball:
    // the first board wins 5 + T.
    openWith("bcomparer", [](QWidget* comparison) {
        const char* const lists[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4",
                                     "ComboBox5"};
        const int drawn[] = {3, 8, 14, 21, 26};
        for (int i = 0; i < 5; ++i)
            comparison->findChild<QComboBox*>(QLatin1String(lists[i]))
                ->setCurrentIndex(drawn[i] - 1);
        comparison->findChild<QComboBox*>(QStringLiteral("ComboBox9"))->setCurrentIndex(9 - 1);
        QTest::mouseClick(comparison->findChild<QPushButton*>(QStringLiteral("button1")),
                          Qt::LeftButton);
        EXPECT_EQ(comparison->findChild<QListWidget*>(QStringLiteral("listresul"))->count(), 9);
        EXPECT_EQ(comparison->findChild<QLabel*>(QStringLiteral("lnb5t"))->text(), "1");
    });

    // Every board checked against a draw kept.
    const std::string draws = folder() + "draws.txt";
    std::ofstream(draws) << "14/03/2025 3 8 14 21 26 9\n";
    openPath.answer = draws;
    bool checked = false;
    whenModal([&](QWidget* history) {
        checked = true;
        QTest::mouseClick(history->findChild<QPushButton*>(QStringLiteral("bimport")),
                          Qt::LeftButton);
        QTest::mouseClick(history->findChild<QPushButton*>(QStringLiteral("bcheck")),
                          Qt::LeftButton);
        EXPECT_TRUE(history->findChild<QLabel*>(QStringLiteral("lsystem"))
                        ->text()
                        .contains(QStringLiteral("9 boards played in each of 1 draws")))
            << history->findChild<QLabel*>(QStringLiteral("lsystem"))->text().toStdString();
        history->close();
    });
    main().findChild<QAction*>(QStringLiteral("mHistorique1"))->trigger();
    EXPECT_TRUE(checked);

    bool profiled = false;
    whenModal([&](QWidget* profile) {
        profiled = true;
        EXPECT_EQ(profile->findChild<QLabel*>(QStringLiteral("lguarantee"))->text().toStdString(),
                  GuaranteeText(ProfileOfSystem(m_index)));
        profile->close();
    });
    main().findChild<QAction*>(QStringLiteral("mProfil1"))->trigger();
    EXPECT_TRUE(profiled);
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace orvane::test
