#include "text/Feedback.h"

#include <QElapsedTimer>
#include <QtTest>

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    void init() { Fncts::setFeedbackSink(&m_sink); m_sink = {}; }
    void cleanup() { Fncts::setFeedbackSink(nullptr); }

    void errorReportHasHeadingAndDetail()
    {
        Fncts::ErrorReport(QStringLiteral("Index RdButtSide = 6"));
        QCOMPARE(m_sink.messages,
                 QStringList{QStringLiteral("Error ! Please contact the authors.\nIndex RdButtSide = 6")});
        Fncts::ErrorReport2(QStringLiteral("My DialogBox, BtnAct = ''"));
        QCOMPARE(m_sink.messages.last(),
                 QStringLiteral("Error !\nPlease contact the authors.\nMy DialogBox, BtnAct = ''"));
    }

    void beepCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("minMs");
        QTest::newRow("three") << 3 << 3 << 2 * 10 * 1000 / 60;
        QTest::newRow("one, no pause") << 1 << 1 << 0;
        QTest::newRow("zero") << 0 << 0 << 0;
        QTest::newRow("negative") << -2 << 0 << 0;
    }
    void beepCounts()
    {
        QFETCH(int, count);
        QFETCH(int, beeps);
        QFETCH(int, minMs);
        QElapsedTimer clock;
        clock.start();
        Fncts::BeepNbT(qint16(count));
        QCOMPARE(m_sink.beeps, beeps);
        QVERIFY(clock.elapsed() >= minMs);
        if (minMs == 0)
            QVERIFY(clock.elapsed() < 100);
    }

private:
    Fncts::RecordingSink m_sink;
};

QTEST_GUILESS_MAIN(TestFeedback)
#include "test_feedback.moc"
