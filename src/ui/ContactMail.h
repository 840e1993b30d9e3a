// The texts of the two contact buttons: an order or an information request to
// the maker, and a message about the configured stove for anybody.
#pragma once

#include <QString>

#include <functional>

namespace Kaminor {

// What the window shows at the moment of the click.
struct ContactInputs {
    bool dealer = false;   // prices enabled by the stored password
    QString reference;     // the photo reference field
    QString priceHTLine;   // price label, price excluding VAT and currency, blank separated
    QString sendMailTitle; // the caption beside the send-mail button
    QString description;   // the seven description lines, each ending with EOL
    QString prices;        // the four price lines, each ending with EOL
    QString details;       // the sender's details as typed
};

struct ContactText {
    QString recipient; // empty for a message to anybody
    QString subject;
    QString body;
};

// The photo of the configuration on the maker's server.
QString PhotoAddress(const QString& reference);

// An order (dealer) or an information request (customer) to the maker.
ContactText InfoCdeText(const ContactInputs& in);
// A message about the stove; the recipient is filled in the mail program.
ContactText SendMailText(const ContactInputs& in);

// What an Option-click puts on the clipboard: the recipient when asked, the
// subject and the body, one per line, every line ending made EOL.
QString ContactClipboardText(const ContactText& text, bool withRecipient);

// The Option key (Alt), read just before sending.
bool OptionKeyDown();

// The sound of a copy to the clipboard, played whatever the sound setting.
// Tests may replace the player; an empty function goes back to the sound.
void PlayCopyBip();
void setCopyBipPlayer(std::function<void()> player);

} // namespace Kaminor
