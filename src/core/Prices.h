// Prices of a configured stove: base price by model and sides, option
// surcharges, the dealer's coefficient, VAT and tax credit; their display texts.
#pragma once

#include "Rules.h"

#include <QString>
#include <QStringList>

#include <array>

namespace Kaminor {

// VAT and tax-credit rates, indexed by MindTVA and MindCredImp.
inline constexpr std::array<double, 3> TabTVA{0.055, 0.1, 0.2};
inline constexpr std::array<double, 2> TabCredImp{0.0, 0.3};

// The rate of a button index; an index without a button counts as index 0.
double tvaRate(int index);
double credImpRate(int index);

struct Amounts {
    double priHT = 0;   // price excluding VAT
    double priTTC = 0;  // price including VAT
    double credImp = 0; // tax credit, on the price including VAT
    double coutFin = 0; // final cost
};

// Base price of a model code and side code ("KD", "-AGT"); 0 for an unknown pair.
double basePrice(const QString& modelCode, const QString& sideCode);

// The four amounts from the seven code pieces, unrounded.
Amounts computeAmounts(const CodePieces& pieces, double coefficient, double tva, double credImp);

// An amount with the user's decimal separator, no group separator and two decimals.
QString formatAmount(double amount);

// A rate as a percentage: "20%" when whole, otherwise up to two decimals ("5.5%"
// with the user's decimal separator). The zero rate reads "0%".
QString formatRate(double rate);

// A rate-button caption: the template's first fragment, the rate, the second fragment.
QString rateCaption(const QString& templateText, double rate);

// Captions of the VAT buttons and of the tax-credit buttons, from the catalogue templates.
QStringList tvaCaptions();
QStringList credImpCaptions();

} // namespace Kaminor
