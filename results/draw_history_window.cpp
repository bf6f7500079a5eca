#include "results/draw_history_window.h"

#include "common/open_path_dialog.h"
#include "common/prompts.h"
#include "common/save_path_dialog.h"
#include "common/window_style.h"
#include "playerdata/player_database.h"
#include "prizes/money_text.h"
#include "prizes/stored_prizes.h"
#include "results/draw_download.h"
#include "results/draw_history_charts_window.h"
#include "results/draw_history_import.h"
#include "results/draw_history_model.h"
#include "results/draw_history_store.h"
#include "results/draw_history_texts.h"
#include "wheels/board_run.h"
#include "wheels/wheel_catalogue.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>

namespace orvane {

namespace {

// A page of controls; the window may be made as small as kSmallestSize, the page then scrolls.
constexpr QSize kSmallestSize(320, 240);
constexpr QSize kClientSize(760, 642);

// The draws' table: the date, the main numbers, the Thunderball, a column a prize rank, the
// money won.
constexpr int kDrawColumnWidths[DrawHistoryModel::ColumnCount] = {80, 112, 30, 46, 46, 46, 46,
                                                                  46, 46,  46, 46, 46, 84};
constexpr int kDrawRowHeight = 18;

// The totals' table: a row of headings, a row a prize rank, then the whole; in each the winning
// lines and the money paid.
constexpr int kTotalsRows = 1 + kPaidRankCount + 1;
constexpr int kAllRow = kTotalsRows - 1;
constexpr int kLinesColumn = 1;
constexpr int kPaidColumn = 2;
constexpr int kTotalsColumnWidths[] = {64, 96, 124};
constexpr int kTotalsRowHeight = 17;

constexpr std::size_t kMostRefusalsShown = 500;

const char* const kRankNames[kPaidRankCount] = {"5 + T", "5",     "4 + T", "4",    "3 + T",
                                                "3",     "2 + T", "1 + T", "0 + T"};

const QColor kHeadingColor(224, 224, 224);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// 3000 -> "3,000".
QString grouped(long long value) {
    QString digits = QString::number(value < 0 ? -value : value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString money(std::int64_t pence) {
    return text(MoneyText(pence));
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    return b;
}

// A cell of the totals to read, not to pick.
QTableWidgetItem* cell(QTableWidget* table, int row, int column) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled);
        item->setTextAlignment(column == 0             ? Qt::AlignLeft | Qt::AlignVCenter
                               : column == kPaidColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                       : Qt::AlignCenter);
        table->setItem(row, column, item);
    }
    return item;
}

void heading(QTableWidget* table, int row, int column, const QString& caption) {
    QTableWidgetItem* item = cell(table, row, column);
    item->setText(caption);
    item->setBackground(kHeadingColor);
    item->setFont(WindowFont(true));
}

} // namespace

DrawHistoryWindow::DrawHistoryWindow(SystemBoards boards, DrawHistoryStore& store,
                                     PrizeStore& prizes, Prompts& prompts, OpenPathDialog& openPath,
                                     SavePathDialog& savePath, QWidget* parent)
    : QDialog(parent), m_boards(boards), m_store(store), m_prizes(prizes), m_prompts(prompts),
      m_openPath(openPath), m_savePath(savePath) {
    setObjectName(QStringLiteral("DrawHistory"));
    FrameDialog(this, {.title = QStringLiteral("Draw history"),
                       .sizing = DialogSizing::Resizable,
                       .size = kClientSize,
                       .smallest = kSmallestSize,
                       .bold = true});
    buildControls();
}

void DrawHistoryWindow::buildControls() {
    // The controls lie on a page of the designed size, which scrolls in a window made smaller,
    // down to a laptop's screen at a large scale.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    page->setFixedSize(kClientSize);
    m_stored = PlaceTextBlock(page, "lstored", QRect(8, 6, 744, 16), true);

    m_model = new DrawHistoryModel(this);
    m_table = new QTableView(page);
    m_table->setObjectName(QStringLiteral("tdraws"));
    m_table->setFont(WindowFont(false));
    m_table->setModel(m_model);
    m_table->setGeometry(8, 26, 744, 240);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrow keys walk the draws; Tab goes on to the buttons.
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->verticalHeader()->hide();
    // Fixed sizes: the view never measures the thousands of rows it is not showing.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(kDrawRowHeight);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setFont(WindowFont(true));
    for (int c = 0; c < DrawHistoryModel::ColumnCount; ++c)
        m_table->setColumnWidth(c, kDrawColumnWidths[c]);

    auto* checked = new QGroupBox(QStringLiteral("Every draw checked"), page);
    checked->setObjectName(QStringLiteral("gtotals"));
    checked->setGeometry(8, 272, 744, 216);
    m_totals = new QTableWidget(kTotalsRows, 3, checked);
    m_totals->setObjectName(QStringLiteral("ttotals"));
    m_totals->setFont(WindowFont(false));
    m_totals->horizontalHeader()->hide();
    m_totals->verticalHeader()->hide();
    m_totals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_totals->setSelectionMode(QAbstractItemView::NoSelection);
    m_totals->setFocusPolicy(Qt::NoFocus);
    m_totals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    heading(m_totals, 0, 0, QStringLiteral("Rank"));
    heading(m_totals, 0, kLinesColumn, QStringLiteral("Winning lines"));
    heading(m_totals, 0, kPaidColumn, QStringLiteral("Paid"));
    for (int r = 0; r < kPaidRankCount; ++r)
        heading(m_totals, 1 + r, 0, QString::fromLatin1(kRankNames[r]));
    heading(m_totals, kAllRow, 0, QStringLiteral("All"));
    for (const int c : {kLinesColumn, kPaidColumn})
        cell(m_totals, kAllRow, c)->setFont(WindowFont(true));
    int width = 0;
    for (int c = 0; c < m_totals->columnCount(); ++c) {
        m_totals->setColumnWidth(c, kTotalsColumnWidths[c]);
        width += kTotalsColumnWidths[c];
    }
    for (int r = 0; r < kTotalsRows; ++r)
        m_totals->setRowHeight(r, kTotalsRowHeight);
    const int frame = 2 * m_totals->frameWidth();
    m_totals->setGeometry(8, 20, width + frame, kTotalsRowHeight * kTotalsRows + frame);

    m_system = PlaceTextBlock(checked, "lsystem", QRect(300, 20, 436, 48));
    m_spent = PlaceTextBlock(checked, "lspent", QRect(300, 72, 436, 32));
    m_won = PlaceTextBlock(checked, "lwon", QRect(300, 110, 436, 16), true);
    m_net = PlaceTextBlock(checked, "lnet", QRect(300, 128, 436, 16), true);
    m_best = PlaceTextBlock(checked, "lbest", QRect(300, 150, 436, 48));

    auto* imported = new QGroupBox(QStringLiteral("Import"), page);
    imported->setObjectName(QStringLiteral("gimport"));
    imported->setGeometry(8, 494, 744, 104);
    m_report = PlaceTextBlock(imported, "lreport", QRect(8, 20, 728, 16));
    m_refused = new QListWidget(imported);
    m_refused->setObjectName(QStringLiteral("limport"));
    m_refused->setFont(WindowFont(false));
    m_refused->setGeometry(8, 38, 728, 58);
    // While a download runs, its progress stands where its report will be.
    m_progress = new QProgressBar(imported);
    m_progress->setObjectName(QStringLiteral("pdownload"));
    m_progress->setFont(WindowFont(false));
    m_progress->setGeometry(8, 16, 620, 20);
    m_progress->hide();
    m_cancel = button(imported, "bcanceldownload", "Cancel", QRect(636, 14, 100, 22));
    m_cancel->setToolTip(QStringLiteral("Stop the download; nothing is added"));
    m_cancel->hide();
    m_download = new DrawDownload(this);
    connect(m_cancel, &QPushButton::clicked, m_download, &DrawDownload::cancel);
    connect(m_download, &DrawDownload::progressed, this, [this](long long got, long long total) {
        m_progress->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0)
            m_progress->setValue(static_cast<int>(got * 1000 / total));
        m_progress->setFormat(text(DownloadProgressText(got, total)));
    });
    connect(m_download, &DrawDownload::finished, this,
            [this](const DownloadOutcome& outcome) { downloadFinished(outcome); });

    auto* import = button(page, "bimport", "Import", QRect(8, 604, 96, 34));
    import->setToolTip(
        QStringLiteral("Add the draws of the operator's download or of a text file"));
    connect(import, &QPushButton::clicked, this, [this] { Import(); });
    auto* check = button(page, "bcheck", "Check every draw", QRect(110, 604, 150, 34));
    check->setToolTip(QStringLiteral("Compare the boards of the chosen system with every draw"));
    connect(check, &QPushButton::clicked, this, [this] { CheckEveryDraw(); });
    auto* exported = button(page, "bexport", "Export draws", QRect(266, 604, 110, 34));
    exported->setToolTip(QStringLiteral("Write every draw kept into a text file"));
    connect(exported, &QPushButton::clicked, this, [this] { ExportDraws(); });
    m_downloadButton =
        button(page, "bdownload", "Download the latest draws", QRect(382, 604, 180, 34));
    m_downloadButton->setToolTip(QStringLiteral("Fetch the operator's draw file and import it"));
    connect(m_downloadButton, &QPushButton::clicked, this, [this] { DownloadLatestDraws(); });
    auto* charts = button(page, "bcharts", "Charts", QRect(568, 604, 58, 34));
    charts->setToolTip(QStringLiteral("Money over time and how the numbers fell, as pictures"));
    connect(charts, &QPushButton::clicked, this, [this] { ShowCharts(); });
    auto* back = button(page, "BitBtn1", "Return", QRect(632, 604, 120, 34));
    back->setToolTip(QStringLiteral("Back to previous window"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    ShowPageScrolling(this, page);
}

void DrawHistoryWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // The selection may have changed since the last opening: nothing checked yet.
        m_report->clear();
        m_refused->clear();
        showDraws();
        showNotices();
    }
    QDialog::showEvent(event);
}

void DrawHistoryWindow::showDraws() {
    m_model->showDraws(m_store.history().draws());
    const std::size_t count = m_model->draws().size();
    m_stored->setText(count == 0   ? QStringLiteral("No draw kept yet: import the operator's "
                                                      "download or a text file of draws")
                      : count == 1 ? QStringLiteral("1 draw kept")
                                   : QStringLiteral("%1 draws kept, newest first")
                                         .arg(grouped(static_cast<long long>(count))));
    showTotals();
}

void DrawHistoryWindow::hideEvent(QHideEvent* event) {
    // A download is the window's business: closed, it asks for nothing more.
    m_download->cancel();
    QDialog::hideEvent(event);
}

void DrawHistoryWindow::Import() {
    const std::optional<std::string> path =
        m_openPath.askFileToRead("Import draws", "Draw files (*.csv *.txt)");
    if (!path)
        return;
    importReading(ReadDrawFile(*path));
}

void DrawHistoryWindow::DownloadLatestDraws() {
    if (m_download->running())
        return;
    m_refused->clear();
    m_report->clear();
    m_progress->setRange(0, 0);
    m_progress->setFormat(text(DownloadProgressText(0, -1)));
    m_progress->show();
    m_cancel->show();
    m_downloadButton->setEnabled(false);
    m_download->start(QUrl(QString::fromStdString(DrawDownloadAddress())));
}

void DrawHistoryWindow::downloadFinished(const DownloadOutcome& outcome) {
    m_progress->hide();
    m_cancel->hide();
    m_downloadButton->setEnabled(true);
    if (outcome.failure != DownloadFailure::None) {
        m_refused->clear();
        m_report->setText(text(DownloadFailureText(outcome)));
        return;
    }
    importReading(ReadDrawText(outcome.bytes));
}

void DrawHistoryWindow::importReading(const DrawFileReading& reading) {
    DrawHistoryStore::Added added;
    if (reading.problem == DrawFileProblem::None) {
        added = m_store.add(reading.draws);
        if (!added.saved)
            m_prompts.ask(SaveFailedPrompt());
    }
    showDraws();
    m_report->setText(text(ImportSummaryText(reading, added.counts)));
    m_refused->clear();
    for (const std::string& notice : m_store.takeNotices())
        m_refused->addItem(text(notice));
    if (reading.problem == DrawFileProblem::None && !added.saved)
        m_refused->addItem(text(DatabaseProblemText(added.problem, kPlayerDatabaseFileName)));
    // A file of thousands of bad lines would fill the list for nothing: the first lines say why.
    const std::size_t shown = std::min(reading.refused.size(), kMostRefusalsShown);
    for (std::size_t i = 0; i < shown; ++i)
        m_refused->addItem(text(RefusedLineText(reading.refused[i])));
    if (shown < reading.refused.size())
        m_refused->addItem(text(MoreRefusedText(static_cast<int>(reading.refused.size() - shown))));
}

void DrawHistoryWindow::CheckEveryDraw() {
    if (!SelectionCheck(m_boards.grid, m_boards.list, ThunderballRule::ExactlyOne)) {
        m_prompts.ask(IncorrectSelectionPrompt());
        return;
    }
    m_boards.run.RebuildPlayOrder(m_boards.grid);
    const std::vector<StoredDraw>& draws = m_store.history().draws();
    if (draws.empty()) {
        showTotals();
        m_system->setText(QStringLiteral("No draw kept to check: import draws first."));
        return;
    }
    m_model->showCheck(orvane::CheckEveryDraw(m_boards, draws, m_prizes.table()));
    showTotals();
}

void DrawHistoryWindow::ExportDraws() {
    const DrawHistory& history = m_store.history();
    if (m_store.problem() != DatabaseProblem::None) {
        showNotices();
        return;
    }
    const std::optional<std::string> path =
        m_savePath.askTextPath("Export draws", kDrawHistoryFileName);
    if (!path)
        return;
    m_refused->clear();
    if (!ExportDrawHistory(history, *path)) {
        m_prompts.ask(SaveFailedPrompt());
        m_report->setText(text(ExportFailedText(*path)));
        return;
    }
    m_report->setText(text(ExportedText(static_cast<int>(history.draws().size()), *path)));
}

void DrawHistoryWindow::showNotices() {
    std::vector<std::string> notices = m_store.takeNotices();
    if (m_store.problem() != DatabaseProblem::None)
        notices.push_back(DatabaseProblemText(m_store.problem(), kPlayerDatabaseFileName));
    if (notices.empty())
        return;
    m_report->setText(text(notices.front()));
    for (const std::string& notice : notices)
        m_refused->addItem(text(notice));
}

void DrawHistoryWindow::showTotals() {
    const std::optional<HistoryCheck>& check = m_model->check();
    if (DrawHistoryChartsWindow* charts = m_charts.ifMade())
        charts->showHistory(m_model->draws(), check);
    for (int r = 1; r < kTotalsRows; ++r) {
        cell(m_totals, r, kLinesColumn)->setText(QString());
        cell(m_totals, r, kPaidColumn)->setText(QString());
    }
    if (!check) {
        m_system->setText(QStringLiteral("Check every draw compares the boards of the chosen "
                                         "system with every draw kept."));
        for (QLabel* label : {m_spent, m_won, m_net, m_best})
            label->clear();
        return;
    }
    int lines = 0;
    for (int r = 0; r < kPaidRankCount; ++r) {
        const auto rank = static_cast<PrizeRank>(r);
        lines += check->counts[rank];
        cell(m_totals, 1 + r, kLinesColumn)->setText(grouped(check->counts[rank]));
        cell(m_totals, 1 + r, kPaidColumn)->setText(money(check->wonPerRank[RankIndex(rank)]));
    }
    cell(m_totals, kAllRow, kLinesColumn)->setText(grouped(lines));
    cell(m_totals, kAllRow, kPaidColumn)->setText(money(check->won));

    const QString draws = grouped(static_cast<long long>(check->draws.size()));
    m_system->setText(
        QStringLiteral("%1\n%2 boards played in each of %3 draws")
            .arg(text(DescribeSystem(check->system)).simplified(), grouped(check->boards), draws));
    m_spent->setText(QStringLiteral("Spent: %1, %2 lines at %3 in each of %4 draws")
                         .arg(money(check->spent), grouped(check->linesPerDraw),
                              money(check->prizes.pricePerBoard), draws));
    m_won->setText(QStringLiteral("Won: %1").arg(money(check->won)));
    m_net->setText(QStringLiteral("Net: %1").arg(money(check->net())));
    if (check->best) {
        const DrawResult& best = check->draws[*check->best];
        m_best->setText(QStringLiteral("Best draw: %1, which paid %2")
                            .arg(text(StoredDrawText(best.draw)), money(best.won)));
    } else {
        m_best->setText(QStringLiteral("Best draw: none, no draw paid anything"));
    }
}

DrawHistoryChartsWindow* DrawHistoryWindow::makeCharts() {
    auto* charts = new DrawHistoryChartsWindow(m_savePath, m_prompts, this);
    // They picture this window's draws: closed with it.
    connect(this, &QDialog::finished, charts, &QWidget::close);
    return charts;
}

void DrawHistoryWindow::ShowCharts() {
    DrawHistoryChartsWindow* charts = m_charts.get();
    charts->showHistory(m_model->draws(), m_model->check());
    charts->show();
    charts->raise();
}

} // namespace orvane
