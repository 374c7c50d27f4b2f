#include "desktop/Artwork.h"

#include <algorithm>

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include "desktop/ExamArtwork.h"
#include "desktop/ExamChoiceArtwork.h"
#include "desktop/Fonts.h"
#include "desktop/TimedExamArtwork.h"

namespace boxi::desktop {
namespace {

QFont Sans(int pixels, bool bold)
{
    QFont font = ModelFont({.name = "黑体", .size = pixels * 72.0 / 96.0, .bold = bold});
    font.setBold(bold);
    return font;
}

// A small spreadsheet motif: a tile with an "X" and a few grid cells.
void PaintSheetLogo(QPainter& p, const QRectF& r)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(33, 115, 70));
    p.drawRoundedRect(r, r.width() * 0.12, r.width() * 0.12);
    p.setPen(QPen(Qt::white, r.width() * 0.1, Qt::SolidLine, Qt::RoundCap));
    const double m = r.width() * 0.28;
    p.drawLine(QPointF(r.left() + m, r.top() + m), QPointF(r.right() - m, r.bottom() - m));
    p.drawLine(QPointF(r.right() - m, r.top() + m), QPointF(r.left() + m, r.bottom() - m));
}

// A few wide translucent bands: the look of a worksheet's rows, cheap to fill.
void PaintBands(QPainter& p, const QRect& area, QColor color)
{
    const int band = std::max(8, area.height() / 8);
    for (int y = area.top(); y < area.bottom(); y += 2 * band)
        p.fillRect(QRect(area.left(), y, area.width(), band), color);
}

void PaintPortalTitle(QPainter& p, const QRect& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(12, 52, 110));
    sky.setColorAt(1, QColor(18, 112, 120));
    p.fillRect(area, sky);
    PaintBands(p, area.adjusted(area.width() / 2, 0, 0, 0), QColor(255, 255, 255, 14));

    const int s = area.height() / 3;
    PaintSheetLogo(p, QRectF(area.left() + 48, area.top() + 60, s, s));

    p.setPen(Qt::white);
    p.setFont(Sans(area.height() / 6, true));
    p.drawText(QRect(area.left() + 72 + s, area.top() + 52, area.width() - s - 96, area.height() / 4),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Excel砺行"));
    p.setFont(Sans(area.height() / 14, false));
    p.setPen(QColor(220, 236, 245));
    p.drawText(QRect(area.left() + 74 + s, area.top() + 56 + area.height() / 4, area.width() - s - 96, area.height() / 8),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("计算机博习系列 · Excel 高级应用课程"));

    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(area.left() + 48, area.bottom() - 70, area.right() - 48, area.bottom() - 70);
    p.setFont(Sans(area.height() / 18, false));
    p.setPen(QColor(200, 224, 236));
    p.drawText(QRect(area.left() + 48, area.bottom() - 62, area.width() - 96, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("全国计算机等级考试二级 MS Office 高级应用 · 章节学习 · 实战案例"));
}

void PaintButtonFace(QPainter& p, const QRect& area, const QString& text, QColor top, QColor bottom)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient face(area.topLeft(), area.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(130), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.setPen(Qt::white);
    p.setFont(Sans(area.height() * 2 / 5, true));
    p.drawText(area, Qt::AlignCenter, text);
}

void PaintMenuArt(QPainter& p, const QRect& area)
{
    QLinearGradient band(area.topLeft(), area.topRight());
    band.setColorAt(0, QColor(24, 84, 140));
    band.setColorAt(1, QColor(33, 115, 70));
    p.fillRect(area, band);
    PaintBands(p, area.adjusted(area.width() * 3 / 5, 0, 0, 0), QColor(255, 255, 255, 16));
    const int s = area.height() / 2;
    PaintSheetLogo(p, QRectF(area.left() + 32, area.top() + (area.height() - s) / 2.0, s, s));
    p.setPen(Qt::white);
    p.setFont(Sans(area.height() / 5, true));
    p.drawText(QRect(area.left() + 52 + s, area.top() + area.height() / 5, area.width() - s - 72, area.height() / 3),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Excel 课程中心"));
    p.setFont(Sans(area.height() / 10, false));
    p.setPen(QColor(222, 240, 230));
    p.drawText(QRect(area.left() + 54 + s, area.top() + area.height() / 2 + 4, area.width() - s - 72, area.height() / 4),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("章节学习 · 操作练习 · 实战案例"));
}

}  // namespace

void PaintArtwork(QPainter& painter, const QRect& area, const std::string& key)
{
    painter.save();
    // Fills and text need no antialiasing of shapes; the rounded logo and
    // button faces turn it on themselves.
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (key == "portal.title")
        PaintPortalTitle(painter, area);
    else if (key == "portal.enter")
        PaintButtonFace(painter, area, QString::fromUtf8("进入课程  ▶"), QColor(64, 170, 96), QColor(33, 115, 70));
    else if (key == "portal.exam")
        PaintButtonFace(painter, area, QString::fromUtf8("模拟考试  ▶"), QColor(64, 170, 96), QColor(33, 115, 70));
    else if (key == "menu.art")
        PaintMenuArt(painter, area);
    else if (key == "exam.choice")
        PaintExamChoiceScreen(painter, area);
    else if (!PaintExamArtwork(painter, area, key))
        PaintTimedExamArtwork(painter, area, key);
    painter.restore();
}

}  // namespace boxi::desktop
