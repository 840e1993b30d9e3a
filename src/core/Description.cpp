#include "Description.h"

#include "text/Feedback.h"
#include "text/Localisation.h"

namespace Kaminor {

namespace {

QString caption(const ConfigView& view, const Selection& selection, Group group)
{
    return view.buttonCaption(group, selection.index(group));
}

} // namespace

QString RetDescripPoele(const ConfigView& view, const Selection& selection)
{
    const QString eol = Fncts::EOL();
    const QString item = QStringLiteral("   - ");
    const QString sep = Localisation::Txt_Sep2dot();

    QString text = QStringLiteral(" - ") + caption(view, selection, Group::Body) + QLatin1Char(' ')
        + caption(view, selection, Group::Color) + eol;
    text += item + Localisation::Txt_Side() + sep + caption(view, selection, Group::Side) + eol;
    for (Group g : {Group::Plate, Group::Tablet, Group::DoorGlass})
        text += item + view.groupCaption(g) + sep + caption(view, selection, g) + eol;

    text += item + view.groupCaption(Group::DoorLogs);
    // Zelta's glass log-store door comes with its front panel.
    if (selection.body == 3 && selection.doorLogs == 1)
        text += Localisation::Txt_EtPlastron();
    text += sep + caption(view, selection, Group::DoorLogs) + eol;

    text += item + Localisation::Txt_AdaptAirConnect() + sep + Localisation::Txt_Attente() + eol;
    return text;
}

QString RetPrixPoele(const ConfigView& view, const Selection& selection)
{
    const QString eol = Fncts::EOL();
    const QString blank = QStringLiteral(" ");
    const QString currency = view.labelText(Label::Currency);

    QString text = view.labelText(Label::PriceHT) + blank + view.fieldText(Field::PriHT) + blank + currency + eol;
    text += view.labelText(Label::PriceTTC) + blank + view.fieldText(Field::PriTTC) + blank + currency
        + QStringLiteral(" - ") + caption(view, selection, Group::TVA) + eol;
    text += view.labelText(Label::CredImp) + blank + view.fieldText(Field::CredImp) + blank + currency
        + QStringLiteral(" - ") + caption(view, selection, Group::CredImp) + eol;
    text += view.labelText(Label::CoutFin) + blank + view.fieldText(Field::CoutFin) + blank + currency + blank + eol;
    return text;
}

} // namespace Kaminor
