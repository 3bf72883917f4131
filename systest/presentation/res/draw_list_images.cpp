// Draws the result list's pictures: the status image strip, the sort-arrow glyphs and the two
// cursors. The committed files are this program's output; `--check DIR` tells whether they are.
//   draw_list_images --write DIR | --check DIR
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kMagenta{255, 0, 255}; // transparent in every strip

class CCanvas {
  public:
    CCanvas(int width, int height, Rgb fill) : width(width), height(height), pixels(width * height, fill) {}

    int Width() const { return width; }
    int Height() const { return height; }
    Rgb At(int x, int y) const { return pixels[y * width + x]; }
    void Set(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[y * width + x] = c;
    }
    void FillRect(int x0, int y0, int x1, int y1, Rgb c) { // inclusive
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                Set(x, y, c);
    }
    // Everything whose pixel centre passes the test gets the colour.
    template <typename Inside> void Fill(int ox, int oy, int w, int h, Rgb c, Inside inside) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (inside(x + 0.5, y + 0.5))
                    Set(ox + x, oy + y, c);
    }

  private:
    int width, height;
    std::vector<Rgb> pixels;
};

auto Disc(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

double SegmentDistance(double x, double y, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay;
    double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    double px = ax + t * dx - x, py = ay + t * dy - y;
    return std::sqrt(px * px + py * py);
}

auto Stroke(std::vector<std::pair<double, double>> points, double width) {
    return [=](double x, double y) {
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            if (SegmentDistance(x, y, points[i].first, points[i].second, points[i + 1].first,
                                points[i + 1].second) <= width / 2)
                return true;
        return false;
    };
}

auto Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    return [=](double x, double y) {
        auto side = [](double px, double py, double qx, double qy, double x, double y) {
            return (qx - px) * (y - py) - (qy - py) * (x - px);
        };
        double d1 = side(ax, ay, bx, by, x, y), d2 = side(bx, by, cx, cy, x, y),
               d3 = side(cx, cy, ax, ay, x, y);
        bool negative = d1 < 0 || d2 < 0 || d3<0, positive = d1> 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
}

// 0 red cross, 1 warning triangle, 2 green tick, 3 thumbs-up; 16 x 16 each, one spare column.
CCanvas DrawStatusImages() {
    CCanvas c(65, 16, kMagenta);
    // red cross: a red disc with a white X
    c.Fill(0, 0, 16, 16, {150, 0, 0}, Disc(8, 8, 7.9));
    c.Fill(0, 0, 16, 16, {220, 30, 30}, Disc(8, 8, 6.9));
    c.Fill(0, 0, 16, 16, {255, 255, 255}, Stroke({{5, 5}, {11, 11}}, 2.6));
    c.Fill(0, 0, 16, 16, {255, 255, 255}, Stroke({{11, 5}, {5, 11}}, 2.6));
    // warning: yellow triangle with a dark rim and a black exclamation mark
    c.Fill(16, 0, 16, 16, {120, 85, 0}, Triangle(8, 0.2, 16, 15.8, 0, 15.8));
    c.Fill(16, 0, 16, 16, {250, 205, 0}, Triangle(8, 2.6, 14.3, 14.6, 1.7, 14.6));
    c.FillRect(16 + 7, 5, 16 + 8, 10, {0, 0, 0});
    c.FillRect(16 + 7, 12, 16 + 8, 13, {0, 0, 0});
    // green tick with a dark edge
    std::vector<std::pair<double, double>> tick{{2.8, 8.4}, {6.4, 12}, {13.4, 4.2}};
    c.Fill(32, 0, 16, 16, {0, 100, 0}, Stroke(tick, 4.4));
    c.Fill(32, 0, 16, 16, {40, 180, 40}, Stroke(tick, 2.4));
    // thumbs-up: blue cuff, fist and a raised thumb
    Rgb rim{120, 70, 30}, skin{240, 190, 140};
    c.FillRect(48 + 1, 7, 48 + 4, 14, {40, 70, 170});
    c.FillRect(48 + 5, 7, 48 + 13, 14, rim);
    c.FillRect(48 + 6, 8, 48 + 12, 13, skin);
    c.Fill(48, 0, 16, 16, rim, Stroke({{8, 2.5}, {8, 7.5}}, 4.4));
    c.Fill(48, 0, 16, 16, skin, Stroke({{8, 2.5}, {8, 8.5}}, 2.4));
    for (int y : {9, 11})
        c.FillRect(48 + 9, y + 1, 48 + 12, y + 1, rim);
    return c;
}

// 0 triangle pointing up, 1 triangle pointing down: the sort arrows. They sit in the upper left
// of their 16 x 16 cell, which the header places 3 pixels above the middle of its text.
CCanvas DrawGlyphs() {
    CCanvas c(32, 16, kMagenta);
    Rgb arrow{90, 90, 90};
    for (int r = 0; r < 5; ++r) {
        c.FillRect(4 - r, 1 + r, 4 + r, 1 + r, arrow);
        c.FillRect(16 + r, 1 + r, 16 + 8 - r, 1 + r, arrow);
    }
    return c;
}

// Monochrome cursor pixels.
enum CursorPixel : std::uint8_t { kClear = 0, kBlack = 1, kWhite = 2 };
using CursorImage = std::vector<std::uint8_t>; // 32 x 32

// Every clear pixel next to a shape pixel becomes the rim colour.
void AddRim(CursorImage& image, std::uint8_t shape, std::uint8_t rim) {
    CursorImage out = image;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (image[y * 32 + x] != kClear)
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && image[ny * 32 + nx] == shape)
                        out[y * 32 + x] = rim;
                }
        }
    image = out;
}

template <typename Inside> void Paint(CursorImage& image, std::uint8_t value, Inside inside) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (inside(x + 0.5, y + 0.5))
                image[y * 32 + x] = value;
}

// The column divider: a bar with arrows to both sides, black with a white rim; hot spot on the bar.
CursorImage DrawDividerCursor() {
    CursorImage image(32 * 32, kClear);
    auto box = [](double x0, double y0, double x1, double y1) {
        return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
    };
    Paint(image, kBlack, box(15, 7, 17, 25));
    Paint(image, kBlack, box(6, 15, 13, 17));
    Paint(image, kBlack, box(19, 15, 26, 17));
    Paint(image, kBlack, Triangle(2, 16, 7.5, 10.5, 7.5, 21.5));
    Paint(image, kBlack, Triangle(30, 16, 24.5, 10.5, 24.5, 21.5));
    AddRim(image, kBlack, kWhite);
    return image;
}

// The hand over links: a white hand pointing up with a black outline; hot spot on the fingertip.
CursorImage DrawHandCursor() {
    CursorImage image(32 * 32, kClear);
    auto box = [](double x0, double y0, double x1, double y1) {
        return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
    };
    CursorImage shape(32 * 32, kClear);
    Paint(shape, kWhite, Stroke({{12.5, 2.5}, {12.5, 16}}, 4));  // index finger
    Paint(shape, kWhite, Stroke({{16.5, 10.5}, {16.5, 16}}, 4)); // middle
    Paint(shape, kWhite, Stroke({{20.5, 11.5}, {20.5, 16}}, 4)); // ring
    Paint(shape, kWhite, Stroke({{24, 13}, {24, 17}}, 3.6));     // little finger
    Paint(shape, kWhite, box(10.5, 15, 26, 26));                 // palm
    Paint(shape, kWhite, Stroke({{6.5, 16.5}, {11.5, 22}}, 4));  // thumb
    Paint(shape, kWhite, box(12, 25, 25, 29));                   // wrist
    // Outline: shape pixels on the edge turn black.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (shape[y * 32 + x] != kWhite)
                continue;
            bool edge = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                int nx = x + dx, ny = y + dy;
                edge |= nx < 0 || ny < 0 || nx >= 32 || ny >= 32 || shape[ny * 32 + nx] == kClear;
            }
            image[y * 32 + x] = edge ? kBlack : kWhite;
        }
    // Gaps between the fingers.
    for (int x : {14, 18, 22})
        Paint(image, kBlack, box(x + 0.1, 12, x + 0.9, 17));
    return image;
}

void Put16(Bytes& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

void PutInfoHeader(Bytes& b, int width, int height, int bits, std::uint32_t imageSize) {
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<unsigned>(bits));
    Put32(b, 0); // uncompressed
    Put32(b, imageSize);
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
}

// 24-bit bottom-up BMP.
Bytes EncodeBitmap(const CCanvas& c) {
    int stride = (c.Width() * 3 + 3) / 4 * 4;
    std::uint32_t imageSize = static_cast<std::uint32_t>(stride * c.Height());
    Bytes b{'B', 'M'};
    Put32(b, 14 + 40 + imageSize);
    Put32(b, 0);
    Put32(b, 14 + 40);
    PutInfoHeader(b, c.Width(), c.Height(), 24, imageSize);
    for (int y = c.Height() - 1; y >= 0; --y) {
        std::size_t start = b.size();
        for (int x = 0; x < c.Width(); ++x) {
            Rgb p = c.At(x, y);
            b.insert(b.end(), {p.b, p.g, p.r});
        }
        b.resize(start + static_cast<std::size_t>(stride), 0);
    }
    return b;
}

// A 32 x 32 monochrome .cur: colour (XOR) bits, then the transparency (AND) bits, both bottom-up.
Bytes EncodeCursor(const CursorImage& image, int hotX, int hotY) {
    const std::uint32_t maskSize = 32 * 4;
    const std::uint32_t resourceSize = 40 + 8 + 2 * maskSize;
    Bytes b;
    Put16(b, 0);
    Put16(b, 2); // cursor
    Put16(b, 1);
    b.insert(b.end(), {32, 32, 0, 0});
    Put16(b, static_cast<unsigned>(hotX));
    Put16(b, static_cast<unsigned>(hotY));
    Put32(b, resourceSize);
    Put32(b, 6 + 16);
    PutInfoHeader(b, 32, 64, 1, 2 * maskSize);
    Put32(b, 0x00000000); // black
    Put32(b, 0x00FFFFFF); // white
    for (int plane = 0; plane < 2; ++plane)
        for (int y = 31; y >= 0; --y)
            for (int byte = 0; byte < 4; ++byte) {
                std::uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    std::uint8_t p = image[y * 32 + byte * 8 + bit];
                    bool set = plane == 0 ? p == kWhite : p == kClear;
                    bits |= static_cast<std::uint8_t>(set << (7 - bit));
                }
                b.push_back(bits);
            }
    return b;
}

struct OutputFile {
    const char* name;
    Bytes bytes;
};

std::vector<OutputFile> DrawAll() {
    return {{"status_images.bmp", EncodeBitmap(DrawStatusImages())},
            {"list_glyphs.bmp", EncodeBitmap(DrawGlyphs())},
            {"column_divider.cur", EncodeCursor(DrawDividerCursor(), 16, 16)},
            {"link_hand.cur", EncodeCursor(DrawHandCursor(), 12, 1)}};
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "--write" && mode != "--check") {
        std::fprintf(stderr, "usage: draw_list_images --write DIR | --check DIR\n");
        return 2;
    }
    int status = 0;
    for (const OutputFile& file : DrawAll()) {
        std::string path = std::string(argv[2]) + "/" + file.name;
        if (mode == "--write") {
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(file.bytes.data()),
                      static_cast<std::streamsize>(file.bytes.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                status = 1;
            }
        } else {
            std::ifstream in(path, std::ios::binary);
            Bytes stored{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (stored != file.bytes) {
                std::fprintf(stderr, "%s differs from what draw_list_images draws\n", path.c_str());
                status = 1;
            }
        }
    }
    return status;
}
