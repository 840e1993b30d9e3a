// Template fragments against any text and fragment number: a number inside the
// fragments gives a fragment without a marker and no report, one outside gives
// nothing and one report, and the fragments joined by the marker are the text.
#include "FuzzSupport.h"

#include "text/FracTexte.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

using Fncts::FracTexte;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto partie = input.ConsumeIntegral<qint16>();
    const bool utf16 = input.ConsumeBool();
    QString text;
    if (utf16) {
        // Any code units, lone surrogates included.
        const std::vector<std::uint8_t> bytes = input.ConsumeRemainingBytes<std::uint8_t>();
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            text += QChar(char16_t(bytes[i] | (bytes[i + 1] << 8)));
    } else {
        text = FuzzSupport::utf8(input.ConsumeRemainingBytesAsString());
    }
    const QString marker = QString::fromUtf16(Fncts::TemplateMarker);
    const qsizetype fragments = text.count(marker) + 1;

    const int before = FuzzSupport::sink().messages;
    const QString fragment = FracTexte(text, partie);
    const bool inside = partie >= 1 && partie <= fragments;
    FUZZ_CHECK(FuzzSupport::sink().messages == before + (inside ? 0 : 1));
    if (!inside) {
        FUZZ_CHECK(fragment.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!fragment.contains(marker));
    FUZZ_CHECK(text.contains(fragment));

    // Rebuilt from its fragments, a text with few markers is the text again.
    if (fragments <= 32) {
        QString rebuilt;
        for (qint16 i = 1; i <= fragments; ++i) {
            if (i > 1)
                rebuilt += marker;
            rebuilt += FracTexte(text, i);
        }
        FUZZ_CHECK(rebuilt == text);
        FUZZ_CHECK(FuzzSupport::sink().messages == before);
    }
    return 0;
}
