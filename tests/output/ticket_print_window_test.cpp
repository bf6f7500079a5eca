#include "output/ticket_print_window.h"

#include "output/ticket_printing.h"
#include "support/program_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace orvane::test {
namespace {

class TicketPrintWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        markSevenWithFixed39();
    }

    // Opens the print window with the main window's button and hands it to `action`; the window
    // is closed afterwards if `action` left it open.
    void openPrint(std::function<void(TicketPrintWindow&)> action) {
        EXPECT_TRUE(VisitModalOf<TicketPrintWindow>([this] { clickInMain("bimpbull"); }, action))
            << "the print window did not open";
    }

    template <typename T> static T* child(TicketPrintWindow& window, const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void setRange(TicketPrintWindow& window, const QString& first, const QString& last) {
        child<QLineEdit>(window, "Gpremier")->setText(first);
        child<QLineEdit>(window, "gdernier")->setText(last);
    }
};

TEST_F(TicketPrintWindowTest, OpensWithItsTextsAndTheWholeSystemAsRange) {
    openPrint([](TicketPrintWindow& window) {
        EXPECT_EQ(window.objectName(), QStringLiteral("TForm7"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Print"));
        EXPECT_EQ(child<QLabel>(window, "Label3")->text(), QStringLiteral("TICKET TYPE"));
        EXPECT_EQ(child<QGroupBox>(window, "GroupBox3")->title(),
                  QStringLiteral("Boards to print"));
        EXPECT_EQ(child<QLabel>(window, "Label1")->text(), QStringLiteral("First"));
        EXPECT_EQ(child<QLabel>(window, "Label2")->text(), QStringLiteral("Last"));
        EXPECT_EQ(child<QGroupBox>(window, "GroupBox2")->title(), QStringLiteral("Print Type"));
        EXPECT_EQ(child<QRadioButton>(window, "bimptsbull")->text(),
                  QStringLiteral("Print all the tickets"));
        EXPECT_EQ(child<QRadioButton>(window, "bimpunbull")->text(),
                  QStringLiteral("Stop after each ticket"));
        EXPECT_EQ(child<QGroupBox>(window, "GroupBox4")->title(), QStringLiteral("More"));
        EXPECT_EQ(child<QCheckBox>(window, "chNumticket")->text(),
                  QStringLiteral("Print the number of ticket on top of the ticket"));
        EXPECT_EQ(child<QPushButton>(window, "boutannule")->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(child<QPushButton>(window, "boutlancer")->text(), QStringLiteral("Print"));
        auto* layouts = child<QComboBox>(window, "ComboBox1");
        ASSERT_EQ(layouts->count(), 1);
        EXPECT_EQ(layouts->currentText(), QStringLiteral("TICKET THUNDERBALL UK"));
        EXPECT_EQ(child<QLineEdit>(window, "Gpremier")->text(), QStringLiteral("1"));
        EXPECT_EQ(child<QLineEdit>(window, "gdernier")->text(), QStringLiteral("15"));
        EXPECT_TRUE(child<QRadioButton>(window, "bimptsbull")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(window, "chNumticket")->isChecked());
    });
}

TEST_F(TicketPrintWindowTest, ResetsTheRangeButKeepsTheChoicesBetweenOpenings) {
    openPrint([](TicketPrintWindow& window) {
        setRange(window, QStringLiteral("3"), QStringLiteral("4"));
        child<QRadioButton>(window, "bimpunbull")->setChecked(true);
        child<QCheckBox>(window, "chNumticket")->setChecked(true);
    });
    openPrint([](TicketPrintWindow& window) {
        EXPECT_EQ(child<QLineEdit>(window, "Gpremier")->text(), QStringLiteral("1"));
        EXPECT_EQ(child<QLineEdit>(window, "gdernier")->text(), QStringLiteral("15"));
        EXPECT_TRUE(child<QRadioButton>(window, "bimpunbull")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(window, "chNumticket")->isChecked());
    });
}

TEST_F(TicketPrintWindowTest, RangeFieldsTakeFourDigitsAndNothingElse) {
    openPrint([](TicketPrintWindow& window) {
        QLineEdit* first = child<QLineEdit>(window, "Gpremier");
        first->clear();
        QTest::keyClicks(first, QStringLiteral("1a-2 .3"));
        EXPECT_EQ(first->text(), QStringLiteral("123"));
        QTest::keyClick(first, Qt::Key_Backspace);
        EXPECT_EQ(first->text(), QStringLiteral("123"));
        QTest::keyClicks(first, QStringLiteral("456"));
        EXPECT_EQ(first->text(), QStringLiteral("1234"));
        QTest::keyClick(first, Qt::Key_Left);
        QTest::keyClick(first, Qt::Key_Delete);
        EXPECT_EQ(first->text(), QStringLiteral("123"));
    });
}

// Characters Qt's edit field would take without a printable first code unit: a private-use
// character, a format character and one beyond the 16-bit range.
TEST_F(TicketPrintWindowTest, RangeFieldsDropCharactersBeyondThePrintableOnesAndComposedInput) {
    openPrint([](TicketPrintWindow& window) {
        for (const char* name : {"Gpremier", "gdernier"}) {
            SCOPED_TRACE(name);
            QLineEdit* field = child<QLineEdit>(window, name);
            EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
            field->setText(QStringLiteral("12"));
            for (const char32_t c : {U'\uE000', U'\u200D', U'\U0001F600'}) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                QString::fromUcs4(&c, 1));
                QCoreApplication::sendEvent(field, &press);
            }
            EXPECT_EQ(field->text(), QStringLiteral("12"));
        }
    });
}

TEST_F(TicketPrintWindowTest, RefusesAnIncorrectRangeAndStaysOpen) {
    const std::pair<const char*, const char*> ranges[] = {
        {"0", "15"}, {"", "15"}, {"1", "16"}, {"9", "8"}};
    for (const auto& [first, last] : ranges) {
        SCOPED_TRACE(::testing::Message() << '"' << first << "\" \"" << last << '"');
        prompts.shown.clear();
        openPrint([&](TicketPrintWindow& window) {
            setRange(window, QString::fromLatin1(first), QString::fromLatin1(last));
            child<QPushButton>(window, "boutlancer")->click();
            EXPECT_TRUE(window.isVisible());
        });
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0], IncorrectRangePrompt());
    }
    EXPECT_EQ(IncorrectRangePrompt().text, "Incorrect number of boards to print");
    EXPECT_EQ(IncorrectRangePrompt().caption, "Problem !!");
    EXPECT_EQ(IncorrectRangePrompt().icon, PromptIcon::Exclamation);
    EXPECT_EQ(canvas.documentsBegun, 0);
}

TEST_F(TicketPrintWindowTest, PrintsTheRangeWithTheChosenOptionsAndCloses) {
    openPrint([](TicketPrintWindow& window) {
        setRange(window, QStringLiteral("2"), QStringLiteral("14"));
        child<QRadioButton>(window, "bimpunbull")->setChecked(true);
        child<QCheckBox>(window, "chNumticket")->setChecked(true);
        child<QPushButton>(window, "boutlancer")->click();
        EXPECT_FALSE(window.isVisible());
    });
    // Ticket by ticket: a job per ticket, asked before the second and third.
    EXPECT_EQ(canvas.pagesHandedOver, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(canvas.lines.size(), 13u * 6u);
    EXPECT_EQ(canvas.texts.back().text, "14");
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0], NextTicketPrompt());
}

TEST_F(TicketPrintWindowTest, CancelPrintsNothing) {
    openPrint([](TicketPrintWindow& window) {
        child<QPushButton>(window, "boutannule")->click();
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ(canvas.documentsBegun, 0);
}

TEST_F(TicketPrintWindowTest, TheMenuItemOpensItForSeveralThunderballNumbers) {
    main().casecoch(ThunderballCell(11));
    main().findChild<QPushButton*>(QStringLiteral("bimpbull"))->click();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], IncorrectSelectionPrompt());

    EXPECT_TRUE(VisitModal(
        [this] { main().findChild<QAction*>(QStringLiteral("Imprimerlesbulletins1"))->trigger(); },
        Named("TForm7"),
        [](QWidget& window) {
            window.findChild<QPushButton*>(QStringLiteral("boutlancer"))->click();
        }));
    EXPECT_EQ(canvas.lines.size(), 15u * 7u);
}

} // namespace
} // namespace orvane::test
