// Draws the catalogue photo of one stove configuration.
#pragma once

#include "core/Selection.h"

#include <QImage>
#include <QSize>

namespace Photogen {

// In the proportions of the main window's picture (362 x 616), about twice its size.
inline constexpr QSize PhotoSize{720, 1225};

// Holds the stone textures, made once; render() only reads them and may be
// called from several threads at a time.
class StoveArt {
public:
    StoveArt();
    QImage render(const Kaminor::Selection& selection) const;

private:
    QImage m_granite;
    QImage m_serpentino;
    friend struct Scene;
};

} // namespace Photogen
