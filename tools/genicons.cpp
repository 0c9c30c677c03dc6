// genicons: draws the faces of the recording page's Record, Play and Stop
// buttons as icon files.
//
// The icons in resources/ are generated, not hand-made, so that they can be
// rebuilt and reviewed. To rebuild them:
//
//     cmake --build <build dir> --target genicons
//     <build dir>/tools/genicons resources
//
// Each is a 32 x 32 icon with 16 colours (the standard 16-colour icon palette,
// 4 bits per pixel) and a transparency mask:
//   PLAY.ico  a green triangle pointing right
//   REC.ico   a red disc
//   STOP.ico  a red square
// Shapes are filled where a pixel's centre lies inside them and outlined one
// pixel wide in the darker shade of their colour; a lighter shade marks a
// small highlight at the upper left, so the faces read as buttons.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Size = 32;

// The 16-colour icon palette, as red, green, blue.
constexpr std::array<std::array<uint8_t, 3>, 16> Palette = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128},
    {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255},
    {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};
enum : uint8_t { cBlack = 0, cMaroon = 1, cGreen = 2, cRed = 9, cLime = 10, cWhite = 15 };
constexpr int Transparent = -1;

using TPixels = std::array<std::array<int, Size>, Size>; // [y][x], top row first

// Fill, outline and highlight of a shape given by its inside test (pixel centres).
TPixels Draw(const std::function<bool(double, double)> &inside, uint8_t fill, uint8_t edge, uint8_t light,
             const std::function<bool(double, double)> &highlight)
{
    TPixels p;
    for (auto &row : p)
        row.fill(Transparent);
    auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < Size && y < Size && inside(x + 0.5, y + 0.5);
    };
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            if (!in(x, y))
                continue;
            const bool border = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
            if (border)
                p[y][x] = edge;
            else if (highlight(x + 0.5, y + 0.5))
                p[y][x] = light;
            else
                p[y][x] = fill;
        }
    return p;
}

void PutU16(std::vector<uint8_t> &b, uint16_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void PutU32(std::vector<uint8_t> &b, uint32_t v)
{
    PutU16(b, uint16_t(v));
    PutU16(b, uint16_t(v >> 16));
}

// One-image icon file: directory, bitmap header (height doubled for the mask),
// palette, 4-bit colour rows and 1-bit mask rows, both bottom-up.
std::vector<uint8_t> IconFile(const TPixels &p)
{
    constexpr uint32_t colourRow = Size / 2;                // 16 bytes, already a multiple of 4
    constexpr uint32_t maskRow = ((Size + 31) / 32) * 4;    // 4 bytes
    constexpr uint32_t imageBytes = 40 + 16 * 4 + colourRow * Size + maskRow * Size;
    std::vector<uint8_t> b;
    PutU16(b, 0);
    PutU16(b, 1);              // icon
    PutU16(b, 1);              // one image
    b.push_back(Size);
    b.push_back(Size);
    b.push_back(16);           // colours
    b.push_back(0);
    PutU16(b, 1);              // planes
    PutU16(b, 4);              // bits per pixel
    PutU32(b, imageBytes);
    PutU32(b, 22);             // where the image starts
    PutU32(b, 40);
    PutU32(b, Size);
    PutU32(b, Size * 2);
    PutU16(b, 1);
    PutU16(b, 4);
    PutU32(b, 0);              // uncompressed
    PutU32(b, colourRow * Size + maskRow * Size);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 16);
    PutU32(b, 0);
    for (const auto &c : Palette) {
        b.push_back(c[2]);
        b.push_back(c[1]);
        b.push_back(c[0]);
        b.push_back(0);
    }
    for (int y = Size - 1; y >= 0; --y)
        for (int x = 0; x < Size; x += 2) {
            // Transparent pixels are black in the colour part, as icons expect.
            const int a = p[y][x] < 0 ? cBlack : p[y][x];
            const int c = p[y][x + 1] < 0 ? cBlack : p[y][x + 1];
            b.push_back(uint8_t(a << 4 | c));
        }
    for (int y = Size - 1; y >= 0; --y) {
        uint32_t bits = 0;
        for (int x = 0; x < Size; ++x)
            if (p[y][x] < 0)
                bits |= 0x80000000u >> x;
        for (int k = 3; k >= 0; --k)
            b.push_back(uint8_t(bits >> (8 * k)));
    }
    return b;
}

bool Write(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: genicons <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];

    // A triangle from (7, 4) and (7, 28) to its point at (27, 16).
    auto triangle = [](double x, double y) {
        if (x < 7 || x > 27)
            return false;
        const double half = 12.0 * (27 - x) / 20.0;
        return std::abs(y - 16) <= half;
    };
    auto disc = [](double x, double y) { return std::hypot(x - 16, y - 16) <= 12.5; };
    auto square = [](double x, double y) { return x >= 5 && x <= 27 && y >= 5 && y <= 27; };
    auto nearCorner = [](double cx, double cy, double r) {
        return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; };
    };

    const struct {
        const char *name;
        TPixels pixels;
    } icons[] = {
        {"PLAY.ico", Draw(triangle, cLime, cGreen, cWhite, nearCorner(11, 12, 1.6))},
        {"REC.ico", Draw(disc, cRed, cMaroon, cWhite, nearCorner(11, 11, 2.2))},
        {"STOP.ico", Draw(square, cRed, cMaroon, cWhite, nearCorner(9, 9, 1.6))},
    };
    for (const auto &icon : icons) {
        const std::string path = dir + "/" + icon.name;
        if (!Write(path, IconFile(icon.pixels))) {
            std::fprintf(stderr, "genicons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
