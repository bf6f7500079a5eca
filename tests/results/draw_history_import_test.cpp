// Reading files of past draws in the operator's layout and the plain one: every good line gives
// its draw, every bad one its line number and reason, and a file that is no draw file gives
// nothing.
#include "results/draw_history_import.h"

#include "support/failing_reads.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::string_literals;

const std::string kFixtures = ORVANE_RESULTS_FIXTURES;

StoredDraw Dated(int day, int month, int year, std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(DrawDate{year, month, day}, Draw{main, thunderball});
}

StoredDraw Undated(std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(std::nullopt, Draw{main, thunderball});
}

const std::string kOperatorHeader =
    "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n";

// One line of a file, read alone: the draw it gives or why it is refused.
struct LineCase {
    const char* what;
    std::string line;
    std::optional<StoredDraw> draw;
    std::string refusal; // when no draw
};

void ExpectLines(const std::string& header, const std::vector<LineCase>& cases) {
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        const DrawFileReading reading = ReadDrawText(header + c.line + "\n");
        ASSERT_EQ(reading.problem, DrawFileProblem::None);
        if (c.draw) {
            EXPECT_TRUE(reading.refused.empty())
                << (reading.refused.empty() ? "" : reading.refused[0].reason);
            ASSERT_EQ(reading.draws.size(), 1u);
            EXPECT_EQ(reading.draws[0], *c.draw);
        } else {
            EXPECT_TRUE(reading.draws.empty());
            ASSERT_EQ(reading.refused.size(), 1u);
            EXPECT_EQ(reading.refused[0], (RefusedDrawLine{header.empty() ? 1 : 2, c.refusal}));
        }
    }
}

TEST(ReadDrawText, OperatorLinesGiveTheirDrawOrTheReasonTheyAreRefused) {
    ExpectLines(
        kOperatorHeader,
        {
            {"balls in the order drawn", "28-Aug-2024,16,4,6,13,28,3,T6,Excalibur 1,3547",
             Dated(28, 8, 2024, {4, 6, 13, 16, 28}, 3), ""},
            {"one-digit day, month in capitals, line end of a Windows file",
             "1-DEC-2023,39,1,20,2,38,14,T1,Excalibur 4,3411\r",
             Dated(1, 12, 2023, {1, 2, 20, 38, 39}, 14), ""},
            {"quoted fields, a machine with a comma, leading zeros",
             "\"29-Feb-2024\",\"07\",8,9,10,11,\"02\",T3,\"Excalibur, spare\",3500",
             Dated(29, 2, 2024, {7, 8, 9, 10, 11}, 2), ""},
            {"Thunderball equal to a main number", "05-Mar-2025,7,8,9,10,11,7,T3,Excalibur 3,3696",
             Dated(5, 3, 2025, {7, 8, 9, 10, 11}, 7), ""},
            {"main number 40", "12-Mar-2025,11,2,40,25,7,14,T4,Excalibur 2,3700", std::nullopt,
             "le num\u00E9ro 40 n'est pas entre 1 et 39"},
            {"main number 0", "12-Mar-2025,11,2,0,25,7,14,T4,Excalibur 2,3700", std::nullopt,
             "le num\u00E9ro 0 n'est pas entre 1 et 39"},
            {"Thunderball 15", "11-Mar-2025,19,33,1,26,12,15,T1,Excalibur 3,3699", std::nullopt,
             "le Thunderball 15 n'est pas entre 1 et 14"},
            {"a number far too long to hold",
             "11-Mar-2025,19,33,1,26,99999999999999999999,5,T1,Excalibur 3,3699", std::nullopt,
             "le num\u00E9ro 99999999999999999999 n'est pas entre 1 et 39"},
            {"main number twice", "08-Mar-2025,4,39,15,4,21,1,T1,Excalibur 3,3698", std::nullopt,
             "le num\u00E9ro 4 est donn\u00E9 deux fois"},
            {"line cut after the balls", "07-Mar-2025,36,6,13,27,31", std::nullopt,
             "il manque le champ \u00AB Thunderball \u00BB"},
            {"empty ball", "07-Mar-2025,36,6,,27,31,2,T1,Excalibur 1,3697", std::nullopt,
             "il manque le champ \u00AB Ball 3 \u00BB"},
            {"no date", ",36,6,13,27,31,2,T1,Excalibur 1,3697", std::nullopt,
             "il manque le champ \u00AB DrawDate \u00BB"},
            {"a day February lacks", "31-Feb-2025,10,23,18,34,2,11,T2,Excalibur 1,3696",
             std::nullopt, "date invalide \u00AB 31-Feb-2025 \u00BB"},
            {"29 February of a common year", "29-Feb-2023,10,23,18,34,2,11,T2,Excalibur 1,3696",
             std::nullopt, "date invalide \u00AB 29-Feb-2023 \u00BB"},
            {"a month that is none", "04-Mrz-2025,10,23,18,34,2,11,T2,Excalibur 1,3695",
             std::nullopt, "date invalide \u00AB 04-Mrz-2025 \u00BB"},
            {"the plain layout's date", "04/03/2025,10,23,18,34,2,11,T2,Excalibur 1,3695",
             std::nullopt, "date invalide \u00AB 04/03/2025 \u00BB"},
            {"the letter O for a zero", "04-Mar-2025,1O,23,18,34,2,11,T2,Excalibur 1,3695",
             std::nullopt, "\u00AB 1O \u00BB n'est pas un nombre"},
            {"a NUL byte in the machine's name",
             "04-Mar-2025,10,23,18,34,2,11,T2,Excal\0ibur,3695"s, std::nullopt,
             "octet inattendu 0x00"},
            {"a byte of another encoding in a ball",
             "04-Mar-2025,10,23,18,3\xC2\xA0,2,11,T2,E,3695", std::nullopt, "octet inattendu 0xC2"},
            // A field is named by its first 40 characters, however long it is.
            {"a Thunderball of a million digits",
             "04-Mar-2025,10,23,18,34,2," + std::string(1'000'000, '7') + ",T2,E,3695",
             std::nullopt,
             "le Thunderball " + std::string(40, '7') + "\u2026 n'est pas entre 1 et 14"},
            {"a date of 41 characters", "04-Mar-" + std::string(34, '2') + ",10,23,18,34,2,11",
             std::nullopt, "date invalide \u00AB 04-Mar-" + std::string(33, '2') + "\u2026 \u00BB"},
            {"a word of 40 letters", "04-Mar-2025," + std::string(40, 'w') + ",23,18,34,2,11",
             std::nullopt, "\u00AB " + std::string(40, 'w') + " \u00BB n'est pas un nombre"},
        });
}

TEST(ReadDrawText, PlainLinesGiveTheirDrawOrTheReasonTheyAreRefused) {
    ExpectLines("", {
                        {"dated", "14/03/2025 3 9 17 22 30 5",
                         Dated(14, 3, 2025, {3, 9, 17, 22, 30}, 5), ""},
                        {"undated, unsorted, tabs and blanks", "\t30  9 22 3\t17 5  ",
                         Undated({3, 9, 17, 22, 30}, 5), ""},
                        {"one-digit day and month, Windows line end", "1/2/2024 1 2 3 4 5 6\r",
                         Dated(1, 2, 2024, {1, 2, 3, 4, 5}, 6), ""},
                        {"main number 40", "14/03/2025 3 9 40 22 30 5", std::nullopt,
                         "le num\u00E9ro 40 n'est pas entre 1 et 39"},
                        {"Thunderball 0", "3 9 17 22 30 0", std::nullopt,
                         "le Thunderball 0 n'est pas entre 1 et 14"},
                        {"main number twice", "3 9 17 9 30 5", std::nullopt,
                         "le num\u00E9ro 9 est donn\u00E9 deux fois"},
                        {"the Thunderball missing", "14/03/2025 3 9 17 22 30", std::nullopt,
                         "il manque des num\u00E9ros : 5 au lieu de 6"},
                        {"a date alone", "14/03/2025", std::nullopt,
                         "il manque des num\u00E9ros : 0 au lieu de 6"},
                        {"a number too many", "3 9 17 22 30 5 8", std::nullopt,
                         "trop de num\u00E9ros : 7 au lieu de 6"},
                        {"a 31st of April", "31/04/2025 3 9 17 22 30 5", std::nullopt,
                         "date invalide \u00AB 31/04/2025 \u00BB"},
                        {"a two-digit year", "14/03/25 3 9 17 22 30 5", std::nullopt,
                         "date invalide \u00AB 14/03/25 \u00BB"},
                        {"month 13", "14/13/2025 3 9 17 22 30 5", std::nullopt,
                         "date invalide \u00AB 14/13/2025 \u00BB"},
                        {"commas and semicolons between the numbers", "3,9, 17;22 ,30,5",
                         Undated({3, 9, 17, 22, 30}, 5), ""},
                        {"a word among the numbers", "3 9 17 22 thirty 5", std::nullopt,
                         "\u00AB thirty \u00BB n'est pas un nombre"},
                        {"a bell byte", "3 9 17 22 30 5\a", std::nullopt, "octet inattendu 0x07"},
                    });
}

TEST(ReadDrawText, EveryGoodLineOfAFileWithBadOnesIsKept) {
    // Lines 3 to 8 are refused, lines 2 and 9 kept.
    const DrawFileReading reading =
        ReadDrawFile(kFixtures + "operator-download-with-bad-lines.csv");
    ASSERT_EQ(reading.problem, DrawFileProblem::None);
    EXPECT_EQ(reading.layout, DrawFileLayout::Operator);
    EXPECT_EQ(reading.draws, (std::vector<StoredDraw>{Dated(14, 3, 2025, {3, 9, 17, 22, 30}, 5),
                                                      Dated(1, 3, 2025, {8, 16, 24, 32, 39}, 3)}));
    std::vector<int> lines;
    for (const RefusedDrawLine& refused : reading.refused)
        lines.push_back(refused.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 6, 7, 8}));

    const DrawFileReading plain = ReadDrawText("# a comment\n"
                                               "14/03/2025 3 9 17 22 30 5\n"
                                               "\n"
                                               "3 9 17 22 40 5\n"
                                               "8 20 29 35 37 6");
    EXPECT_EQ(plain.layout, DrawFileLayout::Plain);
    EXPECT_EQ(plain.draws, (std::vector<StoredDraw>{Dated(14, 3, 2025, {3, 9, 17, 22, 30}, 5),
                                                    Undated({8, 20, 29, 35, 37}, 6)}));
    EXPECT_EQ(plain.refused,
              (std::vector<RefusedDrawLine>{{4, "le num\u00E9ro 40 n'est pas entre 1 et 39"}}));
}

TEST(ReadDrawFile, ReadsTheSamplesOfBothLayouts) {
    const DrawFileReading download = ReadDrawFile(kFixtures + "operator-download.csv");
    EXPECT_EQ(download.problem, DrawFileProblem::None);
    EXPECT_EQ(download.layout, DrawFileLayout::Operator);
    EXPECT_TRUE(download.refused.empty());
    ASSERT_EQ(download.draws.size(), 6u);
    EXPECT_EQ(download.draws.front(), Dated(14, 3, 2025, {3, 9, 17, 22, 30}, 5));
    EXPECT_EQ(download.draws.back(), Dated(5, 3, 2025, {2, 10, 18, 23, 34}, 11));

    const DrawFileReading plain = ReadDrawFile(kFixtures + "plain-draws.txt");
    EXPECT_EQ(plain.problem, DrawFileProblem::None);
    EXPECT_TRUE(plain.refused.empty());
    EXPECT_EQ(plain.draws, (std::vector<StoredDraw>{Dated(14, 3, 2025, {3, 9, 17, 22, 30}, 5),
                                                    Dated(12, 3, 2025, {2, 7, 11, 25, 38}, 14),
                                                    Undated({8, 20, 29, 35, 37}, 6)}));
}

TEST(ReadDrawText, TheOperatorsColumnsAreFoundByTheirNames) {
    // Columns moved and one added: the numbers still come from the columns named for them.
    const DrawFileReading reading =
        ReadDrawText("\xEF\xBB\xBF"
                     "DrawNumber,Thunderball,Ball 5,Ball 4,Ball 3,Ball 2,Ball 1,DrawDate,Extra\r\n"
                     "3547,3,28,13,6,4,16,28-Aug-2024,x\r\n");
    ASSERT_EQ(reading.problem, DrawFileProblem::None);
    EXPECT_EQ(reading.draws, (std::vector<StoredDraw>{Dated(28, 8, 2024, {4, 6, 13, 16, 28}, 3)}));
}

TEST(ReadDrawText, AFileThatIsNoDrawFileGivesNothing) {
    const struct {
        const char* what;
        std::string text;
        DrawFileProblem problem;
    } cases[] = {
        {"prose", "Dear player,\nthe draw is on Friday.\n", DrawFileProblem::NotDrawFile},
        {"a game file", "\x03GRI\0\0\0\x01\0\0\0\x02"s, DrawFileProblem::NotDrawFile},
        {"binary bytes with a line starting with a number", "\x89PNG\r\n7 \0\0\x1A\n"s,
         DrawFileProblem::NotDrawFile},
        {"the operator's download for Lotto",
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,Raffles,"
         "DrawNumber\n15-Mar-2025,4,17,23,31,40,52,9,7,Arthur,ABCD1234,3050\n",
         DrawFileProblem::OtherGame},
        {"the operator's download for a game of four balls",
         "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Thunderball\n", DrawFileProblem::OtherGame},
        {"nothing at all", "", DrawFileProblem::Empty},
        {"blank lines", "\n  \r\n\t\n", DrawFileProblem::Empty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DrawFileReading reading = ReadDrawText(c.text);
        EXPECT_EQ(reading.problem, c.problem);
        EXPECT_TRUE(reading.draws.empty());
        EXPECT_TRUE(reading.refused.empty());
    }
    // Lines that start like draws are a draw file whose lines are all refused, each with why.
    const DrawFileReading allBad = ReadDrawText("1 2 3\n40 41 42 43 44 1\n");
    EXPECT_EQ(allBad.problem, DrawFileProblem::None);
    EXPECT_EQ(allBad.refused.size(), 2u);
}

TEST(ReadDrawFile, WhatCannotBeReadOrIsTooLargeGivesNothing) {
    test::TempFolder folder;
    EXPECT_EQ(ReadDrawFile(folder.file("missing.csv")).problem, DrawFileProblem::Unreadable);
    EXPECT_EQ(ReadDrawFile(folder.path()).problem, DrawFileProblem::Unreadable);
    for (const test::SpecialFile& special : test::SpecialFiles()) {
        SCOPED_TRACE(special.what);
        const std::string path = folder.file(std::string("special-") + special.what);
        special.make(path);
        EXPECT_EQ(ReadDrawFile(path).problem, DrawFileProblem::Unreadable);
    }

    // Good lines all through, past the limit: refused whole rather than cut somewhere.
    const std::string line = "14/03/2025 3 9 17 22 30 5\n";
    const std::string big = folder.file("big.txt");
    {
        std::ofstream out(big, std::ios::binary);
        for (std::size_t written = 0; written <= kMostDrawFileBytes; written += line.size())
            out << line;
    }
    EXPECT_EQ(ReadDrawFile(big).problem, DrawFileProblem::TooLarge);
}

// A disk that fails past the lines already read: no draw of the file counts, not the first ones.
TEST(ReadDrawFile, AFileWhoseReadFailsPartWayGivesNothing) {
    test::TempFolder folder;
    std::ofstream(folder.file("draws.txt")) << "14/03/2025 3 9 17 22 30 5\n"
                                               "15/03/2025 4 9 17 22 30 5\n";
    // The first read asks for the whole file and one byte more; the read for that byte fails.
    const std::optional<std::string> report = test::ReportWithReadsFailingPartWay(2, [&] {
        const DrawFileReading reading = ReadDrawFile(folder.file("draws.txt"));
        return std::to_string(static_cast<int>(reading.problem)) + " " +
               std::to_string(reading.draws.size());
    });
    if (!report)
        GTEST_SKIP() << "no system call filter here";
    EXPECT_EQ(*report, std::to_string(static_cast<int>(DrawFileProblem::Unreadable)) + " 0");
}

} // namespace
} // namespace orvane
