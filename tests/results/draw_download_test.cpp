// "Download the latest draws" in the history window, against a web server of the test's own on
// 127.0.0.1: the file that comes is imported as the same bytes imported from a file would be, and
// each way a download can fail says why in French and adds nothing.

#include "results/draw_download.h"
#include "results/draw_history_window.h"
#include "support/loopback_web_server.h"
#include "support/program_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <fstream>

namespace orvane::test {
namespace {

using Texts = std::vector<std::string>;
using Scheme = LoopbackWebServer::Scheme;

const std::string kFixtures = ORVANE_RESULTS_FIXTURES;

QByteArray FixtureBytes(const char* name) {
    QFile file(QString::fromStdString(kFixtures + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the window shows of its draws and of the last import.
struct Shown {
    std::string report;
    Texts refused;
    Texts rows;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.report << " / " << shown.refused.size() << " refused / " << shown.rows.size()
         << " rows";
}

class DrawDownloadTest : public ProgramFixture {
  protected:
    void SetUp() override {
        // Loopback is never sent to a proxy the environment may name.
        qputenv("no_proxy", "127.0.0.1,localhost");
        qputenv("NO_PROXY", "127.0.0.1,localhost");
        startProgram();
        main().show();
    }
    void TearDown() override {
        qunsetenv("ORVANE_DRAWS_URL");
        ProgramFixture::TearDown();
    }

    DrawHistoryWindow& window() { return *windows().drawHistory; }
    void press(const char* button) {
        QTest::mouseClick(window().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    template <typename T> T* child(const char* name) {
        return window().findChild<T*>(QLatin1String(name));
    }
    void openWindow(std::function<void()> inside) {
        EXPECT_TRUE(VisitModal(
            [this] { main().findChild<QAction*>(QStringLiteral("mHistorique1"))->trigger(); },
            [this](QWidget& modal) { return &modal == &window(); }, [&](QWidget&) { inside(); },
            Pressing("BitBtn1")));
    }
    // Presses the button with ORVANE_DRAWS_URL at `address` and waits until the download ends.
    void download(const QString& address) {
        qputenv("ORVANE_DRAWS_URL", address.toUtf8());
        press("bdownload");
        QTRY_VERIFY_WITH_TIMEOUT(!window().download().running(), 20'000);
        EXPECT_FALSE(child<QProgressBar>("pdownload")->isVisible());
        EXPECT_FALSE(child<QPushButton>("bcanceldownload")->isVisible());
        EXPECT_TRUE(child<QPushButton>("bdownload")->isEnabled());
    }
    Shown shown() {
        Shown s;
        s.report = child<QLabel>("lreport")->text().toStdString();
        auto* list = child<QListWidget>("limport");
        for (int i = 0; i < list->count(); ++i)
            s.refused.push_back(list->item(i)->text().toStdString());
        QAbstractItemModel* rows = child<QTableView>("tdraws")->model();
        for (int r = 0; r < rows->rowCount(); ++r)
            s.rows.push_back(rows->index(r, 0).data().toString().toStdString() + " " +
                             rows->index(r, 1).data().toString().toStdString() + " " +
                             rows->index(r, 2).data().toString().toStdString());
        return s;
    }
    // The same window, over a fresh database in `dataFolder`, importing `bytes` from a file.
    Shown importedFromFile(const QByteArray& bytes, const std::string& dataFolder) {
        program.reset();
        session.dataFolder = dataFolder;
        startProgram();
        main().show();
        const std::string path = folder() + "draws.csv";
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
        Shown s;
        openWindow([&] {
            openPath.answer = path;
            press("bimport");
            s = shown();
        });
        return s;
    }
};

// The operator's file with a line the import refuses, served over HTTP and over HTTPS.
TEST_F(DrawDownloadTest, ImportsTheFileThatCameAsTheSameBytesImportedFromAFile) {
    const QByteArray body = FixtureBytes("operator-download-with-bad-lines.csv");
    ASSERT_FALSE(body.isEmpty());
    for (const Scheme scheme : {Scheme::Http, Scheme::Https}) {
        SCOPED_TRACE(scheme == Scheme::Https ? "https" : "http");
        if (scheme == Scheme::Https) {
            ASSERT_FALSE(LoopbackCertificate().certificate.isNull()) << "openssl made none";
        }
        session.dataFolder = folder() + (scheme == Scheme::Https ? "https/" : "http/");
        program.reset();
        startProgram();
        main().show();
        LoopbackWebServer server(scheme);
        ASSERT_TRUE(server.listening());
        server.answer(HttpResponse(200, "OK", "text/csv", body));
        Shown downloaded;
        openWindow([&] {
            window().download().setExtraTrust({LoopbackCertificate().certificate});
            download(server.address());
            downloaded = shown();
        });
        EXPECT_EQ(server.requests(), 1);
        ASSERT_FALSE(downloaded.rows.empty());
        ASSERT_FALSE(downloaded.refused.empty()) << "the file's bad lines, as from a file";
        EXPECT_EQ(downloaded, importedFromFile(body, session.dataFolder + "from-a-file/"));
    }
}

TEST_F(DrawDownloadTest, NothingIsFetchedUntilThePlayerAsks) {
    LoopbackWebServer server(Scheme::Http);
    server.answer(HttpResponse(200, "OK", "text/csv", FixtureBytes("operator-download.csv")));
    qputenv("ORVANE_DRAWS_URL", server.address().toUtf8());
    openWindow([&] {
        QCoreApplication::processEvents();
        EXPECT_FALSE(window().download().running());
        EXPECT_FALSE(child<QProgressBar>("pdownload")->isVisible());
    });
    EXPECT_EQ(server.requests(), 0);
}

// Each way a download fails: a French message saying why, and no draw added to those kept.
TEST_F(DrawDownloadTest, EachFailureSaysWhyAndAddsNothing) {
    const QByteArray body = FixtureBytes("operator-download.csv");
    const QByteArray page = "<!DOCTYPE html>\n<html><head><title>Results</title></head>"
                            "<body>Draw history</body></html>\n";
    struct Case {
        const char* name;
        Scheme scheme;
        QByteArray response; // empty: the server keeps silent
        const char* said;    // how the report starts
    } cases[] = {
        {"HTTP error 404", Scheme::Http, HttpResponse(404, "Not Found", "text/plain", "gone\n"),
         "Le site des tirages a r\u00E9pondu par une erreur (404 Not Found)"},
        {"HTTP error 503", Scheme::Http,
         HttpResponse(503, "Service Unavailable", "text/plain", "busy\n"),
         "Le site des tirages a r\u00E9pondu par une erreur (503 Service Unavailable)"},
        {"the site's web page", Scheme::Http, HttpResponse(200, "OK", "text/html", page),
         "Le site a envoy\u00E9 une page web au lieu du fichier des tirages"},
        {"a web page called a CSV file", Scheme::Http, HttpResponse(200, "OK", "text/csv", page),
         "Le site a envoy\u00E9 une page web au lieu du fichier des tirages"},
        {"a body cut short", Scheme::Http,
         HttpResponse(200, "OK", "text/csv", body.left(body.size() / 2), body.size()),
         "Le t\u00E9l\u00E9chargement s'est arr\u00EAt\u00E9 avant la fin du fichier"},
        {"a certificate nobody trusts", Scheme::Https, HttpResponse(200, "OK", "text/csv", body),
         "La connexion s\u00E9curis\u00E9e au site des tirages a \u00E9chou\u00E9"},
        {"silence", Scheme::Http, {}, "Le site des tirages ne r\u00E9pond pas"},
    };
    if (LoopbackCertificate().certificate.isNull())
        GTEST_FAIL() << "openssl made no certificate";
    const std::string nothing = " : aucun tirage ajout\u00E9";
    openWindow([&] {
        // A draw kept before, which every failure leaves alone.
        const std::string kept = folder() + "kept.txt";
        std::ofstream(kept) << "14/03/2025 3 9 17 22 30 5\n";
        openPath.answer = kept;
        press("bimport");
        const Texts before = shown().rows;
        ASSERT_EQ(before.size(), 1u);

        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            LoopbackWebServer server(c.scheme);
            ASSERT_TRUE(server.listening());
            if (c.response.isEmpty())
                server.keepSilent();
            else
                server.answer(c.response);
            window().download().setSilenceLimit(c.response.isEmpty() ? 300 : 20'000);
            download(server.address());
            const Shown after = shown();
            EXPECT_EQ(after.report.rfind(c.said, 0), 0u) << after.report;
            EXPECT_EQ(after.report.substr(after.report.size() - nothing.size()), nothing);
            EXPECT_EQ(after.rows, before);
            EXPECT_EQ(server.requests(), c.scheme == Scheme::Https && c.response.size() ? 0 : 1)
                << "a refused certificate stops the request before it is sent";
        }

        SCOPED_TRACE("no connection");
        download(AddressNobodyListensOn());
        EXPECT_EQ(shown().report.rfind("Pas de connexion au site des tirages (127.0.0.1", 0), 0u)
            << shown().report;
        EXPECT_EQ(shown().rows, before);
    });
}

// The window goes on while the site is silent; Cancel stops the download and adds nothing.
TEST_F(DrawDownloadTest, CancelStopsADownloadThatRunsWithoutBlockingTheWindow) {
    LoopbackWebServer server(Scheme::Http);
    server.keepSilent();
    openWindow([&] {
        qputenv("ORVANE_DRAWS_URL", server.address().toUtf8());
        press("bdownload");
        QTRY_COMPARE(server.requests(), 1);
        EXPECT_TRUE(window().download().running());
        EXPECT_TRUE(child<QProgressBar>("pdownload")->isVisible());
        EXPECT_FALSE(child<QPushButton>("bdownload")->isEnabled());
        press("bcanceldownload");
        QTRY_VERIFY(!window().download().running());
        EXPECT_EQ(shown().report,
                  "T\u00E9l\u00E9chargement annul\u00E9 : aucun tirage ajout\u00E9");
        EXPECT_TRUE(shown().rows.empty());
        EXPECT_FALSE(child<QProgressBar>("pdownload")->isVisible());
    });
}

} // namespace
} // namespace orvane::test
