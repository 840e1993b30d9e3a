#include "ui/ModalWindow.h"

#include "core/FnctsState.h"
#include "text/Feedback.h"
#include "ui/DecPosCtrl.h"

#include <QCloseEvent>

namespace Kaminor {

ModalWindow::~ModalWindow() { closeModal(); }

void ModalWindow::openModal()
{
    m_opened = true;
    Fncts::DecPosCtrl(this);
    m_drapMovableModal = true;
    m_drapMenuTemp = Fncts::DrapMenu;
    Fncts::DrapMenu = false;
}

void ModalWindow::closeModal()
{
    if (!m_opened || m_closed)
        return;
    m_closed = true;
    Fncts::DrapMenu = m_drapMenuTemp;
}

void ModalWindow::done(int result)
{
    if (m_drapMovableModal) {
        Fncts::Beep();
        return;
    }
    closeModal();
    QDialog::done(result);
}

void ModalWindow::closeEvent(QCloseEvent* event)
{
    if (m_drapMovableModal) {
        Fncts::Beep();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace Kaminor
