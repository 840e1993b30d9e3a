#include "Prefs.h"

#include "text/Localisation.h"

#include <QLocale>

#include <cmath>

namespace Kaminor {

QString Prefs::defaultDetails()
{
    return Localisation::Txt_Attente();
}

bool pricePasswordOk(const QString& password)
{
    return password.compare(QLatin1String("ortolan"), Qt::CaseInsensitive) == 0;
}

QString coeffText(double coeff)
{
    QString text = QString::number(coeff, 'f', 6);
    // Keep one decimal at least: drop the trailing zeros after it.
    while (text.endsWith(QLatin1Char('0')) && text.at(text.size() - 2) != QLatin1Char('.'))
        text.chop(1);
    // A negative value that rounds to zero has no sign.
    if (text.startsWith(QLatin1Char('-')) && text.mid(1) == QLatin1String("0.0"))
        text.remove(0, 1);
    return text;
}

bool coeffFromText(const QString& text, double& coeff)
{
    QString number = text.trimmed();
    // A comma is the decimal separator of many locales; there are no thousands separators.
    if (number.count(QLatin1Char(',')) == 1 && !number.contains(QLatin1Char('.')))
        number.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return false;
    coeff = value;
    return true;
}

} // namespace Kaminor
