// The configuration rules: stone coupling, model rules, code pieces and refusals.
// Pure functions of the selection; the Configurator drives them against the view.
#pragma once

#include "Selection.h"

#include <QList>
#include <QString>

#include <array>

namespace Kaminor {

// The seven code pieces in reference order: model, door glass, colour, sides,
// top plate, warming tablet, log-store door.
using CodePieces = std::array<QString, StoveGroupCount>;

struct Evaluation {
    bool accepted = false;
    Selection adjusted;  // the arguments after coupling and model rules (rates copied from `remembered`)
    CodePieces pieces;   // empty piece for "none" and for an out-of-range index
    QString reference;   // the seven pieces concatenated
    QStringList errors;  // detail lines of the error reports, e.g. "Index RdButtSide = 6"
};

// Steps 2 to 5 of Generate, without any side effect: `wanted` holds the seven
// stove indices asked for (its rates are ignored), `remembered` the last accepted selection.
Evaluation evaluate(const Selection& remembered, const Selection& wanted);

// True when the stone materials of sides, top plate and tablet disagree.
bool RetTestStone(const QString& sidePiece, const QString& platePiece, const QString& tabletPiece);

// The code piece of one stove group's index; empty for "none" or out of range.
QString codePiece(Group group, int index);

struct Stove {
    Selection selection; // rates 0
    QString reference;
};

// Every stove that can be built, one per photo reference, in a stable order.
QList<Stove> buildableStoves();

} // namespace Kaminor
