// The line both start-up programs print once their first frame is painted:
//   FIRSTPAINT <monotonic ns> <peak RSS kB> <window w>x<h> <x>,<y>,<w>,<h> <photo path>
// The rectangle is where the photo was drawn, in the window's coordinates; the
// path takes the rest of the line.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace KaminorBench {

// CLOCK_MONOTONIC now, in nanoseconds: the runner reads the same clock before it
// starts the process.
long long monotonicNs();

// The process's peak resident size so far (VmHWM), in kB; -1 when unknown.
long long peakRssKb();

void printFirstPaint(long long monotonic, QSize window, QRect drawn, const QString& photo);

} // namespace KaminorBench
