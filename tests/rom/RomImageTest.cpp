#include "rom/RomImage.h"

#include "DemoImage.h"
#include "ReadOnlyFile.h"
#include "TempImage.h"
#include "rom/EditorError.h"
#include "rom/RegionMap.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EditorError& error) {
        return error.what();
    }
    return "no error";
}

class RomImageTest : public ::testing::Test {
protected:
    std::filesystem::path makeImage(std::size_t size, const std::string& name = "game.nes") {
        auto bytes = demo::MakeDemoImage();
        bytes.resize(size, 0xAA);
        const auto path = folder_.file(name);
        WriteFileBytes(path, bytes);
        return path;
    }

    TempFolder folder_;
    RomImage image_;
};

// Lowers one resource limit of this process for the length of a test.
class ResourceLimit {
public:
    ResourceLimit(int resource, rlim_t soft) : resource_(resource) {
        ::getrlimit(resource_, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        ::setrlimit(resource_, &lowered);
    }
    ~ResourceLimit() { ::setrlimit(resource_, &saved_); }

private:
    int resource_;
    rlimit saved_{};
};

} // namespace

TEST_F(RomImageTest, ReadsAndWritesSingleBytesInPlace) {
    const auto path = makeImage(demo::kImageSize);
    const auto before = ReadFileBytes(path);
    image_.setPath(path.string());
    image_.Open();
    image_.Seek(region::kStartScreen);
    EXPECT_EQ(image_.ReadByte(), before[region::kStartScreen]);
    image_.Seek(1000);
    image_.WriteByte(0x5A);
    image_.WriteByte(0xA5);
    image_.Close();

    auto expected = before;
    expected[1000] = 0x5A;
    expected[1001] = 0xA5;
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(RomImageTest, EveryReadSeesTheFileAsItIsNow) {
    const auto path = makeImage(demo::kImageSize);
    image_.setPath(path.string());
    image_.Open();
    auto bytes = ReadFileBytes(path);
    bytes[2000] = 0x11;
    WriteFileBytes(path, bytes);
    image_.Seek(2000);
    EXPECT_EQ(image_.ReadByte(), 0x11);
    bytes[2000] = 0x22;
    WriteFileBytes(path, bytes);
    image_.Seek(2000);
    EXPECT_EQ(image_.ReadByte(), 0x22);
    image_.Close();
}

TEST_F(RomImageTest, ReadingAtTheEndFailsAndTheShortestUsableImageReadsItsLastByte) {
    const auto path = makeImage(region::kMinimumImageSize);
    EXPECT_EQ(region::kMinimumImageSize, 30048);
    image_.setPath(path.string());
    image_.Open();
    image_.Seek(region::kMinimumImageSize - 1);
    EXPECT_NO_THROW(image_.ReadByte());
    EXPECT_EQ(ErrorOf([&] { image_.ReadByte(); }), "Read beyond end of file");
}

TEST_F(RomImageTest, WritingAtOrBeyondTheEndFailsAndNeverGrowsTheImage) {
    const auto path = makeImage(region::kMinimumImageSize - 1);
    const auto before = ReadFileBytes(path);
    image_.setPath(path.string());
    image_.Open();
    image_.Seek(region::kMinimumImageSize - 1);
    EXPECT_EQ(ErrorOf([&] { image_.WriteByte(1); }), "Write beyond end of file");
    image_.Seek(region::kMinimumImageSize + 5000);
    EXPECT_EQ(ErrorOf([&] { image_.WriteByte(1); }), "Write beyond end of file");
    image_.Close();
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomImageTest, AnEmptyFileOpensButHasNothingToRead) {
    const auto path = makeImage(0);
    image_.setPath(path.string());
    image_.Open();
    image_.Seek(region::kStartScreen);
    EXPECT_EQ(ErrorOf([&] { image_.ReadByte(); }), "Read beyond end of file");
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(RomImageTest, OpenFailuresCarryTheirTexts) {
    const auto directory = folder_.file("folder.nes");
    std::filesystem::create_directory(directory);
    const auto loopA = folder_.file("a.nes");
    const auto loopB = folder_.file("b.nes");
    std::filesystem::create_symlink(loopB, loopA);
    std::filesystem::create_symlink(loopA, loopB);
    const std::pair<std::string, std::string> cases[] = {
        {folder_.file("missing.nes").string(), "File not found"},
        {folder_.file("no-such-folder/game.nes").string(), "File not found"},
        {directory.string(), "File access denied"},
        {folder_.file(std::string(300, 'x')).string(), "Invalid filename"},
        {"", "Invalid filename"},
        {loopA.string(), "I/O error 40"},
    };
    for (const auto& [path, message] : cases) {
        image_.setPath(path);
        EXPECT_EQ(ErrorOf([&] { image_.Open(); }), message) << path;
        EXPECT_FALSE(image_.isOpen());
    }
}

TEST_F(RomImageTest, AReadOnlyImageIsDeniedAndLeftAlone) {
    const auto path = makeImage(demo::kImageSize);
    const auto before = ReadFileBytes(path);
    ReadOnlyFile readOnly(path);
    if (!readOnly.denied()) {
        GTEST_SKIP() << "this machine cannot make a file read-only for this user";
    }
    image_.setPath(path.string());
    EXPECT_EQ(ErrorOf([&] { image_.Open(); }), "File access denied");
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomImageTest, RunningOutOfFileHandlesIsReported) {
    const auto path = makeImage(demo::kImageSize);
    image_.setPath(path.string());
    std::string message;
    {
        ResourceLimit limit(RLIMIT_NOFILE, 3);
        message = ErrorOf([&] { image_.Open(); });
    }
    EXPECT_EQ(message, "Too many open files");
}

TEST_F(RomImageTest, AWriteTheDiskRefusesIsDiskFull) {
    const auto path = makeImage(demo::kImageSize);
    image_.setPath(path.string());
    image_.Open();
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    std::string message;
    {
        ResourceLimit limit(RLIMIT_FSIZE, 100);
        image_.Seek(region::kStartScreen);
        message = ErrorOf([&] { image_.WriteByte(1); });
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(message, "Disk full");
}

TEST_F(RomImageTest, APathOutsideAsciiOpens) {
    const auto path = makeImage(demo::kImageSize, "Игра Дунмора.nes");
    image_.setPath(path.string());
    image_.Open();
    image_.Seek(region::kStartScreen);
    EXPECT_EQ(image_.ReadByte(), ReadFileBytes(path)[region::kStartScreen]);
    image_.Close();
}

TEST_F(RomImageTest, ASessionClosesTheImageWhenTheOperationFails) {
    const auto path = makeImage(100);
    image_.setPath(path.string());
    std::vector<RomAccess> accesses;
    image_.setObserver([&accesses](const RomAccess& access) { accesses.push_back(access); });
    EXPECT_EQ(ErrorOf([&] {
                  RomSession session(image_);
                  image_.Seek(region::kEndingText);
                  image_.ReadByte();
                  session.close();
              }),
              "Read beyond end of file");
    EXPECT_FALSE(image_.isOpen());
    using Kind = RomAccess::Kind;
    const std::vector<RomAccess> expected{{Kind::Open, 0},
                                          {Kind::Seek, region::kEndingText},
                                          {Kind::Read, region::kEndingText},
                                          {Kind::Close, 0}};
    EXPECT_EQ(accesses, expected);
}
