// Balloon hints. Each benchmark times its baseline in the same run and reports
// the ratio as a counter:
//   RestToPainted   vs_qtooltip    = tool-tip event on a main window button to the
//                                    balloon painted (then hidden) / the same with
//                                    Qt's plain tool tip
//   ShapeAndShadow  vs_plain_balloon = a balloon cut to its outline with an 8-pixel
//                                    shaded shadow / a rectangular one without shadow;
//                                    us_extra is the difference per show
#include "BenchWidgets.h"
#include "app/Application.h"
#include "app/uMain.h"
#include "widgets/Balloon.h"
#include "widgets/oxBtns.h"

#include <QHelpEvent>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// The main window's face: a tiled picture with its five buttons.
class TCard : public QWidget {
public:
    TCard()
    {
        FTile = BenchTile();
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(160, 150, 461, 282);
        Run = CreateMainWindowButton(this, QRect(17, 56, 200, 100), QStringLiteral("Run"), false);
        Run->setToolTip(QStringLiteral("Click to run"));
        CreateMainWindowButton(this, QRect(229, 56, 200, 100), QStringLiteral("Configure"), false);
    }
    ToxButton *Run;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawTiledPixmap(rect(), FTile); }

private:
    QPixmap FTile;
};

void MainWindowSettings(TBalloonHint &h)
{
    h.SetBorderColor(clBlack);
    h.SetColor(13303807);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    h.SetFont(f);
    h.SetMaxWidth(-4);
    h.SetBehavior(TBalloonBehaviors(bbNoShowMouseDown) | bbUseRegions | bbHideOnPaint);
    h.SetPosition(bpAboveRight);
    h.SetShadowDepth(8);
    h.SetShape(bsRoundRect);
    h.SetStyle(hsCustom);
}

// Counts the paints of whichever window shows the hints.
class THintPaints : public QObject {
public:
    THintPaints() { qApp->installEventFilter(this); }
    ~THintPaints() override { qApp->removeEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && (watched->inherits("QTipLabel") || watched->inherits("TBalloonWindow")))
            ++Count;
        return false;
    }
};

void ShowUntilPainted(ToxButton *button, THintPaints &paints)
{
    const QPoint at(60, 40);
    QHelpEvent rest(QEvent::ToolTip, at, button->mapToGlobal(at));
    const int before = paints.Count;
    QApplication::sendEvent(button, &rest);
    // On a real display the paint waits for the window system's expose.
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (paints.Count == before && std::chrono::steady_clock::now() < limit)
        QApplication::processEvents();
}

// Qt throws its tip label away once the tip has gone; the next one is new.
void HidePlainTip()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel"))
            delete top;
}

void RestToPainted(benchmark::State &state)
{
    TCard card;
    card.show();
    QApplication::processEvents();
    TBalloonHint hint;
    MainWindowSettings(hint);
    THintPaints paints;
    auto balloon = [&] {
        ShowUntilPainted(card.Run, paints);
        CancelHint();
    };
    auto plain = [&] {
        ShowUntilPainted(card.Run, paints);
        HidePlainTip();
    };
    hint.SetActive(true);
    const int first = paints.Count;
    for (auto _ : state)
        balloon();
    if (paints.Count == first)
        state.SkipWithError("no balloon was painted");
    const int balloonFirst = paints.Count;
    const double subject = SecondsPer(100, balloon);
    if (paints.Count - balloonFirst < 100)
        state.SkipWithError("the balloon was not painted each time");
    hint.SetActive(false);
    plain();
    const int plainFirst = paints.Count;
    const double baseline = SecondsPer(100, plain);
    if (paints.Count - plainFirst < 100)
        state.SkipWithError("the plain tool tip was not painted each time");
    state.counters["vs_qtooltip"] = subject / baseline;
    state.counters["us_balloon"] = subject * 1e6;
    state.counters["us_qtooltip"] = baseline * 1e6;
}
BENCHMARK(RestToPainted)->Unit(benchmark::kMicrosecond);

void ShapeAndShadow(benchmark::State &state)
{
    TCard card;
    card.show();
    QApplication::processEvents();
    TBalloonHint hint;
    MainWindowSettings(hint);
    hint.SetActive(false);
    TBalloonWindow window;
    const QPoint pointer = card.Run->mapToGlobal(QPoint(60, 40));
    const QString text = QStringLiteral("Click to open the configuration dialog");
    auto shaped = [&] {
        hint.SetBehavior(TBalloonBehaviors(bbNoShowMouseDown) | bbUseRegions | bbHideOnPaint);
        hint.SetShadowDepth(8);
        window.ActivateHint(pointer, text);
        window.repaint();
        window.hide();
    };
    auto plain = [&] {
        hint.SetBehavior(bbNoShowMouseDown);
        hint.SetShadowDepth(0);
        hint.SetShape(bsRectangle);
        window.ActivateHint(pointer, text);
        window.repaint();
        window.hide();
        hint.SetShape(bsRoundRect);
    };
    for (auto _ : state)
        shaped();
    const double subject = SecondsPer(200, shaped);
    const double baseline = SecondsPer(200, plain);
    state.counters["vs_plain_balloon"] = subject / baseline;
    state.counters["us_extra"] = (subject - baseline) * 1e6;
    state.counters["us_shaped"] = subject * 1e6;
}
BENCHMARK(ShapeAndShadow)->Unit(benchmark::kMicrosecond);

} // namespace

// The program's own application object: it is what hands the tool-tip events
// to the hint machinery.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
