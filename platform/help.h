#pragma once
// The program's help: a plain UTF-8 topic file of our own beside the program,
// shown by topic number in a viewer window or as a pop-up near the pointer.
//
// File format:
//   "@@ <number> <title>" starts a topic; its body runs to the next "@@" line.
//   Lines starting with "##" are comments anywhere.
//   Blank lines separate paragraphs; consecutive text lines join.
//   "*bold*" inside a line; "[[<number>|link text]]" links to another topic.
//   "- item" is a bullet; "<digits>. step" is a numbered step.
#include <QMap>
#include <QPoint>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QPushButton;

class THelpFile {
public:
    struct Topic {
        QString Title;
        QString Body;   // the topic's source lines
    };

    // Reads a help file; Error() says why when it could not be read.
    static THelpFile Load(const QString &path);
    static THelpFile Parse(const QString &text);

    bool IsLoaded() const { return FLoaded; }
    const QString &Error() const { return FError; }
    bool HasTopic(int number) const { return FTopics.contains(number); }
    QList<int> Topics() const { return FTopics.keys(); }
    QString Title(int number) const { return FTopics.value(number).Title; }
    // Takes every topic `other` has in place of this file's, keeping the rest;
    // a file that could not be read changes nothing.
    void Overlay(const THelpFile &other);
    // The topic as rich text for QTextBrowser, links as "topic:<number>".
    QString Html(int number) const;

private:
    QMap<int, Topic> FTopics;
    bool FLoaded = false;
    QString FError;
};

// The help file set at start-up, given without a folder; it is looked for
// beside the program.
void SetHelpFile(const QString &name);
QString HelpFile();
QString HelpFilePath();
// The help in the program's language beside it ("Lumword.de.hlp" for
// "Lumword.hlp"), whose topics are shown instead of the English ones it has;
// empty while the program speaks English.
QString TranslatedHelpFilePath();

// A window showing one topic at a time, following links, with Contents and Back.
//
// A modal dialog blocks every window that is not its own, so while one is
// open the viewer becomes a window of the innermost modal dialog, and goes
// back to being a window of its own when that dialog closes. The help is
// usable beside the dialog it explains, and the dialog keeps its state.
class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget *parent = nullptr);
    void ShowTopic(int number);
    int CurrentTopic() const { return FCurrent; }
    QString CurrentText() const;   // plain text of what is shown, for tests
    // Moves the viewer under the innermost modal dialog, or out on its own.
    void FollowModalDialog();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Display(int number);
    QTextBrowser *FBrowser;
    QPushButton *FBack;
    QList<int> FHistory;
    int FCurrent = -1;
};

// Shows a topic in the program's one viewer window, creating it when needed.
// A missing file or topic is reported inside the viewer; nothing is thrown.
THelpViewer *HelpShowTopic(int number);
// Shows the topic's text in a small window near the pointer that closes on the next click.
void HelpShowPopup(int number, const QPoint &globalPos);
// The text the pop-up shows for a topic (rich text), or a message when it is missing.
QString HelpPopupText(int number);
