#include "StartDirectory.h"

#include "DemoImage.h"

StartDirectory::StartDirectory() : previous_(std::filesystem::current_path()) {
    for (const char* picturesFolder : {"graph", "items", "enemyes", "info"}) {
        std::filesystem::copy(std::filesystem::path(DUNMORA_ASSETS_DIR) / picturesFolder,
                              path() / picturesFolder, std::filesystem::copy_options::recursive);
    }
    std::filesystem::current_path(path());
}

StartDirectory::~StartDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

std::filesystem::path StartDirectory::writeDemoImage(const std::string& name) const {
    const auto image = file(name);
    demo::WriteDemoImage(image.string());
    return image;
}
