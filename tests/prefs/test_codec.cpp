#include "prefs/CoDec.h"
#include "text/Feedback.h"

#include <QRandomGenerator>
#include <QTest>

using Fncts::CoDec;

class TestCoDec : public QObject {
    Q_OBJECT

private slots:
    void init() { Fncts::setFeedbackSink(&m_sink); m_sink = {}; }
    void cleanup() { Fncts::setFeedbackSink(nullptr); }

    void scramble_data();
    void scramble();
    void alphabetThreePairsStartLow();
    void roundTripRandom();
    void foreign_data();
    void foreign();
    void typeZeroReportsEachUse();
    void unknownAlphabetGivesNothing();

private:
    Fncts::RecordingSink m_sink;
};

void TestCoDec::scramble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("scrambled");

    // 97+121 = 218 = 3*61+35, 98+120 = 218, 99+121 = 220 = 3*61+37.
    QTest::newRow("worked example") << "abc" << "xy" << 1 << "(a(a(c";
    // U+0200 is C8 80: byte 200 with key byte 'd' (100) wraps to 44 -> "@" "j";
    // byte 128 with 'x' (120) gives 248 = 4*61+4 -> ")" ")".
    QTest::newRow("wrap past 255") << QStringLiteral("\u0200") << "xd" << 1 << "@j))";
    // One-byte key: every byte uses it. 'a'+'x' = 217 = 3*61+34 -> "(" "0".
    QTest::newRow("one-byte key") << "aa" << "x" << 1 << "(0(0";
    // A key longer than the text uses only its bytes 2 to L+1.
    QTest::newRow("long key") << "a" << "xyzzzz" << 1 << "(a";
    QTest::newRow("empty text") << "" << "RiZag#Wd" << 1 << "";
    QTest::newRow("empty key") << "abc" << "" << 1 << "abc";
    // é is C3 A9: 195+121 = 316-256 = 60 -> "@" "z"; 169+120 = 289-256 = 33 -> "@" "9".
    QTest::newRow("two-byte character") << QStringLiteral("\u00e9") << "xy" << 1 << "@z@9";
    // Alphabet 3: 'a'+'y' = 218 = 6*32+26 -> "G" "4".
    QTest::newRow("alphabet 3") << "a" << "xy" << 3 << "G4";
}

void TestCoDec::scramble()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(int, type);
    QFETCH(QString, scrambled);
    QCOMPARE(CoDec(text, key, true, qint16(type)), scrambled);
    QCOMPARE(CoDec(scrambled, key, false, qint16(type)), text);
    QVERIFY(m_sink.messages.isEmpty());
}

void TestCoDec::alphabetThreePairsStartLow()
{
    QString all;
    for (int c = 1; c < 256; ++c)
        all += QChar(c);
    const QString out = CoDec(all, QStringLiteral("RiZag#Wd"), true, 3);
    QCOMPARE(out.size(), all.toUtf8().size() * 2);
    for (qsizetype i = 0; i < out.size(); i += 2)
        QVERIFY2(QStringLiteral("ABCDEFGH").contains(out.at(i)), qPrintable(out.mid(i, 2)));
    QCOMPARE(CoDec(out, QStringLiteral("RiZag#Wd"), false, 3), all);
}

void TestCoDec::roundTripRandom()
{
    QRandomGenerator rng(20261211);
    const auto randomText = [&rng](int maxLength) {
        QString s;
        const int length = rng.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            // ASCII, Latin-1, other BMP characters and a few outside the BMP.
            switch (rng.bounded(4)) {
            case 0: s += QChar(rng.bounded(1, 128)); break;
            case 1: s += QChar(rng.bounded(128, 256)); break;
            case 2: s += QChar(rng.bounded(0x100, 0xD800)); break;
            default: s += QString::fromUcs4(std::array<char32_t, 1>{char32_t(rng.bounded(0x10000, 0x10FFFF))}.data(), 1);
            }
        }
        return s;
    };
    for (int round = 0; round < 500; ++round) {
        const QString text = randomText(40);
        QString key = randomText(12);
        if (key.isEmpty())
            key = QStringLiteral("k");
        const qint16 type = qint16(1 + rng.bounded(3));
        const QString out = CoDec(text, key, true, type);
        QCOMPARE(out.size(), text.toUtf8().size() * 2);
        for (const QChar c : out)
            QVERIFY(Fncts::CoDecAlphabet(type).contains(c));
        QCOMPARE(CoDec(out, key, false, type), text);
    }
}

void TestCoDec::foreign_data()
{
    QTest::addColumn<QString>("text");
    // Each is refused as a whole: the rule gives an empty text, never garbage.
    QTest::newRow("odd length") << "(a(a(";
    QTest::newRow("character outside the alphabet") << "(a(A(c";
    QTest::newRow("blank inside") << "(a (a(";
    QTest::newRow("pair above 255") << "(a(az(";
    QTest::newRow("single character") << "(";
}

void TestCoDec::foreign()
{
    QFETCH(QString, text);
    QCOMPARE(CoDec(text, QStringLiteral("xy"), false, 1), QString());
    QVERIFY(m_sink.messages.isEmpty());
}

void TestCoDec::typeZeroReportsEachUse()
{
    const QString text = QStringLiteral("d\u00e9j\u00e0");
    const QString out = CoDec(text, QStringLiteral("RiZag#Wd"), true, 0);
    QCOMPARE(out.size(), text.toUtf8().size() * 2);
    QCOMPARE(CoDec(out, QStringLiteral("RiZag#Wd"), false, 0), text);
    QCOMPARE(m_sink.messages.size(), 2);
    QCOMPARE(m_sink.messages.first(),
             Fncts::errorReportText(QStringLiteral("CoDec. TypeCrypt = 0 shouldn't be used !")));
}

void TestCoDec::unknownAlphabetGivesNothing()
{
    QCOMPARE(CoDec(QStringLiteral("abc"), QStringLiteral("xy"), true, 7), QString());
    QCOMPARE(CoDec(QStringLiteral("(a(a(c"), QStringLiteral("xy"), false, -1), QString());
    QVERIFY(m_sink.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestCoDec)
#include "test_codec.moc"
