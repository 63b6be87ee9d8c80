// Writes the demo cartridge image: make_demo_image <path>.
#include "DemoImage.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo_image <path>\n";
        return 2;
    }
    try {
        demo::WriteDemoImage(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
