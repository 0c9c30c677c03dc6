// JPEG reader on libjpeg's classic interface.
//
// libjpeg reports fatal errors through a hook that must not return. C++
// exceptions must never travel through the library's C frames, so the hook
// leaves by longjmp back to the one function that set the jump point, and
// that function and every callback the library calls keep only trivially
// destructible locals. The C++ error is raised once we are back in our own
// frames.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QIODevice>

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

constexpr int JpegBlockSize = 4096;
const QString JpgPrefix = QStringLiteral("JPG: ");

[[noreturn]] void RaiseJpg(const QString &message)
{
    throw EPGJPGFileFormatReaderWriter(JpgPrefix + message);
}

struct JpegSource {
    jpeg_source_mgr pub;
    QIODevice *stream;
    bool startOfFile;
    JOCTET buffer[JpegBlockSize];
};

struct JpegErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    TPixelGraphic *picture;
    char message[JMSG_LENGTH_MAX];
    bool invalidVersion;
    bool cancelled;
};

struct JpegJob {
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    JpegSource src;
    TPixelGraphic *picture;
    QIODevice *stream;
    bool headerOnly;
    bool created;
    bool progressStarted;
    bool unsupported;
    bool sized;   // the picture has its size and rows not yet written are stale
};

void ErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegErrorManager *>(cinfo->err);
    const int code = err->pub.msg_code;
    err->invalidVersion = code == JERR_BAD_LIB_VERSION || code == JERR_BAD_STRUCT_SIZE;
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Asks the user about a warning; true for OK. Never lets an exception out,
// because its caller sits inside libjpeg.
bool AskAboutWarning(const char *text, bool okCancel) noexcept
{
    try {
        return PGShowWarningBox(QStringLiteral("JPG ") + PGLangStr(28), QString::fromLocal8Bit(text),
                                okCancel);
    } catch (...) {
        return false;
    }
}

// libjpeg passes only the first warning of a file here.
void OutputMessage(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegErrorManager *>(cinfo->err);
    const TPGWarningAction action = err->picture->ReadWarningAction();
    if (action == pgwaIgnore)
        return;
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    if (action == pgwaRaise) {
        std::memcpy(err->message, text, sizeof text);
        std::longjmp(err->jump, 1);
    }
    if (!AskAboutWarning(text, action == pgwaOKCancelBox) && action == pgwaOKCancelBox) {
        err->cancelled = true;
        std::longjmp(err->jump, 1);
    }
}

void InitSource(j_decompress_ptr cinfo)
{
    reinterpret_cast<JpegSource *>(cinfo->src)->startOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    auto *src = reinterpret_cast<JpegSource *>(cinfo->src);
    qint64 n = src->stream->read(reinterpret_cast<char *>(src->buffer), JpegBlockSize);
    if (n <= 0) {
        if (src->startOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        // A fake end-of-image marker lets the decoder finish what it has.
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = size_t(n);
    src->startOfFile = false;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    auto *src = reinterpret_cast<JpegSource *>(cinfo->src);
    if (count <= 0)
        return;
    while (count > long(src->pub.bytes_in_buffer)) {
        count -= long(src->pub.bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= size_t(count);
}

void TermSource(j_decompress_ptr) {}

// Everything that calls into libjpeg happens here, under the jump point.
// Returns false when libjpeg raised an error. C++ exceptions from the
// picture (SetSize, progress callback) pass through normally: they are
// thrown from this frame, never from under a libjpeg call.
bool RunJpeg(JpegJob *job)
{
    if (setjmp(job->err.jump))
        return false;

    jpeg_create_decompress(&job->cinfo);
    job->created = true;
    job->cinfo.src = &job->src.pub;
    job->src.stream = job->stream;
    job->src.pub.init_source = InitSource;
    job->src.pub.fill_input_buffer = FillInputBuffer;
    job->src.pub.skip_input_data = SkipInputData;
    job->src.pub.resync_to_restart = jpeg_resync_to_restart;
    job->src.pub.term_source = TermSource;
    job->src.pub.bytes_in_buffer = 0;
    job->src.pub.next_input_byte = nullptr;

    // Progressive files keep all their coefficients in memory, about twice
    // the decoded bitmap; beyond a few bitmaps' worth the file is refused
    // ("Backing store not supported") instead of exhausting the machine.
    job->cinfo.mem->max_memory_to_use = long(std::min<int64_t>(PGMaxBitmapBytes * 4, LONG_MAX));
    jpeg_read_header(&job->cinfo, TRUE);
    if (job->headerOnly)
        return true;

    jpeg_decompress_struct &ci = job->cinfo;
    ci.scale_num = 1;
    ci.scale_denom = 1;
    // The picture's fast flag picks the fast integer transform; otherwise the
    // library-wide default (the accurate integer one).
    ci.dct_method = (job->picture->FastDecoding() || PGJPEGDefaultFastDCT) ? JDCT_IFAST : JDCT_ISLOW;
    ci.quantize_colors = FALSE;
    ci.two_pass_quantize = FALSE;
    ci.dither_mode = JDITHER_NONE;
    // The bitmap keeps blue, green, red: let the library deliver that order.
    if (ci.out_color_space == JCS_RGB)
        ci.out_color_space = JCS_EXT_BGR;

    jpeg_start_decompress(&ci);

    int bitCount;
    if (ci.output_components == 1) {
        bitCount = 8;
    } else if (ci.output_components == 3) {
        bitCount = 24;
    } else {
        job->unsupported = true;
        return true;
    }
    TPixelGraphic &pic = *job->picture;
    // Every row is decoded straight into the picture; rows left undecoded
    // by an error or an abort are filled afterwards (JpegJobGuard).
    pic.SetSizeUnfilled(int(ci.output_width), int(ci.output_height), bitCount);
    job->sized = true;
    if (bitCount == 8)
        pic.SetPaletteID(pGray256);

    pic.ProgressStart();
    job->progressStarted = true;
    const int height = int(ci.output_height);
    while (ci.output_scanline < ci.output_height) {
        JSAMPROW rows[4];
        int want = ci.rec_outbuf_height < 1 ? 1 : (ci.rec_outbuf_height > 4 ? 4 : ci.rec_outbuf_height);
        const int first = int(ci.output_scanline);
        if (want > height - first)
            want = height - first;
        for (int i = 0; i < want; ++i)
            rows[i] = pic.ScanLine(first + i);
        const int got = int(jpeg_read_scanlines(&ci, rows, JDIMENSION(want)));
        bool abort = false;
        for (int i = 1; i <= got && !abort; ++i)
            abort = pic.Progress(first + i, height);
        if (abort)
            break;
    }
    job->progressStarted = false;
    pic.ProgressEnd();
    jpeg_finish_decompress(&ci);
    return true;
}

struct JpegJobGuard {
    JpegJob *job;
    ~JpegJobGuard()
    {
        if (job->sized) {
            const int done = int(job->cinfo.output_scanline);
            job->picture->FillBackgroundRows(done, job->picture->Height() - done);
        }
        if (job->progressStarted) {
            job->progressStarted = false;
            try {
                job->picture->ProgressEnd();
            } catch (...) {
            }
        }
        if (job->created)
            jpeg_destroy_decompress(&job->cinfo);
    }
};

std::unique_ptr<JpegJob> NewJob(QIODevice &stream, TPixelGraphic &picture, bool headerOnly)
{
    auto job = std::make_unique<JpegJob>();
    std::memset(job.get(), 0, sizeof(JpegJob));
    job->picture = &picture;
    job->stream = &stream;
    job->headerOnly = headerOnly;
    job->err.picture = &picture;
    job->cinfo.err = jpeg_std_error(&job->err.pub);
    job->err.pub.error_exit = ErrorExit;
    job->err.pub.output_message = OutputMessage;
    return job;
}

void RaiseFromJob(const JpegJob &job)
{
    if (job.err.invalidVersion)
        RaiseJpg(QStringLiteral("Invalid library version"));
    if (job.err.cancelled)
        RaiseJpg(PGLangStr(29));
    RaiseJpg(QString::fromLocal8Bit(job.err.message));
}

} // namespace

bool TJPGFileFormatReader::IsSignature(const uint8_t *bytes, int count) const
{
    return count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
}

void TJPGFileFormatReader::Read(QIODevice &stream, TPixelGraphic &picture, int imageNo)
{
    if (imageNo != 0)
        RaiseJpg(PGIndexInvalid());
    picture.SetGamma(PGDefaultGamma);
    auto job = NewJob(stream, picture, false);
    bool ok;
    {
        JpegJobGuard guard{job.get()};
        ok = RunJpeg(job.get());
    }
    if (!ok)
        RaiseFromJob(*job);
    if (job->unsupported)
        RaiseJpg(PGLangStr(30));
}

TPGFileInfo TJPGFileFormatReader::Information(QIODevice &stream, int imageNo)
{
    if (imageNo != 0)
        RaiseJpg(PGIndexInvalid());
    TPixelGraphic scratch;
    scratch.SetReadWarningAction(pgwaIgnore);
    auto job = NewJob(stream, scratch, true);
    bool ok;
    TPGFileInfo info;
    {
        JpegJobGuard guard{job.get()};
        ok = RunJpeg(job.get());
        if (ok) {
            info.Width = int(job->cinfo.image_width);
            info.Height = int(job->cinfo.image_height);
            info.BitsPerPixel = 8 * job->cinfo.num_components;
            info.ColorCount = job->cinfo.num_components == 1 ? QStringLiteral("256") : QStringLiteral("16.7M");
            info.SubFormat = job->cinfo.progressive_mode ? QStringLiteral("Progressive") : QStringLiteral("Baseline");
        }
    }
    if (!ok)
        RaiseFromJob(*job);
    return info;
}
