#pragma once
// What the run-screen tests stand on: a sound folder of their own, a run
// screen they may open, and the settings and words in use as they were
// before each test.
#include "data/uCommon.h"
#include "sound/playsound.h"
#include "run/uRun.h"

#include <QCursor>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class TRunFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FSavedSettings = Settings;
        FSavedNowWords = NowWords;
        Settings = TSettings();
        Settings.SoundDir = FDir.path() + "/";
        NowWords.clear();
        QCursor::setPos(100, 100);
    }

    void TearDown() override
    {
        FRun.reset();
        Settings = FSavedSettings;
        NowWords = FSavedNowWords;
        StopSound();
        WaitPlaySoundIdle(10000);
    }

    QTemporaryDir FDir;
    TSettings FSavedSettings;
    TWordList FSavedNowWords;
    std::unique_ptr<TfmRun> FRun;
};
