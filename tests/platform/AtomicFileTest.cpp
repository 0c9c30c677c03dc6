#include "platform/AtomicFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Makes one step of every replacement fail while it lives.
class FailingStep {
public:
    explicit FailingStep(TFileStep failing)
    {
        FOld = SetFileStepHook([this, failing](TFileStep step, const QString &) {
            Seen << step;
            return step != failing;
        });
    }
    ~FailingStep() { SetFileStepHook(FOld); }
    QList<TFileStep> Seen;

private:
    TFileStepHook FOld;
};

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lumword.lst");
    WriteAll(path, "old contents that are longer than the new ones\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "new\r\n"));
    EXPECT_EQ(ReadAll(path), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"lumword.lst"}));
}

TEST(AtomicFile, AFailedWriteFlushOrRenameIsReportedAndKeepsTheOldFile)
{
    for (TFileStep failing : {TFileStep::Write, TFileStep::Flush, TFileStep::Rename}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("lumword.INI");
        WriteAll(path, "[Main]\nSize=12\n");
        FailingStep fail(failing);
        EXPECT_FALSE(WriteFileAtomically(path, "[Main]\nSize=40\n")) << int(failing);
        EXPECT_TRUE(fail.Seen.contains(failing)) << int(failing);
        EXPECT_EQ(ReadAll(path), QByteArray("[Main]\nSize=12\n")) << int(failing);
        // The temporary file beside it is gone too.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"lumword.INI"})) << int(failing);
    }
}

TEST(AtomicFile, AFailureBeforeTheRenameLeavesAMissingFileMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.lst");
    FailingStep fail(TFileStep::Rename);
    EXPECT_FALSE(WriteFileAtomically(path, "x"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(AtomicFile, TheFolderIsFlushedAfterTheRenameAndItsFailureIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lumword.INI");
    WriteAll(path, "old");
    FailingStep fail(TFileStep::FlushFolder);
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(fail.Seen, (QList<TFileStep>{TFileStep::Write, TFileStep::Flush, TFileStep::Rename, TFileStep::FlushFolder}));
    EXPECT_EQ(ReadAll(path), QByteArray("new"));   // the rename had happened
}

TEST(AtomicFile, ADurableRenameReplacesTheTargetOrLeavesBothFiles)
{
    QTemporaryDir dir;
    const QString from = dir.filePath("lumword.lst.pending");
    const QString to = dir.filePath("lumword.lst");
    WriteAll(from, "new");
    WriteAll(to, "old");
    {
        FailingStep fail(TFileStep::Rename);
        EXPECT_FALSE(RenameFileDurably(from, to));
    }
    EXPECT_EQ(ReadAll(to), QByteArray("old"));
    EXPECT_EQ(ReadAll(from), QByteArray("new"));

    FailingStep record(TFileStep(-1));
    EXPECT_TRUE(RenameFileDurably(from, to));
    EXPECT_EQ(record.Seen, (QList<TFileStep>{TFileStep::Rename, TFileStep::FlushFolder}));
    EXPECT_EQ(ReadAll(to), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"lumword.lst"}));
    EXPECT_FALSE(RenameFileDurably(from, to));   // nothing left to rename
}

TEST(AtomicFile, AtItsRenameTheNewFileAlreadyHoldsAllItsDataOnDisk)
{
    // A crash right after the rename leaves whatever the disk holds of the
    // temporary file: everything must have left the program's buffers by then.
    QTemporaryDir dir;
    const QString path = dir.filePath("list");
    WriteAll(path, "old");
    const QByteArray bytes = QByteArray("2;ball;7\r\n").repeated(200);
    QByteArray onDisk;
    const TFileStepHook old = SetFileStepHook([&](TFileStep step, const QString &target) {
        if (step != TFileStep::Rename || target != path)
            return true;
        // The temporary file may have a name beside the target, or none (an
        // unnamed file that the rename links in): found through the
        // program's open files either way.
        for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files)) {
            const QString to = fd.symLinkTarget();
            if (to.startsWith(dir.path() + "/") && to != path)
                onDisk = ReadAll(fd.absoluteFilePath());
        }
        return true;
    });
    EXPECT_TRUE(WriteFileAtomically(path, bytes));
    SetFileStepHook(old);
    EXPECT_EQ(onDisk.size(), bytes.size());
    EXPECT_EQ(onDisk, bytes);
    EXPECT_EQ(ReadAll(path), bytes);
}
