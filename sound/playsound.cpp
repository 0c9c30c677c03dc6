#include "sound/playsound.h"

#include "sound/alsapcm.h"
#include "sound/soundstream.h"

#include <QFile>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include <sys/stat.h>

void TPlaySoundVoice::Give(const QByteArray &waveImage)
{
    {
        std::lock_guard lock(FMutex);
        if (FGiven)
            return;
        FWave = waveImage;
        FGiven = true;
    }
    FChanged.notify_all();
}

bool TPlaySoundVoice::Given(QByteArray &waveImage) const
{
    std::lock_guard lock(FMutex);
    waveImage = FWave;
    return FGiven;
}

QByteArray TPlaySoundVoice::Wait(std::chrono::milliseconds limit, const std::function<bool()> &giveUp) const
{
    std::unique_lock lock(FMutex);
    FChanged.wait_for(lock, limit, [&] { return FGiven || giveUp(); });
    return FWave;
}

void TPlaySoundVoice::Wake() const
{
    // Under the lock, so a waiter between its look and its sleep is not missed.
    std::lock_guard lock(FMutex);
    FChanged.notify_all();
}

namespace {

// Word recordings are a few seconds long; anything far beyond that is not a word
// sound and is not read into memory.
constexpr qint64 MaxSoundFileSize = 256 * 1024 * 1024;
// How long an idle worker sleeps before it looks at its queue again.
constexpr auto IdleLook = std::chrono::seconds(1);
// Longest wait for a voice's samples. The longest text is made in well under a
// second; the rest is for the synthesiser's set-up and a word ahead it is
// finishing, on a slow machine. A newer request ends the wait at once.
constexpr auto VoiceWait = std::chrono::seconds(10);

class TPlayer {
    struct TRequest {
        QString File;                                 // or the label of an image or voice
        QByteArray Image;                             // null: none
        std::shared_ptr<const TPlaySoundVoice> Voice; // a voice not made when asked for
    };

public:
    ~TPlayer()
    {
        std::shared_ptr<const TPlaySoundVoice> waited;
        {
            std::lock_guard lock(FMutex);
            FQuit = true;
            ++FGeneration;
            waited = FWaitedVoice;
        }
        if (waited)
            waited->Wake();
        FWake.notify_all();
        FPrepWake.notify_all();
        if (FWorker.joinable())
            FWorker.join();
        if (FPreparer.joinable())
            FPreparer.join();
    }

    // A voice not made yet is counted when the worker takes it (TakeVoice).
    void Request(const QString &fileName, const QByteArray &image = {},
                 std::shared_ptr<const TPlaySoundVoice> voice = {})
    {
        TPlaySoundObserver observer;
        std::shared_ptr<const TPlaySoundVoice> waited;
        {
            std::lock_guard lock(FMutex);
            ++FGeneration;       // cuts the sound playing now
            FHasPending = false; // and replaces one not yet taken
            waited = FWaitedVoice;
            if (!fileName.isEmpty() && !voice) {
                ++FStatus.Requests;
                FStatus.LastRequest = fileName;
                observer = FObserver;
            }
        }
        // A voice being waited for is given up for this request.
        if (waited)
            waited->Wake();
        // Told before the worker can see the request, so that the request's
        // own event never comes after its Started.
        if (observer)
            observer(TPlaySoundEvent::Requested, fileName);
        if (!fileName.isEmpty()) {
            std::lock_guard lock(FMutex);
            FPending = {fileName, image, std::move(voice)};
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
                              [this] { return !FHasPending && !FBusy && FPrepPending.isEmpty() && FPreparing.isEmpty(); });
    }

private:
    void Run()
    {
        std::unique_lock lock(FMutex);
        for (;;) {
            // Idle: wakes for a request, and now and then to look again.
            if (!FWake.wait_for(lock, IdleLook, [this] { return FQuit || FHasPending; }))
                continue;
            if (FQuit)
                break;
            const TRequest request = std::exchange(FPending, {});
            const uint64_t generation = FGeneration;
            FHasPending = false;
            FBusy = true;
            FWaitedVoice = request.Voice;
            lock.unlock();
            PlayOne(request, generation);
            lock.lock();
            FWaitedVoice.reset();
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

    // An image given with the request, or the voice's once made, is played
    // instead of reading the file.
    void PlayOne(const TRequest &request, uint64_t generation)
    {
        const QString &file = request.File;
        QByteArray image = request.Image;
        if (request.Voice && !TakeVoice(*request.Voice, file, generation, image))
            return;
        TWaveSound sound;
        QString error;
        const bool ready = image.isNull() ? TakePrepared(file, sound) || LoadSound(file, sound, error)
                                          : DecodeSound(image, sound, error);
        if (!ready) {
            Notify(TPlaySoundEvent::Failed, file, error);
            return;
        }
        if (Cancelled(generation))
            return;
        PlayThrough(Stream().get(), file, sound, generation);
    }

    // Waits for the voice's samples; true when they came and nothing newer was
    // asked for meanwhile, the voice then being a request like any other.
    bool TakeVoice(const TPlaySoundVoice &voice, const QString &label, uint64_t generation, QByteArray &image)
    {
        image = voice.Wait(VoiceWait, [&] { return Cancelled(generation); });
        if (image.isEmpty())
            return false;
        TPlaySoundObserver observer;
        {
            // Under the lock a newer request takes to count itself: a voice is
            // never counted after a newer sound.
            std::lock_guard lock(FMutex);
            if (Cancelled(generation))
                return false;
            ++FStatus.Requests;
            FStatus.LastRequest = label;
            observer = FObserver;
        }
        if (observer)
            observer(TPlaySoundEvent::Requested, label);
        return true;
    }

    // Waits up to ms for a newer request; true when this sound is to be cut.
    bool RestOrCut(uint64_t generation, int ms)
    {
        std::unique_lock lock(FMutex);
        return FWake.wait_for(lock, std::chrono::milliseconds(std::max(ms, 0)), [&] { return Cancelled(generation); });
    }

    // The file's samples as the device takes them.
    static bool LoadSound(const QString &file, TWaveSound &sound, QString &error)
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            error = f.errorString();
            return false;
        }
        if (f.size() > MaxSoundFileSize) {
            error = QStringLiteral("file too large");
            return false;
        }
        return DecodeSound(f.readAll(), sound, error);
    }

    // A wave image's samples as the device takes them.
    static bool DecodeSound(const QByteArray &image, TWaveSound &sound, QString &error)
    {
        if (!ParseWaveSound(image, sound, error))
            return false;
        if (sound.Data.isEmpty()) {
            error = QStringLiteral("no samples");
            return false;
        }
        WidenSound(sound);
        return true;
    }

    // The prepared sound when it is of this file and the file has not changed
    // since (a word recorded again plays its new recording).
    bool TakePrepared(const QString &file, TWaveSound &sound)
    {
        std::unique_lock lock(FMutex);
        // A read of this very file under way is waited for rather than done twice.
        FIdle.wait_for(lock, std::chrono::seconds(2),
                           [&] { return FQuit || (FPrepPending != file && FPreparing != file); });
        if (!FPrepared || FPrepared->File != file)
            return false;
        const std::shared_ptr<const TPrepared> prepared = FPrepared;
        lock.unlock();
        if (!(TFileStamp::Of(file) == prepared->Stamp))
            return false;
        sound = prepared->Sound;
        lock.lock();
        ++FStatus.Prepared;
        return true;
    }

    void RunPreparer()
    {
        std::unique_lock lock(FMutex);
        for (;;) {
            if (!FPrepWake.wait_for(lock, IdleLook, [this] { return FQuit || !FPrepPending.isEmpty(); }))
                continue;
            if (FQuit)
                break;
            const QString file = std::exchange(FPrepPending, QString());
            FPreparing = file;
            const std::shared_ptr<const TPrepared> held = FPrepared;
            lock.unlock();
            if (held && held->File == file && TFileStamp::Of(file) == held->Stamp) {
                lock.lock();
                FPreparing.clear();
                FIdle.notify_all();
                continue;
            }
            auto prepared = std::make_shared<TPrepared>();
            prepared->File = file;
            // Taken before the reading, so that a change while it is read is
            // seen at the play.
            prepared->Stamp = TFileStamp::Of(file);
            QString error;
            const bool ok = prepared->Stamp.Exists && LoadSound(file, prepared->Sound, error);
            lock.lock();
            // A file that cannot be played is left to the play, which says why.
            if (ok)
                FPrepared = std::move(prepared);
            FPreparing.clear();
            FIdle.notify_all();
        }
        FIdle.notify_all();
    }

    std::shared_ptr<TSoundStream> Stream()
    {
        std::lock_guard lock(FMutex);
        return FStream;
    }

    // A sound through the session's kept stream, or without a session on a
    // device opened for it alone: the same events either way.
    void PlayThrough(TSoundStream *stream, const QString &file, const TWaveSound &sound, uint64_t generation)
    {
        QString error;
        const auto rest = [this, generation](int ms) { return RestOrCut(generation, ms); };
        const auto started = [this, &file] { Notify(TPlaySoundEvent::Started, file); };
        const TSoundStream::TResult result = stream ? stream->Play(sound, rest, started, error)
                                                    : TSoundStream::PlayOnce(Device(), sound, rest, started, error);
        switch (result) {
        case TSoundStream::TResult::Finished: Notify(TPlaySoundEvent::Finished, file); break;
        case TSoundStream::TResult::Cut: Notify(TPlaySoundEvent::Cut, file); break;
        case TSoundStream::TResult::Failed: Notify(TPlaySoundEvent::Failed, file, error); break;
        }
    }

public:
    void Prepare(const QString &file)
    {
        {
            std::lock_guard lock(FMutex);
            FPrepPending = file;
            if (!FPreparer.joinable())
                FPreparer = std::thread([this] { RunPreparer(); });
        }
        FPrepWake.notify_all();
    }

    void BeginSession()
    {
        std::lock_guard lock(FMutex);
        // Word recordings are 8-bit stereo at 22050 per second.
        if (FSessions++ == 0)
            FStream = std::make_shared<TSoundStream>(FDevice, 2, 22050);
    }

    void EndSession()
    {
        std::shared_ptr<TSoundStream> last;
        {
            std::lock_guard lock(FMutex);
            if (FSessions > 0 && --FSessions == 0)
                last = std::move(FStream);
        }
        // A sound still playing keeps the stream until it has ended.
    }

    bool StreamOpen()
    {
        const std::shared_ptr<TSoundStream> stream = Stream();
        return stream && stream->IsOpen();
    }

private:
    // Which version of a file a prepared sound was read from.
    struct TFileStamp {
        bool Exists = false;
        dev_t Device = 0;
        ino_t Inode = 0;
        off_t Size = 0;
        timespec Modified{};
        static TFileStamp Of(const QString &file)
        {
            TFileStamp stamp;
            struct stat st;
            if (::stat(QFile::encodeName(file).constData(), &st) == 0) {
                stamp.Exists = true;
                stamp.Device = st.st_dev;
                stamp.Inode = st.st_ino;
                stamp.Size = st.st_size;
                stamp.Modified = st.st_mtim;
            }
            return stamp;
        }
        bool operator==(const TFileStamp &o) const
        {
            return Exists && o.Exists && Device == o.Device && Inode == o.Inode && Size == o.Size
                && Modified.tv_sec == o.Modified.tv_sec && Modified.tv_nsec == o.Modified.tv_nsec;
        }
    };
    struct TPrepared {
        QString File;
        TFileStamp Stamp;
        TWaveSound Sound;
    };

    std::shared_ptr<const TPrepared> FPrepared; // the sound read ahead
    QString FPrepPending;                       // a file to read ahead
    QString FPreparing;                         // the file being read ahead
    std::condition_variable FPrepWake;
    std::thread FPreparer;
    std::shared_ptr<TSoundStream> FStream;
    int FSessions = 0;
    std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FIdle;   // also: a read ahead has ended
    std::thread FWorker;
    std::atomic<uint64_t> FGeneration{0};
    TRequest FPending;
    std::shared_ptr<const TPlaySoundVoice> FWaitedVoice; // taken by the worker, perhaps not made yet
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

bool PlaySoundVoice(const std::shared_ptr<TPlaySoundVoice> &voice)
{
    if (!voice)
        return true;
    // An empty name would stop the sound rather than ask for one.
    const QString label = voice->Label.isEmpty() ? QStringLiteral("(voice)") : voice->Label;
    // Made already: played and counted at once, like an image.
    QByteArray wave;
    if (!voice->Given(wave))
        Player().Request(label, {}, voice);
    else if (!wave.isEmpty())
        Player().Request(label, wave);
    return true;
}

void StopSound() { Player().Request(QString()); }

void PrepareSound(const QString &fileName)
{
    if (!fileName.isEmpty())
        Player().Prepare(fileName);
}

TPlaySoundStatus PlaySoundStatus() { return Player().Status(); }

void SetPlaySoundObserver(TPlaySoundObserver observer) { Player().SetObserver(std::move(observer)); }

void SetPlaySoundDevice(const QString &device) { Player().SetDevice(device); }

bool WaitPlaySoundIdle(int timeoutMs) { return Player().WaitIdle(timeoutMs); }

TPlaySoundSession::TPlaySoundSession() { Player().BeginSession(); }

TPlaySoundSession::~TPlaySoundSession() { Player().EndSession(); }

bool PlaySoundStreamOpen() { return Player().StreamOpen(); }
