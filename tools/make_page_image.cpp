// make_page_image: writes one page image (or a plain JPEG) for tests, samples and demos.
//
//   make_page_image OUT.jpg WIDTH HEIGHT [--title T] [--marker M | --no-marker] [--address A]
//                   [--quality Q] [--seed N] [--look page|photo] [--plain]
//
// Without --plain the IPTC record carries the marker "*+*+*" unless --marker or --no-marker says
// otherwise, and the title and address when given. --plain writes no IPTC record at all.

#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "fixtures/page_image_writer.h"

namespace {

constexpr std::string_view kUsage =
    "usage: make_page_image OUT.jpg WIDTH HEIGHT [--title T] [--marker M | --no-marker]\n"
    "                       [--address A] [--quality Q] [--seed N] [--look page|photo] "
    "[--plain]\n";

struct Request {
    std::string out;
    fixtures::PictureOptions options;
    fixtures::PageTags tags;
    bool plain = false;
};

template <typename Number>
Number parseNumber(std::string_view text, std::string_view what) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw std::invalid_argument(std::string(what) + " is not a number: " + std::string(text));
    }
    return value;
}

Request parseArguments(const std::vector<std::string_view>& args) {
    if (args.size() < 3) throw std::invalid_argument("missing arguments");
    Request request;
    request.out = std::string(args[0]);
    request.options.width = parseNumber<int>(args[1], "WIDTH");
    request.options.height = parseNumber<int>(args[2], "HEIGHT");
    std::optional<std::string> marker{std::string(fixtures::kPageMarker)};
    bool tagGiven = false;
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::string_view option = args[i];
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= args.size()) {
                throw std::invalid_argument(std::string(option) + " needs a value");
            }
            return args[++i];
        };
        if (option == "--title") {
            request.tags.title = std::string(value());
            tagGiven = true;
        } else if (option == "--marker") {
            marker = std::string(value());
            tagGiven = true;
        } else if (option == "--no-marker") {
            marker.reset();
            tagGiven = true;
        } else if (option == "--address") {
            request.tags.address = std::string(value());
            tagGiven = true;
        } else if (option == "--quality") {
            request.options.quality = parseNumber<int>(value(), "--quality");
        } else if (option == "--seed") {
            request.options.seed = parseNumber<std::uint64_t>(value(), "--seed");
        } else if (option == "--look") {
            const std::string_view look = value();
            if (look == "page") {
                request.options.look = fixtures::Look::page;
            } else if (look == "photo") {
                request.options.look = fixtures::Look::photo;
            } else {
                throw std::invalid_argument("--look is page or photo");
            }
        } else if (option == "--plain") {
            request.plain = true;
        } else {
            throw std::invalid_argument("unknown option " + std::string(option));
        }
    }
    if (request.plain && tagGiven) {
        throw std::invalid_argument("--plain writes no IPTC record; drop the tag options");
    }
    request.tags.marker = std::move(marker);
    return request;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    Request request;
    try {
        request = parseArguments(args);
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "make_page_image: %s\n%s", error.what(), kUsage.data());
        return 2;
    }
    try {
        if (request.plain) {
            fixtures::writePlainJpeg(request.out, request.options);
        } else {
            fixtures::writePageImage(request.out, request.options, request.tags);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_page_image: %s\n", error.what());
        return 1;
    }
    return 0;
}
