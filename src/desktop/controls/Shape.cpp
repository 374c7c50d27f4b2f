#include "desktop/controls/Shape.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include "desktop/controls/ControlSupport.h"

namespace boxi::desktop::controls {
namespace {

class ShapeWidget : public QWidget {
public:
    using QWidget::QWidget;
    ui::Props props;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette& pal = palette();
        painter.setPen(QPen(Resolve(props.border_color, pal), props.border_width));
        if (props.fill_style == ui::FillStyle::Solid)
            painter.setBrush(Resolve(props.fill_color, pal));
        else if (props.back_style == ui::BackStyle::Opaque && props.back.is_set() && props.back != ui::colors::kButtonFace)
            painter.setBrush(Resolve(props.back, pal));
        else
            painter.setBrush(Qt::NoBrush);
        QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const double side = std::min(box.width(), box.height());
        QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
        switch (props.shape) {
        case ui::ShapeKind::Rectangle: painter.drawRect(box); break;
        case ui::ShapeKind::Square: painter.drawRect(square); break;
        case ui::ShapeKind::Oval: painter.drawEllipse(box); break;
        case ui::ShapeKind::Circle: painter.drawEllipse(square); break;
        case ui::ShapeKind::RoundedRectangle: painter.drawRoundedRect(box, 6, 6); break;
        case ui::ShapeKind::RoundedSquare: painter.drawRoundedRect(square, 6, 6); break;
        }
    }
};

class LineWidget : public QWidget {
public:
    using QWidget::QWidget;
    QPoint from, to;
    QColor color;
    int width = 1;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(color, width));
        painter.drawLine(from, to);
    }
};

}  // namespace

QWidget* CreateShape(ui::Control&, QWidget* parent, const ControlHost&) { return new ShapeWidget(parent); }

void SyncShape(QWidget* widget, const ui::Props& p)
{
    auto* shape = static_cast<ShapeWidget*>(widget);
    shape->props = p;
    shape->update();
    PlaceAt(widget, p.rect);
}

QWidget* CreateLine(ui::Control&, QWidget* parent, const ControlHost&)
{
    auto* widget = new LineWidget(parent);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    return widget;
}

// The widget is the line's bounding box, grown by its pen on every side.
void SyncLine(QWidget* widget, const ui::Props& p)
{
    auto* line = static_cast<LineWidget*>(widget);
    const int pad = std::max(1, p.border_width);
    const int left = std::min(p.x1, p.x2) - pad, top = std::min(p.y1, p.y2) - pad;
    line->setGeometry(left, top, std::abs(p.x2 - p.x1) + 2 * pad + 1, std::abs(p.y2 - p.y1) + 2 * pad + 1);
    line->from = QPoint(p.x1 - left, p.y1 - top);
    line->to = QPoint(p.x2 - left, p.y2 - top);
    line->color = Resolve(p.border_color, QGuiApplication::palette());
    line->width = p.border_width;
    line->update();
}

}  // namespace boxi::desktop::controls
