// The prize table file of earlier versions, which the player's database takes in: what it holds,
// and what reading it makes of anything else.

#include "prizes/prize_table_file.h"

#include "prizes/operator_prizes.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Amounts the operator never pays, all different, so that a field read into another shows; the
// file of earlier versions has no line for the Thunderball alone, which stays the operator's.
PrizeTable playersTable() {
    PrizeTable prizes = OperatorPrizeTable();
    std::int64_t pence = 1'000'000'01;
    for (const PrizeRank rank : kPrizeRanks) {
        prizes.setAmount(rank, pence);
        pence /= 7;
    }
    prizes.pricePerBoard = 123;
    return prizes;
}

class PrizeTableFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(m_temp.path().empty()); }

    std::string folder() const { return m_temp.path() + "/"; }
    fs::path file() const { return fs::path(m_temp.path()) / kPrizeTableFileName; }
    void writeFile(const std::string& text) const {
        std::ofstream out(file(), std::ios::binary);
        out << text;
    }
    std::string readFile() const {
        std::ifstream in(file(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    const test::TempFolder m_temp;
};

TEST_F(PrizeTableFileTest, AWrittenTableReadsBackAsItWasTyped) {
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_EQ(ReadPrizeTableFile(file()), OperatorPrizeTable()) << "no file";

    writeFile(EncodePrizeTable(playersTable()));
    EXPECT_EQ(readFile(), "# Orvane's prize table: pence paid to one winning line per prize rank\n"
                          "# (main numbers matched, +T with the Thunderball), and the price of a "
                          "line.\n"
                          "5+T=100000001\n"
                          "5=14285714\n"
                          "4+T=2040816\n"
                          "4=291545\n"
                          "3+T=41649\n"
                          "3=5949\n"
                          "2+T=849\n"
                          "1+T=121\n"
                          "line=123\n");
    EXPECT_EQ(ReadPrizeTableFile(file()), playersTable());
}

TEST_F(PrizeTableFileTest, WhatCannotBeReadKeepsTheOperatorsAmountFieldByField) {
    const std::string saved = EncodePrizeTable(playersTable());
    const auto withRank = [](PrizeRank rank, std::int64_t pence) {
        PrizeTable prizes = OperatorPrizeTable();
        prizes.setAmount(rank, pence);
        return prizes;
    };
    PrizeTable allButTheLine = playersTable();
    allButTheLine.pricePerBoard = OperatorPrizeTable().pricePerBoard;
    PrizeTable firstThreeRanks = OperatorPrizeTable();
    for (const PrizeRank rank : {PrizeRank::FivePlusT, PrizeRank::Five, PrizeRank::FourPlusT})
        firstThreeRanks.setAmount(rank, playersTable().amount(rank));
    std::string garbage;
    for (int i = 0; i < 600; ++i)
        garbage += static_cast<char>(i * 37 % 256);
    // A line the read stops in the middle of: "line=12" of "line=123", at bytes 4089 to 4095.
    const std::string pastTheReadLimit = "4=7\n" + std::string(4084, '#') + "\nline=123\n";

    const struct {
        const char* what;
        std::string text;
        PrizeTable expected;
    } cases[] = {
        {"an empty file", "", OperatorPrizeTable()},
        {"bytes that make no lines", garbage, OperatorPrizeTable()},
        {"the last line cut short", saved.substr(0, saved.size() - 2), allButTheLine},
        {"the last line without its line break", saved.substr(0, saved.size() - 1), allButTheLine},
        {"cut short after three ranks", saved.substr(0, saved.find("4=")), firstThreeRanks},
        {"one rank alone", "5=123\n", withRank(PrizeRank::Five, 123)},
        {"spaces around and a Windows line break", " 3+T = 42 \r\n",
         withRank(PrizeRank::ThreePlusT, 42)},
        {"the later of two lines for a rank", "4=1\n4=2\n", withRank(PrizeRank::Four, 2)},
        {"amounts that are not whole pence within reach of typing",
         "5=-3\n4=abc\n3=1e5\n2+T=\n1+T=99999999999999\n4+T=10.50\n3+T=+5\n5+T=5 5\n",
         OperatorPrizeTable()},
        {"keys the table does not have", "foo=5\n=7\n0+T=300\n5 + T=9\nLINE=9\n",
         OperatorPrizeTable()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecodePrizeTable(c.text), c.expected);
        writeFile(c.text);
        EXPECT_EQ(ReadPrizeTableFile(file()), c.expected);
    }

    // A table is a few hundred bytes: reading stops after 4096, and the line it stops in is not
    // read as an amount.
    writeFile(pastTheReadLimit);
    EXPECT_EQ(ReadPrizeTableFile(file()), withRank(PrizeRank::Four, 7));
}

// Not a table the player kept, but a file that cannot be read: never taken for the operator's.
TEST_F(PrizeTableFileTest, AnythingButAFileAtItsNameCannotBeReadAndIsReadWithoutWaiting) {
    fs::create_directory(file());
    EXPECT_EQ(ReadPrizeTableFile(file()), std::nullopt) << "a folder";
    fs::remove(file());
    for (const test::SpecialFile& special : test::SpecialFiles()) {
        SCOPED_TRACE(special.what);
        special.make(file());
        EXPECT_EQ(ReadPrizeTableFile(file()), std::nullopt);
        fs::remove(file());
    }
}

} // namespace
} // namespace orvane
