// Loading a 1920 by 1080 colour picture: our JPEG and PNG loads against a
// bare library decode loop into one buffer (the floor: what the library
// itself costs) and against QImageReader on the same bytes. The pictures are
// made at start-up and written to a temporary folder, so nothing large
// lives in the repository. Prints the ratios after the runs.
#include "picture/PGraphic.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <vector>

extern "C" {
#include <jpeglib.h>
}
#include <png.h>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

// Something photo-like: smooth gradients, shapes and a little noise, so the
// encoders produce files of a realistic size.
QImage MakeScene()
{
    QImage img(Width, Height, QImage::Format_RGB888);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(40, 90, 180));
    sky.setColorAt(1, QColor(250, 200, 120));
    p.fillRect(img.rect(), sky);
    QRandomGenerator rng(1234);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromHsv(rng.bounded(360), 80 + rng.bounded(170), 80 + rng.bounded(170)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(rng.bounded(Width), rng.bounded(Height)), 10 + rng.bounded(120), 10 + rng.bounded(80));
    }
    p.end();
    for (int y = 0; y < Height; ++y) {
        uchar *row = img.scanLine(y);
        for (int x = 0; x < Width * 3; ++x)
            row[x] = uchar(std::clamp(int(row[x]) + int(rng.bounded(9)) - 4, 0, 255));
    }
    return img;
}

// The encoded picture, also written to a temporary file: the program loads
// its pictures from files, so every contender reads the same file.
QString EncodedFile(const char *format);

const QByteArray &Encoded(const char *format)
{
    static std::map<std::string, QByteArray> cache;
    QByteArray &bytes = cache[format];
    if (bytes.isEmpty()) {
        static const QImage scene = MakeScene();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        scene.save(&buffer, format, std::string(format) == "JPG" ? 90 : -1);
    }
    return bytes;
}

QTemporaryDir &Folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString EncodedFile(const char *format)
{
    const QString path = Folder().filePath(QStringLiteral("scene.") + QString::fromLatin1(format).toLower());
    if (!QFile::exists(path)) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(Encoded(format));
    }
    return path;
}

void OurLoad(benchmark::State &state, const char *format)
{
    const QString path = EncodedFile(format);
    TPixelGraphic pg;
    pg.SetReadWarningAction(pgwaRaise);
    for (auto _ : state) {
        pg.LoadFromFile(path);
        benchmark::DoNotOptimize(pg.Bits());
    }
    if (pg.Width() != Width || pg.Height() != Height || pg.BitCount() != 24)
        state.SkipWithError("wrong picture");
}

void QtLoad(benchmark::State &state, const char *format)
{
    const QString path = EncodedFile(format);
    for (auto _ : state) {
        QImageReader reader(path, format);
        QImage img = reader.read();
        benchmark::DoNotOptimize(img.constBits());
        if (img.width() != Width)
            state.SkipWithError("Qt could not read it");
    }
}

// The floor: libjpeg's own file source into one preallocated buffer, the
// same decoder settings (accurate integer transform, blue-green-red output).
void BareLibjpeg(benchmark::State &state)
{
    const QByteArray path = EncodedFile("JPG").toLocal8Bit();
    std::vector<uint8_t> pixels(size_t(Width) * Height * 3);
    for (auto _ : state) {
        FILE *file = std::fopen(path.constData(), "rb");
        jpeg_decompress_struct cinfo;
        jpeg_error_mgr jerr;
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_EXT_BGR;
        cinfo.dct_method = JDCT_ISLOW;
        jpeg_start_decompress(&cinfo);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW rows[4];
            const int n = std::min<int>(cinfo.rec_outbuf_height, 4);
            for (int i = 0; i < n; ++i)
                rows[i] = pixels.data() + size_t(std::min<int>(cinfo.output_scanline + i, Height - 1)) * Width * 3;
            jpeg_read_scanlines(&cinfo, rows, JDIMENSION(n));
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BareLibpng(benchmark::State &state)
{
    const QByteArray path = EncodedFile("PNG").toLocal8Bit();
    std::vector<uint8_t> pixels(size_t(Width) * Height * 3);
    for (auto _ : state) {
        FILE *file = std::fopen(path.constData(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            png_destroy_read_struct(&png, &info, nullptr);
            std::fclose(file);
            state.SkipWithError("libpng failed");
            break;
        }
        png_init_io(png, file);
        png_read_info(png, info);
        png_set_strip_16(png);
        png_set_bgr(png);
        const int passes = png_set_interlace_handling(png);
        png_read_update_info(png, info);
        const int h = int(png_get_image_height(png, info));
        for (int pass = 0; pass < passes; ++pass)
            for (int y = 0; y < h; ++y)
                png_read_row(png, pixels.data() + size_t(y) * Width * 3, nullptr);
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

// Keeps each run's time so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Times;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                Times[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // Names carry suffixes such as "/min_time:2.000": match by prefix.
    double Time(const std::string &prefix) const
    {
        for (const auto &[name, t] : Times)
            if (name.rfind(prefix, 0) == 0)
                return t;
        return 0;
    }
    void PrintRatio(const char *what, const std::string &ours, const std::string &base) const
    {
        const double a = Time(ours), b = Time(base);
        if (a > 0 && b > 0)
            std::printf("%-44s %.3f\n", what, a / b);
    }
};

} // namespace

BENCHMARK_CAPTURE(OurLoad, jpeg, "JPG")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BareLibjpeg)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(QtLoad, jpeg, "JPG")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(OurLoad, png, "PNG")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BareLibpng)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(QtLoad, png, "PNG")->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("generated pictures: JPEG %lld bytes, PNG %lld bytes\n", (long long)Encoded("JPG").size(),
                (long long)Encoded("PNG").size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratios (time / baseline time; below 1 is faster):\n");
    reporter.PrintRatio("JPEG: our load / bare libjpeg loop", "OurLoad/jpeg", "BareLibjpeg");
    reporter.PrintRatio("JPEG: our load / QImageReader", "OurLoad/jpeg", "QtLoad/jpeg");
    reporter.PrintRatio("PNG: our load / bare libpng loop", "OurLoad/png", "BareLibpng");
    reporter.PrintRatio("PNG: our load / QImageReader", "OurLoad/png", "QtLoad/png");
    benchmark::Shutdown();
    return 0;
}
