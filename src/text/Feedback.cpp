#include "Feedback.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

namespace Fncts {
namespace {

class StderrSink : public FeedbackSink {
public:
    void plainMessage(const QString& message) override
    {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    }
    void beep() override {}
};

StderrSink g_stderrSink;
FeedbackSink* g_sink = &g_stderrSink;

} // namespace

QString EOL()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

void setFeedbackSink(FeedbackSink* sink) { g_sink = sink ? sink : &g_stderrSink; }

FeedbackSink* feedbackSink() { return g_sink; }

void PlainMessage(const QString& message) { g_sink->plainMessage(message); }

QString errorReportText(const QString& detail)
{
    return QStringLiteral("Error ! Please contact the authors.") + EOL() + detail;
}

void ErrorReport(const QString& detail) { PlainMessage(errorReportText(detail)); }

void ErrorReport2(const QString& detail)
{
    PlainMessage(QStringLiteral("Error !") + EOL() + QStringLiteral("Please contact the authors.") + EOL() +
                 detail);
}

void Beep() { g_sink->beep(); }

void BeepNbT(qint16 count)
{
    if (count < 1)
        return;
    Beep();
    for (int i = 2; i <= count; ++i) {
        Pause(10, false);
        Beep();
    }
}

void Pause(quint16 ticks, bool processEvents)
{
    if (ticks == 0)
        return;
    const qint64 endMs = (qint64(ticks) * 1000 + 59) / 60; // never shorter than asked
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < endMs) {
        if (processEvents && QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

} // namespace Fncts
