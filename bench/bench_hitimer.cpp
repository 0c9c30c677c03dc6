// Tick lateness of the high-resolution timer: how long after its due time a
// tick reaches the handler, at the recording page's 200 ms and at 10 ms.
//   Service/<ms>/<ticks>  the timer service's own thread (the raw callback)
//   Window/<ms>/<ticks>   TMMHiTimer in cmWindow mode: through the event loop
//                         to the handler on the user-interface thread, as the
//                         recording page uses it
// Each reports the median and the 99th percentile in microseconds and the same
// for a baseline from the same run:
//   Service: a bare thread sleeping until each grid time (sleep_until), the
//            best a thread of an ordinary process can do on this machine;
//            p99_vs_sleep = our 99th percentile / the bare thread's
//   Window:  a precise QTimer on the same event loop, measured against its
//            own grid; p99_vs_qtimer = ours / QTimer's
// Run on an idle machine: the figures are mostly the scheduler's.
#include "BenchMain.h"
#include "audio/MMHiTimer.h"
#include "platform/mmtimer.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct TLateness {
    double Median = 0, P99 = 0;
};

TLateness Summarise(std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    if (us.empty())
        return {};
    const auto at = [&](double q) { return us[std::min(us.size() - 1, size_t(q * double(us.size() - 1) + 0.5))]; };
    return {at(0.5), at(0.99)};
}

double Us(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// A precise QTimer's ticks against its own grid from the moment it started.
TLateness QTimerLateness(int intervalMs, int ticks)
{
    std::vector<double> late;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    Clock::time_point start;
    int n = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        ++n;
        late.push_back(Us(now - (start + n * std::chrono::milliseconds(intervalMs))));
        if (n == ticks)
            loop.quit();
    });
    start = Clock::now();
    timer.start();
    loop.exec();
    return Summarise(late);
}

// A thread of its own sleeping until each time of the grid.
TLateness SleepLoopLateness(int intervalMs, int ticks)
{
    std::vector<double> late;
    std::thread([&] {
        const Clock::time_point start = Clock::now();
        for (int n = 1; n <= ticks; ++n) {
            const Clock::time_point due = start + n * std::chrono::milliseconds(intervalMs);
            std::this_thread::sleep_until(due);
            late.push_back(Us(Clock::now() - due));
        }
    }).join();
    return Summarise(late);
}

void Report(benchmark::State &state, const TLateness &ours, const TLateness &base, const std::string &baseName)
{
    state.counters["median_us"] = ours.Median;
    state.counters["p99_us"] = ours.P99;
    state.counters[baseName + "_median_us"] = base.Median;
    state.counters[baseName + "_p99_us"] = base.P99;
    state.counters["p99_vs_" + baseName] = base.P99 > 0 ? ours.P99 / base.P99 : 0;
}

void Service(benchmark::State &state)
{
    const int interval = int(state.range(0)), ticks = int(state.range(1));
    for (auto _ : state) {
        std::mutex lock;
        std::vector<double> late;
        std::atomic<bool> done{false};
        timeBeginPeriod(1);
        const uint32_t id = timeSetEvent(uint32_t(interval), 0, [&](uint32_t) {
            const Clock::time_point now = Clock::now();
            std::lock_guard<std::mutex> g(lock);
            if (int(late.size()) < ticks)
                late.push_back(Us(now - CurrentTickDue()));
            else
                done = true;
        });
        while (!done)
            std::this_thread::sleep_for(std::chrono::milliseconds(interval));
        timeKillEvent(id);
        timeEndPeriod(1);
        state.PauseTiming();
        Report(state, Summarise(late), SleepLoopLateness(interval, ticks), "sleep");
        state.ResumeTiming();
    }
}
BENCHMARK(Service)->Args({200, 100})->Args({10, 1000})->Iterations(1)->Unit(benchmark::kSecond);

void Window(benchmark::State &state)
{
    const int interval = int(state.range(0)), ticks = int(state.range(1));
    for (auto _ : state) {
        std::vector<double> late;
        QEventLoop loop;
        TMMHiTimer timer;
        timer.SetInterval(interval);
        timer.SetOnTimer([&](TMMComponent *) {
            late.push_back(Us(Clock::now() - timer.TickDue()));
            if (int(late.size()) == ticks) {
                timer.SetEnabled(false);
                loop.quit();
            }
        });
        loop.exec();
        state.PauseTiming();
        Report(state, Summarise(late), QTimerLateness(interval, ticks), "qtimer");
        state.ResumeTiming();
    }
}
BENCHMARK(Window)->Args({200, 100})->Args({10, 1000})->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
