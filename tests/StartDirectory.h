// A start directory for one widget test: a temporary folder holding copies of
// the picture folders, made the current directory until the test ends.
#pragma once

#include "TempImage.h"

#include <filesystem>
#include <string>

class StartDirectory {
public:
    StartDirectory();
    ~StartDirectory();
    StartDirectory(const StartDirectory&) = delete;
    StartDirectory& operator=(const StartDirectory&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path file(const std::string& relative) const { return path() / relative; }
    // A demo image in the folder, returned as its path.
    std::filesystem::path writeDemoImage(const std::string& name = "Dunmora.nes") const;

private:
    TempFolder folder_;
    std::filesystem::path previous_;
};
