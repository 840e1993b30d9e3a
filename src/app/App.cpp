#include "app/App.h"

#include "KaminorConfig.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "text/Feedback.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QMenu>
#include <QMenuBar>

namespace Kaminor {

namespace {
// The command items that follow DrapMenu, in the order they are refreshed.
const char* const commandItems[] = {"AppleApropos", "AppleVMaJ", "FichierPrefs", "FichierFermer", "AideAide"};
} // namespace

App::App(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kaminor"));
    setApplicationDisplayName(QStringLiteral("Kaminor"));
    // Lets the desktop match the window with its menu entry and icon.
    setDesktopFileName(QString::fromUtf8(KaminorConfig::AppId));

    m_menus = buildMenuBar1();
    for (QMenu* menu : {m_menus.FichMenu, m_menus.EditMenu, m_menus.AideMenu})
        connect(menu, &QMenu::aboutToShow, this, &App::Event_EnableMenuItems);

    connect(menuItem(QStringLiteral("AppleVMaJ")), &QAction::triggered, this, &App::_AppleVMaJ_Action);
    connect(menuItem(QStringLiteral("FichierFermer")), &QAction::triggered, this, &App::_FichierFermer_Action);
    connect(menuItem(QStringLiteral("FichierPrefs")), &QAction::triggered, this, &App::_FichierPrefs_Action);
    connect(menuItem(QStringLiteral("FichierQuitter")), &QAction::triggered, this, [] {
        if (!App::instance()->_FichierQuitter_Action())
            QCoreApplication::quit(); // the standard quit: asks every window to close
    });
    connect(menuItem(QStringLiteral("AppleApropos")), &QAction::triggered, this, &App::_AppleApropos_Action);
    connect(menuItem(QStringLiteral("AideAide")), &QAction::triggered, this, &App::_AideAide_Action);

    Event_EnableMenuItems();
    Event_Open();
}

App::~App()
{
    Fncts::setFeedbackSink(nullptr);
    delete m_menus.bar; // no-op once a window has adopted and deleted it
}

void App::Event_Open()
{
    Fncts::DefAppEncod = QStringConverter::Utf8;
    m_sink = std::make_unique<Fncts::QtFeedbackSink>();
    Fncts::setFeedbackSink(m_sink.get());
    setWindowIcon(QIcon(QPixmap::fromImage(Fncts::IconApp_128())));
}

void App::Event_EnableMenuItems()
{
    for (const char* name : commandItems)
        if (QAction* a = menuItem(QLatin1String(name)))
            a->setEnabled(Fncts::DrapMenu);
}

void App::EnableMenuBoutons()
{
    Event_EnableMenuItems();
    emit buttonsEnabledRequested(Fncts::DrapMenu);
}

bool App::_AppleVMaJ_Action()
{
    emit updateCheckRequested();
    return true;
}

bool App::_FichierFermer_Action()
{
    emit closeWindowRequested();
    return true;
}

bool App::_FichierPrefs_Action()
{
    emit preferencesRequested();
    return true;
}

bool App::_FichierQuitter_Action()
{
    return false;
}

bool App::_AppleApropos_Action()
{
    emit aboutRequested();
    return true;
}

bool App::_AideAide_Action()
{
    emit helpRequested();
    return true;
}

} // namespace Kaminor
