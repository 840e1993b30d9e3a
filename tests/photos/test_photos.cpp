// The photo folders hold exactly one readable portrait photo per buildable stove.
#include "core/Rules.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace Kaminor;

class TestPhotos : public QObject {
    Q_OBJECT

    QDir m_share;

    static QSet<QString> jpegNames(const QDir& dir)
    {
        const QStringList names = dir.entryList(QDir::Files);
        return QSet<QString>(names.begin(), names.end());
    }

private slots:
    void initTestCase()
    {
        const QString share = qEnvironmentVariable("KAMINOR_SHARE_DIR");
        QVERIFY2(!share.isEmpty(), "KAMINOR_SHARE_DIR is not set");
        m_share = QDir(share);
        QVERIFY2(m_share.exists("StovesDoss"), qPrintable(m_share.filePath("StovesDoss") + " is missing"));
    }

    // Nothing missing, nothing left over from older rules.
    void fullSetMatchesRules()
    {
        QSet<QString> expected;
        for (const Stove& stove : buildableStoves())
            expected.insert(stove.reference + ".jpg");
        QVERIFY(!expected.isEmpty());
        const QSet<QString> actual = jpegNames(QDir(m_share.filePath("StovesDoss")));
        const QSet<QString> missing = expected - actual;
        const QSet<QString> extra = actual - expected;
        QVERIFY2(missing.isEmpty(), qPrintable("missing: " + QStringList(missing.values()).join(' ')));
        QVERIFY2(extra.isEmpty(), qPrintable("not buildable: " + QStringList(extra.values()).join(' ')));
    }

    // The test folder: the first-run selection under each model.
    void testSetIsFirstRunUnderEachModel()
    {
        QSet<QString> expected;
        const QList<Stove> stoves = buildableStoves();
        for (qint16 model = 0; model < groupSize(Group::Body); ++model) {
            Selection s = firstRunSelection();
            s.body = model;
            const auto it = std::find_if(stoves.begin(), stoves.end(), [&](const Stove& st) {
                return st.selection.body == s.body && st.selection.doorGlass == s.doorGlass
                    && st.selection.color == s.color && st.selection.side == s.side && st.selection.plate == s.plate
                    && st.selection.tablet == s.tablet && st.selection.doorLogs == s.doorLogs;
            });
            QVERIFY2(it != stoves.end(), qPrintable(QString("model %1 not buildable").arg(model)));
            expected.insert(it->reference + ".jpg");
        }
        QCOMPARE(expected.size(), 5);
        QCOMPARE(jpegNames(QDir(m_share.filePath("StovesDossTest"))), expected);
        QVERIFY(expected.contains("OV-PA-G-AGT.jpg"));
    }

    // Every photo decodes as a JPEG in the picture's portrait proportions.
    void everyPhotoDecodes()
    {
        // a truncated or damaged file still gives a picture, with a warning
        QTest::failOnWarning(QRegularExpression(".*"));
        for (const char* folder : {"StovesDoss", "StovesDossTest"}) {
            const QDir dir(m_share.filePath(folder));
            const QStringList names = dir.entryList(QDir::Files);
            QVERIFY(!names.isEmpty());
            for (const QString& name : names) {
                QImageReader reader(dir.filePath(name));
                QVERIFY2(reader.format() == "jpeg", qPrintable(name + " is not a JPEG file"));
                const QImage image = reader.read();
                QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
                const double ratio = double(image.width()) / image.height();
                QVERIFY2(qAbs(ratio - 362.0 / 616.0) < 0.01, qPrintable(name));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPhotos)
#include "test_photos.moc"
