#pragma once
// Wave input and output devices over the ALSA PCM device "default", in the
// manner of the platform's wave-in/wave-out functions the audio engine was
// built around:
//
//  - a device is opened for one PCM format and gets one thread of its own,
//    which alone talks to ALSA and issues every notification (open, close,
//    data for a filled capture buffer, done for a played buffer);
//  - buffers are queued with AddBuffer and handed back in the order they were
//    queued, each with its byte count (bytes recorded, or bytes played);
//  - Start/Stop (capture), Pause/Restart (playback) and Reset return at once
//    or after the device thread has done what they ask, never waiting longer
//    than a fixed limit; Reset hands every queued buffer back before it
//    returns; Close hands back what is left, joins the thread and then
//    reports the close;
//  - the position counts sample frames recorded or played since the open;
//  - overruns and underruns are recovered on the device thread; any other
//    failure of the stream (its sound server gone, the device unplugged)
//    breaks the device for good: it stops, says so once with an error
//    notification, and from then on makes no ALSA call and does not poll
//    ALSA until it is closed. Start, Pause and Restart of a broken device
//    give the error; Stop, Reset and Close still hand the buffers back.
//
// Results are codes in the style of the platform (0 = success); ErrorText
// gives the text of each. The device thread never blocks on anyone else: a
// notification handler must only record or post what it was told.
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

// Result codes
constexpr int MMSYSERR_NOERROR = 0;
constexpr int MMSYSERR_ERROR = 1;
constexpr int MMSYSERR_BADDEVICEID = 2;
constexpr int MMSYSERR_ALLOCATED = 4;
constexpr int MMSYSERR_INVALHANDLE = 5;
constexpr int MMSYSERR_NODRIVER = 6;
constexpr int MMSYSERR_NOMEM = 7;
constexpr int MMSYSERR_INVALPARAM = 11;
constexpr int WAVERR_BADFORMAT = 32;
constexpr int WAVERR_STILLPLAYING = 33;
constexpr int WAVERR_TIMEOUT = 35; // the device thread did not answer in time
constexpr int WAVERR_DEVICELOST = 36; // the stream broke: server gone, device unplugged

// Device number that lets the platform choose.
constexpr int WAVE_MAPPER = -1;

enum class TWaveDirection { Capture, Playback };

// Notifications, all issued on the device's own thread.
enum class TWaveDevMessage {
    Open,  // the device is open
    Close, // the device is closed; nothing follows
    Data,  // capture: a queued buffer comes back with Bytes recorded
    Done,  // playback: a queued buffer has been played (Bytes of it)
    Error  // the device broke; Bytes is the result code. Once, before Close.
};
using TWaveDevCallback = std::function<void(TWaveDevMessage Message, void *Buffer, uint32_t Bytes)>;

struct TWaveDevFormat {
    int Channels = 0;      // 1 or 2
    int SampleRate = 0;    // frames per second
    int BitsPerSample = 0; // 8 (unsigned) or 16 (signed little-endian)
};

// Supported-format bits of a device's capabilities, as the platform names them
// (1M08 = 11025 Hz mono 8 bits, 2S16 = 22050 Hz stereo 16 bits, ...).
constexpr uint32_t WAVE_FORMAT_1M08 = 0x0001, WAVE_FORMAT_1S08 = 0x0002, WAVE_FORMAT_1M16 = 0x0004,
                   WAVE_FORMAT_1S16 = 0x0008, WAVE_FORMAT_2M08 = 0x0010, WAVE_FORMAT_2S08 = 0x0020,
                   WAVE_FORMAT_2M16 = 0x0040, WAVE_FORMAT_2S16 = 0x0080, WAVE_FORMAT_4M08 = 0x0100,
                   WAVE_FORMAT_4S08 = 0x0200, WAVE_FORMAT_4M16 = 0x0400, WAVE_FORMAT_4S16 = 0x0800;

// The capability bit that stands for a format: its rate's band (up to 11025,
// up to 22050, up to 48000 Hz, from 8000), stereo and 16 bits choosing among
// the band's four; 0 for a rate outside the bands.
uint32_t WaveFormatBit(int Channels, int SampleRate, int BitsPerSample);

struct TWaveDevCaps {
    QString ProductName;
    uint32_t Formats = 0; // WAVE_FORMAT_ bits
    int Channels = 2;
};

// Number of devices of a direction: 1 when the ALSA device can be opened for
// that direction, else 0.
int WaveDevCount(TWaveDirection Direction);
// The same for the ALSA device AlsaName rather than the current one.
int WaveDevCount(TWaveDirection Direction, const QString &AlsaName);
// How many times this process has opened an ALSA device to play, record or
// ask about it (for tests: what a window asks of the sound system).
uint64_t WaveDevOpenCount();
// Name and formats of device Id (0 or WAVE_MAPPER).
int WaveDevGetCaps(TWaveDirection Direction, int Id, TWaveDevCaps &Caps);
// Whether device Id can record or play Format (opens and closes it).
int WaveDevQueryFormat(TWaveDirection Direction, int Id, const TWaveDevFormat &Format);
// Text of a result code; false for a code without a text.
bool WaveDevErrorText(int Code, QString &Text);

// The ALSA device behind every wave device, "default" unless changed. Tests
// name one that does not exist to see a machine without any sound device.
void SetWaveDevName(const QString &AlsaName);
QString WaveDevName();

// Test seam for a sound system that fails. While a hook is set, each of
// these ALSA calls of a device thread asks it first; a negative answer (an
// ALSA error such as -EIO) is taken as the call's result and ALSA is not
// called. Without a hook, or with an answer of 0, ALSA is called as usual.
enum class TAlsaCall { Start, Prepare, Pause, Avail, Read, Write };
using TWaveDevFaultHook = std::function<int(TWaveDirection Direction, TAlsaCall Call)>;
void SetWaveDevFaultHook(TWaveDevFaultHook Hook);

class TWaveDevice {
public:
    ~TWaveDevice(); // closes

    // Opens device Id for Format; the open notification follows on the
    // device thread. Buffers given later must stay valid until they are
    // handed back.
    static int Open(std::unique_ptr<TWaveDevice> &Device, TWaveDirection Direction, int Id,
                    const TWaveDevFormat &Format, TWaveDevCallback Callback);

    TWaveDirection Direction() const { return FDirection; }

    // Queues a buffer: capture fills Length bytes, playback plays Length bytes.
    int AddBuffer(void *Buffer, char *Data, uint32_t Length);
    // Capture: begin and suspend recording. Stop hands back a partly filled
    // buffer with what it holds; the empty ones stay queued.
    int Start();
    int Stop();
    // Playback: hold and resume. Buffers written while held wait.
    int Pause();
    int Restart();
    // Stops and hands back every queued buffer before it returns.
    int Reset();
    // Hands back what is left, issues the close notification and joins the
    // device thread. Safe to call twice.
    int Close();

    // Sample frames recorded or played since the open.
    int64_t PositionSamples() const { return FPosition.load(); }
    // Buffers queued and not yet handed back.
    int QueuedBuffers() const;
    // Over- and underruns recovered so far.
    int XRuns() const { return FXRuns.load(); }
    // When the device thread last issued its first ALSA read or write after a
    // Start (capture) or Restart (playback); the epoch when it has not yet.
    std::chrono::steady_clock::time_point FirstTransferTime() const;
    std::chrono::steady_clock::time_point StartRequestTime() const;

    struct TImpl;

private:
    TWaveDevice() = default;
    TWaveDirection FDirection = TWaveDirection::Capture;
    std::unique_ptr<TImpl> FImpl;
    std::atomic<int64_t> FPosition{0};
    std::atomic<int> FXRuns{0};
    friend struct TImpl;
};
