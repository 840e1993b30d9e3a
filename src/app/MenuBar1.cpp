#include "app/MenuBar1.h"

#include "text/Localisation.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace Kaminor {

namespace {

QAction* addItem(MenuBar1& mb, QMenu* menu, const QString& name, const QString& caption,
                 const QString& shortcut, QAction::MenuRole role)
{
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    action->setMenuRole(role);
    mb.items.insert(name, action);
    return action;
}

QAction* addSeparator(MenuBar1& mb, QMenu* menu, const QString& name)
{
    auto* action = menu->addSeparator();
    action->setObjectName(name);
    action->setMenuRole(QAction::NoRole);
    mb.items.insert(name, action);
    return action;
}

} // namespace

MenuBar1 buildMenuBar1()
{
    MenuBar1 mb;
    mb.bar = new QMenuBar(nullptr);
    mb.bar->setObjectName(QStringLiteral("MenuBar1"));

    mb.FichMenu = mb.bar->addMenu(Localisation::Menu_Fichier());
    mb.FichMenu->setObjectName(QStringLiteral("FichMenu"));
    addItem(mb, mb.FichMenu, QStringLiteral("FichierFermer"), Localisation::Menu_FichierCloseWin(),
            QStringLiteral("Ctrl+W"), QAction::NoRole);
    addSeparator(mb, mb.FichMenu, QStringLiteral("UntitledSeparator1"));
    addItem(mb, mb.FichMenu, QStringLiteral("FichierQuitter"), QStringLiteral("&Quit"),
            QStringLiteral("Ctrl+Q"), QAction::QuitRole);

    mb.EditMenu = mb.bar->addMenu(Localisation::Menu_Edit());
    mb.EditMenu->setObjectName(QStringLiteral("EditMenu"));
    addItem(mb, mb.EditMenu, QStringLiteral("EditCut"), Localisation::Menu_EditCut(),
            QStringLiteral("Ctrl+X"), QAction::NoRole);
    addItem(mb, mb.EditMenu, QStringLiteral("EditCopy"), Localisation::Menu_EditCopy(),
            QStringLiteral("Ctrl+C"), QAction::NoRole);
    addItem(mb, mb.EditMenu, QStringLiteral("EditPaste"), Localisation::Menu_EditPaste(),
            QStringLiteral("Ctrl+V"), QAction::NoRole);
    addItem(mb, mb.EditMenu, QStringLiteral("EditClear"), Localisation::Menu_EditClear(), QString(),
            QAction::NoRole);
    addItem(mb, mb.EditMenu, QStringLiteral("EditSelectAll"), Localisation::Menu_EditSelectAll(),
            QStringLiteral("Ctrl+A"), QAction::NoRole);
    addSeparator(mb, mb.EditMenu, QStringLiteral("UntitledSeparator0"));
    addItem(mb, mb.EditMenu, QStringLiteral("AppleApropos"), Localisation::Menu_AppleApropos(), QString(),
            QAction::AboutRole);
    addItem(mb, mb.EditMenu, QStringLiteral("AppleVMaJ"), Localisation::Menu_AppleVMaJ(), QString(),
            QAction::ApplicationSpecificRole);
    addSeparator(mb, mb.EditMenu, QStringLiteral("UntitledSeparator"));
    addItem(mb, mb.EditMenu, QStringLiteral("FichierPrefs"), Localisation::Menu_Preferences(), QString(),
            QAction::PreferencesRole);

    mb.AideMenu = mb.bar->addMenu(Localisation::Menu_Aide());
    mb.AideMenu->setObjectName(QStringLiteral("AideMenu"));
    addItem(mb, mb.AideMenu, QStringLiteral("AideAide"), Localisation::Menu_AideAide(),
            QStringLiteral("Ctrl+?"), QAction::NoRole);

    const struct {
        const char* name;
        EditCommand command;
    } editItems[] = {{"EditCut", EditCommand::Cut},
                     {"EditCopy", EditCommand::Copy},
                     {"EditPaste", EditCommand::Paste},
                     {"EditClear", EditCommand::Clear},
                     {"EditSelectAll", EditCommand::SelectAll}};
    for (const auto& e : editItems) {
        const EditCommand command = e.command;
        QObject::connect(mb.item(QLatin1String(e.name)), &QAction::triggered, mb.bar,
                         [command] { runEditCommand(command); });
    }
    // The editing items follow the focused field each time the menu opens.
    QMenu* edit = mb.EditMenu;
    QHash<QString, QAction*> items = mb.items;
    QObject::connect(edit, &QMenu::aboutToShow, edit, [items, editItems] {
        for (const auto& e : editItems)
            items.value(QLatin1String(e.name))->setEnabled(editCommandAvailable(e.command));
    });
    // Once closed, the shortcuts must reach the focused field again.
    QObject::connect(edit, &QMenu::aboutToHide, edit, [items, editItems] {
        for (const auto& e : editItems)
            items.value(QLatin1String(e.name))->setEnabled(true);
    });
    return mb;
}

namespace {

QWidget* focusedEditor()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return spin->findChild<QLineEdit*>();
    return w;
}

} // namespace

bool editCommandAvailable(EditCommand command)
{
    QWidget* w = focusedEditor();
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const bool sel = line->hasSelectedText();
        const bool writable = !line->isReadOnly();
        const bool plain = line->echoMode() == QLineEdit::Normal;
        switch (command) {
        case EditCommand::Cut: return sel && writable && plain;
        case EditCommand::Copy: return sel && plain;
        case EditCommand::Paste: return writable;
        case EditCommand::Clear: return sel && writable;
        case EditCommand::SelectAll: return !line->text().isEmpty();
        }
    }
    auto textState = [command](bool sel, bool writable, bool empty) {
        switch (command) {
        case EditCommand::Cut:
        case EditCommand::Clear: return sel && writable;
        case EditCommand::Copy: return sel;
        case EditCommand::Paste: return writable;
        case EditCommand::SelectAll: return !empty;
        }
        return false;
    };
    if (auto* text = qobject_cast<QTextEdit*>(w))
        return textState(text->textCursor().hasSelection(), !text->isReadOnly(), text->document()->isEmpty());
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return textState(plain->textCursor().hasSelection(), !plain->isReadOnly(),
                         plain->document()->isEmpty());
    return false;
}

void runEditCommand(EditCommand command)
{
    QWidget* w = focusedEditor();
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        // QLineEdit's cut and paste write into a read-only field too.
        const bool writable = !line->isReadOnly();
        switch (command) {
        case EditCommand::Cut:
            if (writable)
                line->cut();
            break;
        case EditCommand::Copy: line->copy(); break;
        case EditCommand::Paste:
            if (writable)
                line->paste();
            break;
        case EditCommand::Clear:
            if (writable)
                line->del();
            break;
        case EditCommand::SelectAll: line->selectAll(); break;
        }
        return;
    }
    auto run = [command](auto* edit) {
        switch (command) {
        case EditCommand::Cut: edit->cut(); break;
        case EditCommand::Copy: edit->copy(); break;
        case EditCommand::Paste: edit->paste(); break;
        case EditCommand::Clear:
            if (!edit->isReadOnly())
                edit->textCursor().removeSelectedText();
            break;
        case EditCommand::SelectAll: edit->selectAll(); break;
        }
    };
    if (auto* text = qobject_cast<QTextEdit*>(w))
        run(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        run(plain);
}

} // namespace Kaminor
