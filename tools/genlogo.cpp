// genlogo: draws the about box's logo, a 400 x 63 GIF picture.
//
// The logo is generated, not hand-made, so that it can be rebuilt and
// reviewed. To rebuild it:
//
//     cmake --build <build dir> --target genlogo
//     <build dir>/tools/genlogo resources/AboutLogo.gif
//
// It draws the picture with QPainter (three alphabet blocks and the product
// name on a pale sky), reduces it to 256 colours by median cut and writes a
// GIF89a file with its own LZW encoder. `genlogo --check` encodes a set of
// test pictures of many sizes and colour counts, reads each back through
// Qt's GIF reader and reports any pixel that differs.
//
// Needs a Qt platform for the fonts; offscreen is used when none is set.

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kWidth = 400, kHeight = 63;

// ---------------------------------------------------------------------------
// Drawing

QImage DrawLogo()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A pale sky that warms towards the right.
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0.0, QColor(0xD8, 0xEC, 0xFF));
    sky.setColorAt(1.0, QColor(0xFF, 0xF4, 0xD0));
    p.fillRect(img.rect(), sky);

    // Three alphabet blocks, slightly turned, as a child would stack them.
    struct Block {
        double X, Y, Angle;
        QColor Face;
        QString Letter;
    };
    const Block blocks[] = {
        {10, 14, -8, QColor(0xE8, 0x4A, 0x3C), QStringLiteral("A")},
        {44, 20, 5, QColor(0x3C, 0x9A, 0x4E), QStringLiteral("b")},
        {77, 12, -3, QColor(0xF0, 0xB0, 0x20), QStringLiteral("c")},
    };
    QFont blockFont(QStringLiteral("Arial"));
    blockFont.setPixelSize(24);
    blockFont.setBold(true);
    for (const Block &b : blocks) {
        p.save();
        p.translate(b.X + 16, b.Y + 16);
        p.rotate(b.Angle);
        const QRectF face(-16, -16, 32, 32);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(face.translated(2, 3), 5, 5);
        p.setBrush(b.Face);
        p.setPen(QPen(b.Face.darker(150), 1.5));
        p.drawRoundedRect(face, 5, 5);
        p.setFont(blockFont);
        p.setPen(Qt::white);
        p.drawText(face, Qt::AlignCenter, b.Letter);
        p.restore();
    }

    // The product name in navy with a soft white rim.
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(34);
    title.setBold(true);
    QPainterPath path;
    path.addText(124, 40, title, QStringLiteral("Pellan Wordlark"));
    p.setPen(QPen(QColor(255, 255, 255, 200), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x80));
    p.drawPath(path);

    QFont tag(QStringLiteral("Arial"));
    tag.setPixelSize(11);
    tag.setItalic(true);
    p.setFont(tag);
    p.setPen(QColor(0x40, 0x40, 0x70));
    p.drawText(QRect(124, 44, 270, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("whole words, one at a time"));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Median cut: at most 256 colours, each box split along its widest channel at
// the pixel-weighted median.

struct ColourCount {
    QRgb Colour;
    uint32_t Count;
};

std::vector<QRgb> MedianCut(const QImage &img, int maxColours)
{
    std::unordered_map<QRgb, uint32_t> histogram;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            ++histogram[line[x] & 0xFFFFFF];
    }
    std::vector<ColourCount> colours;
    for (const auto &[c, n] : histogram)
        colours.push_back({c, n});
    // A fixed order, so the output does not depend on the hash table.
    std::sort(colours.begin(), colours.end(), [](const ColourCount &a, const ColourCount &b) { return a.Colour < b.Colour; });

    struct Box {
        size_t Begin, End;
    };
    auto channel = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };
    auto widest = [&](const Box &b, int &range) {
        int best = 0;
        range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (size_t i = b.Begin; i < b.End; ++i) {
                lo = std::min(lo, channel(colours[i].Colour, ch));
                hi = std::max(hi, channel(colours[i].Colour, ch));
            }
            if (hi - lo > range) {
                range = hi - lo;
                best = ch;
            }
        }
        return best;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (int(boxes.size()) < maxColours) {
        // Split the box with the widest channel range that holds two colours or more.
        int pick = -1, pickRange = 0, pickChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].End - boxes[i].Begin < 2)
                continue;
            int range = 0;
            const int ch = widest(boxes[i], range);
            if (range > pickRange) {
                pick = int(i);
                pickRange = range;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        Box &b = boxes[size_t(pick)];
        std::stable_sort(colours.begin() + long(b.Begin), colours.begin() + long(b.End),
                         [&](const ColourCount &x, const ColourCount &y) {
                             return channel(x.Colour, pickChannel) < channel(y.Colour, pickChannel);
                         });
        uint64_t total = 0;
        for (size_t i = b.Begin; i < b.End; ++i)
            total += colours[i].Count;
        uint64_t running = 0;
        size_t cut = b.Begin + 1;
        for (size_t i = b.Begin; i < b.End - 1; ++i) {
            running += colours[i].Count;
            cut = i + 1;
            if (running * 2 >= total)
                break;
        }
        const Box upper{cut, b.End};
        b.End = cut;
        boxes.push_back(upper);
    }
    std::vector<QRgb> palette;
    for (const Box &b : boxes) {
        uint64_t r = 0, g = 0, bl = 0, n = 0;
        for (size_t i = b.Begin; i < b.End; ++i) {
            r += uint64_t(qRed(colours[i].Colour)) * colours[i].Count;
            g += uint64_t(qGreen(colours[i].Colour)) * colours[i].Count;
            bl += uint64_t(qBlue(colours[i].Colour)) * colours[i].Count;
            n += colours[i].Count;
        }
        palette.push_back(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((bl + n / 2) / n)));
    }
    return palette;
}

std::vector<uint8_t> MapToPalette(const QImage &img, const std::vector<QRgb> &palette)
{
    std::vector<uint8_t> indexes;
    indexes.reserve(size_t(img.width()) * size_t(img.height()));
    std::unordered_map<QRgb, uint8_t> nearest;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x] & 0xFFFFFF;
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int best = 0, bestDistance = INT32_MAX;
                for (size_t i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                              db = qBlue(c) - qBlue(palette[i]);
                    const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = int(i);
                    }
                }
                it = nearest.emplace(c, uint8_t(best)).first;
            }
            indexes.push_back(it->second);
        }
    }
    return indexes;
}

// ---------------------------------------------------------------------------
// GIF89a writer with variable-length LZW codes (9 to 12 bits).

class BitWriter {
public:
    void Put(uint32_t code, int bits)
    {
        FAccumulator |= uint64_t(code) << FBits;
        FBits += bits;
        while (FBits >= 8) {
            Bytes.push_back(uint8_t(FAccumulator & 0xFF));
            FAccumulator >>= 8;
            FBits -= 8;
        }
    }
    void Flush()
    {
        if (FBits > 0)
            Bytes.push_back(uint8_t(FAccumulator & 0xFF));
        FAccumulator = 0;
        FBits = 0;
    }
    std::vector<uint8_t> Bytes;

private:
    uint64_t FAccumulator = 0;
    int FBits = 0;
};

std::vector<uint8_t> LzwEncode(const std::vector<uint8_t> &indexes, int minCodeSize)
{
    const uint32_t clear = 1u << minCodeSize, end = clear + 1;
    BitWriter out;
    std::unordered_map<uint32_t, uint32_t> dictionary;   // (prefix << 8 | byte) -> code
    uint32_t next = end + 1;
    int codeSize = minCodeSize + 1;
    auto reset = [&] {
        dictionary.clear();
        next = end + 1;
        codeSize = minCodeSize + 1;
    };
    out.Put(clear, codeSize);
    if (indexes.empty()) {
        out.Put(end, codeSize);
        out.Flush();
        return out.Bytes;
    }
    uint32_t prefix = indexes[0];
    for (size_t i = 1; i < indexes.size(); ++i) {
        const uint32_t key = (prefix << 8) | indexes[i];
        const auto it = dictionary.find(key);
        if (it != dictionary.end()) {
            prefix = it->second;
            continue;
        }
        out.Put(prefix, codeSize);
        if (next < 4096) {
            dictionary.emplace(key, next++);
            // The reader widens its codes one entry later than we add them.
            if (next > (1u << codeSize) && codeSize < 12)
                ++codeSize;
        } else {
            out.Put(clear, codeSize);
            reset();
        }
        prefix = indexes[i];
    }
    out.Put(prefix, codeSize);
    // The reader adds one more entry after the last code before it reads the end code.
    if (next < 4096 && next + 1 > (1u << codeSize) && codeSize < 12)
        ++codeSize;
    out.Put(end, codeSize);
    out.Flush();
    return out.Bytes;
}

std::vector<uint8_t> EncodeGif(int width, int height, const std::vector<QRgb> &palette, const std::vector<uint8_t> &indexes)
{
    std::vector<uint8_t> gif;
    auto put16 = [&gif](int v) {
        gif.push_back(uint8_t(v & 0xFF));
        gif.push_back(uint8_t((v >> 8) & 0xFF));
    };
    for (char c : std::string("GIF89a"))
        gif.push_back(uint8_t(c));
    put16(width);
    put16(height);
    gif.push_back(0xF7);   // global colour table of 256 entries, 8 bits per channel
    gif.push_back(0);      // background colour index
    gif.push_back(0);      // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[size_t(i)] : 0;
        gif.push_back(uint8_t(qRed(c)));
        gif.push_back(uint8_t(qGreen(c)));
        gif.push_back(uint8_t(qBlue(c)));
    }
    gif.push_back(0x2C);   // image descriptor
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    gif.push_back(0);      // no local table, not interlaced
    const int minCodeSize = 8;
    gif.push_back(uint8_t(minCodeSize));
    const std::vector<uint8_t> data = LzwEncode(indexes, minCodeSize);
    for (size_t i = 0; i < data.size(); i += 255) {
        const size_t n = std::min<size_t>(255, data.size() - i);
        gif.push_back(uint8_t(n));
        gif.insert(gif.end(), data.begin() + long(i), data.begin() + long(i + n));
    }
    gif.push_back(0);      // block terminator
    gif.push_back(0x3B);   // trailer
    return gif;
}

bool WriteFile(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// Encodes pictures of many sizes and colour counts and reads them back.
int Check()
{
    uint64_t state = 12345;
    auto rnd = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return uint32_t(state >> 33);
    };
    int failures = 0, cases = 0;
    for (int colours : {1, 2, 3, 17, 256}) {
        for (QSize size : {QSize(1, 1), QSize(7, 3), QSize(64, 64), QSize(400, 63), QSize(300, 300)}) {
            std::vector<QRgb> palette;
            for (int i = 0; i < colours; ++i)
                palette.push_back(qRgb(int(rnd() & 0xFF), int(rnd() & 0xFF), i));
            std::vector<uint8_t> indexes;
            // Runs and noise, so the dictionary both grows long strings and fills up.
            for (int i = 0; i < size.width() * size.height(); ++i)
                indexes.push_back(uint8_t((rnd() % 4 == 0 ? rnd() : uint32_t(i / 7)) % uint32_t(colours)));
            const std::vector<uint8_t> gif = EncodeGif(size.width(), size.height(), palette, indexes);
            QImage back;
            back.loadFromData(gif.data(), int(gif.size()), "GIF");
            ++cases;
            bool same = back.size() == size;
            for (int i = 0; same && i < size.width() * size.height(); ++i)
                same = (back.pixel(i % size.width(), i / size.width()) & 0xFFFFFF) == (palette[indexes[size_t(i)]] & 0xFFFFFF);
            if (!same) {
                ++failures;
                std::fprintf(stderr, "mismatch: %d colours, %dx%d\n", colours, size.width(), size.height());
            }
        }
    }
    std::printf("%d of %d pictures read back unchanged\n", cases - failures, cases);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 2 && std::string(argv[1]) == "--check")
        return Check();
    if (argc != 2) {
        std::fprintf(stderr, "usage: genlogo <output.gif> | genlogo --check\n");
        return 2;
    }
    const QImage logo = DrawLogo();
    const std::vector<QRgb> palette = MedianCut(logo, 256);
    const std::vector<uint8_t> gif = EncodeGif(kWidth, kHeight, palette, MapToPalette(logo, palette));
    if (!WriteFile(argv[1], gif)) {
        std::fprintf(stderr, "genlogo: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d x %d, %zu colours, %zu bytes\n", argv[1], kWidth, kHeight, palette.size(), gif.size());
    return 0;
}
