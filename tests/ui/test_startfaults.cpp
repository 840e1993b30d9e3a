// The main window's start and close when its preferences file cannot be used.
#include "WindowFixture.h"
#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/WinMain.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Kaminor;
using namespace KaminorTest;

class TestStartFaults : public QObject {
    Q_OBJECT

    Fncts::RecordingSink sink;
    // Answers the about window.
    AboutWindowHand aboutHand;

private slots:
    void initTestCase()
    {
        Fncts::setFeedbackSink(&sink);
        Fncts::setResourcesFolder(QDir::tempPath() + QStringLiteral("/kaminor-no-resources"));
        aboutHand.start();
    }

    void prefsFileIsAFolder();
};

void TestStartFaults::prefsFileIsAFolder()
{
    const WindowFixture s({.comparator = false});
    QVERIFY(s.ready());
    const QString prefsFile = s.prefsFile();
    // A folder in the file's place: neither root nor anybody can open it as a file or replace it.
    QVERIFY(QDir().mkpath(prefsFile));
    QFile inside(prefsFile + QStringLiteral("/kept.txt"));
    QVERIFY(inside.open(QIODevice::WriteOnly) && inside.write("kept") == 4);
    inside.close();

    // A record unlike the defaults, so that the defaults show.
    Prefs& prefs = App::instance()->prefs;
    prefs = Prefs();
    prefs.AffHelpTag = false;
    prefs.Sfx = false;
    prefs.EncodWin = true;
    prefs.PasswPrix = QStringLiteral("ortolan");
    prefs.CoeffPrix = 3.0;
    prefs.LockPrefs = true;
    prefs.MyDetails = QStringLiteral("old");

    WinMain w(*App::instance());
    w.setFolders(s.folders);
    w.setScreenSize(QSize(1920, 1200));

    QVERIFY(w.Event_Open());
    QCOMPARE(sink.messages,
             QStringList{Fncts::errorReportText(QStringLiteral("PrefsCharger, problem while reading file!"))});
    QCOMPARE(sink.beeps, 3);
    QCOMPARE(aboutHand.answered, 1);
    QVERIFY(w.isVisible());
    QVERIFY(prefs.initProg);
    QVERIFY(Fncts::DrapMenu);
    // The window keeps its design size where the platform placed it, not the bounds of a first run.
    QCOMPARE(w.bounds().size(), WinMainMinSize);
    QVERIFY2(w.bounds() != WinMainDefaultBounds, "the stored bounds were applied");
    QVERIFY(!prefs.AutoCheckUpdt);
    QVERIFY(prefs.AffHelpTag);
    QVERIFY(prefs.Sfx);
    QVERIFY(!prefs.EncodWin);
    QVERIFY(!prefs.LockPrefs);
    QCOMPARE(prefs.PasswPrix, QString());
    QCOMPARE(prefs.CoeffPrix, 1.0);
    QCOMPARE(prefs.MyDetails, Prefs::defaultDetails());
    QVERIFY(!prefs.DrapAffPrices);
    QVERIFY(!w.GroupBoxPrices->isVisibleTo(&w));
    QCOMPARE(w.configurator().remembered(), firstRunSelection());
    QCOMPARE(w.TextFieldRef->text(), QStringLiteral("KD-PA-G-AGT"));

    // Closing still quits: the failed write is reported and the folder stays as it was.
    sink.messages.clear();
    sink.beeps = 0;
    QVERIFY(w.close());
    QVERIFY(prefs.DrapOkQuit);
    QCOMPARE(sink.messages,
             QStringList{Fncts::errorReportText(QStringLiteral("PrefsSauver, problem while writing file!"))});
    QCOMPARE(sink.beeps, 3);
    QVERIFY(QFileInfo(prefsFile).isDir());
    QCOMPARE(QDir(prefsFile).entryList(QDir::Files), QStringList{QStringLiteral("kept.txt")});
}

int main(int argc, char* argv[])
{
    App app(argc, argv);
    TestStartFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_startfaults.moc"
