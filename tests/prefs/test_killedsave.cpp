// A save killed at any moment leaves the previous file or the new one, whole.
#include "SaveSets.h"
#include "text/Feedback.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Kaminor;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes PrefsSauver writes for record which.
QByteArray savedText(int which)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !SaveSets::save(which, dir.path()))
        return {};
    return readBytes(prefsFilePath(dir.path()));
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class TestKilledSave : public QObject {
    Q_OBJECT

    Fncts::RecordingSink m_sink;

private slots:
    void initTestCase() { Fncts::setFeedbackSink(&m_sink); }
    void cleanupTestCase() { Fncts::setFeedbackSink(nullptr); }

    void killedAtRandomMoments();
};

void TestKilledSave::killedAtRandomMoments()
{
    constexpr int Runs = 300;
    constexpr int MaxDelayUs = 20000;
    constexpr quint32 Seed = 1211;

    const QByteArray texts[2] = {savedText(0), savedText(1)};
    QVERIFY(!texts[0].isEmpty() && !texts[1].isEmpty());
    QVERIFY(texts[0].size() != texts[1].size());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = prefsFilePath(dir.path());

    // How long one save takes here, to tell whether the kills fall inside saves.
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= 10; ++i)
        QVERIFY(SaveSets::save(i % 2, dir.path()));
    const qint64 saveUs = clock.nsecsElapsed() / 10000;
    // The saver starts from record 0 and writes record 1 first.
    QCOMPARE(readBytes(path), texts[0]);

    QRandomGenerator rng(Seed);
    int holds[2] = {0, 0};
    clock.restart();
    for (int run = 0; run < Runs; ++run) {
        const int delayUs = int(rng.bounded(MaxDelayUs));
        const QString where = QStringLiteral("seed %1, run %2, kill after %3 us").arg(Seed).arg(run).arg(delayUs);

        QProcess saver;
        saver.start(QStringLiteral(KAMINOR_PREFS_SAVER), {dir.path()});
        QVERIFY2(saver.waitForStarted(10000), qPrintable(where + QStringLiteral(": ") + saver.errorString()));
        QVERIFY2(saver.waitForReadyRead(10000), qPrintable(where + QStringLiteral(": the saver did not start")));
        QThread::usleep(ulong(delayUs));
        saver.kill();
        QVERIFY2(saver.waitForFinished(10000), qPrintable(where));
        // A saver that stopped by itself could not save.
        QVERIFY2(saver.exitStatus() == QProcess::CrashExit,
                 qPrintable(where + QStringLiteral(": ") + QString::fromLocal8Bit(saver.readAllStandardError())));

        const QByteArray now = readBytes(path);
        const int which = now == texts[0] ? 0 : now == texts[1] ? 1 : -1;
        QVERIFY2(which >= 0, qPrintable(where + QStringLiteral(": the file holds %1 bytes, neither text (%2 or %3)")
                                                    .arg(now.size()).arg(texts[0].size()).arg(texts[1].size())));
        ++holds[which];

        // And the program reads it back as that record.
        Prefs prefs;
        QRect bounds;
        Selection selection;
        QVERIFY2(!PrefsCharger(prefs, dir.path(), bounds, selection, QSize(1920, 1080)), qPrintable(where));
        const SaveSets::Set expected = SaveSets::make(which);
        QCOMPARE(prefs.PasswPrix, expected.prefs.PasswPrix);
        QCOMPARE(bounds, expected.bounds);
        QCOMPARE(selection, expected.selection);
    }
    qInfo("%d kills in %lld ms, one save takes %lld us: the file held each text %d and %d times; "
          "left in the folder: %s",
          Runs, clock.elapsed(), saveUs, holds[0], holds[1], qPrintable(entries(dir.path()).join(QStringLiteral(", "))));
    // Otherwise the kills all came before or between the same saves, and tested little.
    QVERIFY(holds[0] > 0 && holds[1] > 0);

    // Whatever the kills left in the folder disturbs neither reading nor the next save.
    QVERIFY(SaveSets::save(1, dir.path()));
    QCOMPARE(readBytes(path), texts[1]);
    Prefs prefs;
    QRect bounds;
    Selection selection;
    QVERIFY(!PrefsCharger(prefs, dir.path(), bounds, selection, QSize(1920, 1080)));
    QCOMPARE(prefs.MyDetails, SaveSets::make(1).prefs.MyDetails.replace(QLatin1Char('\n'), Fncts::EOL()));
    QVERIFY(m_sink.messages.isEmpty());
    QCOMPARE(m_sink.beeps, 0);
}

QTEST_GUILESS_MAIN(TestKilledSave)
#include "test_killedsave.moc"
