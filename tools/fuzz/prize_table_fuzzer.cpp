// The prize table file holding any bytes at all, read as the wheel profile window reads it; and
// the same bytes typed as an amount in pounds.

#include "fuzz_support.h"
#include "prizes/money_text.h"
#include "prizes/prize_table_file.h"

#include <algorithm>
#include <string_view>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

constexpr std::size_t kReadLimit = 4096;

bool WithinReach(const PrizeTable& prizes) {
    const auto inReach = [](std::int64_t pence) { return pence >= 0 && pence <= kMostPence; };
    return std::all_of(prizes.amounts.begin(), prizes.amounts.end(), inReach) &&
           inReach(prizes.pricePerBoard);
}

void CheckTyped(std::string_view typed) {
    const PoundsTyping typing = ClassifyPoundsText(typed);
    const std::optional<std::int64_t> pence = PenceOfPoundsText(typed);
    Require(pence.has_value() == (typing == PoundsTyping::Amount), "an amount has its pence");
    if (pence) {
        Require(*pence >= 0 && *pence <= kMostPence, "an amount is within reach");
        Require(PenceOfPoundsText(PoundsFieldText(*pence)) == pence,
                "an amount shown in its field reads back");
        Require(PenceOfPoundsText(MoneyText(*pence)) == pence, "an amount stated reads back");
    }
    // A key is refused when it makes the text no money: every text on its way to an amount must
    // be reachable key by key (the pound sign is one key, two bytes).
    if (typing != PoundsTyping::NotMoney)
        for (std::size_t length = 0; length < typed.size(); ++length)
            if ((static_cast<unsigned char>(typed[length]) & 0xC0) != 0x80)
                Require(ClassifyPoundsText(typed.substr(0, length)) != PoundsTyping::NotMoney,
                        "typing an amount is never refused on the way");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto text = [](std::string_view s) { return Bytes(s.begin(), s.end()); };
    PrizeTable prizes;
    for (std::size_t i = 0; i < prizes.amounts.size(); ++i)
        prizes.amounts[i] = static_cast<std::int64_t>(i * 1234567);
    prizes.pricePerBoard = kMostPence;
    WriteSeedsIfAsked({
        {},
        text(EncodePrizeTable(prizes)),
        text("5+T=1\n5=2\r\n 4 = 3 \n4=x\n=5\n3+T=99999999999999\nline=7"),
        text("# nothing\n\n\n"),
        text("\xC2\xA3"
             "500,000.00"),
        text("10,50"),
        text(".5"),
        text("1,000,000,000"),
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const PrizeTable decoded = DecodePrizeTable(text);
    Require(WithinReach(decoded), "every amount read is one the fields could hold");
    Require(DecodePrizeTable(EncodePrizeTable(decoded)) == decoded, "a table read is saved as is");

    // The file in a program folder: its first 4096 bytes are read.
    const std::string folder = ScratchFolder();
    WriteFile(folder + kPrizeTableFileName, data, size);
    Require(ReadPrizeTableFile(folder + kPrizeTableFileName) ==
                DecodePrizeTable(text.substr(0, kReadLimit)),
            "reading the file gives what decoding its start gives");

    CheckTyped(text.substr(0, std::min<std::size_t>(size, 64)));
    return 0;
}
