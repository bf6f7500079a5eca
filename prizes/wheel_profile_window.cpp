#include "prizes/wheel_profile_window.h"

#include "common/prompts.h"
#include "common/window_style.h"
#include "playerdata/player_database.h"
#include "prizes/money_text.h"
#include "prizes/odds_text.h"
#include "prizes/operator_prizes.h"
#include "prizes/stored_prizes.h"
#include "prizes/wheel_profile_charts_window.h"
#include "prizes/wheel_profile_texts.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <QValidator>

namespace orvane {

namespace {

// A page of controls; the window may be made as small as kSmallestSize, the page then scrolls.
constexpr QSize kSmallestSize(320, 240);
constexpr QSize kClientSize(780, 586);

// The drawn-numbers table: two rows of headings, then one row for each count of drawn main
// numbers among the marked ones, five first.
constexpr int kHeadingRows = 2;
constexpr int kDrawnRowHeight = 19;
// Its columns: the count, its chance, the fewest and most the best board holds, the share of
// cases in which the best board holds 5, 4, 3 and 2, the boards holding 5, 4, 3 and 2.
constexpr int kChanceColumn = 1;
constexpr int kFewestColumn = 2;
constexpr int kMostColumn = 3;
constexpr int kFirstShareColumn = 4;
constexpr int kFirstAverageColumn = 8;
constexpr int kDrawnColumns = 12;
constexpr int kDrawnColumnWidths[kDrawnColumns] = {92, 96, 54, 54, 58, 58, 58, 58, 58, 58, 58, 58};
// Held counts shown in the share and average columns, most first.
constexpr int kHeldShown[] = {5, 4, 3, 2};

// The prize ranks table: a row of headings, then one row per rank.
constexpr int kRankRowHeight = 20;
constexpr int kRankHeadingHeight = 30;
constexpr int kRankColumn = 0;
constexpr int kPrizeColumn = 1;
constexpr int kWinsColumn = 2;
constexpr int kBoardsColumn = 3;
constexpr int kPaidColumn = 4;
constexpr int kRankColumnWidths[] = {66, 104, 112, 136, 106};

const char* const kRankNames[kPaidRankCount] = {"5 + T", "5",     "4 + T", "4",    "3 + T",
                                                "3",     "2 + T", "1 + T", "0 + T"};
// The fields' names: the prize of each rank, in the order of PrizeRank, then the line's price.
const char* const kFieldNames[] = {"eprize5t", "eprize5",  "eprize4t", "eprize4",  "eprize3t",
                                   "eprize3",  "eprize2t", "eprize1t", "eprize0t", "eprice"};

const QColor kHeadingColor(224, 224, 224);
const QColor kGuaranteeColor(255, 255, 160);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Refuses, as it is typed, what can never become an amount in pounds.
class PoundsValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        switch (ClassifyPoundsText(input.toStdString())) {
        case PoundsTyping::Amount:
            return Acceptable;
        case PoundsTyping::Unfinished:
            return Intermediate;
        case PoundsTyping::NotMoney:
            break;
        }
        return Invalid;
    }
};

QTableWidget* figureTable(QWidget* parent, const char* name, int rows, int columns) {
    auto* table = new QTableWidget(rows, columns, parent);
    table->setObjectName(QLatin1String(name));
    table->setFont(WindowFont(false));
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    // The prize fields lie in a table: Tab goes from one to the next and on out of the table.
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setWordWrap(true);
    return table;
}

// A cell to read, not to pick.
QTableWidgetItem* cell(QTableWidget* table, int row, int column) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
    }
    return item;
}

void heading(QTableWidget* table, int row, int column, const QString& caption, int rowSpan = 1,
             int columnSpan = 1) {
    QTableWidgetItem* item = cell(table, row, column);
    item->setText(caption);
    item->setBackground(kHeadingColor);
    QFont bold = WindowFont(true);
    item->setFont(bold);
    if (rowSpan > 1 || columnSpan > 1)
        table->setSpan(row, column, rowSpan, columnSpan);
}

// Sizes `table` to hold its columns and rows exactly, inside its frame; the first row, of
// headings, may be taller.
void fitTable(QTableWidget* table, const int* widths, int rowHeight, int firstRowHeight) {
    int width = 0;
    for (int c = 0; c < table->columnCount(); ++c) {
        table->setColumnWidth(c, widths[c]);
        width += widths[c];
    }
    int height = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        table->setRowHeight(r, r == 0 ? firstRowHeight : rowHeight);
        height += table->rowHeight(r);
    }
    const int frame = 2 * table->frameWidth();
    table->resize(width + frame, height + frame);
}

} // namespace

WheelProfileWindow::WheelProfileWindow(const SelectionGrid& grid, const SystemList& list,
                                       PrizeStore& store, Prompts& prompts,
                                       SavePathDialog& savePath, QWidget* parent)
    : QDialog(parent), m_grid(grid), m_systemList(list), m_store(store), m_prompts(prompts),
      m_savePath(savePath), m_kept(store.table()), m_prizes(m_kept) {
    setObjectName(QStringLiteral("WheelProfile"));
    FrameDialog(this, {.title = QStringLiteral("Wheel profile"),
                       .sizing = DialogSizing::Resizable,
                       .size = kClientSize,
                       .smallest = kSmallestSize,
                       .bold = true});
    buildControls();
}

void WheelProfileWindow::buildControls() {
    // The controls lie on a page of the designed size, which scrolls in a window made smaller,
    // down to a laptop's screen at a large scale.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    page->setFixedSize(kClientSize);
    m_description = PlaceTextBlock(page, "lsystem", QRect(10, 8, 760, 16), true);
    m_thunderballs = PlaceTextBlock(page, "lthunderballs", QRect(10, 26, 760, 16));
    m_guarantee = PlaceTextBlock(page, "lguarantee", QRect(10, 46, 760, 30));

    PlaceTextBlock(page, "lheldcaption", QRect(10, 82, 760, 16), true)
        ->setText(QStringLiteral("What your boards hold, by how many of the five main numbers "
                                 "drawn are among yours"));
    m_drawnTable = figureTable(page, "tdrawn", kHeadingRows + kDrawnMainNumbers + 1, kDrawnColumns);
    m_drawnTable->move(8, 100);
    heading(m_drawnTable, 0, 0, QString(), 2, 1); // names the marked count when shown
    heading(m_drawnTable, 0, kChanceColumn, QStringLiteral("Chance in\none draw"), 2, 1);
    heading(m_drawnTable, 0, kFewestColumn, QStringLiteral("Best board holds"), 1, 2);
    heading(m_drawnTable, 1, kFewestColumn, QStringLiteral("fewest"));
    heading(m_drawnTable, 1, kMostColumn, QStringLiteral("most"));
    heading(m_drawnTable, 0, kFirstShareColumn, QStringLiteral("Cases where the best board holds"),
            1, 4);
    heading(m_drawnTable, 0, kFirstAverageColumn, QStringLiteral("Boards holding, on average"), 1,
            4);
    for (int i = 0; i < 4; ++i) {
        const QString held = QString::number(kHeldShown[i]);
        heading(m_drawnTable, 1, kFirstShareColumn + i, held);
        heading(m_drawnTable, 1, kFirstAverageColumn + i, held);
    }
    fitTable(m_drawnTable, kDrawnColumnWidths, kDrawnRowHeight, kDrawnRowHeight);
    m_guaranteeNote = PlaceTextBlock(page, "lguaranteenote", QRect(10, 258, 760, 16));

    PlaceTextBlock(page, "lrankcaption", QRect(10, 284, 530, 16), true)
        ->setText(QStringLiteral("One draw, prize by prize"));
    // The table and the prize fields over its prize column share a holder: the fields are the
    // holder's, not the table's, so a screen reader finds them as fields of the window.
    auto* ranks = new QWidget(page);
    ranks->setObjectName(QStringLiteral("pranks"));
    ranks->move(8, 302);
    m_rankTable = figureTable(ranks, "tranks", 1 + kPaidRankCount, 5);
    heading(m_rankTable, 0, kRankColumn, QStringLiteral("Rank"));
    heading(m_rankTable, 0, kPrizeColumn, QStringLiteral("Prize (\u00A3)"));
    heading(m_rankTable, 0, kWinsColumn, QStringLiteral("Some board\nwins it"));
    heading(m_rankTable, 0, kBoardsColumn, QStringLiteral("Winning boards,\non average"));
    heading(m_rankTable, 0, kPaidColumn, QStringLiteral("Paid,\non average"));
    for (int r = 0; r < kPaidRankCount; ++r) {
        QTableWidgetItem* name = cell(m_rankTable, 1 + r, kRankColumn);
        name->setText(QLatin1String(kRankNames[r]));
        name->setFont(WindowFont(true));
    }
    fitTable(m_rankTable, kRankColumnWidths, kRankRowHeight, kRankHeadingHeight);
    ranks->resize(m_rankTable->size());

    for (std::size_t f = 0; f < kFieldCount; ++f) {
        auto* field = new QLineEdit(ranks);
        field->setObjectName(QLatin1String(kFieldNames[f]));
        field->setFont(WindowFont(false));
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setValidator(new PoundsValidator(field));
        field->setMaxLength(16);
        connect(field, &QLineEdit::textEdited, this,
                [this, f](const QString& typed) { amountTyped(f, typed); });
        connect(field, &QLineEdit::inputRejected, this, [this, f] { amountRefused(f); });
        m_fields[f] = field;
        if (f < kLineField) {
            // Over the rank's prize cell, exactly where the table would put an editor of its own.
            const int row = 1 + static_cast<int>(f);
            const int frame = m_rankTable->frameWidth();
            field->setGeometry(frame + m_rankTable->columnViewportPosition(kPrizeColumn),
                               frame + m_rankTable->rowViewportPosition(row),
                               m_rankTable->columnWidth(kPrizeColumn), m_rankTable->rowHeight(row));
            field->setAccessibleName(
                QStringLiteral("Prize for %1 (\u00A3)").arg(QLatin1String(kRankNames[f])));
        }
    }

    m_anyPrize = PlaceTextBlock(page, "lanyprize", QRect(10, 516, 530, 16), true);
    PlaceTextBlock(page, "lthunderballalone", QRect(10, 536, 530, 30))
        ->setText(QStringLiteral("0 + T, the Thunderball alone, is paid as the operator pays it; "
                                 "the comparison with a draw has no counter for it, and the chance "
                                 "of some prize above leaves it out."));

    auto* draw = new QGroupBox(QStringLiteral("One draw, on average"), page);
    draw->setObjectName(QStringLiteral("gdraw"));
    draw->setGeometry(556, 296, 214, 226);
    QLabel* price =
        PlaceLabel(draw, "lprice", QStringLiteral("Price of a line (\u00A3)"), QPoint(10, 26));
    price->setFont(WindowFont(false));
    // The field is read out by its own caption, not by the group's title.
    price->setBuddy(m_fields[kLineField]);
    m_fields[kLineField]->setParent(draw);
    m_fields[kLineField]->setGeometry(124, 22, 80, 22);
    m_fields[kLineField]->show();
    m_hint = PlaceTextBlock(draw, "lhint", QRect(10, 48, 196, 30));
    m_hint->setText(QStringLiteral("Enter an amount in pounds, like 5 or 10.50"));
    QPalette red = m_hint->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_hint->setPalette(red);
    m_hint->hide();
    // Each figure under its caption; the cost may take two lines (thousands of lines at a high
    // price).
    const auto figure = [draw](const char* captionName, const char* caption, const char* name,
                               int y, int height, bool bold) {
        PlaceLabel(draw, captionName, QLatin1String(caption), QPoint(10, y));
        return PlaceTextBlock(draw, name, QRect(10, y + 16, 196, height), bold);
    };
    m_cost = figure("lcostcaption", "Cost", "lcost", 80, 30, false);
    m_prizeMoney = figure("lprizecaption", "Prize money", "lprizemoney", 126, 16, false);
    m_net = figure("lnetcaption", "Net", "lnet", 162, 16, true);
    m_back = PlaceTextBlock(draw, "lback", QRect(10, 196, 196, 26));

    auto* save = new QPushButton(QStringLiteral("Save prizes"), page);
    save->setObjectName(QStringLiteral("bsaveprizes"));
    save->setGeometry(556, 528, 104, 24);
    save->setToolTip(QStringLiteral("Keep these prizes and this price for the next start"));
    connect(save, &QPushButton::clicked, this, [this] { SavePrizes(); });
    auto* operatorPrizes = new QPushButton(QStringLiteral("Operator's prizes"), page);
    operatorPrizes->setObjectName(QStringLiteral("boperatorprizes"));
    operatorPrizes->setGeometry(666, 528, 104, 24);
    operatorPrizes->setToolTip(QStringLiteral("Put back the prizes and price the operator "
                                              "publishes"));
    connect(operatorPrizes, &QPushButton::clicked, this, [this] { OperatorPrizes(); });
    auto* charts = new QPushButton(QStringLiteral("Charts"), page);
    charts->setObjectName(QStringLiteral("bcharts"));
    charts->setGeometry(556, 556, 104, 24);
    charts->setToolTip(QStringLiteral("The same figures as pictures, in a window beside this one"));
    connect(charts, &QPushButton::clicked, this, [this] { ShowCharts(); });
    m_return = new QPushButton(QStringLiteral("Return"), page);
    m_return->setObjectName(QStringLiteral("BitBtn1"));
    m_return->setGeometry(666, 556, 104, 24);
    m_return->setToolTip(QStringLiteral("Back to previous window"));
    connect(m_return, &QPushButton::clicked, this, &QDialog::accept);
    // Enter in a field finishes the amount; it neither saves nor closes.
    for (QPushButton* button : {save, operatorPrizes, charts, m_return})
        button->setAutoDefault(false);

    ShowPageScrolling(this, page);
}

void WheelProfileWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // The amounts as kept now, another copy's saves included, but for those the player
        // changed; a text left unfinished last time is gone.
        readKeptPrizes();
        showPrizeFields();
        showProfile();
        // The window opens to be read: no field is selected for typing over.
        m_return->setFocus();
    }
    QDialog::showEvent(event);
}

void WheelProfileWindow::showProfile() {
    const int index = CurrentSystemIndex(m_systemList);
    if (!IsSystemIndex(index) || !HasCompleteTable(index))
        return;
    m_profile = ProfileOfSystem(index);
    m_odds = OddsOfOneDraw(m_profile, ThunderballsCarried(m_grid));
    const WheelParameters& w = m_profile.system;
    m_lines = w.boardCount * LinesPerBoard(m_grid);

    m_description->setText(text(DescribeSystem(index)));
    m_thunderballs->setText(text(ThunderballLinesText(m_grid, w.boardCount)));
    m_guarantee->setText(text(GuaranteeText(m_profile)));

    cell(m_drawnTable, 0, 0)->setText(QStringLiteral("Drawn among\nyour %1").arg(w.numberCount));
    const int promised = m_profile.guarantee.promise.m;
    for (int j = kDrawnMainNumbers; j >= 0; --j) {
        const DrawnAmongMarked& d = m_profile.byDrawn[static_cast<std::size_t>(j)];
        const int row = kHeadingRows + kDrawnMainNumbers - j;
        const auto put = [&](int column, const std::string& s) {
            QTableWidgetItem* item = cell(m_drawnTable, row, column);
            item->setText(text(s));
            item->setBackground(j == promised ? QBrush(kGuaranteeColor) : QBrush());
            item->setFont(WindowFont(j == promised));
        };
        put(0, std::to_string(j));
        put(kChanceColumn, OneIn(d.chance()));
        put(kFewestColumn, std::to_string(d.fewestBest));
        put(kMostColumn, std::to_string(d.mostBest));
        for (int i = 0; i < 4; ++i) {
            put(kFirstShareColumn + i, SharePercent(d.shareBestHolds(kHeldShown[i])));
            put(kFirstAverageColumn + i, AverageText(d.averageBoardsHolding(kHeldShown[i])));
        }
    }
    m_guaranteeNote->setText(
        QStringLiteral("Highlighted: the guarantee's row. Below it, draws the guarantee promises "
                       "nothing for: what your boards still hold there."));

    for (const PrizeRank rank : kPaidRanks) {
        const int row = 1 + static_cast<int>(RankIndex(rank));
        cell(m_rankTable, row, kWinsColumn)->setText(text(OneIn(m_odds.chanceWon(rank))));
        cell(m_rankTable, row, kBoardsColumn)
            ->setText(text(AverageText(m_odds.expectedBoardsWon(rank))));
    }
    m_anyPrize->setText(
        QStringLiteral("Some board wins a prize: %1").arg(text(OneIn(m_odds.chanceWonAnything()))));
    if (WheelProfileChartsWindow* charts = m_charts.ifMade())
        charts->showProfile(m_profile, m_odds);
    showReturn();
}

void WheelProfileWindow::showReturn() {
    for (const PrizeRank rank : kPaidRanks) {
        const double paid =
            m_odds.expectedBoardsWon(rank) * static_cast<double>(m_prizes.amount(rank));
        cell(m_rankTable, 1 + static_cast<int>(RankIndex(rank)), kPaidColumn)
            ->setText(text(MoneyText(paid)));
    }
    const DrawReturn played = ReturnOfOneDraw(m_odds, m_prizes, m_lines);
    m_cost->setText(text(CostText(m_lines, m_prizes.pricePerBoard)));
    m_prizeMoney->setText(text(MoneyText(played.expectedPrize)));
    m_net->setText(text(MoneyText(played.expectedNet())));
    m_back->setText(text(ReturnPerPoundText(played.expectedPrize, played.cost)));
}

void WheelProfileWindow::showPrizeCell(std::size_t field) {
    // The cell under the field, as a screen reader walking the table reads it.
    if (field < kLineField)
        cell(m_rankTable, 1 + static_cast<int>(field), kPrizeColumn)
            ->setData(Qt::AccessibleTextRole, text(MoneyText(amountOf(field))));
}

void WheelProfileWindow::showPrizeFields() {
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        m_fields[f]->setText(text(PoundsFieldText(amountOf(f))));
        showPrizeCell(f);
    }
    m_refusedField = kFieldCount;
    showHint();
}

std::int64_t& WheelProfileWindow::amountOf(std::size_t field) {
    return field == kLineField ? m_prizes.pricePerBoard : m_prizes.amounts[field];
}

void WheelProfileWindow::amountTyped(std::size_t field, const QString& typed) {
    if (m_refusedField == field)
        m_refusedField = kFieldCount;
    // A text on its way to an amount changes nothing yet: the last amount stands until then.
    if (const std::optional<std::int64_t> pence = PenceOfPoundsText(typed.toStdString())) {
        amountOf(field) = *pence;
        showPrizeCell(field);
        showReturn();
    }
    showHint();
}

void WheelProfileWindow::amountRefused(std::size_t field) {
    m_refusedField = field;
    showHint();
}

void WheelProfileWindow::showHint() {
    bool anyUnfinished = false;
    for (QLineEdit* field : m_fields) {
        const bool amount = field->hasAcceptableInput();
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, amount ? Qt::black : QColor(200, 0, 0));
        field->setPalette(palette);
        anyUnfinished = anyUnfinished || !amount;
    }
    m_hint->setVisible(anyUnfinished || m_refusedField < kFieldCount);
}

void WheelProfileWindow::readKeptPrizes() {
    const PrizeTable kept = m_store.table();
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        std::int64_t& shown = amountOf(f);
        const std::int64_t before = f == kLineField ? m_kept.pricePerBoard : m_kept.amounts[f];
        if (shown == before)
            shown = f == kLineField ? kept.pricePerBoard : kept.amounts[f];
    }
    m_kept = kept;
    std::vector<std::string> notices = m_store.takeNotices();
    if (m_store.problem() != DatabaseProblem::None)
        notices.push_back(DatabaseProblemText(m_store.problem(), kPlayerDatabaseFileName));
    if (notices.empty())
        return;
    std::string said;
    for (const std::string& notice : notices)
        said += (said.empty() ? "" : "\n") + notice;
    // Once the window is up, so the message stands in front of it.
    QTimer::singleShot(0, this, [this, said] {
        m_prompts.ask({said, "Orvane", PromptIcon::Exclamation, PromptButtons::Ok, false});
    });
}

void WheelProfileWindow::SavePrizes() {
    if (m_store.saveChanges(m_kept, m_prizes) != DatabaseProblem::None) {
        m_prompts.ask(SaveFailedPrompt());
        return;
    }
    readKeptPrizes();
    showPrizeFields();
    showReturn();
}

WheelProfileChartsWindow* WheelProfileWindow::makeCharts() {
    auto* charts = new WheelProfileChartsWindow(m_savePath, m_prompts, this);
    // They picture this window's figures: closed with it.
    connect(this, &QDialog::finished, charts, &QWidget::close);
    return charts;
}

void WheelProfileWindow::ShowCharts() {
    WheelProfileChartsWindow* charts = m_charts.get();
    charts->showProfile(m_profile, m_odds);
    charts->show();
    charts->raise();
}

void WheelProfileWindow::OperatorPrizes() {
    m_prizes = OperatorPrizeTable();
    showPrizeFields();
    showReturn();
}

} // namespace orvane
