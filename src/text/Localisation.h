// The catalogue of the texts the user sees or mails, with their French defaults.
// Each text has an accessor named like it. The language code picks a translation
// ("en", "en_GB", ...); the empty code asks for the user's language (QLocale()).
// When no translation exists the French default is returned. Line breaks inside a
// text are carriage returns; templates mark their variable places with "¿%"
// and are cut with Fncts::FracTexte.
#pragma once

#include <QString>

#include <array>

namespace Localisation {

// Menus
QString Menu_Fichier(const QString& lang = QString());
QString Menu_FichierCloseWin(const QString& lang = QString());
QString Menu_Edit(const QString& lang = QString());
QString Menu_EditCut(const QString& lang = QString());
QString Menu_EditCopy(const QString& lang = QString());
QString Menu_EditPaste(const QString& lang = QString());
QString Menu_EditClear(const QString& lang = QString());
QString Menu_EditSelectAll(const QString& lang = QString());
QString Menu_Aide(const QString& lang = QString());
QString Menu_AideAide(const QString& lang = QString());
QString Menu_AppleApropos(const QString& lang = QString());
QString Menu_Preferences(const QString& lang = QString());
QString Menu_AppleVMaJ(const QString& lang = QString());

// Main window, configuration groups and option captions
QString GrBoxBody(const QString& lang = QString());
QString RdBtnBody_KD(const QString& lang = QString());
QString RdBtnBody_TS(const QString& lang = QString());
QString RdBtnBody_OV(const QString& lang = QString());
QString RdBtnBody_ZT(const QString& lang = QString());
QString RdBtnBody_HD(const QString& lang = QString());
QString RdBtnBody_KDd(const QString& lang = QString());
QString RdBtnBody_TSd(const QString& lang = QString());
QString RdBtnBody_OVd(const QString& lang = QString());
QString RdBtnBody_ZTd(const QString& lang = QString());
QString RdBtnBody_HDd(const QString& lang = QString());
QString GrBoxBodCol(const QString& lang = QString());
QString RdBtnNoir(const QString& lang = QString());
QString RdBtnGris(const QString& lang = QString());
QString GrBoxStoveSide(const QString& lang = QString());
QString RdBtn_AGT(const QString& lang = QString());
QString RdBtn_AGR(const QString& lang = QString());
QString RdBtn_ANM(const QString& lang = QString());
QString RdBtn_PGN(const QString& lang = QString());
QString RdBtn_PSE(const QString& lang = QString());
QString RdBtn_CBL(const QString& lang = QString());
QString RdBtn_Sans(const QString& lang = QString());
QString GrBoxPlate(const QString& lang = QString());
QString GrBoxDoorGlass(const QString& lang = QString());
QString RdBtnNon(const QString& lang = QString());
QString RdBtnOui(const QString& lang = QString());
QString GrBoxDoorLogs(const QString& lang = QString());
QString RdBtnDLacier(const QString& lang = QString());
QString RdBtnDLverre(const QString& lang = QString());
QString RdBtnSans(const QString& lang = QString());
QString GrBoxTablet(const QString& lang = QString());
QString LbTxtRef(const QString& lang = QString());

// Prices
QString GrBoxPrices(const QString& lang = QString());
QString LbTxtPriceHT(const QString& lang = QString());
QString LbTxtPriceTTC(const QString& lang = QString());
QString LbTxtCredImp(const QString& lang = QString());
QString LbTxtCoutFin(const QString& lang = QString());
QString LbCurrency(const QString& lang = QString());
QString GrBoxTVA(const QString& lang = QString());
QString RdBtnTVA(const QString& lang = QString());
QString GrBoxCredImp(const QString& lang = QString());
QString RdBtnCredImp(const QString& lang = QString());

// Contact buttons, description and e-mail texts
QString LbTxtInfoCde(const QString& lang = QString());
QString Btn_Info(const QString& lang = QString());
QString Btn_Cde(const QString& lang = QString());
QString LbTxtSendMail(const QString& lang = QString());
QString Btn_SendMail(const QString& lang = QString());
QString Btns_Contact_HT(const QString& lang = QString());
QString Btn_OuvComp(const QString& lang = QString());
QString Btn_OuvComp_HT(const QString& lang = QString());
QString Txt_Hello(const QString& lang = QString());
QString Txt_WishOrder(const QString& lang = QString());
QString Txt_WishInfoFor(const QString& lang = QString());
QString Txt_IhaveSelect(const QString& lang = QString());
QString Txt_YouhaveSelect(const QString& lang = QString());
QString Txt_ContMark(const QString& lang = QString());
QString Txt_DelivWithin(const QString& lang = QString());
QString LbMyDetails(const QString& lang = QString());
QString Txt_Side(const QString& lang = QString());
QString Txt_Sep2dot(const QString& lang = QString());
QString Txt_AdaptAirConnect(const QString& lang = QString());
QString Txt_EtPlastron(const QString& lang = QString());
QString Txt_Attente(const QString& lang = QString());

// Picture placeholders
QString Txt_CombiImposs(const QString& lang = QString());
QString Txt_VisuelIndispo(const QString& lang = QString());

// Preferences window
QString ChBoxAffHlpTg(const QString& lang = QString());
QString ChBoxSfx(const QString& lang = QString());
QString ChBoxAutoUpdt(const QString& lang = QString());
QString LbTxtPasswPrice(const QString& lang = QString());
QString LbTxtCoeffPrix(const QString& lang = QString());
QString ChBoxLockPrefs(const QString& lang = QString());
QString ChBoxLockPrefs_HT(const QString& lang = QString());
QString ChBoxEncodWin(const QString& lang = QString());
QString Txt_CoeffCorrige(const QString& lang = QString());
QString Btn_Ok(const QString& lang = QString());
QString Btn_Annuler(const QString& lang = QString());

// Update check
QString Txt_Ver_a_jour(const QString& lang = QString());
QString Txt_Ver_Nouv(const QString& lang = QString());
QString Txt_Ver_MaJ_impo(const QString& lang = QString());
QString Btn_SiteWeb(const QString& lang = QString());
QString Btn_Historic(const QString& lang = QString());
QString Btn_Fermer(const QString& lang = QString());

// About window and help
QString Infos_Texte(const QString& lang = QString());
QString Infos_StTextCopRight(const QString& lang = QString());
QString Txt_AideNonDispo(const QString& lang = QString());
QString Btn_LireAbout(const QString& lang = QString());
QString Btn_FAQ(const QString& lang = QString());

// Every text of the catalogue, by constant name, in catalogue order.
struct Entry {
    const char* name;
    QString (*text)(const QString& lang);
};
const std::array<Entry, 100>& catalogue();

// The translation stored under fullName ("Localisation.Btn_Ok") for lang, or
// frenchDefault when there is none.
QString lookup(const char* fullName, const QString& frenchDefault, const QString& lang);

} // namespace Localisation
