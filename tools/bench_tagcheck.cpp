// bench_tagcheck: what the tag check costs next to the least a check could cost.
//
//   bench_tagcheck [FOLDER]      (default: build/bench-pages under the current folder)
//
// Makes (or reuses) 1,000 realistic page images, 200 KB to 3 MB each, in FOLDER, then times two
// passes over them with a warm page cache, five rounds each, alternating:
//   floor   open each file, read its first 64 KB, close it;
//   reader  the viewer's tag check: IptcReader with Delimiter, LoadFile, ByLine, ByLineTitle,
//           Source, and the marker compared with "*+*+*".
// It prints the median of each and the ratio reader/floor. A benchmark: it prints figures and
// asserts nothing. Figures from a sanitizer build say little; use an optimised build without them.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fixtures/page_image_writer.h"
#include "iptc/iptc_reader.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFileCount = 1000;
constexpr int kBaseCount = 8;
constexpr std::uintmax_t kSmallestFile = 200'000;
constexpr std::uintmax_t kLargestFile = 3'000'000;
constexpr int kBaseQuality = 85;
constexpr int kTallestBase = 65000;
constexpr int kRounds = 5;
constexpr std::size_t kFloorRead = std::size_t{64} * 1024;
constexpr double kGoalRatio = 1.5;
// Written after the last file, so an interrupted run is made again rather than reused.
constexpr std::string_view kStampName = "bench-pages.stamp";
constexpr std::string_view kStampVersion = "bench-pages 2";

constexpr std::array<int, kBaseCount> kBaseWidths = {1024, 1280, 1366, 1920,
                                                     1024, 1440, 1280, 1920};

constexpr std::array<std::string_view, 12> kTitles = {
    "City council approves new cycle lanes",
    "Café menu — Spring",
    "Release notes for version 4.2",
    "Weather: rain later, clearing by evening",
    "Ολυμπιακοί Αγώνες — αποτελέσματα",
    "How to repot an orchid (with pictures)",
    "東京の天気 — 週間予報",
    "Privacy policy",
    "Letters to the editor, 14 March",
    "Straßenbahn: Fahrplanänderungen ab Montag",
    "Comparing three budget laptops",
    "Recipe: lemon & thyme roast chicken",
};
constexpr std::array<std::string_view, 6> kSections = {"news", "food",   "docs",
                                                       "help", "travel", "reviews"};

enum class Kind { pageImage, plain, otherMarker };

struct BenchFile {
    fs::path path;
    std::string pathText;  // what the reader is given, made once outside the timing
    Kind kind = Kind::pageImage;
    std::uintmax_t size = 0;
};

std::string fileName(int index) {
    std::array<char, 32> name{};
    std::snprintf(name.data(), name.size(), "page-%04d.jpg", index);
    return name.data();
}

// One in ten files is not a page image: half plain JPEGs, half with another By-line Title.
Kind kindOf(int index) {
    if (index % 20 == 9) return Kind::plain;
    if (index % 20 == 19) return Kind::otherMarker;
    return Kind::pageImage;
}

fixtures::PageTags tagsFor(int index) {
    const auto title = std::string(kTitles[static_cast<std::size_t>(index) % kTitles.size()]);
    const auto section = kSections[static_cast<std::size_t>(index / 3) % kSections.size()];
    const std::string host = index % 4 == 0 ? "https://example.com/" : "https://example.org/";
    const std::string address = host + std::string(section) + "/" +
                                std::to_string(2024 + index % 3) + "/item-" +
                                std::to_string(index) + ".html";
    fixtures::PageTags tags = fixtures::pageTags(title, address);
    if (kindOf(index) == Kind::otherMarker) tags.marker = "Staff photographer";
    return tags;
}

std::string megabytes(std::uintmax_t bytes) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2f MB", static_cast<double>(bytes) / 1e6);
    return text.data();
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A base picture of about `target` bytes: the height is found from the bytes a row costs.
fixtures::Bytes makeBase(int index, std::uintmax_t target) {
    fixtures::PictureOptions options;
    options.width = kBaseWidths[static_cast<std::size_t>(index)];
    options.quality = kBaseQuality;
    options.seed = 1000 + static_cast<std::uint64_t>(index);
    options.height = 2000;
    fixtures::Bytes jpeg = fixtures::encodePlainJpeg(options);
    // Layouts vary down the page, so the cost of a row is measured again after each try.
    for (int step = 0; step < 3; ++step) {
        const double perRow = static_cast<double>(jpeg.size()) / options.height;
        options.height =
            std::clamp(static_cast<int>(static_cast<double>(target) / perRow), 1, kTallestBase);
        jpeg = fixtures::encodePlainJpeg(options);
    }
    std::printf("  base %d: %d x %d, %s\n", index, options.width, options.height,
                megabytes(jpeg.size()).c_str());
    return jpeg;
}

std::vector<BenchFile> listFiles(const fs::path& folder) {
    std::vector<BenchFile> files;
    files.reserve(kFileCount);
    for (int i = 0; i < kFileCount; ++i) {
        BenchFile file;
        file.path = folder / fileName(i);
        file.pathText = file.path.string();
        file.kind = kindOf(i);
        files.push_back(std::move(file));
    }
    return files;
}

// True when the stamp lists exactly these files and each is still there with its size.
bool reuseFiles(const fs::path& folder, std::vector<BenchFile>& files) {
    std::ifstream stamp(folder / kStampName);
    std::string version;
    if (!std::getline(stamp, version) || version != kStampVersion) return false;
    for (BenchFile& file : files) {
        std::string name;
        std::uintmax_t size = 0;
        if (!(stamp >> name >> size) || name != file.path.filename().string()) return false;
        std::error_code error;
        if (fs::file_size(file.path, error) != size || error) return false;
        file.size = size;
    }
    return true;
}

void makeFiles(const fs::path& folder, std::vector<BenchFile>& files) {
    const auto start = Clock::now();
    fs::create_directories(folder);
    fs::remove(folder / kStampName);
    std::printf("making %d page images in %s\n", kFileCount, folder.string().c_str());
    std::vector<fixtures::Bytes> bases;
    for (int k = 0; k < kBaseCount; ++k) {
        const std::uintmax_t target = kSmallestFile + (kLargestFile - kSmallestFile) *
                                                          static_cast<std::uintmax_t>(k) /
                                                          (kBaseCount - 1);
        bases.push_back(makeBase(k, target));
    }
    std::ostringstream stamp;
    stamp << kStampVersion << '\n';
    for (int i = 0; i < kFileCount; ++i) {
        BenchFile& file = files[static_cast<std::size_t>(i)];
        const fixtures::Bytes& base = bases[static_cast<std::size_t>(i % kBaseCount)];
        if (file.kind == Kind::plain) {
            fixtures::writeBytes(file.path, base);
        } else {
            fixtures::writeWithIptc(file.path, base, tagsFor(i));
        }
        file.size = fs::file_size(file.path);
        stamp << file.path.filename().string() << ' ' << file.size << '\n';
    }
    std::ofstream(folder / kStampName) << stamp.str();
    std::printf("made in %.1f s\n", secondsSince(start));
}

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads every file whole once, so both passes find all of it in the page cache.
std::uintmax_t warmCache(const std::vector<BenchFile>& files) {
    std::vector<char> buffer(std::size_t{1024} * 1024);
    std::uintmax_t total = 0;
    for (const BenchFile& file : files) {
        const FilePtr in(std::fopen(file.pathText.c_str(), "rb"));
        if (!in) continue;
        while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in.get())) {
            total += got;
        }
    }
    return total;
}

struct Round {
    double seconds = 0;
    int pageImages = 0;  // reader only
    int failures = 0;    // files that could not be opened, or a failing reader status
};

Round floorRound(const std::vector<BenchFile>& files, std::vector<char>& buffer) {
    Round round;
    const auto start = Clock::now();
    for (const BenchFile& file : files) {
        const FilePtr in(std::fopen(file.pathText.c_str(), "rb"));
        // Unbuffered, so the read goes straight into our buffer in one call.
        if (!in || std::setvbuf(in.get(), nullptr, _IONBF, 0) != 0 ||
            std::fread(buffer.data(), 1, kFloorRead, in.get()) == 0) {
            ++round.failures;
        }
    }
    round.seconds = secondsSince(start);
    return round;
}

Round readerRound(const std::vector<BenchFile>& files) {
    Round round;
    const auto start = Clock::now();
    for (const BenchFile& file : files) {
        iptc::IptcReader reader;
        std::string title;
        std::string marker;
        std::string address;
        bool ok = reader.Delimiter("\r\n").ok();
        reader.LoadFile(file.pathText);  // its result is ignored, as the viewer ignores it
        ok = reader.ByLine(title).ok() && ok;
        ok = reader.ByLineTitle(marker).ok() && ok;
        ok = reader.Source(address).ok() && ok;
        if (!ok) {
            ++round.failures;
        } else if (marker == fixtures::kPageMarker) {
            ++round.pageImages;
        }
    }
    round.seconds = secondsSince(start);
    return round;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printSummary(std::string_view name, double seconds) {
    std::printf("%s: %d files, median %.1f ms total, %.0f files/s\n", std::string(name).c_str(),
                kFileCount, seconds * 1e3, kFileCount / seconds);
}

int run(const fs::path& folder) {
    std::vector<BenchFile> files = listFiles(folder);
    if (reuseFiles(folder, files)) {
        std::printf("reusing %d page images in %s\n", kFileCount, folder.string().c_str());
    } else {
        makeFiles(folder, files);
    }
    std::uintmax_t total = 0;
    std::uintmax_t smallest = UINTMAX_MAX;
    std::uintmax_t largest = 0;
    for (const BenchFile& file : files) {
        total += file.size;
        smallest = std::min(smallest, file.size);
        largest = std::max(largest, file.size);
    }
    const auto expected =
        static_cast<int>(std::count_if(files.begin(), files.end(), [](const BenchFile& file) {
            return file.kind == Kind::pageImage;
        }));
    std::printf("files: %d, %s total, %s to %s each, %d of them page images\n", kFileCount,
                megabytes(total).c_str(), megabytes(smallest).c_str(), megabytes(largest).c_str(),
                expected);

    const auto warmStart = Clock::now();
    const std::uintmax_t warmed = warmCache(files);
    // One untimed pass of each, so first-use costs (directory entries, allocator, the CPU's
    // clock ramping up) stay out of the first round.
    std::vector<char> buffer(kFloorRead);
    floorRound(files, buffer);
    readerRound(files);
    std::printf("warm-up: read %s, one untimed pass of each, in %.2f s\n",
                megabytes(warmed).c_str(), secondsSince(warmStart));

    std::vector<double> floorTimes;
    std::vector<double> readerTimes;
    Round lastReader;
    int floorFailures = 0;
    for (int r = 1; r <= kRounds; ++r) {
        const Round floor = floorRound(files, buffer);
        lastReader = readerRound(files);
        floorTimes.push_back(floor.seconds);
        readerTimes.push_back(lastReader.seconds);
        floorFailures += floor.failures;
        std::printf("round %d: floor %.1f ms, reader %.1f ms\n", r, floor.seconds * 1e3,
                    lastReader.seconds * 1e3);
    }

    const double floorMedian = median(floorTimes);
    const double readerMedian = median(readerTimes);
    printSummary("floor", floorMedian);
    printSummary("reader", readerMedian);
    std::printf("page images found by the reader: %d (expected %d)%s\n", lastReader.pageImages,
                expected,
                lastReader.pageImages == expected ? "" : "  <-- MISMATCH: the reader is wrong");
    if (lastReader.failures != 0 || floorFailures != 0) {
        std::printf("failures: reader %d in the last round, floor %d over all rounds\n",
                    lastReader.failures, floorFailures);
    }
    const double ratio = readerMedian / floorMedian;
    std::printf("ratio reader/floor: %.2f (goal: within %.1f, %s)\n", ratio, kGoalRatio,
                ratio <= kGoalRatio ? "met" : "NOT met");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && (std::string_view(argv[1]) == "--help" ||
                                   std::string_view(argv[1]) == "-h"))) {
        std::fprintf(stderr, "usage: bench_tagcheck [FOLDER]   (default: build/bench-pages)\n");
        return 2;
    }
    const fs::path folder =
        argc == 2 ? fs::path(argv[1]) : fs::current_path() / "build" / "bench-pages";
    try {
        return run(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_tagcheck: %s\n", error.what());
        return 1;
    }
}
