#include "app/MailTo.h"

#include "text/Feedback.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Fncts {

namespace {

const char* const kWinLatin1 = "windows-1252";

} // namespace

QString ReplaceLineEndings(const QString& text, const QString& eol)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += eol;
        } else if (c == u'\n') {
            out += eol;
        } else {
            out += c;
        }
    }
    return out;
}

bool FitsWindowsLatin1(const QString& text)
{
    QStringEncoder encoder(kWinLatin1);
    if (!encoder.isValid())
        return false;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    // The encoder may substitute silently: a lossless conversion reads back the same.
    QStringDecoder decoder(kWinLatin1);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back == text;
}

QByteArray MailPartBytes(const QString& text, bool winLatin1)
{
    if (winLatin1) {
        QStringEncoder encoder(kWinLatin1);
        if (encoder.isValid())
            return encoder.encode(text);
    }
    return text.toUtf8();
}

MailTo BuildMailTo(const QString& recipient, const QString& subject, const QString& body, bool encodWin)
{
    const QString normalisedBody = ReplaceLineEndings(body, EOL());

    MailTo mail;
    mail.winLatin1 = encodWin && FitsWindowsLatin1(recipient) && FitsWindowsLatin1(subject)
        && FitsWindowsLatin1(normalisedBody);

    // toPercentEncoding leaves only the unreserved characters (letters, digits, "-._~"),
    // so "&", "=", "?", "#", "%", line breaks and every non-ASCII byte stay inside their part.
    mail.address = QByteArrayLiteral("mailto:")
        + MailPartBytes(recipient, mail.winLatin1).toPercentEncoding()
        + QByteArrayLiteral("?Subject=") + MailPartBytes(subject, mail.winLatin1).toPercentEncoding()
        + QByteArrayLiteral("&body=") + MailPartBytes(normalisedBody, mail.winLatin1).toPercentEncoding();
    mail.url = QUrl::fromEncoded(mail.address, QUrl::StrictMode);
    return mail;
}

} // namespace Fncts
