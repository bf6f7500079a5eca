#pragma once
// A test printing through Qt's CUPS backend to a PDF queue of a private scheduler of its own,
// and reading back the pages that queue wrote.

#include "app/session.h"
#include "output/qt_print_canvas.h"
#include "support/printed_pages.h"
#include "support/private_cups_scheduler.h"
#include "tests/doubles/scripted_prompts.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace orvane::test {

class RealPrinterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!scheduler.start())
            GTEST_SKIP() << "the private CUPS scheduler cannot start here: "
                         << scheduler.failure().toStdString();
    }

    void addTicketPrinter() {
        ASSERT_TRUE(scheduler.addDefaultPdfPrinter(QStringLiteral("Tickets"),
                                                   QStringLiteral("printed.pdf")))
            << scheduler.failure().toStdString();
    }

    // Waits for the scheduler to hand the job to the file and returns the printed pages.
    std::vector<QImage> printedPages() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return scheduler.allJobsDone(); }, 60000))
            << "the job never finished\n"
            << scheduler.log().toStdString();
        return RasterizePdf(scheduler.path(QStringLiteral("printed.pdf")));
    }

    QtPrintCanvas canvas;
    Session session;
    ScriptedPrompts prompts;
    PrivateCupsScheduler scheduler{g_schedulerFolder};
};

} // namespace orvane::test
