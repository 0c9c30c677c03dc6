#pragma once
// Pieces the widget benchmarks share: a timing loop and the picture tile
// that stands in for the background pictures in "images".
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <chrono>
#include <vector>

template <typename F> double SecondsPer(int runs, F &&f)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / runs;
}

// The subject against its baseline in turns, `pairs` times, each turn `runs`
// calls of each, so that both meet the machine as it is at that moment: the
// median of the turns' ratios, which a moment of other work on the machine
// moves far less than one long run of each.
template <typename S, typename B> double PairedRatio(int pairs, int runs, S &&subject, B &&baseline)
{
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i) {
        const double s = SecondsPer(runs, subject);
        ratios.push_back(s / SecondsPer(runs, baseline));
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
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
