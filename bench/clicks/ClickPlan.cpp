#include "ClickPlan.h"

#include "core/Rules.h"

#include <algorithm>
#include <array>
#include <random>

namespace KaminorBench {

using Kaminor::Group;
using Kaminor::Selection;

namespace {

constexpr std::array<Group, Kaminor::StoveGroupCount> stoveGroups{Group::Body, Group::DoorGlass, Group::Color,
                                                                  Group::Side, Group::Plate, Group::Tablet,
                                                                  Group::DoorLogs};

struct Candidate {
    Group group;
    int index;
    Kaminor::Evaluation ev;
};

// What a click on an option button does to the remembered selection, as the
// window's handler does it.
Kaminor::Evaluation tryClick(const Selection& mind, Group group, int index)
{
    Selection wanted = mind;
    wanted.setIndex(group, qint16(index));
    return Kaminor::evaluate(mind, wanted);
}

void accept(Selection& mind, const Kaminor::Evaluation& ev)
{
    for (Group g : stoveGroups) {
        const qint16 index = ev.adjusted.index(g);
        if (index >= 0 && index < Kaminor::groupSize(g))
            mind.setIndex(g, index);
    }
}

} // namespace

QList<Click> planClicks(const Selection& start, const PlanOptions& options,
                        const std::function<bool(const QString&)>& photoExists)
{
    std::mt19937 rng(options.seed);
    const auto pick = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };

    Selection mind = start;
    QString reference = Kaminor::evaluate(mind, mind).reference;
    QList<Click> plan;
    int photos = 0;
    // A walk that finds no way on (it should not happen) ends the plan early.
    for (int step = 1; photos < options.photoClicks && step < 100 * options.photoClicks; ++step) {
        if (options.refuseEvery > 0 && step % options.refuseEvery == 0) {
            std::vector<Candidate> refused;
            for (Group g : stoveGroups)
                for (int i = 0; i < Kaminor::groupSize(g); ++i)
                    if (i != mind.index(g))
                        if (Kaminor::Evaluation ev = tryClick(mind, g, i); !ev.accepted)
                            refused.push_back({g, i, ev});
            if (!refused.empty()) {
                const Candidate& c = refused[pick(refused.size())];
                plan.append({c.group, c.index, Click::Refused, reference});
                continue;
            }
        }
        if (options.rateEvery > 0 && step % options.rateEvery == 0) {
            const Group g = pick(2) == 0 ? Group::TVA : Group::CredImp;
            const int current = mind.index(g);
            int index = int(pick(std::size_t(Kaminor::groupSize(g) - 1)));
            if (index >= current)
                ++index;
            mind.setIndex(g, qint16(index));
            plan.append({g, index, Click::Rate, reference});
            continue;
        }

        std::array<Group, Kaminor::StoveGroupCount> order = stoveGroups;
        std::shuffle(order.begin(), order.end(), rng);
        for (Group g : order) {
            std::vector<Candidate> photosHere;
            for (int i = 0; i < Kaminor::groupSize(g); ++i) {
                if (i == mind.index(g))
                    continue;
                Kaminor::Evaluation ev = tryClick(mind, g, i);
                if (ev.accepted && ev.reference != reference && photoExists(ev.reference))
                    photosHere.push_back({g, i, ev});
            }
            if (photosHere.empty())
                continue;
            const Candidate& c = photosHere[pick(photosHere.size())];
            accept(mind, c.ev);
            reference = c.ev.reference;
            plan.append({c.group, c.index, Click::Photo, reference});
            ++photos;
            break;
        }
    }
    return plan;
}

QString coverage(const QList<Click>& plan)
{
    std::array<int, Kaminor::GroupCount> counts{};
    for (const Click& c : plan)
        ++counts[std::size_t(c.group)];
    QStringList parts;
    for (int g = 0; g < Kaminor::GroupCount; ++g)
        parts << Kaminor::buttonArrayName(Group(g)) + QLatin1Char(' ') + QString::number(counts[std::size_t(g)]);
    return parts.join(QLatin1String(", "));
}

} // namespace KaminorBench
