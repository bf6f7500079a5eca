// Two copies of the program open at once on the same player's data: this test's program and a
// second process (player_data_peer) import draws and save prizes in turn, each through the real
// windows, and neither loses what the other kept.
#include "prizes/operator_prizes.h"
#include "prizes/wheel_profile_window.h"
#include "support/kept_player_data.h"
#include "support/program_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <fstream>

namespace orvane::test {
namespace {

// Twenty draws of one month, in the plain layout.
std::string TwentyDraws(int month) {
    std::string text;
    for (int day = 1; day <= 20; ++day)
        text += std::to_string(day) + "/" + std::to_string(month) + "/2025 " + std::to_string(day) +
                " 21 22 23 " + std::to_string(23 + month) + " " + std::to_string(month) + "\n";
    return text;
}

class TwoCopiesTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }
    // Runs the other copy; its exit code, with what it printed in `said`.
    int otherCopy(const QStringList& arguments, std::string& said) {
        QProcess peer;
        peer.start(QStringLiteral(ORVANE_PLAYER_DATA_PEER),
                   QStringList{QString::fromStdString(session.dataFolder),
                               QString::fromStdString(folder() + "other/")} +
                       arguments);
        if (!peer.waitForFinished(60'000))
            return -1;
        said = peer.readAllStandardOutput().trimmed().toStdString();
        return peer.exitCode();
    }
    std::string writeFile(const std::string& name, const std::string& text) {
        std::ofstream(folder() + name) << text;
        return folder() + name;
    }
    // Opens the window of the menu item `item` and runs `inside` while it is open.
    void openThroughMenu(const char* item, std::function<void(QDialog&)> inside) {
        EXPECT_TRUE(VisitModalOf<QDialog>(
            [&] { main().findChild<QAction*>(QLatin1String(item))->trigger(); }, inside,
            Accepting));
    }
};

TEST_F(TwoCopiesTest, EachCopyKeepsTheDrawsAndPrizesTheOtherSaved) {
    const std::string january = writeFile("january.txt", TwentyDraws(1));
    const std::string february = writeFile("february.txt", TwentyDraws(2));
    openThroughMenu("mHistorique1", [&](QDialog& history) {
        const auto* rows = history.findChild<QTableView*>(QStringLiteral("tdraws"))->model();
        EXPECT_EQ(rows->rowCount(), 0) << "opened before the other copy imports";
        std::string said;
        EXPECT_EQ(otherCopy({QStringLiteral("import"), QString::fromStdString(january)}, said), 0)
            << said;
        EXPECT_EQ(said, "20 tirages ajout\u00E9s, 0 d\u00E9j\u00E0 enregistr\u00E9, 0 ligne "
                        "refus\u00E9e");
        openPath.answer = february;
        history.findChild<QPushButton*>(QStringLiteral("bimport"))->click();
        EXPECT_EQ(history.findChild<QLabel*>(QStringLiteral("lreport"))->text().toStdString(),
                  "20 tirages ajout\u00E9s, 0 d\u00E9j\u00E0 enregistr\u00E9, 0 ligne "
                  "refus\u00E9e");
        EXPECT_EQ(rows->rowCount(), 40) << "the other copy's draws are shown too";
    });
    EXPECT_EQ(KeptDraws(session.dataFolder).size(), 40u);

    chooseSystem(13);
    openThroughMenu("mProfil1", [&](QDialog& dialog) {
        auto& profile = static_cast<WheelProfileWindow&>(dialog);
        auto* four = profile.findChild<QLineEdit*>(QStringLiteral("eprize4"));
        four->setFocus();
        four->selectAll();
        QTest::keyClicks(four, QStringLiteral("150"));
        std::string said;
        EXPECT_EQ(otherCopy({QStringLiteral("save-prize"), QStringLiteral("eprize3"),
                             QStringLiteral("60")},
                            said),
                  0)
            << said;
        profile.findChild<QPushButton*>(QStringLiteral("bsaveprizes"))->click();
        EXPECT_EQ(profile.prizes().amount(PrizeRank::Four), 150'00);
        EXPECT_EQ(profile.prizes().amount(PrizeRank::Three), 60'00)
            << "the other copy's prize is shown once this one saves";
    });
    EXPECT_TRUE(prompts.shown.empty());
    PrizeTable both = OperatorPrizeTable();
    both.setAmount(PrizeRank::Four, 150'00);
    both.setAmount(PrizeRank::Three, 60'00);
    EXPECT_EQ(KeptPrizes(session.dataFolder), both);
}

} // namespace
} // namespace orvane::test
