// Repainting ToxButtons: the main window's five clear buttons on a tiled
// picture, and a cached dialog button. Each benchmark times its baseline in the
// same run and reports the ratio as a counter:
//   MainWindowButtons  vs_bare_picture = picture with the five buttons / picture alone
//                      vs_five_labels  = picture with the five buttons / picture with five
//                                        transparent QLabels showing the same captions
//                      (each the median of 21 turns of 20 repaints of both)
//   CachedDialogButton vs_qpushbutton  = cached ToxButton / QPushButton of the same size
//                      vs_uncached     = cached ToxButton / the same button without cache
#include "app/uMain.h"
#include "BenchMain.h"
#include "BenchWidgets.h"
#include "widgets/oxBtns.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

class TTiled : public QWidget {
public:
    TTiled()
    {
        FTile = BenchTile();
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawTiledPixmap(rect(), FTile);
    }

private:
    QPixmap FTile;
};

void Show(QWidget &w)
{
    w.show();
    QApplication::processEvents();
}

void MainWindowButtons(benchmark::State &state)
{
    TTiled withButtons, bare, withLabels;
    for (TTiled *w : {&withButtons, &bare, &withLabels})
        w->resize(461, 282);
    CreateMainWindowButton(&withButtons, QRect(17, 8, 411, 41), QStringLiteral("Pellan Wordlark"), true);
    ToxButton *run = CreateMainWindowButton(&withButtons, QRect(17, 56, 200, 100), QStringLiteral("Run"), false);
    CreateMainWindowButton(&withButtons, QRect(229, 56, 200, 100), QStringLiteral("Configure"), false);
    CreateMainWindowButton(&withButtons, QRect(17, 164, 200, 100), QStringLiteral("Help"), false);
    CreateMainWindowButton(&withButtons, QRect(229, 164, 200, 100), QStringLiteral("Exit"), false);
    run->SetDefault(true);
    for (ToxButton *b : withButtons.findChildren<ToxButton *>()) {
        auto *label = new QLabel(b->Caption(), &withLabels);
        label->setGeometry(b->geometry());
        label->setFont(b->font());
        label->setAlignment(Qt::AlignCenter);
    }
    Show(withButtons);
    Show(bare);
    Show(withLabels);

    const int before = run->FacePaints();
    int64_t n = 0;
    for (auto _ : state) {
        withButtons.repaint();
        ++n;
    }
    if (run->FacePaints() - before < n)
        state.SkipWithError("the buttons were not painted");
    const auto subject = [&] { withButtons.repaint(); };
    state.counters["vs_bare_picture"] = PairedRatio(21, 20, subject, [&] { bare.repaint(); });
    state.counters["vs_five_labels"] = PairedRatio(21, 20, subject, [&] { withLabels.repaint(); });
    state.counters["us_per_repaint"] = SecondsPer(200, subject) * 1e6;
}
BENCHMARK(MainWindowButtons)->Unit(benchmark::kMicrosecond);

ToxButton *DialogButton(QWidget *parent, bool cached)
{
    auto *b = new ToxButton(parent);
    b->setGeometry(7, 331, 75, 25);
    b->SetStyle(bsStandard);
    b->SetFont3D(fsInset);
    b->SetFocusStyle(fsBoldFont);
    b->SetTextX(0);
    b->SetTextY(0);
    b->SetOptions(cached ? ToxButtonOptions(oxbCacheImages) : ToxButtonOptions());
    b->SetCaption(QStringLiteral("&Ok"));
    return b;
}

void CachedDialogButton(benchmark::State &state)
{
    QWidget dialog;
    dialog.resize(484, 363);
    ToxButton *cached = DialogButton(&dialog, true);
    ToxButton *uncached = DialogButton(&dialog, false);
    uncached->move(92, 331);
    auto *plain = new QPushButton(QStringLiteral("&Ok"), &dialog);
    plain->setGeometry(177, 331, 75, 25);
    Show(dialog);

    cached->repaint();
    const int paints = cached->FacePaints();
    for (auto _ : state)
        cached->repaint();
    if (cached->FacePaints() != paints)
        state.SkipWithError("the cached face was painted again");
    const double subject = SecondsPer(2000, [&] { cached->repaint(); });
    state.counters["vs_qpushbutton"] = subject / SecondsPer(2000, [&] { plain->repaint(); });
    state.counters["vs_uncached"] = subject / SecondsPer(2000, [&] { uncached->repaint(); });
    state.counters["us_per_repaint"] = subject * 1e6;
}
BENCHMARK(CachedDialogButton)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
