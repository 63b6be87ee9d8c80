// Draws the tile pictures of the tile picker: each code gets a colour from its low hex digit
// and a pattern from its high one, with the code written on top, so that every tile can be
// told apart and named at a glance.
#pragma once

#include <QImage>

namespace tiles {

constexpr int kTileCount = 176;
constexpr int kTileSize = 32;

QImage paintTile(int code);

} // namespace tiles
