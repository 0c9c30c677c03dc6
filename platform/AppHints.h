#pragma once
// The program-wide hint switch: tool tips of every window are shown or not,
// switched at once. The application object drops tool-tip events while it is off.
bool ApplicationShowHint();
void SetApplicationShowHint(bool on);
