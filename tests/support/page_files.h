#pragma once
// Real, decodable JPEG files for tests that open pictures: page images with
// their tags, plain JPEGs, and files that only pretend to be pictures.

#include <algorithm>
#include <filesystem>
#include <string>

#include "fixtures/page_image_writer.h"

namespace testsupport {

class PageFiles {
public:
    explicit PageFiles(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
    }

    const std::filesystem::path& folder() const { return folder_; }
    // The folder and a file in it as the program writes paths: with backslashes.
    std::string windowsFolder() const { return withBackslashes(folder_.string()); }
    std::string path(const std::string& name) const { return windowsFolder() + "\\" + name; }

    // A page image `width` × `height` with the given title and address.
    std::string page(const std::string& name, int width = 40, int height = 60,
                     const std::string& title = "Title",
                     const std::string& address = "https://a/") const {
        fixtures::writeWithIptc(folder_ / name, picture(width, height),
                                fixtures::pageTags(title, address));
        return path(name);
    }
    // A JPEG without the page marker.
    std::string plain(const std::string& name, int width = 40, int height = 60) const {
        fixtures::writeBytes(folder_ / name, picture(width, height));
        return path(name);
    }
    // A page image cut short: its tags are whole, its picture is not.
    std::string truncatedPage(const std::string& name, int width = 64, int height = 64) const {
        fixtures::Bytes bytes =
            fixtures::withIptc(picture(width, height), fixtures::pageTags("Cut", "c"));
        bytes.resize(bytes.size() * 2 / 3);
        fixtures::writeBytes(folder_ / name, bytes);
        return path(name);
    }

private:
    static std::string withBackslashes(std::string path) {
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
    static fixtures::Bytes picture(int width, int height) {
        fixtures::PictureOptions options;
        options.width = width;
        options.height = height;
        options.quality = 50;
        return fixtures::encodePlainJpeg(options);
    }

    std::filesystem::path folder_;
};

}  // namespace testsupport
