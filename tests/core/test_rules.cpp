// The configuration rules without any window: coupling, model rules, refusals,
// stone test, out-of-range reports and the sweep of every selection.
#include "MakeSelection.h"

#include "core/Rules.h"

#include <QSet>
#include <QTest>

using namespace Kaminor;

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void evaluateCases_data()
    {
        QTest::addColumn<Selection>("remembered");
        QTest::addColumn<Selection>("wanted");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("reference");

        // Model changes
        QTest::newRow("KD to OV drops the steel log door")
            << sel(0, 1, 0, 0, 0, 0, 0) << sel(2, 1, 0, 0, 0, 0, 0) << true << "OV-PA-G-AGT";
        QTest::newRow("OV with steel log door refused")
            << sel(2, 1, 0, 0, 0, 0, 2) << sel(2, 1, 0, 0, 0, 0, 0) << false << "OV-PA-G-AGT-BA";
        QTest::newRow("OV with glass log door refused")
            << sel(2, 1, 0, 0, 0, 0, 2) << sel(2, 1, 0, 0, 0, 0, 1) << false << "OV-PA-G-AGT-BV";
        QTest::newRow("tablet on KD refused")
            << sel(0, 1, 0, 0, 0, 0, 2) << sel(0, 1, 0, 0, 0, 1, 2) << false << "KD-PA-G-AGT-TPGN";
        QTest::newRow("TS with tablet to ZT drops the tablet")
            << sel(1, 1, 0, 3, 1, 1, 1) << sel(3, 1, 0, 3, 1, 1, 1) << true << "ZT-PA-G-PGN-DPGN-BV";
        QTest::newRow("TS keeps everything")
            << sel(0, 1, 0, 3, 1, 0, 0) << sel(1, 1, 0, 3, 1, 0, 0) << true << "TS-PA-G-PGN-DPGN-BA";
        // Glass and colour
        QTest::newRow("screen-printed glass on grey refused")
            << sel(0, 1, 0, 0, 0, 0, 2) << sel(0, 0, 0, 0, 0, 0, 2) << false << "KD-PV-G-AGT";
        QTest::newRow("grey under screen-printed glass refused")
            << sel(0, 0, 1, 0, 0, 0, 2) << sel(0, 0, 0, 0, 0, 0, 2) << false << "KD-PV-G-AGT";
        QTest::newRow("screen-printed glass on black")
            << sel(0, 1, 1, 0, 0, 0, 2) << sel(0, 0, 1, 0, 0, 0, 2) << true << "KD-PV-N-AGT";
        // Stone coupling
        QTest::newRow("serpentino tablet moves sides and plate")
            << sel(1, 1, 0, 3, 1, 1, 2) << sel(1, 1, 0, 3, 1, 2, 2) << true << "TS-PA-G-PSE-DPSE-TPSE";
        QTest::newRow("ceramic sides move plate and tablet")
            << sel(1, 1, 0, 3, 1, 1, 2) << sel(1, 1, 0, 5, 1, 1, 2) << true << "TS-PA-G-CBL-DCBL-TCBL";
        QTest::newRow("serpentino plate moves sides only when stone")
            << sel(1, 1, 0, 0, 1, 1, 2) << sel(1, 1, 0, 0, 2, 1, 2) << true << "TS-PA-G-AGT-DPSE-TPSE";
        QTest::newRow("plate change beside steel sides")
            << sel(0, 1, 0, 1, 3, 0, 2) << sel(0, 1, 0, 1, 1, 0, 2) << true << "KD-PA-G-AGR-DPGN";
        QTest::newRow("steel sides leave serpentino plate and tablet")
            << sel(1, 1, 0, 4, 2, 2, 2) << sel(1, 1, 0, 1, 2, 2, 2) << true << "TS-PA-G-AGR-DPSE-TPSE";
        QTest::newRow("granite sides add no plate")
            << sel(0, 1, 0, 0, 0, 0, 2) << sel(0, 1, 0, 3, 0, 0, 2) << true << "KD-PA-G-PGN";
        QTest::newRow("choosing no plate changes nothing else")
            << sel(1, 1, 0, 4, 2, 2, 2) << sel(1, 1, 0, 4, 0, 2, 2) << true << "TS-PA-G-PSE-TPSE";
        // Several groups at once, as from an edited preferences file
        QTest::newRow("stored mismatch refused")
            << sel(1, 1, 0, 3, 2, 0, 2) << sel(1, 1, 0, 3, 2, 0, 2) << false << "TS-PA-G-PGN-DPSE";
        QTest::newRow("same as remembered applies no rule")
            << sel(1, 0, 1, 3, 1, 1, 1) << sel(1, 0, 1, 3, 1, 1, 1) << true << "TS-PV-N-PGN-DPGN-TPGN-BV";
    }

    void evaluateCases()
    {
        QFETCH(Selection, remembered);
        QFETCH(Selection, wanted);
        QFETCH(bool, accepted);
        QFETCH(QString, reference);
        const Evaluation ev = evaluate(remembered, wanted);
        QCOMPARE(ev.accepted, accepted);
        QCOMPARE(ev.reference, reference);
        QVERIFY(ev.errors.isEmpty());
    }

    void retTestStone_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("plate");
        QTest::addColumn<QString>("tablet");
        QTest::addColumn<bool>("disagree");
        QTest::newRow("granite sides, serpentino plate") << "-PGN" << "-DPSE" << "" << true;
        QTest::newRow("plate and tablet differ") << "-AGT" << "-DPSE" << "-TCBL" << true;
        QTest::newRow("steel sides, ceramic plate") << "-AGR" << "-DCBL" << "" << false;
        QTest::newRow("ceramic sides and tablet") << "-CBL" << "" << "-TCBL" << false;
        QTest::newRow("sides and tablet differ") << "-PSE" << "" << "-TPGN" << true;
        QTest::newRow("all serpentino") << "-PSE" << "-DPSE" << "-TPSE" << false;
        QTest::newRow("nothing") << "-ANM" << "" << "" << false;
        QTest::newRow("letter case ignored") << "-pgn" << "-DPGN" << "-tpgn" << false;
    }

    void retTestStone()
    {
        QFETCH(QString, side);
        QFETCH(QString, plate);
        QFETCH(QString, tablet);
        QFETCH(bool, disagree);
        QCOMPARE(RetTestStone(side, plate, tablet), disagree);
    }

    void outOfRangeIndexReportedWithEmptyPiece_data()
    {
        QTest::addColumn<Selection>("wanted");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("reference");
        QTest::newRow("side 6") << sel(0, 1, 0, 6, 0, 0, 2) << "Index RdButtSide = 6" << "KD-PA-G";
        QTest::newRow("body 5") << sel(5, 1, 0, 0, 0, 0, 2) << "Index RdButtBody = 5" << "-PA-G-AGT";
        QTest::newRow("door logs -1") << sel(1, 1, 0, 0, 0, 0, -1) << "Index RdButtDoorLogs = -1"
                                      << "TS-PA-G-AGT";
    }

    void outOfRangeIndexReportedWithEmptyPiece()
    {
        QFETCH(Selection, wanted);
        QFETCH(QString, error);
        QFETCH(QString, reference);
        const Evaluation ev = evaluate(wanted, wanted);
        QCOMPARE(ev.errors, QStringList{error});
        QCOMPARE(ev.reference, reference);
    }

    void sweepOfEverySelection()
    {
        // Judge each candidate against a remembered selection equal to it, and
        // against the first-run selection, as a click would.
        int accepted = 0;
        QSet<QString> references;
        Selection c;
        for (c.body = 0; c.body < 5; ++c.body)
            for (c.doorGlass = 0; c.doorGlass < 2; ++c.doorGlass)
                for (c.color = 0; c.color < 2; ++c.color)
                    for (c.side = 0; c.side < 6; ++c.side)
                        for (c.plate = 0; c.plate < 4; ++c.plate)
                            for (c.tablet = 0; c.tablet < 4; ++c.tablet)
                                for (c.doorLogs = 0; c.doorLogs < 3; ++c.doorLogs) {
                                    const Evaluation ev = evaluate(c, c);
                                    QVERIFY(ev.errors.isEmpty());
                                    const Evaluation fromStart = evaluate(firstRunSelection(), c);
                                    if (fromStart.accepted)
                                        QVERIFY(evaluate(fromStart.adjusted, fromStart.adjusted).accepted);
                                    if (!ev.accepted)
                                        continue;
                                    ++accepted;
                                    QVERIFY2(ev.reference.size() >= 11 && ev.reference.size() <= 24,
                                             qPrintable(ev.reference));
                                    QVERIFY2(!references.contains(ev.reference), qPrintable(ev.reference));
                                    references.insert(ev.reference);
                                }
        // Tessa: 42 stone layouts x 3 glass/colour x 3 log doors; Kolda, Zelta,
        // Hodra: 18 x 3 x 3 each; Orvo: 18 x 3 without log door.
        QCOMPARE(accepted, 918);

        const QList<Stove> stoves = buildableStoves();
        QCOMPARE(stoves.size(), 918);
        QCOMPARE(stoves.first().reference, QStringLiteral("KD-PV-N-AGT-BA"));
        for (const Stove& stove : stoves) {
            QVERIFY(references.contains(stove.reference));
            QCOMPARE(evaluate(stove.selection, stove.selection).reference, stove.reference);
        }
        QVERIFY(evaluate(firstRunSelection(), firstRunSelection()).accepted);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
