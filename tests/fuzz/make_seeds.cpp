// Writes the fuzzer's seed inputs: small JPEG streams made with the tests'
// builder, one for each structure the reader knows. Run by
// `scripts/fuzz.sh --make-seeds`, which writes them to tests/fuzz/seeds.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "iptc/jpeg_builder.h"

using namespace iptc::test;
using namespace std::string_view_literals;

namespace {

std::vector<std::pair<std::string, Bytes>> seeds() {
    const Bytes tagged =
        cat({byLine("Page title"), byLineTitle("*+*+*"), source("http://example.org/page")});
    const Bytes thumbnail = resource(0x040C, Bytes(9, 0x5A), "thumb");
    const Bytes stream = cat({thumbnail, iptcResource(tagged)});
    const Bytes both = jpeg({app0(), photoshopSegment(stream)});
    return {
        {"tagged.jpg", both},
        {"utf8.jpg",
         jpeg({photoshopSegment(iptcResource(
             cat({utf8Charset(), byLine("Gr\xC3\xBC\xC3\x9F\x65"), source("\xE6\x97\xA5")})))})},
        {"cp1252.jpg", jpeg({photoshopSegment(iptcResource(byLine("\x80\x81\x9F\xE9 ")))})},
        {"extended.jpg",
         jpeg({photoshopSegment(iptcResource(
             cat({extendedDataset(2, 80, "one", 1), extendedDataset(2, 85, "four", 4)})))})},
        {"split-stream.jpg", jpeg({photoshopSegment(Bytes(stream.begin(), stream.begin() + 30)),
                                   segment(0xFE, bytes("between")),
                                   photoshopSegment(Bytes(stream.begin() + 30, stream.end()))})},
        {"two-iptc.jpg", jpeg({photoshopSegment(iptcResource(byLine("first"))),
                               photoshopSegment(iptcResource(tagged))})},
        {"pascal-names.jpg", jpeg({photoshopSegment(cat({resource(0x03ED, Bytes(3, 1), "a"),
                                                         resource(0x0406, Bytes(4, 2), "ab"),
                                                         iptcResource(tagged, "abc")}))})},
        {"foreign-signature.jpg", jpeg({photoshopSegment(resource(0x0404, tagged, "", "AgHg"))})},
        {"fill-and-garbage.jpg",
         cat({marker(0xD8), Bytes(3, 0xFF), app0(), Bytes{0xFF, 0x00, 0x00, 0x02, 0x37},
              marker(0xD0), photoshopSegment(stream), imageData()})},
        {"truncated.jpg", Bytes(both.begin(), both.end() - 60)},
        {"no-photoshop.jpg",
         jpeg({segment(0xE1, bytes("Exif\0\0MM"sv)), segment(0xED, bytes("Adobe_CM\0\x01"sv))})},
        {"broken-lengths.jpg",
         jpeg({photoshopSegment(
             cat({iptcResource(cat({byLine("kept"), Bytes{0x1C, 2, 85, 0x7F, 0xFF}})),
                  Bytes{'8', 'B', 'I', 'M', 4, 4, 0, 0, 0x7F, 0, 0, 0}}))})},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_seeds FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& [name, data] : seeds()) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", (folder / name).string().c_str());
            return 1;
        }
    }
    return 0;
}
