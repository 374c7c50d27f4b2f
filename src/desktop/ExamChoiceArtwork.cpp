#include "desktop/ExamChoiceArtwork.h"

#include <QFont>
#include <QLinearGradient>

#include "desktop/Fonts.h"
#include "exam/Form12.h"

namespace boxi::desktop {
namespace {

QFont Face(int pixels, bool bold)
{
    QFont font = ModelFont({.name = "黑体", .size = pixels * 72.0 / 96.0, .bold = bold});
    font.setBold(bold);
    return font;
}

void SmallButton(QPainter& p, const QRect& r, const QString& text, QColor face)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(face.darker(140), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::white);
    p.setFont(Face(12, true));
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

// The places follow the window's design: the question region under the
// white label at (168, 64), the sheet's frame at (168, 552), the leave
// button under (960, 8), previous and next under (880, 608) and (952, 608).
void PaintExamChoiceScreen(QPainter& p, const QRect& area)
{
    const QPoint o = area.topLeft();
    auto at = [&o](int x, int y, int w, int h) { return QRect(o.x() + x, o.y() + y, w, h); };
    const QColor blue(22, 78, 150);

    p.fillRect(area, QColor(232, 238, 246));

    // Title bar: exam title, candidate, clock, progress and help.
    QLinearGradient bar(at(0, 0, 1, 64).topLeft(), at(0, 0, 1, 64).bottomLeft());
    bar.setColorAt(0, QColor(40, 110, 190));
    bar.setColorAt(1, QColor(18, 70, 140));
    p.fillRect(at(0, 0, area.width(), 64), bar);
    p.setPen(Qt::white);
    p.setFont(Face(17, true));
    p.drawText(at(16, 6, 520, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("NCRE 无纸化考试 · 二级 MS Office 高级应用"));
    p.setFont(Face(13, false));
    p.setPen(QColor(214, 230, 248));
    p.drawText(at(16, 36, 520, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("考生：模拟1    准考证号：") +
                   QString::fromUtf8(kMockAdmissionNumber.data(), static_cast<qsizetype>(kMockAdmissionNumber.size())) +
                   QString::fromUtf8("    [选择题]"));

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at(600, 18, 26, 26));
    p.drawLine(at(613, 31, 0, 0).topLeft(), at(613, 22, 0, 0).topLeft());
    p.drawLine(at(613, 31, 0, 0).topLeft(), at(620, 35, 0, 0).topLeft());
    p.setFont(Face(13, false));
    p.drawText(at(632, 20, 90, 22), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("考试计时"));
    SmallButton(p, at(760, 19, 76, 26), QString::fromUtf8("作答进度"), QColor(70, 140, 220));
    SmallButton(p, at(848, 19, 56, 26), QString::fromUtf8("帮助"), QColor(70, 140, 220));

    // The button that ends the choice section.
    p.setPen(QPen(QColor(150, 30, 30), 1));
    p.setBrush(QColor(214, 64, 54));
    p.drawRoundedRect(QRectF(at(960, 8, 49, 49)).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(at(975, 14, 19, 19)), 120 * 16, 300 * 16);
    p.drawLine(at(984, 12, 0, 0).topLeft(), at(984, 22, 0, 0).topLeft());
    p.setFont(Face(11, true));
    p.setPen(Qt::white);
    p.drawText(at(960, 36, 49, 18), Qt::AlignCenter, QString::fromUtf8("结束"));

    // Left column: the section and how to answer.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(at(0, 64, 168, area.height() - 64), QColor(214, 226, 242));
    p.fillRect(at(12, 80, 144, 34), blue);
    p.setPen(Qt::white);
    p.setFont(Face(15, true));
    p.drawText(at(12, 80, 144, 34), Qt::AlignCenter, QString::fromUtf8("单项选择题"));
    p.setPen(QColor(40, 60, 90));
    p.setFont(Face(13, false));
    p.drawText(at(16, 128, 140, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8("共 20 题\n\n单击选项作答，\n可随时修改。\n\n单击答题卡上的\n题号可直接跳转。"));

    // Question region and answer sheet, white under the controls.
    p.fillRect(at(168, 64, area.width() - 168, 489), Qt::white);
    p.fillRect(at(168, 553, area.width() - 168, area.height() - 553), QColor(246, 248, 252));
    p.fillRect(at(168, 553, 697, area.height() - 553), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(96, 128, 176), 1));
    p.setBrush(Qt::NoBrush);
    p.setFont(Face(11, false));
    for (int k = 1; k <= 20; ++k) {
        QRect cell = at(168 + 8 + 32 * (k - 1), 552 + 16, 27, 27);
        p.drawEllipse(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5));
    }

    // Answer-sheet heading with the position, previous and next.
    p.setPen(blue);
    p.setFont(Face(14, true));
    p.drawText(at(872, 564, 56, 24), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("答题卡"));
    SmallButton(p, at(880, 608, 65, 17), QString::fromUtf8("上一题"), QColor(60, 130, 210));
    SmallButton(p, at(952, 608, 72, 17), QString::fromUtf8("下一题"), QColor(60, 130, 210));
}

}  // namespace boxi::desktop
