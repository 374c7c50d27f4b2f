#include "desktop/controls/List.h"

#include <QFocusEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// The current item's focus rectangle: a dotted ring inside the item, in the
// colour of its text, so that it shows on the highlighted row too (the
// style's own outline is highlight on highlight).
class FocusItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state & QStyle::State_HasFocus) {
            const bool selected = option.state & QStyle::State_Selected;
            PaintDottedRing(*painter, option.rect.adjusted(1, 1, -1, -1),
                            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        }
    }
};

// A ring of two pixels in the highlight colour round the whole list, its
// scroll bar included, while the list has the focus. It lies over the list
// and lets every click through; unfocused, it draws nothing.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* list) : QWidget(list)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!parentWidget()->hasFocus())
            return;
        QPainter painter(this);
        const QColor mark = palette().color(QPalette::Highlight);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 2), mark);
        painter.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), mark);
        painter.fillRect(QRect(r.left(), r.top() + 2, 2, r.height() - 4), mark);
        painter.fillRect(QRect(r.right() - 1, r.top() + 2, 2, r.height() - 4), mark);
    }
};

// A list box that shows where the focus is, as on Windows: the style marks
// neither the list nor its current item plainly.
class ModelList : public QListWidget {
public:
    explicit ModelList(QWidget* parent) : QListWidget(parent), frame_(new FocusFrame(this))
    {
        setItemDelegate(new FocusItemDelegate(this));
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QListWidget::focusInEvent(event);
        ShowFrame();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QListWidget::focusOutEvent(event);
        ShowFrame();
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QListWidget::resizeEvent(event);
        frame_->setGeometry(rect());
    }

private:
    void ShowFrame()
    {
        frame_->setGeometry(rect());
        frame_->raise();
        frame_->update();
        viewport()->update();
    }

    FocusFrame* frame_;
};

}  // namespace

QWidget* CreateList(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& list = static_cast<ui::ListBox&>(control);
    auto* widget = new ModelList(parent);
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
