// Templates: texts whose variable places are marked with "¿%".
#pragma once

#include <QString>

namespace Fncts {

// The template marker.
inline constexpr char16_t TemplateMarker[] = u"¿%";

// Fragment number Partie (from 1) of text cut at every "¿%": a text without a
// marker is one fragment, and fragments may be empty. A number outside the
// fragments is reported in the plain message box and gives the empty text.
QString FracTexte(const QString& text, qint16 Partie);

} // namespace Fncts
