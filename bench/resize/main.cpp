// Live resize: the main window is resized through 50 sizes, from its smallest
// (894 x 680) to 1920 x 1200, showing a full-size stove photo, and each step is
// timed from the resize to the end of its paint. Beside it, in the same run, a
// bare window paints the same photo the naive way at the same drawn size: the
// file decoded in full at every paint, scaled with QImage::scaled and smooth
// transformation, then drawn.
//
//   bench_resize <share folder> [rounds]
//
// Two figures, medians over every timed step:
//   photo paint  the picture widget alone repainted at the step's size (the
//                goal: at most half the naive cost);
//   whole step   resize, layout and paint of the whole window, against the bare
//                window holding only the naive picture widget.
// The first round is a warm-up and is not counted. Ours and the naive way
// alternate at every step, the one that goes first changing each time.
// Prints its table rows as "ROW|figure|ours|baseline|ratio|goal|holds".

#include "ReturningUser.h"

#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "core/Selection.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/WinMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Kaminor;

namespace {

constexpr int Steps = 50;
constexpr QSize Smallest(894, 680);
constexpr QSize Largest(1920, 1200);

QSize stepSize(int i)
{
    const auto lerp = [i](int a, int b) { return a + (b - a) * i / (Steps - 1); };
    return QSize(lerp(Smallest.width(), Largest.width()), lerp(Smallest.height(), Largest.height()));
}

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "bench_resize: %s\n", qPrintable(why));
    std::exit(1);
}

// The naive picture widget: the whole file decoded and smoothly scaled at every paint.
class NaiveCanvas : public QWidget {
public:
    explicit NaiveCanvas(const QString& path, QWidget* parent)
        : QWidget(parent)
        , m_path(path)
    {
    }
    QSize lastDrawn;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QImage full(m_path);
        if (full.isNull())
            fail(QStringLiteral("cannot read %1").arg(m_path));
        const QSize drawn = full.size().scaled(size(), Qt::KeepAspectRatio);
        const QImage scaled = full.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter p(this);
        p.drawImage(QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), scaled);
        lastDrawn = drawn;
    }

private:
    QString m_path;
};

// Remembers the size of a widget at its last paint.
class PaintWatch : public QObject {
public:
    QSize lastPainted;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            lastPainted = static_cast<QWidget*>(watched)->size();
            ++paints;
        }
        return false;
    }
};

// Handles events until the watched widget has been painted at size.
void waitPainted(const PaintWatch& watch, int paintsBefore, QSize size)
{
    QElapsedTimer limit;
    limit.start();
    while (watch.paints == paintsBefore || watch.lastPainted != size) {
        QCoreApplication::processEvents();
        if (limit.elapsed() > 10000)
            fail(QStringLiteral("no paint at %1 x %2").arg(size.width()).arg(size.height()));
    }
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double msSince(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

} // namespace

int main(int argc, char* argv[])
{
    App app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_resize <share folder> [rounds]\n");
        return 2;
    }
    const QString share = QDir(args.at(1)).absolutePath();
    const int rounds = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 6;

    Fncts::RecordingSink sink;
    Fncts::setFeedbackSink(&sink);
    Fncts::setResourcesFolder(share + QStringLiteral("/Resources"));

    // A stored preferences file, so that no about window opens and no update check runs.
    QTemporaryDir tmp;
    Prefs prefs;
    prefs.AutoCheckUpdt = false;
    const QRect startBounds(20, 60, Smallest.width(), Smallest.height());
    WinMain::Folders folders;
    if (!KaminorBench::returningUserFolders(tmp, share, prefs, startBounds, folders))
        fail(QStringLiteral("cannot write the preferences"));

    WinMain win(app);
    win.setFolders(folders);
    win.setScreenSize(Largest);
    if (!win.Event_Open() || !sink.messages.isEmpty())
        fail(QStringLiteral("the main window did not start: ") + sink.messages.join(QLatin1Char(' ')));
    if (!win.DossStoves.endsWith(QLatin1String("/StovesDoss")))
        fail(QStringLiteral("the full photo folder is missing in ") + share);

    const QString photo = QDir(win.DossStoves).filePath(win.TextFieldRef->text() + QStringLiteral(".jpg"));
    const QSize photoSize = QImageReader(photo).size();
    if (!photoSize.isValid())
        fail(QStringLiteral("no photo %1").arg(photo));
    std::fprintf(stderr, "photo %s, %d x %d, %lld bytes; %d timed rounds of %d sizes\n",
                 qPrintable(QFileInfo(photo).fileName()), photoSize.width(), photoSize.height(),
                 static_cast<long long>(QFileInfo(photo).size()), rounds, Steps);

    CanvasStove* canvas = win.canvas();
    PaintWatch oursWatch;
    canvas->installEventFilter(&oursWatch);

    QWidget naiveWin;
    naiveWin.setAutoFillBackground(true);
    auto* naive = new NaiveCanvas(photo, &naiveWin);
    PaintWatch naiveWatch;
    naive->installEventFilter(&naiveWatch);
    naiveWin.setGeometry(QRect(startBounds.topLeft() + QPoint(40, 40), Smallest));
    naiveWin.show();

    // Where the window puts the picture at each size, learnt in the warm-up round.
    std::vector<QRect> canvasAt(Steps);

    const auto oursStep = [&](int i, bool warmUp, std::vector<double>& step, std::vector<double>& paint) {
        const QSize s = stepSize(i);
        const int before = oursWatch.paints;
        QElapsedTimer t;
        t.start();
        win.setBounds(QRect(startBounds.topLeft(), s));
        if (warmUp) {
            QElapsedTimer limit;
            limit.start();
            while (win.content()->size() != s && limit.elapsed() < 10000)
                QCoreApplication::processEvents();
            canvasAt[i] = canvas->geometry();
        }
        waitPainted(oursWatch, before, canvasAt[i].size());
        const double stepMs = msSince(t);
        if (win.content()->size() != s || canvas->geometry() != canvasAt[i])
            fail(QStringLiteral("the window did not take %1 x %2").arg(s.width()).arg(s.height()));
        t.start();
        canvas->repaint();
        const double paintMs = msSince(t);
        if (canvas->lastShown() != CanvasStove::Shown::Photo)
            fail(QStringLiteral("the window did not draw the photo"));
        if (!warmUp) {
            step.push_back(stepMs);
            paint.push_back(paintMs);
        }
    };
    const auto naiveStep = [&](int i, bool warmUp, std::vector<double>& step, std::vector<double>& paint) {
        const int before = naiveWatch.paints;
        QElapsedTimer t;
        t.start();
        naiveWin.resize(stepSize(i));
        naive->setGeometry(canvasAt[i]);
        waitPainted(naiveWatch, before, canvasAt[i].size());
        const double stepMs = msSince(t);
        t.start();
        naive->repaint();
        const double paintMs = msSince(t);
        // Both draw the photo at the same size, give or take the rounding.
        const QSize ours = stoveDrawRect(photoSize, canvasAt[i].size()).size();
        if (std::abs(naive->lastDrawn.width() - ours.width()) > 1 || std::abs(naive->lastDrawn.height() - ours.height()) > 1)
            fail(QStringLiteral("the naive way drew %1 x %2, ours %3 x %4")
                     .arg(naive->lastDrawn.width()).arg(naive->lastDrawn.height()).arg(ours.width()).arg(ours.height()));
        if (!warmUp) {
            step.push_back(stepMs);
            paint.push_back(paintMs);
        }
    };

    std::vector<double> oursStepMs, oursPaintMs, naiveStepMs, naivePaintMs;
    // Per size, for the progress lines.
    std::vector<std::vector<double>> oursBySize(Steps), naiveBySize(Steps);
    for (int round = 0; round <= rounds; ++round) {
        const bool warmUp = round == 0;
        const bool up = round % 2 == 0;
        // Start one pixel away from the first size, so that its step is a real resize.
        const QSize first = stepSize(up ? 0 : Steps - 1) + (up ? QSize(1, 1) : QSize(-1, -1));
        win.setBounds(QRect(startBounds.topLeft(), first));
        naiveWin.resize(first);
        for (int k = 0; k < 20; ++k)
            QCoreApplication::processEvents();
        for (int k = 0; k < Steps; ++k) {
            const int i = up ? k : Steps - 1 - k;
            std::vector<double> op, np;
            if (warmUp || (round + k) % 2 == 0) {
                oursStep(i, warmUp, oursStepMs, op);
                naiveStep(i, warmUp, naiveStepMs, np);
            } else {
                naiveStep(i, warmUp, naiveStepMs, np);
                oursStep(i, warmUp, oursStepMs, op);
            }
            oursPaintMs.insert(oursPaintMs.end(), op.begin(), op.end());
            naivePaintMs.insert(naivePaintMs.end(), np.begin(), np.end());
            oursBySize[i].insert(oursBySize[i].end(), op.begin(), op.end());
            naiveBySize[i].insert(naiveBySize[i].end(), np.begin(), np.end());
        }
    }

    std::fprintf(stderr, "photo paint by size (median ms, ours / naive):\n");
    for (int i = 0; i < Steps; i += 7) {
        const QSize s = stepSize(i);
        std::fprintf(stderr, "  window %4d x %4d, picture %4d x %4d: %6.2f / %6.2f\n", s.width(), s.height(),
                     canvasAt[i].width(), canvasAt[i].height(), median(oursBySize[i]), median(naiveBySize[i]));
    }

    const auto row = [](const char* figure, double ours, double base, const char* goal, double limit) {
        const double ratio = base > 0 ? ours / base : 0;
        const char* holds = limit > 0 ? (ratio <= limit ? "yes" : "no") : "-";
        std::printf("ROW|%s|%.2f ms|%.2f ms|%.2fx|%s|%s\n", figure, ours, base, ratio, goal, holds);
    };
    const double oursPaint = median(oursPaintMs), naivePaint = median(naivePaintMs);
    const double oursStepM = median(oursStepMs), naiveStepM = median(naiveStepMs);
    row("live resize, photo paint (median)", oursPaint, naivePaint, "<= 0.5x", 0.5);
    row("live resize, whole step (median)", oursStepM, naiveStepM, "-", 0);
    std::fflush(stdout);
    Fncts::setFeedbackSink(nullptr);
    return 0;
}
