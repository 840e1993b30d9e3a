// The main window's help tags: shown after every start, then hidden and
// restored by the help-tag preference.
#include "WindowFixture.h"
#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "text/Localisation.h"
#include "ui/WinMain.h"

#include <QDir>
#include <QHash>
#include <QTest>

#include <memory>

using namespace Kaminor;
using namespace KaminorTest;

namespace {

// The help texts the window is built with, by control name; all others are empty.
QHash<QString, QString> designTags()
{
    namespace T = Localisation;
    return {{"RdButtBody0", T::RdBtnBody_KDd()},      {"RdButtBody1", T::RdBtnBody_TSd()},
            {"RdButtBody2", T::RdBtnBody_OVd()},      {"RdButtBody3", T::RdBtnBody_ZTd()},
            {"RdButtBody4", T::RdBtnBody_HDd()},      {"PushButtInfoCde", T::Btns_Contact_HT()},
            {"PushButtSendMail", T::Btns_Contact_HT()}, {"PushButtOuvComp", T::Btn_OuvComp_HT()}};
}

// The controls whose help tag differs from what `shown` expects, by name.
QStringList wrongTags(const WinMain& w, bool shown)
{
    const QHash<QString, QString> design = designTags();
    QStringList wrong;
    for (const QWidget* c : w.content()->findChildren<QWidget*>())
        if (c->toolTip() != (shown ? design.value(c->objectName()) : QString()))
            wrong << c->objectName() + QStringLiteral(": ") + c->toolTip();
    return wrong;
}

} // namespace

class TestHelpTags : public QObject {
    Q_OBJECT

    Fncts::RecordingSink sink;

private slots:
    void initTestCase()
    {
        Fncts::setFeedbackSink(&sink);
        Fncts::setResourcesFolder(QDir::tempPath() + QStringLiteral("/kaminor-no-resources"));
    }

    // atStart: the stored preference. changes: the values the preferences
    // window stores, one call each. shown: 'S' or 'H' after the start and after
    // each call.
    void states_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("on at start, off, on, off") << true << "010" << "SHSH";
        // The start leaves the tags alone; the first call remembers them as they are.
        QTest::newRow("off at start, on, off, on") << false << "101" << "SSHS";
    }
    void states()
    {
        QFETCH(bool, atStart);
        QFETCH(QString, changes);
        QFETCH(QString, shown);

        const WindowFixture s({.comparator = false});
        QVERIFY(s.ready());
        Prefs stored;
        stored.AffHelpTag = atStart;
        QVERIFY(s.saveReturningUser(stored, Selection()));

        Prefs& prefs = App::instance()->prefs;
        prefs = Prefs();
        Fncts::DrapMenu = false;
        WinMain w(*App::instance());
        w.setFolders(s.folders);
        w.setScreenSize(QSize(1920, 1200));
        QVERIFY(w.Event_Open());
        QCOMPARE(prefs.AffHelpTag, atStart);
        // Every control of the window takes part, group members included.
        QCOMPARE(w.helpTagControls().size(), w.content()->findChildren<QWidget*>().size());

        QStringList wrong = wrongTags(w, shown.at(0) == u'S');
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
        for (qsizetype i = 0; i < changes.size(); ++i) {
            prefs.AffHelpTag = changes.at(i) == u'1';
            w.AffMasqHelpTag(QString(), QString());
            wrong = wrongTags(w, shown.at(i + 1) == u'S');
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("after call %1: ").arg(i + 1) + wrong.join(u", ")));
        }
        QVERIFY(sink.messages.isEmpty());
    }
};

int main(int argc, char* argv[])
{
    App app(argc, argv);
    TestHelpTags test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_helptags.moc"
