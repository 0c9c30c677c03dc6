#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Folder of the third-party corpora. A clone of the project alone has none:
// the tests that read them start with SKIP_WITHOUT_CORPORA(), and the shared
// main says once where they were looked for. Any other test that reads them
// fails when they are missing.
bool CorporaPresent();
QString CorporaDir();
#define SKIP_WITHOUT_CORPORA()                                                  \
    do {                                                                        \
        if (!CorporaPresent())                                                  \
            GTEST_SKIP() << "no corpora of files made by other tools";          \
    } while (0)
QString CorpusFile(const QString &relative);

QByteArray ReadAll(const QString &path);
void WriteAll(const QString &path, const QByteArray &bytes);

// Runs `work` in a child process that is killed, as a crash or a power cut
// would stop it, just before its file step number `killAt` (from 0; the steps
// of platform/AtomicFile). True when the work ran to its end before that step
// came; a failure of the work itself fails the test.
bool RunsToItsEndBeforeStep(int killAt, const std::function<void()> &work);

#include <ostream>
// Readable gtest failure messages for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
