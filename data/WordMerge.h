#pragma once
// Taking in what another copy of the program saved to the word list while
// this one had it open: each word (text and sound number) takes the change
// made to it on one side; where both sides changed the same word differently,
// saving ours would undo the other copy's change, and the merge says so.
#include "data/uCommon.h"

#include <QStringList>

struct TWordListMerge {
    bool Merged = false;       // false: Undone names what saving ours would undo
    TWordList New, Now, Known; // ours with the other copy's changes taken in
    QStringList Undone;        // the other copy's changes ours would undo, one line each
    // Our new words whose sound number the other copy gave to one of its new
    // words: they take a fresh number (`first`, with its old number) and have
    // no recording under it.
    QList<QPair<TWordEntry, int>> Renumbered;
};

// `base`: the word list file as both sides started from; `theirs`: as it is
// on disk now; `ours`: the lists about to be saved. A fresh number is below
// `maxWords`, used by no word of any side and has no recording on disk
// (SoundOnDisk: as played or as captured).
TWordListMerge MergeWordLists(const QByteArray &base, const QByteArray &theirs, const TWordLists &ours, int maxWords);
