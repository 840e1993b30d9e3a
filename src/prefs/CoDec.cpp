#include "CoDec.h"

#include "text/Feedback.h"

#include <QByteArray>

namespace Fncts {

QString CoDecAlphabet(qint16 TypeCrypt)
{
    switch (TypeCrypt) {
    case 1:
        return QStringLiteral("@#&(){}[]-_$*%=+:/;.,!?<>1234567890abcdefghijklmnopqrstuvwxyz");
    case 2:
        return QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    case 3:
        return QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");
    case 0: {
        QString all(256, QChar());
        for (int code = 0; code < 256; ++code)
            all[code] = QChar(code);
        return all;
    }
    default:
        return QString();
    }
}

namespace {

QString scramble(const QByteArray& text, const QByteArray& key, const QString& alphabet)
{
    const qsizetype n = alphabet.size();
    if (n == 0)
        return QString();
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Byte i (counted from 1 as i + 1) uses key byte ((i + 1) mod M) + 1.
        const int k = static_cast<quint8>(key.at((i + 1) % key.size()));
        const int value = (static_cast<quint8>(text.at(i)) + k) % 256;
        out += alphabet.at(value / n);
        out += alphabet.at(value % n);
    }
    return out;
}

QString unscramble(const QString& text, const QByteArray& key, const QString& alphabet)
{
    const qsizetype n = alphabet.size();
    if (text.size() % 2 != 0)
        return QString();
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype pair = 0; pair * 2 < text.size(); ++pair) {
        const qsizetype high = alphabet.indexOf(text.at(pair * 2));
        const qsizetype low = alphabet.indexOf(text.at(pair * 2 + 1));
        if (high < 0 || low < 0)
            return QString();
        const qsizetype value = high * n + low;
        if (value > 255)
            return QString();
        // Pair k (counted from 1 as pair + 1) uses the same key cycle as byte k.
        int x = static_cast<int>(value) - static_cast<quint8>(key.at((pair + 1) % key.size()));
        if (x < 0)
            x += 256;
        bytes.append(static_cast<char>(x));
    }
    return QString::fromUtf8(bytes);
}

} // namespace

QString CoDec(const QString& text, const QString& key, bool encode, qint16 TypeCrypt)
{
    if (text.isEmpty() || key.isEmpty())
        return text;
    if (TypeCrypt == 0)
        ErrorReport(QStringLiteral("CoDec. TypeCrypt = 0 shouldn't be used !"));
    const QString alphabet = CoDecAlphabet(TypeCrypt);
    const QByteArray keyBytes = key.toUtf8();
    return encode ? scramble(text.toUtf8(), keyBytes, alphabet) : unscramble(text, keyBytes, alphabet);
}

} // namespace Fncts
