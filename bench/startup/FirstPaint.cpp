#include "FirstPaint.h"

#include "Report.h"
#include "ui/WinMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QMetaObject>

#include <cstdio>

namespace KaminorBench {

namespace {

class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(Kaminor::WinMain& window)
        : QObject(&window)
        , m_window(window)
    {
        window.canvas()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The paint has not run yet: look once the whole repaint (and its
        // flush) has returned to the event loop.
        if (event->type() == QEvent::Paint && !m_pending) {
            m_pending = true;
            QMetaObject::invokeMethod(this, [this] { afterPaint(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void afterPaint()
    {
        const long long now = monotonicNs();
        m_pending = false;
        Kaminor::CanvasStove* canvas = m_window.canvas();
        switch (canvas->lastShown()) {
        case Kaminor::CanvasStove::Shown::Nothing:
            return; // painted before the start-up completed: wait for the next one
        case Kaminor::CanvasStove::Shown::Photo:
            break;
        default:
            std::fprintf(stderr, "first paint without the photo of %s in %s\n",
                         qPrintable(m_window.TextFieldRef->text()), qPrintable(canvas->photoFolder()));
            QCoreApplication::exit(3);
            return;
        }
        canvas->removeEventFilter(this);
        const QRect drawn(canvas->mapTo(&m_window, canvas->lastRect().topLeft()), canvas->lastRect().size());
        const QString photo = QDir(canvas->photoFolder()).filePath(m_window.TextFieldRef->text() + QLatin1String(".jpg"));
        printFirstPaint(now, m_window.size(), drawn, photo);
        QCoreApplication::exit(0);
    }

    Kaminor::WinMain& m_window;
    bool m_pending = false;
};

} // namespace

void quitAfterFirstPaint(Kaminor::WinMain& window)
{
    new FirstPaintWatch(window);
}

} // namespace KaminorBench
