// The merge of two copies' word lists: a new word of ours that the other copy
// beat to a number takes a fresh one, and never one under which a recording
// still lies on disk.
#include "data/WordMerge.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class WordMerge : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        LoadSettings();
        QDir().mkpath(dir.filePath("wav/original"));
    }
};

TEST_F(WordMerge, ARenumberedWordPassesOverNumbersWithARecordingOrATakeOnDisk)
{
    // Both copies started from ball (0) and gave a new word number 1. A
    // deleted word left a recording under 2, another only its take under 3.
    WriteAll(dir.filePath("wav/word0002.wav"), "cat");
    WriteAll(dir.filePath("wav/original/word0003.wav"), "kite");
    const TWordLists ours{{}, {{"dog", 1}}, {{"ball", 0}}, {}};
    const TWordListMerge m = MergeWordLists("2;ball;0\r\n", "1;cat;1\r\n2;ball;0\r\n", ours, 500);
    ASSERT_TRUE(m.Merged) << m.Undone.join('\n').toStdString();
    ASSERT_EQ(m.Renumbered.size(), 1);
    EXPECT_EQ(m.Renumbered[0].first, (TWordEntry{"dog", 1}));
    EXPECT_EQ(m.Renumbered[0].second, 4);
    EXPECT_EQ(m.New, TWordList({{"cat", 1}, {"dog", 4}}));
    EXPECT_EQ(m.Now, TWordList({{"ball", 0}}));

    // With every number from 4 on carrying a leftover take, there is none.
    for (int n = 4; n < 6; ++n)
        WriteAll(dir.filePath(QStringLiteral("wav/original/word%1.wav").arg(n, 4, 10, QChar('0'))), "x");
    const TWordListMerge none = MergeWordLists("2;ball;0\r\n", "1;cat;1\r\n2;ball;0\r\n", ours, 6);
    EXPECT_FALSE(none.Merged);
    EXPECT_EQ(none.Undone, QStringList({"\"dog\" (no free sound number for a word of this copy)"}));
}

} // namespace
