#include "results/comparison_window.h"

#include "support/program_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace orvane::test {
namespace {

const char* const kDrawListNames[] = {"ComboBox1", "ComboBox2", "ComboBox3",
                                      "ComboBox4", "ComboBox5", "ComboBox9"};
const char* const kCounterNames[] = {"lnb5t", "lnb5", "lnb4t", "lnb4",
                                     "lnb3t", "lnb3", "lnb2t", "lnb1t"};

// A full system of nine numbers (126 boards) over 2 5 9 14 18 22 27 33 39 with Thunderball 5.
class ComparisonWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        chooseSystem(7);
        select({2, 5, 9, 14, 18, 22, 27, 33, 39, ThunderballCell(5)});
    }

    ComparisonWindow& window() { return *windows().comparison; }
    QComboBox* drawList(const char* name) { return window().findChild<QComboBox*>(name); }
    QListWidget* results() { return window().findChild<QListWidget*>("listresul"); }
    std::string line(int row) { return results()->item(row)->text().toStdString(); }
    using Texts = std::vector<std::string>;
    Texts counters() {
        Texts texts;
        for (const char* name : kCounterNames)
            texts.push_back(window().findChild<QLabel*>(name)->text().toStdString());
        return texts;
    }
    Texts drawShown() {
        Texts texts;
        for (const char* name : kDrawListNames)
            texts.push_back(drawList(name)->currentText().toStdString());
        return texts;
    }
    // Picks the six numbers as the player does, by choosing entries of the lists.
    void enterDraw(std::array<int, 5> mainNumbers, int thunderball) {
        for (std::size_t i = 0; i < mainNumbers.size(); ++i)
            drawList(kDrawListNames[i])->setCurrentIndex(mainNumbers[i] - 1);
        drawList("ComboBox9")->setCurrentIndex(thunderball - 1);
    }
    void press(const char* button) {
        QTest::mouseClick(window().findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Opens the window with the main window's button and runs `inside` while it is open; the
    // window is closed afterwards if `inside` left it open.
    void openThroughButton(std::function<void()> inside) {
        EXPECT_TRUE(VisitModal([this] { pressInMain("bcomparer"); },
                               [this](QWidget& modal) { return &modal == &window(); },
                               [&](QWidget&) { inside(); }, Pressing("BitBtn1")));
    }
};

TEST_F(ComparisonWindowTest, ComparesEveryBoardWithTheDrawEntered) {
    openThroughButton([&] {
        EXPECT_EQ(window().windowTitle(), "Results Analyst");
        enterDraw({18, 2, 14, 9, 5}, 5);
        press("button1");
        ASSERT_EQ(results()->count(), 126);
        EXPECT_EQ(line(0), "001 : MB:-02-05-09-14-18 T:-5 -> MB:5 T: 1");
        EXPECT_EQ(line(99), "100 : MB:-05-14-27-33-39 T:-5 -> MB:2 T: 1");
        EXPECT_EQ(line(125), "126 : MB:-18-22-27-33-39 T:-5 -> MB:1 T: 1");
        EXPECT_EQ(counters(), Texts({"1", "0", "20", "0", "60", "0", "40", "5"}));

        enterDraw({2, 5, 9, 14, 22}, 6);
        press("button1");
        EXPECT_EQ(results()->count(), 126);
        EXPECT_EQ(line(0), "001 : MB:-02-05-09-14-18 T:-5 -> MB:4 T:0");
        EXPECT_EQ(counters(), Texts({"0", "1", "0", "20", "0", "60", "0", "0"}));
    });
    EXPECT_EQ(session.run.activeSystem(), 7);
    EXPECT_EQ(session.run.boardCount(), 126);
    EXPECT_EQ(session.run.currentBoardNumber(), 1);
    EXPECT_EQ(session.run.currentBoard(39), 1);
    EXPECT_EQ(session.run.currentBoard(2), 0);
}

TEST_F(ComparisonWindowTest, FirstOpeningShowsOneInEveryListAndLaterOnesTheLastDraw) {
    openThroughButton([&] {
        EXPECT_EQ(drawShown(), Texts({"1", "1", "1", "1", "1", "1"}));
        for (const char* name : kDrawListNames) {
            SCOPED_TRACE(name);
            QComboBox* list = drawList(name);
            EXPECT_FALSE(list->isEditable());
            const int numbers = QByteArray(name) == "ComboBox9" ? 14 : 39;
            ASSERT_EQ(list->count(), numbers);
            for (int n = 1; n <= numbers; ++n)
                EXPECT_EQ(list->itemText(n - 1), QString::number(n));
        }
        EXPECT_EQ(counters(), Texts(8, ""));
        enterDraw({3, 12, 25, 30, 38}, 7);
        press("button1");
        EXPECT_EQ(results()->count(), 126);
    });
    openThroughButton([&] {
        EXPECT_EQ(drawShown(), Texts({"3", "12", "25", "30", "38", "7"}));
        EXPECT_EQ(results()->count(), 0);
        EXPECT_EQ(counters(), Texts(8, ""));
        enterDraw({1, 2, 3, 4, 5}, 14);
        window().close(); // the close box remembers the draw as "Return" does
    });
    openThroughButton([&] { EXPECT_EQ(drawShown(), Texts({"1", "2", "3", "4", "5", "14"})); });
}

TEST_F(ComparisonWindowTest, RefusesAMainNumberInTwoListsWhicheverTwo) {
    openThroughButton([&] {
        enterDraw({2, 5, 9, 14, 18}, 5);
        press("button1");
        const Texts countsBefore = counters();
        for (int first = 0; first < 5; ++first) {
            for (int second = first + 1; second < 5; ++second) {
                SCOPED_TRACE(testing::Message()
                             << kDrawListNames[first] << " and " << kDrawListNames[second]);
                prompts.shown.clear();
                enterDraw({20, 21, 22, 23, 24}, 1);
                drawList(kDrawListNames[first])->setCurrentIndex(30);
                drawList(kDrawListNames[second])->setCurrentIndex(30);
                press("button1");
                ASSERT_EQ(prompts.shown.size(), 1u);
                EXPECT_EQ(prompts.shown[0],
                          (Prompt{"A number is selected more than one time", "Problem !!",
                                  PromptIcon::Exclamation, PromptButtons::Ok, false}));
                EXPECT_EQ(results()->count(), 126);
                EXPECT_EQ(line(0), "001 : MB:-02-05-09-14-18 T:-5 -> MB:5 T: 1");
                EXPECT_EQ(counters(), countsBefore);
            }
        }
    });
}

TEST_F(ComparisonWindowTest, AcceptsAThunderballEqualToAMainNumber) {
    openThroughButton([&] {
        enterDraw({5, 9, 14, 18, 22}, 5);
        press("button1");
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_EQ(line(0), "001 : MB:-02-05-09-14-18 T:-5 -> MB:4 T: 1");
    });
}

TEST_F(ComparisonWindowTest, MenuItemComparesBoardsCarryingSeveralThunderballs) {
    select({ThunderballCell(11)});
    EXPECT_TRUE(VisitModal(
        [this] { main().findChild<QAction*>("mCompareraveclesrsultats1")->trigger(); },
        [this](QWidget& modal) { return &modal == &window(); },
        [&](QWidget&) {
            enterDraw({2, 5, 9, 14, 18}, 11);
            press("button1");
            EXPECT_EQ(line(0), "001 : MB:-02-05-09-14-18 T:-5-11 -> MB:5 T: 1 + 1 fois MB:5 T:0");
            EXPECT_EQ(counters(), Texts({"1", "1", "20", "20", "60", "60", "40", "5"}));
        },
        Pressing("BitBtn1")));
}

TEST_F(ComparisonWindowTest, ShowsTheCaptionsAndCounterBoxes) {
    EXPECT_EQ(window().size(), QSize(638, 386));
    EXPECT_EQ(window().findChild<QLabel*>("lbullgagnant")->text(), "NUMBERS DRAWN");
    EXPECT_EQ(window().findChild<QGroupBox*>("GroupBox1")->title(), "Matched Numbers");
    EXPECT_EQ(window().findChild<QPushButton*>("button1")->text(), "View Results");
    auto* back = window().findChild<QPushButton*>("BitBtn1");
    EXPECT_EQ(back->text(), "Return");
    EXPECT_EQ(back->toolTip(), "Back to previous window");
    Texts boxes;
    for (const char* name : kCounterNames)
        boxes.push_back(qobject_cast<QGroupBox*>(window().findChild<QLabel*>(name)->parentWidget())
                            ->title()
                            .toStdString());
    EXPECT_EQ(boxes, Texts({"5 + T", "5", "4 + T", "4", "3 + T", "3 ", "2 + T", "1 +T"}));
}

} // namespace
} // namespace orvane::test
