#pragma once
// What the wave devices and the word-sound player share over ALSA: the sample
// format every stream is opened in, and how a playback stream knows what has
// been heard.
#include <alsa/asoundlib.h>

#include <chrono>
#include <cstddef>
#include <cstdint>

// The sound servers behind ALSA fill a stream that runs short with zero bytes,
// which in unsigned 8 bits is a full-scale sample: a loud click or thump after
// every word. ALSA is therefore handed signed 16-bit samples only, whose zero
// is silence on every stack; 8-bit data is widened on its way out and narrowed
// on its way in, and what is stored stays 8-bit.
constexpr snd_pcm_format_t AlsaSampleFormat = SND_PCM_FORMAT_S16_LE;
void WidenU8(const char *In, int16_t *Out, size_t Samples);
void NarrowToU8(const int16_t *In, char *Out, size_t Samples);

// Frames a playback stream still holds (written but not yet heard), as its
// delay says; -1 when it does not answer.
int64_t HeldFrames(snd_pcm_t *Pcm);

// Counts the frames of a playback stream that have been heard, so that the
// end of a sound is known from what was played and not from an underrun or a
// change of state, which some stacks never report.
//
// The stream's own count (written less held) decides while it moves. Some
// servers stop counting once a stream has run dry (ALSA's pulse plugin into
// pipewire-pulse reports the same few frames held for ever), so when the count
// has not moved for StallLimit the clock goes on from where it last moved: a
// running stream cannot take longer than their own length to play its frames.
class TPlayedFrames {
public:
    using TClock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds StallLimit{100};

    explicit TPlayedFrames(int Rate = 1) : FRate(Rate > 0 ? Rate : 1) {}
    // Everything written counts as heard (the stream was dropped or ran dry).
    void Settle(int64_t Written, TClock::time_point Now);
    // One look at a stream: Running when it plays (not before its start, not
    // held), Held as HeldFrames gives it. Returns the frames heard, which
    // never go down and never pass Written.
    int64_t Update(bool Running, int64_t Written, int64_t Held, TClock::time_point Now);
    int64_t Played() const { return FPlayed; }

private:
    void Anchor(TClock::time_point Now);
    int FRate;
    int64_t FPlayed = 0;
    bool FAnchored = false;
    int64_t FAnchorPlayed = 0;
    TClock::time_point FAnchorTime;
};
