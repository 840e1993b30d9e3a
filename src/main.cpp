#include "app/App.h"
#include "core/FnctsState.h"
#include "ui/WinMain.h"

#include <QAction>
#include <QObject>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

#ifdef KAMINOR_QUIT_AFTER_FIRST_PAINT
#include "FirstPaint.h" // the start-up benchmark's build only
#endif

namespace {

// A request to end from the system (SIGTERM at logout or shutdown, SIGINT from
// a terminal) is written by the signal handler to a socket that the event loop
// watches. The program then quits through its quit menu item, as if the user
// had chosen it: the window closes the usual way and the preferences are saved.
int signalSockets[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

// Installed before anything else, so that a request that comes during the
// start-up waits in the socket until the event loop runs.
bool catchTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool ok = true;
    for (int sig : {SIGTERM, SIGINT})
        ok = ::sigaction(sig, &action, nullptr) == 0 && ok;
    return ok;
}

// True when the window would accept a quit: the main event loop runs, no modal
// window, menu or refusal is showing.
bool idle()
{
    return QThread::currentThread()->loopLevel() == 1 && !QApplication::activeModalWidget()
           && !QApplication::activePopupWidget() && Fncts::DrapMenu;
}

std::unique_ptr<QSocketNotifier> quitOnTerminationSignals(Kaminor::App& app)
{
    auto notifier = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    // While a modal window is open the quit would be refused: it waits for the
    // interface to be idle, as a user would.
    auto* wait = new QTimer(&app);
    wait->setInterval(100);
    const auto quitWhenIdle = [&app, wait] {
        if (!idle()) {
            wait->start();
            return;
        }
        wait->stop();
        if (QAction* quit = app.menuItem(QStringLiteral("FichierQuitter")))
            quit->trigger();
    };
    QObject::connect(wait, &QTimer::timeout, &app, quitWhenIdle);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &app, [quitWhenIdle] {
        char bytes[64];
        while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
        }
        quitWhenIdle();
    });
    return notifier;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool signalsCaught = catchTerminationSignals();
    Kaminor::App app(argc, argv);
    Kaminor::WinMain window(app);
#ifdef KAMINOR_QUIT_AFTER_FIRST_PAINT
    KaminorBench::quitAfterFirstPaint(window);
#endif
    if (!window.Event_Open())
        return 1;
    std::unique_ptr<QSocketNotifier> signalWatch;
    if (signalsCaught)
        signalWatch = quitOnTerminationSignals(app);
    return app.exec();
}
