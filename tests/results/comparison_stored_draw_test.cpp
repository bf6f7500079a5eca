// The comparison window's list of the draws kept: picking one fills the six lists with it, and the
// window's own controls stay where and as they were.

#include "results/comparison_window.h"

#include "support/kept_player_data.h"
#include "support/program_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace orvane::test {
namespace {

using Texts = std::vector<std::string>;

const char* const kDrawListNames[] = {"ComboBox1", "ComboBox2", "ComboBox3",
                                      "ComboBox4", "ComboBox5", "ComboBox9"};

StoredDraw Dated(int day, int month, int year, std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(DrawDate{year, month, day}, Draw{main, thunderball});
}

// The full system of nine numbers over 2 5 9 14 18 22 27 33 39 with Thunderball 5, and the draws
// kept in the data folder before the program starts.
class ComparisonStoredDrawTest : public ProgramFixture {
  protected:
    void keep(const std::vector<StoredDraw>& draws) { test::KeepDraws(folder() + "data/", draws); }
    void start() {
        startProgram();
        main().show();
        chooseSystem(7);
        select({2, 5, 9, 14, 18, 22, 27, 33, 39, ThunderballCell(5)});
    }

    ComparisonWindow& window() { return *windows().comparison; }
    QComboBox* stored() { return window().findChild<QComboBox*>(QStringLiteral("cbstored")); }
    QComboBox* drawList(const char* name) {
        return window().findChild<QComboBox*>(QLatin1String(name));
    }
    Texts drawShown() {
        Texts texts;
        for (const char* name : kDrawListNames)
            texts.push_back(drawList(name)->currentText().toStdString());
        return texts;
    }
    Texts entries() {
        Texts texts;
        for (int i = 0; i < stored()->count(); ++i)
            texts.push_back(stored()->itemText(i).toStdString());
        return texts;
    }
    void press(const char* button) {
        QTest::mouseClick(window().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    void openThroughButton(std::function<void()> inside) {
        EXPECT_TRUE(VisitModal([this] { pressInMain("bcomparer"); },
                               [this](QWidget& modal) { return &modal == &window(); },
                               [&](QWidget&) { inside(); }, Pressing("BitBtn1")));
    }
};

TEST_F(ComparisonStoredDrawTest, PickingADrawKeptFillsTheSixListsAndIsComparedAsEntered) {
    keep({Dated(12, 3, 2025, {2, 5, 9, 14, 22}, 6), Dated(14, 3, 2025, {2, 5, 9, 14, 18}, 5),
          MakeStoredDraw(std::nullopt, Draw{{1, 2, 3, 4, 5}, 14})});
    start();
    openThroughButton([&] {
        EXPECT_EQ(window().findChild<QLabel*>(QStringLiteral("lstored"))->text(), "Stored draw");
        EXPECT_EQ(entries(), Texts({"", "14/03/2025  02 05 09 14 18  T 5",
                                    "12/03/2025  02 05 09 14 22  T 6", "01 02 03 04 05  T 14"}));
        EXPECT_TRUE(stored()->isEnabled());
        EXPECT_EQ(stored()->currentIndex(), 0) << "none picked: the lists show the last draw";
        EXPECT_EQ(drawShown(), Texts(6, "1"));

        stored()->setCurrentIndex(2);
        EXPECT_EQ(drawShown(), Texts({"2", "5", "9", "14", "22", "6"}));
        press("button1");
        auto* results = window().findChild<QListWidget*>(QStringLiteral("listresul"));
        ASSERT_EQ(results->count(), 126);
        EXPECT_EQ(results->item(0)->text(), "001 : MB:-02-05-09-14-18 T:-5 -> MB:4 T:0");

        stored()->setCurrentIndex(3);
        EXPECT_EQ(drawShown(), Texts({"1", "2", "3", "4", "5", "14"}));

        // A number changed by hand: the lists no longer hold the draw picked.
        drawList("ComboBox3")->setCurrentIndex(30);
        EXPECT_EQ(stored()->currentIndex(), 0);
        EXPECT_EQ(drawShown(), Texts({"1", "2", "31", "4", "5", "14"}));
    });
    // The draw picked is remembered as one entered by hand.
    openThroughButton([&] {
        EXPECT_EQ(drawShown(), Texts({"1", "2", "31", "4", "5", "14"}));
        EXPECT_EQ(stored()->currentIndex(), 0);
    });
}

TEST_F(ComparisonStoredDrawTest, WithNoDrawKeptTheListSaysSoAndPicksNothing) {
    start();
    openThroughButton([&] {
        EXPECT_EQ(entries(), Texts({"(none kept)"}));
        EXPECT_FALSE(stored()->isEnabled());
    });
}

TEST_F(ComparisonStoredDrawTest, TheNewListFitsBesideTheWindowsOwnControls) {
    start();
    EXPECT_EQ(window().size(), QSize(638, 386));
    const QRect list = stored()->geometry();
    const QRect label = window().findChild<QLabel*>(QStringLiteral("lstored"))->geometry();
    EXPECT_TRUE(window().rect().contains(list));
    for (QWidget* other : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == stored() || other->objectName() == QLatin1String("lstored") ||
            other->geometry() == window().rect()) // the backdrop
            continue;
        SCOPED_TRACE(other->objectName().toStdString());
        EXPECT_FALSE(other->geometry().intersects(list));
        EXPECT_FALSE(other->geometry().intersects(label));
    }
}

} // namespace
} // namespace orvane::test
