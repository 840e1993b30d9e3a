// The evaluation of a version-file reply against any address and content.
// The verdict's fields must come from the text as received, and a reply built
// from known parts must give those parts back.
#include "FuzzSupport.h"

#include "app/UpdateCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QStringList>

#include <cstddef>
#include <cstdint>

using Kaminor::VersionVerdict;
using Kaminor::evaluateVersionText;

namespace {

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool mentionsOlder(const QString& text)
{
    return text.contains(QLatin1String("Older versions"), Qt::CaseInsensitive);
}

void checkVerdict(const QString& received, const QString& running, const VersionVerdict& v)
{
    const qsizetype cr = received.indexOf(QLatin1Char('\r'));
    if (cr < 0) {
        FUZZ_CHECK(v.outcome == VersionVerdict::NetworkError);
        FUZZ_CHECK(v.errorCode == received);
        return;
    }
    FUZZ_CHECK(v.outcome != VersionVerdict::NetworkError);
    FUZZ_CHECK(v.address == received.left(cr));
    FUZZ_CHECK(!hasLineBreak(v.siteUrl) && !hasLineBreak(v.version));
    FUZZ_CHECK(!v.notes.contains(QLatin1Char('\n')));
    FUZZ_CHECK(!v.notes.endsWith(QLatin1Char('\r')));
    FUZZ_CHECK(!mentionsOlder(v.siteUrl) && !mentionsOlder(v.version) && !mentionsOlder(v.notes));
    if (v.outcome == VersionVerdict::UpToDate || v.outcome == VersionVerdict::NewVersion) {
        FUZZ_CHECK(v.version.startsWith(QLatin1String("v."), Qt::CaseInsensitive));
        FUZZ_CHECK(v.siteUrl.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                   v.siteUrl.startsWith(QLatin1String("https://"), Qt::CaseInsensitive));
        FUZZ_CHECK((v.outcome == VersionVerdict::UpToDate) == (v.version.compare(running, Qt::CaseInsensitive) == 0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool fromParts = input.ConsumeBool();
    const QString running = FuzzSupport::utf8(input.ConsumeRandomLengthString(24));

    if (!fromParts) {
        // The address, then anything as the file's content; or anything at all.
        const bool withAddress = input.ConsumeBool();
        const QString address = FuzzSupport::utf8(input.ConsumeRandomLengthString(200));
        const QString content = FuzzSupport::utf8(input.ConsumeRemainingBytesAsString());
        const QString received = withAddress ? address + QLatin1Char('\r') + content : address + content;
        checkVerdict(received, running, evaluateVersionText(received, running));
        return 0;
    }

    // A well-formed file: its parts must come back as they were.
    const QString address = FuzzSupport::utf8(input.ConsumeRandomLengthString(200));
    const QString title = QStringLiteral("Release Notes") + FuzzSupport::utf8(input.ConsumeRandomLengthString(40));
    const QString site = (input.ConsumeBool() ? QStringLiteral("https://") : QStringLiteral("HTTP://")) +
                         FuzzSupport::utf8(input.ConsumeRandomLengthString(80));
    const QString version = (input.ConsumeBool() ? running : QStringLiteral("V.") +
                             FuzzSupport::utf8(input.ConsumeRandomLengthString(16)));
    QStringList items;
    const int itemCount = input.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < itemCount; ++i)
        items << FuzzSupport::utf8(input.ConsumeRandomLengthString(60));
    const bool crlf = input.ConsumeBool();
    const QString older = FuzzSupport::utf8(input.ConsumeRemainingBytesAsString());

    if (!version.startsWith(QLatin1String("v."), Qt::CaseInsensitive))
        return 0;
    for (const QString& part : QStringList{title, site, version} + items) {
        if (hasLineBreak(part) || mentionsOlder(part))
            return 0;
    }
    for (const QString& item : items) {
        // A dash could join an item to its separator.
        if (item.contains(QLatin1Char('-')))
            return 0;
    }

    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString content = title + eol + site + eol + version + eol;
    if (!items.isEmpty())
        content += QStringLiteral("-- ") + items.join(QStringLiteral(" -- ")) + eol;
    content += QStringLiteral("Older versions") + older;
    const QString received = address + QLatin1Char('\r') + content;

    const VersionVerdict v = evaluateVersionText(received, running);
    checkVerdict(received, running, v);
    if (address.contains(QLatin1Char('\r')))
        return 0; // the address ends at its first CR: the file starts elsewhere
    FUZZ_CHECK(v.address == address);
    FUZZ_CHECK(v.siteUrl == site);
    FUZZ_CHECK(v.version == version);
    FUZZ_CHECK(v.outcome == (version.compare(running, Qt::CaseInsensitive) == 0 ? VersionVerdict::UpToDate
                                                                                 : VersionVerdict::NewVersion));
    if (!items.isEmpty())
        FUZZ_CHECK(v.notes == QStringLiteral("\u2022 ") + items.join(QStringLiteral("\r\u2022 ")));
    else
        FUZZ_CHECK(v.notes.isEmpty());
    return 0;
}
