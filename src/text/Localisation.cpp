#include "Localisation.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QStringList>
#include <QTranslator>

#include <memory>

// The compiled translations are embedded in this library; make sure the
// resource is registered even when the linker would otherwise drop it.
static void initTranslationResource() {
    Q_INIT_RESOURCE(kaminor_text_translations);
}

namespace Localisation {
namespace {

// The catalogue's own language: no file, the defaults are its texts.
const QString kDefaultLanguage = QStringLiteral("fr");

struct Translators {
    QMutex mutex;
    // One translator per file suffix ("en", "en_GB"), nullptr when there is none.
    QHash<QString, std::shared_ptr<QTranslator>> byName;
};

Translators& translators() {
    static Translators instance;
    return instance;
}

// Loads ":/i18n/kaminor_<name>.qm" once and keeps it; nullptr when missing.
QTranslator* translatorNamed(Translators& all, const QString& name) {
    auto found = all.byName.constFind(name);
    if (found != all.byName.constEnd())
        return found->get();
    std::shared_ptr<QTranslator> translator;
    const QString path = QStringLiteral(":/i18n/kaminor_") + name + QStringLiteral(".qm");
    if (QFile::exists(path)) {
        translator = std::make_shared<QTranslator>();
        if (!translator->load(path))
            translator.reset();
    }
    all.byName.insert(name, translator);
    return translator.get();
}

// The translator for the locale's languages in order of preference: "en_GB"
// falls back to "en"; French, the catalogue's language, stops the search.
QTranslator* translatorFor(Translators& all, const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    for (QString name : languages) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        while (!name.isEmpty()) {
            if (name.section(QLatin1Char('_'), 0, 0).compare(kDefaultLanguage, Qt::CaseInsensitive) == 0)
                return nullptr;
            if (QTranslator* translator = translatorNamed(all, name))
                return translator;
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut < 0)
                break;
            name.truncate(cut);
        }
    }
    return nullptr;
}

} // namespace

QString lookup(const char* fullName, const QString& frenchDefault, const QString& lang) {
    static const bool resourceReady = (initTranslationResource(), true);
    Q_UNUSED(resourceReady);

    const QLocale locale = lang.isEmpty() ? QLocale() : QLocale(lang);
    Translators& all = translators();
    QMutexLocker lock(&all.mutex);
    QTranslator* translator = translatorFor(all, locale);
    if (!translator)
        return frenchDefault;
    const QString translated = translator->translate(nullptr, fullName);
    return translated.isEmpty() ? frenchDefault : translated;
}

} // namespace Localisation

// The accessors: each passes its full name and French default to the lookup.
#define KAMINOR_TEXT(name, frenchDefault)                                                                    \
    QString name(const QString& lang) {                                                                      \
        return lookup("Localisation." #name, QStringLiteral(frenchDefault), lang);                           \
    }

namespace Localisation {

// Menus
KAMINOR_TEXT(Menu_Fichier, "Fichier")
KAMINOR_TEXT(Menu_FichierCloseWin, "Fermer")
KAMINOR_TEXT(Menu_Edit, "Édition")
KAMINOR_TEXT(Menu_EditCut, "Couper")
KAMINOR_TEXT(Menu_EditCopy, "Copier")
KAMINOR_TEXT(Menu_EditPaste, "Coller")
KAMINOR_TEXT(Menu_EditClear, "Effacer")
KAMINOR_TEXT(Menu_EditSelectAll, "Tout sélectionner")
KAMINOR_TEXT(Menu_Aide, "Aide")
KAMINOR_TEXT(Menu_AideAide, "Aide Kaminor")
KAMINOR_TEXT(Menu_AppleApropos, "À propos de Kaminor")
KAMINOR_TEXT(Menu_Preferences, "Préférences…")
KAMINOR_TEXT(Menu_AppleVMaJ, "Vérifier les mises à jour…")

// Main window, configuration groups and option captions
KAMINOR_TEXT(GrBoxBody, "Modèle")
KAMINOR_TEXT(RdBtnBody_KD, "Kolda")
KAMINOR_TEXT(RdBtnBody_TS, "Tessa")
KAMINOR_TEXT(RdBtnBody_OV, "Orvo")
KAMINOR_TEXT(RdBtnBody_ZT, "Zelta")
KAMINOR_TEXT(RdBtnBody_HD, "Hodra")
KAMINOR_TEXT(RdBtnBody_KDd, "modèle de base")
KAMINOR_TEXT(RdBtnBody_TSd, "avec petit chauffe-plat")
KAMINOR_TEXT(RdBtnBody_OVd, "sur pied pivotant")
KAMINOR_TEXT(RdBtnBody_ZTd, "avec accumulateur de chaleur")
KAMINOR_TEXT(RdBtnBody_HDd, "pivotant sur socle")
KAMINOR_TEXT(GrBoxBodCol, "Couleur du corps")
KAMINOR_TEXT(RdBtnNoir, "Noir")
KAMINOR_TEXT(RdBtnGris, "Gris")
KAMINOR_TEXT(GrBoxStoveSide, "Cotés du poêle")
KAMINOR_TEXT(RdBtn_AGT, "Acier laqué gris argent")
KAMINOR_TEXT(RdBtn_AGR, "Acier laqué gris")
KAMINOR_TEXT(RdBtn_ANM, "Acier laqué noir")
KAMINOR_TEXT(RdBtn_PGN, "Granit noir")
KAMINOR_TEXT(RdBtn_PSE, "Pierre ollaire serpentino")
KAMINOR_TEXT(RdBtn_CBL, "Céramique blanche")
KAMINOR_TEXT(RdBtn_Sans, "Sans")
KAMINOR_TEXT(GrBoxPlate, "Plaque de dessus")
KAMINOR_TEXT(GrBoxDoorGlass, "Porte verre sérigraphié")
KAMINOR_TEXT(RdBtnNon, "Non")
KAMINOR_TEXT(RdBtnOui, "Oui")
KAMINOR_TEXT(GrBoxDoorLogs, "Porte de bûcher")
KAMINOR_TEXT(RdBtnDLacier, "Acier")
KAMINOR_TEXT(RdBtnDLverre, "Verre sérigraphié")
KAMINOR_TEXT(RdBtnSans, "Sans")
KAMINOR_TEXT(GrBoxTablet, "Tablette chauffe-plat")
KAMINOR_TEXT(LbTxtRef, "Référence photo")

// Prices
KAMINOR_TEXT(GrBoxPrices, "Prix")
KAMINOR_TEXT(LbTxtPriceHT, "Prix HT :")
KAMINOR_TEXT(LbTxtPriceTTC, "Prix TTC :")
KAMINOR_TEXT(LbTxtCredImp, "Crédit d'impôt :")
KAMINOR_TEXT(LbTxtCoutFin, "Coût final :")
KAMINOR_TEXT(LbCurrency, "€")
KAMINOR_TEXT(GrBoxTVA, "TVA")
KAMINOR_TEXT(RdBtnTVA, "TVA ¿%")
KAMINOR_TEXT(GrBoxCredImp, "Crédit d'impôt (à confirmer)")
KAMINOR_TEXT(RdBtnCredImp, "CI ¿%")

// Contact buttons, description and e-mail texts
KAMINOR_TEXT(LbTxtInfoCde, "Pour nous contacter")
KAMINOR_TEXT(Btn_Info, "Renseignements")
KAMINOR_TEXT(Btn_Cde, "Commande")
KAMINOR_TEXT(LbTxtSendMail, "Poêle sélectionné")
KAMINOR_TEXT(Btn_SendMail, "Envoyer email")
KAMINOR_TEXT(Btns_Contact_HT, "⌥ clic pour copier dans le presse-papiers")
KAMINOR_TEXT(Btn_OuvComp, "Comparateur d'énergie")
KAMINOR_TEXT(Btn_OuvComp_HT, "Ouvre “Comparateur d'énergie” dans votre navigateur")
KAMINOR_TEXT(Txt_Hello, "Bonjour,")
KAMINOR_TEXT(Txt_WishOrder, "Je souhaite passer commande du poêle suivant :")
KAMINOR_TEXT(Txt_WishInfoFor, "Je souhaite des renseignements sur le poêle suivant :")
KAMINOR_TEXT(Txt_IhaveSelect, "J'ai sélectionné le poêle suivant :")
KAMINOR_TEXT(Txt_YouhaveSelect, "Vous avez sélectionné le poêle suivant :")
KAMINOR_TEXT(Txt_ContMark, "Contremarque (nom du client final) : ")
KAMINOR_TEXT(Txt_DelivWithin, "Date de livraison souhaitée (délai) : ")
KAMINOR_TEXT(LbMyDetails, "Mes coordonnées :")
KAMINOR_TEXT(Txt_Side, "Cotés")
KAMINOR_TEXT(Txt_Sep2dot, " : ")
KAMINOR_TEXT(Txt_AdaptAirConnect, "Adapt racc air ext")
KAMINOR_TEXT(Txt_EtPlastron, " (et Plastron)")
KAMINOR_TEXT(Txt_Attente, "…")

// Picture placeholders
KAMINOR_TEXT(Txt_CombiImposs, "Combinaison\r  impossible")
KAMINOR_TEXT(Txt_VisuelIndispo, "    Visuel\rindisponible")

// Preferences window
KAMINOR_TEXT(ChBoxAffHlpTg, "Afficher les bulles d'aide")
KAMINOR_TEXT(ChBoxSfx, "Effets sonores")
KAMINOR_TEXT(ChBoxAutoUpdt, "Vérifier automatiquement les mises à jour")
KAMINOR_TEXT(LbTxtPasswPrice, "Entrer le mot de passe pour afficher les prix :")
KAMINOR_TEXT(LbTxtCoeffPrix, "Coefficient prix :")
KAMINOR_TEXT(ChBoxLockPrefs, "Verrouiller les préférences")
KAMINOR_TEXT(ChBoxLockPrefs_HT,
             "Il faudra entrer à nouveau le mot de passe à chaque ouverture des préférences")
KAMINOR_TEXT(ChBoxEncodWin, "Encodage WindowsLatin1 (email)")
KAMINOR_TEXT(Txt_CoeffCorrige, "Le coefficient de prix a été corrigé.\rNouvelle valeur : ")
KAMINOR_TEXT(Btn_Ok, "Ok")
KAMINOR_TEXT(Btn_Annuler, "Annuler")

// Update check
KAMINOR_TEXT(Txt_Ver_a_jour, "Cette version est à jour.")
KAMINOR_TEXT(Txt_Ver_Nouv, "Une nouvelle mise à jour est disponible.")
KAMINOR_TEXT(Txt_Ver_MaJ_impo, "Impossible de vérifier les mises à jour pour le moment, veuillez vérifier "
                               "votre connexion internet ou réessayer plus tard.")
KAMINOR_TEXT(Btn_SiteWeb, "Site Web")
KAMINOR_TEXT(Btn_Historic, "Historique")
KAMINOR_TEXT(Btn_Fermer, "Fermer")

// About window and help
KAMINOR_TEXT(
    Infos_Texte,
    "Ce programme permet de configurer votre poêle à bûches. Cliquez les boutons de contact afin d'ouvrir "
    "votre logiciel de messagerie avec un email pré-rempli (Maintenir pressée la touche ⌥ tout en cliquant "
    "le bouton pour copier le texte dans le presse-papiers).\r"
    " \r"
    "Les revendeurs peuvent obtenir le code permettant d'afficher les prix des appareils. Une fois ce code "
    "saisi dans les préférences, il est possible de verrouiller ces dernières (le code sera alors demandé à "
    "chaque ouverture du panneau de préférences).\r"
    " \r"
    " \r"
    "Ce programme est distribué gratuitement ; il ne peut être ni vendu ni modifié sans l'accord de ses "
    "auteurs.\r"
    " \r"
    "Cordialement,\r"
    "Les auteurs de Kaminor.\r"
    " \r"
    "Toutes les suggestions sont les bienvenues.\r"
    "Si vous remarquez des dysfonctionnements, merci de nous le faire savoir. \r"
    "N'hésitez pas non plus à proposer vos idées de programmes.\r"
    " \r"
    "Ce programme crée un fichier nommé “Kaminor.txt” dans le dossier Préférences.\r"
    "Les auteurs déclinent toutes responsabilités quant à l'utilisation de ce logiciel. Ils ne sauraient "
    "être tenus responsables d'une quelconque perte de données suite à l'utilisation de ce logiciel.\r"
    " \r"
    " \r"
    "Un grand merci aux personnes suivantes pour les tests et les localisations.\r"
    "Localisation Anglaise : l'équipe Kaminor")
KAMINOR_TEXT(Infos_StTextCopRight, "© 2026 Les auteurs de Kaminor. Tous droits réservés.")
KAMINOR_TEXT(
    Txt_AideNonDispo,
    "L'aide n'est pas disponible pour ¿%.\rVeuillez lire “¿%”.\r \rCette version a été compilée pour ¿%.")
KAMINOR_TEXT(Btn_LireAbout, "Lire À propos")
KAMINOR_TEXT(Btn_FAQ, "FAQ")

const std::array<Entry, 100>& catalogue() {
    static const std::array<Entry, 100> entries{{
        {"Menu_Fichier", &Menu_Fichier},
        {"Menu_FichierCloseWin", &Menu_FichierCloseWin},
        {"Menu_Edit", &Menu_Edit},
        {"Menu_EditCut", &Menu_EditCut},
        {"Menu_EditCopy", &Menu_EditCopy},
        {"Menu_EditPaste", &Menu_EditPaste},
        {"Menu_EditClear", &Menu_EditClear},
        {"Menu_EditSelectAll", &Menu_EditSelectAll},
        {"Menu_Aide", &Menu_Aide},
        {"Menu_AideAide", &Menu_AideAide},
        {"Menu_AppleApropos", &Menu_AppleApropos},
        {"Menu_Preferences", &Menu_Preferences},
        {"Menu_AppleVMaJ", &Menu_AppleVMaJ},
        {"GrBoxBody", &GrBoxBody},
        {"RdBtnBody_KD", &RdBtnBody_KD},
        {"RdBtnBody_TS", &RdBtnBody_TS},
        {"RdBtnBody_OV", &RdBtnBody_OV},
        {"RdBtnBody_ZT", &RdBtnBody_ZT},
        {"RdBtnBody_HD", &RdBtnBody_HD},
        {"RdBtnBody_KDd", &RdBtnBody_KDd},
        {"RdBtnBody_TSd", &RdBtnBody_TSd},
        {"RdBtnBody_OVd", &RdBtnBody_OVd},
        {"RdBtnBody_ZTd", &RdBtnBody_ZTd},
        {"RdBtnBody_HDd", &RdBtnBody_HDd},
        {"GrBoxBodCol", &GrBoxBodCol},
        {"RdBtnNoir", &RdBtnNoir},
        {"RdBtnGris", &RdBtnGris},
        {"GrBoxStoveSide", &GrBoxStoveSide},
        {"RdBtn_AGT", &RdBtn_AGT},
        {"RdBtn_AGR", &RdBtn_AGR},
        {"RdBtn_ANM", &RdBtn_ANM},
        {"RdBtn_PGN", &RdBtn_PGN},
        {"RdBtn_PSE", &RdBtn_PSE},
        {"RdBtn_CBL", &RdBtn_CBL},
        {"RdBtn_Sans", &RdBtn_Sans},
        {"GrBoxPlate", &GrBoxPlate},
        {"GrBoxDoorGlass", &GrBoxDoorGlass},
        {"RdBtnNon", &RdBtnNon},
        {"RdBtnOui", &RdBtnOui},
        {"GrBoxDoorLogs", &GrBoxDoorLogs},
        {"RdBtnDLacier", &RdBtnDLacier},
        {"RdBtnDLverre", &RdBtnDLverre},
        {"RdBtnSans", &RdBtnSans},
        {"GrBoxTablet", &GrBoxTablet},
        {"LbTxtRef", &LbTxtRef},
        {"GrBoxPrices", &GrBoxPrices},
        {"LbTxtPriceHT", &LbTxtPriceHT},
        {"LbTxtPriceTTC", &LbTxtPriceTTC},
        {"LbTxtCredImp", &LbTxtCredImp},
        {"LbTxtCoutFin", &LbTxtCoutFin},
        {"LbCurrency", &LbCurrency},
        {"GrBoxTVA", &GrBoxTVA},
        {"RdBtnTVA", &RdBtnTVA},
        {"GrBoxCredImp", &GrBoxCredImp},
        {"RdBtnCredImp", &RdBtnCredImp},
        {"LbTxtInfoCde", &LbTxtInfoCde},
        {"Btn_Info", &Btn_Info},
        {"Btn_Cde", &Btn_Cde},
        {"LbTxtSendMail", &LbTxtSendMail},
        {"Btn_SendMail", &Btn_SendMail},
        {"Btns_Contact_HT", &Btns_Contact_HT},
        {"Btn_OuvComp", &Btn_OuvComp},
        {"Btn_OuvComp_HT", &Btn_OuvComp_HT},
        {"Txt_Hello", &Txt_Hello},
        {"Txt_WishOrder", &Txt_WishOrder},
        {"Txt_WishInfoFor", &Txt_WishInfoFor},
        {"Txt_IhaveSelect", &Txt_IhaveSelect},
        {"Txt_YouhaveSelect", &Txt_YouhaveSelect},
        {"Txt_ContMark", &Txt_ContMark},
        {"Txt_DelivWithin", &Txt_DelivWithin},
        {"LbMyDetails", &LbMyDetails},
        {"Txt_Side", &Txt_Side},
        {"Txt_Sep2dot", &Txt_Sep2dot},
        {"Txt_AdaptAirConnect", &Txt_AdaptAirConnect},
        {"Txt_EtPlastron", &Txt_EtPlastron},
        {"Txt_Attente", &Txt_Attente},
        {"Txt_CombiImposs", &Txt_CombiImposs},
        {"Txt_VisuelIndispo", &Txt_VisuelIndispo},
        {"ChBoxAffHlpTg", &ChBoxAffHlpTg},
        {"ChBoxSfx", &ChBoxSfx},
        {"ChBoxAutoUpdt", &ChBoxAutoUpdt},
        {"LbTxtPasswPrice", &LbTxtPasswPrice},
        {"LbTxtCoeffPrix", &LbTxtCoeffPrix},
        {"ChBoxLockPrefs", &ChBoxLockPrefs},
        {"ChBoxLockPrefs_HT", &ChBoxLockPrefs_HT},
        {"ChBoxEncodWin", &ChBoxEncodWin},
        {"Txt_CoeffCorrige", &Txt_CoeffCorrige},
        {"Btn_Ok", &Btn_Ok},
        {"Btn_Annuler", &Btn_Annuler},
        {"Txt_Ver_a_jour", &Txt_Ver_a_jour},
        {"Txt_Ver_Nouv", &Txt_Ver_Nouv},
        {"Txt_Ver_MaJ_impo", &Txt_Ver_MaJ_impo},
        {"Btn_SiteWeb", &Btn_SiteWeb},
        {"Btn_Historic", &Btn_Historic},
        {"Btn_Fermer", &Btn_Fermer},
        {"Infos_Texte", &Infos_Texte},
        {"Infos_StTextCopRight", &Infos_StTextCopRight},
        {"Txt_AideNonDispo", &Txt_AideNonDispo},
        {"Btn_LireAbout", &Btn_LireAbout},
        {"Btn_FAQ", &Btn_FAQ},
    }};
    return entries;
}

} // namespace Localisation
