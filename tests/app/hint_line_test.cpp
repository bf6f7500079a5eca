// The main window's information line after a refused selection and after Random numbers: what the
// chosen system needs against what is marked, beside the message that stays as it was.
#include "app/main_window.h"
#include "common/prompts.h"

#include "support/program_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace orvane::test {
namespace {

class HintLineTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        standing = hint();
    }
    QLabel* line() { return main().findChild<QLabel*>(QStringLiteral("Label2")); }
    QString hint() { return line()->text(); }
    void press(const char* button) {
        QTest::mouseClick(main().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // The whole line lies inside the window, where it can be read.
    void expectReadable() {
        const QRect shown(line()->mapTo(&main(), QPoint(0, 0)), line()->size());
        EXPECT_TRUE(main().rect().contains(shown))
            << "the line reaches " << shown.right() << " in a window " << main().width() << " wide";
    }

    QString standing;
};

TEST_F(HintLineTest, AfterIncorrectSelectionSaysWhatTheSystemNeedsAndWhatIsMarked) {
    chooseSystem(8); // seven numbers, one fixed
    select({1, 2, 3, 4, 5, 6, 7, 8, ThunderballCell(1)});
    press("bvoirbulletin");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, IncorrectSelectionPrompt().text) << "the message stays";
    EXPECT_EQ(hint(), QStringLiteral("This system needs 7 numbers with 1 fixed and one "
                                     "Thunderball: 8 numbers, 0 fixed and 1 Thunderball are "
                                     "marked"));
    expectReadable();

    // The menu items take several Thunderballs, and say so.
    main().casecoch(ThunderballCell(1));
    main().findChild<QAction*>(QStringLiteral("mVoirlalistedesbulletins1"))->trigger();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(hint(), QStringLiteral("This system needs 7 numbers with 1 fixed and at least one "
                                     "Thunderball: 8 numbers, 0 fixed and 0 Thunderballs are "
                                     "marked"));
    expectReadable();

    // Once the marks fit, the line is back to what it says at start.
    main().casecoch(8);
    main().clickdroit(7);
    main().casecoch(ThunderballCell(1));
    whenModal([](QWidget* view) { view->close(); });
    press("bvoirbulletin");
    EXPECT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(hint(), standing);
}

TEST_F(HintLineTest, RandomNumbersOnASystemWithFixedNumbersSaysItMarksNoneFixed) {
    chooseSystem(8);
    press("bnaleat");
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 7);
    EXPECT_EQ(session.grid.CountCells(CellKind::Fixed), 0);
    EXPECT_EQ(hint(), QStringLiteral("Random numbers marks no fixed number: this system needs 1 "
                                     "fixed, so fix 1 of the 7 numbers marked with a right "
                                     "click"));
    expectReadable();

    chooseSystem(7); // nine numbers, none fixed
    press("bnaleat");
    EXPECT_EQ(hint(),
              QStringLiteral("Numbers marked at random: Ctrl+Z puts back the marks before"));
    // A mark by hand ends what Ctrl+Z could undo, and the line offers it no more.
    main().casecoch(ThunderballCell(1));
    EXPECT_EQ(hint(), standing);
}

} // namespace
} // namespace orvane::test
