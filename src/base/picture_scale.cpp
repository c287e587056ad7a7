#include "base/picture_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace base {

namespace {

// Which source pixels make each new pixel along one axis, and their weights.
struct Taps {
    std::vector<int32_t> first;  // per new pixel: its first source pixel
    std::vector<size_t> start;   // per new pixel, and one past the last: into weights
    std::vector<float> weights;  // of the source pixels from `first` on, summing to 1
};

Taps tapsFor(int32_t from, int32_t to) {
    Taps taps;
    const double ratio = double(from) / to;
    for (int32_t pixel = 0; pixel < to; ++pixel) {
        const double begin = pixel * ratio;
        const double end = std::min(double(from), (pixel + 1) * ratio);
        const auto first = static_cast<int32_t>(begin);
        const auto last = std::min(from, static_cast<int32_t>(std::ceil(end)));
        taps.first.push_back(first);
        taps.start.push_back(taps.weights.size());
        for (int32_t source = first; source < last; ++source) {
            const double covered = std::min(end, source + 1.0) - std::max(begin, double(source));
            taps.weights.push_back(static_cast<float>(covered / ratio));
        }
    }
    taps.start.push_back(taps.weights.size());
    return taps;
}

uint32_t channel(float value) {
    return static_cast<uint32_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

}  // namespace

Picture downscaled(const Bitmap& picture, int32_t width, int32_t height) {
    width = std::clamp(width, 1, picture.width());
    height = std::clamp(height, 1, picture.height());
    const Taps across = tapsFor(picture.width(), width);
    const Taps down = tapsFor(picture.height(), height);
    auto result = std::make_shared<Bitmap>(width, height);

    // Each new row: the source rows it covers summed into one row of
    // channel sums, then the sums across each new pixel's columns.
    std::vector<float> sums(size_t(picture.width()) * 3);
    for (int32_t y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0.0f);
        for (size_t tap = down.start[y]; tap < down.start[y + 1]; ++tap) {
            const float weight = down.weights[tap];
            const uint32_t* row =
                picture.row(down.first[y] + static_cast<int32_t>(tap - down.start[y]));
            float* sum = sums.data();
            for (int32_t x = 0; x < picture.width(); ++x, sum += 3) {
                sum[0] += weight * float((row[x] >> 16) & 0xFF);
                sum[1] += weight * float((row[x] >> 8) & 0xFF);
                sum[2] += weight * float(row[x] & 0xFF);
            }
        }
        uint32_t* out = result->row(y);
        for (int32_t x = 0; x < width; ++x) {
            float red = 0;
            float green = 0;
            float blue = 0;
            const float* sum = sums.data() + size_t(across.first[x]) * 3;
            for (size_t tap = across.start[x]; tap < across.start[x + 1]; ++tap, sum += 3) {
                const float weight = across.weights[tap];
                red += weight * sum[0];
                green += weight * sum[1];
                blue += weight * sum[2];
            }
            out[x] = channel(red) << 16 | channel(green) << 8 | channel(blue);
        }
    }
    return result;
}

}  // namespace base
