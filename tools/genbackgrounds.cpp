// genbackgrounds: draws the background pictures of the main window.
//
// The pictures in dist/images/ are generated, not hand-made, so that they can be
// rebuilt and reviewed. To rebuild them:
//
//     cmake --build <build dir> --target genbackgrounds
//     <build dir>/tools/genbackgrounds dist/images
//
// Every picture is a small square tile that the main window repeats from its
// top-left corner, so each pattern is periodic in the tile size: shapes that
// cross an edge wrap round to the opposite edge and the noise lattices wrap too.
// The tiles stay pale and low in contrast because large navy button captions
// are drawn straight on top of them. The output is the same on every run: all
// randomness comes from a fixed-seed generator of our own.
//
// A second mode composes a preview of the main window for every picture, so a
// change can be judged by eye before it is committed:
//
//     genbackgrounds --preview dist/images /tmp/previews
//
// writes one 471 x 292 PNG per picture with the tile repeated and the five
// captions in navy on top (needs a Qt platform; offscreen is used when none is set).

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// splitmix64: tiny, fixed and identical everywhere, unlike the distributions of <random>.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    int Index(int count) { return int(Next() % uint64_t(count)); }

private:
    uint64_t state_;
};

struct Rgb {
    double r, g, b;
};

Rgb Hex(uint32_t v)
{
    return {double((v >> 16) & 0xFF) / 255.0, double((v >> 8) & 0xFF) / 255.0, double(v & 0xFF) / 255.0};
}

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

int Wrap(int v, int n)
{
    int m = v % n;
    return m < 0 ? m + n : m;
}

// A square tile whose coordinates wrap in both directions.
class Tile {
public:
    Tile(int size, Rgb background) : n_(size), px_(size_t(size) * size, background) {}

    int Size() const { return n_; }
    Rgb& At(int x, int y) { return px_[size_t(Wrap(y, n_)) * n_ + Wrap(x, n_)]; }
    const Rgb& At(int x, int y) const { return px_[size_t(Wrap(y, n_)) * n_ + Wrap(x, n_)]; }

    void Blend(int x, int y, Rgb c, double alpha)
    {
        if (alpha <= 0.0)
            return;
        Rgb& p = At(x, y);
        p = Mix(p, c, std::min(alpha, 1.0));
    }

    // Paints a shape given by an inside test over its bounding box, with 4 x 4
    // supersampling for smooth edges. Pixels outside the tile wrap round, which
    // is what makes a shape across an edge continue on the opposite side.
    void Shape(double x0, double y0, double x1, double y1, Rgb c, double alpha,
               const std::function<bool(double, double)>& inside)
    {
        constexpr int kSub = 4;
        for (int y = int(std::floor(y0)); y <= int(std::ceil(y1)); ++y)
            for (int x = int(std::floor(x0)); x <= int(std::ceil(x1)); ++x) {
                int hits = 0;
                for (int sy = 0; sy < kSub; ++sy)
                    for (int sx = 0; sx < kSub; ++sx)
                        if (inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub))
                            ++hits;
                if (hits)
                    Blend(x, y, c, alpha * hits / double(kSub * kSub));
            }
    }

    void Disc(double cx, double cy, double radius, Rgb c, double alpha)
    {
        Shape(cx - radius, cy - radius, cx + radius, cy + radius, c, alpha, [=](double x, double y) {
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) < radius * radius;
        });
    }

    // A rectangle of the given half-length and half-width, turned by angle.
    void Strip(double cx, double cy, double halfLen, double halfWid, double angle, Rgb c, double alpha)
    {
        const double ca = std::cos(angle), sa = std::sin(angle);
        const double reach = halfLen + halfWid;
        Shape(cx - reach, cy - reach, cx + reach, cy + reach, c, alpha, [=](double x, double y) {
            const double u = (x - cx) * ca + (y - cy) * sa;
            const double v = -(x - cx) * sa + (y - cy) * ca;
            return std::abs(u) <= halfLen && std::abs(v) <= halfWid;
        });
    }

    void Star(double cx, double cy, double outer, double inner, double angle, Rgb c, double alpha)
    {
        std::array<double, 20> poly{};
        for (int i = 0; i < 10; ++i) {
            const double r = (i % 2) ? inner : outer;
            const double a = angle - kPi / 2 + i * kPi / 5;
            poly[2 * i] = cx + r * std::cos(a);
            poly[2 * i + 1] = cy + r * std::sin(a);
        }
        Shape(cx - outer, cy - outer, cx + outer, cy + outer, c, alpha, [poly](double x, double y) {
            bool in = false;
            for (int i = 0, j = 9; i < 10; j = i++) {
                const double xi = poly[2 * i], yi = poly[2 * i + 1];
                const double xj = poly[2 * j], yj = poly[2 * j + 1];
                if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                    in = !in;
            }
            return in;
        });
    }

    // Fills every pixel from a function of its centre.
    void Each(const std::function<Rgb(double, double, Rgb)>& f)
    {
        for (int y = 0; y < n_; ++y)
            for (int x = 0; x < n_; ++x)
                At(x, y) = f(x + 0.5, y + 0.5, At(x, y));
    }

    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> out;
        out.reserve(px_.size() * 3);
        auto byte = [](double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
        for (const Rgb& p : px_) {
            out.push_back(byte(p.r));
            out.push_back(byte(p.g));
            out.push_back(byte(p.b));
        }
        return out;
    }

private:
    int n_;
    std::vector<Rgb> px_;
};

// Value noise on a lattice of cells x cells that wraps at the tile edge, so the
// noise is periodic in the tile; octaves double the cell count.
class PeriodicNoise {
public:
    PeriodicNoise(uint64_t seed, int tileSize, int baseCells, int octaves)
        : n_(tileSize), base_(baseCells), octaves_(octaves)
    {
        Rng rng(seed);
        for (int o = 0; o < octaves_; ++o) {
            const int cells = base_ << o;
            std::vector<double> lattice(size_t(cells) * cells);
            for (double& v : lattice)
                v = rng.Uniform();
            lattices_.push_back(std::move(lattice));
        }
    }

    // Roughly 0..1, weighted towards the coarse octaves.
    double At(double x, double y) const
    {
        double sum = 0.0, weight = 0.0, amp = 1.0;
        for (int o = 0; o < octaves_; ++o) {
            sum += amp * Octave(o, x, y);
            weight += amp;
            amp *= 0.5;
        }
        return sum / weight;
    }

private:
    double Octave(int o, double x, double y) const
    {
        const int cells = base_ << o;
        const double u = x * cells / n_, v = y * cells / n_;
        const int iu = int(std::floor(u)), iv = int(std::floor(v));
        const double fu = Smooth(u - iu), fv = Smooth(v - iv);
        auto lat = [&](int a, int b) { return lattices_[o][size_t(Wrap(b, cells)) * cells + Wrap(a, cells)]; };
        const double top = lat(iu, iv) + (lat(iu + 1, iv) - lat(iu, iv)) * fu;
        const double bottom = lat(iu, iv + 1) + (lat(iu + 1, iv + 1) - lat(iu, iv + 1)) * fu;
        return top + (bottom - top) * fv;
    }
    static double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

    int n_, base_, octaves_;
    std::vector<std::vector<double>> lattices_;
};

double SmoothStep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Distance between two points of the tile, the short way round the edges.
double WrapDistance(double ax, double ay, double bx, double by, int n)
{
    double dx = std::abs(ax - bx), dy = std::abs(ay - by);
    dx = std::min(dx, n - dx);
    dy = std::min(dy, n - dy);
    return std::hypot(dx, dy);
}

// --- the pictures ------------------------------------------------------------

// The default: small coloured specks, dots and paper strips on cream. The specks
// sit on a jittered grid so they spread evenly and the repeat is hard to spot.
Tile Confetti()
{
    constexpr int n = 128;
    Tile t(n, Hex(0xFFF9EC));
    const std::array<Rgb, 7> colours = {Hex(0xF4A3BF), Hex(0xF5CF5C), Hex(0x8ED8B0), Hex(0x8EC5EE),
                                        Hex(0xC2A4EC), Hex(0xF6AE78), Hex(0xF08C8C)};
    Rng rng(0xC0FFE7711);
    constexpr int grid = 9;
    const double cell = double(n) / grid;
    for (int gy = 0; gy < grid; ++gy)
        for (int gx = 0; gx < grid; ++gx) {
            const double cx = (gx + rng.Range(0.15, 0.85)) * cell;
            const double cy = (gy + rng.Range(0.15, 0.85)) * cell;
            const Rgb c = colours[size_t(rng.Index(int(colours.size())))];
            if (rng.Uniform() < 0.45)
                t.Disc(cx, cy, rng.Range(1.2, 2.1), c, 0.9);
            else
                t.Strip(cx, cy, rng.Range(2.0, 3.2), rng.Range(0.7, 1.0), rng.Range(0.0, kPi), c, 0.9);
        }
    // A sprinkle of tiny specks between the larger ones.
    for (int i = 0; i < 40; ++i) {
        const Rgb c = colours[size_t(rng.Index(int(colours.size())))];
        t.Disc(rng.Range(0, n), rng.Range(0, n), 0.8, c, 0.6);
    }
    return t;
}

// Soft white clouds on a pale sky.
Tile Clouds()
{
    constexpr int n = 256;
    Tile t(n, Hex(0xDCEBFA));
    const PeriodicNoise noise(0xC10D5, n, 3, 5);
    const Rgb white = Hex(0xFFFFFF);
    t.Each([&](double x, double y, Rgb bg) {
        const double v = noise.At(x, y);
        return Mix(bg, white, 0.85 * SmoothStep(0.42, 0.68, v));
    });
    return t;
}

// Candy stripes running diagonally; a whole number of stripe periods fits
// along each edge, so the diagonal continues across the seams.
Tile Stripes()
{
    constexpr int n = 96;
    constexpr int periods = 4; // along x + y, per tile width
    Tile t(n, Hex(0xFFFBF2));
    const std::array<Rgb, 4> bands = {Hex(0xFDE3EA), Hex(0xFFFBF2), Hex(0xDDF1F8), Hex(0xFFFBF2)};
    const Rgb line = Hex(0xF4E6B8);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            Rgb acc{0, 0, 0};
            constexpr int kSub = 4;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub, py = y + (sy + 0.5) / kSub;
                    const double phase = (px + py) * periods / n; // grows by `periods` per tile
                    const double f = phase - std::floor(phase);    // 0..1 across one period
                    Rgb c = bands[size_t(int(f * 4.0) % 4)];
                    // a thin golden thread down the middle of each cream band
                    const double inBand = f * 4.0 - std::floor(f * 4.0);
                    if ((int(f * 4.0) % 2) == 1 && std::abs(inBand - 0.5) < 0.09)
                        c = line;
                    acc.r += c.r;
                    acc.g += c.g;
                    acc.b += c.b;
                }
            t.At(x, y) = {acc.r / 16, acc.g / 16, acc.b / 16};
        }
    return t;
}

// Polka dots in offset rows, four pastel colours taking turns.
Tile Dots()
{
    constexpr int n = 128;
    constexpr int step = 32; // an even number of rows per tile keeps the offset rows in step
    Tile t(n, Hex(0xFFFCE8));
    const std::array<Rgb, 4> colours = {Hex(0xFAD3C6), Hex(0xCFE6F7), Hex(0xD6F0D2), Hex(0xE8DAF6)};
    for (int j = 0; j < n / step; ++j)
        for (int i = 0; i < n / step; ++i) {
            const double cx = i * step + (j % 2 ? step / 2.0 : 0.0) + step / 4.0;
            const double cy = j * step + step / 4.0;
            t.Disc(cx, cy, 7.5, colours[size_t((i + 2 * j) % 4)], 1.0);
            // a small companion dot between the big ones
            t.Disc(cx + step / 2.0, cy + step / 2.0, 2.0, colours[size_t((i + 2 * j + 1) % 4)], 0.9);
        }
    return t;
}

// Gentle wavy lines on pale aqua; each line's sine has a whole number of
// periods across the tile and the lines are evenly spaced down it.
Tile Waves()
{
    constexpr int n = 128;
    constexpr int spacing = 32;
    Tile t(n, Hex(0xE6F6F4));
    const std::array<Rgb, 2> lines = {Hex(0xB9E2E8), Hex(0xCFE0F5)};
    const Rgb foam = Hex(0xF7FCFB);
    constexpr int kSub = 4;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            Rgb acc{0, 0, 0};
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub, py = y + (sy + 0.5) / kSub;
                    Rgb c = t.At(x, y);
                    for (int k = 0; k < n / spacing; ++k) {
                        const double centre = k * spacing + spacing / 2.0 +
                                              5.0 * std::sin(2 * kPi * 2 * px / n + k * kPi / 2);
                        double d = std::abs(py - centre);
                        d = std::min(d, n - d);
                        if (d < 2.2)
                            c = lines[size_t(k % 2)];
                        else if (d < 5.0 && py < centre) // a paler rim above each line
                            c = Mix(c, foam, 0.8);
                    }
                    acc.r += c.r;
                    acc.g += c.g;
                    acc.b += c.b;
                }
            t.At(x, y) = {acc.r / 16, acc.g / 16, acc.b / 16};
        }
    return t;
}

// Warm writing paper: a faint mottle and short fibres.
Tile Paper()
{
    constexpr int n = 128;
    Tile t(n, Hex(0xFAF5E6));
    const PeriodicNoise mottle(0x9A9E7, n, 4, 4);
    const Rgb dark = Hex(0xEDE3C8), light = Hex(0xFFFDF6);
    t.Each([&](double x, double y, Rgb bg) {
        const double v = mottle.At(x, y);
        return v < 0.5 ? Mix(bg, dark, (0.5 - v) * 1.2) : Mix(bg, light, (v - 0.5) * 1.2);
    });
    Rng rng(0xF1B7E5);
    const Rgb fibre = Hex(0xD9CCAA);
    for (int i = 0; i < 70; ++i)
        t.Strip(rng.Range(0, n), rng.Range(0, n), rng.Range(1.5, 4.5), 0.35, rng.Range(0, kPi), fibre,
                rng.Range(0.25, 0.5));
    return t;
}

// Little stars on pale lavender, kept apart from each other (measured round the edges).
Tile Stars()
{
    constexpr int n = 128;
    Tile t(n, Hex(0xEFEBFB));
    const std::array<Rgb, 3> colours = {Hex(0xF8E49A), Hex(0xFFFFFF), Hex(0xF6D0E4)};
    Rng rng(0x57A125);
    struct Placed {
        double x, y, r;
    };
    std::vector<Placed> placed;
    for (int tries = 0; tries < 2000 && placed.size() < 16; ++tries) {
        const Placed s{rng.Range(0, n), rng.Range(0, n), rng.Range(4.0, 7.0)};
        const bool clear = std::all_of(placed.begin(), placed.end(), [&](const Placed& o) {
            return WrapDistance(s.x, s.y, o.x, o.y, n) > s.r + o.r + 12.0;
        });
        if (clear)
            placed.push_back(s);
    }
    for (const Placed& s : placed)
        t.Star(s.x, s.y, s.r, s.r * 0.45, rng.Range(0, 2 * kPi / 5), colours[size_t(rng.Index(3))], 1.0);
    for (int i = 0; i < 30; ++i) // sparkles
        t.Disc(rng.Range(0, n), rng.Range(0, n), 0.9, Hex(0xFFFFFF), 0.9);
    return t;
}

struct Picture {
    const char* name;
    Tile (*make)();
};

const std::array<Picture, 7> kPictures = {{{"confetti", Confetti},
                                           {"clouds", Clouds},
                                           {"stripes", Stripes},
                                           {"dots", Dots},
                                           {"waves", Waves},
                                           {"paper", Paper},
                                           {"stars", Stars}}};

// --- output ------------------------------------------------------------------

void WriteJpeg(const std::filesystem::path& path, const Tile& tile)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("Cannot create file " + path.string());
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr); // the default handler ends the tool, which is right for a generator
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(tile.Size());
    cinfo.image_height = JDIMENSION(tile.Size());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    // Full-resolution colour: the specks are only a few pixels wide and would
    // bleed into the background with halved chroma.
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    const std::vector<uint8_t> bytes = tile.Bytes();
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&bytes[size_t(cinfo.next_scanline) * tile.Size() * 3]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (std::fclose(f) != 0)
        throw std::runtime_error("Cannot create file " + path.string());
}

int Generate(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir);
    for (const Picture& p : kPictures) {
        const auto path = dir / (std::string(p.name) + ".jpg");
        const Tile tile = p.make();
        WriteJpeg(path, tile);
        std::printf("%s  %dx%d  %ju bytes\n", path.c_str(), tile.Size(), tile.Size(),
                    uintmax_t(std::filesystem::file_size(path)));
    }
    return 0;
}

// The main window as it will look: the tile repeated over 471 x 292 inside a
// 5-pixel raised frame, the captions in navy with a grey drop shadow.
int Preview(const std::filesystem::path& imagesDir, const std::filesystem::path& outDir)
{
    std::filesystem::create_directories(outDir);
    struct Caption {
        int x, y, w, h;
        const char* text;
        bool bold;
    };
    const std::array<Caption, 5> captions = {{{22, 13, 411, 41, "Pellan Wordlark", true},
                                              {22, 61, 200, 100, "Run", false},
                                              {234, 61, 200, 100, "Configure", false},
                                              {22, 169, 200, 100, "Help", false},
                                              {234, 169, 200, 100, "Exit", false}}};
    for (const Picture& p : kPictures) {
        const auto src = imagesDir / (std::string(p.name) + ".jpg");
        QImage tile(QString::fromStdString(src.string()));
        if (tile.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", src.c_str());
            return 1;
        }
        QImage window(471, 292, QImage::Format_RGB32);
        QPainter painter(&window);
        painter.fillRect(window.rect(), QColor(0xF0, 0xF0, 0xF0));
        painter.drawTiledPixmap(QRect(5, 5, 461, 282), QPixmap::fromImage(tile));
        for (int i = 0; i < 5; ++i) { // raised bevel
            painter.setPen(QColor(i < 2 ? 0xFF : 0xE8, i < 2 ? 0xFF : 0xE8, i < 2 ? 0xFF : 0xE8));
            painter.drawLine(i, i, 470 - i, i);
            painter.drawLine(i, i, i, 291 - i);
            painter.setPen(QColor(i < 2 ? 0x40 : 0xA0, i < 2 ? 0x40 : 0xA0, i < 2 ? 0x40 : 0xA0));
            painter.drawLine(i, 291 - i, 470 - i, 291 - i);
            painter.drawLine(470 - i, i, 470 - i, 291 - i);
        }
        for (const Caption& c : captions) {
            QFont font("Arial");
            font.setPixelSize(32);
            font.setBold(c.bold);
            painter.setFont(font);
            const QRect r(c.x + 5, c.y + 5, c.w, c.h);
            painter.setPen(QColor(0x80, 0x80, 0x80));
            painter.drawText(r.translated(2, 2), Qt::AlignCenter, c.text);
            painter.setPen(QColor(0x00, 0x00, 0x80));
            painter.drawText(r, Qt::AlignCenter, c.text);
        }
        painter.end();
        const auto out = outDir / (std::string(p.name) + ".png");
        if (!window.save(QString::fromStdString(out.string()), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", out.c_str());
            return 1;
        }
        std::printf("%s\n", out.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && std::string(argv[1]) == "--preview") {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            QGuiApplication app(argc, argv);
            return Preview(argv[2], argv[3]);
        }
        if (argc == 2)
            return Generate(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "genbackgrounds: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: genbackgrounds <output folder>\n"
                 "       genbackgrounds --preview <images folder> <preview folder>\n");
    return 2;
}
