#include "WinPrefs.h"

#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "text/Feedback.h"
#include "text/Localisation.h"
#include "ui/DecPosCtrl.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextCursor>

namespace Kaminor {

WinPrefs::WinPrefs(Prefs& prefs, PrefsWindowHost* host, QWidget* parent)
    : ModalWindow(parent), m_prefs(prefs), m_host(host)
{
    setObjectName(QStringLiteral("WinPrefs"));
#ifdef Q_OS_MACOS
    setWindowFlags(Qt::Sheet);
#else
    // No title and no close box: the window is left through its buttons only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
#endif
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QString());
    setFixedSize(430, 398);
    CreateControls();
}

void WinPrefs::Show(Prefs& prefs, PrefsWindowHost* host, QWidget* parent)
{
    WinPrefs window(prefs, host, parent);
    window.exec();
}

QString WinPrefs::passwordPlaceholder()
{
    const QString dots = Localisation::Txt_Attente();
    return QStringList{dots, dots, dots, dots}.join(QLatin1Char(' '));
}

QString WinPrefs::coeffForDisplay(double coeff)
{
    QString text = coeffText(coeff);
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

void WinPrefs::CreateControls()
{
    const auto place = [](QWidget* w, const char* name, int left, int top, int width, int height) {
        w->setObjectName(QLatin1String(name));
        w->setGeometry(left, top, width, height);
    };

    m_autoUpdt = new QCheckBox(Localisation::ChBoxAutoUpdt(), this);
    place(m_autoUpdt, "CheckBoxAutoUpdt", 20, 14, 390, 20);
    m_affHlpTg = new QCheckBox(Localisation::ChBoxAffHlpTg(), this);
    place(m_affHlpTg, "CheckBoxAffHlpTg", 20, 46, 390, 20);
    m_sfx = new QCheckBox(Localisation::ChBoxSfx(), this);
    place(m_sfx, "CheckBoxSfx", 20, 78, 390, 20);
    m_encodWin = new QCheckBox(Localisation::ChBoxEncodWin(), this);
    place(m_encodWin, "CheckBoxEncodWin", 20, 110, 390, 20);

    m_lbPassw = new QLabel(Localisation::LbTxtPasswPrice(), this);
    place(m_lbPassw, "LbTextPasswPrice", 20, 142, 290, 20);
    m_lbPassw->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_password = new QLineEdit(this);
    place(m_password, "EdFieldPassword", 316, 141, 94, 22);
    m_password->setEchoMode(QLineEdit::Password);

    m_lbCoeff = new QLabel(Localisation::LbTxtCoeffPrix(), this);
    place(m_lbCoeff, "LbTextCoeffPrix", 20, 174, 290, 20);
    m_lbCoeff->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_coeff = new QLineEdit(this);
    place(m_coeff, "EdFieldCoeffPrix", 316, 173, 94, 22);
    // At most three digits, the decimal separator (a point or a comma), at most six digits.
    m_coeff->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}([.,][0-9]{0,6})?")), m_coeff));

    m_lock = new QCheckBox(Localisation::ChBoxLockPrefs(), this);
    place(m_lock, "CheckBoxLockPrefs", 20, 206, 390, 20);
    m_lock->setToolTip(Localisation::ChBoxLockPrefs_HT());

    m_lbDetails = new QLabel(Localisation::LbMyDetails(), this);
    place(m_lbDetails, "LabelMyDetails", 20, 238, 193, 20);
    m_lbDetails->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_details = new QPlainTextEdit(this);
    place(m_details, "TxtAreaMyDetails", 20, 262, 390, 84);
    m_details->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_details->setTabChangesFocus(true);

    m_annuler = new QPushButton(Localisation::Btn_Annuler(), this);
    place(m_annuler, "PushButtAnnuler", 229, 358, 100, 20);
    m_annuler->setAutoDefault(false);
    m_ok = new QPushButton(Localisation::Btn_Ok(), this);
    place(m_ok, "PushButtOk", 341, 358, 69, 20);
    m_ok->setDefault(true);

    connect(m_ok, &QPushButton::clicked, this, &WinPrefs::PushButtOk_Action);
    connect(m_annuler, &QPushButton::clicked, this, &WinPrefs::PushButtAnnuler_Action);
    connect(m_password, &QLineEdit::textChanged, this, &WinPrefs::EdFieldPassword_TextChange);
    connect(m_details, &QPlainTextEdit::textChanged, this, &WinPrefs::TxtAreaMyDetails_TextChange);
}

void WinPrefs::showEvent(QShowEvent* event)
{
    if (!opened()) {
        if (QWidget* over = parentWidget()) {
            const QRect area = over->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y());
        }
        Event_Open();
    }
    ModalWindow::showEvent(event);
}

void WinPrefs::Event_Open()
{
    openModal();

    m_autoUpdt->setChecked(m_prefs.AutoCheckUpdt);
    m_affHlpTg->setChecked(m_prefs.AffHelpTag);
    m_sfx->setChecked(m_prefs.Sfx);
    m_encodWin->setChecked(m_prefs.EncodWin);
    m_memDrapAffPr = m_prefs.DrapAffPrices;
    m_password->setText(m_prefs.LockPrefs ? passwordPlaceholder() : m_prefs.PasswPrix);
    m_coeff->setText(coeffForDisplay(m_prefs.CoeffPrix));
    m_lock->setChecked(m_prefs.LockPrefs);
    QString details = m_prefs.MyDetails;
    details.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    details.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_details->setPlainText(details);
    PrefsEnabl(!(m_memDrapAffPr && m_prefs.LockPrefs), m_memDrapAffPr);
    m_initWinPref = true;
}

void WinPrefs::PrefsEnabl(bool enable, bool unlocked)
{
    m_autoUpdt->setEnabled(enable);
    m_affHlpTg->setEnabled(enable);
    m_sfx->setEnabled(enable);
    m_encodWin->setEnabled(enable);
    m_password->setEnabled(true);
    const bool dealer = enable && unlocked;
    m_coeff->setEnabled(dealer);
    m_coeff->setEchoMode(dealer ? QLineEdit::Normal : QLineEdit::Password);
    m_lock->setEnabled(dealer);
    m_details->setEnabled(enable);
    m_ok->setEnabled(enable);
}

void WinPrefs::EdFieldPassword_TextChange()
{
    if (!m_initWinPref)
        return;
    const QString text = m_password->text();
    QString clean = text;
    clean.remove(QChar(0));
    clean.remove(QLatin1Char('\t'));
    clean.remove(QLatin1Char('\n'));
    clean.remove(QLatin1Char('\r'));
    if (clean != text) {
        Fncts::Beep();
        m_password->setText(clean); // comes back here with nothing left to remove
        return;
    }
    const bool valid = pricePasswordOk(clean);
    if (valid != m_memDrapAffPr) {
        m_memDrapAffPr = valid;
        if (valid) {
            m_lock->setChecked(true);
            PrefsEnabl(true, true);
        }
    }
}

void WinPrefs::TxtAreaMyDetails_TextChange()
{
    if (!m_initWinPref)
        return;
    const QString text = m_details->toPlainText();
    QString clean = text;
    clean.remove(QChar(0));
    clean.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (clean == text)
        return;
    Fncts::Beep();
    const int position = m_details->textCursor().position();
    m_details->setPlainText(clean);
    QTextCursor cursor = m_details->textCursor();
    cursor.setPosition(qMin(position, int(clean.size())));
    m_details->setTextCursor(cursor);
}

void WinPrefs::PushButtOk_Action()
{
    if (!m_ok->isEnabled())
        return;
    m_prefs.AutoCheckUpdt = m_autoUpdt->isChecked();
    if (m_affHlpTg->isChecked() != m_prefs.AffHelpTag) {
        m_prefs.AffHelpTag = m_affHlpTg->isChecked();
        if (m_host)
            m_host->AffMasqHelpTag(QString(), QString());
    }
    m_prefs.Sfx = m_sfx->isChecked();
    m_prefs.EncodWin = m_encodWin->isChecked();
    m_prefs.PasswPrix = m_password->text();
    m_prefs.DrapAffPrices = m_memDrapAffPr;
    if (m_host)
        m_host->ModePartPro();

    double coeff = 0;
    if (!coeffFromText(m_coeff->text(), coeff))
        coeff = 0;
    bool corrected = false;
    if (coeff < CoeffPrixMin) {
        coeff = CoeffPrixMin;
        corrected = true;
    } else if (coeff > CoeffPrixMax) {
        coeff = CoeffPrixMax;
        corrected = true;
    }
    m_prefs.CoeffPrix = coeff;
    if (corrected) {
        Fncts::Beep();
        // The catalogue breaks lines with carriage returns; the message box wants line feeds.
        QString message = Localisation::Txt_CoeffCorrige() + coeffForDisplay(coeff);
        message.replace(QLatin1Char('\r'), Fncts::EOL());
        dialog(message, 0);
    }

    m_prefs.LockPrefs = m_lock->isChecked() && m_memDrapAffPr;
    // Lines of the details end with the platform's line ending, as the file reader gives them.
    m_prefs.MyDetails = m_details->toPlainText().replace(QLatin1Char('\n'), Fncts::EOL());
    if (m_host)
        m_host->GenerateRemembered();
    allowClose();
    accept();
}

void WinPrefs::PushButtAnnuler_Action()
{
    allowClose();
    ModalWindow::reject();
}

void WinPrefs::reject() { PushButtAnnuler_Action(); }

qint16 WinPrefs::dialog(const QString& message, qint16 icon)
{
    const QString ok = Localisation::Btn_Ok();
    if (m_dialog)
        return m_dialog(message, QString(), ok, QString(), QString(), icon);
    return Fncts::MyDialogBox(message, QString(), ok, QString(), QString(), icon);
}

} // namespace Kaminor
