// The start-up benchmark's build of the program: it quits right after the first
// paint of the main window that shows the stove photo.
#pragma once

namespace Kaminor {
class WinMain;
}

namespace KaminorBench {

// Watches the window's picture. Once a repaint that drew the photo has been
// completed, prints one "FIRSTPAINT ..." line on stdout (see Report.h) and
// leaves the event loop with 0; a first paint without the photo exits with 3.
void quitAfterFirstPaint(Kaminor::WinMain& window);

} // namespace KaminorBench
