#pragma once
// What the run-screen tests stand on: a program folder of their own that
// holds the sounds, a run screen they may open, and the settings and words in
// use as they were before each test.
#include "data/uCommon.h"
#include "sound/playsound.h"
#include "run/uRun.h"
#include "support/ProgramFolder.h"

#include <QCursor>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class TRunFixture : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        FSavedSettings = Settings;
        FSavedNowWords = NowWords;
        ProgramFolderTest::SetUp();
        Settings.SoundDir = FDir.path() + "/";
        QCursor::setPos(100, 100);
    }

    void TearDown() override
    {
        FRun.reset();
        ProgramFolderTest::TearDown();
        Settings = FSavedSettings;
        NowWords = FSavedNowWords;
        StopSound();
        WaitPlaySoundIdle(10000);
    }

    // The sounds lie in the program's folder itself.
    QTemporaryDir &FDir = dir;
    TSettings FSavedSettings;
    TWordList FSavedNowWords;
    std::unique_ptr<TfmRun> FRun;
};
