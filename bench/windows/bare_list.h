#pragma once
// The baseline of the windows that list the boards: a bare QListWidget of the same size and font
// as the window's list, given the same lines.

#include <QListWidget>
#include <QStringList>

namespace orvane::bench {

class BareList {
  public:
    // Copies the size, font and lines of `shown`.
    explicit BareList(const QListWidget& shown) {
        for (int i = 0; i < shown.count(); ++i)
            m_lines << shown.item(i)->text();
        m_list.resize(shown.size());
        m_list.setFont(shown.font());
    }

    QListWidget& widget() { return m_list; }
    // Lists the lines afresh, as the window does.
    void fill() {
        m_list.clear();
        for (const QString& line : m_lines)
            m_list.addItem(line);
    }

  private:
    QStringList m_lines;
    QListWidget m_list;
};

} // namespace orvane::bench
