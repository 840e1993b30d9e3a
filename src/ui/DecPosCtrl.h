// The small layout adjustment every window applies when it opens.
#pragma once

class QWidget;

namespace Fncts {

// Sliders move 2 pixels down and progress bars 3; every other control stays.
void DecPosCtrl(QWidget* window);

} // namespace Fncts
