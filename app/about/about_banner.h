#pragma once
// The banner across the top of the About window, 298 by 81, drawn by the program itself.
#include <QPixmap>

namespace vardo {

inline constexpr int kBannerWidth = 298;
inline constexpr int kBannerHeight = 81;

QPixmap drawAboutBanner();

}  // namespace vardo
