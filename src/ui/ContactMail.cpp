#include "ui/ContactMail.h"

#include "app/Fncts.h"
#include "app/MailTo.h"
#include "text/Feedback.h"
#include "text/Localisation.h"

#include "KaminorConfig.h"

#include <QGuiApplication>

namespace Kaminor {

namespace {

std::function<void()>& copyBipPlayer()
{
    static std::function<void()> player;
    return player;
}

// The body's opening: blank, greeting, blank, introduction, the description,
// blank, the photo, blank.
QString bodyStart(const QString& intro, const ContactInputs& in)
{
    const QString eol = Fncts::EOL();
    return eol + Localisation::Txt_Hello() + eol + eol + intro + eol + in.description + eol
        + PhotoAddress(in.reference) + eol + eol;
}

QString bodyEnd(const ContactInputs& in)
{
    return Localisation::LbMyDetails() + Fncts::EOL() + in.details + Fncts::EOL();
}

} // namespace

QString PhotoAddress(const QString& reference)
{
    return QString::fromUtf8(KaminorConfig::PhotoBaseUrl) + reference + QStringLiteral(".jpg");
}

ContactText InfoCdeText(const ContactInputs& in)
{
    namespace T = Localisation;
    const QString eol = Fncts::EOL();
    ContactText text;
    if (in.dealer) {
        text.recipient = QString::fromUtf8(KaminorConfig::OrderMail);
        text.subject = T::Btn_Cde();
    } else {
        text.recipient = QString::fromUtf8(KaminorConfig::ContactMail);
        text.subject = T::Btn_Info();
    }
    text.body = bodyStart(in.dealer ? T::Txt_WishOrder() : T::Txt_WishInfoFor(), in);
    if (in.dealer)
        text.body += in.priceHTLine + eol + eol + T::Txt_ContMark() + T::Txt_Attente() + eol;
    text.body += T::Txt_DelivWithin() + T::Txt_Attente() + eol + eol + bodyEnd(in);
    return text;
}

ContactText SendMailText(const ContactInputs& in)
{
    namespace T = Localisation;
    ContactText text;
    text.subject = in.sendMailTitle;
    text.body = bodyStart(in.dealer ? T::Txt_YouhaveSelect() : T::Txt_IhaveSelect(), in);
    if (in.dealer)
        text.body += in.prices + Fncts::EOL();
    text.body += bodyEnd(in);
    return text;
}

QString ContactClipboardText(const ContactText& text, bool withRecipient)
{
    const QString eol = Fncts::EOL();
    QString all;
    if (withRecipient)
        all = text.recipient + eol;
    all += text.subject + eol + text.body;
    return Fncts::ReplaceLineEndings(all, eol);
}

bool OptionKeyDown()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}

void PlayCopyBip()
{
    if (copyBipPlayer())
        copyBipPlayer()();
    else
        Fncts::PlayT(Fncts::Bip());
}

void setCopyBipPlayer(std::function<void()> player)
{
    copyBipPlayer() = std::move(player);
}

} // namespace Kaminor
