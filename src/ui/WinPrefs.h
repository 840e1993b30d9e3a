// The preferences window: the four switches, the price password that gates the
// dealer settings (coefficient and lock), and the dealer's details. OK copies the
// values into the record in memory and refreshes the main window; Cancel leaves
// the record untouched. The file is written when the main window closes.
#pragma once

#include "prefs/Prefs.h"

#include "ui/ModalWindow.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Kaminor {

// What the preferences window asks of the main window when OK is pressed.
class PrefsWindowHost {
public:
    virtual ~PrefsWindowHost() = default;
    // Shows or hides the main window's help tags after the setting changed.
    virtual void AffMasqHelpTag(const QString& name, const QString& text) = 0;
    // Shows or hides the prices and sets the contact button.
    virtual void ModePartPro() = 0;
    // Generate with the remembered selection: reference, prices and picture again.
    virtual void GenerateRemembered() = 0;
};

class WinPrefs : public ModalWindow {
    Q_OBJECT

public:
    using DialogFn = std::function<qint16(const QString&, const QString&, const QString&, const QString&,
                                          const QString&, qint16)>;

    // host may be null (nothing is refreshed). The window is modal to parent.
    WinPrefs(Prefs& prefs, PrefsWindowHost* host, QWidget* parent = nullptr);

    // Opens a fresh window over parent and waits until OK or Cancel closes it.
    static void Show(Prefs& prefs, PrefsWindowHost* host, QWidget* parent);

    // The dialog used for the coefficient message; Fncts::MyDialogBox unless changed.
    void setDialog(DialogFn dialog) { m_dialog = std::move(dialog); }

    // Sets which controls accept input.
    void PrefsEnabl(bool enable, bool unlocked);

    // The placeholder shown instead of a locked password.
    static QString passwordPlaceholder();
    // The coefficient as the field shows it: the user's decimal separator.
    static QString coeffForDisplay(double coeff);

    QCheckBox* CheckBoxAutoUpdt() const { return m_autoUpdt; }
    QCheckBox* CheckBoxAffHlpTg() const { return m_affHlpTg; }
    QCheckBox* CheckBoxSfx() const { return m_sfx; }
    QCheckBox* CheckBoxEncodWin() const { return m_encodWin; }
    QLabel* LbTextPasswPrice() const { return m_lbPassw; }
    QLineEdit* EdFieldPassword() const { return m_password; }
    QLabel* LbTextCoeffPrix() const { return m_lbCoeff; }
    QLineEdit* EdFieldCoeffPrix() const { return m_coeff; }
    QCheckBox* CheckBoxLockPrefs() const { return m_lock; }
    QLabel* LabelMyDetails() const { return m_lbDetails; }
    QPlainTextEdit* TxtAreaMyDetails() const { return m_details; }
    QPushButton* PushButtAnnuler() const { return m_annuler; }
    QPushButton* PushButtOk() const { return m_ok; }

    bool MemDrapAffPr() const { return m_memDrapAffPr; }
    bool InitWinPref() const { return m_initWinPref; }

public slots:
    void PushButtOk_Action();
    void PushButtAnnuler_Action();

    // Escape answers the Cancel button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void Event_Open();
    void EdFieldPassword_TextChange();
    void TxtAreaMyDetails_TextChange();
    qint16 dialog(const QString& message, qint16 icon);

    Prefs& m_prefs;
    PrefsWindowHost* m_host;
    DialogFn m_dialog;

    bool m_memDrapAffPr = false;
    bool m_initWinPref = false;

    QCheckBox* m_autoUpdt = nullptr;
    QCheckBox* m_affHlpTg = nullptr;
    QCheckBox* m_sfx = nullptr;
    QCheckBox* m_encodWin = nullptr;
    QLabel* m_lbPassw = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_lbCoeff = nullptr;
    QLineEdit* m_coeff = nullptr;
    QCheckBox* m_lock = nullptr;
    QLabel* m_lbDetails = nullptr;
    QPlainTextEdit* m_details = nullptr;
    QPushButton* m_annuler = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace Kaminor
