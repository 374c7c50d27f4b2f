#include "desktop/WindowView.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPointer>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <vector>

#include "desktop/Artwork.h"
#include "desktop/FilePages.h"
#include "desktop/Fonts.h"
#include "desktop/Placement.h"
#include "desktop/controls/Button.h"
#include "desktop/controls/Combo.h"
#include "desktop/controls/ControlSupport.h"
#include "desktop/controls/Frame.h"
#include "desktop/controls/Label.h"
#include "desktop/controls/List.h"
#include "desktop/controls/OptionCheck.h"
#include "desktop/controls/Picture.h"
#include "desktop/controls/Shape.h"
#include "desktop/controls/TextBox.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::desktop {

namespace {

// What unloaded windows held goes back once the program has been idle from
// unloading for a second: the artwork only their pictures held, the
// style's pixmaps, the font file pages, and the freed heap pages. The grace
// keeps a window that comes straight back (the task and choice windows of
// an exam, in turns) from unpacking its pictures again.
void ScheduleGiveBack()
{
    if (!QCoreApplication::instance())
        return;
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, [] {
            ReleaseUnusedArtwork();
            QPixmapCache::clear();
            ReleaseFontFilePages();
#if defined(__GLIBC__)
            malloc_trim(0);
#endif
        });
    }
    timer->start(kGiveBackAfterMs);
}

}  // namespace

WindowView::~WindowView() { ScheduleGiveBack(); }

WindowView::WindowView(ui::Runtime& runtime, ui::Window& window)
    : runtime_(runtime), window_(window), load_count_(window.load_count())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(QString::fromStdString(window.name()));
    const ui::WindowProps& props = window.peek();
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    if (props.border_style == ui::BorderStyle::None)
        flags = Qt::Window | Qt::FramelessWindowHint;
    if (props.border_style == ui::BorderStyle::Sizable && props.max_button)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);

    BuildMenuBar();
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->installEventFilter(this);
    client_size_ = HoldingSize(nullptr, QSize(props.client_width, props.client_height));
    const int top = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
    client_->setGeometry(QRect(QPoint(0, top), client_size_));
    if (props.border_style == ui::BorderStyle::Sizable) {
        // Resizing and maximising move no control: the client area only
        // grows with the window, so its background fills what is new.
        resize(client_size_.width(), client_size_.height() + top);
        setMinimumSize(120, top + 40);
    } else {
        setFixedSize(client_size_.width(), client_size_.height() + top);
    }

    const controls::ControlHost host{runtime_, this, syncing_, [this] { Sync(); }};
    for (ui::Control* control : window.controls()) {
        if (QWidget* widget = Create(*control, host)) {
            std::string name = control->name();
            if (control->index() >= 0) {
                name += '(';
                name += std::to_string(control->index());
                name += ')';
            }
            widget->setObjectName(QString::fromStdString(name));
            widgets_[control] = {widget, ~std::uint64_t{0}};
        }
    }

    // Tab order by the design's tab indexes; controls with the same index
    // (pictures have none of their own) keep the order of the design.
    std::vector<std::pair<int, QWidget*>> order;
    for (ui::Control* control : window_.controls()) {
        auto it = widgets_.find(control);
        if (it != widgets_.end() && it->second.widget->focusPolicy() != Qt::NoFocus)
            order.emplace_back(control->peek().tab_index, it->second.widget);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);

    Sync();
}

QWidget* WindowView::ParentFor(ui::Control& control)
{
    if (ui::Control* container = control.container()) {
        auto it = widgets_.find(container);
        if (it != widgets_.end())
            return it->second.widget;
    }
    return client_;
}

namespace {

// How each control kind is shown: its widget is made by `create` and
// brought up to the model by `sync`. Timers and menus have no widget.
struct KindView {
    QWidget* (*create)(ui::Control&, QWidget* parent, const controls::ControlHost&) = nullptr;
    void (*sync)(QWidget*, const ui::Props&) = nullptr;
};

KindView KindViewOf(ui::ControlKind kind)
{
    using K = ui::ControlKind;
    switch (kind) {
    case K::Label: return {controls::CreateLabel, controls::SyncLabel};
    case K::Image: return {controls::CreatePicture, controls::SyncPicture};
    case K::CommandButton: return {controls::CreateButton, controls::SyncButton};
    case K::TextBox: return {controls::CreateTextBox, controls::SyncTextBox};
    case K::ListBox: return {controls::CreateList, controls::SyncList};
    case K::ComboBox: return {controls::CreateCombo, controls::SyncCombo};
    case K::OptionButton: return {controls::CreateOption, controls::SyncOptionCheck};
    case K::CheckBox: return {controls::CreateCheck, controls::SyncOptionCheck};
    case K::Frame: return {controls::CreateFrame, controls::SyncFrame};
    case K::Shape: return {controls::CreateShape, controls::SyncShape};
    case K::Line: return {controls::CreateLine, controls::SyncLine};
    case K::Timer:
    case K::Menu: return {};
    }
    return {};
}

}  // namespace

// Designs overrun the area that holds their controls by a pixel or a few
// (places rounded from twips, a background picture a little larger than its
// window), and Windows would cut what overruns. Here the client area and
// every frame grow to hold their controls whole, so that no button or click
// area is cut at the window's edge; nothing moves. A line may run past the
// edge it follows (a separator drawn from edge to edge) and shows no cut.
QSize WindowView::HoldingSize(const ui::Control* container, QSize size) const
{
    for (const ui::Control* control : window_.controls()) {
        const ui::ControlKind kind = control->kind();
        if (control->container() != container || kind == ui::ControlKind::Line || !KindViewOf(kind).create)
            continue;
        const ui::Rect& rect = control->peek().rect;
        QSize extent(rect.width, rect.height);
        if (kind == ui::ControlKind::Frame)
            extent = HoldingSize(control, extent);
        size = size.expandedTo(QSize(rect.left + extent.width(), rect.top + extent.height()));
    }
    return size;
}

QWidget* WindowView::Create(ui::Control& control, const controls::ControlHost& host)
{
    const KindView kind = KindViewOf(control.kind());
    return kind.create ? kind.create(control, ParentFor(control), host) : nullptr;
}

void WindowView::BuildMenuBar()
{
    std::vector<ui::Menu*> top;
    for (ui::Control* control : window_.controls()) {
        auto* menu = control->kind() == ui::ControlKind::Menu ? static_cast<ui::Menu*>(control) : nullptr;
        if (menu && !menu->parent() && menu->peek().visible)
            top.push_back(menu);
    }
    if (top.empty())
        return;
    menu_bar_ = new QMenuBar(this);
    for (ui::Menu* menu : top) {
        QMenu* qmenu = menu_bar_->addMenu(controls::ToWidget(menu->peek().caption));
        for (ui::Menu* item : menu->items()) {
            QAction* action = qmenu->addAction(controls::ToWidget(item->peek().caption));
            action->setVisible(item->peek().visible);
            connect(action, &QAction::triggered, this, [this, item] { runtime_.Choose(*item); });
        }
    }
    menu_bar_->adjustSize();
}

void WindowView::SyncWindowProps()
{
    if (window_.revision() == window_revision_)
        return;
    window_revision_ = window_.revision();
    const ui::WindowProps& props = window_.peek();
    // An empty caption is an empty title bar: given no title at all, the
    // window system would show the program's name there instead.
    const QString title = controls::ToWidget(props.caption);
    setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, controls::Resolve(props.back, QGuiApplication::palette()));
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
}

void WindowView::Sync()
{
    syncing_ = true;
    SyncWindowProps();
    bool changed = false;
    for (ui::Control* control : window_.controls()) {
        auto it = widgets_.find(control);
        if (it == widgets_.end() || it->second.revision == control->revision())
            continue;
        it->second.revision = control->revision();
        SyncControl(*control, it->second.widget);
        changed = true;
    }
    if (changed)
        KeepCoveredPicturesOutOfTabOrder();
    if (window_.focus_serial() != focus_serial_) {
        focus_serial_ = window_.focus_serial();
        if (ui::Control* focused = window_.focused()) {
            auto it = widgets_.find(focused);
            if (it != widgets_.end())
                it->second.widget->setFocus(Qt::OtherFocusReason);
        }
    }
    syncing_ = false;
}

namespace {

// Whether a sibling stacked above the widget hides it whole.
bool CoveredBySibling(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent)
        return false;
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(widget) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above && !above->isWindow() && above->isVisibleTo(parent) &&
            !above->testAttribute(Qt::WA_TransparentForMouseEvents) && above->geometry().contains(widget->geometry()))
            return true;
    }
    return false;
}

}  // namespace

// A picture button that a frame or another control covers whole (the
// buttons of a window's own surface under a frame that fills it) cannot be
// clicked; Tab must not reach it either, or Enter would press a button the
// learner cannot see.
void WindowView::KeepCoveredPicturesOutOfTabOrder()
{
    for (auto& [control, entry] : widgets_) {
        if (control->kind() != ui::ControlKind::Image || !static_cast<ui::Image*>(control)->on_click)
            continue;
        entry.widget->setFocusPolicy(CoveredBySibling(entry.widget) ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void WindowView::SyncControl(ui::Control& control, QWidget* widget)
{
    const ui::Props& p = control.peek();
    widget->setFont(ModelFont(p.font));
    widget->setEnabled(p.enabled);
    widget->setCursor(p.mouse_pointer == ui::MousePointer::Link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (const KindView kind = KindViewOf(control.kind()); kind.sync)
        kind.sync(widget, p);
    if (control.kind() == ui::ControlKind::Frame)
        widget->resize(HoldingSize(&control, widget->size()));
    widget->setVisible(p.visible);
}

void WindowView::SetTopmost()
{
    bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown)
        show();
}

void WindowView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int top = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
    client_->resize(std::max(client_size_.width(), width()), std::max(client_size_.height(), height() - top));
}

QMargins WindowView::FrameMargins(const QWidget* opener) const
{
    if (window_.peek().border_style == ui::BorderStyle::None)
        return {};
    auto margins_of = [](const QWidget* widget) {
        const QRect frame = widget->frameGeometry();
        const QRect inner = widget->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    };
    // The frame is known once the window has been on screen; before that it
    // will be like the opener's, or like another framed window's when the
    // opener's is not known yet (it has only just been shown) or it has none.
    for (const QWidget* known : {static_cast<const QWidget*>(this), opener}) {
        if (known && !margins_of(known).isNull())
            return margins_of(known);
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && !margins_of(other).isNull())
            return margins_of(other);
    }
    return QMargins(4, 30, 4, 4);  // a common title bar and border
}

void WindowView::PlaceForFirstShowing(const QWidget* opener, const QRect& area)
{
    if (placed_)
        return;
    placed_ = true;
    const ui::WindowProps& props = window_.peek();
    const QMargins margins = FrameMargins(opener);
    const QSize frame_size = size().grownBy(margins);
    const QPoint client_at(props.left, props.top);
    QPoint at = client_at;
    switch (props.start_position) {
    case ui::StartPosition::Manual: break;
    case ui::StartPosition::ManualClient: at -= QPoint(margins.left(), margins.top()); break;
    case ui::StartPosition::CenterScreen:
        at = QPoint(area.left() + (area.width() - frame_size.width()) / 2,
                    area.top() + (area.height() - frame_size.height()) / 2);
        break;
    case ui::StartPosition::BesideOpener:
        if (opener)
            at = desktop::PlaceBeside(opener->frameGeometry(), frame_size, area);
        break;
    }
    // Whatever the design says, the title bar opens on screen, clear of the
    // strip, and as much of the window as the screen has room for: a window
    // must never open with its caption, close box or buttons out of reach.
    const QPoint fitted(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame_size.width())),
                        std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame_size.height())));
    if (props.start_position == ui::StartPosition::ManualClient && fitted == at)
        setGeometry(QRect(client_at, size()));
    else
        MoveFrameTo(fitted, margins);
}

void WindowView::MoveFrameTo(const QPoint& at, const QMargins& margins)
{
    // Qt takes a window's position as its frame's until the window has a
    // native window, and then as its client area's while its frame is not
    // known: a window made ahead of its showing (PrepareAhead) would open
    // with its title bar above the place meant, off the top of the screen.
    if (testAttribute(Qt::WA_WState_Created) && frameGeometry() == geometry())
        setGeometry(QRect(at + QPoint(margins.left(), margins.top()), size()));
    else
        move(at);
}

void WindowView::PrepareAhead()
{
    ensurePolished();
    winId();
    if (QBackingStore* store = backingStore(); store && store->size() != size())
        store->resize(size());
    for (auto& [control, entry] : widgets_) {
        if (control->kind() == ui::ControlKind::Image)
            controls::PreparePicture(entry.widget);
    }
}

void WindowView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A window the program hides stays loaded, but its picture on screen is
    // painted anew whenever it is shown again: its backing store (1 to
    // 2.5 MiB) goes back now, and the next paint makes it again.
    if (!event->spontaneous()) {
        if (QBackingStore* store = backingStore(); store && !store->size().isEmpty())
            store->resize(QSize(1, 1));
    }
}

void WindowView::showEvent(QShowEvent* event)
{
    paint_due_ = true;
    QWidget::showEvent(event);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event)
{
    // The client area fills the window and is painted before its controls,
    // in the same pass.
    if (watched == client_ && event->type() == QEvent::Paint && paint_due_) {
        paint_due_ = false;
        emit Painted();
    }
    return QWidget::eventFilter(watched, event);
}

void WindowView::closeEvent(QCloseEvent* event)
{
    // The model decides: a title-bar close unloads the window there, and the
    // renderer then takes this view down.
    event->ignore();
    runtime_.CloseByTitleBar(window_);
}

}  // namespace boxi::desktop
