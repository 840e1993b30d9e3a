// Damaged files in the photo folder: the main window shows the missing-photo
// placeholder (or what a truncated photo still holds), never crashes, and keeps
// answering clicks.
#include "WindowFixture.h"
#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "core/Selection.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/CanvasStove.h"
#include "ui/WinMain.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Kaminor;
using namespace KaminorTest;
using Shown = CanvasStove::Shown;

namespace {

// The photo of the first-run stove and of the same stove with a log-store door.
const QString kFirstRun = QStringLiteral("KD-PA-G-AGT");
const QString kWithDoor = QStringLiteral("KD-PA-G-AGT-BA");

// A photo the size of the real ones: a light top half over a dark bottom half.
QByteArray encoded(const char* format, QSize size = QSize(720, 1225))
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(30, 30, 140));
    for (int y = 0; y < size.height() / 2; ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgb(230, 200, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format, 90);
    return bytes;
}

// A good JPEG whose frame header claims 60000 x 60000 pixels.
QByteArray hugeDeclared()
{
    QByteArray jpeg = encoded("JPG", QSize(64, 64));
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    if (sof < 0)
        return {};
    // Marker, length (2), precision (1), then height and width, big-endian.
    for (const qsizetype at : {sof + 5, sof + 7}) {
        jpeg[at] = char(60000 >> 8);
        jpeg[at + 1] = char(60000 & 0xFF);
    }
    return jpeg;
}

// The peak resident memory of this process since the last reset, in kB.
qint64 peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestPhotoFaults : public QObject {
    Q_OBJECT

    Fncts::RecordingSink m_sink;

    // Not a first run: no about window.
    std::unique_ptr<WinMain> open(const WindowFixture& s)
    {
        if (!s.saveReturningUser(Prefs(), firstRunSelection(), WinMainDefaultBounds))
            return nullptr;
        auto w = s.makeWindow();
        if (!w->Event_Open())
            return nullptr;
        return w;
    }

private slots:
    void initTestCase()
    {
        Fncts::setFeedbackSink(&m_sink);
        Fncts::setResourcesFolder(QDir::tempPath() + QStringLiteral("/kaminor-no-resources"));
    }

    void init()
    {
        App::instance()->prefs = Prefs();
        Fncts::DrapMenu = false;
        m_sink = {};
    }

    void damagedPhoto_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("shown");

        const QByteArray jpeg = encoded("JPG");
        QTest::newRow("text") << QByteArray("KD-PA-G-AGT: photo to come\n") << int(Shown::NoVisual);
        QTest::newRow("empty") << QByteArray() << int(Shown::NoVisual);
        QTest::newRow("random bytes after the start marker")
            << QByteArray("\xFF\xD8\xFF\xE0") + QByteArray(4096, '\x5A') << int(Shown::NoVisual);
        QTest::newRow("header only") << jpeg.left(jpeg.indexOf("\xFF\xDA")) << int(Shown::NoVisual);
        QTest::newRow("huge declared size") << hugeDeclared() << int(Shown::NoVisual);
        // Taken for what it is: a picture, whatever its name says.
        QTest::newRow("PNG named .jpg") << encoded("PNG") << int(Shown::Photo);
        // A photo cut short shows what it holds, drawn where the whole one would be.
        QTest::newRow("half") << jpeg.left(jpeg.size() / 2) << int(Shown::Photo);
        QTest::newRow("all but the last bytes") << jpeg.left(jpeg.size() - 16) << int(Shown::Photo);
    }

    void damagedPhoto()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, shown);
        WindowFixture s;
        QVERIFY(writeFile(s.photo(kFirstRun), bytes));
        auto w = open(s);
        QVERIFY(w);
        QCOMPARE(w->TextFieldRef->text(), kFirstRun);
        if (QTest::currentDataTag() == QByteArray("huge declared size"))
            QCOMPARE(QImageReader(s.photo(kFirstRun)).size(), QSize(60000, 60000));

        resetPeak();
        const qint64 peakBefore = peakKb();
        QElapsedTimer clock;
        clock.start();
        const QImage painted = w->canvas()->grab().toImage();
        const qint64 paintMs = clock.elapsed();
        const qint64 peakGrowth = peakKb() - peakBefore;

        qInfo("paint: %lld ms, peak memory %lld kB higher", paintMs, peakGrowth);
        QCOMPARE(int(w->canvas()->lastShown()), shown);
        QVERIFY2(paintMs < 3000, qPrintable(QStringLiteral("paint took %1 ms").arg(paintMs)));
        QVERIFY2(peakBefore < 0 || peakGrowth < 200 * 1024,
                 qPrintable(QStringLiteral("paint took %1 kB more").arg(peakGrowth)));
        if (shown == int(Shown::Photo)) {
            // The photo's proportions in the canvas, and its top as it was.
            const QRect r = w->canvas()->lastRect();
            QCOMPARE(r, stoveDrawRect(QSize(720, 1225), w->canvas()->size()));
            const QRgb top = painted.pixel(r.center().x(), r.top() + r.height() / 8);
            QVERIFY2(qRed(top) > 180 && qGreen(top) > 150 && qBlue(top) < 100, qPrintable(QString::number(top, 16)));
        }
        QVERIFY(m_sink.messages.isEmpty());

        // The window still answers: a click moves on to the next stove.
        clickOption(*w, Group::DoorLogs, 0);
        QCOMPARE(w->TextFieldRef->text(), kWithDoor);
        w->canvas()->grab();
        QCOMPARE(w->canvas()->lastShown(), Shown::NoVisual);
        QVERIFY(Fncts::DrapMenu);
    }

    void clicksBetweenGoodAndBadPhotos()
    {
        WindowFixture s;
        const QByteArray jpeg = encoded("JPG");
        QVERIFY(writeFile(s.photo(kWithDoor), jpeg));
        auto w = open(s);
        QVERIFY(w);
        const QList<QByteArray> bad = {QByteArray(), QByteArray("<html>404</html>"), hugeDeclared(),
                                       jpeg.left(jpeg.indexOf("\xFF\xDA"))};
        for (const QByteArray& b : bad) {
            // The file changes under the running window, as the paint reads it each time.
            QVERIFY(writeFile(s.photo(kFirstRun), b));
            for (int round = 0; round < 2; ++round) {
                clickOption(*w, Group::DoorLogs, 0);
                QCOMPARE(w->TextFieldRef->text(), kWithDoor);
                w->canvas()->grab();
                QCOMPARE(w->canvas()->lastShown(), Shown::Photo);

                clickOption(*w, Group::DoorLogs, 2);
                QCOMPARE(w->TextFieldRef->text(), kFirstRun);
                w->canvas()->grab();
                QCOMPARE(w->canvas()->lastShown(), Shown::NoVisual);
            }
        }
        QVERIFY(m_sink.messages.isEmpty());
        QVERIFY(w->close());
    }
};

int main(int argc, char* argv[])
{
    App app(argc, argv);
    TestPhotoFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_photofaults.moc"
