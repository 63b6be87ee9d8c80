// Draws the enemy pictures: a bold creature per id, its body shape, colour and eyes varying with
// the id, on a reddish ground so that enemy markers stand apart from the item marker.
#pragma once

#include <QImage>

namespace enemies {

constexpr int kEnemyCount = 256;

QImage paintEnemy(int id);

} // namespace enemies
