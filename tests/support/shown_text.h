#pragma once
// The text a control shows, whatever kind of control it is.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace orvane::test {

inline QString ShownText(QObject* o) {
    if (auto* m = qobject_cast<QMenu*>(o)) // a menu is a window of its own: test it first
        return m->title();
    if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow())
        return w->windowTitle();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    return QStringLiteral("<not a control with a text>");
}

} // namespace orvane::test
