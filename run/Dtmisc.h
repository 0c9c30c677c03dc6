#pragma once
// TDozer: waits a number of milliseconds while the application keeps handling its
// events, then returns to its caller. The run screen holds its blank screen with it.
#include <QObject>
#include <cstdint>
#include <functional>

class QTimer;

// The system's millisecond tick count: 32 bits, wrapping after about 49.7 days.
uint32_t GetTickCount();

class TDozer : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject *sender)>;
    using TTickSource = std::function<uint32_t()>;

    explicit TDozer(QObject *owner = nullptr);
    ~TDozer() override;

    // When DozeLength is not 0 and smaller than Interval, Interval follows it down.
    uint16_t DozeLength() const { return FDozeLength; }
    void SetDozeLength(uint16_t value);
    // Period of the internal timer during a doze; 0 means DozeLength.
    uint16_t Interval() const { return FInterval; }
    void SetInterval(uint16_t value);

    TNotifyEvent OnTimer;   // every tick of the internal timer during a doze
    TNotifyEvent OnWakeUp;  // once when a doze has ended, just before Doze returns

    // Sets DozeLength to ms and waits that long, handling events meanwhile. Called
    // from an event handled during a doze, it returns at once.
    void Doze(uint16_t ms);
    bool Dozing() const;

    // Where the tick count comes from; tests replace it to move time by hand.
    void SetTickSource(TTickSource source);

private:
    void TimerTick();
    void ApplyInvariant();

    uint16_t FDozeLength = 0;
    uint16_t FInterval = 0;
    QTimer *FTimer = nullptr;
    uint32_t FStartTime = 0;
    bool FAwake = true;
    TTickSource FTicks;
};
