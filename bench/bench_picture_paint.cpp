// Painting the main window's background (461 x 282 covered by a 128 x 128
// tile) against QPainter::drawTiledPixmap of the same tile onto the same
// target, and stretching a 1920 x 1080 picture into the 88 x 80 preview
// against a plain QPainter::drawPixmap stretch.
#include "BenchMain.h"
#include "picture/PGImage.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString MakePicture(const QTemporaryDir &dir, int w, int h, const char *name)
{
    QImage img(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 255));
    const QString path = dir.filePath(name);
    img.save(path, "BMP");
    return path;
}

QImage Target(QSize size)
{
    QImage target(size, QImage::Format_RGB32);
    target.fill(Qt::black);
    return target;
}

// Paints the configured box over and over, as its paint event does.
void RenderLoop(benchmark::State &state, TPGImage &box, const QString &file)
{
    box.SetFileName(file);
    QImage target = Target(box.size());
    for (auto _ : state) {
        QPainter p(&target);
        box.PaintTo(p, box.rect());
    }
}

// The baseline: the same picture drawn by QPainter alone.
template <class Draw>
void PainterLoop(benchmark::State &state, QSize size, const QString &file, Draw draw)
{
    const QPixmap pixmap = QPixmap::fromImage(QImage(file));
    QImage target = Target(size);
    for (auto _ : state) {
        QPainter p(&target);
        draw(p, pixmap);
    }
}

void BackgroundPgImage(benchmark::State &state)
{
    QTemporaryDir dir;
    TPGImage box;
    box.SetAutoScroll(false);
    box.SetTiling(tRepeat);
    box.SetActionMode(amNone);
    box.resize(461, 282);
    RenderLoop(state, box, MakePicture(dir, 128, 128, "tile.bmp"));
}
BENCHMARK(BackgroundPgImage)->Unit(benchmark::kMicrosecond);

void BackgroundDrawTiledPixmap(benchmark::State &state)
{
    QTemporaryDir dir;
    PainterLoop(state, QSize(461, 282), MakePicture(dir, 128, 128, "tile.bmp"),
                [](QPainter &p, const QPixmap &tile) { p.drawTiledPixmap(QRect(0, 0, 461, 282), tile); });
}
BENCHMARK(BackgroundDrawTiledPixmap)->Unit(benchmark::kMicrosecond);

void PreviewPgImage(benchmark::State &state)
{
    QTemporaryDir dir;
    TPGImage box;
    box.SetCenter(true);
    box.SetStretch(sAlways);
    box.SetShowHourGlass(false);
    box.resize(88, 80);
    RenderLoop(state, box, MakePicture(dir, 1920, 1080, "big.bmp"));
}
BENCHMARK(PreviewPgImage)->Unit(benchmark::kMicrosecond);

void PreviewDrawPixmap(benchmark::State &state)
{
    QTemporaryDir dir;
    PainterLoop(state, QSize(88, 80), MakePicture(dir, 1920, 1080, "big.bmp"),
                [](QPainter &p, const QPixmap &big) { p.drawPixmap(QRect(0, 0, 88, 80), big); });
}
BENCHMARK(PreviewDrawPixmap)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
