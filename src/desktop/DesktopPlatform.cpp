#include "desktop/DesktopPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
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
    box.exec();
    for (auto& [button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return buttons.back().second;
}

void ShowNotice(const std::string& message)
{
    auto* notice = new QMessageBox(QMessageBox::Information, QString::fromUtf8("无法打开"),
                                   QString::fromStdString(message), QMessageBox::Ok);
    notice->setTextFormat(Qt::PlainText);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    notice->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    notice->show();
    QTimer::singleShot(8000, notice, &QWidget::close);
}

}  // namespace

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
    platform.on_failure = [](const std::string& message) { ShowNotice(message); };
    platform.on_end = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
}

}  // namespace boxi::desktop
