// Amounts in pounds as the player types them and as the window writes them.

#include "prizes/money_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(MoneyText, TellsAmountsFromUnfinishedTextsAndFromWhatIsNotMoney) {
    const struct {
        const char* typed;
        PoundsTyping typing;
        std::int64_t pence; // when an amount
    } cases[] = {
        {"5", PoundsTyping::Amount, 500},
        {"10.50", PoundsTyping::Amount, 1050},
        {"10.5", PoundsTyping::Amount, 1050},
        {"10.05", PoundsTyping::Amount, 1005},
        {"3.", PoundsTyping::Amount, 300},
        {".50", PoundsTyping::Amount, 50},
        {"0", PoundsTyping::Amount, 0},
        {"\xC2\xA3"
         "500,000",
         PoundsTyping::Amount, 500'000'00},
        {"500,000.00", PoundsTyping::Amount, 500'000'00},
        {"1,234,567", PoundsTyping::Amount, 1'234'567'00},
        {"999,999,999.99", PoundsTyping::Amount, kMostPence},
        // Typing on can still make these amounts.
        {"", PoundsTyping::Unfinished, 0},
        {"\xC2\xA3", PoundsTyping::Unfinished, 0},
        {".", PoundsTyping::Unfinished, 0},
        {"1,", PoundsTyping::Unfinished, 0},
        {"10,50", PoundsTyping::Unfinished, 0}, // on its way to 10,500, never ten pounds fifty
        // Nothing typed after these makes them amounts.
        {"abc", PoundsTyping::NotMoney, 0},
        {"-5", PoundsTyping::NotMoney, 0},
        {" 5", PoundsTyping::NotMoney, 0},
        {"5 ", PoundsTyping::NotMoney, 0},
        {"1.234", PoundsTyping::NotMoney, 0},
        {"5e3", PoundsTyping::NotMoney, 0},
        {"5.5.", PoundsTyping::NotMoney, 0},
        {"10,50.00", PoundsTyping::NotMoney, 0},
        {"1,0000", PoundsTyping::NotMoney, 0},
        {"1000,000", PoundsTyping::NotMoney, 0},
        {",5", PoundsTyping::NotMoney, 0},
        {"1,,000", PoundsTyping::NotMoney, 0},
        {"5\xC2\xA3", PoundsTyping::NotMoney, 0},
        {"$5", PoundsTyping::NotMoney, 0},
        {"1234567890", PoundsTyping::NotMoney, 0}, // ten digits of pounds
        {"1,000,000,000", PoundsTyping::NotMoney, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        EXPECT_EQ(ClassifyPoundsText(c.typed), c.typing);
        const std::optional<std::int64_t> pence = PenceOfPoundsText(c.typed);
        EXPECT_EQ(pence.has_value(), c.typing == PoundsTyping::Amount);
        if (pence) {
            EXPECT_EQ(*pence, c.pence);
        }
        // A field refuses a key that makes its text no money: every step of typing an amount
        // must be let through.
        if (c.typing != PoundsTyping::NotMoney) {
            const std::string typed = c.typed;
            for (std::size_t length = 0; length < typed.size(); ++length) {
                if ((typed[length] & 0xC0) == 0x80)
                    continue; // inside the pound sign, which is typed as one key
                EXPECT_NE(ClassifyPoundsText(typed.substr(0, length)), PoundsTyping::NotMoney)
                    << "typing stops after \"" << typed.substr(0, length) << "\"";
            }
        }
    }
}

TEST(MoneyText, WritesAmountsThatReadBackAsTheSamePence) {
    const struct {
        std::int64_t pence;
        const char* field;
        const char* stated;
    } cases[] = {
        {0, "0.00",
         "\xC2\xA3"
         "0.00"},
        {5, "0.05",
         "\xC2\xA3"
         "0.05"},
        {100, "1.00",
         "\xC2\xA3"
         "1.00"},
        {1050, "10.50",
         "\xC2\xA3"
         "10.50"},
        {500'000'00, "500,000.00",
         "\xC2\xA3"
         "500,000.00"},
        {kMostPence, "999,999,999.99",
         "\xC2\xA3"
         "999,999,999.99"},
        {-1595, "-15.95",
         "-\xC2\xA3"
         "15.95"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pence);
        EXPECT_EQ(PoundsFieldText(c.pence), c.field);
        EXPECT_EQ(MoneyText(c.pence), c.stated);
        if (c.pence >= 0) {
            EXPECT_EQ(PenceOfPoundsText(PoundsFieldText(c.pence)), c.pence);
            EXPECT_EQ(PenceOfPoundsText(MoneyText(c.pence)), c.pence);
        }
    }
}

TEST(MoneyText, AnAverageIsStatedToTheNearestPenny) {
    EXPECT_EQ(MoneyText(1404.5), "\xC2\xA3"
                                 "14.05");
    EXPECT_EQ(MoneyText(1404.4), "\xC2\xA3"
                                 "14.04");
    EXPECT_EQ(MoneyText(-0.4), "\xC2\xA3"
                               "0.00");
    EXPECT_EQ(MoneyText(-1595.2), "-\xC2\xA3"
                                  "15.95");
}

} // namespace
} // namespace orvane
