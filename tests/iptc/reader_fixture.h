#pragma once
// A test fixture that writes JPEG bytes to a file of its own temporary folder
// and reads them back through IptcReader, as the viewer does.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "iptc/iptc_reader.h"
#include "iptc/jpeg_builder.h"
#include "support/temp_dir.h"

namespace iptc {

inline bool operator==(const IptcFields& a, const IptcFields& b) {
    return a.byLine == b.byLine && a.byLineTitle == b.byLineTitle && a.source == b.source;
}

inline void PrintTo(const IptcFields& f, std::ostream* os) {
    *os << "{byLine=\"" << f.byLine << "\", byLineTitle=\"" << f.byLineTitle << "\", source=\""
        << f.source << "\"}";
}

namespace test {

struct Loaded {
    Status status;
    IptcFields fields;
};

// Loads `path` with a fresh reader and collects what its getters give.
Loaded load(const std::string& path);

class ReaderTest : public ::testing::Test {
protected:
    // Writes `file` and loads it; each call uses a new file name.
    Loaded read(const Bytes& file);
    // The fields of `file`, which must load successfully.
    IptcFields fieldsOf(const Bytes& file);

    testsupport::TempDir dir_{"tsiptc"};

private:
    int fileCount_ = 0;
};

}  // namespace test
}  // namespace iptc
