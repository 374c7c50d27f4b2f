#include "desktop/controls/Label.h"

#include <QLabel>
#include <QPainter>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

class ClickLabel : public Pressable<QLabel> {
public:
    using Pressable::Pressable;
    bool flat_border = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        // The mark goes under the caption, which stays readable on it.
        if (hasFocus()) {
            QPainter painter(this);
            PaintFocusMark(painter, rect(), palette());
        }
        QLabel::paintEvent(event);
        if (!flat_border)
            return;
        // One flat dark line round the label, whatever its text colour.
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 0), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

QWidget* CreateLabel(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& label = static_cast<ui::Label&>(control);
    auto* widget = new ClickLabel(parent);
    widget->setTextFormat(Qt::PlainText);
    // The toolbar's buttons, the answer-sheet and review numbers: labels
    // that a learner presses, by keyboard as well as by mouse.
    if (label.has_click_handler())
        ActAsButton(widget);
    widget->tracker.on_click = [&runtime, &label] { runtime.Click(label); };
    widget->tracker.on_mouse_down = [&runtime, &label](int b, int s, int x, int y) {
        if (label.on_mouse_down)
            runtime.MouseDown(label, b, s, x, y);
    };
    return widget;
}

void SyncLabel(QWidget* widget, const ui::Props& p)
{
    auto* label = static_cast<ClickLabel*>(widget);
    label->flat_border = p.label_border == ui::LabelBorder::FlatSingle;
    label->setContentsMargins(label->flat_border ? QMargins(1, 1, 1, 1) : QMargins());
    if (p.word_wrap) {
        // A message of several lines, read from the top as a Windows
        // label draws it, at the close line spacing of the Song faces:
        // the stand-in font spaces its lines wider than the design allows.
        label->setTextFormat(Qt::RichText);
        label->setText(QStringLiteral("<div style=\"line-height:70%\">%1</div>")
                           .arg(ToWidget(p.caption).toHtmlEscaped().replace(QChar('\n'), QStringLiteral("<br>"))));
        label->update();
        label->setAlignment(AlignmentOf(p.alignment) | Qt::AlignTop);
    } else {
        label->setText(ToWidget(p.caption));
        label->update();
        label->setAlignment(AlignmentOf(p.alignment) | Qt::AlignVCenter);
    }
    label->setWordWrap(true);
    ApplyColors(label, p, p.back_style == ui::BackStyle::Opaque);
    PlaceAt(widget, p.rect);
}

}  // namespace boxi::desktop::controls
