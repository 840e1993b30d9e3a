// The option catalogue: the nine option groups, their sizes and code pieces.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace Kaminor {

// The option groups, in the order InitIDEvalues selects their buttons.
enum class Group { Body, DoorGlass, Color, Side, Plate, Tablet, DoorLogs, CredImp, TVA };
inline constexpr int GroupCount = 9;
// The seven groups that make the stove (and its photo reference).
inline constexpr int StoveGroupCount = 7;

// The name of a group's button array ("RdButtSide"): its buttons' names and the error reports use it.
QString buttonArrayName(Group g);

// Number of buttons of each group, indexed by Group.
inline constexpr std::array<int, GroupCount> GroupSizes{5, 2, 2, 6, 4, 4, 3, 2, 3};

inline constexpr int groupSize(Group g) { return GroupSizes[static_cast<int>(g)]; }

// The remembered selection: nine signed 16-bit indices.
struct Selection {
    qint16 body = 0;      // MindBody
    qint16 doorGlass = 0; // MindDoorGlass
    qint16 color = 0;     // MindColor
    qint16 side = 0;      // MindSide
    qint16 plate = 0;     // MindPlate
    qint16 tablet = 0;    // MindTablet
    qint16 doorLogs = 0;  // MindDoorLogs
    qint16 tva = 0;       // MindTVA
    qint16 credImp = 0;   // MindCredImp

    qint16 index(Group g) const;
    void setIndex(Group g, qint16 value);
    bool operator==(const Selection&) const = default;
};

// The selection of a first run, which the rules accept.
Selection firstRunSelection();

} // namespace Kaminor
