// The mailto: address of the contact buttons, built as bytes that reach the
// mail program untouched: each part is converted to the mail's encoding,
// percent-encoded as a URL component, and never decoded again on the way.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace Fncts {

// Replaces every line ending of text (CR LF, CR or LF) by eol.
QString ReplaceLineEndings(const QString& text, const QString& eol);

// True when every character of text has a Windows Latin-1 (windows-1252) byte.
bool FitsWindowsLatin1(const QString& text);

// The bytes of text in Windows Latin-1 (winLatin1) or UTF-8.
QByteArray MailPartBytes(const QString& text, bool winLatin1);

struct MailTo {
    // "mailto:" + recipient + "?Subject=" + subject + "&body=" + body, each part
    // percent-encoded; the body's line endings are EOL.
    QByteArray address;
    // The same address as a URL, for QDesktopServices::openUrl; its encoded form
    // is exactly address.
    QUrl url;
    // False when the mail was asked in Windows Latin-1 but holds a character
    // that encoding lacks: the whole mail then goes in UTF-8 rather than lose it.
    bool winLatin1 = false;
};

// recipient may be empty (the user fills it in the mail program).
MailTo BuildMailTo(const QString& recipient, const QString& subject, const QString& body, bool encodWin);

} // namespace Fncts
