// Builds a selection from the seven stove indices, rates left at 0.
#pragma once

#include "core/Selection.h"

#include <QMetaType>

inline Kaminor::Selection sel(int body, int glass, int colour, int side, int plate, int tablet, int logs)
{
    Kaminor::Selection s;
    s.body = qint16(body);
    s.doorGlass = qint16(glass);
    s.color = qint16(colour);
    s.side = qint16(side);
    s.plate = qint16(plate);
    s.tablet = qint16(tablet);
    s.doorLogs = qint16(logs);
    return s;
}

Q_DECLARE_METATYPE(Kaminor::Selection)
