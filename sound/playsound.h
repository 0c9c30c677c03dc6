#pragma once
// Plays a word's sound asynchronously, the way the run screen starts it: the
// call returns at once, a new sound replaces one still playing, a missing or
// unreadable file plays nothing, and no failure ever reaches the caller (a
// machine without a sound device simply stays silent).
//
// A word's sound comes as a file, as a copy of a file read ahead (PrepareSound),
// as a RIFF WAVE image in memory, or as a synthesised voice (TPlaySoundVoice,
// made by the speech source, speech.h). All of them go into one queue, each
// request replacing the one before, and one worker thread owned by the player
// plays them in the order they were asked for. A voice whose samples are not
// made yet when the worker reaches it is waited for, with a time limit; a newer
// request ends that wait at once and the voice is dropped, so a late voice never
// cuts a newer word's sound.
//
// PCM wave sounds of 8 or 16 bits, mono or stereo, at any rate, go to the ALSA
// device "default". The sound outlives whatever window started it.
#include "sound/WaveSound.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

// Flags of the platform call this stands in for; the player always behaves as
// SND_FILENAME | SND_NODEFAULT | SND_ASYNC.
constexpr uint32_t SND_ASYNC = 0x0001;
constexpr uint32_t SND_NODEFAULT = 0x0002;
constexpr uint32_t SND_FILENAME = 0x20000;

// Starts fileName and returns at once; an empty name stops the sound playing.
// Returns true: the request was taken (whether the file turns out playable is
// seen through PlaySoundStatus).
bool PlaySound(const QString &fileName, uint32_t flags = SND_FILENAME | SND_NODEFAULT | SND_ASYNC);
// Plays a RIFF WAVE image held in memory the way PlaySound plays a file: the same
// queue and worker, so it cuts the sound playing and a newer request cuts it.
// Label stands for the file name in the status and the observer's events.
bool PlaySoundImage(const QByteArray &waveImage, const QString &label);

// A voice on its way from the speech source to the player: the source makes it,
// gives its samples once on its own thread, and never waits for the player; the
// player's worker waits for them when it reaches the request. Shared by both, so
// neither has to outlive the other.
class TPlaySoundVoice {
public:
    explicit TPlaySoundVoice(QString label) : Label(std::move(label)) {}
    TPlaySoundVoice(const TPlaySoundVoice &) = delete;
    TPlaySoundVoice &operator=(const TPlaySoundVoice &) = delete;

    // Stands for a file name in the status and the observer's events.
    const QString Label;

    // The source's side: the voice as a RIFF WAVE image, empty when there is
    // nothing to say. Only the first call counts.
    void Give(const QByteArray &waveImage);

    // The player's side: true once given, with what was given.
    bool Given(QByteArray &waveImage) const;
    // Waits up to limit for the samples, or until giveUp() (asked under this
    // voice's lock, after each Wake) says to stop; what was given, else empty.
    QByteArray Wait(std::chrono::milliseconds limit, const std::function<bool()> &giveUp) const;
    // Has a waiter look at giveUp() again.
    void Wake() const;

private:
    mutable std::mutex FMutex;
    mutable std::condition_variable FChanged;
    bool FGiven = false;
    QByteArray FWave;
};

// Plays a voice through the same queue: at once when its samples are there,
// else as soon as they are, unless another sound was asked for meanwhile. A
// voice is counted as a request (Requests, LastRequest, the Requested event)
// when its samples are taken for playing, so one dropped or with nothing to say
// is never seen; one not made yet cuts the sound playing as it is asked for.
bool PlaySoundVoice(const std::shared_ptr<TPlaySoundVoice> &voice);
// Stops the sound playing, if any, and returns at once.
void StopSound();
// Reads fileName in the background and keeps its samples, so that a PlaySound
// of it soon after only hands them to the device; returns at once. A file
// changed or replaced after it was read is read again at the play.
void PrepareSound(const QString &fileName);

// What the player has done so far; counters only grow.
struct TPlaySoundStatus {
    uint64_t Requests = 0;   // sounds asked for: files, images, voices once made
    uint64_t Started = 0;    // sounds whose samples began to reach the device
    uint64_t Finished = 0;   // sounds played to their end
    uint64_t Cut = 0;        // sounds stopped early by a newer request or StopSound
    uint64_t Failed = 0;     // files missing or unreadable, or no usable device
    uint64_t Prepared = 0;   // sounds played from what PrepareSound had read ahead
    QString LastRequest;     // file name of the latest request
    QString LastError;       // why the latest failure failed
    bool Playing = false;    // a sound is being played right now
};
TPlaySoundStatus PlaySoundStatus();

// Events of the player for anyone who wants to watch it (tests, a level meter).
// Called on the calling thread for a request (for a voice made after it was
// asked for, on the worker as it is taken) and on the worker thread otherwise,
// so it must not touch widgets.
enum class TPlaySoundEvent { Requested, Started, Finished, Cut, Failed };
using TPlaySoundObserver = std::function<void(TPlaySoundEvent, const QString &fileName)>;
void SetPlaySoundObserver(TPlaySoundObserver observer);

// The ALSA device the player opens, "default" unless changed (tests point it at a
// device that does not exist to see a machine without sound).
void SetPlaySoundDevice(const QString &device);

// While a session is held (the run screen holds one for as long as it is up)
// the player keeps one output stream open and hands each sound's samples to
// it, so that a sound starts as it is asked for rather than after the device
// has been opened. The stream opens in the background as the first session
// begins and closes as the last one ends (or once the sound then playing has
// ended). Without a session every sound opens the device for itself.
class TPlaySoundSession {
public:
    TPlaySoundSession();
    ~TPlaySoundSession();
    TPlaySoundSession(const TPlaySoundSession &) = delete;
    TPlaySoundSession &operator=(const TPlaySoundSession &) = delete;
};
// True while the kept stream of a session has an open device (for tests).
bool PlaySoundStreamOpen();

// Waits until nothing is playing, queued, being read ahead or waited for (a
// voice not made yet), up to timeoutMs; true when idle.
// For tests and an orderly end; the user-interface thread never calls it.
bool WaitPlaySoundIdle(int timeoutMs);
