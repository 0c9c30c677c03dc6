#include "platform/AppHints.h"

namespace {
bool GShowHint = true;
}

bool ApplicationShowHint() { return GShowHint; }
void SetApplicationShowHint(bool on) { GShowHint = on; }
