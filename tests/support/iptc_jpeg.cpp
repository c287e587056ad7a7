#include "support/iptc_jpeg.h"

namespace testsupport {

namespace {

void putBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void putDataset(std::vector<uint8_t>& out, uint8_t record, uint8_t dataset,
                const std::string& value) {
    out.insert(out.end(), {0x1C, record, dataset});
    putBigEndian(out, static_cast<uint32_t>(value.size()), 2);
    out.insert(out.end(), value.begin(), value.end());
}

void putSegment(std::vector<uint8_t>& out, uint8_t marker, const std::vector<uint8_t>& body) {
    out.insert(out.end(), {0xFF, marker});
    putBigEndian(out, static_cast<uint32_t>(body.size() + 2), 2);
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<uint8_t> withPictureStub(std::vector<uint8_t> jpeg) {
    // A start of scan and a few entropy-coded bytes, then the end of the image.
    putSegment(jpeg, 0xDA, {0x01, 0x01, 0x00, 0x00, 0x3F, 0x00});
    jpeg.insert(jpeg.end(), {0x12, 0x34, 0x56, 0xFF, 0xD9});
    return jpeg;
}

}  // namespace

std::vector<uint8_t> jpegWithIptc(const IptcFieldValues& fields) {
    std::vector<uint8_t> iim;
    putDataset(iim, 1, 90, "\x1B%G");
    if (fields.byLine) putDataset(iim, 2, 80, *fields.byLine);
    if (fields.byLineTitle) putDataset(iim, 2, 85, *fields.byLineTitle);
    if (fields.source) putDataset(iim, 2, 115, *fields.source);

    const std::string header("Photoshop 3.0\0", 14);
    std::vector<uint8_t> app13(header.begin(), header.end());
    app13.insert(app13.end(), {'8', 'B', 'I', 'M', 0x04, 0x04, 0x00, 0x00});  // id, empty name
    putBigEndian(app13, static_cast<uint32_t>(iim.size()), 4);
    app13.insert(app13.end(), iim.begin(), iim.end());
    if (iim.size() % 2) app13.push_back(0);

    std::vector<uint8_t> jpeg{0xFF, 0xD8};
    putSegment(jpeg, 0xED, app13);
    return withPictureStub(std::move(jpeg));
}

std::vector<uint8_t> pageImage(const std::string& title, const std::string& address) {
    return jpegWithIptc({title, "*+*+*", address});
}

std::vector<uint8_t> plainJpeg() { return withPictureStub({0xFF, 0xD8}); }

}  // namespace testsupport
