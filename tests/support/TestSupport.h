#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <mutex>
#include <thread>
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

// FIFOs under the names `paths`. A start that opens one of them to read it
// would wait for a writer for ever: when Released is not called within
// `limitMs`, another thread opens them for writing, again until Released, so
// that such an open returns and the test fails instead of hanging.
class TFifoTrap {
public:
    explicit TFifoTrap(const QStringList &paths, int limitMs = 5000);
    ~TFifoTrap();
    // True when nothing had to be let go of.
    bool Released();

private:
    QStringList FPaths;
    std::mutex FLock;
    std::condition_variable FDone;
    bool FReleased = false;
    bool FSprung = false;
    std::thread FWatch;
};

#include <ostream>
// Readable gtest failure messages for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
