// The preferences file: the settings, the main window's bounds and the last
// selection, one "key :@: value" per line, in the preferences folder.
#pragma once

#include "core/Selection.h"
#include "prefs/Prefs.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace Kaminor {

// The main window's minimum size, and the bounds it gets when the stored ones
// are missing or do not fit the screen.
inline constexpr QSize WinMainMinSize(894, 680);
inline constexpr QRect WinMainDefaultBounds(20, 60, 894, 680);

// The separator between key and value.
inline constexpr QLatin1StringView PrefsSeparator(" :@: ");

// "Kaminor Prefs.txt" inside folder.
QString prefsFilePath(const QString& folder);

// Sets the settings to their defaults and reads the file of folder over them.
// bounds receives the stored window bounds, or the default ones when they are
// missing or do not fit screenSize; it is left as it is when the file cannot
// be read. selection always ends inside the option ranges.
// Returns true when there was no file or it could not be read (the start-up
// then shows the about window), false after a successful read.
bool PrefsCharger(Prefs& prefs, const QString& folder, QRect& bounds, Selection& selection, QSize screenSize);

// Writes the whole file anew into folder. Nothing happens when folder is empty
// or is not an existing folder. The file is replaced only once it is written
// completely; a failure is reported and the previous file stays as it was.
// Returns true when the file was written.
bool PrefsSauver(const Prefs& prefs, const QString& folder, const QRect& bounds, const Selection& selection);

} // namespace Kaminor
