// bench_decode: what decoding one picture costs with the viewer's picture codec.
//
//   bench_decode [--bands] FILE [RUNS]      (default 10 runs)
//
// Decodes FILE RUNS times with JpegPictureCodec, each time into a new bitmap as
// the viewer does, or with --bands through a band reader into one small buffer
// (the decoding alone, without the memory of a whole bitmap), and prints every
// run, then the median. The last line, "median_ms=<ms>", is for scripts
// (scripts/bench-decode.sh sets it beside djpeg). A benchmark: it prints
// figures and asserts nothing.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/app_error.h"
#include "platform/jpeg/jpeg_picture_codec.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 10;
constexpr int32_t kBandRows = 16;

struct Options {
    std::string_view path;
    int runs = kDefaultRuns;
    bool bands = false;
};

// Decodes the whole picture into a new bitmap; returns its size.
platform::PictureSize decodeWhole(platform::PictureCodec& codec, std::string_view path) {
    const base::Picture picture = codec.decode(path);
    return {picture->width(), picture->height()};
}

// Decodes the picture band by band into one reused buffer; returns its size.
platform::PictureSize decodeInBands(platform::PictureCodec& codec, std::string_view path) {
    const auto reader = codec.openBands(path);
    const platform::PictureSize size = reader->size();
    std::vector<uint32_t> band(static_cast<size_t>(size.width) * kBandRows);
    while (reader->readRows(band.data(), kBandRows) != 0) {
    }
    return size;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int run(const Options& options) {
    platform::JpegPictureCodec codec;
    std::vector<double> times;
    for (int r = 1; r <= options.runs; ++r) {
        const auto start = Clock::now();
        const platform::PictureSize size =
            options.bands ? decodeInBands(codec, options.path) : decodeWhole(codec, options.path);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        times.push_back(ms);
        const double megapixels = static_cast<double>(size.width) * size.height / 1e6;
        std::printf("run %d (%s): %d x %d, %.1f ms, %.0f Mpixel/s\n", r,
                    options.bands ? "bands" : "whole", size.width, size.height, ms,
                    megapixels / ms * 1e3);
    }
    std::printf("median_ms=%.2f\n", median(times));
    return 0;
}

}  // namespace

// False when the arguments are not FILE [RUNS] with RUNS a positive number.
bool parseArguments(std::vector<std::string_view> args, Options& options) {
    if (!args.empty() && args.front() == "--bands") {
        options.bands = true;
        args.erase(args.begin());
    }
    if (args.empty() || args.size() > 2) return false;
    options.path = args[0];
    if (args.size() == 2) {
        const std::string_view text = args[1];
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), options.runs);
        if (error != std::errc{} || end != text.data() + text.size()) return false;
    }
    return options.runs >= 1;
}

int main(int argc, char** argv) {
    Options options;
    if (!parseArguments({argv + 1, argv + argc}, options)) {
        std::fprintf(stderr, "usage: bench_decode [--bands] FILE [RUNS]   (default %d runs)\n",
                     kDefaultRuns);
        return 2;
    }
    try {
        return run(options);
    } catch (const base::AppError& error) {
        std::fprintf(stderr, "bench_decode: error %d: %s\n", error.number(), error.what());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_decode: %s\n", error.what());
    }
    return 1;
}
