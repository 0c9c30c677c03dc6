#pragma once
// What the sound server's default sink really plays, recorded from its monitor
// with parecord (PulseAudio and pipewire-pulse alike): of each 16-bit stereo
// frame, the larger sample.
#include <QByteArray>
#include <QProcess>
#include <QString>

#include <cstdint>
#include <vector>

class TSinkMonitor {
public:
    static constexpr int Rate = 44100;
    ~TSinkMonitor();
    // Starts recording and returns once the first samples have come; false with
    // the reason when the monitor cannot be recorded.
    bool Start(QString &Error);
    // Keeps recording until Seconds more have come, then stops; the samples.
    std::vector<int16_t> StopAfter(double Seconds);

private:
    bool ReadUntil(qint64 Bytes);
    QProcess FProcess;
    QByteArray FData;
};

// Seconds of the longest stretch of sound: samples whose size reaches Level,
// with no gap of 10 ms or more between them (a tone's zero crossings are far
// shorter; the tail of an earlier sound caught as recording began is apart).
double LoudSeconds(const std::vector<int16_t> &Samples, int Level, int Rate = TSinkMonitor::Rate);
// The largest sample size.
int Peak(const std::vector<int16_t> &Samples);
