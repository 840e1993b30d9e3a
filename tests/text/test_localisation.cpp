#include "text/FracTexte.h"
#include "text/Localisation.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <QTranslator>
#include <QtTest>

using TextFn = QString (*)(const QString&);
Q_DECLARE_METATYPE(TextFn)

namespace {

// Restores the default locale after a test that changes it.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved = QLocale();
};

const QString kInfosTexte[20] = {
    QStringLiteral(
        u"Ce programme permet de configurer votre poêle à bûches. Cliquez les boutons de contact afin "
        u"d'ouvrir votre logiciel de messagerie avec un email pré-rempli (Maintenir pressée la touche ⌥ "
        u"tout en cliquant le bouton pour copier le texte dans le presse-papiers)."),
    QStringLiteral(" "),
    QStringLiteral(
        u"Les revendeurs peuvent obtenir le code permettant d'afficher les prix des appareils. Une fois ce "
        u"code saisi dans les préférences, il est possible de verrouiller ces dernières (le code sera "
        u"alors demandé à chaque ouverture du panneau de préférences)."),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QString(), // distribution line: our own wording
    QStringLiteral(" "),
    QStringLiteral("Cordialement,"),
    QString(), // signature line: our own wording, ends with a full stop
    QStringLiteral(" "),
    QStringLiteral("Toutes les suggestions sont les bienvenues."),
    QStringLiteral("Si vous remarquez des dysfonctionnements, merci de nous le faire savoir. "),
    QStringLiteral(u"N'hésitez pas non plus à proposer vos idées de programmes."),
    QStringLiteral(" "),
    QStringLiteral(u"Ce programme crée un fichier nommé “Kaminor.txt” dans le dossier Préférences."),
    QStringLiteral(
        u"Les auteurs déclinent toutes responsabilités quant à l'utilisation de ce logiciel. Ils ne "
        u"sauraient être tenus responsables d'une quelconque perte de données suite à l'utilisation de "
        u"ce logiciel."),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral("Un grand merci aux personnes suivantes pour les tests et les localisations."),
    QString(), // "Localisation Anglaise : " and the translator
};

} // namespace

class TestLocalisation : public QObject {
    Q_OBJECT

private slots:
    // The test runs under a French environment; the user's language gives the defaults.
    void frenchDefaults_data() {
        QTest::addColumn<TextFn>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Menu_Edit") << &Localisation::Menu_Edit << QStringLiteral(u"Édition");
        QTest::newRow("Menu_Preferences")
            << &Localisation::Menu_Preferences << QStringLiteral(u"Préférences…");
        QTest::newRow("Menu_AppleApropos")
            << &Localisation::Menu_AppleApropos << QStringLiteral(u"À propos de Kaminor");
        QTest::newRow("GrBoxStoveSide") << &Localisation::GrBoxStoveSide << QStringLiteral(u"Cotés du poêle");
        QTest::newRow("RdBtn_PSE") << &Localisation::RdBtn_PSE << QStringLiteral("Pierre ollaire serpentino");
        QTest::newRow("RdBtnSans") << &Localisation::RdBtnSans << QStringLiteral("Sans");
        QTest::newRow("Btn_Ok") << &Localisation::Btn_Ok << QStringLiteral("Ok");
        QTest::newRow("LbCurrency") << &Localisation::LbCurrency << QStringLiteral(u"€");
        QTest::newRow("Txt_Attente") << &Localisation::Txt_Attente << QStringLiteral(u"\u2026");
        QTest::newRow("Btns_Contact_HT")
            << &Localisation::Btns_Contact_HT << QStringLiteral(u"⌥ clic pour copier dans le presse-papiers");
        QTest::newRow("Btn_OuvComp_HT")
            << &Localisation::Btn_OuvComp_HT
            << QStringLiteral(u"Ouvre “Comparateur d'énergie” dans votre navigateur");
        QTest::newRow("Txt_Sep2dot") << &Localisation::Txt_Sep2dot << QStringLiteral(" : ");
        QTest::newRow("Txt_ContMark")
            << &Localisation::Txt_ContMark << QStringLiteral("Contremarque (nom du client final) : ");
        QTest::newRow("Txt_DelivWithin")
            << &Localisation::Txt_DelivWithin << QStringLiteral(u"Date de livraison souhaitée (délai) : ");
        QTest::newRow("Txt_EtPlastron") << &Localisation::Txt_EtPlastron << QStringLiteral(" (et Plastron)");
        QTest::newRow("Txt_CoeffCorrige")
            << &Localisation::Txt_CoeffCorrige
            << QStringLiteral(u"Le coefficient de prix a été corrigé.\rNouvelle valeur : ");
        QTest::newRow("Txt_CombiImposs")
            << &Localisation::Txt_CombiImposs << QStringLiteral("Combinaison\r  impossible");
        QTest::newRow("Txt_VisuelIndispo")
            << &Localisation::Txt_VisuelIndispo << QStringLiteral("    Visuel\rindisponible");
        QTest::newRow("RdBtnTVA") << &Localisation::RdBtnTVA << QStringLiteral(u"TVA ¿%");
        QTest::newRow("RdBtnCredImp") << &Localisation::RdBtnCredImp << QStringLiteral(u"CI ¿%");
        QTest::newRow("Txt_AideNonDispo")
            << &Localisation::Txt_AideNonDispo
            << QStringLiteral(u"L'aide n'est pas disponible pour ¿%.\rVeuillez lire “¿%”.\r \r"
                              u"Cette version a été compilée pour ¿%.");
        QTest::newRow("Txt_Ver_MaJ_impo")
            << &Localisation::Txt_Ver_MaJ_impo
            << QStringLiteral(
                   u"Impossible de vérifier les mises à jour pour le moment, veuillez vérifier votre "
                   u"connexion internet ou réessayer plus tard.");
    }
    void frenchDefaults() {
        QFETCH(TextFn, text);
        QFETCH(QString, expected);
        QCOMPARE(text(QString()), expected);
        QCOMPARE(text(QStringLiteral("fr")), expected);
        // A language without a translation falls back to the default.
        QCOMPARE(text(QStringLiteral("de")), expected);
    }

    void aboutTextHasItsTwentyLines() {
        const QStringList lines = Localisation::Infos_Texte().split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 20);
        QVERIFY(!Localisation::Infos_Texte().contains(QLatin1Char('\n')));
        for (int i = 0; i < 20; ++i) {
            if (!kInfosTexte[i].isNull())
                QCOMPARE(lines.at(i), kInfosTexte[i]);
        }
        QVERIFY(lines.at(5).size() > 1);
        QVERIFY(lines.at(8).size() > 1 && lines.at(8).endsWith(QLatin1Char('.')));
        QVERIFY(lines.at(19).startsWith(QStringLiteral("Localisation Anglaise : ")));
        QVERIFY(lines.at(19).size() > QStringLiteral("Localisation Anglaise : ").size());
    }

    // Every accessor answers under its own name, in French and in English, and
    // the embedded English file translates every text.
    void wholeCatalogue() {
        const auto& catalogue = Localisation::catalogue();
        QFile qm(QStringLiteral(":/i18n/kaminor_en.qm"));
        QVERIFY2(qm.exists(), "the English translation is not linked in");
        QTranslator english;
        QVERIFY(english.load(qm.fileName()));

        // Texts that read the same in both languages: proper names, symbols, "FAQ".
        const QSet<QString> same{"RdBtnBody_KD", "RdBtnBody_TS", "RdBtnBody_OV", "RdBtnBody_ZT",
                                 "RdBtnBody_HD", "LbCurrency",   "Txt_Attente",  "Btn_FAQ"};
        QSet<QString> names;
        for (const auto& entry : catalogue) {
            const QString name = QString::fromLatin1(entry.name);
            names.insert(name);
            const QString french = entry.text(QString());
            const QString translated = entry.text(QStringLiteral("en"));
            QVERIFY2(!french.isEmpty(), entry.name);
            QCOMPARE(english.translate(nullptr, ("Localisation." + name).toLatin1().constData()), translated);
            QCOMPARE(translated == french, same.contains(name));
            // Templates keep their markers in translation.
            QCOMPARE(translated.count(QStringLiteral(u"¿%")), french.count(QStringLiteral(u"¿%")));
            QCOMPARE(translated.count(QLatin1Char('\r')), french.count(QLatin1Char('\r')));
        }
        QCOMPARE(names.size(), 100);
    }

    void englishUnderEnglishCodesAndLocale_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QLocale>("defaultLocale");
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("en") << QStringLiteral("en") << french;
        QTest::newRow("en_GB") << QStringLiteral("en_GB") << french;
        QTest::newRow("en-US") << QStringLiteral("en-US") << french;
        QTest::newRow("English default locale")
            << QString() << QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
    void englishUnderEnglishCodesAndLocale() {
        QFETCH(QString, lang);
        QFETCH(QLocale, defaultLocale);
        DefaultLocale scope(defaultLocale);
        QCOMPARE(Localisation::Btn_Ok(lang), QStringLiteral("OK"));
        QCOMPARE(Localisation::Btns_Contact_HT(lang), QStringLiteral("Alt-click to copy to the clipboard"));
        QCOMPARE(Localisation::Txt_Sep2dot(lang), QStringLiteral(": "));
        QCOMPARE(Localisation::Txt_CombiImposs(lang), QStringLiteral("  Impossible\rcombination"));
        QCOMPARE(Fncts::FracTexte(Localisation::RdBtnTVA(lang), 1), QStringLiteral("VAT "));
        // An explicit French code still wins over the English default locale.
        QCOMPARE(Localisation::Btn_Ok(QStringLiteral("fr_CA")), QStringLiteral("Ok"));
    }
};

QTEST_GUILESS_MAIN(TestLocalisation)
#include "test_localisation.moc"
