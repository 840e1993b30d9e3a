// The main window on real widgets: start-up, clicks, refusal, close, resize.
#include "WindowFixture.h"
#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/WinMain.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Kaminor;
using namespace KaminorTest;

class TestWinMain : public QObject {
    Q_OBJECT

    Fncts::RecordingSink sink;
    // Answers the about window that a first run opens.
    AboutWindowHand aboutHand;

    bool allButtonsEnabled(const WinMain& w, bool enabled)
    {
        for (int g = 0; g < GroupCount; ++g)
            for (QAbstractButton* b : w.radioGroup(static_cast<Group>(g))->buttons())
                if (b->isEnabled() != enabled)
                    return false;
        return w.PushButtInfoCde->isEnabled() == enabled && w.PushButtOuvComp->isEnabled() == enabled
               && w.PushButtSendMail->isEnabled() == enabled;
    }

private slots:
    void initTestCase()
    {
        Fncts::setFeedbackSink(&sink);
        Fncts::setResourcesFolder(QDir::tempPath() + QStringLiteral("/kaminor-no-resources"));
        aboutHand.start();
    }

    void init()
    {
        App::instance()->prefs = Prefs();
        Fncts::DrapMenu = false;
        sink.messages.clear();
        sink.beeps = 0;
        aboutHand.answered = 0;
    }

    void layoutAtDesignSize()
    {
        WindowFixture s;
        auto w = s.makeWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Kaminor"));
        QCOMPARE(w->content()->minimumSize(), QSize(894, 680));
        // Object names, group ids and window coordinates of a few controls.
        QWidget* side5 = w->findChild<QWidget*>(QStringLiteral("RdButtSide5"));
        QVERIFY(side5);
        QCOMPARE(w->radioGroup(Group::Side)->id(qobject_cast<QAbstractButton*>(side5)), 5);
        QCOMPARE(side5->mapTo(w->content(), QPoint(0, 0)), QPoint(658, 319));
        QCOMPARE(w->radioButton(Group::Tablet, 0)->mapTo(w->content(), QPoint(0, 0)), QPoint(658, 527));
        QCOMPARE(w->radioButton(Group::Tablet, 3)->mapTo(w->content(), QPoint(0, 0)), QPoint(658, 599));
        QCOMPARE(w->radioButton(Group::TVA, 2)->mapTo(w->content(), QPoint(0, 0)), QPoint(34, 483));
        QCOMPARE(w->canvas()->geometry(), QRect(266, 14, 362, 616));
        QCOMPARE(w->PushButtOuvComp->geometry(), QRect(357, 640, 180, 20));
        for (const char* name : {"TextFieldPriHT", "LabelPriceHT", "LabelCurrencyD"})
            QVERIFY(!w->findChild<QWidget*>(QLatin1String(name))->isVisibleTo(w.get()));
    }

    void firstRun()
    {
        WindowFixture s;
        // A new account: the configuration folder is not there yet.
        QVERIFY(QDir(s.folders.userPreferences).removeRecursively());
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        QCOMPARE(w->configurator().remembered(), firstRunSelection());
        QCOMPARE(w->bounds(), QRect(20, 60, 894, 680));
        QCOMPARE(w->TextFieldRef->text(), QStringLiteral("KD-PA-G-AGT"));
        QVERIFY(w->radioButton(Group::DoorLogs, 2)->isChecked());
        QVERIFY(w->isVisible());
        QVERIFY(Fncts::DrapMenu);
        QVERIFY(App::instance()->prefs.initProg);
        QVERIFY(allButtonsEnabled(*w, true));
        QVERIFY(App::instance()->menuItem(QStringLiteral("FichierFermer"))->isEnabled());
        QCOMPARE(w->DossStoves, s.folders.contents + QStringLiteral("/StovesDoss"));
        // Without the dealer's password the prices stay hidden.
        QVERIFY(!w->GroupBoxPrices->isVisibleTo(w.get()));
        QVERIFY(QFileInfo(s.prefsFolder()).isDir());
        QVERIFY(!QFileInfo::exists(s.folders.applicationFolder + QStringLiteral("/KaminorPrefs")));
        // A first run introduces the program.
        QCOMPARE(aboutHand.answered, 1);
    }

    void storedSelectionAndBounds()
    {
        WindowFixture s;
        Prefs stored;
        stored.PasswPrix = QStringLiteral("ORTOLAN");
        const Selection sel{.body = 1, .doorGlass = 0, .color = 1, .side = 3, .plate = 1, .tablet = 1, .doorLogs = 1,
                            .tva = 2, .credImp = 1};
        QVERIFY(s.saveReturningUser(stored, sel, QRect(30, 70, 1000, 700)));

        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        QCOMPARE(w->configurator().remembered(), sel);
        QCOMPARE(w->bounds(), QRect(30, 70, 1000, 700));
        QCOMPARE(w->TextFieldRef->text(), QStringLiteral("TS-PV-N-PGN-DPGN-TPGN-BV"));
        QVERIFY(w->radioButton(Group::TVA, 2)->isChecked());
        QVERIFY(w->radioButton(Group::CredImp, 1)->isChecked());
        QVERIFY(w->radioButton(Group::Tablet, 1)->isChecked());
        // A dealer sees the prices.
        QVERIFY(w->GroupBoxPrices->isVisibleTo(w.get()));
        QVERIFY(!w->TextFieldPriTTC->text().isEmpty());
        QCOMPARE(aboutHand.answered, 0);
    }

    void clicksRefusalAndRevert()
    {
        WindowFixture s;
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());

        clickOption(*w, Group::DoorLogs, 0);
        QCOMPARE(w->TextFieldRef->text(), QStringLiteral("KD-PA-G-AGT-BA"));
        // Orvo has no log-store door: the model change removes it.
        clickOption(*w, Group::Body, 2);
        QCOMPARE(w->TextFieldRef->text(), QStringLiteral("OV-PA-G-AGT"));
        QVERIFY(w->radioButton(Group::DoorLogs, 2)->isChecked());

        // Asking for one again is refused for a moment.
        clickOption(*w, Group::DoorLogs, 1);
        for (QLineEdit* f : {w->TextFieldRef, w->TextFieldPriHT, w->TextFieldPriTTC, w->TextFieldCredImp,
                             w->TextFieldCoutFin})
            QCOMPARE(f->text(), QStringLiteral("# # # #"));
        QVERIFY(allButtonsEnabled(*w, false));
        QVERIFY(!App::instance()->menuItem(QStringLiteral("FichierFermer"))->isEnabled());
        w->canvas()->grab();
        QCOMPARE(w->canvas()->lastShown(), CanvasStove::Shown::NoStove);
        // The placeholder has the backdrop's size.
        QCOMPARE(w->canvas()->lastRect(), stoveDrawRect(Fncts::NoStove().size(), w->canvas()->size()));

        // No close meanwhile: a beep, and the window stays.
        const int beeps = sink.beeps;
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(sink.beeps, beeps + 1);
        // Nor a quit from the system.
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(App::instance(), &quit);
        QVERIFY(w->isVisible());
        QCOMPARE(sink.beeps, beeps + 2);
        QVERIFY(!QFile::exists(s.prefsFile()));

        QTRY_COMPARE_WITH_TIMEOUT(w->TextFieldRef->text(), QStringLiteral("OV-PA-G-AGT"), 2000);
        QVERIFY(w->radioButton(Group::DoorLogs, 2)->isChecked());
        QVERIFY(allButtonsEnabled(*w, true));
        QVERIFY(App::instance()->menuItem(QStringLiteral("FichierFermer"))->isEnabled());
    }

    void closeWhenIdleSavesOnce()
    {
        WindowFixture s;
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        clickOption(*w, Group::Color, 1);
        QVERIFY(w->close());
        QVERIFY(QFile::exists(s.prefsFile()));
        QVERIFY(App::instance()->prefs.DrapOkQuit);

        Prefs read;
        QRect b;
        Selection sel;
        QVERIFY(!PrefsCharger(read, s.prefsFolder(), b, sel, QSize(1920, 1200)));
        QCOMPARE(sel.color, qint16(1));

        // A second close while quitting writes nothing.
        QVERIFY(QFile::remove(s.prefsFile()));
        w->Event_Close();
        QVERIFY(!QFile::exists(s.prefsFile()));
    }

    void closeMenuItemClosesTheWindow()
    {
        WindowFixture s;
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        App::instance()->menuItem(QStringLiteral("FichierFermer"))->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(QFile::exists(s.prefsFile()));
    }

    void resizeFollowsAnchors()
    {
        WindowFixture s;
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        w->setBounds(QRect(20, 60, 1200, 800));
        QTRY_COMPARE(w->content()->size(), QSize(1200, 800));
        QCOMPARE(w->PushButtOuvComp->geometry(), QRect(510, 760, 180, 20));
        QCOMPARE(w->GroupBoxStoveSide->pos(), QPoint(644 + 306, 174));
        QCOMPARE(w->PushButtSendMail->pos(), QPoint(744 + 306, 760));
        QCOMPARE(w->GroupBoxPrices->pos(), QPoint(20, 526 + 120));
        QCOMPARE(w->GroupBoxBody->pos(), QPoint(20, 14));
        QCOMPARE(w->canvas()->geometry(), QRect(266, 14, 362 + 306, 616 + 120));
        // Children move with their group.
        QCOMPARE(w->radioButton(Group::Side, 0)->mapTo(w->content(), QPoint(0, 0)), QPoint(658 + 306, 199));
    }

    void failedStarts_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("no Contents") << "contents" << "DossStoves doesn't exists !";
        QTest::newRow("no photo folder") << "photos" << "DossStoves doesn't exists !";
        QTest::newRow("no preferences folder") << "prefs" << "WinMain.Open, Impossible to create the Preferences folder.";
    }

    void failedStarts()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        WindowFixture s;
        if (damage == QLatin1String("contents")) {
            QVERIFY(QDir().rename(s.folders.contents, s.folders.contents + QStringLiteral("-renamed")));
        } else if (damage == QLatin1String("photos")) {
            QVERIFY(QDir().rename(s.folders.contents + QStringLiteral("/StovesDoss"),
                                  s.folders.contents + QStringLiteral("/StovesDoss-renamed")));
        } else {
            // No user folder, and the program's folder lies under a plain file.
            QFile plain(s.tmp.filePath(QStringLiteral("plain")));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            plain.close();
            s.folders.userPreferences.clear();
            s.folders.applicationFolder = plain.fileName() + QStringLiteral("/bin");
        }
        auto w = s.makeWindow();
        QVERIFY(!w->Event_Open());
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY(sink.messages.first().startsWith(QStringLiteral("Error !")));
        QVERIFY2(sink.messages.first().contains(message), qPrintable(sink.messages.first()));
        QVERIFY(sink.beeps >= 1);
        QVERIFY(!w->isVisible());
        QVERIFY(!App::instance()->prefs.initProg);
        QVERIFY(!QFile::exists(s.prefsFile()));
    }

    void reducedPhotoFolder()
    {
        WindowFixture s({.photos = false, .reducedPhotos = true});
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        QCOMPARE(w->DossStoves, s.folders.contents + QStringLiteral("/StovesDossTest"));
        QVERIFY(sink.messages.value(0).startsWith(QStringLiteral("Version test allégée")));
        QVERIFY(sink.messages.value(0).contains(QStringLiteral("Test version lightened")));
    }

    void canvasScaling_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("tall photo") << QSize(1000, 2000) << QRect(27, 0, 308, 616);
        QTest::newRow("small square enlarged") << QSize(100, 100) << QRect(0, 127, 362, 362);
        QTest::newRow("canvas proportions") << QSize(724, 1232) << QRect(0, 0, 362, 616);
    }

    void canvasScaling()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, drawn);
        QCOMPARE(stoveDrawRect(picture, QSize(362, 616)), drawn);

        // The same through a paint of a real photo file.
        QTemporaryDir tmp;
        QVERIFY(writeJpeg(tmp.filePath(QStringLiteral("KD-PA-G-AGT.jpg")), picture));
        CanvasStove canvas;
        canvas.resize(362, 616);
        canvas.setPhotoFolder(tmp.path());
        canvas.setSources([] { return true; }, [] { return QStringLiteral("KD-PA-G-AGT"); });
        canvas.grab();
        QCOMPARE(canvas.lastShown(), CanvasStove::Shown::Photo);
        QCOMPARE(canvas.lastRect(), drawn);
    }

    void decodeReduction_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("drawn");
        QTest::addColumn<int>("reduction");
        QTest::newRow("just above a half") << QSize(720, 1225) << QSize(361, 613) << 1;
        QTest::newRow("a half") << QSize(720, 1225) << QSize(360, 612) << 2;
        QTest::newRow("between a quarter and a half") << QSize(720, 1225) << QSize(300, 510) << 2;
        QTest::newRow("an eighth") << QSize(720, 1225) << QSize(90, 153) << 8;
        QTest::newRow("below an eighth") << QSize(720, 1225) << QSize(20, 34) << 8;
        QTest::newRow("enlarged") << QSize(100, 100) << QSize(362, 362) << 1;
        QTest::newRow("tiny photo") << QSize(3, 3) << QSize(1, 1) << 2;
        QTest::newRow("nothing drawn") << QSize(3, 3) << QSize(0, 0) << 2;
    }

    void decodeReduction()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, drawn);
        QFETCH(int, reduction);
        QCOMPARE(Kaminor::decodeReduction(picture, drawn), reduction);
    }

    void reducedDecodeDrawsTheWholePhoto()
    {
        // Left half red, right half blue: a photo decoded at a reduction still
        // fills the drawn rectangle, each half in its place.
        QTemporaryDir tmp;
        QImage img(805, 403, QImage::Format_RGB32);
        img.fill(QColor(220, 30, 30));
        QPainter(&img).fillRect(403, 0, 402, 403, QColor(30, 30, 220));
        QVERIFY(img.save(tmp.filePath(QStringLiteral("KD-PA-G-AGT.jpg")), "JPG", 95));
        CanvasStove canvas;
        canvas.setPhotoFolder(tmp.path());
        canvas.setSources([] { return true; }, [] { return QStringLiteral("KD-PA-G-AGT"); });
        for (const QSize size : {QSize(100, 80), QSize(150, 75), QSize(300, 300)}) {
            canvas.resize(size);
            const QImage painted = canvas.grab().toImage();
            QCOMPARE(canvas.lastShown(), CanvasStove::Shown::Photo);
            const QRect r = canvas.lastRect();
            QCOMPARE(r, stoveDrawRect(img.size(), size));
            const int y = r.center().y();
            for (const int x : {r.left() + 2, r.left() + r.width() / 2 - 3}) {
                QVERIFY2(qRed(painted.pixel(x, y)) > 180 && qBlue(painted.pixel(x, y)) < 80, qPrintable(QString::number(x)));
            }
            for (const int x : {r.left() + r.width() / 2 + 3, r.right() - 2}) {
                QVERIFY2(qBlue(painted.pixel(x, y)) > 180 && qRed(painted.pixel(x, y)) < 80, qPrintable(QString::number(x)));
            }
        }
    }

    void canvasChoosesPicture_data()
    {
        QTest::addColumn<bool>("initProg");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("shown");
        using S = CanvasStove::Shown;
        QTest::newRow("before start-up") << false << "KD-PA-G-AGT" << int(S::Nothing);
        QTest::newRow("photo") << true << "KD-PA-G-AGT" << int(S::Photo);
        QTest::newRow("no photo") << true << "KD-PA-N-AGT" << int(S::NoVisual);
        QTest::newRow("undecodable photo") << true << "KD-PA-G-AGR" << int(S::NoVisual);
        QTest::newRow("refused") << true << "# # # #" << int(S::NoStove);
        QTest::newRow("path in the reference") << true << "../KD-PA-G-AGT" << int(S::NoVisual);
    }

    void canvasChoosesPicture()
    {
        QFETCH(bool, initProg);
        QFETCH(QString, reference);
        QFETCH(int, shown);
        QTemporaryDir tmp;
        QDir().mkpath(tmp.filePath(QStringLiteral("photos")));
        QVERIFY(writeJpeg(tmp.filePath(QStringLiteral("photos/KD-PA-G-AGT.jpg")), QSize(200, 400)));
        QVERIFY(writeJpeg(tmp.filePath(QStringLiteral("KD-PA-G-AGT.jpg")), QSize(200, 400)));
        QFile junk(tmp.filePath(QStringLiteral("photos/KD-PA-G-AGR.jpg")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture at all");
        junk.close();

        const QImage backdrop(362, 616, QImage::Format_RGB32);
        CanvasStove canvas;
        canvas.resize(362, 616);
        canvas.setPlaceholders(CreatePict(backdrop, QStringLiteral("A")), CreatePict(backdrop, QStringLiteral("B")));
        canvas.setPhotoFolder(tmp.filePath(QStringLiteral("photos")));
        canvas.setSources([initProg] { return initProg; }, [reference] { return reference; });
        canvas.grab();
        QCOMPARE(int(canvas.lastShown()), shown);

        // A photo replaced on disk shows at the next paint.
        if (shown == int(CanvasStove::Shown::Photo)) {
            QVERIFY(writeJpeg(tmp.filePath(QStringLiteral("photos/KD-PA-G-AGT.jpg")), QSize(100, 100)));
            canvas.grab();
            QCOMPARE(canvas.lastRect(), QRect(0, 127, 362, 362));
            // Even one of the same size written at once, seen at another canvas size.
            QImage blue(100, 100, QImage::Format_RGB32);
            blue.fill(QColor(30, 60, 200));
            QVERIFY(blue.save(tmp.filePath(QStringLiteral("photos/KD-PA-G-AGT.jpg")), "JPG"));
            canvas.resize(300, 616);
            const QImage painted = canvas.grab().toImage();
            QCOMPARE(canvas.lastRect(), QRect(0, 158, 300, 300));
            QVERIFY(qBlue(painted.pixel(150, 308)) > 150);
        }
    }

    void placeholderTextIsCentred_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << QStringLiteral("Combinaison");
        QTest::newRow("two lines") << QStringLiteral("Combinaison\r  impossible");
    }

    void placeholderTextIsCentred()
    {
        QFETCH(QString, text);
        QImage backdrop(362, 616, QImage::Format_RGB32);
        backdrop.fill(Qt::black);
        const QImage pict = CreatePict(backdrop, text);
        QCOMPARE(pict.size(), backdrop.size());
        // The box around the white text sits in the middle.
        QRect box;
        for (int y = 0; y < pict.height(); ++y)
            for (int x = 0; x < pict.width(); ++x)
                if (qGray(pict.pixel(x, y)) > 128)
                    box |= QRect(x, y, 1, 1);
        QVERIFY(!box.isEmpty());
        QVERIFY2(qAbs(box.center().x() - 181) <= 6, qPrintable(QString::number(box.center().x())));
        QVERIFY2(qAbs(box.center().y() - 308) <= 12, qPrintable(QString::number(box.center().y())));
    }

    void menusFollowDrapMenu()
    {
        App* app = App::instance();
        Fncts::DrapMenu = false;
        app->Event_EnableMenuItems();
        for (const char* name : {"AppleApropos", "AppleVMaJ", "FichierPrefs", "FichierFermer", "AideAide"})
            QVERIFY(!app->menuItem(QLatin1String(name))->isEnabled());
        QVERIFY(app->menuItem(QStringLiteral("FichierQuitter"))->isEnabled());
        QCOMPARE(app->menuItem(QStringLiteral("FichierQuitter"))->menuRole(), QAction::QuitRole);
        QCOMPARE(app->menuItem(QStringLiteral("FichierPrefs"))->menuRole(), QAction::PreferencesRole);
        QCOMPARE(app->menuItem(QStringLiteral("AppleApropos"))->menuRole(), QAction::AboutRole);
        QCOMPARE(app->menuItem(QStringLiteral("FichierFermer"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
        Fncts::DrapMenu = true;
        app->Event_EnableMenuItems();
        QVERIFY(app->menuItem(QStringLiteral("AideAide"))->isEnabled());
    }

    void editItemsWorkOnTheFocusedField()
    {
        QLineEdit field;
        field.setText(QStringLiteral("poêle"));
        field.show();
        field.activateWindow();
        field.setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), &field);
        App::instance()->menuItem(QStringLiteral("EditSelectAll"))->trigger();
        QCOMPARE(field.selectedText(), QStringLiteral("poêle"));
        App::instance()->menuItem(QStringLiteral("EditCut"))->trigger();
        QCOMPARE(field.text(), QString());
        App::instance()->menuItem(QStringLiteral("EditPaste"))->trigger();
        QCOMPARE(field.text(), QStringLiteral("poêle"));
    }

    // The reference field is read-only. When it has the focus (a refusal that
    // disables the focused button passes the focus on and selects the field's
    // text), Ctrl+X and Ctrl+V, which a read-only field does not take, reach the
    // edit items; they must not change it.
    void editItemsLeaveTheReferenceAlone_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("item");
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << QString();
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << QString();
        QTest::newRow("cut item") << 0 << QStringLiteral("EditCut");
        QTest::newRow("paste item") << 0 << QStringLiteral("EditPaste");
        QTest::newRow("clear item") << 0 << QStringLiteral("EditClear");
    }

    void editItemsLeaveTheReferenceAlone()
    {
        QFETCH(int, key);
        QFETCH(QString, item);
        WindowFixture s;
        auto w = s.makeWindow();
        QVERIFY(w->Event_Open());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        w->TextFieldRef->setFocus();
        w->TextFieldRef->selectAll();
        if (key)
            QTest::keyClick(w->windowHandle(), Qt::Key(key), Qt::ControlModifier);
        else
            App::instance()->menuItem(item)->trigger();
        QCOMPARE(w->TextFieldRef->text(), QStringLiteral("KD-PA-G-AGT"));
        // Copying still works.
        QTest::keyClick(w->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("KD-PA-G-AGT"));
    }
};

int main(int argc, char* argv[])
{
    App app(argc, argv);
    TestWinMain test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_winmain.moc"
