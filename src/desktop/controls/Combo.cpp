#include "desktop/controls/Combo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWheelEvent>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A combo box that neither inserts typed text on Enter nor changes on the
// mouse wheel.
class ModelCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

}  // namespace

QWidget* CreateCombo(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& combo = static_cast<ui::ComboBox&>(control);
    auto* widget = new ModelCombo(parent);
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->setMaxVisibleItems(12);
    QObject::connect(widget, &QComboBox::activated, host.window,
                     [&runtime, &combo](int index) { runtime.Select(combo, index); });
    QObject::connect(widget->lineEdit(), &QLineEdit::textEdited, host.window,
                     [&runtime, &combo](const QString& text) { runtime.Type(combo, FromWidget(text)); });
    return widget;
}

void SyncCombo(QWidget* widget, const ui::Props& p)
{
    auto* combo = static_cast<QComboBox*>(widget);
    const QStringList items = ItemsOf(p);
    QStringList current;
    for (int i = 0; i < combo->count(); ++i)
        current << combo->itemText(i);
    if (current != items) {
        combo->clear();
        combo->addItems(items);
    }
    QString text = ToWidget(p.text);
    if (combo->currentIndex() != p.list_index)
        combo->setCurrentIndex(p.list_index);
    if (combo->currentText() != text)
        combo->setEditText(text);
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
