#include "ui/DecPosCtrl.h"

#include <QProgressBar>
#include <QSlider>
#include <QWidget>

namespace Fncts {

void DecPosCtrl(QWidget* window)
{
    if (!window)
        return;
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (qobject_cast<QSlider*>(w))
            w->move(w->x(), w->y() + 2);
        else if (qobject_cast<QProgressBar*>(w))
            w->move(w->x(), w->y() + 3);
    }
}

} // namespace Fncts
