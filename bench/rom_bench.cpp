// How long the byte-by-byte access takes for what a screen load reads.
#include "DemoImage.h"
#include "rom/GameText.h"
#include "rom/RegionMap.h"
#include "rom/RomImage.h"
#include "rom/ScreenRecord.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

std::string DemoImagePath() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "dunmora-bench.nes";
        demo::WriteDemoImage(file.string());
        return file.string();
    }();
    return path;
}

void ReadAllScreenRecords(benchmark::State& state) {
    RomImage image;
    image.setPath(DemoImagePath());
    for (auto _ : state) {
        RomSession session(image);
        for (std::int32_t screen = 1; screen <= region::kScreenCount; ++screen) {
            benchmark::DoNotOptimize(ReadScreenRecord(image, region::ScreenRecordOffset(screen)));
        }
        session.close();
    }
}
BENCHMARK(ReadAllScreenRecords);

void DecodeEndingText(benchmark::State& state) {
    const std::vector<std::uint8_t> codes(region::kEndingTextLength, 0x41);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeGameText(codes));
    }
}
BENCHMARK(DecodeEndingText);

} // namespace
