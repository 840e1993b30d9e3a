// The user's settings, held by the application object for the whole run.
#pragma once

#include <QDateTime>
#include <QString>

namespace Kaminor {

struct Prefs {
    bool AffHelpTag = true;     // the main window's controls show their help tags
    bool AutoCheckUpdt = false; // check for a new version at the first launch of a day
    QString PasswPrix;          // the price password as last entered
    bool Sfx = true;            // sound effects
    QString DossierPref;        // the folder of the preferences file; empty when none
    QDateTime DateDuJour;       // the moment of this launch
    QDateTime DateLaunch;       // the moment of the previous launch, to the second
    bool initProg = false;      // the start-up has completed
    double CoeffPrix = 1.0;     // the dealer's price coefficient
    bool DrapAffPrices = false; // prices are shown: always pricePasswordOk(PasswPrix)
    bool LockPrefs = false;     // the preferences window asks for the password again
    QString MyDetails = defaultDetails(); // the dealer's details, several lines
    bool EncodWin = false;      // contact e-mails in Windows Latin-1
    bool DrapOkQuit = false;    // the application is quitting

    // The details a record starts with: the catalogue's placeholder text.
    static QString defaultDetails();
};

// The coefficient's limits, inclusive.
inline constexpr double CoeffPrixMin = 0.000001;
inline constexpr double CoeffPrixMax = 999.0;

// True when the text is the price password, letter case ignored.
bool pricePasswordOk(const QString& password);

// The coefficient as stored and shown: a point, at least one digit before it,
// one to six decimals, the value rounded to six decimals (1 gives "1.0",
// 0.000001 gives "0.000001").
QString coeffText(double coeff);

// Reads a coefficient written with a point or with a comma, whatever the
// user's number settings, blanks around it allowed. False when the text is not
// wholly a number.
bool coeffFromText(const QString& text, double& coeff);

} // namespace Kaminor
