#pragma once
// What a save compares against: the content of a file as this copy of the
// program last read or wrote it. Another copy (one on another machine that
// shares the folder, or one the single-start lock could not keep out) may
// have replaced the file since; a save that went ahead regardless would throw
// that copy's work away unseen.
#include <QByteArray>
#include <QString>
#include <optional>

class TFileBase {
public:
    void Remember(const QByteArray &bytes);
    void RememberMissing();
    // Nothing known: no later change can be told, and none is reported.
    void Forget();
    bool Known() const { return FKnown; }
    // What was remembered (empty for a missing file).
    const QByteArray &Bytes() const { return FBytes; }

    // True when the file is not what was remembered: other bytes, or there
    // when it was missing, or gone when it was there. `now` receives what is
    // there now (nothing for a missing file). Throws EInOutError "Cannot open
    // file %s" when the file exists but cannot be read.
    bool ChangedOnDisk(const QString &path, std::optional<QByteArray> *now = nullptr) const;

    // The file's bytes, or nothing when it does not exist; throws as above.
    static std::optional<QByteArray> Read(const QString &path);
    // A digest of a file's content that tells one recording from another
    // without keeping it; empty when the file cannot be read.
    static QByteArray Digest(const QString &path);

private:
    bool FKnown = false;
    bool FExists = false;
    QByteArray FBytes;
};
