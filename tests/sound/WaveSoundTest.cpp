// The program's own wave files: what the writer lays down, byte for byte, for
// the recorder's layout and the voice's, read back through the player's
// parser and the head reader the repair of a cut recording uses; heads laid
// out otherwise are refused. And the names of a word's sound files.
#include "sound/WaveSound.h"

#include <gtest/gtest.h>

namespace {

// Reads from Bytes as the repair reads from a file.
TWaveReadAt ReaderOf(const QByteArray &Bytes)
{
    return [Bytes](int64_t Pos, int64_t Count, QByteArray &Out) {
        Out = Bytes.mid(qsizetype(Pos), qsizetype(Count));
        return Pos + Count <= Bytes.size();
    };
}

} // namespace

TEST(OwnWaveFiles, BothLayoutsAreWrittenByteForByteAndReadBack)
{
    // The recorder's: 8-bit stereo at 22050 per second, an 18-byte format
    // record, then after the samples the frame count and an INFO comment.
    const QByteArray format18 = QByteArray::fromHex("0100" "0200" "22560000" "44ac0000" "0200" "0800") + QByteArray(2, 0);
    const QByteArray stereo = QByteArray::fromHex("80ff7f00817e");
    const QByteArray recorded = WaveImage(format18, stereo,
                                          WaveFactTrailer(stereo.size(), 3) + WaveInfoList({{"ICMT", "ab"}}));
    const QByteArray expected = QByteArray::fromHex(
        "52494646" "50000000" "57415645"                               // RIFF, 80, WAVE
        "666d7420" "12000000" "0100020022560000" "44ac000002000800" "0000" // fmt, 18
        "64617461" "06000000" "80ff7f00817e"                            // data, 6
        "66616374" "04000000" "03000000"                                // fact, 3 frames
        "4c495354" "10000000" "494e464f" "49434d54" "03000000" "61620000"); // LIST INFO ICMT "ab"
    EXPECT_EQ(recorded, expected);

    // The voice's: 16-bit mono with the 16-byte record and nothing after the data.
    EXPECT_EQ(PcmWaveFormat(1, 16000, 16), QByteArray::fromHex("0100" "0100" "803e0000" "007d0000" "0200" "1000"));
    const QByteArray mono = QByteArray::fromHex("0100ff7f");
    const QByteArray spoken = WaveImage(PcmWaveFormat(1, 16000, 16), mono);
    EXPECT_EQ(spoken, QByteArray::fromHex("52494646" "28000000" "57415645" "666d7420" "10000000"
                                          "01000100803e0000007d000002001000" "64617461" "04000000" "0100ff7f"));

    struct TCase {
        QByteArray File, Samples;
        int Channels, Rate, Bits;
        int64_t DataAt;
    };
    for (const TCase &c : {TCase{recorded, stereo, 2, 22050, 8, 46}, TCase{spoken, mono, 1, 16000, 16, 44}}) {
        TWaveSound sound;
        QString error;
        ASSERT_TRUE(ParseWaveSound(c.File, sound, error)) << error.toStdString();
        EXPECT_EQ(sound.Channels, c.Channels);
        EXPECT_EQ(sound.SampleRate, c.Rate);
        EXPECT_EQ(sound.BitsPerSample, c.Bits);
        EXPECT_EQ(sound.Data, c.Samples);

        TWaveHead head;
        ASSERT_TRUE(ReadWaveHead(ReaderOf(c.File), head));
        EXPECT_EQ(head.RiffSize, uint32_t(c.File.size() - 8));
        EXPECT_EQ(head.Format, c.File.mid(20, qsizetype(c.DataAt - 28)));
        EXPECT_EQ(head.DataAt, c.DataAt);
        EXPECT_EQ(head.DataSizeAt, c.DataAt - 4);
        EXPECT_EQ(head.DataBytes, uint32_t(c.Samples.size()));
    }

    // An odd length is padded: after a format record, and after samples the
    // trailer follows; an empty list is no list at all.
    const QByteArray oddHead = WaveHead("abc", 7, 9);
    EXPECT_EQ(oddHead, QByteArray::fromHex("52494646" "07000000" "57415645" "666d7420" "03000000" "61626300"
                                           "64617461" "09000000"));
    TWaveHead head;
    ASSERT_TRUE(ReadWaveHead(ReaderOf(oddHead), head));
    EXPECT_EQ(head.Format, "abc");
    EXPECT_EQ(head.DataSizeAt, 28);
    EXPECT_EQ(head.DataBytes, 9u);
    EXPECT_EQ(WaveFactTrailer(5, 5), QByteArray::fromHex("00" "66616374" "04000000" "05000000"));
    EXPECT_EQ(WaveInfoList({}), QByteArray());
    EXPECT_EQ(WaveSizeField(0x12345678), QByteArray::fromHex("78563412"));
}

TEST(OwnWaveFiles, HeadsNotLaidOutAsTheProgramWritesThemAreRefused)
{
    const QByteArray good = WaveImage(PcmWaveFormat(2, 22050, 8), QByteArray(8, char(128)));
    const auto with = [&](int at, const char *id) { return QByteArray(good).replace(at, 4, id); };
    const QByteArray bigFormat = WaveHead(QByteArray(65537, 'x'), 0, 0);
    struct TCase {
        const char *What;
        QByteArray File;
    } cases[] = {
        {"another container", with(0, "RIFX")},
        {"another form", with(8, "AVI ")},
        {"another chunk first", with(12, "LIST")},
        {"another chunk after the format", with(36, "fact")},
        {"a format larger than any this program writes", bigFormat},
        {"cut within the head", good.left(40)},
    };
    for (const TCase &c : cases) {
        TWaveHead head;
        EXPECT_FALSE(ReadWaveHead(ReaderOf(c.File), head)) << c.What;
    }
    TWaveHead head;
    EXPECT_TRUE(ReadWaveHead(ReaderOf(WaveHead(QByteArray(65536, 'x'), 0, 0)), head)) << "the largest format";
}

TEST(OwnWaveFiles, AWordsSoundAndItsOriginalAreNamedInOnePlace)
{
    EXPECT_EQ(WordSoundName(7, false, "wav/"), "wav/word0007.wav");
    EXPECT_EQ(WordSoundName(7, true, "wav/"), "wav/original/word0007.wav");
    EXPECT_EQ(WordSoundName(-12, true, "/p/wav/"), "/p/wav/original/word-0012.wav");
    EXPECT_EQ(WordSoundName(12345, false, "/p/wav/"), "/p/wav/word12345.wav");
    EXPECT_EQ(OriginalSoundName("/p/wav/word0003.wav"), "/p/wav/original/word0003.wav");
}
