#include "sound/alsapcm.h"

#include <algorithm>

void WidenU8(const char *In, int16_t *Out, size_t Samples)
{
    for (size_t i = 0; i < Samples; ++i)
        Out[i] = int16_t((int(uint8_t(In[i])) - 128) * 256);
}

void NarrowToU8(const int16_t *In, char *Out, size_t Samples)
{
    // Rounded to the nearest step, so that widening and narrowing again gives
    // back every 8-bit value unchanged.
    for (size_t i = 0; i < Samples; ++i)
        Out[i] = char(uint8_t(std::min((int(In[i]) + 32768 + 128) >> 8, 255)));
}

int64_t HeldFrames(snd_pcm_t *Pcm)
{
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(Pcm, &delay) < 0)
        return -1;
    return std::max<int64_t>(delay, 0);
}

void TPlayedFrames::Anchor(TClock::time_point Now)
{
    FAnchored = true;
    FAnchorPlayed = FPlayed;
    FAnchorTime = Now;
}

void TPlayedFrames::Settle(int64_t Written, TClock::time_point Now)
{
    FPlayed = std::max(FPlayed, Written);
    Anchor(Now);
}

int64_t TPlayedFrames::Update(bool Running, int64_t Written, int64_t Held, TClock::time_point Now)
{
    if (!Running) {
        // Nothing plays before the start or while held; the clock starts
        // again from the next look at a running stream.
        FAnchored = false;
        return FPlayed;
    }
    if (Held >= 0 && Written - Held > FPlayed) {
        FPlayed = Written - Held;
        Anchor(Now);
    }
    if (!FAnchored)
        Anchor(Now);
    const auto stalled = Now - FAnchorTime - StallLimit;
    if (stalled.count() > 0) {
        const int64_t byClock =
            FAnchorPlayed + std::chrono::duration_cast<std::chrono::microseconds>(stalled).count() * FRate / 1000000;
        if (byClock >= Written) {
            // Ran dry: what comes next starts a count of its own.
            FPlayed = std::max(FPlayed, Written);
            Anchor(Now);
        } else {
            FPlayed = std::max(FPlayed, byClock);
        }
    }
    return FPlayed;
}
