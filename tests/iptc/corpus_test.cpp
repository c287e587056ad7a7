// The public corpus: every file of MANIFEST.tsv read, and all three fields
// compared with what an independent reader found.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "iptc/iptc_parse.h"
#include "iptc/reader_fixture.h"
#include "support/temp_dir.h"

namespace iptc::test {
namespace {

const std::filesystem::path kCorpus = TS_CORPUS_DIR;
constexpr size_t kManifestRows = 43;

// Files where our rules depart, on purpose, from the manifest's reader.
struct Departure {
    std::string_view file;
    IptcFields expected;
    std::string_view reason;
};
const Departure kDepartures[] = {
    {"exiftool__AFCP.jpg",
     {},
     "the fields sit in a trailer after EOI; only APP13 before the image data is read"},
};

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    if (!line.empty() && line.back() == '\t') cells.emplace_back();
    return cells;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    throw std::invalid_argument("bad \\x escape in the manifest");
}

std::string unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 't')
            out += '\t';
        else if (c == 'n')
            out += '\n';
        else if (c == 'r')
            out += '\r';
        else if (c == '\\')
            out += '\\';
        else if (c == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else
            throw std::invalid_argument("unknown escape in the manifest");
    }
    return out;
}

// The value our reader gives for a manifest cell: "-" is absent, "" present and
// empty, "a || b" a repetition whose first occurrence counts, "[IPTCn]" names
// the block it was found in, «...» marks blanks at the ends.
std::string expectedValue(const std::string& cell) {
    if (cell == "-" || cell == "\"\"") return "";
    std::string_view value = cell;
    value = value.substr(0, value.find(" || "));
    if (value.starts_with("[IPTC")) value.remove_prefix(value.find(']') + 1);
    constexpr std::string_view kOpen = "\u00AB", kClose = "\u00BB";
    if (value.starts_with(kOpen) && value.ends_with(kClose)) {
        value = value.substr(kOpen.size(), value.size() - kOpen.size() - kClose.size());
    }
    return unescape(value);
}

struct Row {
    std::string file;
    uint64_t bytes = 0;
    IptcFields expected;
};

std::vector<Row> readManifest() {
    std::ifstream in(kCorpus / "MANIFEST.tsv", std::ios::binary);
    std::vector<Row> rows;
    std::string line;
    std::getline(in, line);  // the column names
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto cells = splitTabs(line);
        if (cells.size() < 7) throw std::runtime_error("short manifest row: " + line);
        rows.push_back(
            {cells[0],
             std::stoull(cells[3]),
             {expectedValue(cells[4]), expectedValue(cells[5]), expectedValue(cells[6])}});
    }
    return rows;
}

TEST(CorpusTest, ManifestNotationIsUnderstood) {
    EXPECT_EQ(expectedValue("-"), "");
    EXPECT_EQ(expectedValue("\"\""), "");
    EXPECT_EQ(expectedValue("a || b"), "a");
    EXPECT_EQ(expectedValue("[IPTC2]x y"), "x y");
    EXPECT_EQ(expectedValue("\u00AB a \u00BB"), " a ");
    EXPECT_EQ(expectedValue("a\\tb\\\\n\\x7F\\r"), "a\tb\\n\x7F\r");
}

TEST(CorpusTest, EveryFileReadsAsTheManifestSays) {
    // The corpus comes beside the project, not in it: a clone of the project
    // alone has none.
    if (!std::filesystem::exists(kCorpus / "MANIFEST.tsv"))
        GTEST_SKIP() << "no IPTC corpus at " << kCorpus.string() << " (../shared/corpus)";
    const std::vector<Row> rows = readManifest();
    ASSERT_EQ(rows.size(), kManifestRows) << "corpus missing or changed: " << kCorpus;

    size_t filesRead = 0;
    std::map<std::string_view, const Departure*> departures;
    for (const Departure& d : kDepartures) departures[d.file] = &d;
    for (const Row& row : rows) {
        const auto path = kCorpus / row.file;
        ASSERT_EQ(std::filesystem::file_size(path), row.bytes) << row.file;
        const Loaded loaded = load(path.string());
        ASSERT_TRUE(loaded.status.ok()) << row.file << ": " << loaded.status.description;
        ++filesRead;
        const auto departure = departures.find(row.file);
        if (departure != departures.end()) {
            EXPECT_EQ(loaded.fields, departure->second->expected)
                << row.file << " (" << departure->second->reason << ")";
            EXPECT_NE(loaded.fields, row.expected) << row.file << " no longer departs";
            departures.erase(departure);
        } else {
            EXPECT_EQ(loaded.fields, row.expected) << row.file;
        }
    }
    EXPECT_EQ(filesRead, kManifestRows);
    EXPECT_TRUE(departures.empty()) << "a departure names a file the manifest lacks";
}

// The file is read in blocks from disk; in memory it is one span. Any
// difference would be a buffering fault.
TEST(CorpusTest, ReadingFromDiskMatchesReadingFromMemory) {
    size_t compared = 0;
    for (const Row& row : readManifest()) {
        const auto path = kCorpus / row.file;
        const auto content = testsupport::readAll(path);
        const ParseResult inMemory = readIptcFields(content);
        ASSERT_EQ(inMemory.outcome, ParseOutcome::read) << row.file;
        EXPECT_EQ(load(path.string()).fields, inMemory.fields) << row.file;
        ++compared;
    }
    EXPECT_EQ(compared, kManifestRows);
}

}  // namespace
}  // namespace iptc::test
