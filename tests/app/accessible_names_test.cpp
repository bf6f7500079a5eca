// What a screen reader says of the controls that show no text of their own: glyph buttons, the
// prize amounts of the wheel profile and the fields that edit them.
#include "app/main_window.h"
#include "prizes/money_text.h"
#include "prizes/operator_prizes.h"
#include "prizes/wheel_profile_window.h"
#include "wheels/boards_view.h"

#include "support/program_fixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTableWidget>

namespace orvane::test {
namespace {

QString Name(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

// Whether `object` is found walking the accessibility tree down from `window`, as a screen reader
// walks it.
bool InAccessibilityTree(QObject* window, QObject* object) {
    std::vector<QAccessibleInterface*> open{QAccessible::queryAccessibleInterface(window)};
    while (!open.empty()) {
        QAccessibleInterface* a = open.back();
        open.pop_back();
        if (!a)
            continue;
        if (a->object() == object)
            return true;
        for (int i = 0; i < a->childCount(); ++i)
            open.push_back(a->child(i));
    }
    return false;
}

class AccessibleNamesTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        markSevenWithFixed39();
    }
};

TEST_F(AccessibleNamesTest, GlyphButtonsAreNamedForWhatTheyDo) {
    whenModal([&](QWidget* view) {
        const std::pair<const char*, const char*> buttons[] = {
            {"BitBtn3", "Previous board"}, {"BitBtn4", "Next board"}, {"BitBtn1", "Return"}};
        for (const auto& [name, said] : buttons) {
            QWidget* button = view->findChild<QWidget*>(QLatin1String(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(Name(button), QLatin1String(said)) << name;
        }
        view->close();
    });
    main().OpenBoardsWindow(ThunderballRule::ExactlyOne,
                            [this] { return windows().boardsView.get(); });
    EXPECT_EQ(Name(main().findChild<QWidget*>(QStringLiteral("SpeedButton2"))),
              QStringLiteral("Informations"));
    EXPECT_EQ(Name(main().findChild<QWidget*>(QStringLiteral("boutaide"))), QStringLiteral("Help"));
}

TEST_F(AccessibleNamesTest, PrizeAmountsAndTheirFieldsAreReadByTheirRankAndPrice) {
    const char* const fields[kPrizeRankCount] = {"eprize5t", "eprize5", "eprize4t", "eprize4",
                                                 "eprize3t", "eprize3", "eprize2t", "eprize1t"};
    const char* const ranks[kPrizeRankCount] = {"5 + T", "5", "4 + T", "4",
                                                "3 + T", "3", "2 + T", "1 + T"};
    const PrizeTable prizes = OperatorPrizeTable();
    whenModal([&](QWidget* window) {
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("tranks"));
        ASSERT_NE(table, nullptr);
        QAccessibleTableInterface* cells =
            QAccessible::queryAccessibleInterface(table)->tableInterface();
        ASSERT_NE(cells, nullptr);
        for (const PrizeRank rank : kPrizeRanks) {
            const std::size_t r = RankIndex(rank);
            SCOPED_TRACE(ranks[r]);
            // The prize column, below the headings.
            QAccessibleInterface* amount = cells->cellAt(1 + static_cast<int>(r), 1);
            ASSERT_NE(amount, nullptr);
            EXPECT_EQ(amount->text(QAccessible::Name).toStdString(),
                      MoneyText(prizes.amount(rank)));
            auto* field = window->findChild<QLineEdit*>(QLatin1String(fields[r]));
            EXPECT_EQ(Name(field), QStringLiteral("Prize for %1 (\u00A3)").arg(ranks[r]));
            EXPECT_TRUE(InAccessibilityTree(window, field));
        }
        // An amount typed is what the cell says from then on.
        auto* first = window->findChild<QLineEdit*>(QStringLiteral("eprize5t"));
        first->setText(QString());
        Q_EMIT first->textEdited(QStringLiteral("7"));
        EXPECT_EQ(cells->cellAt(1, 1)->text(QAccessible::Name).toStdString(),
                  MoneyText(std::int64_t{700}));

        auto* price = window->findChild<QLineEdit*>(QStringLiteral("eprice"));
        EXPECT_EQ(Name(price), QStringLiteral("Price of a line (\u00A3)"));
        EXPECT_TRUE(InAccessibilityTree(window, price));
        window->close();
    });
    main().OpenWheelProfile();
}

} // namespace
} // namespace orvane::test
