#include "results/comparison_window.h"

#include "common/prompts.h"
#include "common/window_style.h"
#include "results/draw_history_store.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace orvane {

namespace {

constexpr QSize kClientSize(638, 386);

// Choose-only, so every list always names a number: position + 1 is the number drawn.
QComboBox* drawList(QWidget* parent, const char* name, int numbers, QRect geometry) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setMaxVisibleItems(4);
    list->setGeometry(geometry);
    for (int n = 1; n <= numbers; ++n)
        list->addItem(QString::number(n));
    return list;
}

struct RankBox {
    const char* counter;
    const char* caption;
    const char* spoken; // what a screen reader says the counter counts
};

// In the order of PrizeRank.
constexpr RankBox kRankBoxes[kPrizeRankCount] = {
    {"lnb5t", "5 + T", "5 numbers and the Thunderball"},
    {"lnb5", "5", "5 numbers"},
    {"lnb4t", "4 + T", "4 numbers and the Thunderball"},
    {"lnb4", "4", "4 numbers"},
    {"lnb3t", "3 + T", "3 numbers and the Thunderball"},
    {"lnb3", "3 ", "3 numbers"},
    {"lnb2t", "2 + T", "2 numbers and the Thunderball"},
    {"lnb1t", "1 +T", "1 number and the Thunderball"},
};

// "Boards with 4 numbers and the Thunderball: 2", or without the count while there is none.
QString SpokenCounter(const RankBox& rank, const QString& count) {
    const QString what = QStringLiteral("Boards with %1").arg(QLatin1String(rank.spoken));
    return count.isEmpty() ? what : what + QStringLiteral(": ") + count;
}

// The list of draws kept: open, each entry gives the date and the numbers; closed, the entry
// picked shows its date alone (its numbers stand in the six lists beside it), or its numbers when
// it has no date.
class StoredDrawBox final : public QComboBox {
  public:
    using QComboBox::QComboBox;
    static constexpr int kShortTextRole = Qt::UserRole;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QVariant shortText = itemData(currentIndex(), kShortTextRole);
        if (shortText.isValid())
            option.currentText = shortText.toString();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

Prompt RepeatedNumberPrompt() {
    return {"A number is selected more than one time", "Problem !!", PromptIcon::Exclamation,
            PromptButtons::Ok, false};
}

} // namespace

ComparisonWindow::ComparisonWindow(SystemBoards boards, Prompts& prompts,
                                   DrawHistoryStore* storedDraws, QWidget* parent)
    : QDialog(parent), m_boards(boards), m_prompts(prompts), m_storedDraws(storedDraws) {
    setObjectName(QStringLiteral("TForm8"));
    FrameDialog(this, {.size = kClientSize, .bold = true});

    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("listresul"));
    m_results->setGeometry(4, 4, 630, 204);
    m_results->setFont(WindowFont(false));
    m_results->setSortingEnabled(false);

    PlaceLabel(this, "lbullgagnant", QStringLiteral("NUMBERS DRAWN"), QPoint(8, 216));
    PlaceLabel(this, "Label1", QStringLiteral("MAIN BOARD"), QPoint(8, 238));
    for (int i = 0; i < kDrawnMainNumbers; ++i) {
        const QByteArray name = "ComboBox" + QByteArray::number(i + 1);
        m_drawLists[static_cast<std::size_t>(i)] =
            drawList(this, name.constData(), kMainNumbers, QRect(8 + i * 50, 254, 46, 22));
    }
    PlaceLabel(this, "Label2", QStringLiteral("THUNDERBALL"), QPoint(8, 284));
    m_drawLists[kDrawnMainNumbers] =
        drawList(this, "ComboBox9", kThunderballNumbers, QRect(8, 300, 46, 22));

    // A draw kept in the history fills the six lists at once; what the lists then hold is compared
    // as if entered by hand.
    PlaceLabel(this, "lstored", QStringLiteral("Stored draw"), QPoint(104, 284));
    m_storedList = new StoredDrawBox(this);
    m_storedList->setObjectName(QStringLiteral("cbstored"));
    m_storedList->setEditable(false);
    m_storedList->setFont(WindowFont(false));
    m_storedList->setGeometry(104, 300, 162, 22);
    m_storedList->setMaxVisibleItems(12);
    m_storedList->setToolTip(QStringLiteral("Fill the numbers with a draw of the history"));
    connect(m_storedList, &QComboBox::currentIndexChanged, this,
            [this](int position) { storedDrawChosen(position); });
    for (QComboBox* list : m_drawLists)
        connect(list, &QComboBox::currentIndexChanged, this, [this] { drawListChanged(); });

    auto* view = new QPushButton(QStringLiteral("View Results"), this);
    view->setObjectName(QStringLiteral("button1"));
    view->setGeometry(8, 336, 122, 42);
    view->setDefault(true);
    connect(view, &QPushButton::clicked, this, [this] { Button1Click(); });
    auto* back = new QPushButton(QStringLiteral("Return"), this);
    back->setObjectName(QStringLiteral("BitBtn1"));
    back->setGeometry(136, 336, 122, 42);
    back->setToolTip(QStringLiteral("Back to previous window"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    auto* matched = new QGroupBox(QStringLiteral("Matched Numbers"), this);
    matched->setObjectName(QStringLiteral("GroupBox1"));
    matched->setGeometry(272, 214, 362, 166);
    for (int r = 0; r < kPrizeRankCount; ++r) {
        const RankBox& rank = kRankBoxes[r];
        auto* box = new QGroupBox(QString::fromLatin1(rank.caption), matched);
        box->setObjectName(QStringLiteral("GroupBox%1").arg(r + 2));
        box->setGeometry(8 + (r % 4) * 88, 20 + (r / 4) * 72, 84, 66);
        auto* counter = new QLabel(box);
        counter->setObjectName(QLatin1String(rank.counter));
        counter->setGeometry(10, 22, 64, 34);
        counter->setAlignment(Qt::AlignCenter);
        counter->setFont(WindowFont(true, 14));
        counter->setAutoFillBackground(true);
        QPalette palette = counter->palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        palette.setColor(QPalette::WindowText, Qt::black);
        counter->setPalette(palette);
        m_counters[static_cast<std::size_t>(r)] = counter;
    }

    SetComparisonCaptions();
}

void ComparisonWindow::SetComparisonCaptions() {
    setWindowTitle(QStringLiteral("Results Analyst"));
}

void ComparisonWindow::initform() {
    SetComparisonCaptions();
    for (int r = 0; r < kPrizeRankCount; ++r) {
        m_counters[static_cast<std::size_t>(r)]->clear();
        m_counters[static_cast<std::size_t>(r)]->setAccessibleName(
            SpokenCounter(kRankBoxes[r], QString()));
    }
    m_results->clear();
}

void ComparisonWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        initform();
        // Each opening shows the draw entered last time (all "1" at first), so a player coming
        // back to the same draw does not enter it again.
        for (std::size_t i = 0; i < m_drawLists.size(); ++i)
            m_drawLists[i]->setCurrentIndex(m_rememberedDraw[i]);
        listStoredDraws();
    }
    QDialog::showEvent(event);
}

void ComparisonWindow::done(int result) {
    for (std::size_t i = 0; i < m_drawLists.size(); ++i)
        m_rememberedDraw[i] = m_drawLists[i]->currentIndex();
    QDialog::done(result);
}

void ComparisonWindow::listStoredDraws() {
    const QSignalBlocker blocker(m_storedList);
    m_storedList->clear();
    m_storedShown.clear();
    const std::vector<StoredDraw> none;
    const std::vector<StoredDraw>& draws = m_storedDraws ? m_storedDraws->history().draws() : none;
    m_storedList->addItem(draws.empty() ? QStringLiteral("(none kept)") : QString());
    for (const StoredDraw& stored : draws) {
        const std::string shortText = stored.date ? DateText(stored.date)
                                                  : MainNumbersText(stored.draw) + "  T " +
                                                        std::to_string(stored.draw.thunderball);
        m_storedList->addItem(QString::fromStdString(StoredDrawText(stored)),
                              QString::fromStdString(shortText));
        m_storedShown.push_back(stored.draw);
    }
    m_storedList->setEnabled(!draws.empty());
    // The entries are wider than the closed list: the open list shows them whole.
    m_storedList->view()->setMinimumWidth(m_storedList->view()->sizeHintForColumn(0) + 24);
}

void ComparisonWindow::storedDrawChosen(int position) {
    if (position < 1 || position > static_cast<int>(m_storedShown.size()))
        return;
    const Draw& draw = m_storedShown[static_cast<std::size_t>(position - 1)];
    m_fillingFromStored = true;
    for (std::size_t i = 0; i < draw.main.size(); ++i)
        m_drawLists[i]->setCurrentIndex(draw.main[i] - 1);
    m_drawLists[kDrawnMainNumbers]->setCurrentIndex(draw.thunderball - 1);
    m_fillingFromStored = false;
}

void ComparisonWindow::drawListChanged() {
    // A number changed by hand: the lists no longer hold the draw the stored list names.
    if (m_fillingFromStored)
        return;
    const QSignalBlocker blocker(m_storedList);
    m_storedList->setCurrentIndex(0);
}

Draw ComparisonWindow::drawnNumbers() const {
    Draw draw;
    for (std::size_t i = 0; i < draw.main.size(); ++i)
        draw.main[i] = m_drawLists[i]->currentIndex() + 1;
    draw.thunderball = m_drawLists[kDrawnMainNumbers]->currentIndex() + 1;
    return draw;
}

void ComparisonWindow::Button1Click() {
    const Draw draw = drawnNumbers();
    if (HasRepeatedMainNumber(draw)) {
        m_prompts.ask(RepeatedNumberPrompt());
        return;
    }
    showResult(CompareBoardsWithDraw(m_boards, draw));
}

void ComparisonWindow::showResult(const ComparisonResult& result) {
    m_results->clear();
    for (const std::string& line : result.lines)
        m_results->addItem(QString::fromStdString(line));
    for (int r = 0; r < kPrizeRankCount; ++r) {
        const QString count = QString::number(result.counts[static_cast<PrizeRank>(r)]);
        m_counters[static_cast<std::size_t>(r)]->setText(count);
        m_counters[static_cast<std::size_t>(r)]->setAccessibleName(
            SpokenCounter(kRankBoxes[r], count));
    }
}

} // namespace orvane
