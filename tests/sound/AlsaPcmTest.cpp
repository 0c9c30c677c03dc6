// The sample format ALSA is handed and the count of frames heard, apart from
// any sound server: times are given, not waited for.
#include "sound/alsapcm.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::chrono_literals;

TEST(AlsaPcm, EightBitSamplesWidenAroundTrueSilenceAndNarrowBackUnchanged)
{
    const char u8[5] = {char(0), char(1), char(127), char(128), char(255)};
    int16_t wide[5];
    WidenU8(u8, wide, 5);
    EXPECT_EQ(wide[0], -32768);
    EXPECT_EQ(wide[1], -32512);
    EXPECT_EQ(wide[2], -256);
    EXPECT_EQ(wide[3], 0); // 8-bit silence is 16-bit silence
    EXPECT_EQ(wide[4], 32512);

    std::vector<char> all(256), back(256);
    std::vector<int16_t> w(256);
    for (int i = 0; i < 256; ++i)
        all[size_t(i)] = char(i);
    WidenU8(all.data(), w.data(), 256);
    NarrowToU8(w.data(), back.data(), 256);
    EXPECT_EQ(back, all);

    // Recorded 16-bit values to the nearest 8-bit step, the ends included.
    const int16_t recorded[6] = {-32768, -129, -128, 127, 128, 32767};
    char narrow[6];
    NarrowToU8(recorded, narrow, 6);
    EXPECT_EQ(uint8_t(narrow[0]), 0);
    EXPECT_EQ(uint8_t(narrow[1]), 127);
    EXPECT_EQ(uint8_t(narrow[2]), 128);
    EXPECT_EQ(uint8_t(narrow[3]), 128);
    EXPECT_EQ(uint8_t(narrow[4]), 129);
    EXPECT_EQ(uint8_t(narrow[5]), 255);
}

// What ALSA's pulse plugin into pipewire-pulse shows once a stream has run dry:
// the same 119 frames held for ever, and the stream still "running".
TEST(AlsaPcm, AStreamWhoseCountStopsEndsOnTheClockAfterTheStallLimit)
{
    const auto t0 = TPlayedFrames::TClock::time_point(10s);
    TPlayedFrames heard(22050);
    EXPECT_EQ(heard.Update(true, 22050, 2205, t0), 19845);
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 90ms), 21931);
    // The count stops; within the stall limit nothing more counts as heard.
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 150ms), 21931);
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 190ms), 21931);
    // 2 ms past it the clock has played 44 frames more (22050 per second).
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 192ms), 21975);
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 194ms), 22019);
    // The 119 frames take 5.4 ms: all heard, and never more than written.
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 196ms), 22050);
    EXPECT_EQ(heard.Update(true, 22050, 119, t0 + 5s), 22050);
}

TEST(AlsaPcm, AHeldOrUnstartedStreamHearsNothingByTheClock)
{
    const auto t0 = TPlayedFrames::TClock::time_point(10s);
    TPlayedFrames heard(44100);
    // Not yet started: nothing heard however long it waits.
    EXPECT_EQ(heard.Update(false, 4410, -1, t0), 0);
    EXPECT_EQ(heard.Update(false, 4410, -1, t0 + 3s), 0);
    // Running, then held for seconds: the clock only counts the running time.
    EXPECT_EQ(heard.Update(true, 4410, 4410, t0 + 3s), 0);
    EXPECT_EQ(heard.Update(true, 4410, 4000, t0 + 3s + 10ms), 410);
    EXPECT_EQ(heard.Update(false, 4410, -1, t0 + 3s + 20ms), 410);
    EXPECT_EQ(heard.Update(false, 4410, -1, t0 + 9s), 410);
    // Resumed: the count moves from where it stood, the clock from now.
    EXPECT_EQ(heard.Update(true, 4410, 4000, t0 + 9s), 410);
    EXPECT_EQ(heard.Update(true, 4410, 4000, t0 + 9s + 100ms), 410);
    EXPECT_EQ(heard.Update(true, 4410, 4000, t0 + 9s + 110ms), 410 + 441);
}

TEST(AlsaPcm, AfterRunningDryNewFramesAreCountedFromWhenTheyCame)
{
    const auto t0 = TPlayedFrames::TClock::time_point(10s);
    TPlayedFrames heard(1000);
    // A stream that does not answer its delay: the clock alone.
    EXPECT_EQ(heard.Update(true, 100, -1, t0), 0);
    EXPECT_EQ(heard.Update(true, 100, -1, t0 + 150ms), 50);
    // Dry just now: 300 more frames 50 ms on wait out the stall limit.
    EXPECT_EQ(heard.Update(true, 100, -1, t0 + 200ms), 100);
    EXPECT_EQ(heard.Update(true, 400, -1, t0 + 250ms), 100);
    EXPECT_EQ(heard.Update(true, 400, -1, t0 + 400ms), 200);
    // Dry for seconds: that does not count for the next 300 either.
    EXPECT_EQ(heard.Update(true, 400, -1, t0 + 3s), 400);
    EXPECT_EQ(heard.Update(true, 700, -1, t0 + 3s + 50ms), 400);
    EXPECT_EQ(heard.Update(true, 700, -1, t0 + 3s + 200ms), 500);
    // A stream that holds nothing has played everything, at once.
    EXPECT_EQ(heard.Update(true, 700, 0, t0 + 3s + 201ms), 700);
    // Everything written counts once the stream is dropped, and what comes
    // after counts from then.
    heard.Settle(800, t0 + 5s);
    EXPECT_EQ(heard.Played(), 800);
    EXPECT_EQ(heard.Update(true, 1000, -1, t0 + 5s + 50ms), 800);
    EXPECT_EQ(heard.Update(true, 1000, -1, t0 + 5s + 150ms), 850);
}
