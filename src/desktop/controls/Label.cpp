#include "desktop/controls/Label.h"

#include <QLabel>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A message of several lines is read from the top as a Windows label draws
// it. The stand-in font spaces its lines wider than the design's Song faces,
// so a label whose text would not fit its height at normal spacing draws its
// lines closer, never closer than this.
constexpr qreal kClosestLineSpacing = 0.7;

// Where a word-wrapped label sits on its container's left or top edge, its
// text keeps this far from that edge.
constexpr int kEdgeInset = 3;

class ClickLabel : public Pressable<QLabel> {
public:
    using Pressable::Pressable;
    bool flat_border = false;
    // Word-wrapped: the label lays out and draws its text itself, as plain
    // text, every blank kept (the fill-in marks "(  )" of the drill stems).
    bool wrapped = false;

    static qreal Height(const QTextLine& line) { return line.ascent() + line.descent() + line.leading(); }

    struct Spaced {
        qreal spacing = 1;
        qreal bottom = 0;  // of the last line's glyphs
    };

    // Lays the text out in `width`, its lines spaced as wide as `height`
    // lets them be. Every line but the last advances by its height times the
    // spacing; the last needs room down to the foot of its glyphs.
    Spaced LayOut(QTextLayout& layout, qreal width, qreal height) const
    {
        QString text = this->text();
        text.replace(QChar('\n'), QChar::LineSeparator);
        layout.setText(text);
        layout.setFont(font());
        QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        const int count = layout.lineCount();
        if (count == 0)
            return {};
        qreal advances = 0;
        for (int i = 0; i + 1 < count; ++i)
            advances += Height(layout.lineAt(i));
        const QTextLine last = layout.lineAt(count - 1);
        const QString last_text = text.mid(last.textStart(), last.textLength()).remove(QChar::LineSeparator);
        const QRectF ink = QFontMetricsF(font()).tightBoundingRect(last_text);
        const qreal last_need = ink.isEmpty() ? 0 : last.ascent() + std::max<qreal>(ink.bottom(), 0);
        Spaced spaced;
        if (advances > 0)
            spaced.spacing = std::clamp((height - last_need) / advances, kClosestLineSpacing, qreal(1));
        qreal y = 0;
        for (int i = 0; i < count; ++i) {
            QTextLine line = layout.lineAt(i);
            line.setPosition(QPointF(0, y));
            y += Height(line) * spaced.spacing;
        }
        spaced.bottom = last.y() + last_need;
        return spaced;
    }

    // The height the text needs in `width` at the closest spacing: what
    // shows every line whole.
    qreal TextHeight(qreal width) const
    {
        QTextLayout layout;
        return LayOut(layout, width, 0).bottom;
    }

    int heightForWidth(int width) const override
    {
        if (!wrapped)
            return QLabel::heightForWidth(width);
        const QMargins margins = contentsMargins();
        return static_cast<int>(std::ceil(TextHeight(width - margins.left() - margins.right()))) + margins.top() +
               margins.bottom();
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
            LayOut(layout, contentsRect().width(), contentsRect().height());
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
    auto& label = static_cast<ui::Label&>(control);
    auto* widget = new ClickLabel(parent);
    widget->setTextFormat(Qt::PlainText);
    // The toolbar's buttons, the answer-sheet and review numbers: labels
    // that a learner presses, by keyboard as well as by mouse.
    widget->PressInto(host.runtime, label);
    return widget;
}

void SyncLabel(QWidget* widget, const ui::Props& p)
{
    auto* label = static_cast<ClickLabel*>(widget);
    label->flat_border = p.label_border == ui::LabelBorder::FlatSingle;
    QMargins margins = label->flat_border ? QMargins(1, 1, 1, 1) : QMargins();
    if (p.word_wrap) {
        margins.setLeft(margins.left() + (p.rect.left == 0 ? kEdgeInset : 0));
        margins.setTop(margins.top() + (p.rect.top == 0 ? kEdgeInset : 0));
    }
    label->setContentsMargins(margins);
    label->wrapped = p.word_wrap;
    label->setText(ToWidget(p.caption));
    label->setAlignment(AlignmentOf(p.alignment) | (p.word_wrap ? Qt::AlignTop : Qt::AlignVCenter));
    label->update();
    label->setWordWrap(true);
    ApplyColors(label, p, p.back_style == ui::BackStyle::Opaque);
    PlaceAt(widget, p.rect);
}

DrawnText DrawnTextOf(const QWidget* widget)
{
    const auto* label = dynamic_cast<const ClickLabel*>(widget);
    if (!label || !label->wrapped)
        return {};
    const QRect area = label->contentsRect();
    QTextLayout layout;
    DrawnText drawn;
    const auto spaced = label->LayOut(layout, area.width(), area.height());
    drawn.spacing = spaced.spacing;
    drawn.bottom = area.top() + spaced.bottom;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        drawn.lines.append(
            layout.text().mid(line.textStart(), line.textLength()).replace(QChar::LineSeparator, QChar('\n')));
    }
    return drawn;
}

QStringList DrawnLines(const QWidget* label) { return DrawnTextOf(label).lines; }

}  // namespace boxi::desktop::controls
