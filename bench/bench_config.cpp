// Opening the configuration dialog: from the click on "Configure" to the
// dialog's first paint, with 500 words and the seven shipped backgrounds,
// against a bare QDialog holding a QFontComboBox and three list boxes of the
// same words, opened and measured the same way in the same run:
//   OpenConfigDialog  ms_per_open       = click to first paint of TfmConfig
//                     vs_bare_dialog    = that / the same for the bare dialog
//                     first_ms, bare_first_ms: the first opening in the process
//                     load1, sound_server: the load average and whether a
//                     sound server answered (1) when the run ended
// With a sound server the dialog must not wait for it before painting.
#include "BenchMain.h"
#include "app/uMain.h"
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "platform/ProgramFile.h"
#include "widgets/oxBtns.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFontComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

// Closes a dialog once it has painted, and says how long that took from `start`.
class FirstPaintCloser : public QObject {
public:
    QElapsedTimer start;
    qint64 elapsed = -1;
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && e->type() == QEvent::Paint && elapsed < 0) {
            // The children paint in the same pass; the zero timer runs once it is over.
            QTimer::singleShot(0, dialog, [this, dialog] {
                elapsed = start.nsecsElapsed();
                dialog->reject();
            });
            elapsed = 0;
        }
        return false;
    }
};

struct TFolder {
    QTemporaryDir dir;
    TFolder()
    {
        QDir().mkdir(dir.filePath("images"));
        const QDir shipped(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/images");
        for (const QString &name : shipped.entryList({"*.jpg"}, QDir::Files))
            QFile::copy(shipped.filePath(name), dir.filePath("images/" + name));
        SetProgramFilePath(dir.filePath("lumword"));
        LoadSettings();
        ClearWordLists();
        for (int i = 0; i < 500; ++i) {
            const TWordEntry w{QStringLiteral("word%1").arg((i * 7919) % 1000, 3, 10, QLatin1Char('0')), i};
            AllWords.append(w);
            (i % 3 == 0 ? NewWords : i % 3 == 1 ? NowWords : KnownWords).append(w);
        }
        SaveWordListAndSettings();
    }
};

// The bare dialog: the same words in three list boxes and a font combo box.
void OpenBareDialog(QWidget *owner)
{
    QDialog d(owner);
    d.setFixedSize(484, 363);
    auto *fonts = new QFontComboBox(&d);
    fonts->setGeometry(10, 10, 170, 22);
    fonts->setCurrentFont(QFont(QStringLiteral("Arial")));
    int x = 18;
    for (const TWordList *list : {&NewWords, &NowWords, &KnownWords}) {
        auto *lb = new QListWidget(&d);
        lb->setGeometry(x, 40, 135, 220);
        lb->setSelectionMode(QAbstractItemView::MultiSelection);
        lb->setSortingEnabled(true);
        for (const TWordEntry &w : *list) {
            auto *item = new QListWidgetItem(w.Text, lb);
            item->setData(Qt::UserRole, w.SoundNo);
        }
        x += 156;
    }
    d.exec();
}

double OpenOnce(QAbstractButton *button, FirstPaintCloser &closer)
{
    closer.elapsed = -1;
    closer.start.start();
    button->click();   // the same path as a mouse click, for both buttons
    return closer.elapsed / 1e6;
}

void OpenConfigDialog(benchmark::State &state)
{
    static TFolder folder;
    TfmMain main;
    main.show();
    QPushButton bareOpener(QStringLiteral("Configure"));
    bareOpener.resize(200, 100);
    QObject::connect(&bareOpener, &QPushButton::clicked, &bareOpener, [&] { OpenBareDialog(&bareOpener); });
    bareOpener.show();
    QApplication::processEvents();
    FirstPaintCloser closer;
    qApp->installEventFilter(&closer);

    // Both pay the font list and the first glyphs once, before timing; the
    // first opening after start is reported on its own.
    const double first = OpenOnce(main.btConfigure, closer);
    const double bareFirst = OpenOnce(&bareOpener, closer);

    double subject = 0, baseline = 0;
    int64_t n = 0;
    for (auto _ : state) {
        const double ms = OpenOnce(main.btConfigure, closer);
        if (ms <= 0) {
            state.SkipWithError("the dialog did not paint");
            break;
        }
        state.SetIterationTime(ms / 1e3);
        subject += ms;
        baseline += OpenOnce(&bareOpener, closer);
        ++n;
    }
    qApp->removeEventFilter(&closer);
    if (n > 0) {
        state.counters["ms_per_open"] = subject / n;
        state.counters["bare_ms_per_open"] = baseline / n;
        state.counters["vs_bare_dialog"] = subject / baseline;
        state.counters["first_ms"] = first;
        state.counters["bare_first_ms"] = bareFirst;
        state.counters["load1"] = QByteArray::fromStdString(BenchLoadAverage()).split(' ').value(0).toDouble();
        state.counters["sound_server"] = BenchSoundServerSocket().isEmpty() ? 0 : 1;
    }
}
BENCHMARK(OpenConfigDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
