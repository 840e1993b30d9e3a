// The scrambler against any text and key. Unscrambling anything either gives
// nothing or a text that scrambles back to the input; scrambling round-trips.
#include "FuzzSupport.h"

#include "prefs/CoDec.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

using Fncts::CoDec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // 0 to 3 are the alphabets, 4 an unknown type (empty alphabet).
    const auto type = qint16(input.ConsumeIntegralInRange<int>(0, 4));
    const bool pairsFromBytes = input.ConsumeBool();
    const QString key = FuzzSupport::utf8(input.ConsumeRandomLengthString(64));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QString alphabet = Fncts::CoDecAlphabet(type);

    // A scrambled value: any text, or pairs of alphabet characters picked by the bytes
    // (which reach the valid pairs far more often).
    QString scrambled;
    if (pairsFromBytes && !alphabet.isEmpty()) {
        for (unsigned char byte : rest)
            scrambled += alphabet.at(byte % alphabet.size());
    } else {
        scrambled = FuzzSupport::utf8(rest);
    }

    const QString plain = CoDec(scrambled, key, false, type);
    if (scrambled.isEmpty() || key.isEmpty()) {
        FUZZ_CHECK(plain == scrambled);
    } else if (!plain.isEmpty() && !plain.contains(QChar::ReplacementCharacter)) {
        // Valid UTF-8 came out: scrambling it again gives exactly the input.
        FUZZ_CHECK(CoDec(plain, key, true, type) == scrambled);
    }
    if (!key.isEmpty() && scrambled.size() % 2 != 0)
        FUZZ_CHECK(plain.isEmpty());

    // Any text scrambles into alphabet pairs and back.
    const QString text = FuzzSupport::utf8(rest);
    const QString coded = CoDec(text, key, true, type);
    if (text.isEmpty() || key.isEmpty()) {
        FUZZ_CHECK(coded == text);
    } else if (!alphabet.isEmpty()) {
        FUZZ_CHECK(coded.size() == 2 * text.toUtf8().size());
        for (QChar c : coded)
            FUZZ_CHECK(alphabet.contains(c));
        FUZZ_CHECK(CoDec(coded, key, false, type) == text);
    }
    return 0;
}
