// Draws the two hint banners that the editor's info box shows in turn: short Russian hints on
// the parts of the editor that surprise new users.
#pragma once

#include <QImage>

namespace banners {

constexpr int kBannerWidth = 329;
constexpr int kBannerHeight = 148;

// number is 1 or 2, as in info/info1.bmp and info/info2.bmp.
QImage paintInfoBanner(int number);

} // namespace banners
