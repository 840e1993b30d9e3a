#include "Configurator.h"

#include "Description.h"
#include "FnctsState.h"
#include "Prices.h"
#include "text/Feedback.h"
#include "text/Localisation.h"

namespace Kaminor {

namespace {

constexpr int revertDelayMs = 500;

constexpr Group stoveGroups[StoveGroupCount] = {Group::Body, Group::DoorGlass, Group::Color, Group::Side,
                                                Group::Plate, Group::Tablet, Group::DoorLogs};

// The nine groups in the order their buttons are marked.
constexpr Group markOrder[GroupCount] = {Group::Body, Group::DoorGlass, Group::Color, Group::Side, Group::Plate,
                                         Group::Tablet, Group::DoorLogs, Group::CredImp, Group::TVA};

bool hasButton(Group group, int index)
{
    return index >= 0 && index < groupSize(group);
}

} // namespace

Configurator::Configurator(ConfigView& view)
    : m_view(view)
{
}

void Configurator::Generate(qint16 body, qint16 doorGlass, qint16 colour, qint16 side, qint16 plate,
                            qint16 tablet, qint16 doorLogs)
{
    Selection wanted = m_mind;
    wanted.body = body;
    wanted.doorGlass = doorGlass;
    wanted.color = colour;
    wanted.side = side;
    wanted.plate = plate;
    wanted.tablet = tablet;
    wanted.doorLogs = doorLogs;
    Generate(wanted);
}

void Configurator::Generate(const Selection& wanted)
{
    Fncts::DrapMenu = false;
    m_working = true;

    const Evaluation ev = evaluate(m_mind, wanted);
    for (const QString& error : ev.errors)
        Fncts::ErrorReport(error);

    if (!ev.accepted) {
        const QString hold = placeholder();
        for (Field f : {Field::Ref, Field::PriHT, Field::PriTTC, Field::CredImp, Field::CoutFin})
            m_view.setFieldText(f, hold);
        m_view.requestRepaint();
        m_refusalShown = true;
        m_working = false;
        m_view.enableMenuBoutons();
        m_view.armRevertTimer(revertDelayMs);
        return;
    }

    // An index without a button has been reported; the group keeps its remembered choice.
    for (Group g : stoveGroups) {
        const qint16 index = ev.adjusted.index(g);
        if (hasButton(g, index))
            m_mind.setIndex(g, index);
    }
    InitIDEvalues();
    m_refusalShown = false;
    m_working = false;
    Fncts::DrapMenu = true;
    m_view.setFieldText(Field::Ref, ev.reference);
    AffCalcPrice(ev.pieces);
    m_view.requestRepaint();
}

void Configurator::GenerateRemembered()
{
    Generate(m_mind);
}

void Configurator::InitIDEvalues()
{
    if (Fncts::DrapMenu)
        Fncts::ErrorReport(QStringLiteral("InitIDEvalues, DrapMenu should be False !"));
    for (Group g : markOrder) {
        const int index = m_mind.index(g);
        if (hasButton(g, index))
            m_view.selectButton(g, index);
    }
}

void Configurator::ModePartPro()
{
    const bool dealer = m_view.pricesShown();
    m_view.setPricesVisible(dealer);
    m_view.setContactCaption(dealer ? Localisation::Btn_Cde() : Localisation::Btn_Info());
}

void Configurator::AffCalcPrice(const CodePieces& pieces)
{
    const Amounts a =
        computeAmounts(pieces, m_view.priceCoefficient(), tvaRate(m_mind.tva), credImpRate(m_mind.credImp));
    m_view.setFieldText(Field::PriHT, formatAmount(a.priHT));
    m_view.setFieldText(Field::PriTTC, formatAmount(a.priTTC));
    m_view.setFieldText(Field::CredImp, formatAmount(a.credImp));
    m_view.setFieldText(Field::CoutFin, formatAmount(a.coutFin));
}

void Configurator::optionClicked(Group group, int index)
{
    if (!Fncts::DrapMenu)
        return;
    if (group == Group::TVA || group == Group::CredImp) {
        if (hasButton(group, index))
            m_mind.setIndex(group, qint16(index));
        Generate(m_mind);
    } else {
        Selection wanted = m_mind;
        wanted.setIndex(group, qint16(index));
        Generate(wanted);
    }
    if (m_view.soundEffectsOn())
        m_view.playSound(Sound::Bop);
}

void Configurator::TimerMemIDE_Action()
{
    // Normally still false since the refusal; a start-up that refused its
    // remembered selection has already set it, and the buttons are set below.
    Fncts::DrapMenu = false;
    if (m_view.soundEffectsOn())
        m_view.playSound(Sound::Zoum);
    // A remembered selection the rules refuse (an edited preferences file) would
    // be refused again at every revert: start again from the first-run selection.
    if (!evaluate(m_mind, m_mind).accepted) {
        const Selection start = firstRunSelection();
        for (Group g : stoveGroups)
            m_mind.setIndex(g, start.index(g));
    }
    InitIDEvalues();
    Generate(m_mind);
    Fncts::DrapMenu = true;
    m_view.enableMenuBoutons();
}

Configurator::State Configurator::state() const
{
    if (m_working)
        return State::Working;
    if (m_refusalShown)
        return State::ShowingRefusal;
    return State::Ready;
}

QString Configurator::RetDescripPoele() const
{
    return Kaminor::RetDescripPoele(m_view, m_mind);
}

QString Configurator::RetPrixPoele() const
{
    return Kaminor::RetPrixPoele(m_view, m_mind);
}

} // namespace Kaminor
