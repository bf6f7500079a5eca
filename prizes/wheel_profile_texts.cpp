#include "prizes/wheel_profile_texts.h"

#include "prizes/draw_odds.h"
#include "prizes/money_text.h"

namespace orvane {

namespace {

std::string grouped(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string ways(std::uint64_t n) {
    return grouped(n) + (n == 1 ? " way" : " ways");
}

int thunderballsMarked(const SelectionGrid& grid) {
    int marked = 0;
    for (int c = kFirstThunderballCell; c <= kLastScreenCell; ++c)
        marked += grid.state(c) == kSelected;
    return marked;
}

} // namespace

std::string GuaranteeText(const WheelProfile& profile) {
    const GuaranteeProof& proof = profile.guarantee;
    const WheelParameters& w = profile.system;
    const int k = proof.promise.k;
    const int m = proof.promise.m;
    const std::string promise = "Guarantee \"" + std::to_string(k) + " if " + std::to_string(m) +
                                "\"" + (w.fixedCount > 0 ? " (including fixes)" : "") + ": ";
    const std::string fall =
        std::to_string(m) + " drawn numbers can fall among your " + std::to_string(w.numberCount);
    const bool oneFixed = w.fixedCount == 1;
    const std::string withFixed =
        w.fixedCount == 0
            ? ""
            : (oneFixed ? " with your fixed number drawn"
                        : " with your " + std::to_string(w.fixedCount) + " fixed numbers drawn");

    std::string text = promise;
    if (proof.holds())
        text += "holds for all " + ways(proof.fixedDrawn.cases) + " " + fall + withFixed;
    else
        text += "does not hold: in some of the " + ways(proof.fixedDrawn.cases) + " " + fall +
                withFixed + ", the best board holds only " +
                std::to_string(proof.fixedDrawn.fewestBest);
    if (proof.fixedMissed.cases > 0)
        text += std::string("; without ") + (oneFixed ? "it" : "them") +
                " the best board holds at least " + std::to_string(proof.fixedMissed.fewestBest) +
                " in the other " + ways(proof.fixedMissed.cases) + ".";
    else if (proof.holds())
        text += "; the best board then holds at least " +
                std::to_string(proof.fixedDrawn.fewestBest) + " of them.";
    else
        text += ".";
    return text;
}

int LinesPerBoard(const SelectionGrid& grid) {
    return ThunderballsCarried(grid);
}

std::string ThunderballLinesText(const SelectionGrid& grid, int boards) {
    const int marked = thunderballsMarked(grid);
    const int lines = LinesPerBoard(grid) * boards;
    const std::string perDraw = grouped(static_cast<std::uint64_t>(lines)) +
                                (lines == 1 ? " line a draw" : " lines a draw");
    if (marked == 0)
        return "No Thunderball number is marked: counted as one, a line a board, " + perDraw + ".";
    if (marked == 1)
        return "Every board carries your Thunderball number: a line a board, " + perDraw + ".";
    return "Every board carries your " + std::to_string(marked) +
           " Thunderball numbers: " + std::to_string(marked) + " lines a board, " + perDraw + ".";
}

std::string CostText(int lines, std::int64_t pricePerLine) {
    return grouped(static_cast<std::uint64_t>(lines)) + (lines == 1 ? " line at " : " lines at ") +
           MoneyText(pricePerLine) + ": " + MoneyText(pricePerLine * lines);
}

std::string ReturnPerPoundText(double expectedPrize, std::int64_t cost) {
    if (cost <= 0)
        return {};
    return MoneyText(100 * expectedPrize / static_cast<double>(cost)) + " back for every \xC2\xA3"
                                                                        "1 staked";
}

} // namespace orvane
