#pragma once
// The main of the benchmark programs that need a widget application: the
// offscreen platform unless another is chosen, then Google Benchmark, with the
// console reporter or one that adds its own summary at the end. The context
// printed first says how busy the machine was and whether a sound server
// answered, the two things that move the figures most.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The three load averages of /proc/loadavg, or "unknown".
inline std::string BenchLoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return "unknown";
    const QList<QByteArray> fields = f.readLine().simplified().split(' ');
    return fields.size() >= 3 ? (fields[0] + ' ' + fields[1] + ' ' + fields[2]).toStdString() : "unknown";
}

// The PulseAudio (or PipeWire-Pulse) socket a client would use, when
// something accepts a connection on it.
inline QString BenchSoundServerSocket()
{
    QStringList candidates;
    if (const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH"); !runtime.isEmpty())
        candidates << runtime + QStringLiteral("/native");
    if (const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR"); !xdg.isEmpty())
        candidates << xdg + QStringLiteral("/pulse/native");
    candidates << QStringLiteral("/run/user/%1/pulse/native").arg(getuid());
    for (const QString &path : candidates) {
        const QByteArray p = QFile::encodeName(path);
        sockaddr_un addr{};
        if (size_t(p.size()) >= sizeof addr.sun_path)
            continue;
        addr.sun_family = AF_UNIX;
        memcpy(addr.sun_path, p.constData(), size_t(p.size()));
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0)
            continue;
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
        close(fd);
        if (ok)
            return path;
    }
    return {};
}

inline int RunWidgetBenchmarks(int argc, char **argv, benchmark::BenchmarkReporter *reporter = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const QString server = BenchSoundServerSocket();
    benchmark::AddCustomContext("load_average", BenchLoadAverage());
    benchmark::AddCustomContext("sound_server", server.isEmpty() ? "none reachable" : "reachable at " + server.toStdString());
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return 0;
}
