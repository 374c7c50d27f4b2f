#include "desktop/controls/List.h"

#include <QListWidget>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {

QWidget* CreateList(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& list = static_cast<ui::ListBox&>(control);
    auto* widget = new QListWidget(parent);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    const bool* syncing = &host.syncing;
    QObject::connect(widget, &QListWidget::currentRowChanged, host.window, [syncing, &runtime, &list](int row) {
        if (!*syncing && row >= 0)
            runtime.Select(list, row);
    });
    // A double-click on an item chooses it and goes on, as Enter in the list
    // does: in a chooser, "开始练习".
    QObject::connect(widget, &QListWidget::itemDoubleClicked, host.window,
                     [press = host.press_default] { press(); });
    // A single-selection list keeps its selection: Ctrl+click cannot clear it.
    QObject::connect(widget, &QListWidget::itemSelectionChanged, host.window, [widget, &list] {
        int index = list.peek().list_index;
        if (widget->selectedItems().isEmpty() && index >= 0 && index < widget->count())
            widget->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    });
    return widget;
}

void SyncList(QWidget* widget, const ui::Props& p)
{
    auto* list = static_cast<QListWidget*>(widget);
    const QStringList items = ItemsOf(p);
    QStringList current;
    for (int i = 0; i < list->count(); ++i)
        current << list->item(i)->text();
    if (current != items) {
        list->clear();
        list->addItems(items);
    }
    if (list->currentRow() != p.list_index || list->selectedItems().isEmpty())
        list->setCurrentRow(p.list_index, QItemSelectionModel::ClearAndSelect);
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
