#include "app/Fncts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSoundEffect>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace Fncts {
namespace {

DialogResponder g_responder;

// Runs the box modally. With a responder installed, the responder picks the
// button as soon as the modal loop runs.
void runModal(QMessageBox& box)
{
    if (g_responder) {
        const DialogResponder responder = g_responder;
        QTimer::singleShot(0, &box, [&box, responder]() {
            const int which = responder(box);
            static const char* const names[] = {"BtnAct", "BtnCancel", "BtnAlt"};
            QAbstractButton* button = nullptr;
            if (which >= 1 && which <= 3) {
                for (QAbstractButton* b : box.buttons())
                    if (b->objectName() == QLatin1String(names[which - 1]))
                        button = b;
            }
            if (button)
                button->click();
            else
                box.done(0);
        });
    }
    box.exec();
}

QMessageBox::Icon iconFor(qint16 icon)
{
    switch (icon) {
    case 0:
        return QMessageBox::Information;
    case 1:
        return QMessageBox::Warning;
    case 2:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

// --- resources ---

QString g_resourcesOverride;

struct Resources {
    QPointer<QSoundEffect> zoum, bop, bip;
    std::optional<QImage> iconApp, noStove, creditsLogo, creditsLogoMask;
};

Resources& resources()
{
    static Resources r;
    return r;
}

QSoundEffect* loadSound(QPointer<QSoundEffect>& slot, const QString& fileName)
{
    if (!slot) {
        // Owned by the application, so it goes before the audio system does.
        auto* sound = new QSoundEffect(QCoreApplication::instance());
        const QString path = QDir(ResourcesFolder()).filePath(fileName);
        if (QFileInfo(path).isFile())
            sound->setSource(QUrl::fromLocalFile(path));
        slot = sound;
    }
    return slot;
}

const QImage& loadPicture(std::optional<QImage>& slot, const QString& fileName, QSize usualSize)
{
    if (!slot) {
        QImage image(QDir(ResourcesFolder()).filePath(fileName));
        if (image.isNull()) {
            image = QImage(usualSize, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
        slot = std::move(image);
    }
    return *slot;
}

} // namespace

// --- MyDialogBox --------------------------------------------------------------

void setDialogResponder(DialogResponder responder) { g_responder = std::move(responder); }

// Catalogue texts break their lines with a lone CR, which a message box shows as
// nothing at all: every line ending becomes a line feed there.
static QString shownLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

qint16 MyDialogBox(const QString& message, const QString& explanation, const QString& BtnAct,
                   const QString& cancelCaption, const QString& alternateCaption, qint16 icon)
{
    QMessageBox box;
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    qint16 result = DialogNone;
    {
        DrapMenuHold hold;
        box.setIcon(iconFor(icon));
        box.setWindowTitle(QString());

        QAbstractButton* action = nullptr;
        if (!BtnAct.isEmpty()) {
            action = box.addButton(BtnAct, QMessageBox::AcceptRole);
        } else {
            ErrorReport2(QStringLiteral("My DialogBox, BtnAct = ''"));
            action = box.addButton(QMessageBox::Ok);
        }
        action->setObjectName(QStringLiteral("BtnAct"));
        box.setDefaultButton(qobject_cast<QPushButton*>(action));

        QAbstractButton* cancel = nullptr;
        if (!cancelCaption.isEmpty()) {
            cancel = box.addButton(cancelCaption, QMessageBox::RejectRole);
            cancel->setObjectName(QStringLiteral("BtnCancel"));
            box.setEscapeButton(cancel);
        }
        QAbstractButton* alternate = nullptr;
        if (!alternateCaption.isEmpty()) {
            alternate = box.addButton(alternateCaption, QMessageBox::DestructiveRole);
            alternate->setObjectName(QStringLiteral("BtnAlt"));
        }

        box.setText(message.isEmpty() ? QStringLiteral(" ") : shownLines(message));
        if (!explanation.isEmpty())
            box.setInformativeText(shownLines(explanation));

        runModal(box);

        QAbstractButton* pressed = box.clickedButton();
        if (pressed && pressed == action)
            result = DialogAction;
        else if (pressed && pressed == cancel)
            result = DialogCancel;
        else if (pressed && pressed == alternate)
            result = DialogAlternate;
    } // DrapMenu gets its kept value back here
    // Only the arrow set above is taken away; a cursor the caller set stays.
    QGuiApplication::restoreOverrideCursor();
    return result;
}

void QtFeedbackSink::plainMessage(const QString& message)
{
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString());
    box.setText(shownLines(message));
    box.addButton(QMessageBox::Ok)->setObjectName(QStringLiteral("BtnAct"));
    DrapMenuHold hold;
    runModal(box);
}

void QtFeedbackSink::beep() { QApplication::beep(); }

// --- Sounds and pictures ---------------------------------------------------------

QString ContentsFolder()
{
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/../share/") + exeName);
}

QString ResourcesFolder()
{
    if (!g_resourcesOverride.isEmpty())
        return g_resourcesOverride;
    return ContentsFolder() + QLatin1String("/Resources");
}

void setResourcesFolder(const QString& folder)
{
    g_resourcesOverride = folder;
    Resources& r = resources();
    for (QPointer<QSoundEffect>* slot : {&r.zoum, &r.bop, &r.bip}) {
        if (*slot)
            (*slot)->deleteLater();
        *slot = nullptr;
    }
    r.iconApp.reset();
    r.noStove.reset();
    r.creditsLogo.reset();
    r.creditsLogoMask.reset();
}

QSoundEffect* Zoum() { return loadSound(resources().zoum, QStringLiteral("Zoum.wav")); }
QSoundEffect* Bop() { return loadSound(resources().bop, QStringLiteral("Bop.wav")); }
QSoundEffect* Bip() { return loadSound(resources().bip, QStringLiteral("Bip.wav")); }

const QImage& IconApp_128()
{
    return loadPicture(resources().iconApp, QStringLiteral("IconApp_128.png"), kIconAppSize);
}
const QImage& NoStove() { return loadPicture(resources().noStove, QStringLiteral("NoStove.png"), kNoStoveSize); }
const QImage& CreditsLogo()
{
    return loadPicture(resources().creditsLogo, QStringLiteral("CreditsLogo.png"), kCreditsLogoSize);
}
const QImage& CreditsLogoMask()
{
    return loadPicture(resources().creditsLogoMask, QStringLiteral("CreditsLogoMask.png"), kCreditsLogoSize);
}

QSoundEffect* PlayT(QSoundEffect* sound)
{
    if (!sound || sound->source().isEmpty() || sound->status() == QSoundEffect::Error)
        return nullptr;
    // Without an audio output a sound never reports its end: it would stay
    // "playing", and every later play would leave a copy behind for the rest of the run.
    if (QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    if (!sound->isPlaying()) {
        sound->play();
        return sound;
    }
    // Still playing: a copy of its own plays over it, and goes when it is done.
    auto* copy = new QSoundEffect(sound->audioDevice(), sound);
    copy->setVolume(sound->volume());
    copy->setMuted(sound->isMuted());
    copy->setLoopCount(sound->loopCount());
    copy->setSource(sound->source());
    QObject::connect(copy, &QSoundEffect::playingChanged, copy, [copy]() {
        if (!copy->isPlaying() && copy->status() == QSoundEffect::Ready)
            copy->deleteLater();
    });
    QObject::connect(copy, &QSoundEffect::statusChanged, copy, [copy]() {
        if (copy->status() == QSoundEffect::Error)
            copy->deleteLater();
    });
    copy->play();
    return copy;
}

// --- Small utilities ---------------------------------------------------------------

bool PasNil_Existe_Alias(const QString& path, bool resolveAlias)
{
    if (path.isEmpty())
        return false;
    const QFileInfo item(path);
    // A link exists as an item even when what it leads to does not.
    if (!item.isSymLink())
        return item.exists();
    if (!resolveAlias)
        return true;
    // The link must lead somewhere real and other than itself; a dangling link
    // or a loop of links has no canonical path.
    const QString target = item.canonicalFilePath();
    return !target.isEmpty() && target != QDir::cleanPath(item.absoluteFilePath());
}

QString TypeCompil()
{
#if defined(Q_OS_MACOS)
    const QString system = QStringLiteral("macOS");
#elif defined(Q_OS_WIN)
    const QString system = QStringLiteral("Windows");
#elif defined(Q_OS_LINUX)
    const QString system = QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
    const QString system = QStringLiteral("FreeBSD");
#else
    const QString system = QSysInfo::kernelType();
#endif
    return system + QLatin1Char(' ') + QSysInfo::buildCpuArchitecture() + QStringLiteral(" - Qt (") +
           QLatin1String(QT_VERSION_STR) + QLatin1Char(')');
}

void PressPapTxt(const QString& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

} // namespace Fncts
