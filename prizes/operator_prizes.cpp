#include "prizes/operator_prizes.h"

namespace orvane {

PrizeTable OperatorPrizeTable() {
    // Every rank pays a fixed amount, the top one included; in pence.
    PrizeTable prizes;
    prizes.setAmount(PrizeRank::FivePlusT, 500'000'00);
    prizes.setAmount(PrizeRank::Five, 5'000'00);
    prizes.setAmount(PrizeRank::FourPlusT, 250'00);
    prizes.setAmount(PrizeRank::Four, 100'00);
    prizes.setAmount(PrizeRank::ThreePlusT, 20'00);
    prizes.setAmount(PrizeRank::Three, 10'00);
    prizes.setAmount(PrizeRank::TwoPlusT, 10'00);
    prizes.setAmount(PrizeRank::OnePlusT, 5'00);
    prizes.setAmount(PrizeRank::ZeroPlusT, 3'00);
    prizes.pricePerBoard = 1'00; // one line: five main numbers and one Thunderball
    return prizes;
}

} // namespace orvane
