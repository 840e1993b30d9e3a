#include "MailDecode.h"
#include "UrlCatcher.h"
#include "app/MailTo.h"
#include "text/Feedback.h"

#include <QDesktopServices>
#include <QStringDecoder>
#include <QTest>

using Fncts::BuildMailTo;
using Fncts::EOL;

namespace {

using Decoded = DecodedMail;
constexpr auto decode = decodeMailTo;

QByteArray encodedBody(const QByteArray& address)
{
    return address.mid(address.indexOf("&body=") + 6);
}

} // namespace

class TestMailTo : public QObject {
    Q_OBJECT

private slots:
    void bodyBytes_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("encodWin");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("winLatin1");

        QTest::newRow("é in Windows Latin-1") << u"é"_qs << true << QByteArray("%E9") << true;
        QTest::newRow("€ in Windows Latin-1") << u"€"_qs << true << QByteArray("%80") << true;
        QTest::newRow("é in UTF-8") << u"é"_qs << false << QByteArray("%C3%A9") << false;
        QTest::newRow("€ in UTF-8") << u"€"_qs << false << QByteArray("%E2%82%AC") << false;
        QTest::newRow("blank and ASCII marks")
            << u"a b&c=d?e#f%g+h"_qs << true << QByteArray("a%20b%26c%3Dd%3Fe%23f%25g%2Bh") << true;
        // Windows Latin-1 has no emoji: the whole mail goes in UTF-8 rather than lose it.
        QTest::newRow("emoji falls back to UTF-8")
            << u"é😀"_qs << true << QByteArray("%C3%A9%F0%9F%98%80") << false;
    }

    void bodyBytes()
    {
        QFETCH(QString, body);
        QFETCH(bool, encodWin);
        QFETCH(QByteArray, expected);
        QFETCH(bool, winLatin1);

        const Fncts::MailTo mail = BuildMailTo(u"contact@maker.example.com"_qs, u"Poêle"_qs, body, encodWin);
        QCOMPARE(encodedBody(mail.address), expected);
        QCOMPARE(mail.winLatin1, winLatin1);
        QCOMPARE(mail.address.mid(mail.address.indexOf("?Subject=") + 9, 9),
                 QByteArray(winLatin1 ? "Po%EAle&b" : "Po%C3%AAl"));
    }

    void addressShape()
    {
        const Fncts::MailTo toAnybody = BuildMailTo(QString(), u"Poêle sélectionné"_qs, u"x"_qs, false);
        QVERIFY(toAnybody.address.startsWith("mailto:?Subject="));
        QCOMPARE(toAnybody.url.scheme(), u"mailto"_qs);

        const Fncts::MailTo order
            = BuildMailTo(u"Commandes <commandes@maker.example.com>"_qs, u"Commande"_qs, u"x"_qs, true);
        QCOMPARE(order.address,
                 QByteArray("mailto:Commandes%20%3Ccommandes%40maker.example.com%3E?Subject=Commande&body=x"));
        QCOMPARE(decode(order.address, true).recipient, u"Commandes <commandes@maker.example.com>"_qs);
    }

    // Whatever the user types stays inside the body, and the URL handed to the
    // desktop carries exactly the bytes that were built.
    void typedTextStaysInBody_data()
    {
        QTest::addColumn<QString>("details");
        QTest::addColumn<bool>("encodWin");

        const QString hostile = u"Dupont & fils = 100 % ? #1 &cc=someone@example.com&body=spam"_qs;
        QTest::newRow("delimiters, Windows Latin-1") << hostile << true;
        QTest::newRow("delimiters, UTF-8") << hostile << false;
        QTest::newRow("line breaks and tabs") << u"12 rue\r\ndes Forges\rLyon\n\tFrance\r\n"_qs << true;
        QTest::newRow("emoji") << u"Merci 🔥 & à bientôt"_qs << true;
        QTest::newRow("right-to-left") << u"שלום עליכם & مرحبا\u200F=1"_qs << false;
        QTest::newRow("percent escapes typed") << u"%41%26%0D%0A"_qs << true;
    }

    void typedTextStaysInBody()
    {
        QFETCH(QString, details);
        QFETCH(bool, encodWin);

        const QString body = EOL() + u"Bonjour,"_qs + EOL() + u"Mes coordonnées :\r"_qs + details + EOL();
        const Fncts::MailTo mail = BuildMailTo(u"contact@maker.example.com"_qs, u"Renseignements"_qs, body, encodWin);

        QVERIFY(mail.url.isValid());
        QCOMPARE(mail.url.toEncoded(), mail.address);

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(u"mailto"_qs, &catcher, "open");
        QDesktopServices::openUrl(mail.url);
        QDesktopServices::unsetUrlHandler(u"mailto"_qs);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toEncoded(), mail.address);

        const Decoded d = decode(catcher.urls.first().toEncoded(), mail.winLatin1);
        QCOMPARE(d.keys, QStringList({u"Subject"_qs, u"body"_qs}));
        QCOMPARE(d.recipient, u"contact@maker.example.com"_qs);
        QCOMPARE(d.subject, u"Renseignements"_qs);
        QCOMPARE(d.body, Fncts::ReplaceLineEndings(body, EOL()));
        QVERIFY(d.body.startsWith(EOL()));
        QVERIFY(!d.body.contains(u'\r') || EOL().contains(u'\r'));
    }

    void lineEndings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("CR LF, CR and LF") << u"a\r\nb\rc\nd"_qs << u"a|b|c|d"_qs;
        QTest::newRow("LF CR is two breaks") << u"a\n\rb"_qs << u"a||b"_qs;
        QTest::newRow("trailing and empty lines") << u"\r\n\r\n"_qs << u"||"_qs;
        QTest::newRow("no break") << u"abc"_qs << u"abc"_qs;
    }

    void lineEndings()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Fncts::ReplaceLineEndings(text, u"|"_qs), expected);
    }
};

QTEST_MAIN(TestMailTo)
#include "test_mailto.moc"
