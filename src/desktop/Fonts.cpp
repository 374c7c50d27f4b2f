#include "desktop/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace boxi::desktop {
namespace {

QString FirstInstalled(std::initializer_list<const char*> families, const char* fallback)
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : families) {
        if (installed.contains(QString::fromUtf8(family)))
            return QString::fromUtf8(family);
    }
    return QString::fromUtf8(fallback);
}

}  // namespace

QString MonospacedCjkFamily()
{
    static const QString family = FirstInstalled({"Noto Sans Mono CJK SC", "Noto Sans Mono CJK TC", "WenQuanYi Zen Hei Mono"}, "monospace");
    return family;
}

QFont ModelFont(const ui::Font& font)
{
    static const QString sans = FirstInstalled({"Noto Sans CJK SC", "WenQuanYi Zen Hei", "Noto Sans Mono CJK SC"}, "sans-serif");
    const std::string& name = font.name;
    bool song = name == "宋体" || name == "SimSun" || name == "新宋体" || name == "NSimSun";
    QFont result(song ? MonospacedCjkFamily() : sans);
    // Points at 96 dpi, fixed in pixels so the layout keeps its proportions.
    // A Song face gets an even size: a Latin column is then a whole half of
    // a Chinese character, and aligned tables stay aligned.
    const double pixels = font.size * 96.0 / 72.0;
    const long size = song ? 2 * std::lround(pixels / 2) : std::lround(pixels);
    result.setPixelSize(std::max(1, static_cast<int>(size)));
    result.setBold(font.bold || name == "黑体");
    result.setStyleHint(song ? QFont::TypeWriter : QFont::SansSerif);
    return result;
}

}  // namespace boxi::desktop
