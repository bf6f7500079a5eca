#pragma once
// A small chart drawn with QPainter in the colours of the window's palette: a line, bars, or
// stacked bars, with a band behind them and points marked. A screen reader reads its title as its
// name and the table it draws as its description (its accessible interface), and its context menu
// saves it as a PNG picture.

#include "common/chart_data.h"

#include <QWidget>

#include <optional>
#include <string>

namespace orvane {

class Prompts;
class SavePathDialog;

class ChartView final : public QWidget {
    Q_OBJECT
  public:
    // Asks where to save the picture through `savePath`, and says through `prompts` when it cannot
    // be written.
    ChartView(SavePathDialog& savePath, Prompts& prompts, QWidget* parent = nullptr);

    void setChart(ChartData chart);
    // What the chart draws, as it was given.
    const ChartData& chart() const { return m_chart; }

    // Writes the chart as it shows now into a PNG file at `path`; false when it cannot.
    bool saveAsPng(const std::string& path) const;
    // What "Save as PNG" in the context menu does: asks where, writes, says when it failed.
    void SaveAsPng();

    QSize sizeHint() const override { return {520, 260}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    SavePathDialog& m_savePath;
    Prompts& m_prompts;
    ChartData m_chart;
};

} // namespace orvane
