// Random clicks on the real main window: option and rate buttons, the contact and
// comparator buttons, the text fields, the editing shortcuts and the menu
// commands, with random pauses, some of them inside the half second of a
// refused combination. Whenever the window has settled it must show the
// remembered selection, which the rules accept, with its reference and prices,
// and every control must accept input again.
//
// KAMINOR_MONKEY_SEED and KAMINOR_MONKEY_CLICKS change the seed and the number
// of clicks; a failure prints the seed, the step and the last actions.
#include "MailDecode.h"
#include "UrlCatcher.h"
#include "WindowFixture.h"
#include "app/App.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "core/Prices.h"
#include "core/Rules.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/ContactMail.h"
#include "ui/WinInfos.h"
#include "ui/WinMain.h"
#include "ui/WinPrefs.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Kaminor;
using namespace KaminorTest;

namespace {

constexpr quint32 DefaultSeed = 20240611;
constexpr int DefaultClicks = 10000;
// One click in this many may be refused: a refusal holds the window for half a
// second, so the refusals set the test's length. Past the allowance the monkey
// picks a button the rules accept.
constexpr int ClicksPerRefusal = 150;

const char* const CommandItems[] = {"AppleApropos", "AppleVMaJ", "FichierPrefs", "FichierFermer", "AideAide"};

const QString Hold = QStringLiteral("# # # #");

constexpr int ButtonCount = [] {
    int n = 0;
    for (int size : GroupSizes)
        n += size;
    return n;
}();

// A dealer's window: a "Contents" folder with two small photos and the
// comparator page, and a preferences file with the price password, a
// coefficient and the automatic update check off.
WindowFolders dealerFolders()
{
    return {.comparatorPage = true,
            .photosToWrite = {QStringLiteral("KD-PA-G-AGT"), QStringLiteral("TS-PV-N-PGN-DPGN-TPGN-BV")}};
}

Prefs dealerPrefs()
{
    Prefs p;
    p.PasswPrix = QStringLiteral("ortolan");
    p.CoeffPrix = 1.25;
    p.AutoCheckUpdt = false;
    p.AffHelpTag = true;
    return p;
}

// A click through the window system, as the platform would deliver it: the
// window's hit test, its modality and the widget's enabled state all apply.
void clickOn(QWidget* target, QPoint local)
{
    QWidget* top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, target->mapTo(top, local));
}

void clickOn(QWidget* target)
{
    clickOn(target, target->rect().center());
}

// A radio button is clicked on its mark.
void clickRadioMark(QAbstractButton* b)
{
    clickOn(b, QPoint(8, b->height() / 2));
}

QString describe(const Selection& s)
{
    QStringList parts;
    for (int g = 0; g < GroupCount; ++g)
        parts << QString::number(s.index(static_cast<Group>(g)));
    return QStringLiteral("(") + parts.join(QLatin1Char(',')) + QStringLiteral(")");
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

    Fncts::RecordingSink sink;
    UrlCatcher catcher;
    std::unique_ptr<WindowFixture> setup;
    std::unique_ptr<WinMain> w;
    QRandomGenerator rng;
    quint32 seed = DefaultSeed;
    int clicks = DefaultClicks;
    int step = 0;
    QStringList lastActions;

    // What the modal windows are answered with.
    QTimer modalHand;
    bool prefsToggleHelp = false;
    bool prefsClickBehind = false;
    int prefsFinish = 0; // 0 OK, 1 Cancel, 2 Escape
    QString prefsCoeff;  // typed into the coefficient field unless empty
    int modalsAnswered = 0;

    // Figures for the summary.
    int optionClicks = 0;
    int refusalClicks = 0;
    int refusals = 0; // refusals the monkey asked for
    int reverts = 0;  // refusals that ended, the ones met during other refusals included
    int waitedOut = 0;
    int menuCommands = 0;
    int closeAttempts = 0;

    void note(const QString& action)
    {
        lastActions << QString::number(step) + QStringLiteral(": ") + action;
        if (lastActions.size() > 12)
            lastActions.removeFirst();
    }

    QString where(const QString& problem) const
    {
        return QStringLiteral("%1\nseed %2 (KAMINOR_MONKEY_SEED=%2), step %3 of %4, remembered %5\nlast actions:\n  %6")
            .arg(problem)
            .arg(seed)
            .arg(step)
            .arg(clicks)
            .arg(describe(w->configurator().remembered()), lastActions.join(QStringLiteral("\n  ")));
    }

    bool refusalShown() const { return w->TimerMemIDE->isActive(); }

    QList<QAbstractButton*> pushButtons() const
    {
        return {w->PushButtInfoCde, w->PushButtSendMail, w->PushButtOuvComp};
    }

    // Every option and push button and the command items enabled or disabled; empty when so.
    QString controlsEnabledProblem(bool enabled) const
    {
        QStringList wrong;
        for (int g = 0; g < GroupCount; ++g)
            for (QAbstractButton* b : w->radioGroup(static_cast<Group>(g))->buttons())
                if (b->isEnabled() != enabled)
                    wrong << b->objectName();
        for (QAbstractButton* b : pushButtons())
            if (b->isEnabled() != enabled)
                wrong << b->objectName();
        for (const char* name : CommandItems)
            if (App::instance()->menuItem(QLatin1String(name))->isEnabled() != enabled)
                wrong << QLatin1String(name);
        if (wrong.isEmpty())
            return QString();
        return (enabled ? QStringLiteral("left disabled: ") : QStringLiteral("left enabled: ")) + wrong.join(u' ');
    }

    // The window at rest; empty when everything agrees.
    QString settledProblem() const
    {
        QStringList p;
        const Configurator& config = w->configurator();
        const Selection m = config.remembered();
        if (!Fncts::DrapMenu)
            p << QStringLiteral("DrapMenu is false");
        if (config.state() != Configurator::State::Ready)
            p << QStringLiteral("configurator not ready");
        if (QApplication::activeModalWidget())
            p << QStringLiteral("a modal window is still open");
        for (int g = 0; g < GroupCount; ++g) {
            const Group group = static_cast<Group>(g);
            if (m.index(group) < 0 || m.index(group) >= groupSize(group))
                p << QStringLiteral("index out of range in ") + buttonArrayName(group);
            else if (w->radioGroup(group)->checkedId() != m.index(group))
                p << buttonArrayName(group) + QStringLiteral(" shows button %1").arg(w->radioGroup(group)->checkedId());
        }
        const Evaluation ev = evaluate(m, m);
        if (!ev.accepted)
            p << QStringLiteral("remembered selection refused by the rules");
        if (w->TextFieldRef->text() != ev.reference)
            p << QStringLiteral("reference \"%1\", rules give \"%2\"").arg(w->TextFieldRef->text(), ev.reference);
        const Amounts a = computeAmounts(ev.pieces, App::instance()->prefs.CoeffPrix, tvaRate(m.tva),
                                         credImpRate(m.credImp));
        const struct {
            const QLineEdit* field;
            double amount;
        } prices[] = {{w->TextFieldPriHT, a.priHT},
                      {w->TextFieldPriTTC, a.priTTC},
                      {w->TextFieldCredImp, a.credImp},
                      {w->TextFieldCoutFin, a.coutFin}};
        for (const auto& price : prices)
            if (price.field->text() != formatAmount(price.amount))
                p << QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                         .arg(price.field->objectName(), price.field->text(), formatAmount(price.amount));
        if (!w->GroupBoxPrices->isVisibleTo(w.get()))
            p << QStringLiteral("prices hidden");
        const QString problem = controlsEnabledProblem(true);
        if (!problem.isEmpty())
            p << problem;
        if (w->radioButton(Group::Body, 0)->toolTip().isEmpty() == App::instance()->prefs.AffHelpTag)
            p << QStringLiteral("help tags do not follow the setting");
        if (!sink.messages.isEmpty())
            p << QStringLiteral("error report: ") + sink.messages.join(QStringLiteral(" | "));
        return p.join(QStringLiteral("; "));
    }

    // A refused combination on show; `kept` is the selection it returns to.
    QString refusalProblem(const Selection& kept) const
    {
        QStringList p;
        if (Fncts::DrapMenu)
            p << QStringLiteral("DrapMenu is true during a refusal");
        if (w->configurator().state() != Configurator::State::ShowingRefusal)
            p << QStringLiteral("configurator not showing the refusal");
        if (w->configurator().remembered() != kept)
            p << QStringLiteral("remembered selection changed during a refusal");
        for (const QLineEdit* f : {w->TextFieldRef, w->TextFieldPriHT, w->TextFieldPriTTC, w->TextFieldCredImp,
                                   w->TextFieldCoutFin})
            if (f->text() != Hold)
                p << f->objectName() + QStringLiteral(" shows \"") + f->text() + QLatin1Char('"');
        const QString problem = controlsEnabledProblem(false);
        if (!problem.isEmpty())
            p << problem;
        return p.join(QStringLiteral("; "));
    }

    // Waits until the refusal has ended, at most a few seconds.
    void settle()
    {
        QElapsedTimer t;
        t.start();
        while (refusalShown() && t.elapsed() < 3000)
            QTest::qWait(qMax(1, w->TimerMemIDE->remainingTime()));
    }

    void randomPause(bool duringRefusal)
    {
        const quint32 r = rng.bounded(100u);
        if (r < 88)
            return;
        if (r < 95 || !duringRefusal)
            QTest::qWait(int(1 + rng.bounded(3u)));
        else
            QTest::qWait(int(rng.bounded(520u))); // anywhere in the half second, or just past it
    }

    void clickRadio(Group g, int index)
    {
        QRadioButton* b = w->radioButton(g, index);
        note(QStringLiteral("click ") + b->objectName());
        clickRadioMark(b);
    }

    // A random option or rate button. Outside a refusal, one that would be
    // refused is taken only while the refusal allowance lasts.
    void randomOptionClick(bool duringRefusal)
    {
        const Selection before = w->configurator().remembered();
        const int allowed = 1 + step / ClicksPerRefusal;
        Group g = Group::Body;
        int index = 0;
        bool accepted = true;
        Evaluation ev;
        for (int tries = 0; tries < 40; ++tries) {
            int n = int(rng.bounded(quint32(ButtonCount)));
            int k = 0;
            while (n >= GroupSizes[k])
                n -= GroupSizes[k++];
            g = static_cast<Group>(k);
            index = n;
            Selection wanted = before;
            wanted.setIndex(g, qint16(index));
            ev = evaluate(before, wanted);
            accepted = g == Group::TVA || g == Group::CredImp || ev.accepted;
            if (accepted || duringRefusal || refusals < allowed)
                break;
        }
        if (!accepted && !duringRefusal && refusals >= allowed) {
            // Still refused: the checked button of the group, which changes nothing.
            index = before.index(g);
            accepted = true;
            ev = evaluate(before, before);
        }
        ++optionClicks;
        clickRadio(g, index);
        if (duringRefusal)
            return;

        // The window decides as the rules do.
        if (!accepted) {
            QVERIFY2(refusalShown(), qPrintable(where(QStringLiteral("a refused combination was not refused"))));
            return;
        }
        QVERIFY2(!refusalShown(), qPrintable(where(QStringLiteral("an accepted combination was refused"))));
        Selection expected = before;
        if (g == Group::TVA || g == Group::CredImp) {
            expected.setIndex(g, qint16(index));
        } else {
            for (int k = 0; k < StoveGroupCount; ++k)
                expected.setIndex(static_cast<Group>(k), ev.adjusted.index(static_cast<Group>(k)));
        }
        QVERIFY2(w->configurator().remembered() == expected,
                 qPrintable(where(QStringLiteral("remembered %1, the rules give %2")
                                      .arg(describe(w->configurator().remembered()), describe(expected)))));
    }

    void clickPushButton()
    {
        QAbstractButton* b = pushButtons().at(int(rng.bounded(3u)));
        note(QStringLiteral("click ") + b->objectName());
        const qsizetype opened = catcher.urls.size();
        const bool enabled = b->isEnabled();
        clickOn(b);
        if (!enabled) {
            QVERIFY2(catcher.urls.size() == opened, qPrintable(where(QStringLiteral("a disabled button opened an address"))));
            return;
        }
        QVERIFY2(catcher.urls.size() == opened + 1, qPrintable(where(QStringLiteral("no address opened"))));
        const QUrl url = catcher.urls.takeLast();
        if (url.scheme() == u"mailto") {
            const Selection m = w->configurator().remembered();
            const QString photo = PhotoAddress(evaluate(m, m).reference);
            const DecodedMail mail = decodeMailTo(url.toEncoded(), App::instance()->prefs.EncodWin);
            QVERIFY2(mail.body.contains(photo), qPrintable(where(QStringLiteral("the mail does not name ") + photo)));
        }
    }

    void clickTextField()
    {
        QLineEdit* const fields[] = {w->TextFieldRef, w->TextFieldPriTTC, w->TextFieldCoutFin};
        QLineEdit* f = fields[rng.bounded(3u)];
        note(QStringLiteral("click ") + f->objectName());
        clickOn(f, QPoint(int(1 + rng.bounded(quint32(f->width() - 2))), f->height() / 2));
    }

    void editShortcut()
    {
        const struct {
            Qt::Key key;
            const char* name;
        } keys[] = {{Qt::Key_A, "Ctrl+A"}, {Qt::Key_C, "Ctrl+C"}, {Qt::Key_X, "Ctrl+X"}, {Qt::Key_V, "Ctrl+V"}};
        const auto& k = keys[rng.bounded(4u)];
        if (QApplication::activeWindow() != w.get()) {
            w->activateWindow();
            (void)QTest::qWaitForWindowActive(w.get(), 200);
        }
        const QWidget* focus = QApplication::focusWidget();
        note(QLatin1String(k.name) + QStringLiteral(" on ") + (focus ? focus->objectName() : QStringLiteral("nothing")));
        QTest::keyClick(w->windowHandle(), k.key, Qt::ControlModifier);
    }

    // A menu command that opens nothing, or the preferences, help or about window.
    void menuCommand()
    {
        ++menuCommands;
        const quint32 r = rng.bounded(100u);
        QString item;
        if (r < 40) {
            item = QStringLiteral("EditSelectAll");
        } else if (r < 55) {
            item = QStringLiteral("EditCopy");
        } else if (r < 65) {
            item = QStringLiteral("EditClear");
        } else if (r < 85) {
            item = QStringLiteral("FichierPrefs");
            prefsToggleHelp = rng.bounded(2u) == 0;
            prefsClickBehind = rng.bounded(3u) == 0;
            prefsFinish = int(rng.bounded(3u));
            // Now and then a new coefficient; "0" is raised to the least one, with a message.
            const char* const coefficients[] = {"1,25", "0,8", "2.5", "999", "0"};
            prefsCoeff = rng.bounded(4u) == 0 ? QLatin1String(coefficients[rng.bounded(5u)]) : QString();
        } else if (r < 93) {
            item = QStringLiteral("AideAide");
        } else {
            item = QStringLiteral("AppleApropos");
        }
        QAction* a = App::instance()->menuItem(item);
        note(QStringLiteral("menu ") + item + (a->isEnabled() ? QString() : QStringLiteral(" (disabled)"))
             + (item == u"FichierPrefs" && !prefsCoeff.isEmpty() ? QStringLiteral(", coefficient ") + prefsCoeff
                                                                  : QString()));
        const Selection before = w->configurator().remembered();
        const QString ref = w->TextFieldRef->text();
        const bool helpTags = App::instance()->prefs.AffHelpTag;
        const double coefficient = App::instance()->prefs.CoeffPrix;
        const bool enabled = a->isEnabled();
        const int answered = modalsAnswered;
        a->trigger();
        QVERIFY2(!QApplication::activeModalWidget(), qPrintable(where(QStringLiteral("a modal window stayed open"))));
        const bool opensWindow = item == u"FichierPrefs" || item == u"AideAide" || item == u"AppleApropos";
        if (!opensWindow)
            return;
        if (!enabled) {
            QVERIFY2(modalsAnswered == answered, qPrintable(where(QStringLiteral("a disabled item opened a window"))));
            return;
        }
        QVERIFY2(modalsAnswered > answered, qPrintable(where(QStringLiteral("no window opened"))));
        QVERIFY2(w->configurator().remembered() == before && w->TextFieldRef->text() == ref,
                 qPrintable(where(QStringLiteral("the selection changed behind a modal window"))));
        if (item == u"FichierPrefs") {
            const bool toggled = prefsFinish == 0 && prefsToggleHelp;
            QVERIFY2(App::instance()->prefs.AffHelpTag == (toggled ? !helpTags : helpTags),
                     qPrintable(where(QStringLiteral("help-tag setting not as chosen"))));
            double typed = coefficient;
            if (prefsFinish == 0 && !prefsCoeff.isEmpty())
                QVERIFY(coeffFromText(prefsCoeff, typed));
            const double expected = qBound(CoeffPrixMin, typed, CoeffPrixMax);
            QVERIFY2(App::instance()->prefs.CoeffPrix == expected,
                     qPrintable(where(QStringLiteral("coefficient %1, expected %2")
                                          .arg(App::instance()->prefs.CoeffPrix)
                                          .arg(expected))));
        }
    }

    // Answers the preferences and about windows from inside their modal loops.
    void answerModal()
    {
        QWidget* m = QApplication::activeModalWidget();
        if (auto* prefs = qobject_cast<WinPrefs*>(m)) {
            ++modalsAnswered;
            if (prefsToggleHelp)
                clickOn(prefs->CheckBoxAffHlpTg(), QPoint(8, prefs->CheckBoxAffHlpTg()->height() / 2));
            if (!prefsCoeff.isEmpty()) {
                QLineEdit* coeff = prefs->EdFieldCoeffPrix();
                clickOn(coeff);
                QTest::keyClick(prefs->windowHandle(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(coeff, prefsCoeff);
            }
            // The main window is blocked meanwhile.
            if (prefsClickBehind)
                clickRadioMark(w->radioButton(Group::Side, int(rng.bounded(6u))));
            if (prefsFinish == 0)
                clickOn(prefs->PushButtOk());
            else if (prefsFinish == 1)
                clickOn(prefs->PushButtAnnuler());
            else
                QTest::keyClick(prefs->windowHandle(), Qt::Key_Escape);
        } else if (auto* about = qobject_cast<WinInfos*>(m)) {
            ++modalsAnswered;
            clickOn(about->BoutonOk());
        }
    }

    // A close asked while a refusal is shown is refused with a beep.
    void closeDuringRefusal()
    {
        note(QStringLiteral("close the window"));
        ++closeAttempts;
        const int beeps = sink.beeps;
        const bool closed = w->close();
        QVERIFY2(!closed && w->isVisible() && sink.beeps == beeps + 1,
                 qPrintable(where(QStringLiteral("close not refused during a refusal"))));
    }

    // One random action on the window.
    void randomAction(bool duringRefusal)
    {
        const quint32 r = rng.bounded(1000u);
        if (r < 860)
            randomOptionClick(duringRefusal);
        else if (r < 890)
            clickTextField();
        else if (r < 950)
            editShortcut();
        else if (r < 970)
            clickPushButton();
        else if (duringRefusal && r < 980)
            closeDuringRefusal();
        else
            menuCommand();
    }

private slots:
    void initTestCase()
    {
        Fncts::setFeedbackSink(&sink);
        Fncts::setResourcesFolder(QDir::tempPath() + QStringLiteral("/kaminor-no-resources"));
        for (const char* scheme : {"mailto", "file", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher, "open");

        bool ok = false;
        const quint32 s = qEnvironmentVariable("KAMINOR_MONKEY_SEED").toUInt(&ok);
        if (ok)
            seed = s;
        const int n = qEnvironmentVariable("KAMINOR_MONKEY_CLICKS").toInt(&ok);
        if (ok && n > 0)
            clicks = n;

        modalHand.setInterval(5);
        connect(&modalHand, &QTimer::timeout, this, &TestMonkey::answerModal);
        modalHand.start();
    }

    void cleanupTestCase()
    {
        for (const char* scheme : {"mailto", "file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        if (w) {
            Fncts::DrapMenu = true;
            w->close();
        }
    }

    void randomClicks()
    {
        qInfo("monkey: seed %u, %d clicks", seed, clicks);
        setup = std::make_unique<WindowFixture>(dealerFolders());
        QVERIFY(setup->saveReturningUser(dealerPrefs()));
        w = setup->makeWindow();
        QVERIFY(w->Event_Open());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        connect(w->TimerMemIDE, &QTimer::timeout, this, [this] { ++reverts; });
        // The answers to the help dialog: close it, read the about window, or open the FAQ page.
        Fncts::ScopedDialogResponder responder([this](QMessageBox&) {
            ++modalsAnswered;
            const int button = int(1 + rng.bounded(3u));
            note(QStringLiteral("dialog answered with button %1").arg(button));
            return button;
        });
        QString problem = settledProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(where(problem)));

        QElapsedTimer elapsed;
        elapsed.start();
        Selection kept;        // what the refusal on show goes back to
        int duringLeft = 0;    // actions still to make during the refusal on show
        bool refused = false;  // a refusal was on show after the last step
        for (step = 1; step <= clicks; ++step) {
            // Each step draws from its own generator, so that a seed replays the
            // same actions; only an action that meets the end of a refusal may
            // fall on either side of it on a faster or slower machine.
            const quint32 stepSeed[] = {seed, quint32(step)};
            rng = QRandomGenerator(stepSeed);
            const bool during = refusalShown();
            if (refused && !during) {
                // The refusal ended during the pause.
                problem = settledProblem();
                QVERIFY2(problem.isEmpty(), qPrintable(where(problem)));
            }
            if (during)
                ++refusalClicks;
            const Selection before = w->configurator().remembered();
            const int revertsBefore = reverts;
            randomAction(during);
            if (QTest::currentTestFailed())
                return;
            refused = refusalShown();
            if (!refused) {
                randomPause(false);
                problem = settledProblem();
                QVERIFY2(problem.isEmpty(), qPrintable(where(problem)));
                continue;
            }
            if (!during || reverts != revertsBefore) {
                // A new refusal: half of them are waited out, during the others
                // the clicks go on for a while.
                ++refusals;
                kept = before;
                duringLeft = rng.bounded(2u) == 0 ? 0 : int(1 + rng.bounded(40u));
                if (duringLeft == 0)
                    ++waitedOut;
            }
            problem = refusalProblem(kept);
            QVERIFY2(problem.isEmpty(), qPrintable(where(problem)));
            if (duringLeft > 0) {
                --duringLeft;
                randomPause(true);
                continue;
            }
            settle();
            refused = false;
            problem = settledProblem();
            QVERIFY2(problem.isEmpty(), qPrintable(where(problem)));
        }
        if (refused) {
            settle();
            problem = settledProblem();
            QVERIFY2(problem.isEmpty(), qPrintable(where(problem)));
        }
        step = clicks;
        qInfo("monkey: seed %u, %d clicks made (%d on options and rates, %d during refusals), "
              "%d refusals seen (%d waited out without clicks), %d menu commands, %d modal windows answered, "
              "%d closes refused, %.1f s",
              seed, clicks, optionClicks, refusalClicks, reverts, waitedOut, menuCommands, modalsAnswered,
              closeAttempts, double(elapsed.elapsed()) / 1000.0);
    }
};

int main(int argc, char* argv[])
{
    App app(argc, argv);
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_monkey.moc"
