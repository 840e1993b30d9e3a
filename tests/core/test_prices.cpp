// Amounts by hand-worked cases, the amount picture and the rate captions
// under a point and a comma locale.
#include "core/Prices.h"

#include <QLocale>
#include <QTest>

using namespace Kaminor;

namespace {

CodePieces pieces(const char* model, const char* glass, const char* colour, const char* side, const char* plate,
                  const char* tablet, const char* logs)
{
    return {model, glass, colour, side, plate, tablet, logs};
}

} // namespace

Q_DECLARE_METATYPE(Kaminor::CodePieces)

class TestPrices : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void amounts_data()
    {
        QTest::addColumn<CodePieces>("codes");
        QTest::addColumn<double>("coefficient");
        QTest::addColumn<int>("tva");
        QTest::addColumn<int>("credit");
        QTest::addColumn<double>("priHT");
        QTest::addColumn<QStringList>("shown"); // HT, TTC, credit, final cost

        QTest::newRow("KD steel log door, VAT 20%")
            << pieces("KD", "-PA", "-G", "-AGT", "", "", "-BA") << 1.0 << 2 << 0 << 1871.35 + 103.45
            << QStringList{"1974.80", "2369.76", "0.00", "2369.76"};
        QTest::newRow("KD steel log door, VAT 5.5%, credit 30%")
            << pieces("KD", "-PA", "-G", "-AGT", "", "", "-BA") << 1.0 << 0 << 1 << 1871.35 + 103.45
            << QStringList{"1974.80", "2083.41", "625.02", "1458.39"};
        QTest::newRow("ZT ceramic with glass log door twice")
            << pieces("ZT", "-PV", "-N", "-CBL", "-DCBL", "-TCBL", "-BV") << 1.0 << 0 << 1
            << 2952.07 + 248.27 + 257.9 + 104.43 + 238.4 + 238.4
            << QStringList{"4039.47", "4261.64", "1278.49", "2983.15"};
        QTest::newRow("HD glass log door once")
            << pieces("HD", "-PA", "-N", "-AGT", "", "", "-BV") << 1.0 << 1 << 0 << 2225.69 + 238.4
            << QStringList{"2464.09", "2710.50", "0.00", "2710.50"};
        QTest::newRow("AGR priced as AGT, serpentino plate and tablet")
            << pieces("TS", "-PA", "-G", "-AGR", "-DPSE", "-TPSE", "") << 1.0 << 2 << 0
            << 2037.96 + 229.17 + 84.48 << QStringList{"2351.61", "2821.93", "0.00", "2821.93"};
        QTest::newRow("PSE priced as PGN, coefficient 1.2")
            << pieces("OV", "-PV", "-N", "-PSE", "", "", "") << 1.2 << 1 << 1 << (2298.74 + 248.27) * 1.2
            << QStringList{"3056.41", "3362.05", "1008.62", "2353.44"};
        QTest::newRow("lower-case codes")
            << pieces("kd", "-pv", "-n", "-anm", "-dpgn", "", "-ba") << 1.0 << 2 << 0
            << 1871.35 + 248.27 + 229.17 + 103.45 << QStringList{"2452.24", "2942.69", "0.00", "2942.69"};
        QTest::newRow("unknown key keeps the surcharges")
            << pieces("", "-PV", "-N", "-AGT", "", "", "-BA") << 1.0 << 2 << 0 << 248.27 + 103.45
            << QStringList{"351.72", "422.06", "0.00", "422.06"};
    }

    void amounts()
    {
        QFETCH(CodePieces, codes);
        QFETCH(double, coefficient);
        QFETCH(int, tva);
        QFETCH(int, credit);
        QFETCH(double, priHT);
        QFETCH(QStringList, shown);

        const Amounts a = computeAmounts(codes, coefficient, TabTVA[tva], TabCredImp[credit]);
        QCOMPARE(a.priHT, priHT);
        const double ttc = priHT * (1 + TabTVA[tva]);
        QCOMPARE(a.priTTC, ttc);
        QCOMPARE(a.credImp, ttc * TabCredImp[credit]);
        QCOMPARE(a.coutFin, ttc - ttc * TabCredImp[credit]);
        QCOMPARE((QStringList{formatAmount(a.priHT), formatAmount(a.priTTC), formatAmount(a.credImp),
                              formatAmount(a.coutFin)}),
                 shown);
    }

    void rateIndexWithoutButton()
    {
        QCOMPARE(tvaRate(7), TabTVA[0]);
        QCOMPARE(credImpRate(-1), TabCredImp[0]);
    }

    void picturesFollowTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("text");
        const QLocale point = QLocale::c();
        const QLocale comma(QLocale::French, QLocale::France);
        QTest::newRow("point, no group separator") << point << 1234567.891 << "1234567.89";
        QTest::newRow("comma, no group separator") << comma << 1234567.891 << "1234567,89";
        QTest::newRow("comma, zero") << comma << 0.0 << "0,00";
        QTest::newRow("point, below one") << point << 0.5 << "0.50";
        QTest::newRow("comma, negative") << comma << -12.3 << "-12,30";
    }

    void picturesFollowTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, amount);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(formatAmount(amount), text);
    }

    void rateCaptions_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("tva");
        QTest::addColumn<QStringList>("credit");
        QTest::newRow("point") << QLocale::c() << QStringList{"TVA 5.5%", "TVA 10%", "TVA 20%"}
                               << QStringList{"CI 0%", "CI 30%"};
        QTest::newRow("comma") << QLocale(QLocale::French, QLocale::France)
                               << QStringList{"TVA 5,5%", "TVA 10%", "TVA 20%"} << QStringList{"CI 0%", "CI 30%"};
    }

    void rateCaptions()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, tva);
        QFETCH(QStringList, credit);
        QLocale::setDefault(locale);
        QStringList tvaShown;
        for (double rate : TabTVA)
            tvaShown << rateCaption(QStringLiteral("TVA ¿%"), rate);
        QStringList creditShown;
        for (double rate : TabCredImp)
            creditShown << rateCaption(QStringLiteral("CI ¿%"), rate);
        QCOMPARE(tvaShown, tva);
        QCOMPARE(creditShown, credit);
        // A template with text after the marker, and a rate with two decimals.
        QCOMPARE(rateCaption(QStringLiteral("¿% rate"), 0.1234), formatRate(0.1234) + " rate");
        QVERIFY(formatRate(0.1234).startsWith(QStringLiteral("12")));
        QCOMPARE(formatRate(0.1234).size(), 6);
    }

    void catalogueCaptions()
    {
        // The French catalogue templates, filled for the buttons.
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(tvaCaptions(), (QStringList{"TVA 5,5%", "TVA 10%", "TVA 20%"}));
        QCOMPARE(credImpCaptions(), (QStringList{"CI 0%", "CI 30%"}));
    }
};

QTEST_GUILESS_MAIN(TestPrices)
#include "test_prices.moc"
