#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QString CorporaDir()
{
    const QString dir = QStringLiteral(LUMWORD_CORPORA);
    if (!QDir(dir).exists())
        ADD_FAILURE() << "corpora folder missing: " << dir.toStdString();
    return dir;
}

QString CorpusFile(const QString &relative) { return CorporaDir() + "/" + relative; }

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return f.readAll();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}
