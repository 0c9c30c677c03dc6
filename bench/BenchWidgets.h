#pragma once
// Pieces the widget benchmarks share: a timing loop and the picture tile
// that stands in for the background pictures in "images".
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <chrono>

template <typename F> double SecondsPer(int runs, F &&f)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / runs;
}

inline QPixmap BenchTile()
{
    QPixmap tile(64, 64);
    QPainter p(&tile);
    for (int y = 0; y < 64; y += 8)
        for (int x = 0; x < 64; x += 8)
            p.fillRect(x, y, 8, 8, QColor::fromHsv((x * 5 + y * 3) % 360, 120, 230));
    return tile;
}
