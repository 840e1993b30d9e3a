#include "WinInfos.h"

#include "KaminorConfig.h"
#include "app/Fncts.h"
#include "app/UpdateCheck.h"
#include "core/FnctsState.h"
#include "text/FracTexte.h"
#include "text/Localisation.h"
#include "ui/DecPosCtrl.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>

#include <functional>

namespace Kaminor {

namespace {

// A control that draws one picture at its top-left corner.
class PictureArea : public QWidget {
public:
    PictureArea(std::function<QImage()> picture, QWidget* parent)
        : QWidget(parent), m_picture(std::move(picture))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_picture());
    }

private:
    std::function<QImage()> m_picture;
};

QString withLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QLabel* linkLabel(const QString& text, Qt::Alignment alignment, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(10);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// A deployment's address may be longer than its label: the text gets smaller
// (down to 8 pixels) rather than being cut.
void fitToWidth(QLabel* label)
{
    QFont font = label->font();
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

QString mailAddressOf(const char* value)
{
    QString address = QString::fromUtf8(value);
    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        address = address.mid(7);
    return address;
}

} // namespace

QImage maskedPicture(const QImage& picture, const QImage& mask)
{
    QImage result(146, 22, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.drawImage(QPoint(0, 0), picture);
    }
    const QImage grey = mask.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            // Outside the mask the picture stays as it is.
            if (x >= grey.width() || y >= grey.height())
                continue;
            const int alpha = 255 - grey.constScanLine(y)[x];
            const QRgb pixel = line[x];
            line[x] = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel) * alpha / 255);
        }
    }
    return result;
}

QUrl aboutMailAddress(const QString& address)
{
    const QString subject = QStringLiteral("A propos de Kaminor ") + ShortVersion() + QLatin1Char(' ') +
                            Fncts::TypeCompil();
    const QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(address, "@") + "?Subject=" +
                               QUrl::toPercentEncoding(subject);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

QUrl faqAddress()
{
    return QUrl(QString::fromUtf8(KaminorConfig::VersionFileUrl)).resolved(QUrl(QStringLiteral("Kaminor_FAQ.html")));
}

WinInfos::WinInfos(QWidget* parent) : ModalWindow(parent)
{
    setObjectName(QStringLiteral("WinInfos"));
    // A title bar to move it by; no close, minimise or zoom button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(Localisation::Menu_AppleApropos());
    setFixedSize(430, 480);
    CreateControls();
}

void WinInfos::Show(QWidget* parent)
{
    WinInfos window(parent);
    window.exec();
}

void WinInfos::CreateControls()
{
    const auto place = [](QWidget* w, const char* name, int left, int top, int width, int height) {
        w->setObjectName(QLatin1String(name));
        w->setGeometry(left, top, width, height);
    };
    // Sizes are those of the window's layout, in pixels, so that the texts fit their controls.
    const auto sized = [](QWidget* w, int pixels, bool bold) {
        QFont font = w->font();
        font.setPixelSize(pixels);
        font.setBold(bold);
        w->setFont(font);
    };

    m_version = new QLabel(QStringLiteral("v.0.0.0"), this);
    place(m_version, "StaticTextVersion", 310, 151, 100, 16);
    sized(m_version, 10, true);
    m_version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_web1 = linkLabel(QString::fromUtf8(KaminorConfig::MakerSite), Qt::AlignLeft, this);
    place(m_web1, "Web1", 20, 390, 190, 12);

    m_copRight = new QLabel(withLineBreaks(Localisation::Infos_StTextCopRight()), this);
    place(m_copRight, "StTextCopRight", 20, 179, 390, 16);
    sized(m_copRight, 10, false);
    m_copRight->setAlignment(Qt::AlignCenter);
    m_copRight->setWordWrap(true);

    m_texteInfo = new QTextEdit(this);
    place(m_texteInfo, "TexteInfo", 20, 205, 390, 162);
    sized(m_texteInfo, 11, false);
    m_texteInfo->setPlainText(withLineBreaks(Localisation::Infos_Texte()));
    m_texteInfo->setReadOnly(true);
    m_texteInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_texteInfo->setFocusPolicy(Qt::NoFocus); // Return goes to the OK button

    m_ok = new QPushButton(Localisation::Btn_Ok(), this);
    place(m_ok, "BoutonOk", 336, 440, 74, 20);
    m_ok->setDefault(true);

    m_email1 = linkLabel(mailAddressOf(KaminorConfig::MakerMail), Qt::AlignRight, this);
    place(m_email1, "Email1", 250, 390, 160, 12);

    m_nomProg = new QLabel(QStringLiteral("Kaminor"), this);
    place(m_nomProg, "StaticTextNomProg", 111, 139, 208, 36);
    sized(m_nomProg, 16, true);
    m_nomProg->setAlignment(Qt::AlignCenter);

    m_email2 = linkLabel(mailAddressOf(KaminorConfig::DevMail), Qt::AlignRight, this);
    place(m_email2, "Email2", 250, 375, 160, 12);

    m_web2 = linkLabel(QString::fromUtf8(KaminorConfig::DevSite), Qt::AlignLeft, this);
    place(m_web2, "Web2", 20, 375, 190, 12);

    m_icon = new PictureArea([] { return Fncts::IconApp_128(); }, this);
    place(m_icon, "CanvIcon", 151, 14, 128, 128);

    m_devLogo = new PictureArea([] { return maskedPicture(Fncts::CreditsLogo(), Fncts::CreditsLogoMask()); }, this);
    place(m_devLogo, "CanvDevLogo", 20, 439, 148, 22);

    for (QLabel* link : {m_web1, m_email1, m_email2, m_web2})
        fitToWidth(link);

    connect(m_ok, &QPushButton::clicked, this, &WinInfos::BoutonOk_Action);
    for (QWidget* link : {static_cast<QWidget*>(m_web1), static_cast<QWidget*>(m_email1),
                          static_cast<QWidget*>(m_email2), static_cast<QWidget*>(m_web2), m_devLogo})
        link->installEventFilter(this);
}

void WinInfos::showEvent(QShowEvent* event)
{
    if (!opened()) {
        if (QWidget* over = parentWidget()) {
            const QRect area = over->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + qMax(0, (area.height() - height()) / 3));
        }
        Event_Open();
    }
    ModalWindow::showEvent(event);
}

void WinInfos::Event_Open()
{
    openModal();
    m_version->setText(ShortVersion());
    m_onWeb1 = m_onWeb2 = m_onEmail1 = m_onEmail2 = m_onDevLogo = false;
}

void WinInfos::BoutonOk_Action() { FermeFentr(); }

void WinInfos::FermeFentr()
{
    allowClose();
    accept();
}

void WinInfos::reject()
{
    // The window has no cancel button: Escape does nothing.
    if (DrapMovableModal())
        return;
    ModalWindow::reject();
}

bool* WinInfos::flagOf(QObject* control)
{
    if (control == m_web1)
        return &m_onWeb1;
    if (control == m_web2)
        return &m_onWeb2;
    if (control == m_email1)
        return &m_onEmail1;
    if (control == m_email2)
        return &m_onEmail2;
    if (control == m_devLogo)
        return &m_onDevLogo;
    return nullptr;
}

bool WinInfos::eventFilter(QObject* watched, QEvent* event)
{
    bool* flag = flagOf(watched);
    auto* control = qobject_cast<QWidget*>(watched);
    if (!flag || !control)
        return ModalWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Enter:
        if (control->isEnabled())
            setCursor(Qt::PointingHandCursor);
        break;
    case QEvent::Leave:
        if (control->isEnabled())
            setCursor(Qt::ArrowCursor);
        break;
    case QEvent::MouseButtonPress:
        // The press claims the click: the release comes back to this control.
        *flag = true;
        return true;
    case QEvent::MouseButtonRelease: {
        if (!*flag)
            return true;
        *flag = false;
        setCursor(Qt::ArrowCursor);
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        if (at.x() >= 0 && at.x() <= control->width() && at.y() >= 0 && at.y() <= control->height())
            linkAction(watched);
        return true;
    }
    default:
        break;
    }
    return ModalWindow::eventFilter(watched, event);
}

void WinInfos::linkAction(QObject* control)
{
    if (control == m_web1 || control == m_web2)
        QDesktopServices::openUrl(QUrl(static_cast<QLabel*>(control)->text()));
    else if (control == m_email1 || control == m_email2)
        QDesktopServices::openUrl(aboutMailAddress(static_cast<QLabel*>(control)->text()));
    else if (control == m_devLogo)
        QDesktopServices::openUrl(QUrl(QString::fromUtf8(KaminorConfig::CreditsSite)));
}

bool AideAide(QWidget* parent)
{
    const QString model = Localisation::Txt_AideNonDispo();
    QString message = Fncts::FracTexte(model, 1) + QStringLiteral("Kaminor") + Fncts::FracTexte(model, 2) +
                            Localisation::Menu_AppleApropos() + Fncts::FracTexte(model, 3) + Fncts::TypeCompil() +
                            Fncts::FracTexte(model, 4);
    message.replace(QLatin1Char('\r'), Fncts::EOL()); // line breaks the message box shows
    const qint16 pressed = Fncts::MyDialogBox(message, QString(), Localisation::Btn_LireAbout(),
                                              Localisation::Btn_Fermer(), Localisation::Btn_FAQ(), 0);
    if (pressed == 1)
        WinInfos::Show(parent);
    else if (pressed == 3)
        QDesktopServices::openUrl(faqAddress());
    return true;
}

} // namespace Kaminor
