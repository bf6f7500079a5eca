#include "prizes/money_text.h"

#include <cmath>

namespace orvane {

namespace {

constexpr int kMostPoundDigits = 9;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The pounds sign in UTF-8.
constexpr std::string_view kPoundSign = "\xC2\xA3";

// Whole pounds grouped by thousands: 500000 -> "500,000".
std::string groupedPounds(std::int64_t pounds) {
    const std::string digits = std::to_string(pounds);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string twoDigits(std::int64_t pence) {
    return std::string(1, static_cast<char>('0' + pence / 10)) +
           static_cast<char>('0' + pence % 10);
}

// Reads the text, stopping at the first character that cannot belong to an amount.
struct Reading {
    PoundsTyping typing = PoundsTyping::NotMoney;
    std::int64_t pence = 0;
};

Reading read(std::string_view text) {
    if (text.starts_with(kPoundSign))
        text.remove_prefix(kPoundSign.size());
    std::int64_t pounds = 0;
    int poundDigits = 0;
    // Commas group the pounds by thousands, as amounts are printed: "10,500" is ten thousand
    // five hundred, and "10,50" is not ten pounds fifty.
    bool grouped = false;
    int groupDigits = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '.'; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if ((grouped && groupDigits == 3) || ++poundDigits > kMostPoundDigits)
                return {};
            ++groupDigits;
            pounds = pounds * 10 + (c - '0');
        } else if (c == ',' && poundDigits > 0 && (grouped ? groupDigits == 3 : groupDigits <= 3)) {
            grouped = true;
            groupDigits = 0;
        } else {
            return {};
        }
    }
    const bool groupOpen = grouped && groupDigits < 3;
    if (i == text.size()) // no point
        return groupOpen || poundDigits == 0 ? Reading{PoundsTyping::Unfinished, 0}
                                             : Reading{PoundsTyping::Amount, pounds * 100};
    if (groupOpen)
        return {};
    const std::string_view fraction = text.substr(i + 1);
    if (fraction.size() > 2)
        return {};
    for (const char c : fraction) {
        if (!isDigit(c))
            return {};
    }
    // Without pounds, pence alone make an amount (".50"); a point alone does not yet.
    if (poundDigits == 0 && fraction.empty())
        return {PoundsTyping::Unfinished, 0};
    std::int64_t pence = 0;
    if (fraction.size() >= 1)
        pence += 10 * (fraction[0] - '0');
    if (fraction.size() == 2)
        pence += fraction[1] - '0';
    return {PoundsTyping::Amount, pounds * 100 + pence};
}

} // namespace

PoundsTyping ClassifyPoundsText(std::string_view text) {
    return read(text).typing;
}

std::optional<std::int64_t> PenceOfPoundsText(std::string_view text) {
    const Reading r = read(text);
    if (r.typing != PoundsTyping::Amount)
        return std::nullopt;
    return r.pence;
}

namespace {

// "-" for a negative amount, then `sign`, then the pounds grouped by thousands and the pence.
std::string amountText(std::int64_t pence, std::string_view sign) {
    std::string text = pence < 0 ? "-" : "";
    const std::int64_t magnitude = pence < 0 ? -pence : pence;
    text += sign;
    text += groupedPounds(magnitude / 100);
    text += '.';
    text += twoDigits(magnitude % 100);
    return text;
}

} // namespace

std::string PoundsFieldText(std::int64_t pence) {
    return amountText(pence, "");
}

std::string MoneyText(std::int64_t pence) {
    return amountText(pence, kPoundSign);
}

std::string MoneyText(double pence) {
    return MoneyText(static_cast<std::int64_t>(std::llround(pence)));
}

} // namespace orvane
