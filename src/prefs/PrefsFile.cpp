#include "PrefsFile.h"

#include "core/FnctsState.h"
#include "prefs/CoDec.h"
#include "text/Feedback.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <limits>

namespace Kaminor {
namespace {

const QString ScrambleKey = QStringLiteral("RiZag#Wd");
constexpr qint16 ScrambleAlphabet = 1;
const QString SqlDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

enum class Key {
    DateLaunch,
    AutoCheckUpdate,
    AfficherHelpTag,
    EffetsSonores,
    EncodageWindows,
    PasswordPrices,
    CoeffPrix,
    LockPrefs,
    MyDetails,
    FenetreWin,
    MindBody,
    MindDoorGlass,
    MindColor,
    MindSide,
    MindPlate,
    MindTablet,
    MindDoorLogs,
    MindCredImp,
    MindTVA,
};

struct KeyName {
    Key key;
    QLatin1StringView name;
};

// The keys in the order the file is written.
constexpr std::array<KeyName, 19> KeyNames{{
    {Key::DateLaunch, QLatin1StringView("Date Launch")},
    {Key::AutoCheckUpdate, QLatin1StringView("Auto Check Update")},
    {Key::AfficherHelpTag, QLatin1StringView("Afficher HelpTag")},
    {Key::EffetsSonores, QLatin1StringView("Effets sonores")},
    {Key::EncodageWindows, QLatin1StringView("Encodage Windows")},
    {Key::PasswordPrices, QLatin1StringView("Password Prices")},
    {Key::CoeffPrix, QLatin1StringView("Coeff Prix")},
    {Key::LockPrefs, QLatin1StringView("Lock Prefs")},
    {Key::MyDetails, QLatin1StringView("My Details")},
    {Key::FenetreWin, QLatin1StringView("Fenetre Win")},
    {Key::MindBody, QLatin1StringView("MindBody")},
    {Key::MindDoorGlass, QLatin1StringView("MindDoorGlass")},
    {Key::MindColor, QLatin1StringView("MindColor")},
    {Key::MindSide, QLatin1StringView("MindSide")},
    {Key::MindPlate, QLatin1StringView("MindPlate")},
    {Key::MindTablet, QLatin1StringView("MindTablet")},
    {Key::MindDoorLogs, QLatin1StringView("MindDoorLogs")},
    {Key::MindCredImp, QLatin1StringView("MindCredImp")},
    {Key::MindTVA, QLatin1StringView("MindTVA")},
}};

// The selection group stored under a Mind key.
Group groupOf(Key key)
{
    switch (key) {
    case Key::MindBody: return Group::Body;
    case Key::MindDoorGlass: return Group::DoorGlass;
    case Key::MindColor: return Group::Color;
    case Key::MindSide: return Group::Side;
    case Key::MindPlate: return Group::Plate;
    case Key::MindTablet: return Group::Tablet;
    case Key::MindDoorLogs: return Group::DoorLogs;
    case Key::MindCredImp: return Group::CredImp;
    default: return Group::TVA;
    }
}

QStringConverter::Encoding fileEncoding()
{
    return Fncts::DefAppEncod.value_or(QStringConverter::Utf8);
}

bool isTrue(const QString& value)
{
    return value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

QString trueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// The leading number of a text: blanks, then an optional sign, then digits up
// to the first other character. No digits reads as 0; values beyond the signed
// 16-bit range are held at its limits.
qint16 leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        if (value <= 100000)
            value = value * 10 + (text.at(i).unicode() - '0');
    }
    if (negative)
        value = -value;
    return static_cast<qint16>(std::clamp<qint64>(value, std::numeric_limits<qint16>::min(),
                                                   std::numeric_limits<qint16>::max()));
}

QDateTime toSeconds(const QDateTime& moment)
{
    if (!moment.isValid())
        return moment;
    return QDateTime::fromSecsSinceEpoch(moment.toSecsSinceEpoch());
}

QDateTime readSqlDate(const QString& value)
{
    const QString text = value.trimmed();
    QDateTime moment = QDateTime::fromString(text, SqlDateFormat);
    if (!moment.isValid())
        moment = QDateTime(QDate::fromString(text, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return moment;
}

struct PendingBounds {
    qint16 left = -1;
    qint16 top = -1;
    qint16 width = 0;
    qint16 height = 0;
};

// The sums are taken wide: bounds whose right or bottom edge lies beyond the
// 16-bit range are past any screen's edge, not wrapped round onto it.
bool boundsValid(const PendingBounds& b, QSize screen)
{
    if (b.left < 0 || b.top < 38)
        return false;
    if (b.width < WinMainMinSize.width() || b.height < WinMainMinSize.height())
        return false;
    if (screen.width() < int(b.left) + int(b.width))
        return false;
    if (screen.height() < int(b.top) + int(b.height))
        return false;
    return true;
}

void applyLine(const QString& line, Prefs& prefs, PendingBounds& bounds, Selection& selection)
{
    const qsizetype at = line.indexOf(PrefsSeparator);
    if (at < 0)
        return;
    const QString key = line.left(at);
    const QString value = line.mid(at + PrefsSeparator.size());

    const auto found = std::find_if(KeyNames.begin(), KeyNames.end(), [&key](const KeyName& k) {
        return key.compare(k.name, Qt::CaseInsensitive) == 0;
    });
    if (found == KeyNames.end())
        return;

    switch (found->key) {
    case Key::DateLaunch: {
        const QDateTime moment = readSqlDate(value);
        if (moment.isValid())
            prefs.DateLaunch = moment;
        break;
    }
    case Key::AutoCheckUpdate: prefs.AutoCheckUpdt = isTrue(value); break;
    case Key::AfficherHelpTag: prefs.AffHelpTag = isTrue(value); break;
    case Key::EffetsSonores: prefs.Sfx = isTrue(value); break;
    case Key::EncodageWindows: prefs.EncodWin = isTrue(value); break;
    case Key::LockPrefs: prefs.LockPrefs = isTrue(value); break;
    case Key::PasswordPrices:
        prefs.PasswPrix = Fncts::CoDec(value, ScrambleKey, false, ScrambleAlphabet);
        break;
    case Key::CoeffPrix: {
        double coeff = 0;
        if (coeffFromText(Fncts::CoDec(value, ScrambleKey, false, ScrambleAlphabet), coeff)
            && coeff >= CoeffPrixMin && coeff <= CoeffPrixMax)
            prefs.CoeffPrix = coeff;
        break;
    }
    case Key::MyDetails:
        prefs.MyDetails = QString(value).replace(QLatin1Char('\t'), Fncts::EOL());
        break;
    case Key::FenetreWin: {
        const QStringList fields = value.split(QLatin1Char(','));
        const auto field = [&fields](int i) { return i < fields.size() ? leadingNumber(fields.at(i)) : qint16(0); };
        bounds = {field(0), field(1), field(2), field(3)};
        break;
    }
    default:
        selection.setIndex(groupOf(found->key), leadingNumber(value));
        break;
    }
}

void reportReadFailure()
{
    Fncts::BeepNbT(3);
    Fncts::ErrorReport(QStringLiteral("PrefsCharger, problem while reading file!"));
}

void reportWriteFailure()
{
    Fncts::BeepNbT(3);
    Fncts::ErrorReport(QStringLiteral("PrefsSauver, problem while writing file!"));
}

// Any line break (CR, LF or CR LF) as one tab, so that the details fit on one line.
QString detailsOnOneLine(const QString& details)
{
    QString text = details;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1Char('\t'));
    return text;
}

} // namespace

QString prefsFilePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Kaminor Prefs.txt"));
}

bool PrefsCharger(Prefs& prefs, const QString& folder, QRect& bounds, Selection& selection, QSize screenSize)
{
    const QString path = prefsFilePath(folder);

    prefs.DateLaunch = toSeconds(prefs.DateDuJour);
    prefs.AutoCheckUpdt = false;
    prefs.AffHelpTag = true;
    prefs.Sfx = true;
    prefs.EncodWin = false;
    prefs.PasswPrix.clear();
    prefs.CoeffPrix = 1.0;
    prefs.LockPrefs = false;
    prefs.MyDetails = Prefs::defaultDetails();

    // -1 marks a field the file does not give.
    for (int g = 0; g < GroupCount; ++g)
        selection.setIndex(Group(g), -1);
    PendingBounds pending;

    bool firstRun = true;
    bool readFailed = false;
    if (QFileInfo::exists(path)) {
        firstRun = false;
        QFile file(path);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly)) {
            bytes = file.readAll();
            readFailed = file.error() != QFileDevice::NoError;
        } else {
            readFailed = true;
        }
        if (!readFailed) {
            // The decoder drops a leading byte-order mark; lines may end in CR, LF or CR LF.
            QStringDecoder decode(fileEncoding());
            QString text = decode(bytes);
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            const QStringList lines = text.split(QLatin1Char('\n'));
            for (const QString& line : lines)
                applyLine(line, prefs, pending, selection);
        }
    }

    if (readFailed) {
        reportReadFailure();
    } else {
        bounds = boundsValid(pending, screenSize) ? QRect(pending.left, pending.top, pending.width, pending.height)
                                                  : WinMainDefaultBounds;
    }

    const Selection defaults = firstRunSelection();
    for (int g = 0; g < GroupCount; ++g) {
        const Group group = Group(g);
        const qint16 value = selection.index(group);
        if (value < 0 || value >= groupSize(group))
            selection.setIndex(group, defaults.index(group));
    }

    return firstRun || readFailed;
}

bool PrefsSauver(const Prefs& prefs, const QString& folder, const QRect& bounds, const Selection& selection)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;

    const QString eol = Fncts::EOL();
    QString text;
    const auto line = [&text, &eol](Key key, const QString& value) {
        text += KeyNames[static_cast<size_t>(key)].name;
        text += PrefsSeparator;
        text += value;
        text += eol;
    };
    line(Key::DateLaunch, prefs.DateDuJour.toLocalTime().toString(SqlDateFormat));
    line(Key::AutoCheckUpdate, trueFalse(prefs.AutoCheckUpdt));
    line(Key::AfficherHelpTag, trueFalse(prefs.AffHelpTag));
    line(Key::EffetsSonores, trueFalse(prefs.Sfx));
    line(Key::EncodageWindows, trueFalse(prefs.EncodWin));
    line(Key::PasswordPrices, Fncts::CoDec(prefs.PasswPrix, ScrambleKey, true, ScrambleAlphabet));
    line(Key::CoeffPrix, Fncts::CoDec(coeffText(prefs.CoeffPrix), ScrambleKey, true, ScrambleAlphabet));
    line(Key::LockPrefs, trueFalse(prefs.LockPrefs));
    line(Key::MyDetails, detailsOnOneLine(prefs.MyDetails));
    line(Key::FenetreWin, QStringLiteral("%1,%2,%3,%4")
                              .arg(bounds.left())
                              .arg(bounds.top())
                              .arg(bounds.width())
                              .arg(bounds.height()));
    for (Key key : {Key::MindBody, Key::MindDoorGlass, Key::MindColor, Key::MindSide, Key::MindPlate,
                    Key::MindTablet, Key::MindDoorLogs, Key::MindCredImp, Key::MindTVA})
        line(key, QString::number(selection.index(groupOf(key))));

    QStringEncoder encode(fileEncoding());
    const QByteArray bytes = encode(text);

    // Written beside the old file and put in its place only when complete.
    QSaveFile file(prefsFilePath(folder));
    if (!file.open(QIODevice::WriteOnly)) {
        reportWriteFailure();
        return false;
    }
    // Flushed here: commit() alone may rename a copy whose last bytes never reached the disk.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting(); // the unfinished copy is thrown away, the old file stays
        reportWriteFailure();
        return false;
    }
    if (!file.commit()) {
        reportWriteFailure();
        return false;
    }
    return true;
}

} // namespace Kaminor
