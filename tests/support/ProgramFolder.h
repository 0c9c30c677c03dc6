#pragma once
// A fresh program folder in a temporary directory for each test: the program
// file's path points into it, the settings are the defaults and the word lists
// are empty. Afterwards the lists are emptied again, the path is cleared and
// hints are back on, so that no test leaks its words into the next.
#include "data/uCommon.h"
#include "data/uPlan.h"
#include "platform/AppHints.h"
#include "platform/ProgramFile.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramFilePath(dir.filePath("lumword"));
        Settings = TSettings();
        ClearWordLists();
        PlanClear();
    }
    void TearDown() override
    {
        ClearWordLists();
        PlanClear();
        SetProgramFilePath(QString());
        SetApplicationShowHint(true);
    }
    // A picture in the images folder under Name (a copy of a shipped background).
    void CopyImage(const QString &Name)
    {
        QDir().mkpath(dir.filePath("images"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/images/confetti.jpg",
                                dir.filePath("images/" + Name)))
            << Name.toStdString();
    }

    // The shipped help file beside the program.
    void CopyHelp()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/Lumword.hlp", dir.filePath("Lumword.hlp")));
    }
    QString file(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};
