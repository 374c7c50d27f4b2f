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
class PictureWidget : public Pressable<QWidget> {
public:
    using Pressable::Pressable;
    std::string picture;

    void Prepare()
    {
        if (!picture.empty())
            Fetch();
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
        if (hasFocus())
            PaintFocusMark(painter, rect(), palette());
    }

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
    auto& image = static_cast<ui::Image&>(control);
    auto* widget = new PictureWidget(parent);
    widget->PressInto(host.runtime, image);
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
