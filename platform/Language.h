#pragma once
// The language the program speaks: English, which its texts are written in,
// or one of the translations built into it. Chosen once at start-up, before
// the first window, from the stored choice or the desktop's languages.
#include <QLocale>
#include <QString>
#include <QStringList>

struct TProgramLanguage {
    QString Code;   // "en", "de", ...
    QString Name;   // in its own language, as the chooser lists it
};

// English first, then the translations, in the chooser's order.
const QList<TProgramLanguage> &ProgramLanguages();

// The language to use: `stored` when it names one of ProgramLanguages(),
// otherwise the first of `desktop` (most wanted first, as
// QLocale::uiLanguages() gives them) that one of them matches, otherwise English.
QString ChooseLanguage(const QString &stored, const QStringList &desktop);

// Puts the program's and Qt's own translations for `code` in place and makes
// its dates and numbers the default. English installs nothing, so the program
// stays as it is without a translation. Returns false, leaving English, when
// the program has no translation for `code`.
bool InstallLanguage(const QString &code);
// Takes the translations out again (for tests that switch languages).
void RemoveLanguage();

// "en" until InstallLanguage put another in place.
QString ProgramLanguage();
// Dates and numbers in the program's language; English's without a translation.
QLocale ProgramLocale();
