// The daily plan's file may be damaged on disk or be another program's. The
// bytes go through the plan's own reader; what it accepts must write back to
// the same bytes and must run a rotation and a forecast without harm.
#include "data/uPlan.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TPlan plan;
    if (!TPlan::Parse(bytes, plan))
        return 0;
    TPlan again;
    if (!TPlan::Parse(plan.Bytes(), again) || again.Bytes() != plan.Bytes())
        __builtin_trap();

    const QDate today(2026, 12, 7);
    TWordList newWords{{"ant", 1}, {"bee", 2}}, nowWords, knownWords;
    for (const TPlanWord &w : std::as_const(plan.Words))
        nowWords << w.Word;
    const qsizetype words = newWords.size() + nowWords.size();
    const TPlanRules rules{5, 2, 1, 3, 30};
    plan.Forecast(today, rules, newWords, nowWords);
    plan.Chart(today, 30, 0);
    plan.Rotate(today, rules, false, newWords, nowWords, knownWords);
    if (newWords.size() + nowWords.size() + knownWords.size() != words)
        __builtin_trap();
    return 0;
}
