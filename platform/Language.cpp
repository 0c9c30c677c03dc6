#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

struct TInstalled {
    QString Code = QStringLiteral("en");
    std::unique_ptr<QTranslator> Program;
    std::unique_ptr<QTranslator> Qt;
    QLocale DefaultBefore;
};

TInstalled &Installed()
{
    static TInstalled installed;
    return installed;
}

bool Offered(const QString &code)
{
    for (const TProgramLanguage &l : ProgramLanguages())
        if (l.Code == code)
            return true;
    return false;
}

} // namespace

const QList<TProgramLanguage> &ProgramLanguages()
{
    static const QList<TProgramLanguage> languages = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
    };
    return languages;
}

QString ChooseLanguage(const QString &stored, const QStringList &desktop)
{
    if (Offered(stored))
        return stored;
    for (const QString &wanted : desktop) {
        // "de-AT", "de_AT.UTF-8" and "de" all ask for German.
        const QString code = wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (Offered(code))
            return code;
    }
    return QStringLiteral("en");
}

bool InstallLanguage(const QString &code)
{
    RemoveLanguage();
    if (code == QLatin1String("en") || !Offered(code))
        return code == QLatin1String("en");
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/lumword_%1.qm").arg(code)))
        return false;
    TInstalled &in = Installed();
    in.DefaultBefore = QLocale();
    QCoreApplication::installTranslator(program.get());
    in.Program = std::move(program);
    // Qt's own texts (the file dialog, the standard buttons) where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        in.Qt = std::move(qt);
    }
    QLocale::setDefault(QLocale(code));
    in.Code = code;
    return true;
}

void RemoveLanguage()
{
    TInstalled &in = Installed();
    if (in.Code == QLatin1String("en"))
        return;
    // A translator takes itself out of the application as it goes.
    in.Qt.reset();
    in.Program.reset();
    QLocale::setDefault(in.DefaultBefore);
    in.Code = QStringLiteral("en");
}

QString ProgramLanguage() { return Installed().Code; }

QLocale ProgramLocale()
{
    return ProgramLanguage() == QLatin1String("en") ? QLocale(QLocale::English) : QLocale();
}
