#include "ConfigView.h"

#include "text/Localisation.h"

namespace Kaminor {

QString ConfigView::labelText(Label label) const
{
    switch (label) {
    case Label::PriceHT: return Localisation::LbTxtPriceHT();
    case Label::PriceTTC: return Localisation::LbTxtPriceTTC();
    case Label::CredImp: return Localisation::LbTxtCredImp();
    case Label::CoutFin: return Localisation::LbTxtCoutFin();
    case Label::Currency: return Localisation::LbCurrency();
    }
    return QString();
}

} // namespace Kaminor
