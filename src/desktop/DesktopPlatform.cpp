#include "desktop/DesktopPlatform.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>

#include "desktop/Renderer.h"
#include "platform/LinuxPlatform.h"

namespace boxi::desktop {
namespace {

using platform::MsgAnswer;
using platform::MsgButtons;

// What the box shows of a text: a learner's input may be a megabyte on one
// line or thousands of lines, and the box must stay on screen with its
// buttons in reach. Long lines and many lines are cut for display only.
QString ShownText(const std::string& text)
{
    constexpr qsizetype kLineLength = 120;
    constexpr qsizetype kLines = 24;
    const QString ellipsis = QString::fromUtf8("……");
    QStringList lines = QString::fromStdString(text).split(QChar('\n'));
    if (lines.size() > kLines) {
        lines = lines.mid(0, kLines);
        lines.back() += ellipsis;
    }
    for (QString& line : lines) {
        line.remove(QChar('\r'));
        if (line.size() > kLineLength)
            line = line.left(kLineLength) + ellipsis;
    }
    return lines.join(QChar('\n'));
}

}  // namespace

QString ShownMessageText(const std::string& text) { return ShownText(text); }

void FitTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    // Title bars set their text in bold; the rest is the title bar's icon
    // and buttons.
    QFont font = box.font();
    font.setBold(true);
    int wanted = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + 96;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        wanted = std::min(wanted, screen->availableGeometry().width() - 160);
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

namespace {

MsgAnswer ShowMessageBox(const platform::MessageBoxRequest& request, QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(request.title));
    box.setText(ShownText(request.text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(request.icon == platform::MsgIcon::Question      ? QMessageBox::Question
                : request.icon == platform::MsgIcon::Exclamation ? QMessageBox::Warning
                                                                 : QMessageBox::NoIcon);
    // Above topmost windows such as the steps window.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.setWindowModality(Qt::ApplicationModal);

    std::vector<std::pair<QPushButton*, MsgAnswer>> buttons;
    auto add = [&](const char* text, QMessageBox::ButtonRole role, MsgAnswer answer) {
        buttons.emplace_back(box.addButton(QString::fromUtf8(text), role), answer);
    };
    switch (request.buttons) {
    case MsgButtons::Ok: add("确定", QMessageBox::AcceptRole, MsgAnswer::Ok); break;
    case MsgButtons::OkCancel:
        add("确定", QMessageBox::AcceptRole, MsgAnswer::Ok);
        add("取消", QMessageBox::RejectRole, MsgAnswer::Cancel);
        break;
    case MsgButtons::YesNo:
        add("是(&Y)", QMessageBox::YesRole, MsgAnswer::Yes);
        add("否(&N)", QMessageBox::NoRole, MsgAnswer::No);
        break;
    }
    size_t default_index = std::min<size_t>(static_cast<size_t>(std::max(0, request.default_button)), buttons.size() - 1);
    box.setDefaultButton(buttons[default_index].first);
    // Closing the box with Esc or its close box answers as its last button
    // (Cancel or No), or OK when it has one button.
    box.setEscapeButton(buttons.back().first);
    FitTitle(box);
    box.exec();
    for (auto& [button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return buttons.back().second;
}

}  // namespace

QMessageBox* ShowNotice(const std::string& message, Renderer& renderer)
{
    auto* notice = new QMessageBox(QMessageBox::Information, QString::fromUtf8("无法打开"),
                                   QString::fromStdString(message), QMessageBox::NoButton);
    QPushButton* ok = notice->addButton(QString::fromUtf8("确定"), QMessageBox::AcceptRole);
    notice->setDefaultButton(ok);
    notice->setEscapeButton(ok);
    notice->setTextFormat(Qt::PlainText);
    // Its lines are short and break where the text breaks them: a message
    // box would wrap a long line, a folder path among them, anywhere.
    if (auto* label = notice->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString& line : notice->text().split(QChar('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        int room = 800;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            room = screen->availableGeometry().width() - 160;
        label->setMinimumWidth(std::min(widest + 8, room));
    }
    notice->setAttribute(Qt::WA_DeleteOnClose);
    // It does not hold the program up, and it stays, above every window,
    // topmost ones included, until the learner closes it.
    notice->setWindowModality(Qt::NonModal);
    notice->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint);
    notice->show();
    notice->activateWindow();
    renderer.KeepAbove(notice);
    return notice;
}

void ConnectDesktop(platform::LinuxPlatform& platform, Renderer& renderer)
{
    platform.on_topmost = [&renderer](platform::WindowHandle handle) { renderer.SetTopmost(handle); };
    platform.on_message_box = [&renderer](const platform::MessageBoxRequest& request) {
        return ShowMessageBox(request, renderer.ActiveView());
    };
    platform.on_popup_menu = [](const platform::PopupMenuRequest& request) {
        QMenu menu;
        std::vector<QAction*> actions;
        for (const auto& item : request.items)
            actions.push_back(menu.addAction(QString::fromStdString(item)));
        QAction* chosen = menu.exec(QCursor::pos());
        for (size_t i = 0; i < actions.size(); ++i) {
            if (actions[i] == chosen)
                return static_cast<int>(i);
        }
        return -1;
    };
    platform.on_failure = [&renderer](const std::string& message) { ShowNotice(message, renderer); };
    // A started opener that fails at once says so only on its exit status.
    auto* poll = new QTimer(&renderer);
    poll->setInterval(250);
    QObject::connect(poll, &QTimer::timeout, poll, [&platform, poll] {
        platform.PollChildren();
        if (!platform.watching())
            poll->stop();
    });
    platform.on_watch = [poll] {
        if (!poll->isActive())
            poll->start();
    };
    platform.on_end = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
}

}  // namespace boxi::desktop
