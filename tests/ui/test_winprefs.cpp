#include "core/FnctsState.h"
#include "core/Selection.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/WinPrefs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Kaminor::Prefs;
using Kaminor::WinPrefs;

namespace {

class FakeHost : public Kaminor::PrefsWindowHost {
public:
    QStringList calls;
    void AffMasqHelpTag(const QString&, const QString&) override { calls << QStringLiteral("AffMasqHelpTag"); }
    void ModePartPro() override { calls << QStringLiteral("ModePartPro"); }
    void GenerateRemembered() override { calls << QStringLiteral("Generate"); }
};

QString dec(const QString& withPoint)
{
    return QString(withPoint).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

Prefs record(const QString& password, bool locked)
{
    Prefs p;
    p.PasswPrix = password;
    p.DrapAffPrices = Kaminor::pricePasswordOk(password);
    p.LockPrefs = locked;
    p.MyDetails = QStringLiteral("Poêles Martin\n12 rue Haute");
    return p;
}

} // namespace

class TestWinPrefs : public QObject {
    Q_OBJECT

private:
    Fncts::RecordingSink m_sink;
    FakeHost m_host;
    QStringList m_messages;
    Prefs m_prefs;
    std::unique_ptr<WinPrefs> m_win;

    WinPrefs& open(const Prefs& prefs)
    {
        m_prefs = prefs;
        m_win = std::make_unique<WinPrefs>(m_prefs, &m_host);
        m_win->setDialog([this](const QString& message, const QString&, const QString& action, const QString&,
                                const QString&, qint16) {
            m_messages << message;
            return qint16(action == QLatin1String("Ok") ? 1 : 0);
        });
        m_win->show();
        return *m_win;
    }

    // One keystroke at a time, as a user types.
    static void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClicks(field, text);
    }

private slots:
    void init()
    {
        m_sink = {};
        Fncts::setFeedbackSink(&m_sink);
        m_host.calls.clear();
        m_messages.clear();
        Fncts::DrapMenu = true;
    }
    void cleanup()
    {
        m_win.reset();
        Fncts::setFeedbackSink(nullptr);
    }

    void layout()
    {
        WinPrefs& w = open(Prefs());
        QCOMPARE(w.size(), QSize(430, 398));
        QCOMPARE(w.EdFieldPassword()->geometry(), QRect(316, 141, 94, 22));
        QCOMPARE(w.TxtAreaMyDetails()->geometry(), QRect(20, 262, 390, 84));
        QCOMPARE(w.PushButtOk()->geometry(), QRect(341, 358, 69, 20));
        QVERIFY(w.PushButtOk()->isDefault());
        QCOMPARE(w.EdFieldPassword()->echoMode(), QLineEdit::Password);
        QVERIFY(!w.CheckBoxLockPrefs()->toolTip().isEmpty());
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("CheckBoxEncodWin")));
    }

    void openingStates_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("placeholder");
        QTest::addColumn<bool>("switches");
        QTest::addColumn<bool>("dealer");
        QTest::newRow("first run: prices hidden") << QString() << false << false << true << false;
        QTest::newRow("unlocked") << QStringLiteral("Ortolan") << false << false << true << true;
        QTest::newRow("locked") << QStringLiteral("ortolan") << true << true << false << false;
        QTest::newRow("lock without the password") << QStringLiteral("x") << true << true << true << false;
    }
    void openingStates()
    {
        QFETCH(QString, password);
        QFETCH(bool, locked);
        QFETCH(bool, placeholder);
        QFETCH(bool, switches);
        QFETCH(bool, dealer);
        WinPrefs& w = open(record(password, locked));
        QVERIFY(!Fncts::DrapMenu);
        QVERIFY(w.InitWinPref());
        QCOMPARE(w.EdFieldPassword()->text(), placeholder ? QStringLiteral("… … … …") : password);
        QVERIFY(w.EdFieldPassword()->isEnabled());
        QCOMPARE(w.CheckBoxAutoUpdt()->isEnabled(), switches);
        QCOMPARE(w.TxtAreaMyDetails()->isEnabled(), switches);
        QCOMPARE(w.PushButtOk()->isEnabled(), switches);
        QVERIFY(w.PushButtAnnuler()->isEnabled());
        QCOMPARE(w.EdFieldCoeffPrix()->isEnabled(), dealer);
        QCOMPARE(w.EdFieldCoeffPrix()->echoMode(), dealer ? QLineEdit::Normal : QLineEdit::Password);
        QCOMPARE(w.CheckBoxLockPrefs()->isEnabled(), dealer);
        QCOMPARE(w.EdFieldCoeffPrix()->text(), dec(QStringLiteral("1.0")));
        // Filling the fields at opening is not typing: nothing was cleaned or unlocked.
        QCOMPARE(m_sink.beeps, 0);
    }

    void typingPasswordUnlocksAndOkStoresIt()
    {
        WinPrefs& w = open(record(QString(), false));
        type(w.EdFieldPassword(), QStringLiteral("ORTOLAN"));
        QVERIFY(w.MemDrapAffPr());
        QVERIFY(w.EdFieldCoeffPrix()->isEnabled());
        QVERIFY(w.CheckBoxLockPrefs()->isChecked());
        w.EdFieldCoeffPrix()->setText(dec(QStringLiteral("1.25")));
        QTest::mouseClick(w.PushButtOk(), Qt::LeftButton);

        QVERIFY(!w.isVisible());
        QCOMPARE(m_prefs.PasswPrix, QStringLiteral("ORTOLAN"));
        QVERIFY(m_prefs.DrapAffPrices);
        QVERIFY(m_prefs.LockPrefs);
        QCOMPARE(m_prefs.CoeffPrix, 1.25);
        QCOMPARE(m_prefs.MyDetails, QStringLiteral("Poêles Martin\n12 rue Haute"));
        QCOMPARE(m_host.calls, (QStringList{QStringLiteral("ModePartPro"), QStringLiteral("Generate")}));
        QVERIFY(m_messages.isEmpty());
        QVERIFY(Fncts::DrapMenu);
    }

    void okRunsItsStepsInOrder()
    {
        WinPrefs& w = open(record(QStringLiteral("ortolan"), false));
        w.CheckBoxAffHlpTg()->click();
        w.CheckBoxSfx()->click();
        w.CheckBoxLockPrefs()->setChecked(true);
        w.PushButtOk_Action();
        QCOMPARE(m_host.calls, (QStringList{QStringLiteral("AffMasqHelpTag"), QStringLiteral("ModePartPro"),
                                            QStringLiteral("Generate")}));
        QCOMPARE(m_prefs.AffHelpTag, !Prefs().AffHelpTag);
        QCOMPARE(m_prefs.Sfx, !Prefs().Sfx);
        QVERIFY(m_prefs.LockPrefs);
    }

    void untickedLockLeavesPrefsUnlocked()
    {
        WinPrefs& w = open(record(QString(), false));
        type(w.EdFieldPassword(), QStringLiteral("ortolan"));
        w.CheckBoxLockPrefs()->setChecked(false);
        w.PushButtOk_Action();
        QVERIFY(!m_prefs.LockPrefs);
        QVERIFY(m_prefs.DrapAffPrices);
    }

    void leavingThePasswordKeepsControlsButTurnsPricesOff()
    {
        WinPrefs& w = open(record(QStringLiteral("ortolan"), false));
        w.CheckBoxLockPrefs()->setChecked(true);
        type(w.EdFieldPassword(), QStringLiteral("x"));
        QVERIFY(!w.MemDrapAffPr());
        QVERIFY(w.EdFieldCoeffPrix()->isEnabled());
        w.EdFieldCoeffPrix()->setText(dec(QStringLiteral("2.5")));
        w.PushButtOk_Action();
        QCOMPARE(m_prefs.PasswPrix, QStringLiteral("ortolanx"));
        QVERIFY(!m_prefs.DrapAffPrices);
        QVERIFY(!m_prefs.LockPrefs);
        QCOMPARE(m_prefs.CoeffPrix, 2.5);
    }

    void lockedWindowUnlocksOnlyOnChangeOfValidity()
    {
        {
            WinPrefs& w = open(record(QStringLiteral("ortolan"), true));
            w.EdFieldPassword()->selectAll();
            type(w.EdFieldPassword(), QStringLiteral("ortolan"));
            QVERIFY(w.PushButtOk()->isEnabled());
            QVERIFY(w.EdFieldCoeffPrix()->isEnabled());
        }
        {
            WinPrefs& w = open(record(QStringLiteral("ortolan"), true));
            w.EdFieldPassword()->selectAll();
            w.EdFieldPassword()->insert(QStringLiteral("ortolan")); // pasted in one edit
            QVERIFY(w.MemDrapAffPr());
            QVERIFY(!w.PushButtOk()->isEnabled());
            QVERIFY(!w.EdFieldCoeffPrix()->isEnabled());
        }
    }

    void cancelChangesNothing()
    {
        const Prefs before = record(QStringLiteral("ortolan"), false);
        WinPrefs& w = open(before);
        w.CheckBoxSfx()->click();
        w.EdFieldPassword()->setText(QStringLiteral("other"));
        w.EdFieldCoeffPrix()->setText(QStringLiteral("5"));
        QTest::mouseClick(w.PushButtAnnuler(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(m_prefs.Sfx, before.Sfx);
        QCOMPARE(m_prefs.PasswPrix, before.PasswPrix);
        QCOMPARE(m_prefs.CoeffPrix, before.CoeffPrix);
        QVERIFY(m_host.calls.isEmpty());
        QVERIFY(Fncts::DrapMenu);
    }

    void otherClosesAreRefused()
    {
        Fncts::DrapMenu = false; // kept and put back as it was found
        WinPrefs& w = open(record(QString(), false));
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(m_sink.beeps, 1);
        QTest::keyClick(&w, Qt::Key_Escape); // the cancel key answers Cancel
        QVERIFY(!w.isVisible());
        QVERIFY(!Fncts::DrapMenu);
    }

    void dealerSettingsSurviveARestart()
    {
        WinPrefs& w = open(Prefs());
        type(w.EdFieldPassword(), QStringLiteral("ortolan"));
        w.EdFieldCoeffPrix()->clear();
        type(w.EdFieldCoeffPrix(), dec(QStringLiteral("1.25")));
        QVERIFY(w.CheckBoxLockPrefs()->isChecked());
        QTest::mouseClick(w.PushButtOk(), Qt::LeftButton);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const Kaminor::Selection selection = Kaminor::firstRunSelection();
        QVERIFY(Kaminor::PrefsSauver(m_prefs, folder.path(), Kaminor::WinMainDefaultBounds, selection));
        Prefs loaded;
        QRect bounds;
        Kaminor::Selection read;
        QVERIFY(!Kaminor::PrefsCharger(loaded, folder.path(), bounds, read, QSize(1920, 1080)));
        loaded.DrapAffPrices = Kaminor::pricePasswordOk(loaded.PasswPrix);

        WinPrefs& again = open(loaded);
        QCOMPARE(again.EdFieldPassword()->text(), WinPrefs::passwordPlaceholder());
        QVERIFY(!again.PushButtOk()->isEnabled());
        QVERIFY(!again.EdFieldCoeffPrix()->isEnabled());
        QCOMPARE(loaded.CoeffPrix, 1.25);
    }

    void cleaning_data()
    {
        QTest::addColumn<bool>("password");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("password: line break") << true << QStringLiteral("ab\r\ncd") << QStringLiteral("abcd");
        QTest::newRow("password: tab and NUL") << true << QStringLiteral("a\tb") + QChar(0) << QStringLiteral("ab");
        QTest::newRow("details: tab") << false << QStringLiteral("a\tb") << QStringLiteral("a b");
        QTest::newRow("details: NUL") << false << QStringLiteral("a") + QChar(0) + QStringLiteral("b")
                                      << QStringLiteral("ab");
    }
    void cleaning()
    {
        QFETCH(bool, password);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        WinPrefs& w = open(record(QString(), false));
        if (password) {
            w.EdFieldPassword()->clear();
            w.EdFieldPassword()->insert(typed);
            QCOMPARE(w.EdFieldPassword()->text(), kept);
        } else {
            w.TxtAreaMyDetails()->clear();
            w.TxtAreaMyDetails()->insertPlainText(typed);
            QCOMPARE(w.TxtAreaMyDetails()->toPlainText(), kept);
        }
        QCOMPARE(m_sink.beeps, 1);
    }

    void coefficient_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QString() << 0.000001 << QStringLiteral("0.000001");
        QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0") << 0.000001 << QStringLiteral("0.000001");
        QTest::newRow("four digits stop at three") << QStringLiteral("1234") << QStringLiteral("123") << 123.0
                                                   << QString();
        QTest::newRow("999 and a fraction") << QStringLiteral("999,5") << QStringLiteral("999,5") << 999.0
                                            << QStringLiteral("999.0");
        QTest::newRow("comma") << QStringLiteral("1,25") << QStringLiteral("1,25") << 1.25 << QString();
        QTest::newRow("point") << QStringLiteral("1.25") << QStringLiteral("1.25") << 1.25 << QString();
        QTest::newRow("seven decimals stop at six") << QStringLiteral("0.0000019") << QStringLiteral("0.000001")
                                                    << 0.000001 << QString();
    }
    void coefficient()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        QFETCH(QString, message);
        WinPrefs& w = open(record(QStringLiteral("ortolan"), false));
        w.EdFieldCoeffPrix()->clear();
        type(w.EdFieldCoeffPrix(), typed);
        QCOMPARE(w.EdFieldCoeffPrix()->text(), shown);
        QTest::mouseClick(w.PushButtOk(), Qt::LeftButton);
        QVERIFY(!w.isVisible()); // closes after the message
        QCOMPARE(m_prefs.CoeffPrix, stored);
        if (message.isEmpty()) {
            QVERIFY(m_messages.isEmpty());
            QCOMPARE(m_sink.beeps, 0);
        } else {
            QCOMPARE(m_messages, QStringList{QStringLiteral("Le coefficient de prix a été corrigé.") + Fncts::EOL() +
                                             QStringLiteral("Nouvelle valeur : ") +
                                             dec(message)});
            QCOMPARE(m_sink.beeps, 1);
        }
    }
};

QTEST_MAIN(TestWinPrefs)
#include "test_winprefs.moc"
