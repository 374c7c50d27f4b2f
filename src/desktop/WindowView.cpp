#include "desktop/WindowView.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
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

    const controls::ControlHost host{runtime_, this, syncing_, [this] { Sync(); },
                                     [this] { PressDesignated(&ui::Props::default_button); }};
    for (ui::Control* control : window.controls()) {
        if (QWidget* widget = Create(*control, host)) {
            std::string name = control->name();
            if (control->index() >= 0) {
                name += '(';
                name += std::to_string(control->index());
                name += ')';
            }
            widget->setObjectName(QString::fromStdString(name));
            // A control that is no tab stop is still reached by a click.
            if (!control->peek().tab_stop && (widget->focusPolicy() & Qt::TabFocus))
                widget->setFocusPolicy(Qt::ClickFocus);
            widgets_[control] = {widget, ~std::uint64_t{0}};
        }
    }
    BuildTabOrder();

    Sync();
}

namespace {

// Where a control stands in the client area, from the model's design.
ui::Rect OnClient(const ui::Control& control)
{
    ui::Rect rect = control.peek().rect;
    for (const ui::Control* c = control.container(); c; c = c->container()) {
        rect.left += c->peek().rect.left;
        rect.top += c->peek().rect.top;
    }
    return rect;
}

// Whether `a` is read before `b`, left to right and top to bottom: a line
// above comes first, and of two side by side the one on the left.
bool ReadBefore(const ui::Rect& a, const ui::Rect& b)
{
    if (a.top + a.height <= b.top)
        return true;
    if (b.top + b.height <= a.top)
        return false;
    return a.left < b.left;
}

bool TopThenLeft(const ui::Rect& a, const ui::Rect& b)
{
    return a.top != b.top ? a.top < b.top : a.left < b.left;
}

// A picture or label with a click handler: a button with no tab index of
// its own in the design.
bool IsPictureOrLabelButton(const ui::Control& control)
{
    return (control.kind() == ui::ControlKind::Image || control.kind() == ui::ControlKind::Label) &&
           static_cast<const ui::Clickable&>(control).has_click_handler();
}

}  // namespace

// Tab order: controls that have a tab index keep the design's order. The
// picture and label buttons have none: each, with the rest of its control
// array in screen order, goes before the control that follows it on
// screen, so that Tab goes round the window as it reads.
void WindowView::BuildTabOrder()
{
    struct Stop {
        ui::Control* control;
        QWidget* widget;
        ui::Rect at;
    };
    std::vector<Stop> indexed;
    std::vector<std::vector<Stop>> buttons;
    for (ui::Control* control : window_.controls()) {
        auto it = widgets_.find(control);
        if (it == widgets_.end() || !(it->second.widget->focusPolicy() & Qt::TabFocus))
            continue;
        const Stop stop{control, it->second.widget, OnClient(*control)};
        if (!IsPictureOrLabelButton(*control)) {
            indexed.push_back(stop);
            continue;
        }
        const ui::Control* last = buttons.empty() ? nullptr : buttons.back().front().control;
        if (last && control->index() >= 0 && last->index() >= 0 && last->name() == control->name())
            buttons.back().push_back(stop);
        else
            buttons.push_back({stop});
    }
    std::stable_sort(indexed.begin(), indexed.end(), [](const Stop& a, const Stop& b) {
        return a.control->peek().tab_index < b.control->peek().tab_index;
    });
    auto reads_first = [](const Stop& a, const Stop& b) { return TopThenLeft(a.at, b.at); };
    for (auto& group : buttons)
        std::stable_sort(group.begin(), group.end(), reads_first);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [&](const auto& a, const auto& b) { return reads_first(a.front(), b.front()); });

    // The control that follows a button on screen, of those with an index.
    std::vector<const Stop*> on_screen;
    for (const Stop& stop : indexed)
        on_screen.push_back(&stop);
    std::stable_sort(on_screen.begin(), on_screen.end(),
                     [&](const Stop* a, const Stop* b) { return reads_first(*a, *b); });
    auto follower = [&](const Stop& first) -> ui::Control* {
        for (const Stop* stop : on_screen) {
            if (ReadBefore(first.at, stop->at))
                return stop->control;
        }
        return nullptr;
    };

    std::vector<QWidget*> order;
    auto add_buttons_before = [&](const ui::Control* next) {
        for (const auto& group : buttons) {
            if (follower(group.front()) == next) {
                for (const Stop& stop : group)
                    order.push_back(stop.widget);
            }
        }
    };
    for (const Stop& stop : indexed) {
        add_buttons_before(stop.control);
        order.push_back(stop.widget);
    }
    add_buttons_before(nullptr);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
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
    if (changed) {
        KeepCoveredButtonsOutOfTabOrder();
        OneTabStopPerOptionGroup();
    }
    if (window_.focus_serial() != focus_serial_) {
        focus_serial_ = window_.focus_serial();
        if (ui::Control* focused = window_.focused()) {
            auto it = widgets_.find(focused);
            if (it != widgets_.end())
                it->second.widget->setFocus(Qt::OtherFocusReason);
        }
    } else if (changed) {
        FocusWhenNoneHeld();
    }
    syncing_ = false;
}

// An active window whose focus had nowhere to go (the lock's entry is hidden
// until it asks for the password) gives it to the model's focused control
// as soon as that appears, so that what the learner types reaches it.
void WindowView::FocusWhenNoneHeld()
{
    if (!isActiveWindow())
        return;
    if (const QWidget* held = QApplication::focusWidget(); held && held->window() == this)
        return;
    ui::Control* focused = window_.focused();
    auto it = focused ? widgets_.find(focused) : widgets_.end();
    if (it == widgets_.end())
        return;
    QWidget* widget = it->second.widget;
    if (widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus)
        widget->setFocus(Qt::OtherFocusReason);
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

// A picture or label button that a frame or another control covers whole
// (the buttons of a window's own surface under a frame that fills it)
// cannot be clicked; Tab must not reach it either, or Enter would press a
// button the learner cannot see.
void WindowView::KeepCoveredButtonsOutOfTabOrder()
{
    for (auto& [control, entry] : widgets_) {
        if (!IsPictureOrLabelButton(*control))
            continue;
        const Qt::FocusPolicy open = control->peek().tab_stop ? Qt::StrongFocus : Qt::ClickFocus;
        entry.widget->setFocusPolicy(CoveredBySibling(entry.widget) ? Qt::NoFocus : open);
    }
}

// As on Windows, the option buttons of one container (a frame or the window)
// are one Tab stop: Tab enters the group at its selected option, or at the
// first in tab order while none is selected, and leaves it in one press;
// the arrows move within it. The other options still take the focus from a
// click, an arrow or the window's code. The stop follows the selection,
// whoever changed it.
void WindowView::OneTabStopPerOptionGroup()
{
    struct Group {
        const ui::Control* container;
        QWidget* stop;
        bool selected;
        int tab_index;
    };
    std::vector<Group> groups;
    std::vector<QWidget*> options;
    for (ui::Control* control : window_.controls()) {
        auto it = widgets_.find(control);
        const ui::Props& p = control->peek();
        if (control->kind() != ui::ControlKind::OptionButton || it == widgets_.end() || !p.tab_stop)
            continue;
        QWidget* widget = it->second.widget;
        options.push_back(widget);
        if (!widget->isVisibleTo(client_) || !widget->isEnabled())
            continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const Group& g) { return g.container == control->container(); });
        if (group == groups.end()) {
            groups.push_back({control->container(), widget, p.value == 1, p.tab_index});
        } else if (!group->selected && (p.value == 1 || p.tab_index < group->tab_index)) {
            *group = {control->container(), widget, p.value == 1, p.tab_index};
        }
    }
    for (QWidget* widget : options) {
        const bool stop = std::any_of(groups.begin(), groups.end(), [&](const Group& g) { return g.stop == widget; });
        widget->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
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

// The control whose widget is `widget` or holds it (a combo box holds its
// entry); the innermost, not the frame around it.
ui::Control* WindowView::ControlOf(const QWidget* widget) const
{
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        for (const auto& [control, entry] : widgets_) {
            if (entry.widget == w)
                return control;
        }
    }
    return nullptr;
}

// Clicks the control the design marks as the window's forward button or
// its way back; false when there is none the learner could reach.
bool WindowView::PressDesignated(bool ui::Props::*designation)
{
    for (ui::Control* control : window_.controls()) {
        const ui::ControlKind kind = control->kind();
        const bool button = kind == ui::ControlKind::CommandButton || kind == ui::ControlKind::Image ||
                            kind == ui::ControlKind::Label;
        if (button && control->peek().*designation)
            return runtime_.Click(static_cast<ui::Clickable&>(*control));
    }
    return false;
}

// Enter in a one-line entry, a list or a combo box presses the forward
// button; buttons take Enter themselves, and a box of several lines keeps
// it as a line break.
bool WindowView::EnterPressesDefault()
{
    const ui::Control* control = ControlOf(QApplication::focusWidget());
    if (!control)
        return false;
    const ui::ControlKind kind = control->kind();
    const bool entry = (kind == ui::ControlKind::TextBox && !control->peek().multiline) ||
                       kind == ui::ControlKind::ListBox || kind == ui::ControlKind::ComboBox;
    return entry && PressDesignated(&ui::Props::default_button);
}

// Keys that the focused control leaves to its window: Esc presses the way
// back (or closes a small window that has none), Enter the forward button,
// and F6 goes to the exam toolbar and back.
void WindowView::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->key() == Qt::Key_F6) {
            emit StripKeyPressed();
            return;
        }
        const bool escape = event->key() == Qt::Key_Escape;
        if ((escape || controls::IsEnter(event)) && !event->isAutoRepeat()) {
            bool pressed = false;
            if (escape)
                pressed = PressDesignated(&ui::Props::cancel_button) ||
                          (window_.peek().escape_closes && runtime_.CloseByTitleBar(window_));
            else
                pressed = EnterPressesDefault();
            if (pressed)
                return;
        }
    }
    QWidget::keyPressEvent(event);
}

void WindowView::closeEvent(QCloseEvent* event)
{
    // The model decides: a title-bar close unloads the window there, and the
    // renderer then takes this view down.
    event->ignore();
    runtime_.CloseByTitleBar(window_);
}

}  // namespace boxi::desktop
