#include "platform/help.h"

#include "platform/Language.h"
#include "platform/ProgramFile.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QWindow>

namespace {

QString GHelpFile = QStringLiteral("Lumword.hlp");

QString InlineHtml(const QString &line)
{
    QString html = line.toHtmlEscaped();
    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)\\|([^\\]]*)\\]\\]"));
    html.replace(link, QStringLiteral("<a href=\"topic:\\1\">\\2</a>"));
    static const QRegularExpression bold(QStringLiteral("\\*([^*]+)\\*"));
    html.replace(bold, QStringLiteral("<b>\\1</b>"));
    return html;
}

QString MessageHtml(const QString &text) { return "<p>" + text.toHtmlEscaped() + "</p>"; }

// The topic number of a "topic:<number>" link, or -1.
int LinkTopic(const QUrl &url)
{
    bool ok = false;
    const int number = url.path().toInt(&ok);
    return url.scheme() == QLatin1String("topic") && ok ? number : -1;
}

// Receives the clicks on links in the pop-ups: QWhatsThis reports them as an
// event to the widget the text was shown for, and does nothing without one.
class TPopupLinks : public QWidget {
protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::WhatsThisClicked)
            return QWidget::event(e);
        const int topic = LinkTopic(QUrl(static_cast<QWhatsThisClickedEvent *>(e)->href()));
        QWhatsThis::hideText();
        if (topic >= 0)
            HelpShowTopic(topic);
        return true;
    }
};

// "Pellan Wordlark Help — Nestling": the topic, then the program's name once.
// Desktop window systems append " — " and the application's name to a title
// unless it already ends with it, so this title looks the same everywhere.
QString ViewerTitle(const QString &topic)
{
    const QString shown = topic.isEmpty() ? QApplication::translate("THelpViewer", "Help") : topic;
    return shown + QStringLiteral(" — ") + QApplication::applicationDisplayName();
}

// The help of the program's language over the English one, topic by topic:
// a topic the translation lacks (not yet written, or a newer one) is shown in
// English rather than not at all.
THelpFile LoadProgramHelp()
{
    THelpFile help = THelpFile::Load(HelpFilePath());
    if (const QString translated = TranslatedHelpFilePath(); !translated.isEmpty())
        help.Overlay(THelpFile::Load(translated));
    return help;
}

} // namespace

THelpFile THelpFile::Load(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        THelpFile h;
        h.FError = QFileInfo::exists(path)
                       ? QApplication::translate("THelpViewer", "The help file %1 could not be read.").arg(path)
                       : QApplication::translate("THelpViewer", "The help file %1 could not be found. It belongs beside the program.")
                             .arg(path);
        return h;
    }
    return Parse(QString::fromUtf8(f.readAll()));
}

THelpFile THelpFile::Parse(const QString &text)
{
    THelpFile h;
    h.FLoaded = true;
    static const QRegularExpression header(QStringLiteral("^@@\\s*(\\d+)\\s*(.*)$"));
    Topic *current = nullptr;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString &line : normalised.split('\n')) {
        if (line.startsWith(QStringLiteral("##")))
            continue;
        const auto m = header.match(line);
        if (m.hasMatch()) {
            const int number = m.captured(1).toInt();
            h.FTopics[number] = Topic{m.captured(2).trimmed(), QString()};
            current = &h.FTopics[number];
            continue;
        }
        if (current)
            current->Body += line + '\n';
    }
    return h;
}

QString THelpFile::Html(int number) const
{
    const Topic t = FTopics.value(number);
    QString html = "<h2>" + t.Title.toHtmlEscaped() + "</h2>\n";
    QString paragraph;
    QString listTag;   // "ul" or "ol" while a list is open
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\s+(.*)$"));
    auto flushParagraph = [&] {
        if (!paragraph.isEmpty())
            html += "<p>" + paragraph.trimmed() + "</p>\n";
        paragraph.clear();
    };
    auto closeList = [&] {
        if (!listTag.isEmpty())
            html += "</" + listTag + ">\n";
        listTag.clear();
    };
    auto item = [&](const QString &tag, const QString &content) {
        flushParagraph();
        if (listTag != tag) {
            closeList();
            html += "<" + tag + ">\n";
            listTag = tag;
        }
        html += "<li>" + InlineHtml(content) + "</li>\n";
    };
    for (const QString &raw : t.Body.split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flushParagraph();
            closeList();
        } else if (line.startsWith(QStringLiteral("- "))) {
            item(QStringLiteral("ul"), line.mid(2));
        } else if (const auto m = numbered.match(line); m.hasMatch()) {
            item(QStringLiteral("ol"), m.captured(1));
        } else {
            closeList();
            paragraph += InlineHtml(line) + ' ';
        }
    }
    flushParagraph();
    closeList();
    return html;
}

void THelpFile::Overlay(const THelpFile &other)
{
    if (!other.FLoaded)
        return;
    for (auto it = other.FTopics.begin(); it != other.FTopics.end(); ++it)
        FTopics.insert(it.key(), it.value());
    FLoaded = true;
    FError.clear();
}

void SetHelpFile(const QString &name) { GHelpFile = name; }
QString HelpFile() { return GHelpFile; }

QString HelpFilePath()
{
    if (QFileInfo(GHelpFile).isAbsolute())
        return GHelpFile;
    return QFileInfo(ProgramFilePath()).absolutePath() + '/' + GHelpFile;
}

QString TranslatedHelpFilePath()
{
    const QString language = ProgramLanguage();
    if (language == QLatin1String("en"))
        return QString();
    const QFileInfo english(HelpFilePath());
    return english.path() + '/' + english.completeBaseName() + '.' + language + '.' + english.suffix();
}

THelpViewer::THelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    FBrowser = new QTextBrowser(this);
    FBrowser->setOpenLinks(false);
    auto *contents = new QPushButton(tr("&Contents"), this);
    FBack = new QPushButton(tr("&Back"), this);
    auto *close = new QPushButton(tr("C&lose"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(FBack);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(FBrowser);
    resize(560, 480);

    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
    connect(FBack, &QPushButton::clicked, this, [this] {
        if (!FHistory.isEmpty())
            Display(FHistory.takeLast());
        FBack->setEnabled(!FHistory.isEmpty());
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(FBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (const int topic = LinkTopic(url); topic >= 0)
            ShowTopic(topic);
    });
    FBack->setEnabled(false);
    // A viewer that is open when a dialog opens goes with it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (isVisible())
            FollowModalDialog();
    });
}

void THelpViewer::FollowModalDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    // The run screen is modal too, but the viewer must never stand over it.
    if (modal && !qobject_cast<QDialog *>(modal))
        return;
    QWidget *owner = parentWidget();
    if (modal == owner)
        return;
    if (owner)
        owner->removeEventFilter(this);
    const bool shown = isVisible();
    const QPoint at = pos();
    setParent(modal, windowFlags());
    if (modal)
        modal->installEventFilter(this);
    move(at);
    if (shown) {
        // Coming back after the move must not take the focus from the dialog.
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

bool THelpViewer::eventFilter(QObject *watched, QEvent *event)
{
    // Only the dialog the viewer belongs to is watched. It closing: out
    // before it hides its windows or deletes them.
    if (event->type() == QEvent::Hide)
        FollowModalDialog();
    return QWidget::eventFilter(watched, event);
}

void THelpViewer::ShowTopic(int number)
{
    if (FCurrent >= 0 && FCurrent != number)
        FHistory.append(FCurrent);
    FBack->setEnabled(!FHistory.isEmpty());
    Display(number);
}

void THelpViewer::Display(int number)
{
    FCurrent = number;
    // Read afresh each time, so an edited help file shows without a restart.
    const QString path = HelpFilePath();
    const THelpFile file = LoadProgramHelp();
    if (!file.IsLoaded()) {
        setWindowTitle(ViewerTitle(QString()));
        FBrowser->setHtml(MessageHtml(file.Error()));
    } else if (!file.HasTopic(number)) {
        setWindowTitle(ViewerTitle(QString()));
        FBrowser->setHtml(MessageHtml(
            tr("There is no help topic number %1 in %2.").arg(number).arg(QFileInfo(path).fileName())));
    } else {
        setWindowTitle(ViewerTitle(file.Title(number)));
        FBrowser->setHtml(file.Html(number));
    }
}

QString THelpViewer::CurrentText() const { return FBrowser->toPlainText(); }

THelpViewer *HelpShowTopic(int number)
{
    static QPointer<THelpViewer> viewer;
    if (!viewer)
        viewer = new THelpViewer;
    viewer->FollowModalDialog();
    viewer->ShowTopic(number);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

QString HelpPopupText(int number)
{
    const QString path = HelpFilePath();
    const THelpFile file = LoadProgramHelp();
    if (!file.IsLoaded())
        return MessageHtml(file.Error());
    if (!file.HasTopic(number))
        return MessageHtml(QApplication::translate("THelpViewer", "There is no help topic number %1 in %2.")
                               .arg(number)
                               .arg(QFileInfo(path).fileName()));
    return file.Html(number);
}

void HelpShowPopup(int number, const QPoint &globalPos)
{
    static TPopupLinks *links = new TPopupLinks;   // never shown; lives as long as the program
    QWhatsThis::showText(globalPos, HelpPopupText(number), links);
}
