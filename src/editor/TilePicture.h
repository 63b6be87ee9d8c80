// A tile code names its picture file; the cells, the tile picker and the map
// import must all build that name the same way.
#pragma once

#include <cstdint>
#include <string>

// "graph/" + the code's hex text + ".bmp", relative to the start directory.
std::string TilePicturePath(std::int32_t code);
