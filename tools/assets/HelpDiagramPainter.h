// Draws the info box's start-up picture: a 16-colour diagram of which screen numbers lie
// around the start screen, in Russian, on a brick-wall border.
#pragma once

#include <QImage>

namespace help {

constexpr int kHelpWidth = 329;
constexpr int kHelpHeight = 148;

// A Format_Indexed8 image using a 16-colour table, ready for the 16-colour BMP writer.
QImage paintHelpDiagram();

} // namespace help
