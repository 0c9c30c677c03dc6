#pragma once
#include <QByteArray>
#include <QString>

// Folder of the third-party corpora; a test that needs it fails (not skips)
// when it is missing.
QString CorporaDir();
QString CorpusFile(const QString &relative);

QByteArray ReadAll(const QString &path);
void WriteAll(const QString &path, const QByteArray &bytes);

#include <ostream>
// Readable gtest failure messages for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
