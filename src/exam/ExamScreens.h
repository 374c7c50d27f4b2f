#pragma once

#include "ui/Control.h"

// Where the pictured buttons and fields lie on the screen pictures of the
// login, the confirmation page and the rules page. The windows put their
// click areas and fields on these rectangles and the artwork draws the
// buttons there, so a click always lands on what the learner sees.
namespace boxi::exam_screens {

inline constexpr int kLoginWidth = 600;
inline constexpr int kLoginHeight = 400;
inline constexpr ui::Rect kLoginExit{528, 16, 56, 30};
inline constexpr ui::Rect kLoginField{236, 170, 232, 30};
inline constexpr ui::Rect kLoginNext{250, 236, 100, 36};
// The picture buttons of the window's own surface, under the frame.
inline constexpr ui::Rect kLoginSurfaceExit{16, 330, 80, 28};
inline constexpr ui::Rect kLoginSurfaceStart{112, 330, 80, 28};

inline constexpr int kConfirmWidth = 600;
inline constexpr int kConfirmHeight = 400;
inline constexpr ui::Rect kConfirmExit{528, 16, 56, 30};
inline constexpr ui::Rect kConfirmNumber{236, 122, 240, 26};
inline constexpr ui::Rect kConfirmName{236, 160, 240, 26};
inline constexpr ui::Rect kConfirmId{236, 198, 240, 26};
inline constexpr ui::Rect kConfirmReenter{164, 290, 128, 36};
inline constexpr ui::Rect kConfirmNext{316, 290, 100, 36};

inline constexpr int kRulesWidth = 640;
inline constexpr int kRulesHeight = 480;
inline constexpr ui::Rect kRulesExit{568, 16, 56, 30};
inline constexpr ui::Rect kRulesCheck{196, 416, 18, 20};
inline constexpr ui::Rect kRulesStart{336, 408, 200, 36};

}  // namespace boxi::exam_screens
