#include "desktop/controls/Label.h"

#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A message of several lines is read from the top as a Windows label draws
// it, at the close line spacing of the Song faces: the stand-in font spaces
// its lines wider than the design allows.
constexpr qreal kWrappedLineSpacing = 0.7;

class ClickLabel : public Pressable<QLabel> {
public:
    using Pressable::Pressable;
    bool flat_border = false;
    // Word-wrapped: the label lays out and draws its text itself, as plain
    // text, every blank kept (the fill-in marks "(  )" of the drill stems).
    bool wrapped = false;

    // Lays the text out in `width` and returns the height of its lines.
    qreal LayOut(QTextLayout& layout, qreal width) const
    {
        QString text = this->text();
        text.replace(QChar('\n'), QChar::LineSeparator);
        layout.setText(text);
        layout.setFont(font());
        QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        qreal y = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += std::ceil(line.ascent() + line.descent() + line.leading()) * kWrappedLineSpacing;
        }
        layout.endLayout();
        return y;
    }

    int heightForWidth(int width) const override
    {
        if (!wrapped)
            return QLabel::heightForWidth(width);
        const QMargins margins = contentsMargins();
        QTextLayout layout;
        const qreal lines = LayOut(layout, width - margins.left() - margins.right());
        return static_cast<int>(std::ceil(lines)) + margins.top() + margins.bottom();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        // The mark goes under the caption, which stays readable on it.
        if (hasFocus()) {
            QPainter painter(this);
            PaintFocusMark(painter, rect(), palette());
        }
        if (wrapped) {
            QPainter painter(this);
            painter.setPen(palette().color(QPalette::WindowText));
            QTextLayout layout;
            LayOut(layout, contentsRect().width());
            layout.draw(&painter, contentsRect().topLeft());
        } else {
            QLabel::paintEvent(event);
        }
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
    label->wrapped = p.word_wrap;
    label->setText(ToWidget(p.caption));
    label->setAlignment(AlignmentOf(p.alignment) | (p.word_wrap ? Qt::AlignTop : Qt::AlignVCenter));
    label->update();
    label->setWordWrap(true);
    ApplyColors(label, p, p.back_style == ui::BackStyle::Opaque);
    PlaceAt(widget, p.rect);
}

QStringList DrawnLines(const QWidget* widget)
{
    const auto* label = dynamic_cast<const ClickLabel*>(widget);
    if (!label || !label->wrapped)
        return {};
    QTextLayout layout;
    label->LayOut(layout, label->contentsRect().width());
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines.append(layout.text().mid(line.textStart(), line.textLength()).replace(QChar::LineSeparator, QChar('\n')));
    }
    return lines;
}

}  // namespace boxi::desktop::controls
