// Click to photo, and memory over many clicks: the real main window against a
// bare widget that decodes and draws the same photos.
//
//   kaminor_bench_clicks --share DIR --time [--clicks 200] [--block 20] [--warmup 20] [--gap 60]
//       Alternates blocks of clicks on the window with blocks of repaints of the
//       bare widget, and prints the table rows of the median and the 95th percentile.
//   kaminor_bench_clicks --share DIR --memory ours|bare [--clicks 2000] [--mark 200] [--gap 10]
//       One side only, in a process of its own: prints "MEM|<when>|<VmHWM kB>|<VmRSS kB>|<heap kB>"
//       after the start-up, after --mark clicks and after --clicks clicks.
//
// DIR is the program's data folder (share/kaminor of a build).
#include "ClickPlan.h"
#include "ReturningUser.h"

#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "core/Rules.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/WinMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include <malloc.h>
#include <time.h>

using namespace Kaminor;
using KaminorBench::Click;

namespace {

// --- Options -----------------------------------------------------------------

struct Options {
    QString share;
    QString mode;   // "time" or "memory"
    QString side;   // memory: "ours" or "bare"
    int clicks = 0; // timed photo clicks, or all clicks of a memory run
    int block = 20;
    int warmup = 20;
    int mark = 200;
    int gap = -1;   // idle milliseconds after each click
    int refuseEvery = 25;
};

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "kaminor_bench_clicks: %s\n", qPrintable(why));
    std::exit(2);
}

Options parseOptions(const QStringList& args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                fail(a + QStringLiteral(" needs a value"));
            return args.at(++i);
        };
        const auto number = [&]() {
            bool ok = false;
            const int n = value().toInt(&ok);
            if (!ok || n < 0)
                fail(a + QStringLiteral(" needs a whole number"));
            return n;
        };
        if (a == QLatin1String("--share")) o.share = value();
        else if (a == QLatin1String("--time")) o.mode = QStringLiteral("time");
        else if (a == QLatin1String("--memory")) { o.mode = QStringLiteral("memory"); o.side = value(); }
        else if (a == QLatin1String("--clicks")) o.clicks = number();
        else if (a == QLatin1String("--block")) o.block = std::max(1, number());
        else if (a == QLatin1String("--warmup")) o.warmup = number();
        else if (a == QLatin1String("--mark")) o.mark = number();
        else if (a == QLatin1String("--gap")) o.gap = number();
        else if (a == QLatin1String("--refuse-every")) o.refuseEvery = number();
        else if (!a.startsWith(QLatin1Char('-'))) continue; // Qt's own arguments
        else fail(QStringLiteral("unknown option ") + a);
    }
    if (o.share.isEmpty() || !QFileInfo(o.share + QStringLiteral("/StovesDoss")).isDir())
        fail(QStringLiteral("--share must name a data folder with StovesDoss"));
    if (o.mode.isEmpty() || (o.mode == QLatin1String("memory") && o.side != QLatin1String("ours")
                             && o.side != QLatin1String("bare")))
        fail(QStringLiteral("say --time or --memory ours|bare"));
    if (o.clicks == 0)
        o.clicks = o.mode == QLatin1String("time") ? 200 : 2000;
    if (o.gap < 0)
        o.gap = o.mode == QLatin1String("time") ? 60 : 10;
    return o;
}

QString photoPath(const QString& share, const QString& reference)
{
    return share + QStringLiteral("/StovesDoss/") + reference + QStringLiteral(".jpg");
}

// --- Measuring -----------------------------------------------------------------

QElapsedTimer g_clock;

// CPU time of the calling thread: on a loaded machine it shows the work done,
// where the wall time also counts the waits for a core.
qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Wall and CPU nanoseconds of one click or repaint.
struct Span {
    qint64 wall = 0;
    qint64 cpu = 0;
};

// Stamps the end of a widget's paint handling. The filter sees the paint event
// first; it runs the widget's own handling there and then, inside the same
// painting pass, and takes the time once it returns.
class PaintClock : public QObject {
public:
    explicit PaintClock(QWidget* widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;
    qint64 lastEnd = 0;
    qint64 lastEndCpu = 0;

    // Runs the event loop until a paint that ends after this call; false after 5 s.
    bool waitForPaint(int paintsBefore)
    {
        QElapsedTimer limit;
        limit.start();
        while (paints == paintsBefore) {
            if (limit.elapsed() > 5000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_widget || event->type() != QEvent::Paint)
            return false;
        // QObject::event is public; the widget's override runs as usual.
        static_cast<QObject*>(m_widget)->event(event);
        lastEnd = g_clock.nsecsElapsed();
        lastEndCpu = threadCpuNs();
        ++paints;
        return true;
    }

private:
    QWidget* m_widget;
};

// The baseline: a bare widget whose paint decodes the photo at the size it is
// drawn, centred with its proportions kept, and draws it.
class BarePhoto : public QWidget {
public:
    void setPhoto(const QString& path) { m_path = path; }
    bool drewPhoto = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QImageReader reader(m_path);
        const QSize drawn = reader.size().scaled(size(), Qt::KeepAspectRatio);
        reader.setScaledSize(drawn);
        const QImage photo = reader.read();
        drewPhoto = !photo.isNull();
        p.drawImage(QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), photo);
    }

private:
    QString m_path;
};

struct Memory {
    long hwm = -1; // kB
    long rss = -1;
};

Memory readMemory()
{
    Memory m;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        if (parts[0] == "VmHWM:")
            m.hwm = parts[1].toLong();
        else if (parts[0] == "VmRSS:")
            m.rss = parts[1].toLong();
    }
    return m;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    // Nearest rank.
    const auto rank = std::size_t(std::max(1.0, std::ceil(p / 100.0 * double(values.size()))));
    return values[std::min(rank, values.size()) - 1];
}

// --- The real window -------------------------------------------------------------

// The main window as the program opens it, with the given data folder, a
// temporary configuration folder holding a dealer's preferences (so that the
// rate groups show too), no sound device needed and no message box.
class OurWindow {
public:
    explicit OurWindow(App& app, const QString& share)
    {
        Fncts::setFeedbackSink(&m_sink);
        Prefs stored;
        stored.PasswPrix = QStringLiteral("ortolan");
        stored.AutoCheckUpdt = false;
        stored.DateLaunch = QDateTime::currentDateTime();
        WinMain::Folders folders;
        if (!KaminorBench::returningUserFolders(m_tmp, share, stored, WinMainDefaultBounds, folders))
            fail(QStringLiteral("cannot write the preferences file"));

        window = std::make_unique<WinMain>(app);
        window->setFolders(folders);
        window->setScreenSize(QSize(1920, 1200));
        if (!window->Event_Open())
            fail(QStringLiteral("the window did not open: ") + m_sink.messages.join(QLatin1Char(' ')));
        if (!QTest::qWaitForWindowExposed(window.get()))
            fail(QStringLiteral("the window was not exposed"));
        clock.emplace(window->canvas());

        for (int g = 0; g < GroupCount; ++g)
            for (int i = 0; i < groupSize(Group(g)); ++i) {
                const QString name = buttonArrayName(Group(g)) + QString::number(i);
                auto* b = window->findChild<QRadioButton*>(name);
                if (!b || !b->isVisible())
                    fail(QStringLiteral("no visible button ") + name);
                m_buttons.insert(name, b);
            }
    }

    ~OurWindow() { Fncts::setFeedbackSink(nullptr); }

    // Clicks, and returns the time from the click to the end of the canvas's paint.
    Span click(const Click& c)
    {
        QRadioButton* b = m_buttons.value(buttonArrayName(c.group) + QString::number(c.index));
        const int before = clock->paints;
        const qint64 c0 = threadCpuNs();
        const qint64 t0 = g_clock.nsecsElapsed();
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
        if (!clock->waitForPaint(before))
            fail(QStringLiteral("no paint after a click on ") + b->objectName());
        const Span elapsed{clock->lastEnd - t0, clock->lastEndCpu - c0};
        if (c.kind == Click::Refused) {
            // The refusal shows for a moment and the window reverts by itself.
            if (window->TextFieldRef->text() != Configurator::placeholder())
                fail(QStringLiteral("a click the rules refuse was accepted: ") + b->objectName());
            if (!QTest::qWaitFor([&] { return Fncts::DrapMenu && window->TextFieldRef->text() == c.reference; },
                                 3000))
                fail(QStringLiteral("the window did not revert after a refusal"));
            QCoreApplication::processEvents();
        }
        if (window->TextFieldRef->text() != c.reference)
            fail(QStringLiteral("the window shows %1 where the rules give %2")
                     .arg(window->TextFieldRef->text(), c.reference));
        if (c.kind == Click::Photo && window->canvas()->lastShown() != CanvasStove::Shown::Photo)
            fail(QStringLiteral("no photo drawn for ") + c.reference);
        return elapsed;
    }

    QStringList messages() const { return m_sink.messages; }

    std::unique_ptr<WinMain> window;
    std::optional<PaintClock> clock;

private:
    QTemporaryDir m_tmp;
    Fncts::RecordingSink m_sink;
    QHash<QString, QRadioButton*> m_buttons;
};

// The bare widget at the canvas's size, in a window of its own.
class BareWindow {
public:
    BareWindow(const QString& share, QSize size, const QString& firstReference)
        : m_share(share)
    {
        widget.resize(size);
        widget.setPhoto(photoPath(share, firstReference));
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            fail(QStringLiteral("the bare window was not exposed"));
        clock.emplace(&widget);
    }

    Span show(const Click& c)
    {
        widget.setPhoto(photoPath(m_share, c.reference));
        const int before = clock->paints;
        const qint64 c0 = threadCpuNs();
        const qint64 t0 = g_clock.nsecsElapsed();
        widget.update();
        if (!clock->waitForPaint(before))
            fail(QStringLiteral("no paint of the bare widget"));
        if (!widget.drewPhoto)
            fail(QStringLiteral("the bare widget could not decode ") + c.reference);
        return {clock->lastEnd - t0, clock->lastEndCpu - c0};
    }

    BarePhoto widget;
    std::optional<PaintClock> clock;

private:
    QString m_share;
};

QList<Click> makePlan(const Options& o, int photoClicks, int rateEvery)
{
    KaminorBench::PlanOptions po;
    po.photoClicks = photoClicks;
    po.refuseEvery = o.refuseEvery;
    po.rateEvery = rateEvery;
    const QString share = o.share;
    const QList<Click> plan = KaminorBench::planClicks(firstRunSelection(), po, [&share](const QString& ref) {
        return QFileInfo::exists(photoPath(share, ref));
    });
    std::fprintf(stderr, "clicks per group: %s\n", qPrintable(KaminorBench::coverage(plan)));
    return plan;
}

// Reads every photo of the plan once, so that neither side pays for the disk.
void warmFileCache(const QString& share, const QList<Click>& plan)
{
    for (const Click& c : plan) {
        QFile f(photoPath(share, c.reference));
        if (f.open(QIODevice::ReadOnly))
            f.readAll();
    }
}

QString ms(double ns)
{
    return QString::number(ns / 1e6, 'f', 2) + QStringLiteral(" ms");
}

void row(const QString& figure, const QString& ours, const QString& base, const QString& ratio,
         const QString& goal, bool holds)
{
    std::printf("ROW|%s|%s|%s|%s|%s|%s\n", qPrintable(figure), qPrintable(ours), qPrintable(base), qPrintable(ratio),
                qPrintable(goal), holds ? "yes" : "no");
    std::fflush(stdout);
}

// --- The two modes ----------------------------------------------------------------

int timeClicks(App& app, const Options& o)
{
    const QList<Click> plan = makePlan(o, o.warmup + o.clicks, 15);
    warmFileCache(o.share, plan);

    OurWindow ours(app, o.share);
    BareWindow bare(o.share, ours.window->canvas()->size(), ours.window->TextFieldRef->text());
    std::fprintf(stderr, "canvas %dx%d, %lld clicks planned\n", ours.window->canvas()->width(),
                 ours.window->canvas()->height(), static_cast<long long>(plan.size()));

    // Blocks of the plan: the warm-up first, then `block` photo clicks each.
    std::vector<QList<Click>> blocks(1);
    int photos = 0;
    for (const Click& c : plan) {
        blocks.back().append(c);
        if (c.kind == Click::Photo && ++photos >= o.warmup && (photos - o.warmup) % o.block == 0)
            blocks.emplace_back();
    }
    if (blocks.back().isEmpty())
        blocks.pop_back();

    std::vector<double> oursNs, bareNs, oursCpu, bareCpu;
    const auto runOurs = [&](const QList<Click>& clicks, bool keep) {
        for (const Click& c : clicks) {
            const Span span = ours.click(c);
            if (keep && c.kind == Click::Photo) {
                oursNs.push_back(double(span.wall));
                oursCpu.push_back(double(span.cpu));
            }
            QTest::qWait(o.gap);
        }
    };
    const auto runBare = [&](const QList<Click>& clicks, bool keep) {
        for (const Click& c : clicks) {
            if (c.kind != Click::Photo)
                continue;
            const Span span = bare.show(c);
            if (keep) {
                bareNs.push_back(double(span.wall));
                bareCpu.push_back(double(span.cpu));
            }
            QTest::qWait(o.gap);
        }
    };
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const bool keep = o.warmup == 0 || b > 0;
        // Ours first, then the baseline first, and so on.
        if (b % 2 == 0) {
            runOurs(blocks[b], keep);
            runBare(blocks[b], keep);
        } else {
            runBare(blocks[b], keep);
            runOurs(blocks[b], keep);
        }
        std::fprintf(stderr, "block %zu/%zu done\n", b + 1, blocks.size());
    }

    const double om = percentile(oursNs, 50), bm = percentile(bareNs, 50);
    const double o95 = percentile(oursNs, 95), b95 = percentile(bareNs, 95);
    std::fprintf(stderr, "timed: ours %zu, bare %zu; ours min %s max %s; bare min %s max %s\n", oursNs.size(),
                 bareNs.size(), qPrintable(ms(percentile(oursNs, 0))), qPrintable(ms(percentile(oursNs, 100))),
                 qPrintable(ms(percentile(bareNs, 0))), qPrintable(ms(percentile(bareNs, 100))));
    std::fprintf(stderr, "CPU time of the thread, median: ours %s, bare %s; p95: ours %s, bare %s\n",
                 qPrintable(ms(percentile(oursCpu, 50))), qPrintable(ms(percentile(bareCpu, 50))),
                 qPrintable(ms(percentile(oursCpu, 95))), qPrintable(ms(percentile(bareCpu, 95))));
    if (!ours.messages().isEmpty())
        std::fprintf(stderr, "messages shown: %s\n", qPrintable(ours.messages().join(QLatin1String(" | "))));
    const auto ratio = [](double a, double b) { return QString::number(b > 0 ? a / b : 0, 'f', 2) + QLatin1Char('x'); };
    row(QStringLiteral("click to photo, median"), ms(om), ms(bm), ratio(om, bm), QStringLiteral("<= 1.3x"),
        bm > 0 && om / bm <= 1.3);
    row(QStringLiteral("click to photo, p95"), ms(o95), ms(b95), ratio(o95, b95), QStringLiteral("< 16 ms"),
        o95 < 16e6);
    return 0;
}

// After a pause: the peak so far, the smallest of a few resident-size samples
// (a decode buffer of a few MB comes and goes), and the bytes the heap has handed out.
void printMemory(const char* when)
{
    Memory m = readMemory();
    for (int i = 0; i < 4; ++i) {
        QTest::qWait(50);
        const Memory again = readMemory();
        m.hwm = std::max(m.hwm, again.hwm);
        m.rss = std::min(m.rss, again.rss);
    }
    const struct mallinfo2 heap = mallinfo2();
    std::printf("MEM|%s|%ld|%ld|%zu\n", when, m.hwm, m.rss, (heap.uordblks + heap.hblkhd) / 1024);
    std::fflush(stdout);
}

int memoryClicks(App* app, const Options& o)
{
    QList<Click> plan = makePlan(o, o.clicks, 15);
    if (plan.size() > o.clicks)
        plan.resize(o.clicks);
    const auto settle = [] { QTest::qWait(200); };
    const auto markAt = [&](int done) {
        if (done == o.mark || done == o.clicks) {
            settle();
            printMemory(done == o.mark ? "mark" : "end");
        }
    };

    if (o.side == QLatin1String("ours")) {
        OurWindow ours(*app, o.share);
        settle();
        printMemory("start-up");
        for (int k = 0; k < plan.size(); ++k) {
            ours.click(plan[k]);
            QTest::qWait(o.gap);
            markAt(k + 1);
        }
        if (!ours.messages().isEmpty())
            std::fprintf(stderr, "messages shown: %s\n", qPrintable(ours.messages().join(QLatin1String(" | "))));
    } else {
        BareWindow bare(o.share, QSize(362, 616), evaluate(firstRunSelection(), firstRunSelection()).reference);
        settle();
        printMemory("start-up");
        for (int k = 0; k < plan.size(); ++k) {
            bare.show(plan[k]);
            QTest::qWait(o.gap);
            markAt(k + 1);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Options o = parseOptions(args);
    g_clock.start();

    if (o.mode == QLatin1String("memory") && o.side == QLatin1String("bare")) {
        QApplication app(argc, argv);
        return memoryClicks(nullptr, o);
    }
    // The sounds and pictures of the data folder, before the application loads its icon.
    Fncts::setResourcesFolder(o.share + QStringLiteral("/Resources"));
    App app(argc, argv);
    return o.mode == QLatin1String("time") ? timeClicks(app, o) : memoryClicks(&app, o);
}
