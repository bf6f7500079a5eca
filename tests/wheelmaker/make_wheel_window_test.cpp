// The Make a wheel window, opened from its menu item: it takes the numbers marked, offers only the
// promises that make sense, searches on a thread of its own while the window keeps answering, and
// "Use this wheel" keeps the proven wheel and chooses it in the system list.
#include "wheelmaker/make_wheel_window.h"

#include "naive_proof.h"
#include "support/program_fixture.h"
#include "wheels/player_wheels.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <fstream>

namespace orvane::test {
namespace {

class MakeWheelWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }
    void TearDown() override {
        ProgramFixture::TearDown();
        for (const int index : ListedPlayerWheels())
            UnlistPlayerWheel(index);
    }
    MakeWheelWindow& window() { return *windows().makeWheel.get(); }
    template <typename T> T* control(const char* name) {
        return window().findChild<T*>(QLatin1String(name));
    }
    QStringList promises() {
        QStringList shown;
        auto* promise = control<QComboBox>("cpromise");
        for (int i = 0; i < promise->count(); ++i)
            shown << promise->itemText(i);
        return shown;
    }
    void openThroughMenu(std::function<void()> inside) {
        EXPECT_TRUE(
            VisitModal([this] { main().findChild<QAction*>(QStringLiteral("mRoue1"))->trigger(); },
                       [this](QWidget& modal) { return &modal == windows().makeWheel.ifMade(); },
                       [&](QWidget&) { inside(); }));
    }
};

TEST_F(MakeWheelWindowTest, MakesAProvenWheelForTheNumbersMarkedAndChoosesIt) {
    select({3, 8, 14, 21, 26, 29, 33, 37, ThunderballCell(9)});
    int chosen = 0;
    openThroughMenu([&] {
        EXPECT_EQ(window().windowTitle(), QStringLiteral("Make a wheel"));
        EXPECT_EQ(control<QSpinBox>("snumbers")->value(), 8) << "the numbers marked";
        EXPECT_EQ(control<QSpinBox>("sfixed")->value(), 0);
        EXPECT_TRUE(promises().contains(QStringLiteral("3 if 5")));
        EXPECT_FALSE(promises().contains(QStringLiteral("3 if 2")));
        control<QComboBox>("cpromise")->setCurrentText(QStringLiteral("3 if 3"));
        EXPECT_TRUE(control<QLabel>("lknown")->text().contains(QStringLiteral("3 if 3 on 8")));

        QTest::mouseClick(control<QPushButton>("bstart"), Qt::LeftButton);
        EXPECT_TRUE(window().isSearching());
        EXPECT_FALSE(control<QPushButton>("buse")->isEnabled()) << "nothing proven yet";
        QTRY_VERIFY_WITH_TIMEOUT(!window().isSearching(), 30'000);
        EXPECT_TRUE(control<QPushButton>("buse")->isEnabled());
        EXPECT_TRUE(control<QLabel>("lbest")->text().contains(QStringLiteral("proven over all")))
            << control<QLabel>("lbest")->text().toStdString();
        QTest::mouseClick(control<QPushButton>("buse"), Qt::LeftButton);
        chosen = CurrentSystemIndex(session.systemList);
    });
    ASSERT_TRUE(IsPlayerWheelIndex(chosen));
    const PlayerWheel* wheel = ShelvedPlayerWheel(chosen);
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->numberCount, 8);
    const NaiveCount proof = NaiveProof(wheel->boards, 8, 0, 3, 3);
    EXPECT_TRUE(proof.cases > 0 && proof.met == proof.cases) << "proven again, plainly";
    EXPECT_TRUE(SelectionCheck(session.grid, session.systemList, ThunderballRule::ExactlyOne))
        << "the marked numbers play the wheel at once";
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MakeWheelWindowTest, StopKeepsTheBestWheelSoFarAndCostlyRequestsAreSaidFirst) {
    openThroughMenu([&] {
        control<QSpinBox>("snumbers")->setValue(39);
        control<QComboBox>("cpromise")->setCurrentText(QStringLiteral("5 if 5"));
        EXPECT_TRUE(control<QLabel>("lwarning")->text().contains(QStringLiteral("boards or more")))
            << control<QLabel>("lwarning")->text().toStdString();

        control<QComboBox>("cpromise")->setCurrentText(QStringLiteral("3 if 5"));
        control<QSpinBox>("snumbers")->setValue(30);
        control<QSpinBox>("sseconds")->setValue(600);
        QTest::mouseClick(control<QPushButton>("bstart"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(
            control<QLabel>("lbest")->text().contains(QStringLiteral("boards")), 30'000);
        QTest::mouseClick(control<QPushButton>("bstop"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window().isSearching(), 30'000);
        EXPECT_TRUE(control<QLabel>("lelapsed")->text().contains(QStringLiteral("stopped")))
            << control<QLabel>("lelapsed")->text().toStdString();
        EXPECT_TRUE(control<QPushButton>("buse")->isEnabled()) << "the best proven wheel so far";
    });
}

// A wheel made anywhere: read from a text file, proven, kept under the file's name and chosen;
// then renamed and deleted from the same window.
TEST_F(MakeWheelWindowTest, ImportsRenamesAndDeletesThePlayersWheels) {
    const std::string file = folder() + "Eight of mine.txt";
    {
        std::ofstream out(file);
        out << "# eight numbers\n"
               "1 2 3 4 5\n1 2 6 7 8\n3 4 6 7 8\n1 3 5 6 7\n2 4 5 6 8\n"
               "1 4 5 7 8\n2 3 5 7 8\n1 2 3 6 8\n2,3,4,6,7\n";
    }
    int imported = 0;
    openThroughMenu([&] {
        openPath.answer = folder() + "missing.txt";
        QTest::mouseClick(control<QPushButton>("bimportwheel"), Qt::LeftButton);
        EXPECT_EQ(control<QLabel>("lyours")->text().toStdString(),
                  "Erreur \u00E0 la lecture du fichier : aucune roue ajout\u00E9e");

        openPath.answer = file;
        QTest::mouseClick(control<QPushButton>("bimportwheel"), Qt::LeftButton);
        EXPECT_EQ(openPath.asked.back(), "Import a wheel | Wheel files (*.txt *.csv)");
        imported = CurrentSystemIndex(session.systemList);
        ASSERT_TRUE(IsPlayerWheelIndex(imported)) << "chosen at once";
        EXPECT_EQ(ShelvedPlayerWheel(imported)->name, "Eight of mine");
        EXPECT_EQ(ShelvedPlayerWheel(imported)->boards.size(), 9u);
        const Guarantee promise = ShelvedPlayerWheel(imported)->promise;
        const NaiveCount proof =
            NaiveProof(ShelvedPlayerWheel(imported)->boards, 8, 0, promise.k, promise.m);
        EXPECT_TRUE(proof.cases > 0 && proof.met == proof.cases) << "kept under a promise it keeps";
        EXPECT_TRUE(control<QLabel>("lyours")->text().contains(
            QStringLiteral("proven to keep %1 if %2").arg(promise.k).arg(promise.m)))
            << control<QLabel>("lyours")->text().toStdString();
        EXPECT_EQ(control<QComboBox>("cyours")->currentData().toInt(), imported);

        control<QLineEdit>("ename")->setText(QStringLiteral("Thursday's eight"));
        QTest::mouseClick(control<QPushButton>("brename"), Qt::LeftButton);
        EXPECT_EQ(ShelvedPlayerWheel(imported)->name, "Thursday's eight");
        EXPECT_EQ(EntryDescription(session.systemList.entries()[static_cast<std::size_t>(
                      session.systemList.positionOfSystem(imported))]),
                  DescribePlayerWheel(*ShelvedPlayerWheel(imported)))
            << "the system list shows the new name";

        prompts.answers.push_back(PromptAnswer::No);
        QTest::mouseClick(control<QPushButton>("bdelete"), Qt::LeftButton);
        EXPECT_NE(session.systemList.positionOfSystem(imported), -1) << "kept on No";
        prompts.answers.push_back(PromptAnswer::Yes);
        QTest::mouseClick(control<QPushButton>("bdelete"), Qt::LeftButton);
        EXPECT_EQ(session.systemList.positionOfSystem(imported), -1);
        EXPECT_EQ(control<QComboBox>("cyours")->count(), 0);
    });
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "Supprimer la roue \u00AB Thursday's eight \u00BB ?");
}

} // namespace
} // namespace orvane::test
