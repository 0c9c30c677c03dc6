// Writes the starter packs dist/packs/*.wordpack from the word lists in
// tools/packs/*.txt: a "Title:" line, a "Language:" line (the voice's
// language code), then one word per line. The words are new words, text only:
// the voice speaks them until a parent records them.
//
//   genpacks tools/packs dist/packs
#include "data/uWordPack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: genpacks <lists folder> <packs folder>\n");
        return 2;
    }
    const QDir from(QString::fromLocal8Bit(argv[1])), to(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(to.path());
    for (const QFileInfo &list : from.entryInfoList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile in(list.filePath());
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(list.filePath()));
            return 1;
        }
        TWordPack pack;
        int soundNo = 0;
        for (const QByteArray &raw : in.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith("Title:"))
                pack.Title = line.mid(6).trimmed();
            else if (line.startsWith("Language:"))
                pack.Language = line.mid(9).trimmed();
            else if (!line.isEmpty())
                pack.Words.append({{line, soundNo++}, catNew});
        }
        const QString out = to.filePath(list.completeBaseName() + ".wordpack");
        QFile file(out);
        const QByteArray bytes = WriteWordPack(pack);
        ReadWordPack(bytes);   // what the program will accept
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
            return 1;
        }
        std::printf("%s: %d words\n", qPrintable(out), int(pack.Words.size()));
    }
    return 0;
}
