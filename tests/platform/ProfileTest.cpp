#include "platform/profile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProfileStrToInt, AcceptsDecimalDollarHexAndLongZeroXHex)
{
    int v = 0;
    EXPECT_TRUE(ProfileStrToInt("96", v)); EXPECT_EQ(v, 96);
    EXPECT_TRUE(ProfileStrToInt("-12", v)); EXPECT_EQ(v, -12);
    EXPECT_TRUE(ProfileStrToInt("0x1F", v)); EXPECT_EQ(v, 31);
    EXPECT_TRUE(ProfileStrToInt("0X1f", v)); EXPECT_EQ(v, 31);
    EXPECT_TRUE(ProfileStrToInt("$20", v)); EXPECT_EQ(v, 32);
    EXPECT_TRUE(ProfileStrToInt("$FFFFFFFF", v)); EXPECT_EQ(v, -1);
    EXPECT_TRUE(ProfileStrToInt("-2147483648", v)); EXPECT_EQ(v, INT32_MIN);
    EXPECT_TRUE(ProfileStrToInt("0x0", v)); EXPECT_EQ(v, 0);
}

TEST(ProfileStrToInt, RefusesWhatIsNotAWholeNumber)
{
    int v = 7;
    for (const char *bad : {"", "abc", "12abc", "0x", "$", "$G1", "1.5", "2147483648", "$100000000", "-"})
        EXPECT_FALSE(ProfileStrToInt(bad, v)) << bad;
    EXPECT_EQ(v, 7);
}

TEST(Profile, SectionsAndKeysMatchWithoutCaseAndDefaultsFillTheGaps)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.INI");
    WriteAll(path, "[main]\r\nSIZE=0x1F\r\nName = Comic Sans \r\nq=\"  padded \"\r\n[Other]\r\nSize=5\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Main", "Size", 96), 31);
    EXPECT_EQ(ini.ReadString("MAIN", "name", "Arial"), "Comic Sans");
    EXPECT_EQ(ini.ReadString("Main", "q", ""), "  padded ");
    EXPECT_EQ(ini.ReadInteger("Main", "Missing", 96), 96);
    EXPECT_EQ(ini.ReadInteger("Nowhere", "Size", 96), 96);
    EXPECT_EQ(ini.ReadInteger("Other", "Size", 0), 5);
}

TEST(Profile, ReadsAtMost1023CharactersAndFlagsTakeAnyNonZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.INI");
    WriteAll(path, "[A]\nLong=" + QByteArray(2000, 'w') + "\nBold=2\nOff=0\nJunk=yes\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("A", "Long", "").size(), 1023);
    EXPECT_TRUE(ini.ReadBool("A", "Bold", false));
    EXPECT_FALSE(ini.ReadBool("A", "Off", true));
    EXPECT_TRUE(ini.ReadBool("A", "Junk", true));
    EXPECT_FALSE(ini.ReadBool("A", "Junk", false));
}

TEST(Profile, WritingKeepsOtherContentAndLineEndings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.INI");
    WriteAll(path, "; parent's note\r\n[Main]\r\nSize=12\r\nCustom=keep me\r\n\r\n[Extra]\r\nA=1\r\n");
    TIniFile ini(path);
    ini.WriteInteger("main", "size", 40);
    ini.WriteString("Main", "Name", "Arial");
    ini.WriteBool("General", "Hints", true);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(ReadAll(path), QByteArray("; parent's note\r\n[Main]\r\nsize=40\r\nCustom=keep me\r\nName=Arial\r\n\r\n"
                                        "[Extra]\r\nA=1\r\n\r\n[General]\r\nHints=1\r\n"));
}

TEST(Profile, UnwritableTargetFailsAndKeepsWhatWasThere)
{
    // A folder in the file's place cannot be replaced, even by root.
    QTemporaryDir dir;
    const QString path = dir.filePath("x.INI");
    QDir().mkdir(path);
    TIniFile ini(path);
    ini.WriteString("A", "B", "C");
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST(Profile, BytesInMemoryReadExactlyAsTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.INI");
    const QByteArray bytes("; note\r\n[main]\r\nSIZE=0x1F\r\n\r\n[Other]\rName=a b\n");
    WriteAll(path, bytes);
    const TIniFile fromFile(path);
    const TIniFile fromBytes(path, bytes);
    EXPECT_EQ(fromBytes.ReadInteger("Main", "Size", 96), 31);
    EXPECT_EQ(fromBytes.ReadString("Other", "Name", ""), "a b");
    EXPECT_EQ(fromBytes.Text(), fromFile.Text());
    EXPECT_EQ(fromBytes.Text().toUtf8(), QByteArray("; note\r\n[main]\r\nSIZE=0x1F\r\n\r\n[Other]\r\nName=a b\r\n"));
}
