// The about window: icon, name, version, copyright, information text, four links
// and the credits logo (a link too). It is left only through its OK button.
// Also the help dialog, which offers the about window and the FAQ page.
#pragma once

#include "ui/ModalWindow.h"

#include <QImage>
#include <QUrl>

class QLabel;
class QPushButton;
class QTextEdit;

namespace Kaminor {

// The credits logo shown through its mask: black in the mask shows the logo,
// white lets the background through, greys in between.
QImage maskedPicture(const QImage& picture, const QImage& mask);

// The mailto: address of an e-mail link: the address and the subject
// "A propos de Kaminor <version> <build>", both percent-encoded.
QUrl aboutMailAddress(const QString& address);

// The FAQ page, in the same folder of the developer's web site as the version file.
QUrl faqAddress();

class WinInfos : public ModalWindow {
    Q_OBJECT

public:
    explicit WinInfos(QWidget* parent = nullptr);

    // Opens a fresh window over parent and waits until its OK button closes it.
    static void Show(QWidget* parent);

    QLabel* StaticTextVersion() const { return m_version; }
    QLabel* Web1() const { return m_web1; }
    QLabel* StTextCopRight() const { return m_copRight; }
    QTextEdit* TexteInfo() const { return m_texteInfo; }
    QPushButton* BoutonOk() const { return m_ok; }
    QLabel* Email1() const { return m_email1; }
    QLabel* StaticTextNomProg() const { return m_nomProg; }
    QLabel* Email2() const { return m_email2; }
    QLabel* Web2() const { return m_web2; }
    QWidget* CanvIcon() const { return m_icon; }
    QWidget* CanvDevLogo() const { return m_devLogo; }

    // The window's own way of closing.
    void FermeFentr();

public slots:
    void BoutonOk_Action();
    // Escape does nothing; other close requests are refused with a beep.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Event_Open();
    bool* flagOf(QObject* control);
    void linkAction(QObject* control);

    bool m_onWeb1 = false;
    bool m_onEmail1 = false;
    bool m_onEmail2 = false;
    bool m_onWeb2 = false;
    bool m_onDevLogo = false;

    QLabel* m_version = nullptr;
    QLabel* m_web1 = nullptr;
    QLabel* m_copRight = nullptr;
    QTextEdit* m_texteInfo = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_email1 = nullptr;
    QLabel* m_nomProg = nullptr;
    QLabel* m_email2 = nullptr;
    QLabel* m_web2 = nullptr;
    QWidget* m_icon = nullptr;
    QWidget* m_devLogo = nullptr;
};

// The help dialog: no help is available; offers the about window ("Lire À propos"),
// the FAQ page ("FAQ") and "Fermer". Returns true: the command is handled.
bool AideAide(QWidget* parent);

} // namespace Kaminor
