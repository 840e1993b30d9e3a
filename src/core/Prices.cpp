#include "Prices.h"

#include "text/FracTexte.h"
#include "text/Localisation.h"

#include <QLocale>

#include <cmath>

namespace Kaminor {

namespace {

bool is(const QString& code, const char* literal)
{
    return code.compare(QLatin1String(literal), Qt::CaseInsensitive) == 0;
}

struct BasePrice {
    const char* key;
    double price;
};

constexpr BasePrice basePrices[] = {
    {"KD-AGT", 1871.35}, {"KD-AGR", 1871.35}, {"KD-ANM", 1871.35},
    {"KD-PGN", 2177.49}, {"KD-PSE", 2177.49}, {"KD-CBL", 2339.92},
    {"TS-AGT", 2037.96}, {"TS-AGR", 2037.96}, {"TS-ANM", 2037.96},
    {"TS-PGN", 2349.77}, {"TS-PSE", 2349.77}, {"TS-CBL", 2530.07},
    {"OV-AGT", 2002.43}, {"OV-AGR", 2002.43}, {"OV-ANM", 2002.43},
    {"OV-PGN", 2298.74}, {"OV-PSE", 2298.74}, {"OV-CBL", 2449.92},
    {"ZT-AGT", 2429.36}, {"ZT-AGR", 2429.36}, {"ZT-ANM", 2429.36},
    {"ZT-PGN", 2746.41}, {"ZT-PSE", 2746.41}, {"ZT-CBL", 2952.07},
    {"HD-AGT", 2225.69}, {"HD-AGR", 2225.69}, {"HD-ANM", 2225.69},
    {"HD-PGN", 2582.17}, {"HD-PSE", 2582.17}, {"HD-CBL", 2774.56},
};

// Replaces the point of a C-formatted number by the user's decimal separator.
QString withUserSeparator(QString text)
{
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

double tvaRate(int index)
{
    return index >= 0 && index < int(TabTVA.size()) ? TabTVA[index] : TabTVA[0];
}

double credImpRate(int index)
{
    return index >= 0 && index < int(TabCredImp.size()) ? TabCredImp[index] : TabCredImp[0];
}

double basePrice(const QString& modelCode, const QString& sideCode)
{
    const QString key = modelCode + sideCode;
    for (const BasePrice& entry : basePrices) {
        if (is(key, entry.key))
            return entry.price;
    }
    return 0;
}

Amounts computeAmounts(const CodePieces& pieces, double coefficient, double tva, double credImp)
{
    const QString& model = pieces[0];
    const QString& glass = pieces[1];
    const QString& side = pieces[3];
    const QString& plate = pieces[4];
    const QString& tablet = pieces[5];
    const QString& logs = pieces[6];

    double sum = basePrice(model, side);
    if (is(glass, "-PV"))
        sum += 248.27;
    if (is(plate, "-DPGN") || is(plate, "-DPSE"))
        sum += 229.17;
    else if (is(plate, "-DCBL"))
        sum += 257.9;
    if (is(tablet, "-TPGN") || is(tablet, "-TPSE"))
        sum += 84.48;
    else if (is(tablet, "-TCBL"))
        sum += 104.43;
    if (is(logs, "-BA")) {
        sum += 103.45;
    } else if (is(logs, "-BV")) {
        sum += 238.4;
        // On Zelta the glass log-store door comes with its front panel.
        if (is(model, "ZT"))
            sum += 238.4;
    }

    Amounts a;
    a.priHT = sum * coefficient;
    a.priTTC = a.priHT * (1 + tva);
    a.credImp = a.priTTC * credImp;
    a.coutFin = a.priTTC - a.credImp;
    return a;
}

QString formatAmount(double amount)
{
    QString text = QString::number(amount, 'f', 2);
    // A negative amount that rounds to zero is shown without its sign.
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return withUserSeparator(text);
}

QString formatRate(double rate)
{
    const double percent = rate * 100;
    if (percent == std::round(percent))
        return QString::number(std::llround(percent)) + QLatin1Char('%');
    QString digits = QString::number(percent, 'f', 2);
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    return withUserSeparator(digits) + QLatin1Char('%');
}

QString rateCaption(const QString& templateText, double rate)
{
    return Fncts::FracTexte(templateText, 1) + formatRate(rate) + Fncts::FracTexte(templateText, 2);
}

QStringList tvaCaptions()
{
    QStringList captions;
    for (double rate : TabTVA)
        captions << rateCaption(Localisation::RdBtnTVA(), rate);
    return captions;
}

QStringList credImpCaptions()
{
    QStringList captions;
    for (double rate : TabCredImp)
        captions << rateCaption(Localisation::RdBtnCredImp(), rate);
    return captions;
}

} // namespace Kaminor
