#include "platform/playsound.h"

#include "platform/alsapcm.h"

#include <QFile>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

namespace {

// Word recordings are a few seconds long; anything far beyond that is not a word
// sound and is not read into memory.
constexpr qint64 MaxSoundFileSize = 256 * 1024 * 1024;

uint32_t Le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint32_t(u[0]) | (uint32_t(u[1]) << 8) | (uint32_t(u[2]) << 16) | (uint32_t(u[3]) << 24);
}

uint16_t Le16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint16_t(u[0] | (u[1] << 8));
}

// 8-bit samples as ALSA is handed them (alsapcm.h).
QByteArray Widened(const QByteArray &U8)
{
    QByteArray wide(U8.size() * 2, Qt::Uninitialized);
    WidenU8(U8.constData(), reinterpret_cast<int16_t *>(wide.data()), size_t(U8.size()));
    return wide;
}

class TPlayer {
public:
    ~TPlayer()
    {
        {
            std::lock_guard lock(FMutex);
            FQuit = true;
            ++FGeneration;
        }
        FWake.notify_all();
        if (FWorker.joinable())
            FWorker.join();
    }

    void Request(const QString &fileName, const QByteArray &image = {})
    {
        TPlaySoundObserver observer;
        {
            std::lock_guard lock(FMutex);
            ++FGeneration;       // cuts the sound playing now
            FHasPending = false; // and replaces one not yet taken
            if (!fileName.isEmpty()) {
                ++FStatus.Requests;
                FStatus.LastRequest = fileName;
                observer = FObserver;
            }
        }
        // Told before the worker can see the request, so that the request's
        // own event never comes after its Started.
        if (observer)
            observer(TPlaySoundEvent::Requested, fileName);
        if (!fileName.isEmpty()) {
            std::lock_guard lock(FMutex);
            FPending = fileName;
            FPendingImage = image;
            FHasPending = true;
            if (!FWorker.joinable())
                FWorker = std::thread([this] { Run(); });
        }
        FWake.notify_all();
    }

    TPlaySoundStatus Status()
    {
        std::lock_guard lock(FMutex);
        return FStatus;
    }

    void SetObserver(TPlaySoundObserver observer)
    {
        std::lock_guard lock(FMutex);
        FObserver = std::move(observer);
    }

    void SetDevice(const QString &device)
    {
        std::lock_guard lock(FMutex);
        FDevice = device;
    }

    QString Device()
    {
        std::lock_guard lock(FMutex);
        return FDevice;
    }

    bool WaitIdle(int timeoutMs)
    {
        std::unique_lock lock(FMutex);
        return FIdle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [this] { return !FHasPending && !FBusy; });
    }

private:
    void Run()
    {
        std::unique_lock lock(FMutex);
        for (;;) {
            FWake.wait(lock, [this] { return FQuit || FHasPending; });
            if (FQuit)
                break;
            const QString file = FPending;
            const QByteArray image = std::exchange(FPendingImage, {});
            const uint64_t generation = FGeneration;
            FHasPending = false;
            FBusy = true;
            lock.unlock();
            PlayOne(file, generation, image);
            lock.lock();
            FBusy = false;
            FStatus.Playing = false;
            FIdle.notify_all();
        }
        FIdle.notify_all();
    }

    bool Cancelled(uint64_t generation) const { return FGeneration.load() != generation; }

    void Notify(TPlaySoundEvent event, const QString &file, const QString &error = {})
    {
        TPlaySoundObserver observer;
        {
            std::lock_guard lock(FMutex);
            switch (event) {
            case TPlaySoundEvent::Started:
                ++FStatus.Started;
                FStatus.Playing = true;
                break;
            case TPlaySoundEvent::Finished:
                ++FStatus.Finished;
                FStatus.Playing = false;
                break;
            case TPlaySoundEvent::Cut:
                ++FStatus.Cut;
                FStatus.Playing = false;
                break;
            case TPlaySoundEvent::Failed:
                ++FStatus.Failed;
                FStatus.Playing = false;
                FStatus.LastError = file + QStringLiteral(": ") + error;
                break;
            case TPlaySoundEvent::Requested:
                break;
            }
            observer = FObserver;
        }
        if (observer)
            observer(event, file);
    }

    // An image given with the request is played instead of reading the file.
    void PlayOne(const QString &file, uint64_t generation, QByteArray bytes)
    {
        if (bytes.isNull()) {
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly)) {
                Notify(TPlaySoundEvent::Failed, file, f.errorString());
                return;
            }
            if (f.size() > MaxSoundFileSize) {
                Notify(TPlaySoundEvent::Failed, file, QStringLiteral("file too large"));
                return;
            }
            bytes = f.readAll();
        }
        TWaveSound sound;
        QString error;
        if (!ParseWaveSound(bytes, sound, error)) {
            Notify(TPlaySoundEvent::Failed, file, error);
            return;
        }
        if (sound.Data.isEmpty()) {
            Notify(TPlaySoundEvent::Failed, file, QStringLiteral("no samples"));
            return;
        }
        if (Cancelled(generation))
            return;

        snd_pcm_t *pcm = nullptr;
        // Opened without blocking so that a device held by someone else fails at
        // once instead of stalling every later sound.
        const QByteArray device = Device().toLocal8Bit();
        int rc = snd_pcm_open(&pcm, device.constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        auto deviceError = [&](const char *step, int code) {
            return QStringLiteral("ALSA device \"%1\": %2: %3")
                .arg(QString::fromLocal8Bit(device), QLatin1String(step), QString::fromUtf8(snd_strerror(code)));
        };
        if (rc < 0) {
            Notify(TPlaySoundEvent::Failed, file, deviceError("open", rc));
            return;
        }
        snd_pcm_nonblock(pcm, 0);
        rc = snd_pcm_set_params(pcm, AlsaSampleFormat, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(sound.Channels),
                                unsigned(sound.SampleRate), 1, 100000);
        if (rc < 0) {
            snd_pcm_close(pcm);
            Notify(TPlaySoundEvent::Failed, file, deviceError("set parameters", rc));
            return;
        }
        if (sound.BitsPerSample == 8)
            sound.Data = Widened(sound.Data);

        Notify(TPlaySoundEvent::Started, file);
        const int frameBytes = sound.Channels * 2;
        const snd_pcm_uframes_t totalFrames = snd_pcm_uframes_t(sound.Data.size() / frameBytes);
        // Small writes keep a newer request from waiting more than a few
        // milliseconds for the old sound to let go of the device.
        const snd_pcm_uframes_t chunk = std::max<snd_pcm_uframes_t>(64, snd_pcm_uframes_t(sound.SampleRate) / 50);
        snd_pcm_uframes_t done = 0;
        bool cut = false;
        QString failure;
        while (done < totalFrames) {
            if (Cancelled(generation)) {
                cut = true;
                break;
            }
            const snd_pcm_uframes_t n = std::min(chunk, totalFrames - done);
            snd_pcm_sframes_t w = snd_pcm_writei(pcm, sound.Data.constData() + done * frameBytes, n);
            if (w == -EAGAIN)
                continue;
            if (w < 0) {
                w = snd_pcm_recover(pcm, int(w), 1);
                if (w < 0) {
                    failure = deviceError("write", int(w));
                    break;
                }
                continue;
            }
            done += snd_pcm_uframes_t(w);
        }

        if (!cut && failure.isEmpty()) {
            // A sound shorter than the start threshold has not started yet.
            if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED)
                snd_pcm_start(pcm);
            // Wait until what was written has been heard, still answering a newer
            // request at once. The count ends by itself even on a stack that
            // never reports the stream running dry (alsapcm.h).
            TPlayedFrames heard(sound.SampleRate);
            const int64_t written = int64_t(totalFrames);
            for (;;) {
                if (Cancelled(generation)) {
                    cut = true;
                    break;
                }
                if (snd_pcm_state(pcm) != SND_PCM_STATE_RUNNING)
                    break; // ran dry (or never started): nothing more will sound
                const int64_t left = written - heard.Update(true, written, HeldFrames(pcm),
                                                            std::chrono::steady_clock::now());
                if (left <= 0)
                    break;
                const long ms = std::clamp<long>(long(left * 1000 / sound.SampleRate), 1, 10);
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            }
        }
        // Everything has been heard, or is to be cut: nothing is left to drain.
        snd_pcm_drop(pcm);
        snd_pcm_close(pcm);

        if (!failure.isEmpty())
            Notify(TPlaySoundEvent::Failed, file, failure);
        else if (cut)
            Notify(TPlaySoundEvent::Cut, file);
        else
            Notify(TPlaySoundEvent::Finished, file);
    }

    std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FIdle;
    std::thread FWorker;
    std::atomic<uint64_t> FGeneration{0};
    QString FPending;
    QByteArray FPendingImage;
    bool FHasPending = false;
    bool FBusy = false;
    bool FQuit = false;
    TPlaySoundStatus FStatus;
    TPlaySoundObserver FObserver;
    QString FDevice = QStringLiteral("default");
};

TPlayer &Player()
{
    static TPlayer player;
    return player;
}

} // namespace

bool ParseWaveSound(const QByteArray &file, TWaveSound &sound, QString &error)
{
    sound = TWaveSound();
    const qint64 size = file.size();
    const char *p = file.constData();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        error = QStringLiteral("not a RIFF WAVE file");
        return false;
    }
    // A RIFF size larger than the file (a recording never patched) is bounded by it.
    const qint64 declaredEnd = 8 + qint64(Le32(p + 4));
    const qint64 riffEnd = declaredEnd < 12 ? size : std::min(size, declaredEnd);
    bool haveFormat = false;
    qint64 pos = 12;
    while (pos + 8 <= riffEnd) {
        const char *id = p + pos;
        const qint64 chunkSize = Le32(p + pos + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(id, "fmt ", 4) == 0 && !haveFormat) {
            if (chunkSize < 16 || body + 16 > size) {
                error = QStringLiteral("format chunk too short");
                return false;
            }
            const uint16_t tag = Le16(p + body);
            sound.Channels = Le16(p + body + 2);
            sound.SampleRate = int(std::min<uint32_t>(Le32(p + body + 4), 0x7FFFFFFF));
            sound.BitsPerSample = Le16(p + body + 14);
            if (tag != 1) {
                error = QStringLiteral("not PCM (format tag %1)").arg(tag);
                return false;
            }
            if (sound.Channels < 1 || sound.Channels > 2 || (sound.BitsPerSample != 8 && sound.BitsPerSample != 16) ||
                sound.SampleRate <= 0) {
                error = QStringLiteral("unsupported PCM format (%1 channels, %2 bits, %3 Hz)")
                            .arg(sound.Channels).arg(sound.BitsPerSample).arg(sound.SampleRate);
                return false;
            }
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!haveFormat) {
                error = QStringLiteral("data before format");
                return false;
            }
            // A size of 0 is what a recorder leaves before it patches the header:
            // the samples run to the end of the file.
            qint64 available = size - body;
            qint64 bytes = chunkSize == 0 ? available : std::min(chunkSize, available);
            const int frameBytes = sound.Channels * sound.BitsPerSample / 8;
            bytes -= bytes % frameBytes;
            sound.Data = file.mid(body, bytes);
            return true;
        }
        pos = body + chunkSize + (chunkSize & 1);
    }
    error = haveFormat ? QStringLiteral("no data chunk") : QStringLiteral("no format chunk");
    return false;
}

bool PlaySound(const QString &fileName, uint32_t flags)
{
    Q_UNUSED(flags);
    Player().Request(fileName);
    return true;
}

bool PlaySoundImage(const QByteArray &waveImage, const QString &label)
{
    // A null image would read the label as a file; an empty one fails as a bad file.
    Player().Request(label.isEmpty() ? QStringLiteral("(memory)") : label,
                     waveImage.isNull() ? QByteArray("") : waveImage);
    return true;
}

void StopSound() { Player().Request(QString()); }

TPlaySoundStatus PlaySoundStatus() { return Player().Status(); }

void SetPlaySoundObserver(TPlaySoundObserver observer) { Player().SetObserver(std::move(observer)); }

void SetPlaySoundDevice(const QString &device) { Player().SetDevice(device); }

bool WaitPlaySoundIdle(int timeoutMs) { return Player().WaitIdle(timeoutMs); }
