#include "text/FracTexte.h"

#include "text/Feedback.h"

#include <QtTest>

class TestFracTexte : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_sink = {};
        Fncts::setFeedbackSink(&m_sink);
    }
    void cleanup() { Fncts::setFeedbackSink(nullptr); }

    void fragments_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("partie");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<bool>("reported");

        const QString vat = QStringLiteral(u"TVA ¿%");
        const QString help = QStringLiteral(u"L'aide ¿%.\rLire “¿%”.\r \rPour ¿%.");
        QTest::newRow("first keeps its trailing space") << vat << 1 << QStringLiteral("TVA ") << false;
        QTest::newRow("empty last fragment") << vat << 2 << QString() << false;
        QTest::newRow("one past the last") << vat << 3 << QString() << true;
        QTest::newRow("zero") << vat << 0 << QString() << true;
        QTest::newRow("negative") << vat << -1 << QString() << true;
        QTest::newRow("no marker: whole text")
            << QStringLiteral("Prix") << 1 << QStringLiteral("Prix") << false;
        QTest::newRow("no marker: second") << QStringLiteral("Prix") << 2 << QString() << true;
        QTest::newRow("middle of three markers") << help << 2 << QStringLiteral(u".\rLire “") << false;
        QTest::newRow("last of three markers") << help << 4 << QStringLiteral(".") << false;
        QTest::newRow("marker first") << QStringLiteral(u"¿%x") << 1 << QString() << false;
        QTest::newRow("adjacent markers") << QStringLiteral(u"a¿%¿%b") << 2 << QString() << false;
        QTest::newRow("after adjacent markers")
            << QStringLiteral(u"a¿%¿%b") << 3 << QStringLiteral("b") << false;
        QTest::newRow("lone inverted question mark")
            << QStringLiteral(u"a¿b%c") << 1 << QStringLiteral(u"a¿b%c") << false;
        QTest::newRow("empty text") << QString() << 1 << QString() << false;
        QTest::newRow("largest number") << vat << 32767 << QString() << true;
    }
    void fragments() {
        QFETCH(QString, text);
        QFETCH(int, partie);
        QFETCH(QString, fragment);
        QFETCH(bool, reported);

        const QString result = Fncts::FracTexte(text, qint16(partie));
        QCOMPARE(result, fragment);
        QCOMPARE(m_sink.messages.size(), reported ? 1 : 0);
        if (reported) {
            const QString eol = Fncts::EOL();
            QCOMPARE(m_sink.messages.first(), QStringLiteral("Error ! Please contact the authors.") + eol +
                                                  QStringLiteral("FracTexte. Partie = ") +
                                                  QString::number(partie) + eol + QStringLiteral(" ") + eol +
                                                  text);
        }
    }

private:
    Fncts::RecordingSink m_sink;
};

QTEST_GUILESS_MAIN(TestFracTexte)
#include "test_fractexte.moc"
