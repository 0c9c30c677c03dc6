#include "data/WordMerge.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace {

using TKey = QPair<QString, int>;            // text, sound number
using TSide = QMap<TKey, QList<int>>;        // the categories a word stands in, sorted

TSide Side(const TWordLists &lists)
{
    TSide side;
    const struct {
        const TWordList *list;
        int category;
    } groups[] = {{&lists.New, catNew}, {&lists.Now, catNow}, {&lists.Known, catKnown}};
    for (const auto &g : groups)
        for (const TWordEntry &w : *g.list)
            side[{w.Text, w.SoundNo}].append(g.category);
    for (QList<int> &categories : side)
        std::sort(categories.begin(), categories.end());
    return side;
}

QString ListName(int category)
{
    switch (category) {
    case catNew: return QCoreApplication::translate("WordMerge", "new words");
    case catNow: return QCoreApplication::translate("WordMerge", "words in use");
    default: return QCoreApplication::translate("WordMerge", "known words");
    }
}

QString TheirChange(const QString &text, const QList<int> &theirs)
{
    if (theirs.isEmpty())
        return QCoreApplication::translate("WordMerge", "\"%1\" (deleted)").arg(text);
    return QCoreApplication::translate("WordMerge", "\"%1\" (moved to %2)").arg(text, ListName(theirs.last()));
}

} // namespace

TWordListMerge MergeWordLists(const QByteArray &base, const QByteArray &theirs, const TWordLists &ours, int maxWords)
{
    const TSide b = Side(ParseWordLists(base)), t = Side(ParseWordLists(theirs)), o = Side(ours);
    QSet<TKey> keys;
    for (const TSide *side : {&b, &t, &o})
        for (auto it = side->cbegin(); it != side->cend(); ++it)
            keys.insert(it.key());

    TWordListMerge m;
    TSide result;
    QSet<int> taken;                 // every number any side uses
    for (const TKey &key : std::as_const(keys)) {
        taken.insert(key.second);
        const QList<int> bc = b.value(key), tc = t.value(key), oc = o.value(key);
        if (tc == bc)
            result[key] = oc;
        else if (oc == bc || oc == tc)
            result[key] = tc;
        else
            m.Undone << TheirChange(key.first, tc);
    }
    if (!m.Undone.isEmpty()) {
        m.Undone.sort(Qt::CaseInsensitive);
        return m;
    }

    // Both sides gave a new word the lowest free number. Theirs is on disk
    // already, and the other copy still runs with it: ours yields, so that
    // the other copy's next save meets only words it has not seen.
    QMap<int, int> holders;          // number -> words of the result using it
    for (auto it = result.cbegin(); it != result.cend(); ++it)
        if (!it.value().isEmpty())
            ++holders[it.key().second];
    TSide renumbered;
    int fresh = 0;
    for (auto it = result.cbegin(); it != result.cend(); ++it) {
        const TKey &key = it.key();
        const bool oursAlone = !it.value().isEmpty() && !b.contains(key) && !t.contains(key);
        if (!oursAlone || holders.value(key.second) < 2) {
            renumbered[key] += it.value();
            continue;
        }
        // A recording on disk under a number no side names is a deleted
        // word's, or one the other copy has just made for a word it has not
        // saved yet: neither may become this word's.
        while (fresh < maxWords && (taken.contains(fresh) || SoundOnDisk(fresh)))
            ++fresh;
        if (fresh >= maxWords) {
            m.Undone << QCoreApplication::translate("WordMerge", "\"%1\" (no free sound number for a word of this copy)").arg(key.first);
            return m;
        }
        taken.insert(fresh);
        --holders[key.second];
        m.Renumbered.append({TWordEntry{key.first, key.second}, fresh});
        renumbered[{key.first, fresh}] += it.value();
    }

    for (auto it = renumbered.cbegin(); it != renumbered.cend(); ++it)
        for (int category : it.value()) {
            const TWordEntry w{it.key().first, it.key().second};
            (category == catNew ? m.New : category == catNow ? m.Now : m.Known).append(w);
        }
    m.Merged = true;
    return m;
}
