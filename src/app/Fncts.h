// The program's own message box, its sounds and pictures, and small utilities.
// The module-wide flags live in core/FnctsState.h and the error reports, beeps
// and waits in text/Feedback.h; this header brings them along.
#pragma once

#include "core/FnctsState.h"
#include "text/Feedback.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QMessageBox;
class QSoundEffect;

namespace Fncts {

// --- MyDialogBox ------------------------------------------------------------

// Result codes of MyDialogBox.
enum DialogResult : qint16 { DialogNone = 0, DialogAction = 1, DialogCancel = 2, DialogAlternate = 3 };

// The program's modal message box. icon 0 is the note (information) icon, 1 the
// caution icon, 2 the stop icon; any other number shows none. An empty message
// becomes a single space; an empty explanation is left out; the cancel and
// alternate buttons exist only with a caption. An empty BtnAct is reported, and
// the action button then keeps the platform's caption.
// Returns 1 for the action button, 2 cancel, 3 alternate, 0 anything else.
// DrapMenu is false while the dialog is up and gets its previous value back.
qint16 MyDialogBox(const QString& message, const QString& explanation, const QString& BtnAct,
                   const QString& cancelCaption, const QString& alternateCaption, qint16 icon);

// Answering dialogs without a person (tests).
//
// While a responder is installed, every modal box shown by this module
// (MyDialogBox and the plain message box of QtFeedbackSink) is opened as usual,
// and as soon as its modal loop runs the responder is called with the box. It
// may look at the box (text(), informativeText(), icon(), buttons()) and returns
// which button to press: 1 the action button (or the OK button of a plain
// message box), 2 the cancel button, 3 the alternate button. Any other number,
// or a button the box does not have, dismisses the box without a button, which
// MyDialogBox reports as 0. The buttons carry the object names "BtnAct",
// "BtnCancel" and "BtnAlt". Pass an empty function to remove the responder.
//
//     Fncts::setDialogResponder([](QMessageBox& box) { return 2; });
using DialogResponder = std::function<int(QMessageBox&)>;
void setDialogResponder(DialogResponder responder);

// Installs a responder for the lifetime of the object and removes it afterwards.
class ScopedDialogResponder {
public:
    explicit ScopedDialogResponder(DialogResponder responder) { setDialogResponder(std::move(responder)); }
    ~ScopedDialogResponder() { setDialogResponder({}); }
    ScopedDialogResponder(const ScopedDialogResponder&) = delete;
    ScopedDialogResponder& operator=(const ScopedDialogResponder&) = delete;
};

// The feedback the application installs: the plain message box (the message and
// one OK button, no title, no icon) and the system beep.
class QtFeedbackSink : public FeedbackSink {
public:
    void plainMessage(const QString& message) override;
    void beep() override;
};

// --- Sounds and pictures ------------------------------------------------------

// "Contents": <folder of the executable>/../share/<executable name>/.
QString ContentsFolder();
// The resources folder, "Resources" inside Contents unless set otherwise.
QString ResourcesFolder();
// Uses another resources folder (tests); an empty path goes back to the default.
// Resources already loaded are forgotten, so the next accessor call loads again.
void setResourcesFolder(const QString& folder);

// Each accessor loads its file on first use and keeps the object for the rest of
// the run. A missing or unreadable sound gives a sound that plays nothing; a
// missing or unreadable picture gives a transparent picture of its usual size.
QSoundEffect* Zoum(); // "Zoum.wav": a refused combination is reverted
QSoundEffect* Bop();  // "Bop.wav": a click on an option button
QSoundEffect* Bip();  // "Bip.wav": a contact text went to the clipboard
const QImage& IconApp_128();     // "IconApp_128.png", 128 x 128
const QImage& NoStove();         // "NoStove.png", portrait 362:616
const QImage& CreditsLogo();     // "CreditsLogo.png", 146 x 22
const QImage& CreditsLogoMask(); // "CreditsLogoMask.png", 146 x 22

// Usual sizes of the pictures, used when a file cannot be read.
inline constexpr QSize kIconAppSize{128, 128};
inline constexpr QSize kNoStoveSize{362, 616};
inline constexpr QSize kCreditsLogoSize{146, 22};

// Plays the sound. When it is still playing, an independent copy plays over it
// so the first is not cut off. Returns the sound object that was started (the
// sound itself or the copy, which deletes itself when done); nullptr for none,
// as when the system has no audio output.
QSoundEffect* PlayT(QSoundEffect* sound);

// --- Small utilities ----------------------------------------------------------

// Whether the item exists. Symbolic links are the aliases: with resolveAlias, a
// link is true only when it leads to another existing item (a dangling link or
// a loop is false). An empty path is no item: false.
bool PasNil_Existe_Alias(const QString& path, bool resolveAlias);

// The build's target and toolkit version, e.g. "Linux x86_64 - Qt (6.4.2)".
QString TypeCompil();

// Puts the text on the clipboard as plain text.
void PressPapTxt(const QString& text);

} // namespace Fncts
