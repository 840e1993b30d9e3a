// The preferences-file reader against any bytes as the file. Whatever it reads
// must be in range, and what it reads must survive a save and a second read.
#include "FuzzSupport.h"

#include "core/Selection.h"
#include "prefs/Prefs.h"
#include "prefs/PrefsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace Kaminor;

namespace {

const QSize Screen(1920, 1200);

// In memory where the system has such a folder: the saver syncs the file to
// disk, which on a real disk costs more than everything else together.
QTemporaryDir& folder()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/kaminor-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kaminor-fuzz-XXXXXX"));
    return dir;
}

Prefs freshPrefs()
{
    Prefs prefs;
    prefs.DateDuJour = QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30));
    return prefs;
}

void checkInRange(const Prefs& prefs, const QRect& bounds, const Selection& selection)
{
    for (int g = 0; g < GroupCount; ++g) {
        const qint16 index = selection.index(Group(g));
        FUZZ_CHECK(index >= 0 && index < groupSize(Group(g)));
    }
    FUZZ_CHECK(prefs.CoeffPrix >= CoeffPrixMin && prefs.CoeffPrix <= CoeffPrixMax);
    FUZZ_CHECK(bounds == WinMainDefaultBounds ||
               (bounds.left() >= 0 && bounds.top() >= 38 && bounds.width() >= WinMainMinSize.width() &&
                bounds.height() >= WinMainMinSize.height() && bounds.left() + bounds.width() <= Screen.width() &&
                bounds.top() + bounds.height() <= Screen.height()));
    FUZZ_CHECK(prefs.DateLaunch.isValid());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FUZZ_CHECK(folder().isValid());
    const QString dir = folder().path();
    {
        QFile file(prefsFilePath(dir));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }

    Prefs first = freshPrefs();
    QRect firstBounds(1, 2, 3, 4);
    Selection firstSelection;
    const int reportsBefore = FuzzSupport::sink().messages;
    // An existing, readable file: not a first run, and nothing to report.
    FUZZ_CHECK(!PrefsCharger(first, dir, firstBounds, firstSelection, Screen));
    FUZZ_CHECK(FuzzSupport::sink().messages == reportsBefore);
    checkInRange(first, firstBounds, firstSelection);

    // What was read is written back and read again unchanged.
    FUZZ_CHECK(PrefsSauver(first, dir, firstBounds, firstSelection));
    Prefs second = freshPrefs();
    QRect secondBounds;
    Selection secondSelection;
    FUZZ_CHECK(!PrefsCharger(second, dir, secondBounds, secondSelection, Screen));
    checkInRange(second, secondBounds, secondSelection);

    FUZZ_CHECK(second.AutoCheckUpdt == first.AutoCheckUpdt);
    FUZZ_CHECK(second.AffHelpTag == first.AffHelpTag);
    FUZZ_CHECK(second.Sfx == first.Sfx);
    FUZZ_CHECK(second.EncodWin == first.EncodWin);
    FUZZ_CHECK(second.LockPrefs == first.LockPrefs);
    FUZZ_CHECK(second.PasswPrix == first.PasswPrix);
    // The coefficient is stored to six decimals.
    FUZZ_CHECK(coeffText(second.CoeffPrix) == coeffText(first.CoeffPrix));
    FUZZ_CHECK(second.MyDetails == first.MyDetails);
    FUZZ_CHECK(secondBounds == firstBounds);
    FUZZ_CHECK(secondSelection == firstSelection);
    // The launch moment written is this launch's, to the second.
    FUZZ_CHECK(second.DateLaunch == QDateTime::fromSecsSinceEpoch(freshPrefs().DateDuJour.toSecsSinceEpoch()));
    return 0;
}
