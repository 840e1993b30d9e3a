// Reads an encoded mailto: address back the way a mail program does: recipient up
// to the first "?", then "&"-separated pairs split at their first "=", then the
// percent-encoding and the byte encoding undone.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

struct DecodedMail {
    QString recipient;
    QStringList keys;
    QString subject;
    QString body;
};

inline DecodedMail decodeMailTo(const QByteArray& address, bool winLatin1)
{
    auto text = [winLatin1](const QByteArray& part) {
        const QByteArray bytes = QByteArray::fromPercentEncoding(part);
        if (!winLatin1)
            return QString::fromUtf8(bytes);
        QStringDecoder decoder("windows-1252");
        return QString(decoder.decode(bytes));
    };
    DecodedMail mail;
    const QByteArray rest = address.mid(qsizetype(qstrlen("mailto:")));
    const qsizetype question = rest.indexOf('?');
    mail.recipient = text(rest.left(question));
    for (const QByteArray& pair : rest.mid(question + 1).split('&')) {
        const qsizetype eq = pair.indexOf('=');
        const QString key = QString::fromLatin1(pair.left(eq));
        mail.keys << key;
        if (key == u"Subject")
            mail.subject = text(pair.mid(eq + 1));
        else if (key == u"body")
            mail.body = text(pair.mid(eq + 1));
    }
    return mail;
}
