// The fuzzer's seeds and any crash inputs it found stay as regression files:
// each must read without fault (the sanitizers watch), the same from disk as
// from memory.

#include <filesystem>

#include "iptc/iptc_parse.h"
#include "iptc/reader_fixture.h"

namespace iptc::test {
namespace {

const std::filesystem::path kFuzzDir = std::filesystem::path(TS_SOURCE_DIR) / "tests" / "fuzz";

size_t checkInputsIn(const std::filesystem::path& folder) {
    size_t checked = 0;
    if (!std::filesystem::is_directory(folder)) return checked;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const auto content = testsupport::readAll(entry.path());
        const ParseResult inMemory = readIptcFields(content);
        const Loaded fromDisk = load(entry.path().string());
        if (inMemory.outcome == ParseOutcome::read) {
            EXPECT_TRUE(fromDisk.status.ok()) << entry.path();
            EXPECT_EQ(fromDisk.fields, inMemory.fields) << entry.path();
        } else {
            EXPECT_EQ(inMemory.outcome, ParseOutcome::notJpeg) << entry.path();
            EXPECT_EQ(fromDisk.status.code, status_code::notJpeg) << entry.path();
        }
        ++checked;
    }
    return checked;
}

TEST(FuzzInputsTest, SeedsAndCrashInputsReadAlikeFromDiskAndMemory) {
    EXPECT_GT(checkInputsIn(kFuzzDir / "seeds"), 0u) << "no seeds in " << kFuzzDir;
    checkInputsIn(kFuzzDir / "crashes");
}

}  // namespace
}  // namespace iptc::test
