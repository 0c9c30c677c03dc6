// Repainting the recording page's LED time display (86 by 26, five cells,
// " 0.0"): the repaint alone, and the 200 ms update (new caption, repaint).
// Baselines from the same run:
//   vs_qlabel      = LED repaint / a QLabel of the same size showing the same
//                    text in a 20-pixel font
//   vs_dots        = LED repaint / drawing the same lit and unlit dots one by
//                    one with fillRect, as a label without a font bitmap would
#include "BenchMain.h"
#include "BenchWidgets.h"
#include "widgets/MMLEDLbl.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <chrono>

namespace {

// The same picture drawn dot by dot: 5 cells of 5 x 7 dots inside the frame.
class TDotLabel : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        for (int cell = 0; cell < 5; ++cell)
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 5; ++c) {
                    const int x = 3 + 16 * cell + 1 + 3 * c, y = 3 + 3 * r;
                    if ((cell + r + c) % 3 == 0) {
                        p.fillRect(x, y, 2, 2, QColor(0, 255, 0));
                    } else {
                        p.fillRect(x, y, 1, 1, QColor(0, 128, 0));
                        p.fillRect(x + 1, y + 1, 1, 1, QColor(0, 128, 0));
                    }
                }
    }
};

struct TDisplays {
    QWidget Window;
    TMMLEDLABEL *Led;
    QLabel *Label;
    TDotLabel *Dots;

    TDisplays()
    {
        Window.resize(300, 60);
        Led = new TMMLEDLABEL(&Window);
        Led->SetAutoSize(false);
        Led->SetBounds(8, 8, 86, 26);
        Led->SetCaption(QStringLiteral(" 0.0"));
        Label = new QLabel(QStringLiteral(" 0.0"), &Window);
        Label->setGeometry(100, 8, 86, 26);
        QFont f(QStringLiteral("Liberation Mono"));
        f.setPixelSize(20);
        Label->setFont(f);
        Label->setAutoFillBackground(true);
        Dots = new TDotLabel;
        Dots->setParent(&Window);
        Dots->setGeometry(200, 8, 86, 26);
        Window.show();
        QApplication::processEvents();
    }
};

void LedRepaint(benchmark::State &state)
{
    TDisplays d;
    for (auto _ : state)
        d.Led->repaint();
    const double subject = SecondsPer(5000, [&] { d.Led->repaint(); });
    state.counters["us_per_repaint"] = subject * 1e6;
    state.counters["vs_qlabel"] = subject / SecondsPer(5000, [&] { d.Label->repaint(); });
    state.counters["vs_dots"] = subject / SecondsPer(5000, [&] { d.Dots->repaint(); });
}
BENCHMARK(LedRepaint)->Unit(benchmark::kMicrosecond);

void LedTimeUpdate(benchmark::State &state)
{
    TDisplays d;
    const int recolors = d.Led->Recolors();
    int tenths = 0;
    const auto next = [&] { return QString::number(++tenths % 1000 / 10.0, 'f', 1).rightJustified(4); };
    for (auto _ : state) {
        d.Led->SetCaption(next());
        d.Led->repaint();
    }
    if (d.Led->Recolors() != recolors)
        state.SkipWithError("a caption change recoloured the font");
    const double subject = SecondsPer(5000, [&] {
        d.Led->SetCaption(next());
        d.Led->repaint();
    });
    state.counters["us_per_update"] = subject * 1e6;
    state.counters["vs_qlabel"] = subject / SecondsPer(5000, [&] {
        d.Label->setText(next());
        d.Label->repaint();
    });
}
BENCHMARK(LedTimeUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
