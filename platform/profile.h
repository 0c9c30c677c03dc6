#pragma once
// INI profile files: "[Section]" lines and "key=value" lines beneath them.
// Sections and keys match without regard to case; every other line of the file
// (comments, unknown sections, blank lines) is kept as it was. Changes are made
// in memory and reach the disk through UpdateFile(), which writes a temporary
// file and renames it over the old one, so a crash or a full disk never leaves
// half a file.
#include <QString>
#include <QStringList>

// The integer reading of a profile value: decimal with an optional sign,
// "$" followed by hex digits, or "0x"/"0X" followed by hex digits when the
// value is longer than two characters. Hex values fill the full 32 bits (so
// "$FFFFFFFF" is -1). Returns false for anything else, including overflow.
bool ProfileStrToInt(const QString &text, int &value);

class TIniFile {
public:
    static constexpr int MaxValueLength = 1023;

    explicit TIniFile(const QString &fileName);
    // The file's contents already in memory: read exactly as the file would be.
    TIniFile(const QString &fileName, const QByteArray &bytes);

    const QString &FileName() const { return FFileName; }
    // False when the file existed but could not be read; the values then read
    // as their defaults.
    bool Readable() const { return FReadable; }

    bool ValueExists(const QString &section, const QString &key) const;
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);

    // Writes the whole file atomically. Returns false (and leaves the old
    // file untouched) when it cannot be written.
    bool UpdateFile();

    QString Text() const;

private:
    struct Location {
        int sectionLine = -1;   // index of the "[Section]" line, -1 when missing
        int keyLine = -1;       // index of the "key=" line, -1 when missing
        int insertAt = -1;      // where a new key of that section goes
    };
    void Parse(const QByteArray &bytes);
    Location Find(const QString &section, const QString &key) const;

    QString FFileName;
    QStringList FLines;
    QString FNewline = QStringLiteral("\n");
    bool FReadable = true;
};
