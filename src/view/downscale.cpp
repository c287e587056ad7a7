#include "view/downscale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace view {

namespace {

// How much of each source column (or row) one target column covers.
struct Span {
    int32_t first = 0;
    std::vector<float> weights;  // for first, first + 1, ...; they sum to 1
};

std::vector<Span> spans(int32_t source, int32_t target) {
    std::vector<Span> result(static_cast<size_t>(target));
    const double scale = static_cast<double>(source) / target;
    for (int32_t t = 0; t < target; ++t) {
        const double start = t * scale;
        const double end = std::min<double>((t + 1) * scale, source);
        Span& span = result[static_cast<size_t>(t)];
        span.first = static_cast<int32_t>(std::floor(start));
        for (int32_t s = span.first; s < end; ++s) {
            const double covered = std::min<double>(s + 1, end) - std::max<double>(s, start);
            span.weights.push_back(static_cast<float>(covered / scale));
        }
    }
    return result;
}

uint32_t channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

}  // namespace

base::Picture downscale(const base::Picture& source, int32_t width, int32_t height) {
    if (!source || width <= 0 || height <= 0) return source;
    if (width >= source->width() && height >= source->height()) return source;

    const std::vector<Span> columns = spans(source->width(), width);
    const std::vector<Span> rows = spans(source->height(), height);
    auto target = std::make_shared<base::Bitmap>(width, height);

    // Columns first into one row of sums per source row, then rows, so each
    // source pixel is read once.
    std::vector<float> sums(static_cast<size_t>(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0.0f);
        const Span& rowSpan = rows[static_cast<size_t>(y)];
        for (size_t r = 0; r < rowSpan.weights.size(); ++r) {
            const uint32_t* in = source->row(rowSpan.first + static_cast<int32_t>(r));
            const float rowWeight = rowSpan.weights[r];
            for (int32_t x = 0; x < width; ++x) {
                const Span& columnSpan = columns[static_cast<size_t>(x)];
                float red = 0, green = 0, blue = 0;
                for (size_t c = 0; c < columnSpan.weights.size(); ++c) {
                    const uint32_t pixel = in[columnSpan.first + static_cast<int32_t>(c)];
                    const float w = columnSpan.weights[c];
                    red += w * static_cast<float>(channel(pixel, 16));
                    green += w * static_cast<float>(channel(pixel, 8));
                    blue += w * static_cast<float>(channel(pixel, 0));
                }
                float* sum = &sums[static_cast<size_t>(x) * 3];
                sum[0] += rowWeight * red;
                sum[1] += rowWeight * green;
                sum[2] += rowWeight * blue;
            }
        }
        uint32_t* out = target->row(y);
        for (int32_t x = 0; x < width; ++x) {
            const float* sum = &sums[static_cast<size_t>(x) * 3];
            const auto byte = [](float value) {
                return static_cast<uint32_t>(std::clamp(std::lround(value), 0L, 255L));
            };
            out[x] = (byte(sum[0]) << 16) | (byte(sum[1]) << 8) | byte(sum[2]);
        }
    }
    return target;
}

}  // namespace view
