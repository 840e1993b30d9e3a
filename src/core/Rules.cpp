#include "Rules.h"

#include <QSet>

namespace Kaminor {

namespace {

// Code pieces of the seven stove groups, by button index. An empty piece is
// the "none" option of its group.
const QStringList& piecesOf(Group group)
{
    static const QStringList body{"KD", "TS", "OV", "ZT", "HD"};
    static const QStringList doorGlass{"-PV", "-PA"};
    static const QStringList color{"-G", "-N"};
    static const QStringList side{"-AGT", "-AGR", "-ANM", "-PGN", "-PSE", "-CBL"};
    static const QStringList plate{"", "-DPGN", "-DPSE", "-DCBL"};
    static const QStringList tablet{"", "-TPGN", "-TPSE", "-TCBL"};
    static const QStringList doorLogs{"-BA", "-BV", ""};
    static const QStringList none;
    switch (group) {
    case Group::Body: return body;
    case Group::DoorGlass: return doorGlass;
    case Group::Color: return color;
    case Group::Side: return side;
    case Group::Plate: return plate;
    case Group::Tablet: return tablet;
    case Group::DoorLogs: return doorLogs;
    case Group::CredImp:
    case Group::TVA: break;
    }
    return none;
}

bool inRange(Group group, int index)
{
    return index >= 0 && index < piecesOf(group).size();
}

bool sameCode(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// Two stone materials agree when one of them is missing or both are equal.
bool agree(const QString& a, const QString& b)
{
    return a.isEmpty() || b.isEmpty() || a.compare(b, Qt::CaseInsensitive) == 0;
}

constexpr Group stoveGroups[StoveGroupCount] = {Group::Body, Group::DoorGlass, Group::Color, Group::Side,
                                                Group::Plate, Group::Tablet, Group::DoorLogs};

} // namespace

QString codePiece(Group group, int index)
{
    if (!inRange(group, index))
        return QString();
    return piecesOf(group).at(index);
}

bool RetTestStone(const QString& sidePiece, const QString& platePiece, const QString& tabletPiece)
{
    QString side;
    if (sameCode(sidePiece, "-PGN") || sameCode(sidePiece, "-PSE") || sameCode(sidePiece, "-CBL"))
        side = sidePiece.mid(1);
    const QString plate = platePiece.mid(2);
    const QString tablet = tabletPiece.mid(2);
    const bool compatible = agree(side, plate) && agree(side, tablet) && agree(tablet, plate);
    return !compatible;
}

Evaluation evaluate(const Selection& remembered, const Selection& wanted)
{
    Evaluation ev;
    Selection s = wanted;
    s.tva = remembered.tva;
    s.credImp = remembered.credImp;

    // The group that changed imposes its stone material on the groups that hold one.
    if (s.side != remembered.side) {
        if (s.side >= 3) {
            if (s.plate >= 1)
                s.plate = qint16(s.side - 2);
            if (s.tablet >= 1)
                s.tablet = qint16(s.side - 2);
        }
    } else if (s.plate != remembered.plate) {
        if (s.plate >= 1) {
            if (s.side >= 3)
                s.side = qint16(s.plate + 2);
            if (s.tablet >= 1)
                s.tablet = s.plate;
        }
    } else if (s.tablet != remembered.tablet) {
        if (s.tablet >= 1) {
            if (s.side >= 3)
                s.side = qint16(s.tablet + 2);
            if (s.plate >= 1)
                s.plate = s.tablet;
        }
    }

    // Model rules, only when the model changes: no tablet but on Tessa, no log-store door on Orvo.
    if (inRange(Group::Body, s.body)) {
        if (s.body != remembered.body) {
            if (s.body != 1)
                s.tablet = 0;
            if (s.body == 2)
                s.doorLogs = 2;
        }
    }

    for (int i = 0; i < StoveGroupCount; ++i) {
        const Group g = stoveGroups[i];
        const int index = s.index(g);
        if (!inRange(g, index))
            ev.errors << QStringLiteral("Index ") + buttonArrayName(g) + QStringLiteral(" = ") + QString::number(index);
        ev.pieces[i] = codePiece(g, index);
        ev.reference += ev.pieces[i];
    }

    const QString& model = ev.pieces[0];
    const QString& glass = ev.pieces[1];
    const QString& colour = ev.pieces[2];
    const QString& sidePiece = ev.pieces[3];
    const QString& platePiece = ev.pieces[4];
    const QString& tabletPiece = ev.pieces[5];
    const QString& logs = ev.pieces[6];

    bool refused = false;
    if (sameCode(model, "OV") && !logs.isEmpty())
        refused = true;
    else if (!sameCode(model, "TS") && !tabletPiece.isEmpty())
        refused = true;
    else if (sameCode(colour, "-G") && sameCode(glass, "-PV"))
        refused = true;
    else if (RetTestStone(sidePiece, platePiece, tabletPiece))
        refused = true;

    ev.accepted = !refused;
    ev.adjusted = s;
    return ev;
}

QList<Stove> buildableStoves()
{
    QList<Stove> stoves;
    QSet<QString> seen;
    Selection c;
    for (c.body = 0; c.body < groupSize(Group::Body); ++c.body)
        for (c.doorGlass = 0; c.doorGlass < groupSize(Group::DoorGlass); ++c.doorGlass)
            for (c.color = 0; c.color < groupSize(Group::Color); ++c.color)
                for (c.side = 0; c.side < groupSize(Group::Side); ++c.side)
                    for (c.plate = 0; c.plate < groupSize(Group::Plate); ++c.plate)
                        for (c.tablet = 0; c.tablet < groupSize(Group::Tablet); ++c.tablet)
                            for (c.doorLogs = 0; c.doorLogs < groupSize(Group::DoorLogs); ++c.doorLogs) {
                                // Remembered equal to the candidate: no coupling, no model rule,
                                // the candidate is judged as it stands.
                                const Evaluation ev = evaluate(c, c);
                                if (!ev.accepted || seen.contains(ev.reference))
                                    continue;
                                seen.insert(ev.reference);
                                stoves.append(Stove{ev.adjusted, ev.reference});
                            }
    return stoves;
}

} // namespace Kaminor
