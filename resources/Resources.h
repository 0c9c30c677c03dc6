#pragma once
// The program's own pictures, built in as Qt resources (":/FONT_11X13",
// ":/about/AboutLogo.gif", the window icon ":/appicon/48.png" and so on). They live in a static library, whose
// resource tables the linker only keeps when something calls this; every user
// calls it before the first load.
void InitResources();
