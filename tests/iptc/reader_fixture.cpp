#include "iptc/reader_fixture.h"

namespace iptc::test {

Loaded load(const std::string& path) {
    IptcReader reader;
    Loaded out;
    out.status = reader.LoadFile(path);
    // The getters never fail, loaded or not.
    EXPECT_TRUE(reader.ByLine(out.fields.byLine).ok());
    EXPECT_TRUE(reader.ByLineTitle(out.fields.byLineTitle).ok());
    EXPECT_TRUE(reader.Source(out.fields.source).ok());
    return out;
}

Loaded ReaderTest::read(const Bytes& file) {
    return load(dir_.write("f" + std::to_string(++fileCount_) + ".jpg", file));
}

IptcFields ReaderTest::fieldsOf(const Bytes& file) {
    const Loaded loaded = read(file);
    EXPECT_TRUE(loaded.status.ok()) << loaded.status.description;
    return loaded.fields;
}

}  // namespace iptc::test
