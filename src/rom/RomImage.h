// Access to the cartridge image by its path, one byte at a time at absolute
// offsets. Nothing is buffered or cached: each transfer reaches the file
// itself, because an emulator or another tool may change it between two
// operations.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct RomAccess {
    enum class Kind { Open, Seek, Read, Write, Close };
    Kind kind;
    std::int32_t offset; // the position of a seek, read or write; 0 otherwise
    bool operator==(const RomAccess&) const = default;
};

class RomImage {
public:
    using Observer = std::function<void(const RomAccess&)>;

    RomImage() = default;
    ~RomImage();
    RomImage(const RomImage&) = delete;
    RomImage& operator=(const RomImage&) = delete;

    void setPath(const std::string& path) { path_ = path; }
    const std::string& path() const { return path_; }
    bool hasPath() const { return !path_.empty(); }
    bool isOpen() const { return fd_ >= 0; }

    // Sees every access in order; lets tests check the access orders.
    void setObserver(Observer observer) { observer_ = std::move(observer); }

    // Opens the existing file for reading and writing; never creates or
    // truncates it. An image left open by a failed operation is closed first.
    void Open();
    void Seek(std::int32_t offset);
    std::uint8_t ReadByte();
    // Overwrites one byte; a write at or beyond the end fails, so the image
    // never grows.
    void WriteByte(std::uint8_t value);
    void Close();

private:
    [[noreturn]] void fail(int error);
    void notify(RomAccess::Kind kind, std::int32_t offset) const;

    std::string path_;
    int fd_ = -1;
    std::int32_t position_ = 0;
    Observer observer_;
};

// Keeps one operation's Open ... Close together: the image is closed when the
// operation stops on an error, so no file stays open behind a message box.
class RomSession {
public:
    explicit RomSession(RomImage& image) : image_(image) { image_.Open(); }
    ~RomSession();
    RomSession(const RomSession&) = delete;
    RomSession& operator=(const RomSession&) = delete;

    void close() { image_.Close(); }

private:
    RomImage& image_;
};
