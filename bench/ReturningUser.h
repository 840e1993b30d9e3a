// The folders of a main window under measurement: the build's data as its
// "Contents", and a program folder and configuration folder in a temporary
// place, holding the preferences file of a returning user, so that no about
// window opens and no update check runs.
#pragma once

#include "core/Selection.h"
#include "prefs/PrefsFile.h"
#include "ui/WinMain.h"

#include <QDir>
#include <QRect>
#include <QTemporaryDir>

namespace KaminorBench {

// False when the preferences file could not be written.
inline bool returningUserFolders(const QTemporaryDir& tmp, const QString& share, const Kaminor::Prefs& stored,
                                 const QRect& bounds, Kaminor::WinMain::Folders& folders)
{
    folders.applicationFolder = tmp.filePath(QStringLiteral("bin"));
    folders.contents = share;
    folders.userPreferences = tmp.filePath(QStringLiteral("config"));
    const QString prefsFolder = folders.userPreferences + QStringLiteral("/Kaminor");
    return QDir().mkpath(folders.applicationFolder) && QDir().mkpath(prefsFolder)
           && Kaminor::PrefsSauver(stored, prefsFolder, bounds, Kaminor::firstRunSelection());
}

} // namespace KaminorBench
