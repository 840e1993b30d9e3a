// The application object: owns the preferences record and the menu bar, and
// answers the menu commands. The main window connects to its signals.
#pragma once

#include "app/MenuBar1.h"
#include "prefs/Prefs.h"

#include <QApplication>

#include <memory>

namespace Fncts {
class FeedbackSink;
}

namespace Kaminor {

class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);
    ~App() override;

    static App* instance() { return qobject_cast<App*>(QCoreApplication::instance()); }

    // The preferences record.
    Prefs prefs;

    MenuBar1& menus() { return m_menus; }
    QAction* menuItem(const QString& name) const { return m_menus.item(name); }

    // The five command items follow DrapMenu; nothing else is touched.
    void Event_EnableMenuItems();
    // Refreshes the menus, then asks the main window to enable or disable its
    // option and push buttons according to DrapMenu.
    void EnableMenuBoutons();

    // Menu handlers: true when the command was handled.
    bool _AppleVMaJ_Action();
    bool _FichierFermer_Action();
    bool _FichierPrefs_Action();
    bool _FichierQuitter_Action();
    bool _AppleApropos_Action();
    bool _AideAide_Action();

signals:
    void buttonsEnabledRequested(bool enabled);
    void closeWindowRequested();
    void preferencesRequested();
    void aboutRequested();
    void updateCheckRequested();
    void helpRequested();

private:
    void Event_Open();

    MenuBar1 m_menus;
    std::unique_ptr<Fncts::FeedbackSink> m_sink;
};

} // namespace Kaminor
