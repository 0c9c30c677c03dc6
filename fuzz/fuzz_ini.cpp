// Settings files come from disk and may have been edited by hand. The bytes
// go through the same parser the file reader uses, without touching the disk.
#include "platform/profile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TIniFile ini(QStringLiteral("fuzz.INI"), bytes);
    for (const char *section : {"Main", "General", "Opening", "Config"})
        for (const char *key : {"Size", "Name", "Position", "Key", "Bold", "Back"}) {
            const QString s = ini.ReadString(section, key, "x");
            if (s.size() > TIniFile::MaxValueLength)
                __builtin_trap();
            ini.ReadInteger(section, key, 96);
            ini.ReadBool(section, key, true);
        }
    int v;
    ProfileStrToInt(QString::fromUtf8(bytes), v);

    // Writing a key and reading the text back must give that value, and the
    // text must come back unchanged through a second reading.
    ini.WriteInteger("Main", "Size", 31);
    ini.WriteString("Fuzz", "Key", "value");
    const QByteArray written = ini.Text().toUtf8();
    const TIniFile again(QStringLiteral("fuzz.INI"), written);
    if (again.ReadInteger("Main", "Size", 0) != 31 || again.ReadString("Fuzz", "Key", "") != "value")
        __builtin_trap();
    if (again.Text().toUtf8() != written)
        __builtin_trap();
    return 0;
}
