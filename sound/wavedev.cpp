#include "sound/wavedev.h"

#include "sound/alsapcm.h"

#include <QCoreApplication>
#include <alsa/asoundlib.h>

#include <atomic>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// How long a caller waits for the device thread to carry out a command. The
// thread never blocks for longer than one poll (at most 100 ms), so running
// out means the sound system itself hangs.
constexpr auto CommandLimit = std::chrono::milliseconds(3000);
// ALSA's own buffer: short enough that a played buffer is reported soon after
// it is heard, long enough to ride out a busy machine.
constexpr unsigned AlsaLatencyUs = 100000;

std::mutex &NameLock()
{
    static std::mutex m;
    return m;
}
QString &AlsaNameRef()
{
    static QString name = QStringLiteral("default");
    return name;
}

snd_pcm_stream_t Stream(TWaveDirection d)
{
    return d == TWaveDirection::Capture ? SND_PCM_STREAM_CAPTURE : SND_PCM_STREAM_PLAYBACK;
}

// Whatever the format, ALSA sees 16 bits (see alsapcm.h).
snd_pcm_format_t AlsaFormat(int) { return AlsaSampleFormat; }

int OpenCode(int AlsaError)
{
    switch (-AlsaError) {
    case EBUSY:
    case EAGAIN: return MMSYSERR_ALLOCATED;
    case ENOENT:
    case ENODEV:
    case ENXIO: return MMSYSERR_NODRIVER;
    case ENOMEM: return MMSYSERR_NOMEM;
    default: return MMSYSERR_ERROR;
    }
}

std::atomic<uint64_t> PcmOpens{0};

int OpenPcm(TWaveDirection Direction, int Id, snd_pcm_t **Pcm, const QString &AlsaName)
{
    if (Id != 0 && Id != WAVE_MAPPER)
        return MMSYSERR_BADDEVICEID;
    ++PcmOpens;
    const QByteArray name = AlsaName.toLocal8Bit();
    // Without blocking, so that a device held by someone else fails at once.
    const int rc = snd_pcm_open(Pcm, name.constData(), Stream(Direction), SND_PCM_NONBLOCK);
    if (rc < 0) {
        *Pcm = nullptr;
        return OpenCode(rc);
    }
    return MMSYSERR_NOERROR;
}

bool FormatSupported(snd_pcm_t *Pcm, const TWaveDevFormat &F)
{
    if ((F.BitsPerSample != 8 && F.BitsPerSample != 16) || F.Channels < 1 || F.Channels > 2 || F.SampleRate <= 0)
        return false;
    snd_pcm_hw_params_t *hw;
    snd_pcm_hw_params_alloca(&hw);
    if (snd_pcm_hw_params_any(Pcm, hw) < 0)
        return false;
    snd_pcm_hw_params_set_rate_resample(Pcm, hw, 1);
    return snd_pcm_hw_params_test_access(Pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) == 0
        && snd_pcm_hw_params_test_format(Pcm, hw, AlsaFormat(F.BitsPerSample)) == 0
        && snd_pcm_hw_params_test_channels(Pcm, hw, unsigned(F.Channels)) == 0
        && snd_pcm_hw_params_test_rate(Pcm, hw, unsigned(F.SampleRate), 0) == 0;
}

QString DeviceDescription(const QString &Name)
{
    void **hints = nullptr;
    QString found;
    if (snd_device_name_hint(-1, "pcm", &hints) == 0 && hints) {
        for (void **h = hints; *h && found.isEmpty(); ++h) {
            char *n = snd_device_name_get_hint(*h, "NAME");
            char *d = snd_device_name_get_hint(*h, "DESC");
            if (n && d && Name == QString::fromLocal8Bit(n))
                found = QString::fromLocal8Bit(d).section(QLatin1Char('\n'), 0, 0).trimmed();
            free(n);
            free(d);
        }
        snd_device_name_free_hint(hints);
    }
    return found.isEmpty() ? QStringLiteral("ALSA %1").arg(Name) : found;
}

std::mutex &FaultLock()
{
    static std::mutex m;
    return m;
}
TWaveDevFaultHook &FaultHook()
{
    static TWaveDevFaultHook hook;
    return hook;
}

// The error the test seam puts in place of an ALSA call, or 0.
int InjectedFault(TWaveDirection Direction, TAlsaCall Call)
{
    TWaveDevFaultHook hook;
    {
        std::lock_guard<std::mutex> g(FaultLock());
        hook = FaultHook();
    }
    return hook ? std::min(hook(Direction, Call), 0) : 0;
}

// Errors a stream comes back from by itself: an over- or underrun, a
// suspend, an interrupted call. Any other error means it is broken.
bool Recoverable(int AlsaError) { return AlsaError == -EPIPE || AlsaError == -ESTRPIPE || AlsaError == -EINTR; }

int BrokenCode(int AlsaError) { return AlsaError == -ENOMEM ? MMSYSERR_NOMEM : WAVERR_DEVICELOST; }

int64_t Nanos(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

} // namespace

void SetWaveDevName(const QString &AlsaName)
{
    std::lock_guard<std::mutex> g(NameLock());
    AlsaNameRef() = AlsaName;
}

QString WaveDevName()
{
    std::lock_guard<std::mutex> g(NameLock());
    return AlsaNameRef();
}

void SetWaveDevFaultHook(TWaveDevFaultHook Hook)
{
    std::lock_guard<std::mutex> g(FaultLock());
    FaultHook() = std::move(Hook);
}

uint64_t WaveDevOpenCount() { return PcmOpens.load(); }

int WaveDevCount(TWaveDirection Direction) { return WaveDevCount(Direction, WaveDevName()); }

int WaveDevCount(TWaveDirection Direction, const QString &AlsaName)
{
    snd_pcm_t *pcm = nullptr;
    if (OpenPcm(Direction, 0, &pcm, AlsaName) != MMSYSERR_NOERROR)
        return 0;
    snd_pcm_close(pcm);
    return 1;
}

uint32_t WaveFormatBit(int Channels, int SampleRate, int BitsPerSample)
{
    int band;
    if (SampleRate >= 8000 && SampleRate <= 11025)
        band = 0;
    else if (SampleRate >= 11026 && SampleRate <= 22050)
        band = 1;
    else if (SampleRate >= 22051 && SampleRate <= 48000)
        band = 2;
    else
        return 0;
    const int bit = (Channels == 2 ? 1 : 0) + (BitsPerSample == 16 ? 2 : 0);
    return 1u << (band * 4 + bit);
}

int WaveDevGetCaps(TWaveDirection Direction, int Id, TWaveDevCaps &Caps)
{
    Caps = TWaveDevCaps();
    snd_pcm_t *pcm = nullptr;
    if (const int rc = OpenPcm(Direction, Id, &pcm, WaveDevName()))
        return rc;
    for (const int rate : {11025, 22050, 44100})
        for (const int channels : {1, 2})
            for (const int bits : {8, 16})
                if (FormatSupported(pcm, TWaveDevFormat{channels, rate, bits}))
                    Caps.Formats |= WaveFormatBit(channels, rate, bits);
    snd_pcm_close(pcm);
    Caps.ProductName = DeviceDescription(WaveDevName());
    return MMSYSERR_NOERROR;
}

int WaveDevQueryFormat(TWaveDirection Direction, int Id, const TWaveDevFormat &Format)
{
    snd_pcm_t *pcm = nullptr;
    if (const int rc = OpenPcm(Direction, Id, &pcm, WaveDevName()))
        return rc;
    const bool ok = FormatSupported(pcm, Format);
    snd_pcm_close(pcm);
    return ok ? MMSYSERR_NOERROR : WAVERR_BADFORMAT;
}

bool WaveDevErrorText(int Code, QString &Text)
{
    switch (Code) {
    case MMSYSERR_NOERROR: Text = QCoreApplication::translate("WaveDev", "The specified command was carried out."); return true;
    case MMSYSERR_ERROR: Text = QCoreApplication::translate("WaveDev", "Undefined external error."); return true;
    case MMSYSERR_BADDEVICEID: Text = QCoreApplication::translate("WaveDev", "A device ID has been used that is out of range for your system."); return true;
    case MMSYSERR_ALLOCATED: Text = QCoreApplication::translate("WaveDev", "The specified device is already in use. Wait until it is free, and then try again."); return true;
    case MMSYSERR_INVALHANDLE: Text = QCoreApplication::translate("WaveDev", "The specified device handle is invalid."); return true;
    case MMSYSERR_NODRIVER: Text = QCoreApplication::translate("WaveDev", "There is no driver installed on your system."); return true;
    case MMSYSERR_NOMEM: Text = QCoreApplication::translate("WaveDev", "There is not enough memory available for this task. Quit one or more applications to increase available memory, and then try again."); return true;
    case MMSYSERR_INVALPARAM: Text = QCoreApplication::translate("WaveDev", "An invalid parameter was passed to a system function."); return true;
    case WAVERR_BADFORMAT: Text = QCoreApplication::translate("WaveDev", "The specified format is not supported or cannot be translated. Use the Capabilities function to determine the supported formats."); return true;
    case WAVERR_STILLPLAYING: Text = QCoreApplication::translate("WaveDev", "Cannot perform this operation while media data is still playing. Reset the device, or wait until the data is finished playing."); return true;
    case WAVERR_TIMEOUT: Text = QCoreApplication::translate("WaveDev", "The sound device did not answer in time."); return true;
    case WAVERR_DEVICELOST: Text = QCoreApplication::translate("WaveDev", "The sound device stopped working: it was unplugged, or the sound system was stopped."); return true;
    default: return false;
    }
}

// ---------------------------------------------------------------------------
// The device thread

struct TWaveDevice::TImpl {
    struct TBuf {
        void *Tag;
        char *Data;
        uint32_t Length;
        uint32_t Done = 0;      // bytes filled (capture) or handed to ALSA (playback)
        int64_t EndFrame = 0;   // playback: device frame at which it has been played
    };

    TWaveDevice *Owner = nullptr;
    TWaveDirection Direction = TWaveDirection::Capture;
    snd_pcm_t *Pcm = nullptr;
    TWaveDevFormat Format;
    int FrameBytes = 1;
    bool CanPause = false;
    int WakeFd = -1;
    std::thread Thread;
    std::thread::id ThreadId; // kept apart from Thread, which Close joins

    // Guarded by Lock
    std::mutex Lock;
    std::condition_variable Answered;
    TWaveDevCallback Callback;
    std::deque<TBuf> Queue;    // waiting to be filled / to be handed to ALSA
    std::deque<TBuf> Written;  // playback: handed to ALSA, not yet heard
    bool WantStarted = false;  // capture: recording asked for
    bool WantPaused = false;   // playback: held
    bool WantReset = false;
    bool WantStop = false;
    bool WantQuit = false;
    bool Exited = false;
    uint64_t Requested = 0, Handled = 0;

    // Device thread only
    bool Started = false;      // capture: ALSA running
    bool Holding = false;      // playback: not feeding ALSA
    int64_t FramesWritten = 0; // playback: frames handed to ALSA
    int64_t FramesPlayed = 0;
    TPlayedFrames Heard;
    std::vector<int16_t> Wide; // 8-bit data on its way to or from ALSA
    bool NeedFirst = false;
    bool BrokenTold = false;   // the error notification has gone out

    // Set once by the device thread when the stream broke; read by callers.
    std::atomic<int> Broken{0};

    std::atomic<int64_t> FirstTransferNs{0};
    std::atomic<int64_t> StartRequestNs{0};

    void Wake()
    {
        const uint64_t one = 1;
        (void)!write(WakeFd, &one, sizeof one);
    }

    void Notify(TWaveDevMessage Message, void *Tag, uint32_t Bytes)
    {
        TWaveDevCallback cb;
        {
            std::lock_guard<std::mutex> g(Lock);
            cb = Callback;
        }
        if (cb)
            cb(Message, Tag, Bytes);
    }

    // Asks the thread to carry out what the caller set under the lock, and
    // waits until it has, within a limit. A Fallible command of a broken
    // device gives the device's error.
    int Command(const std::function<void()> &Set, bool Fallible = false)
    {
        std::unique_lock<std::mutex> g(Lock);
        if (Exited)
            return MMSYSERR_INVALHANDLE;
        Set();
        const uint64_t ticket = ++Requested;
        g.unlock();
        Wake();
        if (std::this_thread::get_id() == ThreadId)
            return MMSYSERR_NOERROR; // asked from a notification: done on the next pass
        g.lock();
        if (!Answered.wait_for(g, CommandLimit, [&] { return Handled >= ticket || Exited; }))
            return WAVERR_TIMEOUT;
        return Fallible ? Broken.load() : MMSYSERR_NOERROR;
    }

    // The ALSA calls that can fail on a running stream, each open to the
    // test seam.
    int PcmStart()
    {
        const int e = InjectedFault(Direction, TAlsaCall::Start);
        return e ? e : snd_pcm_start(Pcm);
    }
    int PcmPrepare()
    {
        const int e = InjectedFault(Direction, TAlsaCall::Prepare);
        return e ? e : snd_pcm_prepare(Pcm);
    }
    int PcmPause(int Enable)
    {
        const int e = InjectedFault(Direction, TAlsaCall::Pause);
        return e ? e : snd_pcm_pause(Pcm, Enable);
    }
    snd_pcm_sframes_t PcmAvail()
    {
        const int e = InjectedFault(Direction, TAlsaCall::Avail);
        return e ? e : snd_pcm_avail_update(Pcm);
    }
    snd_pcm_sframes_t PcmRead(void *Data, snd_pcm_uframes_t Frames)
    {
        const int e = InjectedFault(Direction, TAlsaCall::Read);
        return e ? e : snd_pcm_readi(Pcm, Data, Frames);
    }
    snd_pcm_sframes_t PcmWrite(const void *Data, snd_pcm_uframes_t Frames)
    {
        const int e = InjectedFault(Direction, TAlsaCall::Write);
        return e ? e : snd_pcm_writei(Pcm, Data, Frames);
    }
    // A call's result: an error breaks the device; true when it went well.
    bool Checked(int Result)
    {
        if (Result < 0)
            Break(Result);
        return Result >= 0;
    }
    void Break(int AlsaError);
    void TellBroken();

    void Run();
    void TakeCommands();
    bool Capture();
    bool Playback();
    void HandBackAll(std::vector<TBuf> &Out);
    void Recover(int Error);
    snd_pcm_sframes_t WriteFrames(const char *Data, snd_pcm_uframes_t Frames);
    snd_pcm_sframes_t ReadFrames(char *Data, snd_pcm_uframes_t Frames);
    bool CountHeard();
};

// 8-bit data goes through ALSA as 16 bits; 16-bit data as it is.
snd_pcm_sframes_t TWaveDevice::TImpl::WriteFrames(const char *Data, snd_pcm_uframes_t Frames)
{
    if (Format.BitsPerSample != 8)
        return PcmWrite(Data, Frames);
    const size_t samples = Frames * unsigned(Format.Channels);
    Wide.resize(samples);
    WidenU8(Data, Wide.data(), samples);
    return PcmWrite(Wide.data(), Frames);
}

snd_pcm_sframes_t TWaveDevice::TImpl::ReadFrames(char *Data, snd_pcm_uframes_t Frames)
{
    if (Format.BitsPerSample != 8)
        return PcmRead(Data, Frames);
    Wide.resize(Frames * unsigned(Format.Channels));
    const snd_pcm_sframes_t got = PcmRead(Wide.data(), Frames);
    if (got > 0)
        NarrowToU8(Wide.data(), Data, size_t(got) * unsigned(Format.Channels));
    return got;
}

// What has been heard: frames written less those the device still holds,
// carried on by the clock where the device stops counting (alsapcm.h).
// False when the device broke on the way.
bool TWaveDevice::TImpl::CountHeard()
{
    const auto now = std::chrono::steady_clock::now();
    const snd_pcm_state_t state = snd_pcm_state(Pcm);
    if (state == SND_PCM_STATE_XRUN) {
        // Ran dry: everything written has been heard.
        Heard.Settle(FramesWritten, now);
        bool starving;
        {
            std::lock_guard<std::mutex> g(Lock);
            starving = !Queue.empty();
        }
        if (starving)
            ++Owner->FXRuns;
        if (!Checked(PcmPrepare()))
            return false;
    } else {
        const bool running = state == SND_PCM_STATE_RUNNING || state == SND_PCM_STATE_DRAINING;
        Heard.Update(running, FramesWritten, running ? HeldFrames(Pcm) : -1, now);
    }
    FramesPlayed = Heard.Played();
    return true;
}

void TWaveDevice::TImpl::Recover(int Error)
{
    if (!Recoverable(Error)) {
        Break(Error);
        return;
    }
    ++Owner->FXRuns;
    const bool ready = snd_pcm_recover(Pcm, Error, 1) == 0 || Checked(PcmPrepare());
    if (ready && Direction == TWaveDirection::Capture && Started)
        Checked(PcmStart());
}

// The stream is broken for good: it is dropped, and the device thread neither
// calls nor polls ALSA again; the buffers stay queued until a reset or the
// close hands them back. May run with Lock held: it takes no lock.
void TWaveDevice::TImpl::Break(int AlsaError)
{
    if (Broken)
        return;
    Broken = BrokenCode(AlsaError);
    Started = false;
    snd_pcm_drop(Pcm); // no use for its result: the stream is gone either way
}

// The error notification, once, on the device thread and without the lock.
void TWaveDevice::TImpl::TellBroken()
{
    if (Broken && !BrokenTold) {
        BrokenTold = true;
        Notify(TWaveDevMessage::Error, nullptr, uint32_t(Broken.load()));
    }
}

void TWaveDevice::TImpl::HandBackAll(std::vector<TBuf> &Out)
{
    for (TBuf &b : Written)
        Out.push_back(b);
    for (TBuf &b : Queue)
        Out.push_back(b);
    Written.clear();
    Queue.clear();
}

void TWaveDevice::TImpl::TakeCommands()
{
    std::vector<TBuf> back;
    uint64_t handled;
    bool quit;
    {
        std::lock_guard<std::mutex> g(Lock);
        handled = Requested;
        quit = WantQuit;
        if (Direction == TWaveDirection::Capture) {
            if ((WantStop || WantReset || quit) && Started) {
                snd_pcm_drop(Pcm);
                Started = false;
            }
            if (WantStop && !Queue.empty() && Queue.front().Done > 0) {
                back.push_back(Queue.front());
                Queue.pop_front();
            }
            WantStop = false;
            if (WantReset || quit) {
                HandBackAll(back);
                WantStarted = false;
            }
            if (WantStarted && !Started && !quit && !Broken) {
                snd_pcm_drop(Pcm);
                if (Checked(PcmPrepare()) && Checked(PcmStart())) {
                    Started = true;
                    FirstTransferNs = Nanos(std::chrono::steady_clock::now());
                }
            }
        } else {
            if (WantReset || quit) {
                if (!Broken) {
                    snd_pcm_drop(Pcm);
                    if (!quit)
                        Checked(PcmPrepare());
                }
                Heard.Settle(FramesWritten, std::chrono::steady_clock::now());
                FramesPlayed = FramesWritten;
                HandBackAll(back);
            }
            if (WantPaused && !Holding) {
                Holding = true;
                if (!Broken && snd_pcm_state(Pcm) == SND_PCM_STATE_RUNNING && CanPause)
                    Checked(PcmPause(1));
            } else if (!WantPaused && Holding) {
                Holding = false;
                NeedFirst = true;
                if (!Broken && snd_pcm_state(Pcm) == SND_PCM_STATE_PAUSED)
                    Checked(PcmPause(0));
            }
        }
        WantReset = false;
    }
    // Handed back in order, before the command counts as done, so that a
    // Reset returns only after every buffer has been reported.
    for (const TBuf &b : back)
        Notify(Direction == TWaveDirection::Capture ? TWaveDevMessage::Data : TWaveDevMessage::Done, b.Tag,
               Direction == TWaveDirection::Capture ? b.Done : b.Length);
    {
        std::lock_guard<std::mutex> g(Lock);
        Handled = std::max(Handled, handled);
    }
    Answered.notify_all();
    (void)quit;
}

// One pass of capture; true when it moved data.
bool TWaveDevice::TImpl::Capture()
{
    if (!Started || Broken)
        return false;
    TBuf *b;
    {
        std::lock_guard<std::mutex> g(Lock);
        if (Queue.empty())
            return false;
        b = &Queue.front(); // only this thread pops the queue
    }
    snd_pcm_sframes_t avail = PcmAvail();
    if (avail < 0) {
        Recover(int(avail));
        return false;
    }
    if (avail == 0)
        return false;
    const snd_pcm_uframes_t room = (b->Length - b->Done) / unsigned(FrameBytes);
    const snd_pcm_uframes_t want = std::min<snd_pcm_uframes_t>(snd_pcm_uframes_t(avail), room);
    if (want == 0)
        return false;
    const snd_pcm_sframes_t got = ReadFrames(b->Data + b->Done, want);
    if (got == -EAGAIN)
        return false;
    if (got < 0) {
        Recover(int(got));
        return false;
    }
    b->Done += uint32_t(got) * unsigned(FrameBytes);
    Owner->FPosition += got;
    if (b->Done + unsigned(FrameBytes) > b->Length) {
        TBuf full;
        {
            std::lock_guard<std::mutex> g(Lock);
            full = Queue.front();
            Queue.pop_front();
        }
        Notify(TWaveDevMessage::Data, full.Tag, full.Done);
    }
    return true;
}

// One pass of playback; true when it moved data or reported a buffer.
bool TWaveDevice::TImpl::Playback()
{
    if (Broken)
        return false;
    bool moved = false;
    if (!Holding) {
        TBuf *b = nullptr;
        {
            std::lock_guard<std::mutex> g(Lock);
            if (!Queue.empty())
                b = &Queue.front();
        }
        if (b) {
            snd_pcm_sframes_t avail = PcmAvail();
            if (avail < 0) {
                Recover(int(avail));
                if (Broken)
                    return false;
                avail = PcmAvail();
            }
            const snd_pcm_uframes_t left = (b->Length - b->Done) / unsigned(FrameBytes);
            const snd_pcm_uframes_t n = std::min<snd_pcm_uframes_t>(avail > 0 ? snd_pcm_uframes_t(avail) : 0, left);
            if (n > 0) {
                const snd_pcm_sframes_t w = WriteFrames(b->Data + b->Done, n);
                if (w > 0) {
                    if (NeedFirst) {
                        NeedFirst = false;
                        FirstTransferNs = Nanos(std::chrono::steady_clock::now());
                    }
                    b->Done += uint32_t(w) * unsigned(FrameBytes);
                    FramesWritten += w;
                    moved = true;
                } else if (w < 0 && w != -EAGAIN) {
                    Recover(int(w));
                    if (Broken)
                        return false;
                }
            }
            if (b->Done + unsigned(FrameBytes) > b->Length) {
                std::lock_guard<std::mutex> g(Lock);
                Queue.front().EndFrame = FramesWritten;
                Written.push_back(Queue.front());
                Queue.pop_front();
                moved = true;
            }
        }
        // Data shorter than ALSA's start threshold has to be started by hand.
        bool queueEmpty;
        {
            std::lock_guard<std::mutex> g(Lock);
            queueEmpty = Queue.empty();
        }
        if (queueEmpty && FramesWritten > FramesPlayed && snd_pcm_state(Pcm) == SND_PCM_STATE_PREPARED
            && !Checked(PcmStart()))
            return false;
    }

    if (!CountHeard())
        return false;
    Owner->FPosition = FramesPlayed;
    for (;;) {
        TBuf done;
        {
            std::lock_guard<std::mutex> g(Lock);
            if (Written.empty() || Written.front().EndFrame > FramesPlayed)
                break;
            done = Written.front();
            Written.pop_front();
        }
        Notify(TWaveDevMessage::Done, done.Tag, done.Length);
        moved = true;
    }
    return moved;
}

void TWaveDevice::TImpl::Run()
{
    Notify(TWaveDevMessage::Open, nullptr, 0);
    const int nPcm = std::max(snd_pcm_poll_descriptors_count(Pcm), 0);
    std::vector<pollfd> fds(size_t(nPcm) + 1);
    bool idleSpin = false;
    for (;;) {
        TakeCommands();
        TellBroken();
        {
            std::lock_guard<std::mutex> g(Lock);
            if (WantQuit)
                break;
        }
        const bool moved = Direction == TWaveDirection::Capture ? Capture() : Playback();
        TellBroken();
        if (moved) {
            idleSpin = false;
            continue;
        }

        // Wait for ALSA, a command or, in playback, the next buffer's end.
        bool waitPcm;
        int timeout = 100;
        {
            std::lock_guard<std::mutex> g(Lock);
            if (Broken) {
                waitPcm = false; // only commands can move a broken device
            } else if (Direction == TWaveDirection::Capture) {
                waitPcm = Started && !Queue.empty();
            } else {
                waitPcm = !Holding && !Queue.empty();
                if (!Written.empty() && !Holding) {
                    const int64_t left = Written.front().EndFrame - FramesPlayed;
                    timeout = int(std::clamp<int64_t>(left * 1000 / std::max(Format.SampleRate, 1), 2, 20));
                }
            }
        }
        fds[0] = {WakeFd, POLLIN, 0};
        int n = 1;
        if (waitPcm && nPcm > 0) {
            snd_pcm_poll_descriptors(Pcm, &fds[1], unsigned(nPcm));
            n += nPcm;
        }
        // A plugin whose descriptors stay ready while nothing can move would
        // spin; a short sleep breaks that.
        if (idleSpin)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const int r = poll(fds.data(), nfds_t(n), timeout);
        idleSpin = false;
        if (r > 0 && (fds[0].revents & POLLIN)) {
            uint64_t v;
            (void)!read(WakeFd, &v, sizeof v);
        }
        if (r > 0 && n > 1) {
            unsigned short revents = 0;
            snd_pcm_poll_descriptors_revents(Pcm, &fds[1], unsigned(nPcm), &revents);
            idleSpin = revents == 0 && !(fds[0].revents & POLLIN);
        }
    }
    // Quit: TakeCommands has handed everything back.
    snd_pcm_drop(Pcm);
    snd_pcm_close(Pcm);
    Pcm = nullptr;
    Notify(TWaveDevMessage::Close, nullptr, 0);
    {
        std::lock_guard<std::mutex> g(Lock);
        Exited = true;
    }
    Answered.notify_all();
}

// ---------------------------------------------------------------------------
// TWaveDevice

int TWaveDevice::Open(std::unique_ptr<TWaveDevice> &Device, TWaveDirection Direction, int Id,
                      const TWaveDevFormat &Format, TWaveDevCallback Callback)
{
    Device.reset();
    if ((Format.BitsPerSample != 8 && Format.BitsPerSample != 16) || Format.Channels < 1 || Format.Channels > 2
        || Format.SampleRate <= 0)
        return WAVERR_BADFORMAT;
    snd_pcm_t *pcm = nullptr;
    if (const int rc = OpenPcm(Direction, Id, &pcm, WaveDevName()))
        return rc;
    int rc = snd_pcm_set_params(pcm, AlsaFormat(Format.BitsPerSample), SND_PCM_ACCESS_RW_INTERLEAVED,
                                unsigned(Format.Channels), unsigned(Format.SampleRate), 1, AlsaLatencyUs);
    if (rc < 0) {
        snd_pcm_close(pcm);
        return rc == -EINVAL ? WAVERR_BADFORMAT : MMSYSERR_ERROR;
    }
    snd_pcm_uframes_t bufferSize = 0, periodSize = 0;
    snd_pcm_get_params(pcm, &bufferSize, &periodSize);
    bool canPause = false;
    {
        snd_pcm_hw_params_t *hw;
        snd_pcm_hw_params_alloca(&hw);
        if (snd_pcm_hw_params_current(pcm, hw) == 0)
            canPause = snd_pcm_hw_params_can_pause(hw);
    }
    if (Direction == TWaveDirection::Playback && periodSize > 0) {
        // Start as soon as one period is there rather than a full buffer, so
        // that the first buffer is heard at once.
        snd_pcm_sw_params_t *sw;
        snd_pcm_sw_params_alloca(&sw);
        if (snd_pcm_sw_params_current(pcm, sw) == 0 && snd_pcm_sw_params_set_start_threshold(pcm, sw, periodSize) == 0)
            snd_pcm_sw_params(pcm, sw);
    }
    const int wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake < 0) {
        snd_pcm_close(pcm);
        return MMSYSERR_NOMEM;
    }

    std::unique_ptr<TWaveDevice> dev(new TWaveDevice);
    dev->FDirection = Direction;
    dev->FImpl = std::make_unique<TImpl>();
    TImpl &d = *dev->FImpl;
    d.Owner = dev.get();
    d.Direction = Direction;
    d.Pcm = pcm;
    d.Format = Format;
    d.FrameBytes = Format.Channels * Format.BitsPerSample / 8;
    d.Heard = TPlayedFrames(Format.SampleRate);
    d.CanPause = canPause;
    d.WakeFd = wake;
    d.Callback = std::move(Callback);
    if (Direction == TWaveDirection::Capture)
        snd_pcm_drop(pcm); // open, not recording, until Start
    try {
        d.Thread = std::thread([&d] { d.Run(); });
        d.ThreadId = d.Thread.get_id();
    } catch (const std::system_error &) {
        snd_pcm_close(pcm);
        d.Pcm = nullptr;
        close(wake);
        d.WakeFd = -1;
        return MMSYSERR_NOMEM;
    }
    Device = std::move(dev);
    return MMSYSERR_NOERROR;
}

TWaveDevice::~TWaveDevice() { Close(); }

int TWaveDevice::AddBuffer(void *Buffer, char *Data, uint32_t Length)
{
    if (!FImpl)
        return MMSYSERR_INVALHANDLE;
    if (!Data || Length == 0)
        return MMSYSERR_INVALPARAM;
    TImpl &d = *FImpl;
    {
        std::lock_guard<std::mutex> g(d.Lock);
        if (d.Exited || d.WantQuit)
            return MMSYSERR_INVALHANDLE;
        d.Queue.push_back(TImpl::TBuf{Buffer, Data, Length});
    }
    d.Wake();
    return MMSYSERR_NOERROR;
}

int TWaveDevice::Start()
{
    if (!FImpl)
        return MMSYSERR_INVALHANDLE;
    FImpl->StartRequestNs = Nanos(std::chrono::steady_clock::now());
    FImpl->FirstTransferNs = 0;
    return FImpl->Command([this] { FImpl->WantStarted = true; }, true);
}

int TWaveDevice::Stop()
{
    if (!FImpl)
        return MMSYSERR_INVALHANDLE;
    return FImpl->Command([this] {
        FImpl->WantStarted = false;
        FImpl->WantStop = true;
    });
}

int TWaveDevice::Pause()
{
    if (!FImpl)
        return MMSYSERR_INVALHANDLE;
    return FImpl->Command([this] { FImpl->WantPaused = true; }, true);
}

int TWaveDevice::Restart()
{
    if (!FImpl)
        return MMSYSERR_INVALHANDLE;
    FImpl->StartRequestNs = Nanos(std::chrono::steady_clock::now());
    FImpl->FirstTransferNs = 0;
    return FImpl->Command([this] { FImpl->WantPaused = false; }, true);
}

int TWaveDevice::Reset()
{
    if (!FImpl)
        return MMSYSERR_INVALHANDLE;
    return FImpl->Command([this] { FImpl->WantReset = true; });
}

int TWaveDevice::Close()
{
    if (!FImpl)
        return MMSYSERR_NOERROR;
    TImpl &d = *FImpl;
    int rc = MMSYSERR_NOERROR;
    if (d.Thread.joinable()) {
        if (d.Thread.get_id() == std::this_thread::get_id())
            return MMSYSERR_ERROR; // a device cannot close itself from its own notification
        {
            std::unique_lock<std::mutex> g(d.Lock);
            d.WantQuit = true;
            ++d.Requested;
        }
        d.Wake();
        std::unique_lock<std::mutex> g(d.Lock);
        if (d.Answered.wait_for(g, CommandLimit, [&] { return d.Exited; })) {
            g.unlock();
            d.Thread.join();
        } else {
            // The sound system hangs in a call of its own. The thread keeps
            // its state alive and will tell nobody: the callback is gone.
            d.Callback = nullptr;
            g.unlock();
            d.Thread.detach();
            (void)FImpl.release();
            return WAVERR_TIMEOUT;
        }
    }
    if (d.WakeFd >= 0)
        close(d.WakeFd);
    FImpl.reset();
    return rc;
}

int TWaveDevice::QueuedBuffers() const
{
    if (!FImpl)
        return 0;
    std::lock_guard<std::mutex> g(FImpl->Lock);
    return int(FImpl->Queue.size() + FImpl->Written.size());
}

std::chrono::steady_clock::time_point TWaveDevice::FirstTransferTime() const
{
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(FImpl ? FImpl->FirstTransferNs.load() : 0));
}

std::chrono::steady_clock::time_point TWaveDevice::StartRequestTime() const
{
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(FImpl ? FImpl->StartRequestNs.load() : 0));
}
