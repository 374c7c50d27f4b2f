#include "desktop/WindowView.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QWheelEvent>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <functional>
#include <type_traits>
#include <limits>

#include "desktop/Artwork.h"
#include "desktop/Fonts.h"
#include "desktop/FilePages.h"
#include "desktop/Placement.h"
#include "ui/Controls.h"
#include "ui/Runtime.h"
#include "ui/Window.h"

namespace boxi::desktop {
namespace {

using MouseCallback = std::function<void(int button, int shift, int x, int y)>;

QString ToWidget(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

std::string FromWidget(const QString& text)
{
    QString result = text;
    result.replace(QChar(0x2029), QChar('\n'));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QChar('\r'), QChar('\n'));
    result.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return result.toStdString();
}

// Button-like captions are shown as they stand: "&" is no mnemonic there.
QString Literal(const std::string& text)
{
    QString result = ToWidget(text);
    result.replace(QChar('&'), QStringLiteral("&&"));
    return result;
}

int ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return ui::kLeftButton;
    case Qt::RightButton: return ui::kRightButton;
    case Qt::MiddleButton: return ui::kMiddleButton;
    default: return 0;
    }
}

int ShiftOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

QColor Resolve(ui::Color color, const QPalette& palette)
{
    if (!color.is_set())
        return palette.color(QPalette::Window);
    if (!color.is_system())
        return QColor(color.r(), color.g(), color.b());
    using S = ui::SysColor;
    switch (color.system_index()) {
    case S::ButtonFace: return palette.color(QPalette::Button);
    case S::ButtonText: return palette.color(QPalette::ButtonText);
    case S::Window: return palette.color(QPalette::Base);
    case S::WindowText: return palette.color(QPalette::Text);
    case S::Highlight: return palette.color(QPalette::Highlight);
    case S::HighlightText: return palette.color(QPalette::HighlightedText);
    case S::GrayText: return palette.color(QPalette::Disabled, QPalette::Text);
    case S::ButtonShadow: return palette.color(QPalette::Mid);
    case S::ButtonHighlight: return palette.color(QPalette::Light);
    case S::InactiveCaptionText: return palette.color(QPalette::Inactive, QPalette::WindowText);
    case S::Menu: return palette.color(QPalette::Window);
    case S::MenuText: return palette.color(QPalette::WindowText);
    default: return palette.color(QPalette::Window);
    }
}

// Turns presses and releases into the model's mouse-down and click: a click
// is a left press and release over the same widget.
class ClickTracker {
public:
    MouseCallback on_mouse_down;
    std::function<void()> on_click;

    void Press(QWidget* widget, QMouseEvent* event)
    {
        pressed_ = event->button() == Qt::LeftButton;
        if (on_mouse_down)
            on_mouse_down(ButtonOf(event->button()), ShiftOf(event->modifiers()), event->position().toPoint().x(),
                          event->position().toPoint().y());
        (void)widget;
    }
    void Release(QWidget* widget, QMouseEvent* event)
    {
        bool was_pressed = pressed_;
        pressed_ = false;
        if (was_pressed && event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint()) &&
            on_click)
            on_click();
    }

private:
    bool pressed_ = false;
};

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    ClickTracker tracker;
    bool flat_border = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!flat_border)
            return;
        // One flat dark line round the label, whatever its text colour.
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 0), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* event) override { tracker.Press(this, event); }
    void mouseReleaseEvent(QMouseEvent* event) override { tracker.Release(this, event); }
};

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

// A button, option or check box that marks its focus however the focus came
// to it, as the pictures and coloured buttons do: the style would otherwise
// mark it only once the keyboard has moved the focus, so a window opening
// with the focus on a button would not show which one Enter presses.
template <typename Base>
class FocusMarked : public Base {
public:
    using Base::Base;

protected:
    void initStyleOption(QStyleOptionButton* option) const override
    {
        Base::initStyleOption(option);
        // A coloured button draws its own mark from its style sheet.
        if (this->hasFocus() && this->styleSheet().isEmpty())
            option->state |= QStyle::State_KeyboardFocusChange;
        // A check box too narrow for its caption (the caption drawn in the
        // artwork beside it) is only its box, and so is its focus mark.
        if constexpr (std::is_same_v<Base, QCheckBox>) {
            const int box = this->style()->pixelMetric(QStyle::PM_IndicatorWidth, option, this);
            if (this->width() < box + option->fontMetrics.horizontalAdvance(option->text))
                option->text.clear();
        }
    }
};

// A command button that Enter presses too, as on Windows, where Enter and
// Space both press the button with the focus. Auto-repeat presses once.
class ModelButton : public FocusMarked<QPushButton> {
public:
    using FocusMarked::FocusMarked;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (IsEnter(event) && event->modifiers() == Qt::NoModifier) {
            if (!event->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A picture. One that acts as a button (its control has a click handler)
// takes the focus with Tab or a click, shows a focus mark, and Enter or
// Space presses it.
class PictureWidget : public QWidget {
public:
    using QWidget::QWidget;
    ClickTracker tracker;
    std::string picture;

    // Has the picture ready (unpacked, or its rows found) before the first
    // paint asks for it.
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
            const QColor mark = palette().color(QPalette::Highlight);
            painter.setPen(QPen(mark, 3));
            painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
            painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
            painter.drawRect(QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5));
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

// A text box. Guarded boxes (those with a mouse-down handler in the model)
// never show the toolkit's own edit menu: their right press goes to the
// model, which pops up the window's one-item menu instead.
template <typename Base>
class ModelTextBox : public Base {
public:
    using Base::Base;
    MouseCallback on_mouse_down;
    bool guarded = false;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (on_mouse_down) {
            auto pos = event->position().toPoint();
            if (guarded && event->button() == Qt::RightButton) {
                on_mouse_down(ButtonOf(event->button()), ShiftOf(event->modifiers()), pos.x(), pos.y());
                return;
            }
            Base::mousePressEvent(event);
            on_mouse_down(ButtonOf(event->button()), ShiftOf(event->modifiers()), pos.x(), pos.y());
            return;
        }
        Base::mousePressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (guarded)
            return;
        Base::contextMenuEvent(event);
    }
};

// A combo box that neither inserts typed text on Enter nor changes on the
// mouse wheel.
class ModelCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

void ApplyColors(QWidget* widget, const ui::Props& props, bool fill)
{
    QPalette pal = widget->palette();
    QColor fore = Resolve(props.fore, QGuiApplication::palette());
    QColor back = Resolve(props.back, QGuiApplication::palette());
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    pal.setColor(QPalette::ButtonText, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    widget->setPalette(pal);
    widget->setAutoFillBackground(fill);
}

Qt::Alignment AlignmentOf(ui::Align align)
{
    switch (align) {
    case ui::Align::Left: return Qt::AlignLeft;
    case ui::Align::Right: return Qt::AlignRight;
    case ui::Align::Center: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

}  // namespace

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
    const int top = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
    client_->setGeometry(0, top, props.client_width, props.client_height);
    if (props.border_style == ui::BorderStyle::Sizable) {
        // Resizing and maximising move no control: the client area only
        // grows with the window, so its background fills what is new.
        resize(props.client_width, props.client_height + top);
        setMinimumSize(120, top + 40);
    } else {
        setFixedSize(props.client_width, props.client_height + top);
    }

    for (ui::Control* control : window.controls()) {
        if (QWidget* widget = Create(*control)) {
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

    if (props.start_position == ui::StartPosition::CenterScreen) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    } else {
        // A designed position stays, as far as the screen allows: a window
        // must never open with its buttons out of reach. A window that opens
        // beside its opener starts there too until the renderer places it.
        QPoint at(props.left, props.top);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect area = screen->availableGeometry();
            at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - width())));
            at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - height())));
        }
        move(at);
    }
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

QWidget* WindowView::Create(ui::Control& control)
{
    QWidget* parent = ParentFor(control);
    auto& runtime = runtime_;
    switch (control.kind()) {
    case ui::ControlKind::Label: {
        auto& label = static_cast<ui::Label&>(control);
        auto* widget = new ClickLabel(parent);
        widget->setTextFormat(Qt::PlainText);
        widget->tracker.on_click = [&runtime, &label] { runtime.Click(label); };
        widget->tracker.on_mouse_down = [&runtime, &label](int b, int s, int x, int y) {
            if (label.on_mouse_down)
                runtime.MouseDown(label, b, s, x, y);
        };
        return widget;
    }
    case ui::ControlKind::Image: {
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
    case ui::ControlKind::CommandButton: {
        auto& button = static_cast<ui::CommandButton&>(control);
        auto* widget = new ModelButton(parent);
        widget->setAutoDefault(false);
        connect(widget, &QPushButton::clicked, this, [&runtime, &button] { runtime.Click(button); });
        return widget;
    }
    case ui::ControlKind::TextBox: {
        auto& box = static_cast<ui::TextBox&>(control);
        auto mouse = [&runtime, &box](int b, int s, int x, int y) { runtime.MouseDown(box, b, s, x, y); };
        if (control.peek().multiline) {
            auto* widget = new ModelTextBox<QPlainTextEdit>(parent);
            // Tab moves on, as in a Windows text box, so no box traps the
            // keyboard.
            widget->setTabChangesFocus(true);
            widget->guarded = static_cast<bool>(box.on_mouse_down);
            if (widget->guarded)
                widget->on_mouse_down = mouse;
            connect(widget, &QPlainTextEdit::textChanged, this, [this, widget, &runtime, &box] {
                if (!syncing_)
                    runtime.Type(box, FromWidget(widget->toPlainText()));
            });
            return widget;
        }
        auto* widget = new ModelTextBox<QLineEdit>(parent);
        // A text box takes any length: the toolkit's default limit would cut
        // a long entry short and send the cut text back at the next edit.
        widget->setMaxLength(std::numeric_limits<int>::max());
        widget->guarded = static_cast<bool>(box.on_mouse_down);
        if (widget->guarded)
            widget->on_mouse_down = mouse;
        connect(widget, &QLineEdit::textEdited, this,
                [&runtime, &box](const QString& text) { runtime.Type(box, FromWidget(text)); });
        return widget;
    }
    case ui::ControlKind::ListBox: {
        auto& list = static_cast<ui::ListBox&>(control);
        auto* widget = new QListWidget(parent);
        widget->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(widget, &QListWidget::currentRowChanged, this, [this, &runtime, &list](int row) {
            if (!syncing_ && row >= 0)
                runtime.Select(list, row);
        });
        // A single-selection list keeps its selection: Ctrl+click cannot clear it.
        connect(widget, &QListWidget::itemSelectionChanged, this, [widget, &list] {
            int index = list.peek().list_index;
            if (widget->selectedItems().isEmpty() && index >= 0 && index < widget->count())
                widget->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        });
        return widget;
    }
    case ui::ControlKind::ComboBox: {
        auto& combo = static_cast<ui::ComboBox&>(control);
        auto* widget = new ModelCombo(parent);
        widget->setEditable(true);
        widget->setInsertPolicy(QComboBox::NoInsert);
        widget->setMaxVisibleItems(12);
        connect(widget, &QComboBox::activated, this, [&runtime, &combo](int index) { runtime.Select(combo, index); });
        connect(widget->lineEdit(), &QLineEdit::textEdited, this,
                [&runtime, &combo](const QString& text) { runtime.Type(combo, FromWidget(text)); });
        return widget;
    }
    case ui::ControlKind::OptionButton: {
        auto& option = static_cast<ui::OptionButton&>(control);
        auto* widget = new FocusMarked<QRadioButton>(parent);
        // The model keeps the group: none selected must stay possible.
        widget->setAutoExclusive(false);
        connect(widget, &QRadioButton::clicked, this, [this, &runtime, &option] {
            runtime.Click(option);
            Sync();
        });
        return widget;
    }
    case ui::ControlKind::CheckBox: {
        auto& check = static_cast<ui::CheckBox&>(control);
        auto* widget = new FocusMarked<QCheckBox>(parent);
        connect(widget, &QCheckBox::clicked, this, [this, &runtime, &check] {
            runtime.Click(check);
            Sync();
        });
        return widget;
    }
    case ui::ControlKind::Frame: {
        if (control.peek().caption.empty()) {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::StyledPanel);
            frame->setFrameShadow(QFrame::Sunken);
            return frame;
        }
        return new QGroupBox(parent);
    }
    case ui::ControlKind::Shape:
        return new ShapeWidget(parent);
    case ui::ControlKind::Line: {
        auto* widget = new LineWidget(parent);
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        return widget;
    }
    case ui::ControlKind::Timer:
    case ui::ControlKind::Menu:
        return nullptr;
    }
    return nullptr;
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
        QMenu* qmenu = menu_bar_->addMenu(ToWidget(menu->peek().caption));
        for (ui::Menu* item : menu->items()) {
            QAction* action = qmenu->addAction(ToWidget(item->peek().caption));
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
    const QString title = ToWidget(props.caption);
    setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, Resolve(props.back, QGuiApplication::palette()));
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
    const ui::Rect& r = p.rect;
    widget->setFont(ModelFont(p.font));
    widget->setEnabled(p.enabled);
    widget->setCursor(p.mouse_pointer == ui::MousePointer::Link ? Qt::PointingHandCursor : Qt::ArrowCursor);

    switch (control.kind()) {
    case ui::ControlKind::Label: {
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
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::Image: {
        auto* picture = static_cast<PictureWidget*>(widget);
        picture->picture = p.picture;
        picture->update();
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::CommandButton: {
        auto* button = static_cast<QPushButton*>(widget);
        button->setText(Literal(p.caption));
        if (p.style == ui::ButtonStyle::Graphical) {
            QColor back = Resolve(p.back, QGuiApplication::palette());
            QColor fore = Resolve(p.fore, QGuiApplication::palette());
            // A coloured button draws its own frame, so it draws its own
            // focus mark too: the highlight colour that marks the focus on
            // the other buttons, in a ring of two pixels.
            QColor mark = QGuiApplication::palette().color(QPalette::Highlight);
            button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3; "
                                                 "border-radius: 3px; padding: 2px 6px; }"
                                                 "QPushButton:pressed { background-color: %4; }"
                                                 "QPushButton:focus { border: 2px solid %5; padding: 1px 5px; }")
                                      .arg(back.name(), fore.name(), back.darker(160).name(), back.darker(115).name(),
                                           mark.name()));
        }
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::TextBox: {
        ApplyColors(widget, p, false);
        if (auto* edit = dynamic_cast<QPlainTextEdit*>(widget)) {
            QString text = ToWidget(p.text);
            if (edit->toPlainText() != text)
                edit->setPlainText(text);
            edit->setReadOnly(p.locked);
            edit->setVerticalScrollBarPolicy(p.scrollbars == ui::ScrollBars::Vertical || p.scrollbars == ui::ScrollBars::Both
                                                 ? Qt::ScrollBarAlwaysOn
                                                 : Qt::ScrollBarAlwaysOff);
            bool horizontal = p.scrollbars == ui::ScrollBars::Horizontal || p.scrollbars == ui::ScrollBars::Both;
            edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            edit->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        } else if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
            QString text = ToWidget(p.text);
            if (line->text() != text)
                line->setText(text);
            line->setReadOnly(p.locked);
            line->setEchoMode(p.password_char.empty() ? QLineEdit::Normal : QLineEdit::Password);
            // The model's mask character, not the style's bullet.
            if (!p.password_char.empty())
                line->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                                        .arg(QString::fromStdString(p.password_char).at(0).unicode()));
            line->setAlignment(AlignmentOf(p.alignment) | Qt::AlignVCenter);
        }
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        QStringList items;
        for (const auto& item : p.items)
            items << ToWidget(item);
        QStringList current;
        for (int i = 0; i < list->count(); ++i)
            current << list->item(i)->text();
        if (current != items) {
            list->clear();
            list->addItems(items);
        }
        if (list->currentRow() != p.list_index || list->selectedItems().isEmpty())
            list->setCurrentRow(p.list_index, QItemSelectionModel::ClearAndSelect);
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        QStringList items;
        for (const auto& item : p.items)
            items << ToWidget(item);
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
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::OptionButton:
    case ui::ControlKind::CheckBox: {
        auto* button = static_cast<QAbstractButton*>(widget);
        button->setText(Literal(p.caption));
        button->setChecked(p.value == 1);
        ApplyColors(widget, p, p.back_style == ui::BackStyle::Opaque && p.back != ui::colors::kButtonFace);
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::Frame: {
        if (auto* group = dynamic_cast<QGroupBox*>(widget))
            group->setTitle(Literal(p.caption));
        ApplyColors(widget, p, false);
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::Shape: {
        auto* shape = static_cast<ShapeWidget*>(widget);
        shape->props = p;
        shape->update();
        widget->setGeometry(r.left, r.top, r.width, r.height);
        break;
    }
    case ui::ControlKind::Line: {
        auto* line = static_cast<LineWidget*>(widget);
        const int pad = std::max(1, p.border_width);
        const int left = std::min(p.x1, p.x2) - pad, top = std::min(p.y1, p.y2) - pad;
        line->setGeometry(left, top, std::abs(p.x2 - p.x1) + 2 * pad + 1, std::abs(p.y2 - p.y1) + 2 * pad + 1);
        line->from = QPoint(p.x1 - left, p.y1 - top);
        line->to = QPoint(p.x2 - left, p.y2 - top);
        line->color = Resolve(p.border_color, QGuiApplication::palette());
        line->width = p.border_width;
        line->update();
        break;
    }
    case ui::ControlKind::Timer:
    case ui::ControlKind::Menu:
        break;
    }
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
    const ui::WindowProps& props = window_.peek();
    const int top = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
    client_->resize(std::max(props.client_width, width()), std::max(props.client_height, height() - top));
}

void WindowView::PlaceBeside(const QWidget* opener)
{
    const ui::WindowProps& props = window_.peek();
    if (props.start_position != ui::StartPosition::BesideOpener || !opener || placed_)
        return;
    placed_ = true;
    QScreen* screen = opener->screen() ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // This window has no frame yet; it will have one like the opener's, or
    // like another framed window's when the opener's is not known yet (it
    // has only just been shown) or it has none.
    auto margins_of = [](const QWidget* widget) {
        const QRect frame = widget->frameGeometry();
        const QRect inner = widget->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    };
    QMargins margins = margins_of(opener);
    if (margins.isNull() && props.border_style != ui::BorderStyle::None) {
        for (const QWidget* other : QApplication::topLevelWidgets()) {
            if (other->isVisible() && !margins_of(other).isNull()) {
                margins = margins_of(other);
                break;
            }
        }
        if (margins.isNull())
            margins = QMargins(4, 30, 4, 4);  // a common title bar and border
    }
    const QSize frame_size = size().grownBy(margins);
    const QPoint at = desktop::PlaceBeside(opener->frameGeometry(), frame_size, screen->availableGeometry());
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
            static_cast<PictureWidget*>(entry.widget)->Prepare();
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
