// The small dialogs and their painted caption. Each benchmark times its
// baseline in the same run, alternating with the subject round by round, and
// reports the ratio of the medians as a counter:
//   AboutBoxClickToFirstPaint vs_bare_dialog = click on the title button until the
//                                about box's OK button is first painted / the same
//                                for a bare QDialog with the same labels, logo and
//                                a QPushButton, opened from the same kind of click
//   CaptionFromCache           vs_direct     = copying the active caption's cached
//                                bitmap / drawing the same 128-band gradient, text
//                                and buttons straight onto the same target
#include "BenchMain.h"
#include "app/uAbout.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Ends a modal dialog at the first paint of the watched button and notes the time.
class TFirstPaint : public QObject {
public:
    QWidget *Watched = nullptr;
    Clock::time_point At;
    bool Seen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == Watched && !Seen) {
            Seen = true;
            At = Clock::now();
            auto *dialog = qobject_cast<QDialog *>(Watched->window());
            QMetaObject::invokeMethod(dialog, [dialog] { dialog->done(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// The same texts, fonts, positions and logo as the about box, on a bare dialog.
class TBareAbout : public QDialog {
public:
    explicit TBareAbout(QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("About Pellan Wordlark"));
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(11);
        setFont(arial);
        setFixedSize(416, 230);
        auto *logo = new QLabel(this);
        logo->setGeometry(8, 8, 400, 63);
        logo->setPixmap(QPixmap(QStringLiteral(":/about/AboutLogo.gif")));
        auto *version = new QLabel(QStringLiteral("Version 1.0"), this);
        version->setGeometry(8, 84, 401, 22);
        version->setAlignment(Qt::AlignHCenter);
        QFont big = arial;
        big.setPixelSize(19);
        big.setBold(true);
        version->setFont(big);
        auto *notice = new QLabel(QStringLiteral("Free software for young readers and their parents."), this);
        notice->setGeometry(92, 168, 299, 14);
        notice->setAlignment(Qt::AlignRight);
        auto *url = new QLabel(QString::fromLatin1(MakerURL), this);
        url->move(7, 208);
        url->adjustSize();
        Ok = new QPushButton(QStringLiteral("&Ok"), this);
        Ok->setGeometry(315, 198, 75, 25);
        Ok->setDefault(true);
    }
    QPushButton *Ok;
};

void AboutBoxClickToFirstPaint(benchmark::State &state)
{
    QWidget host;
    host.resize(300, 100);
    auto *openAbout = new QPushButton(QStringLiteral("Pellan Wordlark"), &host);
    openAbout->setGeometry(0, 0, 150, 40);
    auto *openBare = new QPushButton(QStringLiteral("Bare"), &host);
    openBare->setGeometry(150, 0, 150, 40);
    TFirstPaint watch;
    qApp->installEventFilter(&watch);
    // The click handlers do what the main window's title button does: create,
    // show modally, release.
    QObject::connect(openAbout, &QPushButton::clicked, [&] {
        TfmAbout about(&host);
        watch.Watched = about.btOk;
        about.exec();
    });
    QObject::connect(openBare, &QPushButton::clicked, [&] {
        TBareAbout bare(&host);
        watch.Watched = bare.Ok;
        bare.exec();
    });
    host.show();
    QApplication::processEvents();

    auto once = [&](QPushButton *button) {
        watch.Seen = false;
        const Clock::time_point t0 = Clock::now();
        button->click();
        if (!watch.Seen)
            return -1.0;
        return std::chrono::duration<double>(watch.At - t0).count();
    };
    // Warm both paths: fonts, the resource, the style.
    once(openAbout);
    once(openBare);

    std::vector<double> subject, baseline;
    for (auto _ : state) {
        const double s = once(openAbout);
        state.PauseTiming();
        const double b = once(openBare);
        state.ResumeTiming();
        if (s < 0 || b < 0) {
            state.SkipWithError("a dialog was never painted");
            break;
        }
        subject.push_back(s);
        baseline.push_back(b);
    }
    qApp->removeEventFilter(&watch);
    state.counters["ms_about"] = Median(subject) * 1e3;
    state.counters["ms_bare"] = Median(baseline) * 1e3;
    state.counters["vs_bare_dialog"] = Median(subject) / Median(baseline);
}
BENCHMARK(AboutBoxClickToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(60);

void CaptionFromCache(benchmark::State &state)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Wordlark configuration dialog"));
    auto *ox = new ToxForm(&dialog);
    ox->SetCaptionButtons(oxbHelp);
    ox->SetClientSize(484, 363);
    const QRect bar = ox->CaptionRect();
    QImage target(dialog.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&target);
    const QPixmap &warm = ox->CaptionBitmap(true);
    Q_UNUSED(warm);
    const int builds = ox->CaptionBuilds();

    auto cached = [&] { p.drawPixmap(bar.topLeft(), ox->CaptionBitmap(true)); };
    auto direct = [&] {
        p.save();
        p.translate(bar.topLeft());
        p.setClipRect(QRect(QPoint(0, 0), bar.size()));
        ox->PaintCaption(p, bar.size(), true);
        p.restore();
    };
    for (auto _ : state)
        cached();
    if (ox->CaptionBuilds() != builds)
        state.SkipWithError("the caption was drawn again");

    auto timeOf = [](int runs, auto &&f) {
        const Clock::time_point t0 = Clock::now();
        for (int i = 0; i < runs; ++i)
            f();
        return std::chrono::duration<double>(Clock::now() - t0).count() / runs;
    };
    std::vector<double> subject, baseline;
    for (int round = 0; round < 15; ++round) {
        subject.push_back(timeOf(500, cached));
        baseline.push_back(timeOf(100, direct));
    }
    state.counters["us_cached"] = Median(subject) * 1e6;
    state.counters["us_direct"] = Median(baseline) * 1e6;
    state.counters["vs_direct"] = Median(subject) / Median(baseline);
}
BENCHMARK(CaptionFromCache)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
