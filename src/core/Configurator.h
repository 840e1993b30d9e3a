// The selection machinery of the main window: the remembered selection, the
// Generate routine, the option and rate buttons, the refusal and its revert.
#pragma once

#include "ConfigView.h"
#include "Rules.h"
#include "Selection.h"

#include <QString>

namespace Kaminor {

class Configurator {
public:
    // Ready: accepting clicks. Working: inside Generate. ShowingRefusal: a
    // refused combination is shown until the revert timer fires.
    enum class State { Ready, Working, ShowingRefusal };

    explicit Configurator(ConfigView& view);

    // MindBody to MindCredImp: the last accepted selection and the two rates.
    const Selection& remembered() const { return m_mind; }
    void setRemembered(const Selection& selection) { m_mind = selection; }

    // Couples the stones, applies the model rules, then shows the combination
    // or refuses it for a moment.
    void Generate(qint16 body, qint16 doorGlass, qint16 colour, qint16 side, qint16 plate, qint16 tablet,
                  qint16 doorLogs);
    void Generate(const Selection& wanted);
    // Generate on the remembered selection, as the start-up and the rate buttons do.
    void GenerateRemembered();

    // Marks the remembered button of each of the nine groups.
    void InitIDEvalues();
    // Private-customer or dealer display, following the view's pricesShown().
    void ModePartPro();
    // Writes the four amounts of these pieces into the price fields.
    void AffCalcPrice(const CodePieces& pieces);

    // A user's click on button `index` of a group, option or rate group alike.
    void optionClicked(Group group, int index);
    // The revert timer fired: back to the last accepted selection.
    void TimerMemIDE_Action();

    State state() const;

    // The description and price texts of what the view shows.
    QString RetDescripPoele() const;
    QString RetPrixPoele() const;

    static QString placeholder() { return QStringLiteral("# # # #"); }

private:
    ConfigView& m_view;
    Selection m_mind;
    bool m_working = false;
    bool m_refusalShown = false;
};

} // namespace Kaminor
