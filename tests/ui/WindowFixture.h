// What the main-window tests set up: the program's folders in a temporary
// place, a returning user's preferences file, small photos, clicks on the
// option buttons and a hand that answers the about window.
#pragma once

#include "app/App.h"
#include "core/Selection.h"
#include "prefs/PrefsFile.h"
#include "ui/WinInfos.h"
#include "ui/WinMain.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace KaminorTest {

using Kaminor::Group;
using Kaminor::Prefs;
using Kaminor::Selection;
using Kaminor::WinMain;

// Which parts of the "Contents" folder exist.
struct WindowFolders {
    bool photos = true;          // StovesDoss
    bool reducedPhotos = false;  // StovesDossTest
    bool comparator = true;      // Comparateur
    bool comparatorPage = false; // Comparateur/index.html
    QStringList photosToWrite{}; // references of small photos written into StovesDoss
};

// Writes a plain photo of the given size; false when it could not be saved.
inline bool writeJpeg(const QString& path, QSize size, QColor color = QColor(120, 60, 30))
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    return img.save(path, "JPG");
}

// A program folder, a "Contents" folder and a user configuration folder in a
// temporary place. No preferences file: a window opened on it makes a first run.
struct WindowFixture {
    QTemporaryDir tmp;
    WinMain::Folders folders;

    explicit WindowFixture(const WindowFolders& want = {})
    {
        folders.applicationFolder = tmp.filePath(QStringLiteral("bin"));
        folders.contents = tmp.filePath(QStringLiteral("share/kaminor"));
        folders.userPreferences = tmp.filePath(QStringLiteral("config"));
        m_ready = tmp.isValid();
        auto make = [this](const QString& path) { m_ready = QDir().mkpath(path) && m_ready; };
        make(folders.applicationFolder);
        make(folders.userPreferences);
        if (want.photos)
            make(photoFolder());
        if (want.reducedPhotos)
            make(folders.contents + QStringLiteral("/StovesDossTest"));
        if (want.comparator || want.comparatorPage)
            make(folders.contents + QStringLiteral("/Comparateur"));
        if (want.comparatorPage) {
            QFile page(comparatorPage());
            m_ready = page.open(QIODevice::WriteOnly) && page.write("<html></html>") > 0 && m_ready;
        }
        for (const QString& reference : want.photosToWrite)
            m_ready = writeJpeg(photo(reference), QSize(72, 122), QColor(90, 60, 40)) && m_ready;
    }

    // Every folder and file asked for was made.
    bool ready() const { return m_ready; }

    QString photoFolder() const { return folders.contents + QStringLiteral("/StovesDoss"); }
    QString photo(const QString& reference) const { return photoFolder() + u'/' + reference + QStringLiteral(".jpg"); }
    QString comparatorPage() const { return folders.contents + QStringLiteral("/Comparateur/index.html"); }
    QString prefsFolder() const { return folders.userPreferences + QStringLiteral("/Kaminor"); }
    QString prefsFile() const { return Kaminor::prefsFilePath(prefsFolder()); }

    // A returning user: a preferences file with these settings, selection and
    // window bounds, so that no about window opens.
    bool saveReturningUser(const Prefs& prefs = Prefs(), const Selection& selection = Kaminor::firstRunSelection(),
                           const QRect& bounds = QRect(30, 70, 894, 680)) const
    {
        return QDir().mkpath(prefsFolder()) && Kaminor::PrefsSauver(prefs, prefsFolder(), bounds, selection);
    }

    // The main window on these folders, not opened yet.
    std::unique_ptr<WinMain> makeWindow() const
    {
        auto w = std::make_unique<WinMain>(*Kaminor::App::instance());
        w->setFolders(folders);
        w->setScreenSize(QSize(1920, 1200));
        return w;
    }

private:
    bool m_ready = false;
};

// Clicks an option button on its mark.
inline void clickOption(WinMain& w, Group g, int index)
{
    QRadioButton* b = w.radioButton(g, index);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

// Answers the about window from inside its modal loop, every 20 ms once
// started, and counts the windows answered.
class AboutWindowHand {
public:
    AboutWindowHand()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* about = qobject_cast<Kaminor::WinInfos*>(QApplication::activeModalWidget())) {
                ++answered;
                about->BoutonOk()->click();
            }
        });
    }
    AboutWindowHand(const AboutWindowHand&) = delete;
    AboutWindowHand& operator=(const AboutWindowHand&) = delete;

    void start() { m_timer.start(); }

    int answered = 0;

private:
    QTimer m_timer;
};

} // namespace KaminorTest
