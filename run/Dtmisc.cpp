#include "run/Dtmisc.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <chrono>

uint32_t GetTickCount()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TDozer::TDozer(QObject *owner) : QObject(owner), FTicks(&GetTickCount)
{
    FTimer = new QTimer(this);
    // A coarse timer may fire 5 % late, which would stretch the blank between words.
    FTimer->setTimerType(Qt::PreciseTimer);
    connect(FTimer, &QTimer::timeout, this, &TDozer::TimerTick);
}

TDozer::~TDozer() = default;

void TDozer::SetDozeLength(uint16_t value)
{
    if (value == FDozeLength)
        return;
    FDozeLength = value;
    ApplyInvariant();
}

void TDozer::SetInterval(uint16_t value)
{
    if (value == FInterval)
        return;
    FInterval = value;
    ApplyInvariant();
}

void TDozer::ApplyInvariant()
{
    if (FDozeLength != 0 && FDozeLength < FInterval)
        FInterval = FDozeLength;
}

void TDozer::SetTickSource(TTickSource source) { FTicks = source ? std::move(source) : TTickSource(&GetTickCount); }

bool TDozer::Dozing() const { return FTimer && FTimer->isActive(); }

void TDozer::Doze(uint16_t ms)
{
    SetDozeLength(ms);
    if (!FTimer || FTimer->isActive())
        return;
    const int period = FInterval != 0 ? FInterval : FDozeLength;
    if (period == 0) {
        // Nothing to wait for.
        if (OnWakeUp)
            OnWakeUp(this);
        return;
    }
    FTimer->setInterval(period);
    FStartTime = FTicks();
    FTimer->start();
    FAwake = false;

    // A handler run during the doze may delete this dozer together with its owner.
    QPointer<TDozer> self(this);
    while (self && !FAwake) {
        // Waiting on the queue rather than spinning: the timer's own event wakes
        // the loop, so the doze ends at the same tick either way.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    if (self && OnWakeUp)
        OnWakeUp(this);
}

void TDozer::TimerTick()
{
    if (OnTimer)
        OnTimer(this);
    // Unsigned difference: correct across a wrap of the tick count.
    const uint32_t elapsed = FTicks() - FStartTime;
    if (elapsed >= FDozeLength) {
        FAwake = true;
        FTimer->stop();
    }
}
