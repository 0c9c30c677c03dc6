#include "platform/profile.h"

#include "platform/AtomicFile.h"
#include "platform/ProgramFile.h"

#include <QFile>

#include <cstdint>

bool ProfileStrToInt(const QString &text, int &value)
{
    const QString s = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (s.size() - i > 2 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    uint64_t acc = 0;
    for (; i < s.size(); ++i) {
        const int d = QChar(s[i]).isDigit() ? s[i].unicode() - '0'
                      : (base == 16 && s[i].toLower() >= 'a' && s[i].toLower() <= 'f')
                          ? s[i].toLower().unicode() - 'a' + 10
                          : -1;
        if (d < 0 || d >= base)
            return false;
        acc = acc * base + d;
        if (acc > 0xFFFFFFFFull)
            return false;
    }
    if (base == 16) {
        // Hex spells the bit pattern, so "$800000" and "$FFFFFFFF" both fit.
        const int32_t bits = int32_t(uint32_t(acc));
        value = negative ? int32_t(0u - uint32_t(bits)) : bits;
        return true;
    }
    if (negative ? acc > 0x80000000ull : acc > 0x7FFFFFFFull)
        return false;
    value = negative ? int32_t(0u - uint32_t(acc)) : int32_t(acc);
    return true;
}

namespace {

bool IsSectionLine(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith('['))
        return false;
    const int close = t.indexOf(']');
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool IsKeyLine(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#'))
        return false;
    const int eq = line.indexOf('=');
    if (eq < 0)
        return false;
    if (key)
        *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}

} // namespace

TIniFile::TIniFile(const QString &fileName) : FFileName(fileName)
{
    QFile f(fileName);
    if (!f.exists())
        return;
    if (!OpenPlainFile(f)) {
        FReadable = false;
        return;
    }
    Parse(f.readAll());
}

TIniFile::TIniFile(const QString &fileName, const QByteArray &bytes) : FFileName(fileName) { Parse(bytes); }

void TIniFile::Parse(const QByteArray &bytes)
{
    if (bytes.contains("\r\n"))
        FNewline = QStringLiteral("\r\n");
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\r', '\n');
    FLines = text.split('\n');
    if (!FLines.isEmpty() && FLines.last().isEmpty())
        FLines.removeLast();
}

TIniFile::Location TIniFile::Find(const QString &section, const QString &key) const
{
    Location loc;
    bool inSection = false;
    int lastContent = -1;
    for (int i = 0; i < FLines.size(); ++i) {
        QString name;
        if (IsSectionLine(FLines[i], &name)) {
            if (inSection)
                break;   // the first section of that name is the one that counts
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                loc.sectionLine = i;
                lastContent = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!FLines[i].trimmed().isEmpty())
            lastContent = i;
        QString k;
        if (IsKeyLine(FLines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0) {
            loc.keyLine = i;
            return loc;
        }
    }
    loc.insertAt = lastContent + 1;
    return loc;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    return Find(section, key).keyLine >= 0;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const Location loc = Find(section, key);
    if (loc.keyLine < 0)
        return def.left(MaxValueLength);
    QString value;
    IsKeyLine(FLines[loc.keyLine], nullptr, &value);
    // Matching outer quotes protect leading and trailing blanks; they are not part of the value.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength);
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    int value;
    return ProfileStrToInt(ReadString(section, key, QString()), value) ? value : def;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const Location loc = Find(section, key);
    const QString line = key + '=' + value;
    if (loc.keyLine >= 0) {
        FLines[loc.keyLine] = line;
    } else if (loc.sectionLine >= 0) {
        FLines.insert(loc.insertAt, line);
    } else {
        if (!FLines.isEmpty() && !FLines.last().trimmed().isEmpty())
            FLines.append(QString());
        FLines.append('[' + section + ']');
        FLines.append(line);
    }
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString TIniFile::Text() const
{
    QString text;
    for (const QString &line : FLines)
        text += line + FNewline;
    return text;
}

bool TIniFile::UpdateFile()
{
    if (!FReadable)
        return false;   // rewriting would throw away a file we never saw
    return WriteFileAtomically(FFileName, Text().toUtf8());
}
