#pragma once
// One ALSA playback stream kept open over many short sounds, so that a sound
// starts as its samples are handed over instead of after the device has been
// opened and set up (through a sound server that takes from tens to hundreds
// of milliseconds).
//
// The device is opened on a thread of the stream's own as the stream is made,
// so whoever makes it never waits for the sound system. A sound of another
// rate or channel count than the open stream's reopens it once.
//
// Play is called from one thread at a time (the word-sound player's worker);
// it never touches widgets.
#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

struct TWaveSound;
typedef struct _snd_pcm snd_pcm_t;

class TSoundStream {
public:
    enum class TResult { Finished, Cut, Failed };
    // Waits up to ms milliseconds (0: only looks) and returns true, at once,
    // when the sound is to be cut.
    using TRest = std::function<bool(int ms)>;

    // Starts opening `device` for Channels x SampleRate, the format expected
    // for most sounds, and returns at once.
    TSoundStream(const QString &device, int channels, int sampleRate);
    // Waits for the opening (bounded by the sound system's own limits: the
    // device is opened without blocking) and closes the device.
    ~TSoundStream();
    TSoundStream(const TSoundStream &) = delete;
    TSoundStream &operator=(const TSoundStream &) = delete;

    // Hands the sound to the device and returns once it has been heard (known
    // from the frames played, alsapcm.h), when rest() says to cut it (the
    // rest is dropped at once), or on a failure (with its reason in error; the
    // next Play opens the device again). The sound's samples are in the
    // device's format already (AlsaSampleFormat: 8-bit sounds widened, see
    // WidenSound). started() runs as the first samples have been handed over.
    TResult Play(const TWaveSound &sound, const TRest &rest, const std::function<void()> &started,
                 QString &error);

    // One sound on a device opened for it alone and closed after it.
    static TResult PlayOnce(const QString &device, const TWaveSound &sound, const TRest &rest,
                            const std::function<void()> &started, QString &error);

    // True once the background opening has finished with an open device.
    bool IsOpen();

private:
    explicit TSoundStream(const QString &device);
    bool OpenDevice(int channels, int sampleRate, QString &error);
    void CloseDevice();
    bool WaitOpened();

    const QByteArray FDevice;
    std::mutex FMutex;
    std::condition_variable FOpenedCond;
    bool FOpening = true;
    QString FOpenError;
    std::thread FOpener;
    snd_pcm_t *FPcm = nullptr;   // owned by the opener until FOpening is false, then by Play
    int FChannels = 0;
    int FSampleRate = 0;
};

// The sound's 8-bit samples as the 16-bit ones every stream is handed
// (alsapcm.h); a 16-bit sound is left as it is.
void WidenSound(TWaveSound &sound);
