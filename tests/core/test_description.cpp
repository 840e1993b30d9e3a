// The description and price texts copy what the window shows.
#include "FakeView.h"
#include "MakeSelection.h"

#include "core/Description.h"
#include "text/Feedback.h"

#include <QLocale>
#include <QTest>

using namespace Kaminor;

namespace {

QStringList linesOf(const QString& text)
{
    const QString eol = Fncts::EOL();
    if (!text.endsWith(eol))
        return {};
    return text.left(text.size() - eol.size()).split(eol);
}

} // namespace

class TestDescription : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void frenchExample()
    {
        FakeView view;
        const QString text = RetDescripPoele(view, sel(0, 0, 1, 0, 0, 0, 0));
        QCOMPARE(linesOf(text), (QStringList{
                                    " - Kolda Noir",
                                    "   - Cotés : Acier laqué gris argent",
                                    "   - Plaque de dessus : Sans",
                                    "   - Tablette chauffe-plat : Sans",
                                    "   - Porte verre sérigraphié : Oui",
                                    "   - Porte de bûcher : Acier",
                                    "   - Adapt racc air ext : \u2026",
                                }));
    }

    void logDoorLine_data()
    {
        QTest::addColumn<Selection>("selection");
        QTest::addColumn<QString>("line");
        QTest::newRow("Zelta with glass log door")
            << sel(3, 0, 1, 0, 0, 0, 1) << "   - Porte de bûcher (et Plastron) : Verre sérigraphié";
        QTest::newRow("Zelta with steel log door") << sel(3, 0, 1, 0, 0, 0, 0) << "   - Porte de bûcher : Acier";
        QTest::newRow("Kolda with glass log door")
            << sel(0, 0, 1, 0, 0, 0, 1) << "   - Porte de bûcher : Verre sérigraphié";
        QTest::newRow("Orvo without log door") << sel(2, 1, 0, 5, 3, 0, 2) << "   - Porte de bûcher : Sans";
    }

    void logDoorLine()
    {
        QFETCH(Selection, selection);
        QFETCH(QString, line);
        FakeView view;
        const QStringList lines = linesOf(RetDescripPoele(view, selection));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(5), line);
    }

    void priceLines_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::newRow("amounts") << "1234,50";
        QTest::newRow("refused combination") << "# # # #";
    }

    void priceLines()
    {
        QFETCH(QString, amount);
        FakeView view;
        for (Field f : {Field::PriHT, Field::PriTTC, Field::CredImp, Field::CoutFin})
            view.setFieldText(f, amount);
        Selection s = sel(1, 0, 1, 3, 1, 1, 1);
        s.tva = 2;
        s.credImp = 1;
        const QString text = RetPrixPoele(view, s);
        QCOMPARE(linesOf(text), (QStringList{
                                    "Prix HT : " + amount + " €",
                                    "Prix TTC : " + amount + " € - TVA 20%",
                                    "Crédit d'impôt : " + amount + " € - CI 30%",
                                    "Coût final : " + amount + " € ",
                                }));
    }
};

QTEST_GUILESS_MAIN(TestDescription)
#include "test_description.moc"
