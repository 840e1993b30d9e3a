// The menu bar: File, Edit and Help, with items found by name.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace Kaminor {

struct MenuBar1 {
    QPointer<QMenuBar> bar;
    QMenu* FichMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* AideMenu = nullptr;
    // Every item by its name (FichierFermer, EditCopy, UntitledSeparator0 ...).
    QHash<QString, QAction*> items;

    QAction* item(const QString& name) const { return items.value(name); }
};

// Builds the bar, its three menus and their items in table order. The bar has
// no parent: the main window adopts it where menus live inside the window.
MenuBar1 buildMenuBar1();

// The standard editing commands, carried out on the focused text field.
enum class EditCommand { Cut, Copy, Paste, Clear, SelectAll };
void runEditCommand(EditCommand command);
// Whether the command makes sense for the focused widget right now.
bool editCommandAvailable(EditCommand command);

} // namespace Kaminor
