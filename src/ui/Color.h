#pragma once

#include <cstdint>

namespace boxi::ui {

// Windows system colour indexes, as in &H80000000 + index.
enum class SysColor : std::uint8_t {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
};

// A colour as a window property holds it: either an RGB triple or a system
// colour index. Two colours are equal only as whole values, so the button
// face is never equal to the RGB it happens to resolve to.
class Color {
public:
    constexpr Color() = default;

    static constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return Color(Kind::Rgb, static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
                                    (static_cast<std::uint32_t>(b) << 16));
    }
    static constexpr Color System(SysColor index)
    {
        return Color(Kind::System, static_cast<std::uint32_t>(index));
    }
    // The value as Visual Basic writes it: &H00BBGGRR or &H800000nn.
    static constexpr Color FromOle(std::uint32_t value)
    {
        return (value & 0x80000000u) ? Color(Kind::System, value & 0xFFu) : Color(Kind::Rgb, value & 0xFFFFFFu);
    }

    constexpr bool is_set() const { return kind_ != Kind::Unset; }
    constexpr bool is_system() const { return kind_ == Kind::System; }
    constexpr SysColor system_index() const { return static_cast<SysColor>(value_); }
    constexpr std::uint8_t r() const { return value_ & 0xFF; }
    constexpr std::uint8_t g() const { return (value_ >> 8) & 0xFF; }
    constexpr std::uint8_t b() const { return (value_ >> 16) & 0xFF; }
    constexpr std::uint32_t ole() const { return kind_ == Kind::System ? 0x80000000u | value_ : value_; }

    friend constexpr bool operator==(const Color&, const Color&) = default;

private:
    enum class Kind : std::uint8_t { Unset, Rgb, System };
    constexpr Color(Kind kind, std::uint32_t value) : kind_(kind), value_(value) {}

    Kind kind_ = Kind::Unset;
    std::uint32_t value_ = 0;
};

namespace colors {
inline constexpr Color kButtonFace = Color::System(SysColor::ButtonFace);
inline constexpr Color kButtonText = Color::System(SysColor::ButtonText);
inline constexpr Color kWindow = Color::System(SysColor::Window);
inline constexpr Color kWindowText = Color::System(SysColor::WindowText);
inline constexpr Color kRed = Color::Rgb(255, 0, 0);
inline constexpr Color kGreen = Color::Rgb(0, 255, 0);
inline constexpr Color kYellow = Color::Rgb(255, 255, 0);
inline constexpr Color kBlue = Color::Rgb(0, 0, 255);
inline constexpr Color kWhite = Color::Rgb(255, 255, 255);
inline constexpr Color kBlack = Color::Rgb(0, 0, 0);
inline constexpr Color kLightOrange = Color::Rgb(255, 192, 128);
}  // namespace colors

}  // namespace boxi::ui
