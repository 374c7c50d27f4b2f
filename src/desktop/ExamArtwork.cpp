#include "desktop/ExamArtwork.h"

#include <QFont>
#include <QLinearGradient>

#include "desktop/Fonts.h"
#include "exam/ExamScreens.h"

namespace boxi::desktop {
namespace {

namespace screens = exam_screens;

const QColor kInk(30, 40, 60);
const QColor kHeaderTop(22, 74, 146);
const QColor kHeaderBottom(14, 52, 110);
const QColor kPage(236, 241, 248);

QFont Face(int pixels, bool bold = false)
{
    QFont font = ModelFont({.name = "黑体", .size = pixels * 72.0 / 96.0, .bold = bold});
    font.setBold(bold);
    return font;
}

QFont Song(int pixels, bool bold = false)
{
    QFont font = ModelFont({.name = "宋体", .size = pixels * 72.0 / 96.0, .bold = bold});
    font.setBold(bold);
    return font;
}

QRect R(const ui::Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

QString T(const char* utf8) { return QString::fromUtf8(utf8); }

void Button(QPainter& p, const QRect& r, const QString& text, QColor top, QColor bottom, int pixels = 15)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(135), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(Qt::white);
    p.setFont(Face(pixels, true));
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

void BlueButton(QPainter& p, const QRect& r, const QString& text) { Button(p, r, text, QColor(70, 140, 220), QColor(30, 90, 170)); }

void ExitButton(QPainter& p, const QRect& r) { Button(p, r, T("退出"), QColor(224, 96, 80), QColor(176, 44, 36), 14); }

// The common frame of the exam screens: page, title bar with the exam's name
// and the exit button in the top right corner.
void Screen(QPainter& p, int width, int height, const QString& title, const QRect& exit)
{
    p.fillRect(QRect(0, 0, width, height), kPage);
    QLinearGradient bar(0, 0, 0, 62);
    bar.setColorAt(0, kHeaderTop);
    bar.setColorAt(1, kHeaderBottom);
    p.fillRect(QRect(0, 0, width, 62), bar);
    p.fillRect(QRect(0, 62, width, 3), QColor(240, 176, 48));
    p.setPen(Qt::white);
    p.setFont(Face(20, true));
    p.drawText(QRect(20, 0, width - 140, 62), Qt::AlignLeft | Qt::AlignVCenter, title);
    ExitButton(p, exit);
}

void Panel(QPainter& p, const QRect& r, const QString& heading)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(160, 180, 210), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 30), QColor(222, 232, 246));
    p.setPen(kHeaderBottom);
    p.setFont(Face(15, true));
    p.drawText(QRect(r.left() + 14, r.top(), r.width() - 28, 32), Qt::AlignLeft | Qt::AlignVCenter, heading);
}

void Field(QPainter& p, const QRect& r)
{
    p.fillRect(r, Qt::white);
    p.setPen(QColor(120, 140, 170));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void FieldLabel(QPainter& p, const QRect& field, const QString& text)
{
    p.setPen(kInk);
    p.setFont(Song(15, true));
    p.drawText(QRect(field.left() - 124, field.top(), 116, field.height()), Qt::AlignRight | Qt::AlignVCenter, text);
}

void PaintStart(QPainter& p, int width, int height)
{
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(14, 54, 118));
    sky.setColorAt(1, QColor(26, 110, 160));
    p.fillRect(QRect(0, 0, width, height), sky);
    for (int y = 0; y < height; y += 28)
        p.fillRect(QRect(width * 3 / 5, y, width * 2 / 5, 14), QColor(255, 255, 255, 12));
    // A paper with a tick: the exam motif.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF paper(36, 48, 72, 92);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(paper, 6, 6);
    p.setPen(QPen(QColor(150, 170, 200), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(paper.left() + 12, paper.top() + 18 + i * 14), QPointF(paper.right() - 12, paper.top() + 18 + i * 14));
    p.setPen(QPen(QColor(220, 60, 48), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(paper.left() + 26, paper.bottom() - 22), QPointF(paper.left() + 38, paper.bottom() - 10),
                              QPointF(paper.right() + 8, paper.bottom() - 44)}));
    p.restore();
    p.setPen(Qt::white);
    p.setFont(Face(32, true));
    p.drawText(QRect(136, 40, width - 150, 50), Qt::AlignLeft | Qt::AlignVCenter, T("全国计算机等级考试"));
    p.setFont(Face(17));
    p.setPen(QColor(214, 232, 246));
    p.drawText(QRect(138, 92, width - 150, 30), Qt::AlignLeft | Qt::AlignVCenter, T("二级 MS Office高级应用 · 无纸化模拟考试系统"));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(36, height - 38, width - 36, height - 38);
    p.setFont(Face(13));
    p.setPen(QColor(200, 222, 240));
    p.drawText(QRect(36, height - 34, width - 72, 28), Qt::AlignLeft | Qt::AlignVCenter,
               T("考试大纲 · 训练模式 · 考试模式 · 随机抽题 · 限时作答"));
}

void PaintLogin(QPainter& p)
{
    Screen(p, screens::kLoginWidth, screens::kLoginHeight, T("全国计算机等级考试  考生登录"), R(screens::kLoginExit));
    Panel(p, QRect(96, 104, 408, 196), T("请输入准考证号"));
    const QRect field = R(screens::kLoginField);
    FieldLabel(p, field, T("准考证号："));
    Field(p, field);
    BlueButton(p, R(screens::kLoginNext), T("下一步"));
    p.fillRect(QRect(24, 352, screens::kLoginWidth - 48, 1), QColor(180, 194, 214));
}

void PaintConfirm(QPainter& p)
{
    Screen(p, screens::kConfirmWidth, screens::kConfirmHeight, T("全国计算机等级考试  考生信息确认"), R(screens::kConfirmExit));
    Panel(p, QRect(72, 82, 456, 260), T("考生信息"));
    const struct {
        ui::Rect rect;
        const char* label;
    } rows[] = {{screens::kConfirmNumber, "准考证号："}, {screens::kConfirmName, "姓　　名："}, {screens::kConfirmId, "身份证号："}};
    for (const auto& row : rows) {
        // The value labels cover the field; its border shows around them.
        FieldLabel(p, R(row.rect), T(row.label));
        Field(p, R(row.rect).adjusted(-2, -2, 2, 2));
    }
    p.setPen(QColor(176, 30, 30));
    p.setFont(Song(13));
    p.drawText(QRect(96, 236, 408, 40), Qt::AlignCenter | Qt::TextWordWrap,
               T("请核对以上信息，准考证号有误请点击“重输准考证号”。"));
    Button(p, R(screens::kConfirmReenter), T("重输准考证号"), QColor(120, 150, 190), QColor(76, 104, 146));
    BlueButton(p, R(screens::kConfirmNext), T("下一步"));
}

void PaintRules(QPainter& p)
{
    const int width = screens::kRulesWidth;
    Screen(p, width, screens::kRulesHeight, T("全国计算机等级考试  二级 MS Office高级应用"), R(screens::kRulesExit));

    // The four sections with their points.
    const char* sections[][2] = {{"选择题", "20分"}, {"字处理", "30分"}, {"电子表格", "30分"}, {"演示文稿", "20分"}};
    const int cell = 134, gap = 12, left = (width - 4 * cell - 3 * gap) / 2;
    for (int i = 0; i < 4; ++i) {
        QRect box(left + i * (cell + gap), 80, cell, 56);
        p.fillRect(box, Qt::white);
        p.fillRect(QRect(box.left(), box.top(), box.width(), 4), QColor(70, 140, 220));
        p.setPen(QColor(160, 180, 210));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(kInk);
        p.setFont(Face(15, true));
        p.drawText(QRect(box.left(), box.top() + 6, box.width(), 24), Qt::AlignCenter, T(sections[i][0]));
        p.setPen(QColor(192, 48, 32));
        p.setFont(Face(14));
        p.drawText(QRect(box.left(), box.top() + 28, box.width(), 22), Qt::AlignCenter, T(sections[i][1]));
    }

    QRect notes(left, 152, width - 2 * left, 168);
    p.fillRect(notes, Qt::white);
    p.setPen(QColor(160, 180, 210));
    p.drawRect(notes.adjusted(0, 0, -1, -1));
    p.setPen(kHeaderBottom);
    p.setFont(Face(16, true));
    p.drawText(QRect(notes.left() + 16, notes.top() + 8, 200, 26), Qt::AlignLeft | Qt::AlignVCenter, T("考生须知"));
    const char* notices[] = {
        "一、考试开始后请勿关闭考试窗口，也不要重新启动计算机。",
        "二、所有答题文件须保存在考生文件夹内，否则无法评分。",
        "三、考试中如遇异常情况，请举手向监考人员报告。",
        "四、考试时间用完时系统自动交卷，请留意剩余时间。",
    };
    p.setPen(kInk);
    p.setFont(Song(15));
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(notes.left() + 28, notes.top() + 40 + i * 30, notes.width() - 44, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   T(notices[i]));

    p.setFont(Face(15, true));
    p.setPen(kInk);
    p.drawText(QRect(left, 334, 280, 30), Qt::AlignLeft | Qt::AlignVCenter, T("考试总时间：120分钟"));
    p.setPen(QColor(192, 48, 32));
    p.drawText(QRect(width / 2, 334, width / 2 - left, 30), Qt::AlignRight | Qt::AlignVCenter, T("剩余时间：120分钟"));
    p.fillRect(QRect(left, 376, width - 2 * left, 1), QColor(180, 194, 214));

    // The box itself is the window's check box; the picture carries the word.
    const QRect check = R(screens::kRulesCheck);
    p.setPen(kInk);
    p.setFont(Face(15, true));
    p.drawText(QRect(check.right() + 6, check.top() - 4, 90, check.height() + 8), Qt::AlignLeft | Qt::AlignVCenter, T("已阅读"));
    BlueButton(p, R(screens::kRulesStart), T("开始考试并计时"));
}

}  // namespace

bool PaintExamArtwork(QPainter& painter, const QRect& area, const std::string& key)
{
    struct Picture {
        const char* key;
        int width, height;
        void (*paint)(QPainter&);
    };
    static const Picture pictures[] = {
        {"exam.login", screens::kLoginWidth, screens::kLoginHeight, PaintLogin},
        {"exam.confirm", screens::kConfirmWidth, screens::kConfirmHeight, PaintConfirm},
        {"exam.rules", screens::kRulesWidth, screens::kRulesHeight, PaintRules},
    };
    for (const Picture& picture : pictures) {
        if (key != picture.key)
            continue;
        // Drawn in the window's design coordinates, where the click areas lie.
        painter.save();
        painter.translate(area.topLeft());
        painter.scale(area.width() / double(picture.width), area.height() / double(picture.height));
        picture.paint(painter);
        painter.restore();
        return true;
    }
    if (key == "exam.start") {
        painter.save();
        painter.translate(area.topLeft());
        PaintStart(painter, area.width(), area.height());
        painter.restore();
        return true;
    }
    if (key == "exam.surface.exit") {
        ExitButton(painter, area);
        return true;
    }
    if (key == "exam.surface.login") {
        BlueButton(painter, area, T("登录"));
        return true;
    }
    return false;
}

}  // namespace boxi::desktop
