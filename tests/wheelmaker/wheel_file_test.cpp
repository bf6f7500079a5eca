// A wheel made elsewhere, read from a text file of boards: its numbers, its fixed numbers and
// every promise it keeps, proven; and why a file that is no wheel is refused.
#include "wheelmaker/wheel_file.h"

#include "naive_proof.h"

#include <gtest/gtest.h>

namespace orvane::wheelmaker {
namespace {

TEST(WheelFile, ReadsTheBoardsAndProvesEveryPromiseTheyKeep) {
    const ReadWheel read = ReadWheelText("# mine\n\n1 2 3 4 5\r\n1 2 6 7 8\n3;4;6;7;8\n"
                                         "7 6 5 3 1\n2 4 5 6 8\n1 4 5 7 8\n2 3 5 7 8\n"
                                         "1 2 3 6 8\n2 3 4 6 7\n1 2 3 4 5\n");
    ASSERT_EQ(read.fault, "");
    EXPECT_EQ(read.design.numberCount, 8);
    EXPECT_EQ(read.design.fixedCount, 0);
    EXPECT_EQ(read.design.boards.size(), 9u) << "the board given twice is kept once";
    ASSERT_FALSE(read.kept.empty());
    EXPECT_EQ(read.design.promise.k, read.kept.front().k);
    for (int k = 2; k <= 5; ++k)
        for (int m = k; m <= 5; ++m) {
            const test::NaiveCount naive = test::NaiveProof(read.design.boards, 8, 0, k, m);
            const bool keeps = naive.cases > 0 && naive.met == naive.cases;
            const bool said = std::any_of(read.kept.begin(), read.kept.end(),
                                          [&](const Guarantee& g) { return g.k == k && g.m == m; });
            EXPECT_EQ(said, keeps) << k << " if " << m;
        }
    // Numbers 1 and 2 on every board are fixed.
    const ReadWheel fixed = ReadWheelText("1 2 3 4 5\n1 2 3 6 7\n1 2 4 6 7\n1 2 5 6 7\n");
    ASSERT_EQ(fixed.fault, "");
    EXPECT_EQ(fixed.design.fixedCount, 2);
}

TEST(WheelFile, WhatIsNoWheelIsRefusedWithItsLine) {
    const struct {
        const char* text;
        const char* fault;
    } cases[] = {
        {"", "Ce n'est pas un fichier de grilles : aucune grille de cinq num\u00E9ros"},
        {"1 2 3 4 5\n1 2 3 4\n", "ligne 2 : 4 num\u00E9ros au lieu de 5"},
        {"1 2 3 4 40\n", "ligne 1 : un num\u00E9ro n'est pas entre 1 et 39"},
        {"0 2 3 4 5\n", "ligne 1 : un num\u00E9ro n'est pas entre 1 et 39"},
        {"1 2 3 3 5\n", "ligne 1 : un num\u00E9ro est donn\u00E9 deux fois"},
        {"1 2 x 4 5\n", "ligne 1 : ce n'est pas une grille de cinq num\u00E9ros"},
        {"1 2 3 4 5\n30 31 32 33 34\n",
         "Ces grilles ne tiennent aucune promesse \u00AB k si m \u00BB de 2 \u00E0 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadWheelText(c.text).fault, c.fault);
    }
}

} // namespace
} // namespace orvane::wheelmaker
