// The selection machinery against a fake window: acceptance, refusal and its
// revert, ignored clicks, error reports and the dealer display.
#include "FakeView.h"
#include "MakeSelection.h"

#include "core/Configurator.h"
#include "core/FnctsState.h"
#include "core/Prices.h"
#include "text/Feedback.h"

#include <QTest>

using namespace Kaminor;

namespace {

const QString hold = QStringLiteral("# # # #");

} // namespace

Q_DECLARE_METATYPE(Kaminor::Group)

class TestConfigurator : public QObject {
    Q_OBJECT

    FakeView* view = nullptr;
    Configurator* config = nullptr;
    Fncts::RecordingSink sink;

    // The window's start-up: remembered selection, first Generate, then ready.
    void start(const Selection& remembered)
    {
        config->setRemembered(remembered);
        Fncts::DrapMenu = false;
        config->GenerateRemembered();
        Fncts::DrapMenu = true;
        view->enabledStates.clear();
        view->sounds.clear();
        view->selections.clear();
    }

private slots:
    void init()
    {
        view = new FakeView;
        config = new Configurator(*view);
        view->configurator = config;
        sink = Fncts::RecordingSink();
        Fncts::setFeedbackSink(&sink);
        Fncts::DrapMenu = false;
    }

    void cleanup()
    {
        Fncts::setFeedbackSink(nullptr);
        delete config;
        delete view;
    }

    void acceptedGenerateShowsAndRemembers()
    {
        Selection first = firstRunSelection();
        first.tva = 2;
        config->setRemembered(first);
        config->GenerateRemembered();

        QVERIFY(Fncts::DrapMenu);
        QCOMPARE(config->state(), Configurator::State::Ready);
        QCOMPARE(view->fields.value(Field::Ref), QStringLiteral("KD-PA-G-AGT"));
        QCOMPARE(view->fieldWrites,
                 (QList<Field>{Field::Ref, Field::PriHT, Field::PriTTC, Field::CredImp, Field::CoutFin}));
        QCOMPARE(view->repaints, 1);
        QVERIFY(view->timerArms.isEmpty());
        QVERIFY(sink.messages.isEmpty());
        // All nine groups marked, rate groups last, tax credit before VAT.
        QCOMPARE(view->selections.size(), GroupCount);
        QCOMPARE(view->selections.at(7), qMakePair(Group::CredImp, 0));
        QCOMPARE(view->selections.at(8), qMakePair(Group::TVA, 2));
    }

    void clickAdjustsAndMarks_data()
    {
        QTest::addColumn<Selection>("start");
        QTest::addColumn<Group>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<Selection>("remembered");
        QTest::addColumn<QString>("reference");
        QTest::newRow("Kolda to Orvo loses its log door")
            << sel(0, 1, 0, 0, 0, 0, 0) << Group::Body << 2 << sel(2, 1, 0, 0, 0, 0, 2) << "OV-PA-G-AGT";
        QTest::newRow("serpentino tablet couples the stones")
            << sel(1, 1, 0, 3, 1, 1, 2) << Group::Tablet << 2 << sel(1, 1, 0, 4, 2, 2, 2)
            << "TS-PA-G-PSE-DPSE-TPSE";
    }

    void clickAdjustsAndMarks()
    {
        QFETCH(Selection, start);
        QFETCH(Group, group);
        QFETCH(int, index);
        QFETCH(Selection, remembered);
        QFETCH(QString, reference);
        this->start(start);
        config->optionClicked(group, index);
        QCOMPARE(config->remembered(), remembered);
        QCOMPARE(view->fields.value(Field::Ref), reference);
        for (int g = 0; g < StoveGroupCount; ++g)
            QCOMPARE(view->selected.value(Group(g)), int(remembered.index(Group(g))));
        QCOMPARE(view->sounds, QList<Sound>{Sound::Bop});
    }

    void refusalShowsPlaceholdersThenReverts_data()
    {
        QTest::addColumn<bool>("sfx");
        QTest::newRow("sound effects on") << true;
        QTest::newRow("sound effects off") << false;
    }

    void refusalShowsPlaceholdersThenReverts()
    {
        QFETCH(bool, sfx);
        view->sfx = sfx;
        const Selection orvo = sel(2, 1, 0, 0, 0, 0, 2);
        start(orvo);
        const QString reference = view->fields.value(Field::Ref);
        const QString price = view->fields.value(Field::PriTTC);

        config->optionClicked(Group::DoorLogs, 0);
        QCOMPARE(config->state(), Configurator::State::ShowingRefusal);
        QVERIFY(!Fncts::DrapMenu);
        for (Field f : {Field::Ref, Field::PriHT, Field::PriTTC, Field::CredImp, Field::CoutFin})
            QCOMPARE(view->fields.value(f), hold);
        QCOMPARE(view->enabledStates, QList<bool>{false});
        QCOMPARE(view->timerArms, QList<int>{500});
        QCOMPARE(config->remembered(), orvo);
        QCOMPARE(view->sounds, sfx ? QList<Sound>{Sound::Bop} : QList<Sound>{});

        // Clicks during the refusal are ignored.
        config->optionClicked(Group::Body, 0);
        QCOMPARE(view->fields.value(Field::Ref), hold);

        QTest::qWait(300);
        QCOMPARE(config->state(), Configurator::State::ShowingRefusal);
        QTRY_COMPARE_WITH_TIMEOUT(config->state(), Configurator::State::Ready, 1000);
        QVERIFY(Fncts::DrapMenu);
        QCOMPARE(view->enabledStates, (QList<bool>{false, true}));
        QCOMPARE(view->fields.value(Field::Ref), reference);
        QCOMPARE(view->fields.value(Field::PriTTC), price);
        QCOMPARE(view->selected.value(Group::DoorLogs), 2);
        QCOMPARE(view->sounds, sfx ? (QList<Sound>{Sound::Bop, Sound::Zoum}) : QList<Sound>{});
        QCOMPARE(view->timerArms.size(), 1);
        QVERIFY(sink.messages.isEmpty());
    }

    void unbuildableRememberedFallsBackOnce()
    {
        // Granite sides with a serpentino top plate, as an edited file could give.
        Selection stored = sel(1, 0, 1, 3, 2, 0, 1);
        stored.tva = 1;
        config->setRemembered(stored);
        config->GenerateRemembered();
        QCOMPARE(config->state(), Configurator::State::ShowingRefusal);
        QCOMPARE(view->fields.value(Field::Ref), hold);
        // The start-up goes on and declares itself ready.
        Fncts::DrapMenu = true;

        QTRY_COMPARE_WITH_TIMEOUT(config->state(), Configurator::State::Ready, 1000);
        QCOMPARE(view->fields.value(Field::Ref), QStringLiteral("KD-PA-G-AGT"));
        QVERIFY(sink.messages.isEmpty());
        Selection expected = firstRunSelection();
        expected.tva = 1;
        QCOMPARE(config->remembered(), expected);
        QTest::qWait(700);
        QCOMPARE(view->timerArms.size(), 1);
        QCOMPARE(config->state(), Configurator::State::Ready);
    }

    void clickWhileBusyDoesNothing()
    {
        start(firstRunSelection());
        Fncts::DrapMenu = false;
        const int writes = view->fieldWrites.size();
        config->optionClicked(Group::Body, 1);
        config->optionClicked(Group::TVA, 2);
        QCOMPARE(view->fieldWrites.size(), writes);
        QVERIFY(view->sounds.isEmpty());
        QVERIFY(view->selections.isEmpty());
        QCOMPARE(config->remembered(), firstRunSelection());
    }

    void rateClickRecomputesHiddenPrices()
    {
        view->dealer = false;
        start(firstRunSelection());
        QCOMPARE(view->fields.value(Field::PriTTC), formatAmount(1871.35 * 1.055));
        config->optionClicked(Group::TVA, 2);
        QCOMPARE(config->remembered().tva, qint16(2));
        QCOMPARE(view->fields.value(Field::PriTTC), formatAmount(1871.35 * 1.2));
        config->optionClicked(Group::CredImp, 1);
        QCOMPARE(view->fields.value(Field::CredImp), formatAmount(1871.35 * 1.2 * 0.3));
        QCOMPARE(view->fields.value(Field::Ref), QStringLiteral("KD-PA-G-AGT"));
    }

    void outOfRangeSideReported()
    {
        start(firstRunSelection());
        Fncts::DrapMenu = false;
        config->Generate(0, 1, 0, 6, 0, 0, 2);
        QCOMPARE(sink.messages.size(), 1);
        QCOMPARE(sink.messages.first(), Fncts::errorReportText(QStringLiteral("Index RdButtSide = 6")));
        QVERIFY(sink.messages.first().startsWith(QStringLiteral("Error ! Please contact the authors.")));
        QCOMPARE(view->fields.value(Field::Ref), QStringLiteral("KD-PA-G"));
        // The group has no button 6: the remembered side stays one the window can show.
        QCOMPARE(config->remembered().side, qint16(0));
    }

    void initIDEvaluesWhileReadyReports()
    {
        config->setRemembered(sel(1, 0, 1, 4, 2, 2, 1));
        Fncts::DrapMenu = true;
        config->InitIDEvalues();
        QCOMPARE(sink.messages,
                 QStringList{Fncts::errorReportText(QStringLiteral("InitIDEvalues, DrapMenu should be False !"))});
        QCOMPARE(view->selections.size(), GroupCount);
        QCOMPARE(view->selected.value(Group::Side), 4);
    }

    void modePartPro_data()
    {
        QTest::addColumn<bool>("dealer");
        QTest::addColumn<QString>("caption");
        QTest::newRow("dealer orders") << true << "Commande";
        QTest::newRow("customer asks") << false << "Renseignements";
    }

    void modePartPro()
    {
        QFETCH(bool, dealer);
        QFETCH(QString, caption);
        view->dealer = dealer;
        view->pricesVisible = !dealer;
        config->ModePartPro();
        QCOMPARE(view->pricesVisible, dealer);
        QCOMPARE(view->contactCaption, caption);
    }
};

QTEST_GUILESS_MAIN(TestConfigurator)
#include "test_configurator.moc"
