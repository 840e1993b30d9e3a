// The scrambler that keeps the price password and the coefficient from being
// read at a glance in the preferences file.
#pragma once

#include <QString>
#include <QtGlobal>

namespace Fncts {

// The alphabet of a TypeCrypt: 1 the default one, 2 lower-case letters, 3 an
// upper-case alphabet without I, O, 0 and 1, 0 the 256 characters of codes 0
// to 255 (reported as a mistake when used), anything else empty.
QString CoDecAlphabet(qint16 TypeCrypt);

// Scrambles (encode true) or unscrambles (encode false) text under key.
// Each UTF-8 byte of the text is shifted by a byte of the key's UTF-8 form,
// modulo 256, and written as two characters of the alphabet (a two-digit
// number in base N, N the alphabet's length). The first text byte uses the
// second key byte, and so on in a cycle. An empty text or an empty key gives
// the text back unchanged.
//
// Unscrambling text the scrambler cannot have made (an odd number of
// characters, a character outside the alphabet, a pair worth more than 255)
// gives an empty text: a damaged value reads as "nothing stored" rather than
// as arbitrary bytes. Bytes that do not form valid UTF-8 (a wrong key) come
// back as replacement characters.
QString CoDec(const QString& text, const QString& key, bool encode, qint16 TypeCrypt);

} // namespace Fncts
