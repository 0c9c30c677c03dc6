#pragma once
// The recording page's two chains, set up as the page sets them up, for the
// wave device tests and the wave device benchmark. Header only, on the audio
// components alone, so that a benchmark can include it as well.
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"

#include <QString>

// The recording page's chain: WaveIn -> MMRingBuffer1 -> RecFile.
struct TRecorder {
    TMMWaveIn WaveIn;
    TMMRingBuffer MMRingBuffer1;
    TMMWaveFile RecFile;
    explicit TRecorder(const QString &Path)
    {
        WaveIn.SetBufferSize(4096);
        WaveIn.SetCallBackMode(cmThread);
        WaveIn.SetDeviceID(MapperId);
        WaveIn.SetNumBuffers(50);
        WaveIn.SetMode(mStereo);
        WaveIn.SetSampleRate(22050);
        WaveIn.SetTimeFormat(tfMillisecond);
        MMRingBuffer1.SetInput(&WaveIn);
        MMRingBuffer1.SetOutput(&RecFile);
        MMRingBuffer1.SetBufferSize(4096);
        MMRingBuffer1.SetNumBuffers(100);
        MMRingBuffer1.SetQueueMode(qmWrite);
        MMRingBuffer1.SetFlushInterval(250);
        RecFile.Wave()->FileMustExist = false;
        RecFile.Wave()->SetFileName(Path);
    }
};

// The page's playback chain: PlayFile -> PlayRingBuffer -> WaveOut.
struct TPlayer {
    TMMWaveFile PlayFile;
    TMMRingBuffer PlayRingBuffer;
    TMMWaveOut WaveOut;
    explicit TPlayer(TMMCBMode Mode = cmWindow)
    {
        PlayRingBuffer.SetInput(&PlayFile);
        PlayRingBuffer.SetBufferSize(4096);
        PlayRingBuffer.SetNumBuffers(100);
        PlayRingBuffer.SetQueueMode(qmRead);
        WaveOut.SetInput(&PlayRingBuffer);
        WaveOut.SetBufferSize(4096);
        WaveOut.SetNumBuffers(50);
        WaveOut.SetDeviceID(MapperId);
        WaveOut.SetTimeFormat(tfMillisecond);
        WaveOut.SetCallBackMode(Mode);
    }
    void Load(const QString &Path)
    {
        WaveOut.Close();
        PlayFile.Wave()->SetFileName(QString());
        PlayFile.Wave()->SetFileName(Path);
    }
};
