#include "output/print_failure.h"
#include "output/printer_trouble.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(PrintFailureTest, EachTroubleHasItsOwnWords) {
    const std::pair<std::string, std::string> cases[] = {
        {PrintServiceUnreachable(),
         "The print service (CUPS) cannot be reached: start it, for example with the command "
         "\"sudo systemctl start cups\", and print again."},
        {NoDefaultPrinter({"Labels", "Tickets"}),
         "None of the installed printers (\"Labels\", \"Tickets\") is the default printer: choose "
         "one, for example with the command \"lpoptions -d Labels\", and print again."},
        {NoPrinterInstalled(),
         "No printer is installed on this computer: install one and choose it as the default "
         "printer."},
        {PrinterUnusable("Tickets"), "The printer \"Tickets\" cannot be used."},
        {QueueRefusesJobs("Tickets"),
         "The printer \"Tickets\" does not accept jobs at the moment."},
        {QueuePaused("Tickets"),
         "The printer \"Tickets\" is paused: what was sent to it waits in its queue and prints "
         "only once the printer is resumed, for example with the command \"cupsenable "
         "Tickets\"."},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(text, expected);
}

TEST(PrintFailureTest, SaysWhatDidNotPrint) {
    const struct {
        BoardsPrinted printed;
        const char* text;
    } cases[] = {{{}, "Nothing was printed. Out of paper."},
                 {{4, 3}, "Nothing was printed. Out of paper."},
                 {{4, 9}, "Only boards 4 to 9 were printed. Out of paper."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Prompt failed = PrintingFailedPrompt("Out of paper.", c.printed);
        EXPECT_EQ(failed.text, c.text);
        EXPECT_EQ(failed.caption, "Problem !!");
        EXPECT_EQ(failed.icon, PromptIcon::Exclamation);
        EXPECT_EQ(failed.buttons, PromptButtons::Ok);
    }
    const Prompt waits = PrintingWaitsPrompt(QueuePaused("Tickets"));
    EXPECT_EQ(waits.text, QueuePaused("Tickets"));
    EXPECT_EQ(waits.caption, "Problem !!");
    EXPECT_EQ(waits.icon, PromptIcon::Exclamation);
    EXPECT_EQ(waits.buttons, PromptButtons::Ok);
}

} // namespace
} // namespace orvane::test
