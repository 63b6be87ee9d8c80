// Draws the item pictures: a bold figure per id that still reads when the editor shrinks it
// to a 16 x 16 marker, with the first twelve ids hinting at the items they name.
#pragma once

#include <QImage>

namespace items {

constexpr int kItemCount = 256;

QImage paintItem(int id);

} // namespace items
