#pragma once
// The messages of one of the program's translation files, read as Qt Linguist
// writes them, for the tests that check the files and the windows against them.
#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

struct TTsMessage {
    QString Context, Source, Translation, Type;
};

inline QString TsFile(const QString &language)
{
    return QStringLiteral(LUMWORD_SOURCE_DIR "/translations/lumword_%1.ts").arg(language);
}

inline QList<TTsMessage> ReadTs(const QString &path)
{
    QList<TTsMessage> messages;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().Source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().Type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().Translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}
