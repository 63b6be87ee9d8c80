// Makes a file read-only for the length of a test. Tests run as root on CI,
// where permission bits deny nothing, so the file is also made immutable.
#pragma once

#include <filesystem>

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False where this machine lets the test's user write the file anyway.
    bool denied() const { return denied_; }

private:
    std::filesystem::path path_;
    bool immutable_ = false;
    bool denied_ = false;
};
