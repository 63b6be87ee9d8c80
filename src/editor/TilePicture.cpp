#include "editor/TilePicture.h"

#include "rom/HexText.h"

std::string TilePicturePath(std::int32_t code) {
    return "graph/" + IntToHexText(code) + ".bmp";
}
