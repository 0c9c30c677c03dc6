#include "support/SinkMonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <cstring>

TSinkMonitor::~TSinkMonitor()
{
    if (FProcess.state() != QProcess::NotRunning) {
        FProcess.kill();
        FProcess.waitForFinished(5000);
    }
}

bool TSinkMonitor::ReadUntil(qint64 Bytes)
{
    QElapsedTimer t;
    t.start();
    // Generous: a loaded machine delays the stream, never shortens it.
    while (FData.size() < Bytes && t.elapsed() < 20000 && FProcess.state() == QProcess::Running) {
        FProcess.waitForReadyRead(50);
        FData += FProcess.readAllStandardOutput();
    }
    return FData.size() >= Bytes;
}

bool TSinkMonitor::Start(QString &Error)
{
    FData.clear();
    FProcess.setProgram(QStringLiteral("parecord"));
    FProcess.setArguments({QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                           QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(Rate),
                           QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
    FProcess.start();
    if (!FProcess.waitForStarted(10000)) {
        Error = QStringLiteral("parecord did not start: ") + FProcess.errorString();
        return false;
    }
    // A tenth of a second in, the stream is flowing.
    if (!ReadUntil(Rate / 10 * 4)) {
        Error = QStringLiteral("no samples from the sink monitor: ")
            + QString::fromLocal8Bit(FProcess.readAllStandardError());
        return false;
    }
    return true;
}

std::vector<int16_t> TSinkMonitor::StopAfter(double Seconds)
{
    ReadUntil(FData.size() + qint64(Seconds * Rate) * 4);
    FProcess.terminate();
    FProcess.waitForFinished(5000);
    FData += FProcess.readAllStandardOutput();
    // Recorded in stereo, since servers differ in how they mix down (PipeWire
    // adds the channels); of each frame the larger sample.
    std::vector<int16_t> out(size_t(FData.size() / 4));
    for (size_t i = 0; i < out.size(); ++i) {
        int16_t lr[2];
        std::memcpy(lr, FData.constData() + 4 * i, 4);
        out[i] = std::abs(int(lr[0])) >= std::abs(int(lr[1])) ? lr[0] : lr[1];
    }
    return out;
}

double LoudSeconds(const std::vector<int16_t> &Samples, int Level, int Rate)
{
    const long gap = Rate / 100;
    long first = -1, last = -1, longest = 0;
    for (long i = 0; i < long(Samples.size()); ++i) {
        if (std::abs(int(Samples[size_t(i)])) < Level)
            continue;
        if (first < 0 || i - last >= gap)
            first = i;
        last = i;
        longest = std::max(longest, last - first);
    }
    return double(longest) / Rate;
}

int Peak(const std::vector<int16_t> &Samples)
{
    int peak = 0;
    for (int16_t s : Samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}
