#include "sound/soundstream.h"

#include "sound/alsapcm.h"
#include "sound/WaveSound.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

QString AlsaError(const QByteArray &device, const char *step, int code)
{
    return QStringLiteral("ALSA device \"%1\": %2: %3")
        .arg(QString::fromLocal8Bit(device), QLatin1String(step), QString::fromUtf8(snd_strerror(code)));
}

} // namespace

void WidenSound(TWaveSound &sound)
{
    if (sound.BitsPerSample != 8)
        return;
    QByteArray wide(sound.Data.size() * 2, Qt::Uninitialized);
    WidenU8(sound.Data.constData(), reinterpret_cast<int16_t *>(wide.data()), size_t(sound.Data.size()));
    sound.Data = std::move(wide);
    sound.BitsPerSample = 16;
}

TSoundStream::TSoundStream(const QString &device) : FDevice(device.toLocal8Bit()), FOpening(false) {}

TSoundStream::TResult TSoundStream::PlayOnce(const QString &device, const TWaveSound &sound,
                                             const TRest &rest, const std::function<void()> &started,
                                             QString &error)
{
    TSoundStream once(device);
    return once.Play(sound, rest, started, error);
}

TSoundStream::TSoundStream(const QString &device, int channels, int sampleRate) : FDevice(device.toLocal8Bit())
{
    FOpener = std::thread([this, channels, sampleRate] {
        QString error;
        OpenDevice(channels, sampleRate, error);
        std::lock_guard lock(FMutex);
        FOpenError = error;
        FOpening = false;
        FOpenedCond.notify_all();
    });
}

TSoundStream::~TSoundStream()
{
    if (FOpener.joinable())
        FOpener.join();
    CloseDevice();
}

bool TSoundStream::IsOpen()
{
    std::lock_guard lock(FMutex);
    return !FOpening && FPcm;
}

bool TSoundStream::WaitOpened()
{
    std::unique_lock lock(FMutex);
    // A server that has not answered in this time will not make the word's
    // sound in time either; the sound then tries to open the device itself.
    return FOpenedCond.wait_for(lock, std::chrono::seconds(5), [this] { return !FOpening; });
}

bool TSoundStream::OpenDevice(int channels, int sampleRate, QString &error)
{
    CloseDevice();
    snd_pcm_t *pcm = nullptr;
    // Without blocking, so that a device held by someone else fails at once.
    int rc = snd_pcm_open(&pcm, FDevice.constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (rc < 0) {
        error = AlsaError(FDevice, "open", rc);
        return false;
    }
    // Kept without blocking: a write that finds the device full rests
    // (answering a newer sound at once) instead of waiting inside ALSA.
    rc = snd_pcm_set_params(pcm, AlsaSampleFormat, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(channels),
                            unsigned(sampleRate), 1, 100000);
    if (rc < 0) {
        snd_pcm_close(pcm);
        error = AlsaError(FDevice, "set parameters", rc);
        return false;
    }
    // The device starts with the first period handed to it, not once its
    // whole buffer is full.
    snd_pcm_uframes_t buffer = 0, period = 0;
    snd_pcm_get_params(pcm, &buffer, &period);
    snd_pcm_sw_params_t *sw;
    snd_pcm_sw_params_alloca(&sw);
    if (period > 0 && snd_pcm_sw_params_current(pcm, sw) == 0
        && snd_pcm_sw_params_set_start_threshold(pcm, sw, period) == 0)
        snd_pcm_sw_params(pcm, sw);
    FPcm = pcm;
    FChannels = channels;
    FSampleRate = sampleRate;
    return true;
}

void TSoundStream::CloseDevice()
{
    if (!FPcm)
        return;
    snd_pcm_drop(FPcm);
    snd_pcm_close(FPcm);
    FPcm = nullptr;
    FChannels = FSampleRate = 0;
}

TSoundStream::TResult TSoundStream::Play(const TWaveSound &sound, const TRest &rest,
                                         const std::function<void()> &started, QString &error)
{
    WaitOpened();
    {
        std::lock_guard lock(FMutex);
        if (FOpening) {
            error = AlsaError(FDevice, "open", -ETIMEDOUT);
            return TResult::Failed;
        }
    }
    if (!FPcm || FChannels != sound.Channels || FSampleRate != sound.SampleRate) {
        if (!OpenDevice(sound.Channels, sound.SampleRate, error))
            return TResult::Failed;
    }

    const int frameBytes = sound.Channels * 2;
    const snd_pcm_uframes_t totalFrames = snd_pcm_uframes_t(sound.Data.size() / frameBytes);
    // Small writes keep a newer sound from waiting more than a few
    // milliseconds for this one to let go of the device.
    const snd_pcm_uframes_t chunk = std::max<snd_pcm_uframes_t>(64, snd_pcm_uframes_t(sound.SampleRate) / 50);
    snd_pcm_uframes_t done = 0;
    bool cut = false;
    bool told = false;
    while (done < totalFrames) {
        if (rest(0)) {
            cut = true;
            break;
        }
        const snd_pcm_uframes_t n = std::min(chunk, totalFrames - done);
        snd_pcm_sframes_t w = snd_pcm_writei(FPcm, sound.Data.constData() + done * frameBytes, n);
        if (w == -EAGAIN) {
            // Full: room for a chunk comes within a chunk's time.
            if (rest(std::max(1, int(n * 1000 / unsigned(sound.SampleRate) / 2)))) {
                cut = true;
                break;
            }
            continue;
        }
        if (w < 0) {
            w = snd_pcm_recover(FPcm, int(w), 1);
            if (w < 0) {
                error = AlsaError(FDevice, "write", int(w));
                CloseDevice();
                return TResult::Failed;
            }
            continue;
        }
        done += snd_pcm_uframes_t(w);
        if (!told && w > 0) {
            told = true;
            if (started)
                started();
        }
    }

    if (!cut) {
        // A sound shorter than the start threshold has not started yet.
        if (snd_pcm_state(FPcm) == SND_PCM_STATE_PREPARED)
            snd_pcm_start(FPcm);
        // Wait until what was written has been heard, still answering a newer
        // sound at once. The count ends by itself even on a stack that never
        // reports the stream running dry (alsapcm.h).
        TPlayedFrames heard(sound.SampleRate);
        const int64_t written = int64_t(totalFrames);
        for (;;) {
            if (rest(0)) {
                cut = true;
                break;
            }
            if (snd_pcm_state(FPcm) != SND_PCM_STATE_RUNNING)
                break; // ran dry (or never started): nothing more will sound
            const int64_t left =
                written - heard.Update(true, written, HeldFrames(FPcm), std::chrono::steady_clock::now());
            if (left <= 0)
                break;
            const long ms = std::clamp<long>(long(left * 1000 / sound.SampleRate), 1, 10);
            if (rest(int(ms))) {
                cut = true;
                break;
            }
        }
    }
    // Ready for the next sound without closing: what is left is dropped and
    // the stream waits, prepared, for the next samples.
    snd_pcm_drop(FPcm);
    snd_pcm_prepare(FPcm);
    return cut ? TResult::Cut : TResult::Finished;
}
