#include "wheels/system_list_box.h"

#include "wheels/system_list.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QIdentityProxyModel>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace orvane {

namespace {

QString DescriptionOf(const QString& entry) {
    return QString::fromStdString(EntryDescription(entry.toStdString()));
}

// The entries as the opened list shows them: their descriptions, the rest of each entry as held.
class DescriptionsModel final : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const QVariant held = QIdentityProxyModel::data(index, role);
        return role == Qt::DisplayRole ? QVariant(DescriptionOf(held.toString())) : held;
    }
};

// Draws each entry with the list's own delegate, so it keeps the style's looks, but hands it the
// entry's description in place of its whole text.
class DescriptionsDelegate final : public QAbstractItemDelegate {
  public:
    DescriptionsDelegate(QAbstractItemDelegate* styled, QAbstractItemModel* entries,
                         QObject* parent)
        : QAbstractItemDelegate(parent), m_styled(styled) {
        m_descriptions.setSourceModel(entries);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (m_styled)
            m_styled->paint(painter, option, m_descriptions.mapFromSource(index));
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return m_styled ? m_styled->sizeHint(option, m_descriptions.mapFromSource(index)) : QSize();
    }

  private:
    QPointer<QAbstractItemDelegate> m_styled; // the list view owns it
    DescriptionsModel m_descriptions;
};

} // namespace

SystemListBox::SystemListBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new DescriptionsDelegate(itemDelegate(), model(), this));
}

void SystemListBox::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    option->currentText = DescriptionOf(option->currentText);
}

int SystemListBox::widthForDescriptions() const {
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(DescriptionOf(itemText(i))));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, 0), this).width();
}

void SystemListBox::beforeBrowsing() {
    if (m_beforeBrowsing)
        m_beforeBrowsing();
}

void SystemListBox::keyPressEvent(QKeyEvent* event) {
    beforeBrowsing();
    QComboBox::keyPressEvent(event);
}

void SystemListBox::wheelEvent(QWheelEvent* event) {
    beforeBrowsing();
    QComboBox::wheelEvent(event);
}

void SystemListBox::showPopup() {
    beforeBrowsing();
    // The list would widen itself to the longest entry, blanks and index included.
    view()->window()->setMaximumWidth(std::max(width(), widthForDescriptions()));
    QComboBox::showPopup();
}

} // namespace orvane
