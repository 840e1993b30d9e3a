// The mailto: builder against any sender details: the address, read back the way
// a mail program reads it, gives exactly the recipient, subject and body built.
#include "FuzzSupport.h"

#include "MailDecode.h"
#include "app/MailTo.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

using Fncts::BuildMailTo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool encodWin = input.ConsumeBool();
    const QString recipient = FuzzSupport::utf8(input.ConsumeRandomLengthString(80));
    const QString subject = FuzzSupport::utf8(input.ConsumeRandomLengthString(120));
    const QString body = FuzzSupport::utf8(input.ConsumeRemainingBytesAsString());

    const Fncts::MailTo mail = BuildMailTo(recipient, subject, body, encodWin);
    const QString expectedBody = Fncts::ReplaceLineEndings(body, Fncts::EOL());

    // Windows Latin-1 only when asked for, and whenever the text fits it.
    if (!encodWin)
        FUZZ_CHECK(!mail.winLatin1);
    else
        FUZZ_CHECK(mail.winLatin1 == (Fncts::FitsWindowsLatin1(recipient) && Fncts::FitsWindowsLatin1(subject) &&
                                      Fncts::FitsWindowsLatin1(expectedBody)));

    // Only unreserved characters and escapes: nothing a mail program or a shell could split on.
    FUZZ_CHECK(mail.address.startsWith("mailto:"));
    for (char c : mail.address.mid(7)) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~' || c == '%' || c == '?' || c == '&' ||
                           c == '=';
        FUZZ_CHECK(plain);
    }
    FUZZ_CHECK(mail.url.isValid());
    FUZZ_CHECK(mail.url.toEncoded() == mail.address);

    const DecodedMail decoded = decodeMailTo(mail.address, mail.winLatin1);
    FUZZ_CHECK(decoded.recipient == recipient);
    FUZZ_CHECK((decoded.keys == QStringList{QStringLiteral("Subject"), QStringLiteral("body")}));
    FUZZ_CHECK(decoded.subject == subject);
    FUZZ_CHECK(decoded.body == expectedBody);
    return 0;
}
