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
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

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
        bool opened = false;
        whenModal([&](QWidget* modal) {
            opened = modal == windows().makeWheel.ifMade();
            if (opened)
                inside();
            if (modal->isVisible())
                modal->close();
        });
        main().findChild<QAction*>(QStringLiteral("mRoue1"))->trigger();
        EXPECT_TRUE(opened);
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

} // namespace
} // namespace orvane::test
