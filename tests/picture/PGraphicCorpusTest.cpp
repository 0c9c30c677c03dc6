// Every image of the third-party corpora against the verdict in the
// `program` column of expected.tsv, and the decoded pixels against Qt's own
// decode of the same file (composed onto the background and gamma-corrected
// the way the picture layer does it).
#include "support/TestSupport.h"
#include "picture/PGraphic.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QStringList>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

struct CorpusEntry {
    QString path;
    QString program;   // decode, reject, either
    int width = -1;
    int height = -1;
    QString note;
};

std::vector<CorpusEntry> CorpusEntries(const QString &folder)
{
    std::vector<CorpusEntry> list;
    const QByteArray tsv = ReadAll(CorpusFile("expected.tsv"));
    for (const QByteArray &line : tsv.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> f = line.split('\t');
        if (f.size() < 5 || !f[0].startsWith(folder.toUtf8() + "/"))
            continue;
        CorpusEntry e;
        e.path = QString::fromUtf8(f[0]);
        e.program = QString::fromUtf8(f[4]);
        bool ok = false;
        e.width = f[2].toInt(&ok);
        if (!ok)
            e.width = -1;
        e.height = f[3].toInt(&ok);
        if (!ok)
            e.height = -1;
        e.note = f.size() > 5 ? QString::fromUtf8(f[5]) : QString();
        list.push_back(e);
    }
    return list;
}

// What a PNG file says about gamma and background, read from its chunks.
struct PngFacts {
    double gamma = 0;
    bool hasBackground = false;
    TColor background = 0;
    int bitDepth = 8;
    QByteArray withoutTransparentColour;   // the file minus a grey/RGB tRNS chunk
    // A tRNS colour of a grey or RGB file, as 16-bit samples.
    bool hasTransparentColour = false;
    quint16 transparent[3] = {0, 0, 0};
};

PngFacts ReadPngFacts(const QByteArray &file)
{
    PngFacts facts;
    int colorType = 0;
    QByteArray plte;
    qsizetype at = 8;
    while (at + 12 <= file.size()) {
        const quint32 len = qFromBigEndian<quint32>(file.constData() + at);
        const QByteArray type = file.mid(at + 4, 4);
        const QByteArray data = file.mid(at + 8, len);
        if (type == "IHDR" && data.size() >= 10) {
            facts.bitDepth = uchar(data[8]);
            colorType = uchar(data[9]);
        } else if (type == "PLTE") {
            plte = data;
        } else if (type == "gAMA" && data.size() == 4) {
            facts.gamma = qFromBigEndian<quint32>(data.constData()) / 100000.0;
        } else if (type == "bKGD") {
            auto eight = [&](int v) {
                return facts.bitDepth == 16 ? v >> 8 : v * 255 / ((1 << facts.bitDepth) - 1);
            };
            facts.hasBackground = true;
            if (colorType == 3 && data.size() >= 1) {
                const int i = uchar(data[0]);
                facts.background = RGBColor(uchar(plte[3 * i]), uchar(plte[3 * i + 1]), uchar(plte[3 * i + 2]));
            } else if ((colorType & 2) && data.size() >= 6) {
                facts.background = RGBColor(eight(qFromBigEndian<quint16>(data.constData())),
                                            eight(qFromBigEndian<quint16>(data.constData() + 2)),
                                            eight(qFromBigEndian<quint16>(data.constData() + 4)));
            } else if (data.size() >= 2) {
                const int g = eight(qFromBigEndian<quint16>(data.constData()));
                facts.background = RGBColor(g, g, g);
            }
        } else if (type == "tRNS" && (colorType == 0 || colorType == 2)) {
            const int n = colorType == 0 ? 1 : 3;
            facts.withoutTransparentColour = file.left(at) + file.mid(at + 12 + qsizetype(len));
            if (data.size() >= 2 * n) {
                facts.hasTransparentColour = true;
                const int scale = facts.bitDepth == 16 ? 1 : 65535 / ((1 << facts.bitDepth) - 1);
                for (int k = 0; k < 3; ++k)
                    facts.transparent[k] = quint16(qFromBigEndian<quint16>(data.constData() + 2 * (n == 1 ? 0 : k)) * scale);
            }
        } else if (type == "IEND") {
            break;
        }
        at += 12 + qsizetype(len);
    }
    return facts;
}

// Qt's decode of the file as the picture should show it: transparency
// composed onto `background` at the file's own sample depth (in linear light
// when the file states its gamma, as libpng does), 16-bit samples cut to
// their high byte, then the load's gamma rule. Qt mangles 16-bit RGB files
// with a tRNS colour, so a grey or RGB file's tRNS chunk is taken out before
// Qt sees it and its transparency is applied here.
QImage PngReference(const QString &path, TColor background)
{
    const PngFacts facts = ReadPngFacts(ReadAll(path));
    QImage img = facts.hasTransparentColour ? QImage::fromData(facts.withoutTransparentColour, "PNG")
                                            : QImage(path);
    if (img.isNull())
        return img;
    img = img.convertToFormat(QImage::Format_RGBA64);
    const TColor bg = facts.hasBackground ? facts.background : background;
    const double bgc[3] = {(bg & 0xFF) / 255.0, ((bg >> 8) & 0xFF) / 255.0, ((bg >> 16) & 0xFF) / 255.0};
    const double g = facts.gamma > 0 ? facts.gamma : 1.0;
    const bool wide = facts.bitDepth == 16;
    QImage out(img.size(), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const QRgba64 *row = reinterpret_cast<const QRgba64 *>(img.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgba64 p = row[x];
            const quint16 c16[3] = {p.red(), p.green(), p.blue()};
            double a = p.alpha() / 65535.0;
            if (facts.hasTransparentColour && c16[0] == facts.transparent[0] && c16[1] == facts.transparent[1] &&
                c16[2] == facts.transparent[2])
                a = 0;
            int c[3];
            for (int k = 0; k < 3; ++k) {
                double v = c16[k] / 65535.0;
                if (a < 1.0) {
                    const double mix = a * std::pow(v, 1.0 / g) + (1 - a) * std::pow(bgc[k], 1.0 / g);
                    v = std::pow(mix, g);
                }
                c[k] = wide ? int(std::lround(v * 65535.0)) >> 8 : int(std::lround(v * 255.0));
            }
            dst[x] = qRgb(c[0], c[1], c[2]);
        }
    }
    if (facts.gamma > 0) {
        const double r = (1.0 / facts.gamma) / 1.8; // to the default gamma
        if (std::fabs(r - 1.0) > 0.05) {
            const auto t = [r](int v) { return int(std::lround(255.0 * std::pow(v / 255.0, r))); };
            for (int y = 0; y < out.height(); ++y) {
                QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
                for (int x = 0; x < out.width(); ++x)
                    row[x] = qRgb(t(qRed(row[x])), t(qGreen(row[x])), t(qBlue(row[x])));
            }
        }
    }
    return out;
}

// Largest per-channel difference and how many pixels differ by more than
// `tolerance`.
struct Diff {
    int max = 0;
    int64_t over = 0;
    QString first;   // the first pixel over the tolerance, for the failure message
};

Diff Compare(const QImage &ours, const QImage &ref, int tolerance)
{
    Diff d;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = ref.pixel(x, y);
            const int m = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            d.max = std::max(d.max, m);
            if (m > tolerance && d.over++ == 0)
                d.first = QStringLiteral("at %1,%2 ours %3 reference %4")
                              .arg(x)
                              .arg(y)
                              .arg(a & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                              .arg(b & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    return d;
}

struct Outcome {
    bool decoded = false;
    bool pgError = false;
    QString message;
};

Outcome Load(TPixelGraphic &pg, const QString &path)
{
    Outcome o;
    try {
        pg.LoadFromFile(path);
        o.decoded = true;
    } catch (const EPixelGraphic &e) {
        o.pgError = true;
        o.message = e.Message();
    } catch (const Exception &e) {
        o.message = e.Message();
    }
    return o;
}

// The verdict, the size, and (for decoded files) the pixels against Qt.
void CheckFolder(const QString &folder, const std::function<QImage(const CorpusEntry &)> &reference,
                 const std::function<int(const CorpusEntry &)> &tolerance, TPGWarningAction eitherAction)
{
    const auto entries = CorpusEntries(folder);
    ASSERT_FALSE(entries.empty()) << folder.toStdString();
    int decoded = 0, compared = 0;
    for (const CorpusEntry &e : entries) {
        SCOPED_TRACE(e.path.toStdString());
        TPixelGraphic pg;
        // Files that must decode do so without a single decoder warning.
        pg.SetReadWarningAction(e.program == "decode" ? pgwaRaise : eitherAction);
        const Outcome o = Load(pg, CorpusFile(e.path));
        if (e.program == "decode") {
            ASSERT_TRUE(o.decoded) << o.message.toStdString();
        } else if (e.program == "reject") {
            EXPECT_FALSE(o.decoded);
            EXPECT_TRUE(o.pgError) << "not a picture error: " << o.message.toStdString();
            continue;
        } else if (!o.decoded) {
            EXPECT_TRUE(o.pgError) << o.message.toStdString();
            continue;
        }
        ++decoded;
        if (e.width >= 0) {
            EXPECT_EQ(pg.Width(), e.width);
            EXPECT_EQ(pg.Height(), e.height);
        }
        // Damaged or questionable files ("either") only need a clean
        // outcome; Qt's guesses about them are no reference.
        if (e.program != "decode")
            continue;
        const QImage ref = reference(e);
        ASSERT_EQ(ref.size(), QSize(pg.Width(), pg.Height())) << "no reference decode";
        ++compared;
        const Diff d = Compare(pg.ToImage(), ref, tolerance(e));
        EXPECT_EQ(d.over, 0) << "largest channel difference " << d.max << ", first " << d.first.toStdString();
    }
    EXPECT_GT(decoded, 0);
    EXPECT_GT(compared, 0);
}

QImage QtDecode(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PGraphicCorpus, PngSuiteFilesDecodeAsQtDoesAfterGammaAndComposition)
{
    SKIP_WITHOUT_CORPORA();
    CheckFolder(
        "png", [](const CorpusEntry &e) { return PngReference(CorpusFile(e.path), clBlack); },
        [](const CorpusEntry &) { return 2; }, pgwaIgnore);
}

TEST(PGraphicCorpus, BmpSuiteFilesDecodeOrAreRefusedAsTheProgramColumnSays)
{
    SKIP_WITHOUT_CORPORA();
    CheckFolder(
        "bmp", [](const CorpusEntry &e) { return QtDecode(CorpusFile(e.path)); },
        [](const CorpusEntry &e) {
            // 5-bit channels are widened by bit replication here (31 -> 255),
            // by plain shifting in Qt (31 -> 248).
            return e.path.contains("rgb16") ? 7 : 0;
        },
        pgwaIgnore);
}

TEST(PGraphicCorpus, JpegFilesDecodeOrAreRefusedAsTheProgramColumnSays)
{
    SKIP_WITHOUT_CORPORA();
    CheckFolder(
        "jpeg", [](const CorpusEntry &e) { return QtDecode(CorpusFile(e.path)); },
        [](const CorpusEntry &) { return 0; }, pgwaIgnore);
}
