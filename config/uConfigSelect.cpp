// The word lists of the dialog: the list box of words that the recording and
// selection pages share, and the selection page, which moves words between
// new, in use and known.
#include "config/uConfig.h"

#include "config/uConfigCommon.h"
#include "widgets/oxBtns.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QLabel>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <utility>

// ---------------------------------------------------------------------------
// TWordListBox

namespace {

constexpr int SoundNoRole = Qt::UserRole;

bool WordLess(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

// A dragged word names the list it comes from, by this process and the
// list's address; only a list of the same window with that name takes it.
const QString kWordDragFormat = QStringLiteral("application/x-pellan-wordlark-word");

QByteArray DragTag(const TWordListBox *list)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' + QByteArray::number(quintptr(list));
}

TWordDragHook &WordDragHook()
{
    static TWordDragHook hook;
    return hook;
}

} // namespace

TWordListBox::TWordListBox(QWidget *parent) : QListWidget(parent)
{
    setSortingEnabled(false);   // the order is kept by AddWord
    setUniformItemSizes(true);
}

int TWordListBox::AddWord(const TWordEntry &word)
{
    // After the last entry that does not sort after the new one.
    int lo = 0, hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (WordLess(word.Text, item(mid)->text()))
            hi = mid;
        else
            lo = mid + 1;
    }
    auto *it = new QListWidgetItem(word.Text);
    it->setData(SoundNoRole, word.SoundNo);
    insertItem(lo, it);
    return lo;
}

TWordEntry TWordListBox::Word(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? TWordEntry{it->text(), it->data(SoundNoRole).toInt()} : TWordEntry{};
}

TWordList TWordListBox::Words() const
{
    TWordList words;
    words.reserve(count());
    for (int i = 0; i < count(); ++i)
        words.append(Word(i));
    return words;
}

void TWordListBox::SetWords(const TWordList &words)
{
    TWordList sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TWordEntry &a, const TWordEntry &b) { return WordLess(a.Text, b.Text); });
    setUpdatesEnabled(false);
    clear();
    for (const TWordEntry &w : std::as_const(sorted)) {
        // Filled before it joins the list: a change to an item in a list
        // tells the whole view.
        auto *it = new QListWidgetItem(w.Text);
        it->setData(SoundNoRole, w.SoundNo);
        addItem(it);
    }
    setUpdatesEnabled(true);
}

void TWordListBox::keyPressEvent(QKeyEvent *event)
{
    const QListWidgetItem *before = currentItem();
    const bool wasSelected = before && before->isSelected();
    QListWidget::keyPressEvent(event);
    const QListWidgetItem *after = currentItem();
    if (after && after->isSelected() && (after != before || !wasSelected))
        emit KeySelected();
}

void TWordListBox::SetDragMoves(bool on)
{
    FDragMoves = on;
    setDragDropMode(on ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

TWordDragHook SetWordDragHook(TWordDragHook hook) { return std::exchange(WordDragHook(), std::move(hook)); }

TWordListBox *TWordListBox::SourceOf(const QMimeData *data) const
{
    // Data without the tag (another program's text) has an empty one, which
    // names no list.
    if (!FDragMoves || !data)
        return nullptr;
    const QByteArray tag = data->data(kWordDragFormat);
    for (TWordListBox *list : window()->findChildren<TWordListBox *>())
        if (list != this && list->FDragMoves && DragTag(list) == tag)
            return list;
    return nullptr;
}

void TWordListBox::startDrag(Qt::DropActions)
{
    // Only the current entry travels; the drop moves it, so nothing is
    // removed here when the drag ends (QListWidget would remove the selection).
    QListWidgetItem *it = currentItem();
    if (!it)
        return;
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData;
    mime->setText(it->text());
    mime->setData(kWordDragFormat, DragTag(this));
    drag->setMimeData(mime);
    if (const TWordDragHook &hook = WordDragHook()) {
        hook(drag);
        drag->deleteLater();
    } else {
        drag->exec(Qt::MoveAction);
    }
}

void TWordListBox::dragEnterEvent(QDragEnterEvent *event) { dragMoveEvent(event); }

void TWordListBox::dragMoveEvent(QDragMoveEvent *event)
{
    // A word moves, whatever the desktop proposes.
    event->setDropAction(Qt::MoveAction);
    event->setAccepted(SourceOf(event->mimeData()) != nullptr);
}

void TWordListBox::dropEvent(QDropEvent *event)
{
    TWordListBox *source = SourceOf(event->mimeData());
    event->setDropAction(Qt::MoveAction);
    event->setAccepted(source != nullptr);
    if (source)
        emit DroppedFrom(source);
}

// ---------------------------------------------------------------------------
// Pages

namespace {

// A black arrow on a background the button leaves out (its bottom-left pixel).
QImage ArrowBitmap(bool right)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPolygon arrow = right ? QPolygon({QPoint(4, 2), QPoint(12, 8), QPoint(4, 14)})
                           : QPolygon({QPoint(11, 2), QPoint(3, 8), QPoint(11, 14)});
    p.drawPolygon(arrow);
    return img;
}

// 33 and 37 pixels are too narrow for "None" in most desktops' own fonts,
// which a command button takes by default; the caption, 5 pixels in from the
// right edge, then starts left of the button. The dialog's 11-pixel font fits
// where Arial or a look-alike is installed; elsewhere its stand-in can still
// be too wide, so the font shrinks until the caption lies inside the button.
void FitCaption(ToxButton *b, QFont font)
{
    font.setPixelSize(QFontInfo(font).pixelSize());
    b->setFont(font);
    while (!b->rect().contains(b->CaptionRect()) && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        b->setFont(font);
    }
}

} // namespace

void TfmConfig::CreateSelectPage()
{
    QWidget *page = tsSelect;
    auto label = [page](int x, int y, const QString &caption) {
        auto *l = new QLabel(caption, page);
        l->setTextFormat(Qt::PlainText);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    Label1 = label(20, 20, tr("New words"));
    Label2 = label(176, 20, tr(" Words in use"));
    Label5 = label(324, 20, tr(" Words known"));
    auto count = [page](int x) {
        auto *l = new QLabel(QStringLiteral("0"), page);
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(x, 20, 25, l->sizeHint().height());
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    laNew = count(128);
    laNow = count(284);
    laKnown = count(432);

    auto list = [page](int x, QLabel *caption) {
        auto *lb = new TWordListBox(page);
        lb->setGeometry(x, 38, 135, 220);
        lb->setSelectionMode(QAbstractItemView::MultiSelection);
        lb->setAccessibleName(caption->text().trimmed());
        caption->setBuddy(lb);
        return lb;
    };
    lbNew = list(18, Label1);
    lbNow = list(174, Label2);
    lbKnown = list(322, Label5);
    for (TWordListBox *lb : {lbNew, lbNow, lbKnown}) {
        lb->SetDragMoves(true);
        connect(lb, &TWordListBox::DroppedFrom, this, [this, lb](TWordListBox *source) { lbNewEndDrag(source, lb); });
    }
    QPalette yellow = lbNow->palette();
    yellow.setColor(QPalette::Base, ToQColor(clYellow));
    lbNow->setPalette(yellow);
    SetHint(lbNew, tr("Those are new words, move them to the 'Words in use' list to use them"), 401);
    SetHint(lbNow, tr("Those words are used now. Move them to the list of 'words known' when your child knows them"), 402);
    SetHint(lbKnown, tr("Those words are known by your child"), 403);

    const QImage right = ArrowBitmap(true), left = ArrowBitmap(false);
    auto arrow = [this, page](int x, const QImage &picture, const QString &name) {
        auto *b = new ToxButton(page);
        b->setGeometry(x, 264, 25, 24);
        b->SetStyle(bsBorderless);
        b->SetFont3D(fsNone);
        b->PictureUp()->SetBitmap(picture);
        b->setAccessibleName(name);
        return b;
    };
    btNew2Now = arrow(128, right, tr("Move to words in use"));
    btNow2New = arrow(174, left, tr("Move to new words"));
    btNow2Known = arrow(284, right, tr("Move to words known"));
    btKnown2Now = arrow(322, left, tr("Move back to words in use"));
    SetHint(btNew2Now, tr("Move selected words to the list of 'Words in use'"), 404);
    SetHint(btNow2New, tr("Move selected words to the list of 'New words'"), 405);
    SetHint(btNow2Known, tr("Move selected words to the list of 'Words known'"), 406);
    SetHint(btKnown2Now, tr("Move selected words to the list of 'Words in use'"), 404);
    connect(btNew2Now, &ToxButton::OnClick, this, [this] { MoveSelected(lbNew, lbNow); });
    connect(btNow2New, &ToxButton::OnClick, this, [this] { MoveSelected(lbNow, lbNew); });
    connect(btNow2Known, &ToxButton::OnClick, this, [this] { MoveSelected(lbNow, lbKnown); });
    connect(btKnown2Now, &ToxButton::OnClick, this, [this] { MoveSelected(lbKnown, lbNow); });

    auto selectButton = [this, page](int x, int w, const QString &caption, TWordListBox *list, bool value) {
        ToxButton *b = CreateCommandButton(page, QRect(x, 265, w, 22), caption, TCommandLook::Plain);
        FitCaption(b, page->font());
        b->setAccessibleName(caption + " " + list->accessibleName());
        SetHint(b, value ? tr("Select all the words on the list above")
                         : tr("Unselect all the words on the list above"),
                value ? 407 : 408);
        connect(b, &ToxButton::OnClick, this, [this, list, value] { SelectAll(list, value); });
        return b;
    };
    btAllNew = selectButton(44, 33, tr("All"), lbNew, true);
    btAllNow = selectButton(208, 33, tr("All"), lbNow, true);
    btAllKnow = selectButton(356, 33, tr("All"), lbKnown, true);
    btNoneNew = selectButton(76, 37, tr("None"), lbNew, false);
    btNoneNow = selectButton(240, 37, tr("None"), lbNow, false);
    btNoneKnow = selectButton(388, 37, tr("None"), lbKnown, false);
}

void TfmConfig::MoveSelected(TWordListBox *source, TWordListBox *destination)
{
    SelectAll(destination, false);
    for (int i = source->count() - 1; i >= 0; --i) {
        if (!source->item(i)->isSelected())
            continue;
        const TWordEntry word = source->Word(i);
        delete source->takeItem(i);
        const int row = destination->AddWord(word);
        destination->item(row)->setSelected(true);
    }
    UpdateCounts();
}

void TfmConfig::lbNewEndDrag(TWordListBox *source, TWordListBox *target)
{
    const int row = source->currentRow();
    if (row < 0 || source == target)
        return;
    const TWordEntry word = source->Word(row);
    delete source->takeItem(row);
    source->setCurrentItem(nullptr);
    target->AddWord(word);
    UpdateCounts();
}

void TfmConfig::SelectAll(QListWidget *list, bool value)
{
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(value);
}

void TfmConfig::UpdateCounts()
{
    laNew->setText(QString::number(lbNew->count()));
    laNow->setText(QString::number(lbNow->count()));
    laKnown->setText(QString::number(lbKnown->count()));
}
