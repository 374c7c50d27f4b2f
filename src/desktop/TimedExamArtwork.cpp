#include "desktop/TimedExamArtwork.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "desktop/Fonts.h"
#include "exam/Form12.h"

namespace boxi::desktop {
namespace {

QFont Song(double points, bool bold = false)
{
    QFont font = ModelFont({.name = "宋体", .size = points, .bold = bold});
    font.setBold(bold);
    return font;
}

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

const QColor kInk(32, 48, 80);
const QColor kFrame(150, 170, 200);
const QColor kFace(128, 128, 255);

// A rounded button face a little larger than the label that lies on it.
void ButtonFace(QPainter& p, const QRect& label)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kFace.darker(140), 1));
    p.setBrush(kFace);
    p.drawRoundedRect(QRectF(label.adjusted(-3, -3, 3, 3)).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

// A small round emblem with one character, for headings.
void Emblem(QPainter& p, const QRectF& r, QColor colour, const QString& mark)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(r);
    p.setPen(Qt::white);
    p.setFont(Song(r.height() * 0.4, true));
    p.drawText(r, Qt::AlignCenter, mark);
}

void PaintToolbar(QPainter& p, const QRect& a)
{
    QLinearGradient band(a.topLeft(), a.bottomLeft());
    band.setColorAt(0, QColor(236, 243, 255));
    band.setColorAt(1, QColor(204, 221, 247));
    p.fillRect(a, band);
    p.setPen(kFrame);
    p.drawRect(a.adjusted(0, 0, -1, -1));

    Emblem(p, QRectF(a.left() + 8, a.top() + 7, 28, 28), QColor(40, 90, 170), Text("考"));
    p.setPen(kInk);
    p.setFont(Song(9));
    p.drawText(QRect(a.left() + 44, a.top() + 3, 250, 17), Qt::AlignLeft | Qt::AlignVCenter, Text("全国计算机等级考试"));
    p.setFont(Song(10.5, true));
    p.drawText(QRect(a.left() + 44, a.top() + 20, 250, 19), Qt::AlignLeft | Qt::AlignVCenter,
               Text("二级MS Office高级应用"));
    p.setFont(Song(9));
    p.drawText(QRect(a.left() + 300, a.top() + 4, 170, 17), Qt::AlignLeft | Qt::AlignVCenter,
               Text("准考证号：") + QString::fromUtf8(kMockAdmissionNumber.data(), kMockAdmissionNumber.size()));
    p.drawText(QRect(a.left() + 300, a.top() + 21, 170, 17), Qt::AlignLeft | Qt::AlignVCenter, Text("姓名：模拟者"));

    // The clock symbol before the minutes.
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF dial(a.left() + 480, a.top() + 11, 20, 20);
    p.setPen(QPen(QColor(0, 0, 160), 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(dial);
    p.drawLine(dial.center(), dial.center() + QPointF(0, -6.5));
    p.drawLine(dial.center(), dial.center() + QPointF(5, 0));

    for (const QRect& label : {QRect(600, 11, 72, 20), QRect(680, 11, 60, 20), QRect(748, 11, 60, 20),
                               QRect(816, 11, 36, 20), QRect(858, 11, 36, 20)})
        ButtonFace(p, label.translated(a.topLeft()));
}

// The progress page: counts bar and legend, the four groups, the bottom line.
void PaintProgressPage(QPainter& p, const QRect& a)
{
    p.fillRect(a, QColor(246, 249, 253));
    p.fillRect(QRect(a.left(), a.top(), a.width(), 60), QColor(222, 232, 246));
    p.setPen(kFrame);
    p.drawLine(a.left(), a.top() + 60, a.right(), a.top() + 60);

    p.setFont(Song(10.5, true));
    p.setPen(kInk);
    const char* counts[] = {"总题量", "已作答", "未作答", "标记"};
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(a.left() + 24 + i * 140, a.top() + 22, 50, 20), Qt::AlignRight | Qt::AlignVCenter,
                   Text(counts[i]));
    // The marked count is only drawn: nothing marks an item here.
    p.setFont(Song(10.5));
    p.drawText(QRect(a.left() + 496, a.top() + 22, 8, 20), Qt::AlignCenter, Text("["));
    p.fillRect(QRect(a.left() + 504, a.top() + 22, 32, 20), QColor(224, 224, 224));
    p.drawText(QRect(a.left() + 504, a.top() + 22, 32, 20), Qt::AlignCenter, Text("0"));
    p.drawText(QRect(a.left() + 536, a.top() + 22, 8, 20), Qt::AlignCenter, Text("]"));

    // Legend: answered, unanswered, marked.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(Song(9));
    const int lx = a.left() + 580, ly = a.top() + 32;
    p.setPen(QPen(QColor(64, 96, 160), 1));
    p.setBrush(QColor(0, 255, 0));
    p.drawEllipse(QPointF(lx, ly), 7, 7);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(lx + 70, ly), 7, 7);
    QPainterPath wave;
    wave.moveTo(lx + 132, ly);
    for (int i = 0; i < 4; ++i)
        wave.quadTo(lx + 134 + i * 4, ly + (i % 2 ? 4 : -4), lx + 136 + i * 4, ly);
    p.setPen(QPen(QColor(200, 60, 60), 1.5));
    p.drawPath(wave);
    p.setPen(kInk);
    p.drawText(QRect(lx + 10, ly - 9, 50, 18), Qt::AlignLeft | Qt::AlignVCenter, Text("已作答"));
    p.drawText(QRect(lx + 80, ly - 9, 50, 18), Qt::AlignLeft | Qt::AlignVCenter, Text("未作答"));
    p.drawText(QRect(lx + 152, ly - 9, 40, 18), Qt::AlignLeft | Qt::AlignVCenter, Text("标记"));

    struct Group {
        QRect box;
        const char* name;
        const char* mark;
        QColor colour;
    };
    const Group groups[] = {
        {{16, 68, 768, 112}, "选择题", "选", QColor(60, 110, 190)},
        {{16, 188, 768, 80}, "字处理", "W", QColor(43, 87, 154)},
        {{16, 276, 768, 80}, "电子表格", "X", QColor(33, 115, 70)},
        {{16, 364, 768, 80}, "演示文稿", "P", QColor(196, 80, 40)},
    };
    for (const Group& g : groups) {
        const QRect box = g.box.translated(a.topLeft());
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(kFrame);
        p.setBrush(Qt::white);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.fillRect(QRect(box.left() + 1, box.top() + 1, box.width() - 2, 24), QColor(232, 239, 250));
        Emblem(p, QRectF(box.left() + 6, box.top() + 3, 20, 20), g.colour, Text(g.mark));
        p.setPen(kInk);
        p.setFont(Song(10.5, true));
        p.drawText(QRect(box.left() + 32, box.top() + 1, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, Text(g.name));
    }

    // The bottom line: the confirmation question and the button faces.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(a.left(), a.top() + 468, a.width(), a.height() - 468), QColor(222, 232, 246));
    p.setPen(kFrame);
    p.drawLine(a.left(), a.top() + 468, a.right(), a.top() + 468);
    p.fillRect(QRect(a.left() + 32, a.top() + 526, 272, 30), Qt::white);
}

// The result table on the left, the panes' ground on the right and the bar
// beneath. The table prints headings, numbers, points and types only.
void PaintReviewTable(QPainter& p, const QRect& a)
{
    p.fillRect(a, Qt::white);
    const int columns[] = {0, 72, 136, 208, 264, 330, 392};
    const char* heads[] = {"题号", "分值", "考生得分", "题型", "标准答案", "考生答案"};
    const int header = 30, row = 24, rows = 23;
    const int bottom = header + rows * row;
    p.fillRect(QRect(a.left(), a.top(), columns[6], header), QColor(214, 226, 244));
    for (int r = 1; r <= rows; ++r) {
        if (r % 2 == 0)
            p.fillRect(QRect(a.left(), a.top() + header + (r - 1) * row, columns[6], row), QColor(247, 250, 255));
    }
    p.setPen(kFrame);
    for (int x : columns)
        p.drawLine(a.left() + x, a.top(), a.left() + x, a.top() + bottom);
    for (int r = 0; r <= rows; ++r)
        p.drawLine(a.left(), a.top() + header + r * row, a.left() + columns[6], a.top() + header + r * row);
    p.drawLine(a.left(), a.top(), a.left() + columns[6], a.top());

    p.setPen(kInk);
    p.setFont(Song(9, true));
    for (int c = 0; c < 6; ++c)
        p.drawText(QRect(a.left() + columns[c], a.top(), columns[c + 1] - columns[c], header), Qt::AlignCenter,
                   Text(heads[c]));
    p.setFont(Song(9));
    const char* operation_types[] = {"字处理", "电子表格", "演示文稿"};
    const char* operation_points[] = {"30", "30", "20"};
    for (int r = 1; r <= rows; ++r) {
        const int top = a.top() + header + (r - 1) * row;
        const bool choice = r <= 20;
        p.drawText(QRect(a.left() + columns[1], top, columns[2] - columns[1], row), Qt::AlignCenter,
                   choice ? Text("1") : Text(operation_points[r - 21]));
        p.drawText(QRect(a.left() + columns[3], top, columns[4] - columns[3], row), Qt::AlignCenter,
                   choice ? Text("选择题") : Text(operation_types[r - 21]));
    }

    // The ground of the two panes and of the bar beneath the table.
    p.fillRect(QRect(a.left() + 392, a.top(), a.width() - 392, a.height()), QColor(236, 240, 246));
    p.fillRect(QRect(a.left(), a.top() + bottom + 2, columns[6], a.height() - bottom - 2), QColor(236, 240, 246));
}

}  // namespace

bool PaintTimedExamArtwork(QPainter& painter, const QRect& area, const std::string& key)
{
    if (key == "exam.toolbar")
        PaintToolbar(painter, area);
    else if (key == "exam.progress")
        PaintProgressPage(painter, area);
    else if (key == "exam.review")
        PaintReviewTable(painter, area);
    else
        return false;
    return true;
}

}  // namespace boxi::desktop
