#include "desktop/controls/Picture.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <memory>
#include <string>

#include "desktop/Artwork.h"
#include "desktop/controls/ControlSupport.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"

namespace boxi::desktop::controls {
namespace {

// A picture. One that acts as a button (its control has a click handler)
// takes the focus with Tab or a click, shows a focus mark, and Enter or
// Space presses it.
class PictureWidget : public QWidget {
public:
    using QWidget::QWidget;
    ClickTracker tracker;
    std::string picture;

    void Prepare()
    {
        if (!picture.empty())
            Fetch();
    }

    void ActAsButton()
    {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_KeyboardFocusChange);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        if (!picture.empty()) {
            Fetch();
            if (runs_)
                runs_->Paint(painter, event->rect());
            else
                painter.drawImage(0, 0, image_);
        }
        if (hasFocus()) {
            // Two rings, light inside dark, so the mark shows on any artwork.
            // Over a small button (the choice window's previous and next)
            // they are thin and keep to its edge, clear of its caption.
            const bool small = height() < 32;
            const qreal dark = small ? 1 : 3;
            const qreal light_inset = dark + (small ? 0.5 : 1.5);
            painter.setPen(QPen(small ? QColor(0, 0, 0) : palette().color(QPalette::Highlight), dark));
            painter.drawRect(QRectF(rect()).adjusted(dark / 2, dark / 2, -dark / 2, -dark / 2));
            painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
            painter.drawRect(QRectF(rect()).adjusted(light_inset, light_inset, -light_inset, -light_inset));
        }
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool press = event->modifiers() == Qt::NoModifier && (IsEnter(event) || event->key() == Qt::Key_Space);
        if (!press || focusPolicy() == Qt::NoFocus) {
            QWidget::keyPressEvent(event);
            return;
        }
        if (!event->isAutoRepeat() && tracker.on_click)
            tracker.on_click();
    }
    void mousePressEvent(QMouseEvent* event) override { tracker.Press(this, event); }
    void mouseReleaseEvent(QMouseEvent* event) override { tracker.Release(this, event); }

private:
    void Fetch()
    {
        if (drawn_ == picture && drawn_size_ == size() && drawn_scale_ == devicePixelRatioF())
            return;
        drawn_ = picture;
        drawn_size_ = size();
        drawn_scale_ = devicePixelRatioF();
        // A copy shares the cached picture and keeps it while this one lives.
        runs_ = ArtworkRuns(picture, size(), devicePixelRatioF());
        image_ = runs_ ? QImage() : ArtworkImage(picture, size(), devicePixelRatioF());
    }

    std::shared_ptr<const RunsPicture> runs_;
    QImage image_;
    std::string drawn_;
    QSize drawn_size_;
    qreal drawn_scale_ = 0;
};

}  // namespace

QWidget* CreatePicture(ui::Control& control, QWidget* parent, const ControlHost& host)
{
    auto& runtime = host.runtime;
    auto& image = static_cast<ui::Image&>(control);
    auto* widget = new PictureWidget(parent);
    if (image.on_click)
        widget->ActAsButton();
    widget->tracker.on_click = [&runtime, &image] { runtime.Click(image); };
    widget->tracker.on_mouse_down = [&runtime, &image](int b, int s, int x, int y) {
        if (image.on_mouse_down)
            runtime.MouseDown(image, b, s, x, y);
    };
    return widget;
}

void SyncPicture(QWidget* widget, const ui::Props& p)
{
    auto* picture = static_cast<PictureWidget*>(widget);
    picture->picture = p.picture;
    picture->update();
    PlaceAt(widget, p.rect);
}

void PreparePicture(QWidget* widget) { static_cast<PictureWidget*>(widget)->Prepare(); }

}  // namespace boxi::desktop::controls
