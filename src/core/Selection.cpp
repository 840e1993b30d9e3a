#include "Selection.h"

namespace Kaminor {

qint16 Selection::index(Group g) const
{
    switch (g) {
    case Group::Body: return body;
    case Group::DoorGlass: return doorGlass;
    case Group::Color: return color;
    case Group::Side: return side;
    case Group::Plate: return plate;
    case Group::Tablet: return tablet;
    case Group::DoorLogs: return doorLogs;
    case Group::CredImp: return credImp;
    case Group::TVA: return tva;
    }
    return 0;
}

void Selection::setIndex(Group g, qint16 value)
{
    switch (g) {
    case Group::Body: body = value; break;
    case Group::DoorGlass: doorGlass = value; break;
    case Group::Color: color = value; break;
    case Group::Side: side = value; break;
    case Group::Plate: plate = value; break;
    case Group::Tablet: tablet = value; break;
    case Group::DoorLogs: doorLogs = value; break;
    case Group::CredImp: credImp = value; break;
    case Group::TVA: tva = value; break;
    }
}

QString buttonArrayName(Group g)
{
    static const char* const names[GroupCount] = {"RdButtBody",   "RdButtDoorGlass", "RdButtColor",
                                                  "RdButtSide",   "RdButtPlate",     "RdButtTablet",
                                                  "RdButtDoorLogs", "RdButtCredImp", "RdButtTVA"};
    return QString::fromLatin1(names[static_cast<int>(g)]);
}

Selection firstRunSelection()
{
    Selection s;
    s.doorGlass = 1;
    s.doorLogs = 2;
    return s;
}

} // namespace Kaminor
