#pragma once

// Walks the accessible tree a screen reader sees under a widget and names the controls it would
// announce without a name: anything that takes focus or can be pressed.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QStringList>
#include <QWidget>

namespace AccessibleWalk {

inline QString describe(QAccessibleInterface* iface)
{
    QObject* object = iface->object();
    QString where = object ? QString::fromLatin1(object->metaObject()->className()) +
                                 QLatin1Char('#') + object->objectName()
                           : QStringLiteral("item");
    if (!object) {
        // An item of a view: say whose.
        for (QAccessibleInterface* up = iface->parent(); up; up = up->parent()) {
            if (up->object()) {
                where += QLatin1String(" of ") + up->object()->objectName();
                break;
            }
        }
    }
    return where + QLatin1String(" (role ") + QString::number(int(iface->role())) +
           QLatin1Char(')');
}

inline bool actsOnPress(QAccessibleInterface* iface)
{
    QAccessibleActionInterface* actions = iface->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// A cell with nothing in it (the gap after the last template of a grid) is no control.
inline bool isBlankCell(QAccessibleInterface* iface)
{
    QAccessibleTableCellInterface* cell = iface->tableCellInterface();
    QAccessibleInterface* table = cell ? cell->table() : nullptr;
    auto* view = table ? qobject_cast<QAbstractItemView*>(table->object()) : nullptr;
    if (!view || !view->model())
        return false;
    const QModelIndex index = view->model()->index(cell->rowIndex(), cell->columnIndex());
    return index.isValid() && !index.data(Qt::DisplayRole).isValid() &&
           !index.data(Qt::DecorationRole).isValid();
}

inline void collect(QAccessibleInterface* iface, QStringList* unnamed, int depth)
{
    if (!iface || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    if ((state.focusable || actsOnPress(iface)) &&
        iface->text(QAccessible::Name).trimmed().isEmpty() && !isBlankCell(iface))
        unnamed->append(describe(iface));
    // A combo box's popup list and line edit are parts of it, named by it.
    if (iface->role() == QAccessible::ComboBox)
        return;
    // The preview's page is the web engine's own tree, not controls of ours.
    if (iface->object() && iface->object()->inherits("QWebEngineView"))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), unnamed, depth + 1);
}

// The focusable or pressable controls under `root` (itself included) that have no name.
inline QStringList unnamedControls(QWidget* root)
{
    QStringList unnamed;
    collect(QAccessible::queryAccessibleInterface(root), &unnamed, 0);
    return unnamed;
}

} // namespace AccessibleWalk
