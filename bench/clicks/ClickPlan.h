// A fixed sequence of option clicks, worked out in advance from the rules, so
// that the window and the bare baseline go through the same photos.
#pragma once

#include "core/Selection.h"

#include <QList>
#include <QString>

#include <functional>

namespace KaminorBench {

struct Click {
    enum Kind {
        Photo,   // accepted, and the photo changes: the clicks that are timed
        Rate,    // a VAT or tax-credit rate: the same photo is drawn again
        Refused, // the rules refuse it: the refusal shows, then the window reverts
    };
    Kaminor::Group group;
    int index;
    Kind kind;
    QString reference; // what the window shows once the click has settled
};

struct PlanOptions {
    unsigned seed = 20240611;
    int photoClicks = 200;  // the plan ends after this many Photo clicks
    int refuseEvery = 25;   // every n-th click is one the rules refuse (0: never)
    int rateEvery = 15;     // every n-th click is a rate click (0: never)
};

// Starts from `start` (accepted by the rules). Every Photo click leads to a
// reference for which photoExists() is true.
QList<Click> planClicks(const Kaminor::Selection& start, const PlanOptions& options,
                        const std::function<bool(const QString&)>& photoExists);

// The clicks per group, "Body 41, DoorGlass 20, ...".
QString coverage(const QList<Click>& plan);

} // namespace KaminorBench
