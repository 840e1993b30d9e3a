// A modal window that keeps the busy flag while it is up and refuses every
// close but its own buttons, with a beep.
#pragma once

#include <QDialog>

class QCloseEvent;

namespace Kaminor {

class ModalWindow : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
    ~ModalWindow() override;

    // True from the opening until one of the window's own buttons closes it.
    bool DrapMovableModal() const { return m_drapMovableModal; }

public slots:
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

    // The common part of Event_Open: keeps DrapMenu and clears it, refuses closes from now on.
    void openModal();
    // Lets the next close through: the window's own buttons call it before accept or reject.
    void allowClose() { m_drapMovableModal = false; }
    bool opened() const { return m_opened; }

private:
    // Puts DrapMenu back, once.
    void closeModal();

    bool m_drapMovableModal = false;
    bool m_drapMenuTemp = false;
    bool m_opened = false;
    bool m_closed = false;
};

} // namespace Kaminor
