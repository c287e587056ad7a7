// draw_resources: draws the main window's pictures, the hand pointer and the program's icon, and
// writes them as the BMP, CUR and ICO files that resources/tsviewer.rc embeds.
//
//   draw_resources OUT_DIR
//
// Each picture is one vector drawing in 96-DPI pixels, rendered at 100% and at 200% with 8 × 8
// samples a pixel. The window's pictures are opaque 24-bit BMPs drawn on the colour they sit on
// (the window shows them without alpha); the pointer and the icon carry an alpha channel. Nothing
// is random: the same source always writes the same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Geometry

struct Point {
    double x = 0;
    double y = 0;
};

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
double length(Point a) { return std::sqrt(dot(a, a)); }

struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};

Box inset(Box b, double by) { return {b.x0 + by, b.y0 + by, b.x1 - by, b.y1 - by}; }
Box merge(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

using Path = std::vector<Point>;

Box boundsOf(const Path& path) {
    if (path.empty()) throw std::logic_error("an empty path has no bounds");
    Box box{path.front().x, path.front().y, path.front().x, path.front().y};
    for (const Point p : path) box = merge(box, {p.x, p.y, p.x, p.y});
    return box;
}

Path mirrored(Path path, double axisX) {
    for (Point& p : path) p.x = 2 * axisX - p.x;
    return path;
}

Path translated(Path path, Point by) {
    for (Point& p : path) p = p + by;
    return path;
}

// An elliptic arc, angles in degrees counted anticlockwise on screen (y grows downwards).
Path arc(Point centre, double rx, double ry, double fromDegrees, double toDegrees, int steps = 48) {
    Path path;
    for (int i = 0; i <= steps; ++i) {
        const double t =
            (fromDegrees + (toDegrees - fromDegrees) * i / steps) * std::numbers::pi / 180.0;
        path.push_back({centre.x + rx * std::cos(t), centre.y - ry * std::sin(t)});
    }
    return path;
}

// Appends a cubic Bézier from the path's last point.
void cubicTo(Path& path, Point c1, Point c2, Point end, int steps = 16) {
    if (path.empty()) throw std::logic_error("a curve needs a start point");
    const Point start = path.back();
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double u = 1 - t;
        path.push_back(start * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) +
                       end * (t * t * t));
    }
}

// ---------------------------------------------------------------------------------------------
// Shapes: signed distances, negative inside. A distance may understate but never overstate how
// far the edge is, so a pixel whose centre lies further from the edge than half its diagonal is
// wholly inside or outside and needs no sampling.

struct Shape {
    std::function<double(Point)> distance;
    Box bounds;
};

Shape circle(Point centre, double radius) {
    return {[=](Point p) { return length(p - centre) - radius; },
            {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}};
}

Shape roundedBox(Box box, double radius) {
    const Point centre{(box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2};
    const Point half{(box.x1 - box.x0) / 2 - radius, (box.y1 - box.y0) / 2 - radius};
    return {[=](Point p) {
                const Point q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
                const Point outside{std::max(q.x, 0.0), std::max(q.y, 0.0)};
                return length(outside) + std::min(std::max(q.x, q.y), 0.0) - radius;
            },
            box};
}

Shape rect(const Box& box) { return roundedBox(box, 0); }

double segmentDistance(Point p, Point a, Point b) {
    const Point pa = p - a;
    const Point ba = b - a;
    const double span = dot(ba, ba);
    const double h = span > 0 ? std::clamp(dot(pa, ba) / span, 0.0, 1.0) : 0.0;
    return length(pa - ba * h);
}

// A pen line along the path, with round ends and joins.
Shape stroke(Path path, double width) {
    const double half = width / 2;
    const Box box = inset(boundsOf(path), -half);
    return {[path = std::move(path), half](Point p) {
                double best = segmentDistance(p, path[0], path[0]);
                for (std::size_t i = 1; i < path.size(); ++i) {
                    best = std::min(best, segmentDistance(p, path[i - 1], path[i]));
                }
                return best - half;
            },
            box};
}

Shape polygon(Path corners) {
    const Box box = boundsOf(corners);
    return {[corners = std::move(corners)](Point p) {
                double nearest = dot(p - corners[0], p - corners[0]);
                double sign = 1;
                for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                    const Point edge = corners[j] - corners[i];
                    const Point w = p - corners[i];
                    const Point b = w - edge * std::clamp(dot(w, edge) / dot(edge, edge), 0.0, 1.0);
                    nearest = std::min(nearest, dot(b, b));
                    const bool above = p.y >= corners[i].y;
                    const bool below = p.y < corners[j].y;
                    const bool left = edge.x * w.y > edge.y * w.x;
                    if ((above && below && left) || (!above && !below && !left)) sign = -sign;
                }
                return sign * std::sqrt(nearest);
            },
            box};
}

Shape unite(Shape a, Shape b) {
    const Box box = merge(a.bounds, b.bounds);
    return {[a = std::move(a.distance), b = std::move(b.distance)](Point p) {
                return std::min(a(p), b(p));
            },
            box};
}

Shape unite(std::vector<Shape> shapes) {
    Shape all = std::move(shapes.front());
    for (std::size_t i = 1; i < shapes.size(); ++i)
        all = unite(std::move(all), std::move(shapes[i]));
    return all;
}

Shape subtract(Shape a, Shape b) {
    const Box box = a.bounds;
    return {[a = std::move(a.distance), b = std::move(b.distance)](Point p) {
                return std::max(a(p), -b(p));
            },
            box};
}

Shape intersect(Shape a, Shape b) {
    const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                  std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
    return {[a = std::move(a.distance), b = std::move(b.distance)](Point p) {
                return std::max(a(p), b(p));
            },
            box};
}

Shape grow(Shape shape, double by) {
    const Box box = inset(shape.bounds, -by);
    return {[d = std::move(shape.distance), by](Point p) { return d(p) - by; }, box};
}

Shape moved(Shape shape, Point by) {
    const Box box{shape.bounds.x0 + by.x, shape.bounds.y0 + by.y, shape.bounds.x1 + by.x,
                  shape.bounds.y1 + by.y};
    return {[d = std::move(shape.distance), by](Point p) { return d(p - by); }, box};
}

// ---------------------------------------------------------------------------------------------
// Colour and paint

struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
};

constexpr Color rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
Color mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Premultiplied by alpha.
struct Pixel {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

using Paint = std::function<Pixel(Point)>;

Pixel premultiplied(Color c, double alpha) {
    return {c.r * alpha, c.g * alpha, c.b * alpha, alpha};
}

Paint solid(const Color& c, double alpha = 1) {
    return [pixel = premultiplied(c, alpha)](Point) { return pixel; };
}

Paint verticalGradient(double y0, const Color& top, double y1, const Color& bottom,
                       double alpha = 1) {
    return [=](Point p) {
        return premultiplied(mix(top, bottom, std::clamp((p.y - y0) / (y1 - y0), 0.0, 1.0)), alpha);
    };
}

constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kWhite = rgb(255, 255, 255);
// The system button face: the address bar and its buttons sit on it.
constexpr Color kFace = rgb(212, 208, 200);
// The empty viewer's background behind the start-up picture.
constexpr Color kViewerBack = rgb(239, 241, 241);
// The title band, shared by the band itself, the start-up picture and the icon.
constexpr Color kBandTop = rgb(20, 46, 108);
constexpr Color kBandBottom = rgb(64, 116, 188);
constexpr Color kBandEdge = rgb(14, 32, 78);
// The glyphs of the bar buttons.
constexpr Color kGlyph = rgb(28, 86, 172);
constexpr Color kGlyphDark = rgb(18, 54, 118);
constexpr Color kPageEdge = rgb(112, 118, 128);
constexpr Color kTextLine = rgb(176, 182, 192);

// ---------------------------------------------------------------------------------------------
// Canvas

class Canvas {
public:
    // A picture of the given size in 96-DPI pixels, rendered at `scale` device pixels each.
    Canvas(int designWidth, int designHeight, int scale)
        : width_(designWidth * scale),
          height_(designHeight * scale),
          scale_(scale),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }
    const Pixel& at(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)];
    }

    // Paints the shape over what is there, its edges covered by sample count.
    void fill(const Shape& shape, const Paint& paint) {
        const double s = scale_;
        const int x0 = std::max(0, static_cast<int>(std::floor(shape.bounds.x0 * s)));
        const int y0 = std::max(0, static_cast<int>(std::floor(shape.bounds.y0 * s)));
        const int x1 = std::min(width_, static_cast<int>(std::ceil(shape.bounds.x1 * s)));
        const int y1 = std::min(height_, static_cast<int>(std::ceil(shape.bounds.y1 * s)));
        const double halfDiagonal = std::numbers::sqrt2 / 2 / s;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const Point centre{(x + 0.5) / s, (y + 0.5) / s};
                const double d = shape.distance(centre);
                if (d > halfDiagonal) continue;
                double coverage = 1;
                if (d > -halfDiagonal) {
                    int inside = 0;
                    for (int sy = 0; sy < kSamples; ++sy) {
                        for (int sx = 0; sx < kSamples; ++sx) {
                            const Point sample{(x + (sx + 0.5) / kSamples) / s,
                                               (y + (sy + 0.5) / kSamples) / s};
                            if (shape.distance(sample) <= 0) ++inside;
                        }
                    }
                    coverage = static_cast<double>(inside) / (kSamples * kSamples);
                }
                if (coverage > 0) blend(x, y, paint(centre), coverage);
            }
        }
    }

private:
    static constexpr int kSamples = 8;

    void blend(int x, int y, const Pixel& source, double coverage) {
        Pixel& target = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                static_cast<std::size_t>(x)];
        const double keep = 1 - source.a * coverage;
        target.r = source.r * coverage + target.r * keep;
        target.g = source.g * coverage + target.g * keep;
        target.b = source.b * coverage + target.b * keep;
        target.a = source.a * coverage + target.a * keep;
    }

    int width_;
    int height_;
    int scale_;
    std::vector<Pixel> pixels_;
};

void fillAll(Canvas& canvas, const Color& c) {
    canvas.fill(rect({-1, -1, canvas.width() + 1.0, canvas.height() + 1.0}), solid(c));
}

// A soft shadow: the shape grown in steps, each step adding a little darkness.
void shadow(Canvas& canvas, const Shape& shape, Point offset, double blur, double strength) {
    constexpr int kSteps = 12;
    for (int i = kSteps; i >= 1; --i) {
        canvas.fill(grow(moved(shape, offset), blur * (i - 0.5) / kSteps - blur / 2),
                    solid(kBlack, strength / kSteps));
    }
}

// ---------------------------------------------------------------------------------------------
// Files

class Bytes {
public:
    void u8(unsigned v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(unsigned v) {
        u8(v & 0xFF);
        u8(v >> 8 & 0xFF);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void append(const Bytes& other) {
        data_.insert(data_.end(), other.data_.begin(), other.data_.end());
    }
    std::uint32_t size() const { return static_cast<std::uint32_t>(data_.size()); }

    void save(const std::filesystem::path& path) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data_.data()),
                  static_cast<std::streamsize>(data_.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }

private:
    std::vector<std::uint8_t> data_;
};

unsigned toByte(double v) {
    return static_cast<unsigned>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

void bitmapInfoHeader(Bytes& out, int width, int height, unsigned bitCount, std::uint32_t size) {
    out.u32(40);
    out.i32(width);
    out.i32(height);
    out.u16(1);
    out.u16(bitCount);
    out.u32(0);  // BI_RGB
    out.u32(size);
    out.i32(3780);  // 96 DPI in pixels a metre
    out.i32(3780);
    out.u32(0);
    out.u32(0);
}

// An opaque 24-bit BMP, bottom-up.
void writeBmp(const std::filesystem::path& path, const Canvas& canvas) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(canvas.width()) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(canvas.height());
    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(14 + 40 + imageSize);
    out.u32(0);
    out.u32(14 + 40);
    bitmapInfoHeader(out, canvas.width(), canvas.height(), 24, imageSize);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Pixel& p = canvas.at(x, y);
            out.u8(toByte(p.b));
            out.u8(toByte(p.g));
            out.u8(toByte(p.r));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(canvas.width()) * 3; pad < stride;
             ++pad) {
            out.u8(0);
        }
    }
    out.save(path);
}

// One image of an icon or cursor file: 32-bit BGRA with its 1-bit mask (set where fully clear,
// for the rare reader that ignores alpha).
Bytes iconImage(const Canvas& canvas) {
    const int w = canvas.width();
    const int h = canvas.height();
    const std::uint32_t maskStride = ((static_cast<std::uint32_t>(w) + 31) / 32) * 4;
    const std::uint32_t colourSize = static_cast<std::uint32_t>(w * h) * 4;
    const std::uint32_t maskSize = maskStride * static_cast<std::uint32_t>(h);
    Bytes out;
    bitmapInfoHeader(out, w, h * 2, 32, colourSize + maskSize);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Pixel& p = canvas.at(x, y);
            const unsigned alpha = toByte(p.a);
            const double unmultiply = alpha == 0 ? 0.0 : 1.0 / p.a;
            out.u8(alpha == 0 ? 0 : toByte(p.b * unmultiply));
            out.u8(alpha == 0 ? 0 : toByte(p.g * unmultiply));
            out.u8(alpha == 0 ? 0 : toByte(p.r * unmultiply));
            out.u8(alpha);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<unsigned> row(maskStride, 0);
        for (int x = 0; x < w; ++x) {
            if (toByte(canvas.at(x, y).a) == 0)
                row[static_cast<std::size_t>(x / 8)] |= 0x80u >> (x % 8);
        }
        for (const unsigned byte : row) out.u8(byte);
    }
    return out;
}

struct IconEntry {
    const Canvas* canvas;
    unsigned hotX = 0;  // cursors only
    unsigned hotY = 0;
};

enum class IconKind : unsigned { icon = 1, cursor = 2 };

void writeIconFile(const std::filesystem::path& path, IconKind kind,
                   const std::vector<IconEntry>& entries) {
    Bytes header;
    header.u16(0);
    header.u16(static_cast<unsigned>(kind));
    header.u16(static_cast<unsigned>(entries.size()));
    std::vector<Bytes> images;
    for (const IconEntry& entry : entries) images.push_back(iconImage(*entry.canvas));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Canvas& c = *entries[i].canvas;
        header.u8(c.width() >= 256 ? 0 : static_cast<unsigned>(c.width()));
        header.u8(c.height() >= 256 ? 0 : static_cast<unsigned>(c.height()));
        header.u8(0);
        header.u8(0);
        if (kind == IconKind::cursor) {
            header.u16(entries[i].hotX);
            header.u16(entries[i].hotY);
        } else {
            header.u16(1);   // planes
            header.u16(32);  // bits a pixel
        }
        header.u32(images[i].size());
        header.u32(offset);
        offset += images[i].size();
    }
    for (const Bytes& image : images) header.append(image);
    header.save(path);
}

// ---------------------------------------------------------------------------------------------
// Title band: 6 × 29, stretched sideways behind the white page title.

void drawTitleBand(Canvas& c) {
    c.fill(rect({0, 0, 6, 29}), verticalGradient(0, kBandTop, 29, kBandBottom));
    c.fill(rect({0, 0, 6, 1}), solid(kWhite, 0.12));
    c.fill(rect({0, 28, 6, 29}), solid(kBandEdge));
}

// ---------------------------------------------------------------------------------------------
// Go button: 51 × 23 on the address row, normal, hover and pressed.

enum class GoLook { normal, hover, pressed };

// "Go" in pen strokes, its baseline at y = 17.
void drawGoWord(Canvas& c, Point at, const Color& ink) {
    constexpr double kPen = 2.1;
    const Point gCentre = Point{12.0, 11.5} + at;
    Path g = arc(gCentre, 4.3, 4.5, 42, 360);
    g.push_back(gCentre + Point{0.7, 0});
    c.fill(stroke(std::move(g), kPen), solid(ink));
    const Point oCentre = Point{23.0, 12.8} + at;
    c.fill(subtract(circle(oCentre, 4.2), circle(oCentre, 4.2 - kPen)), solid(ink));
}

void drawGoArrow(Canvas& c, Point at, GoLook look) {
    const Point centre = Point{37.5, 11.5} + at;
    const Color light = look == GoLook::hover ? rgb(120, 210, 105) : rgb(96, 188, 84);
    const Color dark = look == GoLook::pressed ? rgb(26, 112, 40) : rgb(34, 134, 50);
    c.fill(circle(centre, 7.2), solid(rgb(24, 96, 36)));
    c.fill(circle(centre, 6.2), verticalGradient(centre.y - 6, light, centre.y + 6, dark));
    c.fill(stroke({centre + Point{-3.6, 0}, centre + Point{3.0, 0}}, 1.9), solid(kWhite));
    c.fill(
        stroke({centre + Point{0.2, -3.1}, centre + Point{3.3, 0}, centre + Point{0.2, 3.1}}, 1.9),
        solid(kWhite));
}

void drawGoButton(Canvas& c, GoLook look) {
    fillAll(c, kFace);
    const Box outer{0, 0, 51, 23};
    struct Look {
        Color border, top, bottom;
        Point shift;
    };
    const Look style =
        look == GoLook::normal
            ? Look{rgb(118, 124, 136), rgb(253, 253, 251), rgb(222, 220, 213), {0, 0}}
        : look == GoLook::hover
            ? Look{rgb(52, 104, 184), rgb(250, 252, 255), rgb(198, 218, 244), {0, 0}}
            : Look{rgb(40, 82, 150), rgb(188, 196, 210), rgb(220, 226, 236), {1, 1}};
    c.fill(roundedBox(outer, 5), solid(style.border));
    c.fill(roundedBox(inset(outer, 1), 4), verticalGradient(1, style.top, 22, style.bottom));
    if (look == GoLook::pressed) {
        // Light falls on a sunken button from below: a shade along its top inside edge.
        for (const auto& [bottom, alpha] : {std::pair{2.0, 0.10}, std::pair{3.0, 0.06}}) {
            c.fill(intersect(roundedBox(inset(outer, 1), 4), rect({0, 0, 51, bottom})),
                   solid(kBlack, alpha));
        }
    } else {
        c.fill(intersect(subtract(roundedBox(inset(outer, 1), 4), roundedBox(inset(outer, 2), 3)),
                         rect({0, 0, 51, 12})),
               solid(kWhite, 0.8));
    }
    drawGoWord(c, style.shift, rgb(24, 40, 86));
    drawGoArrow(c, style.shift, look);
}

// ---------------------------------------------------------------------------------------------
// Previous and next: 22 × 22 round buttons with a white arrow.

void drawRoundButton(Canvas& c, bool pointsRight) {
    fillAll(c, kFace);
    const Point centre{11, 11};
    c.fill(circle(centre, 10.5), solid(kGlyphDark));
    c.fill(circle(centre, 9.5), verticalGradient(1.5, rgb(104, 160, 228), 20.5, rgb(30, 82, 166)));
    // A soft gloss over the upper half.
    c.fill(intersect(circle(centre, 8.6), circle({11, -3}, 12.5)), solid(kWhite, 0.22));
    Path shaft{{5.8, 11}, {15.6, 11}};
    Path head{{11.6, 6.9}, {15.7, 11}, {11.6, 15.1}};
    if (!pointsRight) {
        shaft = mirrored(shaft, 11);
        head = mirrored(head, 11);
    }
    c.fill(stroke(shaft, 2.0), solid(kWhite));
    c.fill(stroke(head, 2.3), solid(kWhite));
}

// ---------------------------------------------------------------------------------------------
// The three 24 × 24 bar buttons: page down, to the end, shrink.

// A page with a dog-ear, 16 × 22, its top-left corner at `at`.
void drawSmallPage(Canvas& c, Point at) {
    const Path outline = translated({{0, 0}, {11, 0}, {16, 5}, {16, 22}, {0, 22}}, at);
    const Path paper = translated({{1, 1}, {10.6, 1}, {15, 5.4}, {15, 21}, {1, 21}}, at);
    c.fill(polygon(outline), solid(kPageEdge));
    c.fill(polygon(paper), verticalGradient(at.y, kWhite, at.y + 22, rgb(236, 238, 242)));
    c.fill(polygon(translated({{10.5, 0.5}, {10.5, 5.5}, {15.5, 5.5}}, at)),
           solid(rgb(214, 218, 226)));
    c.fill(stroke(translated({{11, 0.5}, {11, 5}, {15.5, 5}}, at), 1.0), solid(kPageEdge));
}

void drawPageDown(Canvas& c) {
    fillAll(c, kFace);
    drawSmallPage(c, {4, 1});
    c.fill(rect({7, 4, 13, 5}), solid(kTextLine));
    c.fill(rect({7, 7, 17, 8}), solid(kTextLine));
    const Path upper{{7.6, 10.2}, {12, 14.6}, {16.4, 10.2}};
    const Path lower{{7.6, 15.2}, {12, 19.6}, {16.4, 15.2}};
    for (const Path& chevron : {upper, lower}) {
        c.fill(stroke(chevron, 2.6), solid(kGlyph));
    }
}

void drawToEnd(Canvas& c) {
    fillAll(c, kFace);
    c.fill(stroke({{12, 3}, {12, 15}}, 2.0), solid(kGlyph));
    c.fill(stroke({{6.9, 10.4}, {12, 15.5}, {17.1, 10.4}}, 2.5), solid(kGlyph));
    c.fill(roundedBox({5, 19, 19, 21.5}, 1), solid(kGlyph));
}

void drawShrink(Canvas& c) {
    fillAll(c, kFace);
    // One arrow from the top-left corner towards the middle; the others are its mirror images.
    const Path shaft{{4, 4}, {9.2, 9.2}};
    const Path head{{10, 5.2}, {10, 10}, {5.2, 10}};
    for (const bool right : {false, true}) {
        for (const bool down : {false, true}) {
            for (Path path : {shaft, head}) {
                if (right) path = mirrored(std::move(path), 12);
                if (down) {
                    for (Point& p : path) p.y = 24 - p.y;
                }
                c.fill(stroke(std::move(path), 2.0), solid(kGlyph));
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The word "Tessmire" in monoline pen strokes, slanted like the product name's italic.

struct Glyph {
    std::vector<Path> strokes;  // x-height units: baseline y = 0, x-height y = 1, y upwards
    std::vector<Point> dots;
    double width = 0;
};

Glyph glyphT() { return {{{{0, 1.42}, {1.0, 1.42}}, {{0.5, 1.42}, {0.5, 0}}}, {}, 1.0}; }

Glyph glyphE() {
    Path path{{0.03, 0.5}, {0.94, 0.5}};
    const Path bowl = arc({0.47, 0.5}, 0.47, 0.5, 0, 312);
    path.insert(path.end(), bowl.begin(), bowl.end());
    // arc() works in screen coordinates (y down); glyphs are y up, so flip about the centre line.
    for (Point& p : path) p.y = 1.0 - p.y;
    return {{path}, {}, 0.94};
}

Glyph glyphS() {
    Path path{{0.62, 0.86}};
    cubicTo(path, {0.56, 0.97}, {0.45, 1.0}, {0.34, 1.0});
    cubicTo(path, {0.17, 1.0}, {0.06, 0.91}, {0.06, 0.76});
    cubicTo(path, {0.06, 0.44}, {0.66, 0.58}, {0.66, 0.25});
    cubicTo(path, {0.66, 0.09}, {0.52, 0.0}, {0.34, 0.0});
    cubicTo(path, {0.19, 0.0}, {0.07, 0.06}, {0.02, 0.17});
    return {{path}, {}, 0.66};
}

Glyph glyphM() {
    const auto archFrom = [](double x) {
        Path path{{x, 0.6}};
        cubicTo(path, {x, 0.86}, {x + 0.13, 1.0}, {x + 0.31, 1.0});
        cubicTo(path, {x + 0.49, 1.0}, {x + 0.62, 0.86}, {x + 0.62, 0.6});
        path.push_back({x + 0.62, 0});
        return path;
    };
    return {{{{0, 0}, {0, 1}}, archFrom(0), archFrom(0.62)}, {}, 1.24};
}

Glyph glyphI() { return {{{{0, 0}, {0, 1}}}, {{0, 1.4}}, 0}; }

Glyph glyphR() {
    Path arch{{0, 0.55}};
    cubicTo(arch, {0, 0.84}, {0.18, 1.0}, {0.42, 1.0});
    arch.push_back({0.5, 0.98});
    return {{{{0, 0}, {0, 1}}, arch}, {}, 0.5};
}

// Draws the word with its baseline's middle at `centre`; `xHeight` in pixels.
void drawWordmark(Canvas& c, Point centre, double xHeight, const Color& ink) {
    constexpr double kSlant = 0.16;
    const double pen = xHeight * 0.19;
    // Each glyph with the gap before it (tighter under the T's bar, after the r's open arch).
    const std::vector<std::pair<Glyph, double>> word{
        {glyphT(), 0},    {glyphE(), -0.12}, {glyphS(), 0.3},  {glyphS(), 0.3},
        {glyphM(), 0.34}, {glyphI(), 0.34},  {glyphR(), 0.34}, {glyphE(), 0.2}};
    double total = 0;
    for (const auto& [glyph, gap] : word) total += gap + glyph.width;
    double penX = -total / 2;
    const auto place = [&](Point p) {
        return Point{centre.x + (penX + p.x + kSlant * p.y) * xHeight, centre.y - p.y * xHeight};
    };
    for (const auto& [glyph, gap] : word) {
        penX += gap;
        for (const Path& path : glyph.strokes) {
            Path placed(path.size());
            std::ranges::transform(path, placed.begin(), place);
            c.fill(stroke(std::move(placed), pen), solid(ink));
        }
        for (const Point spot : glyph.dots) c.fill(circle(place(spot), pen * 0.62), solid(ink));
        penX += glyph.width;
    }
}

// ---------------------------------------------------------------------------------------------
// Start-up picture: 277 × 277 on the empty viewer's background. A tall captured page, a second
// one behind it, and the product name.

Path rotatedBox(Box box, double degrees) {
    const Point centre{(box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2};
    const double t = degrees * std::numbers::pi / 180.0;
    Path corners{{box.x0, box.y0}, {box.x1, box.y0}, {box.x1, box.y1}, {box.x0, box.y1}};
    for (Point& p : corners) {
        const Point d = p - centre;
        p = centre +
            Point{d.x * std::cos(t) - d.y * std::sin(t), d.x * std::sin(t) + d.y * std::cos(t)};
    }
    return corners;
}

void drawTextLines(Canvas& c, double x, double y, double spacing,
                   const std::vector<double>& widths) {
    for (const double width : widths) {
        c.fill(roundedBox({x, y, x + width, y + 4}, 2), solid(kTextLine));
        y += spacing;
    }
}

void drawStartup(Canvas& c) {
    fillAll(c, kViewerBack);

    const Box back{92, 26, 202, 200};
    const Path backCorners = rotatedBox(back, 7);
    shadow(c, polygon(backCorners), {2, 4}, 10, 0.16);
    c.fill(polygon(backCorners), solid(rgb(190, 196, 204)));
    c.fill(polygon(rotatedBox(inset(back, 1), 7)), solid(rgb(250, 250, 248)));
    c.fill(intersect(polygon(rotatedBox(inset(back, 1), 7)),
                     polygon(rotatedBox({back.x0, back.y0, back.x1, back.y0 + 22}, 7))),
           solid(rgb(150, 176, 214)));

    const Box page{76, 20, 188, 218};
    shadow(c, rect(page), {2, 4}, 10, 0.22);
    c.fill(rect(page), solid(rgb(168, 174, 184)));
    c.fill(rect(inset(page, 1)), solid(kWhite));
    // Its title band, with the title as a white bar.
    c.fill(rect({page.x0 + 1, page.y0 + 1, page.x1 - 1, page.y0 + 27}),
           verticalGradient(page.y0 + 1, kBandTop, page.y0 + 27, kBandBottom));
    c.fill(roundedBox({page.x0 + 10, page.y0 + 10, page.x0 + 70, page.y0 + 17}, 3.5),
           solid(kWhite, 0.92));
    // Text, a picture beside the text, and more text.
    drawTextLines(c, page.x0 + 10, page.y0 + 38, 10, {92, 84, 90, 56});
    const Box picture{page.x0 + 10, page.y0 + 80, page.x0 + 56, page.y0 + 118};
    c.fill(rect(picture),
           verticalGradient(picture.y0, rgb(178, 208, 240), picture.y1, rgb(224, 236, 248)));
    c.fill(circle({picture.x1 - 12, picture.y0 + 11}, 5.5), solid(rgb(248, 196, 72)));
    c.fill(intersect(rect(picture), polygon({{picture.x0, picture.y1},
                                             {picture.x0 + 16, picture.y0 + 20},
                                             {picture.x0 + 27, picture.y0 + 30},
                                             {picture.x0 + 34, picture.y0 + 24},
                                             {picture.x1 + 2, picture.y1}})),
           solid(rgb(88, 150, 112)));
    drawTextLines(c, page.x0 + 62, page.y0 + 82, 10, {40, 36, 40, 28});
    drawTextLines(c, page.x0 + 10, page.y0 + 130, 10, {92, 88, 92, 70, 90, 60});

    drawWordmark(c, {138.5, 254}, 14, rgb(30, 58, 118));
}

// ---------------------------------------------------------------------------------------------
// Hand pointer: 32 × 32, pointing up, its hot spot at the fingertip.

constexpr Point kHandHotSpot{10.5, 2};

void drawHand(Canvas& c) {
    const Shape index = stroke({{11, 5}, {11, 16}}, 4);
    const Shape middle = stroke({{15, 12}, {15, 17}}, 4);
    const Shape ring = stroke({{19, 13}, {19, 18}}, 4);
    const Shape little = stroke({{22.5, 14.5}, {22.5, 19}}, 3);
    const Shape palm = unite(roundedBox({9, 15, 24, 26}, 4), rect({11, 22, 22, 29}));
    const Shape thumb = stroke({{10.5, 22}, {5.6, 16.6}}, 4);
    const Shape hand = unite({index, middle, ring, little, palm, thumb});
    c.fill(grow(hand, 1), solid(kBlack));
    c.fill(hand, solid(kWhite));
    // Creases between the folded fingers and along the thumb.
    c.fill(rect({13, 11.5, 14, 17}), solid(kBlack));
    c.fill(rect({17, 12.5, 18, 18}), solid(kBlack));
    c.fill(rect({21, 14, 22, 19}), solid(kBlack));
}

// ---------------------------------------------------------------------------------------------
// Icon: a page with a blue title band. Each size is laid out in whole pixels of its own: the
// 16-pixel one by hand, the others from a 32-unit grid, the 256-pixel one with a picture too.

constexpr Color kIconEdge = rgb(84, 92, 108);

void drawIcon16(Canvas& c) {
    c.fill(rect({2, 0, 14, 16}), solid(kIconEdge));
    c.fill(rect({3, 1, 13, 15}), solid(kWhite));
    c.fill(rect({3, 1, 13, 5}), verticalGradient(1, kBandTop, 5, kBandBottom));
    c.fill(rect({4, 2, 9, 4}), solid(kWhite, 0.85));
    for (const auto& [y, end] :
         std::array<std::pair<double, double>, 4>{{{7, 12}, {9, 10}, {11, 12}, {13, 9}}}) {
        c.fill(rect({4, y, end, y + 1}), solid(rgb(140, 148, 160)));
    }
}

void drawIcon(Canvas& c) {
    const double s = c.width();
    if (s <= 16) {
        drawIcon16(c);
        return;
    }
    const double u = s / 32;
    const auto px = [u](double v) { return std::round(v * u); };
    const bool large = s >= 128;
    const double border = std::max(1.0, std::floor(s / 64));
    const Box page{px(5), px(1), s - px(5), s - px(1)};
    const double fold = px(7);
    const auto pageOutline = [&](double by) {
        // Inset by `by`; the cut corner's ends move less, so its edge keeps its width.
        constexpr double kCut = std::numbers::sqrt2 - 1;
        return Path{{page.x0 + by, page.y0 + by},
                    {page.x1 - fold - by * kCut, page.y0 + by},
                    {page.x1 - by, page.y0 + fold + by * kCut},
                    {page.x1 - by, page.y1 - by},
                    {page.x0 + by, page.y1 - by}};
    };
    if (s >= 48) shadow(c, polygon(pageOutline(0)), {0, s / 48}, s / 24, 0.35);
    c.fill(polygon(pageOutline(0)), solid(kIconEdge));
    const Shape paper = polygon(pageOutline(border));
    c.fill(paper, solid(kWhite));
    const double bandBottom = page.y0 + px(10);
    c.fill(intersect(paper, rect({page.x0, page.y0, page.x1, bandBottom})),
           verticalGradient(page.y0, kBandTop, bandBottom, kBandBottom));
    // The dog-ear, folded over the band.
    c.fill(polygon({{page.x1 - fold, page.y0},
                    {page.x1 - fold, page.y0 + fold},
                    {page.x1, page.y0 + fold}}),
           solid(kIconEdge));
    c.fill(polygon({{page.x1 - fold + border, page.y0 + border * 2.4},
                    {page.x1 - fold + border, page.y0 + fold - border},
                    {page.x1 - border * 2.4, page.y0 + fold - border}}),
           solid(rgb(186, 206, 236)));

    const double left = page.x0 + border + px(2);
    const double right = page.x1 - border - px(2);
    const auto bar = [&](double x0, double y, double x1, double h, const Paint& paint) {
        c.fill(large ? roundedBox({x0, y, x1, y + h}, h / 2) : rect({x0, y, x1, y + h}), paint);
    };
    // The title in the band.
    const double titleHeight = std::max(2.0, px(large ? 1.6 : 2));
    bar(left, std::round((page.y0 + bandBottom - titleHeight) / 2), left + px(11), titleHeight,
        solid(kWhite));

    // Lines of text down to the foot of the page; on the large icon a picture beside the third to
    // fifth of them.
    const double lineHeight = large ? px(0.9) : std::max(1.0, px(1.2));
    const double spacing = large ? px(2.3) : std::max(3.0, px(3.4));
    const double bottom = page.y1 - border - px(2);
    const std::array<double, 8> lengths{1.0, 0.82, 0.94, 0.6, 1.0, 0.88, 0.96, 0.7};
    double y = bandBottom + px(large ? 2.5 : 3);
    Box picture{};
    for (std::size_t i = 0; y + lineHeight <= bottom; ++i) {
        double x0 = left;
        if (large && i == 2) {
            picture = {left, y, left + px(8), y + 3 * spacing - (spacing - lineHeight)};
        }
        if (large && i >= 2 && i <= 4) x0 = picture.x1 + px(1.5);
        const double span = std::round((right - x0) * lengths[i % lengths.size()]);
        bar(x0, y, x0 + span, lineHeight, solid(large ? kTextLine : rgb(160, 166, 178)));
        y += spacing;
    }
    if (large) {
        c.fill(rect(picture),
               verticalGradient(picture.y0, rgb(178, 208, 240), picture.y1, rgb(224, 236, 248)));
        const double w = picture.x1 - picture.x0;
        const double h = picture.y1 - picture.y0;
        c.fill(circle({picture.x1 - w * 0.27, picture.y0 + h * 0.3}, h * 0.15),
               solid(rgb(248, 196, 72)));
        c.fill(intersect(rect(picture), polygon({{picture.x0, picture.y1},
                                                 {picture.x0 + w * 0.35, picture.y0 + h * 0.5},
                                                 {picture.x0 + w * 0.58, picture.y0 + h * 0.75},
                                                 {picture.x0 + w * 0.74, picture.y0 + h * 0.6},
                                                 {picture.x1 + 2, picture.y1}})),
               solid(rgb(88, 150, 112)));
    }
}

// ---------------------------------------------------------------------------------------------

struct Picture {
    std::string_view name;
    int width;
    int height;
    void (*draw)(Canvas&);
};

void run(const std::filesystem::path& outDir) {
    std::filesystem::create_directories(outDir);
    const std::array<Picture, 10> pictures{{
        {"title-band", 6, 29, drawTitleBand},
        {"go-normal", 51, 23, [](Canvas& c) { drawGoButton(c, GoLook::normal); }},
        {"go-hover", 51, 23, [](Canvas& c) { drawGoButton(c, GoLook::hover); }},
        {"go-pressed", 51, 23, [](Canvas& c) { drawGoButton(c, GoLook::pressed); }},
        {"previous", 22, 22, [](Canvas& c) { drawRoundButton(c, false); }},
        {"next", 22, 22, [](Canvas& c) { drawRoundButton(c, true); }},
        {"page-down", 24, 24, drawPageDown},
        {"to-end", 24, 24, drawToEnd},
        {"shrink", 24, 24, drawShrink},
        {"startup", 277, 277, drawStartup},
    }};
    for (const Picture& picture : pictures) {
        for (const int scale : {1, 2}) {
            Canvas canvas(picture.width, picture.height, scale);
            picture.draw(canvas);
            const std::string file =
                std::string(picture.name) + (scale == 1 ? "-100.bmp" : "-200.bmp");
            writeBmp(outDir / file, canvas);
        }
    }

    std::vector<Canvas> hands;
    for (const int scale : {1, 2}) {
        hands.emplace_back(32, 32, scale);
        drawHand(hands.back());
    }
    std::vector<IconEntry> handEntries;
    for (const Canvas& hand : hands) {
        handEntries.push_back({&hand, static_cast<unsigned>(kHandHotSpot.x * hand.scale()),
                               static_cast<unsigned>(kHandHotSpot.y * hand.scale())});
    }
    writeIconFile(outDir / "hand.cur", IconKind::cursor, handEntries);

    std::vector<Canvas> icons;
    for (const int size : {16, 32, 48, 256}) {
        icons.emplace_back(size, size, 1);
        drawIcon(icons.back());
    }
    std::vector<IconEntry> iconEntries;
    for (const Canvas& icon : icons) iconEntries.push_back({&icon});
    writeIconFile(outDir / "tsviewer.ico", IconKind::icon, iconEntries);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_resources OUT_DIR\n");
        return 2;
    }
    try {
        run(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "draw_resources: %s\n", error.what());
        return 1;
    }
    return 0;
}
