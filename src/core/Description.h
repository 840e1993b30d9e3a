// The plain texts that describe and price the configured stove, for the
// e-mails and the clipboard. They copy what the window shows at call time.
#pragma once

#include "ConfigView.h"
#include "Selection.h"

#include <QString>

namespace Kaminor {

// Seven lines: model and colour, then sides, top plate, tablet, door glass,
// log-store door and the outside-air adapter. Every line ends with EOL.
QString RetDescripPoele(const ConfigView& view, const Selection& selection);

// Four lines: price excluding VAT, price including VAT with the VAT rate, tax
// credit with its rate, final cost (ending with a blank). Every line ends with EOL.
QString RetPrixPoele(const ConfigView& view, const Selection& selection);

} // namespace Kaminor
