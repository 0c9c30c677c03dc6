#pragma once
// ZIP archives written byte by byte, for packs no ZIP library would make:
// a name twice, an unknown method, entries whose bytes overlap, headers that
// disagree. Entries are stored (not compressed), times zero.
#include <QByteArray>
#include <QList>

#include <zlib.h>

struct TRawEntry {
    QByteArray Name;
    QByteArray Data;
    quint16 Method = 0;           // as both headers state it
    quint16 Flags = 0;
    qint64 At = -1;               // the central header points here; -1: this entry's own local header
    QByteArray LocalName = {};    // the local header's name when it differs
    bool Written = true;          // false: only a central header (with At pointing elsewhere)
    QByteArray Comment = {};      // the central header's
};

namespace zipbytes {

inline void Put(QByteArray &b, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(char(v >> (8 * i)));
}

inline QByteArray LocalHeader(const TRawEntry &e)
{
    const QByteArray name = e.LocalName.isEmpty() ? e.Name : e.LocalName;
    QByteArray b;
    Put(b, 0x04034b50, 4);
    Put(b, 20, 2);
    Put(b, e.Flags, 2);
    Put(b, e.Method, 2);
    Put(b, 0, 4);   // time, date
    Put(b, quint32(crc32(0, reinterpret_cast<const Bytef *>(e.Data.constData()), uInt(e.Data.size()))), 4);
    Put(b, quint32(e.Data.size()), 4);
    Put(b, quint32(e.Data.size()), 4);
    Put(b, quint32(name.size()), 2);
    Put(b, 0, 2);
    return b + name;
}

} // namespace zipbytes

// The entry as a local header and its data, as it stands in an archive.
inline QByteArray RawLocalEntry(const TRawEntry &e) { return zipbytes::LocalHeader(e) + e.Data; }

inline QByteArray RawZip(const QList<TRawEntry> &entries, const QByteArray &comment = {})
{
    using zipbytes::Put;
    QByteArray out, directory;
    for (const TRawEntry &e : entries) {
        const qint64 at = e.At >= 0 ? e.At : out.size();
        if (e.Written)
            out += RawLocalEntry(e);
        Put(directory, 0x02014b50, 4);
        Put(directory, 20, 2);                              // made by
        directory += zipbytes::LocalHeader(e).mid(4, 22);   // version needed to size unpacked
        Put(directory, quint32(e.Name.size()), 2);
        Put(directory, 0, 2);                               // extra
        Put(directory, quint32(e.Comment.size()), 2);
        Put(directory, 0, 4);                               // disk, internal attributes
        Put(directory, 0, 4);                               // external attributes
        Put(directory, quint32(at), 4);
        directory += e.Name + e.Comment;
    }
    const qint64 offset = out.size();
    out += directory;
    Put(out, 0x06054b50, 4);
    Put(out, 0, 4);
    Put(out, quint32(entries.size()), 2);
    Put(out, quint32(entries.size()), 2);
    Put(out, quint32(directory.size()), 4);
    Put(out, quint32(offset), 4);
    Put(out, quint32(comment.size()), 2);
    return out + comment;
}
