<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Localisation</name>
    <message id="Localisation.Menu_Fichier">
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message id="Localisation.Menu_FichierCloseWin">
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message id="Localisation.Menu_Edit">
        <source>Édition</source>
        <translation>Edit</translation>
    </message>
    <message id="Localisation.Menu_EditCut">
        <source>Couper</source>
        <translation>Cut</translation>
    </message>
    <message id="Localisation.Menu_EditCopy">
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message id="Localisation.Menu_EditPaste">
        <source>Coller</source>
        <translation>Paste</translation>
    </message>
    <message id="Localisation.Menu_EditClear">
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message id="Localisation.Menu_EditSelectAll">
        <source>Tout sélectionner</source>
        <translation>Select All</translation>
    </message>
    <message id="Localisation.Menu_Aide">
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message id="Localisation.Menu_AideAide">
        <source>Aide Kaminor</source>
        <translation>Kaminor Help</translation>
    </message>
    <message id="Localisation.Menu_AppleApropos">
        <source>À propos de Kaminor</source>
        <translation>About Kaminor</translation>
    </message>
    <message id="Localisation.Menu_Preferences">
        <source>Préférences…</source>
        <translation>Preferences…</translation>
    </message>
    <message id="Localisation.Menu_AppleVMaJ">
        <source>Vérifier les mises à jour…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message id="Localisation.GrBoxBody">
        <source>Modèle</source>
        <translation>Model</translation>
    </message>
    <message id="Localisation.RdBtnBody_KD">
        <source>Kolda</source>
        <translation>Kolda</translation>
    </message>
    <message id="Localisation.RdBtnBody_TS">
        <source>Tessa</source>
        <translation>Tessa</translation>
    </message>
    <message id="Localisation.RdBtnBody_OV">
        <source>Orvo</source>
        <translation>Orvo</translation>
    </message>
    <message id="Localisation.RdBtnBody_ZT">
        <source>Zelta</source>
        <translation>Zelta</translation>
    </message>
    <message id="Localisation.RdBtnBody_HD">
        <source>Hodra</source>
        <translation>Hodra</translation>
    </message>
    <message id="Localisation.RdBtnBody_KDd">
        <source>modèle de base</source>
        <translation>basic model</translation>
    </message>
    <message id="Localisation.RdBtnBody_TSd">
        <source>avec petit chauffe-plat</source>
        <translation>with small plate warmer</translation>
    </message>
    <message id="Localisation.RdBtnBody_OVd">
        <source>sur pied pivotant</source>
        <translation>on a swivelling stand</translation>
    </message>
    <message id="Localisation.RdBtnBody_ZTd">
        <source>avec accumulateur de chaleur</source>
        <translation>with heat accumulator</translation>
    </message>
    <message id="Localisation.RdBtnBody_HDd">
        <source>pivotant sur socle</source>
        <translation>swivelling on a base</translation>
    </message>
    <message id="Localisation.GrBoxBodCol">
        <source>Couleur du corps</source>
        <translation>Body colour</translation>
    </message>
    <message id="Localisation.RdBtnNoir">
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message id="Localisation.RdBtnGris">
        <source>Gris</source>
        <translation>Grey</translation>
    </message>
    <message id="Localisation.GrBoxStoveSide">
        <source>Cotés du poêle</source>
        <translation>Stove sides</translation>
    </message>
    <message id="Localisation.RdBtn_AGT">
        <source>Acier laqué gris argent</source>
        <translation>Silver-grey lacquered steel</translation>
    </message>
    <message id="Localisation.RdBtn_AGR">
        <source>Acier laqué gris</source>
        <translation>Grey lacquered steel</translation>
    </message>
    <message id="Localisation.RdBtn_ANM">
        <source>Acier laqué noir</source>
        <translation>Black lacquered steel</translation>
    </message>
    <message id="Localisation.RdBtn_PGN">
        <source>Granit noir</source>
        <translation>Black granite</translation>
    </message>
    <message id="Localisation.RdBtn_PSE">
        <source>Pierre ollaire serpentino</source>
        <translation>Serpentino soapstone</translation>
    </message>
    <message id="Localisation.RdBtn_CBL">
        <source>Céramique blanche</source>
        <translation>White ceramic</translation>
    </message>
    <message id="Localisation.RdBtn_Sans">
        <source>Sans</source>
        <translation>None</translation>
    </message>
    <message id="Localisation.GrBoxPlate">
        <source>Plaque de dessus</source>
        <translation>Top plate</translation>
    </message>
    <message id="Localisation.GrBoxDoorGlass">
        <source>Porte verre sérigraphié</source>
        <translation>Screen-printed glass door</translation>
    </message>
    <message id="Localisation.RdBtnNon">
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message id="Localisation.RdBtnOui">
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message id="Localisation.GrBoxDoorLogs">
        <source>Porte de bûcher</source>
        <translation>Log store door</translation>
    </message>
    <message id="Localisation.RdBtnDLacier">
        <source>Acier</source>
        <translation>Steel</translation>
    </message>
    <message id="Localisation.RdBtnDLverre">
        <source>Verre sérigraphié</source>
        <translation>Screen-printed glass</translation>
    </message>
    <message id="Localisation.RdBtnSans">
        <source>Sans</source>
        <translation>None</translation>
    </message>
    <message id="Localisation.GrBoxTablet">
        <source>Tablette chauffe-plat</source>
        <translation>Warming tablet</translation>
    </message>
    <message id="Localisation.LbTxtRef">
        <source>Référence photo</source>
        <translation>Photo reference</translation>
    </message>
    <message id="Localisation.GrBoxPrices">
        <source>Prix</source>
        <translation>Prices</translation>
    </message>
    <message id="Localisation.LbTxtPriceHT">
        <source>Prix HT :</source>
        <translation>Price excl. VAT:</translation>
    </message>
    <message id="Localisation.LbTxtPriceTTC">
        <source>Prix TTC :</source>
        <translation>Price incl. VAT:</translation>
    </message>
    <message id="Localisation.LbTxtCredImp">
        <source>Crédit d'impôt :</source>
        <translation>Tax credit:</translation>
    </message>
    <message id="Localisation.LbTxtCoutFin">
        <source>Coût final :</source>
        <translation>Final cost:</translation>
    </message>
    <message id="Localisation.LbCurrency">
        <source>€</source>
        <translation>€</translation>
    </message>
    <message id="Localisation.GrBoxTVA">
        <source>TVA</source>
        <translation>VAT</translation>
    </message>
    <message id="Localisation.RdBtnTVA">
        <source>TVA ¿%</source>
        <translation>VAT ¿%</translation>
    </message>
    <message id="Localisation.GrBoxCredImp">
        <source>Crédit d'impôt (à confirmer)</source>
        <translation>Tax credit (to be confirmed)</translation>
    </message>
    <message id="Localisation.RdBtnCredImp">
        <source>CI ¿%</source>
        <translation>TC ¿%</translation>
    </message>
    <message id="Localisation.LbTxtInfoCde">
        <source>Pour nous contacter</source>
        <translation>Contact us</translation>
    </message>
    <message id="Localisation.Btn_Info">
        <source>Renseignements</source>
        <translation>Information</translation>
    </message>
    <message id="Localisation.Btn_Cde">
        <source>Commande</source>
        <translation>Order</translation>
    </message>
    <message id="Localisation.LbTxtSendMail">
        <source>Poêle sélectionné</source>
        <translation>Selected stove</translation>
    </message>
    <message id="Localisation.Btn_SendMail">
        <source>Envoyer email</source>
        <translation>Send e-mail</translation>
    </message>
    <message id="Localisation.Btns_Contact_HT">
        <source>⌥ clic pour copier dans le presse-papiers</source>
        <translation>Alt-click to copy to the clipboard</translation>
    </message>
    <message id="Localisation.Btn_OuvComp">
        <source>Comparateur d'énergie</source>
        <translation>Energy comparator</translation>
    </message>
    <message id="Localisation.Btn_OuvComp_HT">
        <source>Ouvre “Comparateur d'énergie” dans votre navigateur</source>
        <translation>Opens “Energy comparator” in your web browser</translation>
    </message>
    <message id="Localisation.Txt_Hello">
        <source>Bonjour,</source>
        <translation>Hello,</translation>
    </message>
    <message id="Localisation.Txt_WishOrder">
        <source>Je souhaite passer commande du poêle suivant :</source>
        <translation>I would like to order the following stove:</translation>
    </message>
    <message id="Localisation.Txt_WishInfoFor">
        <source>Je souhaite des renseignements sur le poêle suivant :</source>
        <translation>I would like information about the following stove:</translation>
    </message>
    <message id="Localisation.Txt_IhaveSelect">
        <source>J'ai sélectionné le poêle suivant :</source>
        <translation>I have selected the following stove:</translation>
    </message>
    <message id="Localisation.Txt_YouhaveSelect">
        <source>Vous avez sélectionné le poêle suivant :</source>
        <translation>You have selected the following stove:</translation>
    </message>
    <message id="Localisation.Txt_ContMark">
        <source>Contremarque (nom du client final) : </source>
        <translation>Reference (end customer's name): </translation>
    </message>
    <message id="Localisation.Txt_DelivWithin">
        <source>Date de livraison souhaitée (délai) : </source>
        <translation>Requested delivery date (lead time): </translation>
    </message>
    <message id="Localisation.LbMyDetails">
        <source>Mes coordonnées :</source>
        <translation>My details:</translation>
    </message>
    <message id="Localisation.Txt_Side">
        <source>Cotés</source>
        <translation>Sides</translation>
    </message>
    <message id="Localisation.Txt_Sep2dot">
        <source> : </source>
        <translation>: </translation>
    </message>
    <message id="Localisation.Txt_AdaptAirConnect">
        <source>Adapt racc air ext</source>
        <translation>Outside air connection adapter</translation>
    </message>
    <message id="Localisation.Txt_EtPlastron">
        <source> (et Plastron)</source>
        <translation> (and front panel)</translation>
    </message>
    <message id="Localisation.Txt_Attente">
        <source>…</source>
        <translation>…</translation>
    </message>
    <message id="Localisation.Txt_CombiImposs">
        <source>Combinaison&#13;  impossible</source>
        <translation>  Impossible&#13;combination</translation>
    </message>
    <message id="Localisation.Txt_VisuelIndispo">
        <source>    Visuel&#13;indisponible</source>
        <translation>   Picture&#13;unavailable</translation>
    </message>
    <message id="Localisation.ChBoxAffHlpTg">
        <source>Afficher les bulles d'aide</source>
        <translation>Show help tags</translation>
    </message>
    <message id="Localisation.ChBoxSfx">
        <source>Effets sonores</source>
        <translation>Sound effects</translation>
    </message>
    <message id="Localisation.ChBoxAutoUpdt">
        <source>Vérifier automatiquement les mises à jour</source>
        <translation>Check for updates automatically</translation>
    </message>
    <message id="Localisation.LbTxtPasswPrice">
        <source>Entrer le mot de passe pour afficher les prix :</source>
        <translation>Enter the password to show prices:</translation>
    </message>
    <message id="Localisation.LbTxtCoeffPrix">
        <source>Coefficient prix :</source>
        <translation>Price coefficient:</translation>
    </message>
    <message id="Localisation.ChBoxLockPrefs">
        <source>Verrouiller les préférences</source>
        <translation>Lock preferences</translation>
    </message>
    <message id="Localisation.ChBoxLockPrefs_HT">
        <source>Il faudra entrer à nouveau le mot de passe à chaque ouverture des préférences</source>
        <translation>The password will have to be entered again each time the preferences are opened</translation>
    </message>
    <message id="Localisation.ChBoxEncodWin">
        <source>Encodage WindowsLatin1 (email)</source>
        <translation>Windows Latin-1 encoding (e-mail)</translation>
    </message>
    <message id="Localisation.Txt_CoeffCorrige">
        <source>Le coefficient de prix a été corrigé.&#13;Nouvelle valeur : </source>
        <translation>The price coefficient has been corrected.&#13;New value: </translation>
    </message>
    <message id="Localisation.Btn_Ok">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="Localisation.Btn_Annuler">
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message id="Localisation.Txt_Ver_a_jour">
        <source>Cette version est à jour.</source>
        <translation>This version is up to date.</translation>
    </message>
    <message id="Localisation.Txt_Ver_Nouv">
        <source>Une nouvelle mise à jour est disponible.</source>
        <translation>A new update is available.</translation>
    </message>
    <message id="Localisation.Txt_Ver_MaJ_impo">
        <source>Impossible de vérifier les mises à jour pour le moment, veuillez vérifier votre connexion internet ou réessayer plus tard.</source>
        <translation>Unable to check for updates at the moment. Please check your internet connection or try again later.</translation>
    </message>
    <message id="Localisation.Btn_SiteWeb">
        <source>Site Web</source>
        <translation>Web Site</translation>
    </message>
    <message id="Localisation.Btn_Historic">
        <source>Historique</source>
        <translation>History</translation>
    </message>
    <message id="Localisation.Btn_Fermer">
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message id="Localisation.Infos_Texte">
        <source>Ce programme permet de configurer votre poêle à bûches. Cliquez les boutons de contact afin d'ouvrir votre logiciel de messagerie avec un email pré-rempli (Maintenir pressée la touche ⌥ tout en cliquant le bouton pour copier le texte dans le presse-papiers).&#13; &#13;Les revendeurs peuvent obtenir le code permettant d'afficher les prix des appareils. Une fois ce code saisi dans les préférences, il est possible de verrouiller ces dernières (le code sera alors demandé à chaque ouverture du panneau de préférences).&#13; &#13; &#13;Ce programme est distribué gratuitement ; il ne peut être ni vendu ni modifié sans l'accord de ses auteurs.&#13; &#13;Cordialement,&#13;Les auteurs de Kaminor.&#13; &#13;Toutes les suggestions sont les bienvenues.&#13;Si vous remarquez des dysfonctionnements, merci de nous le faire savoir. &#13;N'hésitez pas non plus à proposer vos idées de programmes.&#13; &#13;Ce programme crée un fichier nommé “Kaminor.txt” dans le dossier Préférences.&#13;Les auteurs déclinent toutes responsabilités quant à l'utilisation de ce logiciel. Ils ne sauraient être tenus responsables d'une quelconque perte de données suite à l'utilisation de ce logiciel.&#13; &#13; &#13;Un grand merci aux personnes suivantes pour les tests et les localisations.&#13;Localisation Anglaise : l'équipe Kaminor</source>
        <translation>This program lets you configure your wood-burning stove. Click the contact buttons to open your e-mail program with a pre-filled e-mail (hold down the Alt key while clicking the button to copy the text to the clipboard).&#13; &#13;Dealers can obtain the code that shows the prices of the stoves. Once this code has been entered in the preferences, the preferences can be locked (the code will then be asked for each time the preferences panel is opened).&#13; &#13; &#13;This program is distributed free of charge; it may be neither sold nor modified without its authors' consent.&#13; &#13;Kind regards,&#13;The Kaminor authors.&#13; &#13;All suggestions are welcome.&#13;If you notice anything that does not work properly, please let us know. &#13;Feel free to suggest your ideas for programs, too.&#13; &#13;This program creates a file named “Kaminor.txt” in the Preferences folder.&#13;The authors accept no liability for the use of this software. They cannot be held responsible for any loss of data resulting from the use of this software.&#13; &#13; &#13;Many thanks to the following people for testing and localisation.&#13;English localisation: the Kaminor team</translation>
    </message>
    <message id="Localisation.Infos_StTextCopRight">
        <source>© 2026 Les auteurs de Kaminor. Tous droits réservés.</source>
        <translation>© 2026 The Kaminor authors. All rights reserved.</translation>
    </message>
    <message id="Localisation.Txt_AideNonDispo">
        <source>L'aide n'est pas disponible pour ¿%.&#13;Veuillez lire “¿%”.&#13; &#13;Cette version a été compilée pour ¿%.</source>
        <translation>Help is not available for ¿%.&#13;Please read “¿%”.&#13; &#13;This version was built for ¿%.</translation>
    </message>
    <message id="Localisation.Btn_LireAbout">
        <source>Lire À propos</source>
        <translation>Read About</translation>
    </message>
    <message id="Localisation.Btn_FAQ">
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
</context>
</TS>
