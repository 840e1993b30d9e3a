// Two preference records that give clearly different files, for the tests that
// interrupt a save: the file must always hold one of them whole.
#pragma once

#include "prefs/PrefsFile.h"

#include <QDateTime>
#include <QRect>
#include <QString>

namespace SaveSets {

struct Set {
    Kaminor::Prefs prefs;
    QRect bounds;
    Kaminor::Selection selection;
};

// which is 0 or 1. The details are long, and of different lengths, so that a
// file cut short or written over the other one shows in its size and bytes.
inline Set make(int which)
{
    Set s;
    s.prefs.DateDuJour = QDateTime(QDate(2026, 12, 11), QTime(8, 30, 15));
    s.prefs.AutoCheckUpdt = which == 1;
    s.prefs.Sfx = which == 0;
    s.prefs.PasswPrix = which == 0 ? QStringLiteral("ortolan") : QStringLiteral("pr\u00e9c\u00e9dent");
    s.prefs.CoeffPrix = which == 0 ? 1.25 : 2.5;
    QStringList lines;
    for (int i = 0; i < (which == 0 ? 300 : 450); ++i)
        lines << QStringLiteral("%1 ligne %2 de l'adresse").arg(which == 0 ? QStringLiteral("A") : QStringLiteral("B")).arg(i);
    s.prefs.MyDetails = lines.join(QLatin1Char('\n'));
    s.bounds = which == 0 ? QRect(20, 60, 894, 680) : QRect(100, 120, 1000, 700);
    s.selection = Kaminor::firstRunSelection();
    s.selection.side = qint16(which == 0 ? 1 : 4);
    s.selection.tva = qint16(which == 0 ? 0 : 2);
    return s;
}

inline bool save(int which, const QString& folder)
{
    const Set s = make(which);
    return Kaminor::PrefsSauver(s.prefs, folder, s.bounds, s.selection);
}

} // namespace SaveSets
