// Settings files come from disk and may have been edited by hand.
#include "platform/profile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath("fuzz.INI");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TIniFile ini(path);
    for (const char *section : {"Main", "General", "Opening", "Config"})
        for (const char *key : {"Size", "Name", "Position", "Key", "Bold", "Back"}) {
            const QString s = ini.ReadString(section, key, "x");
            if (s.size() > TIniFile::MaxValueLength)
                __builtin_trap();
            ini.ReadInteger(section, key, 96);
            ini.ReadBool(section, key, true);
        }
    int v;
    ProfileStrToInt(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)), v);

    // Writing a key and reading the file back must give that value.
    ini.WriteInteger("Main", "Size", 31);
    ini.WriteString("Fuzz", "Key", "value");
    if (!ini.UpdateFile())
        __builtin_trap();
    TIniFile again(path);
    if (again.ReadInteger("Main", "Size", 0) != 31 || again.ReadString("Fuzz", "Key", "") != "value")
        __builtin_trap();
    return 0;
}
