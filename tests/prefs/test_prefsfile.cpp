#include "prefs/CoDec.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Kaminor;

namespace {

const QSize Screen(1920, 1080);
const QRect DesignBounds(5, 6, 7, 8);
const QDateTime Today(QDate(2026, 12, 11), QTime(8, 30, 15, 500));
const QDateTime TodayToSecond(QDate(2026, 12, 11), QTime(8, 30, 15));
const QString FirstRunSelection = QStringLiteral("0,1,0,0,0,0,2,0,0");
const QString Key = QStringLiteral("RiZag#Wd");

QString selectionText(const Selection& s)
{
    QStringList parts;
    for (int g = 0; g < GroupCount; ++g)
        parts << QString::number(s.index(Group(g)));
    return parts.join(QLatin1Char(','));
}

QByteArray scrambledLine(const char* key, const QString& plain)
{
    return QByteArray(key) + " :@: " + Fncts::CoDec(plain, Key, true, 1).toUtf8() + "\n";
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef Q_OS_UNIX
// Runs attempt as a user bound by file permissions:
// in this process, or, for root, in a child that becomes "nobody" first.
// 0 when attempt held, 1 when it failed, 2 when the child could not start.
int asOrdinaryUser(const std::function<bool()>& attempt)
{
    if (::geteuid() != 0)
        return attempt() ? 0 : 1;
    const pid_t child = ::fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        ::_exit(attempt() ? 0 : 1); // no exit(): the parent's temporary folders are not the child's to remove
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return 2;
    return WEXITSTATUS(status);
}
#endif

} // namespace

class TestPrefsFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void load_data();
    void load();
    void coefficient_data();
    void coefficient();
    void coeffText_data();
    void coeffText();
    void writesExactLines();
    void roundTripRandomRecords();
    void coefficientSurvivesLocaleChange();
    void saveIntoMissingFolderDoesNothing();
    void failedSaveIsReported();
    void failedSaveKeepsPreviousFile_data();
    void failedSaveKeepsPreviousFile();
    void unwritableSaveKeepsPreviousFile_data();
    void unwritableSaveKeepsPreviousFile();
    void pricePassword();

private:
    // Loads from m_dir with a record and selection that differ from every default.
    bool loadHere(Prefs& prefs, QRect& bounds, Selection& selection);

    Fncts::RecordingSink m_sink;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPrefsFile::init()
{
    m_sink = {};
    Fncts::setFeedbackSink(&m_sink);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPrefsFile::cleanup()
{
    Fncts::setFeedbackSink(nullptr);
    QLocale::setDefault(QLocale::c());
    m_dir.reset();
}

bool TestPrefsFile::loadHere(Prefs& prefs, QRect& bounds, Selection& selection)
{
    prefs.DateDuJour = Today;
    prefs.AutoCheckUpdt = true;
    prefs.AffHelpTag = false;
    prefs.Sfx = false;
    prefs.PasswPrix = QStringLiteral("old");
    prefs.CoeffPrix = 3.0;
    prefs.LockPrefs = true;
    prefs.MyDetails = QStringLiteral("old");
    prefs.EncodWin = true;
    bounds = DesignBounds;
    for (int g = 0; g < GroupCount; ++g)
        selection.setIndex(Group(g), 9);
    return PrefsCharger(prefs, m_dir->path(), bounds, selection, Screen);
}

void TestPrefsFile::load_data()
{
    QTest::addColumn<QByteArray>("file"); // a null array: no file at all
    QTest::addColumn<bool>("result");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("autoCheck");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QDateTime>("dateLaunch");

    const QRect def = WinMainDefaultBounds;
    const QString dots = QStringLiteral("\u2026");
    const QString sel = FirstRunSelection;

    QTest::newRow("no file") << QByteArray() << true << def << sel << false << dots << TodayToSecond;
    QTest::newRow("empty file") << QByteArray("") << false << def << sel << false << dots << TodayToSecond;
    QTest::newRow("lower-case key, TRUE") << QByteArray("auto check update :@: TRUE\n") << false << def << sel
                                          << true << dots << TodayToSecond;
    QTest::newRow("yes is not true") << QByteArray("Auto Check Update :@: yes\n") << false << def << sel << false
                                     << dots << TodayToSecond;
    QTest::newRow("blank missing before separator") << QByteArray("Auto Check Update:@: True\n") << false << def
                                                    << sel << false << dots << TodayToSecond;
    QTest::newRow("second separator in value")
        << QByteArray("My Details :@: a :@: b\tc\n") << false << def << sel << false
        << QStringLiteral("a :@: b") + Fncts::EOL() + QStringLiteral("c") << TodayToSecond;
    QTest::newRow("last line wins") << QByteArray("MindSide :@: 1\nAuto Check Update :@: True\nMindSide :@: 3\n"
                                                  "Auto Check Update :@: False\n")
                                    << false << def << "0,1,0,3,0,0,2,0,0" << false << dots << TodayToSecond;
    QTest::newRow("date") << QByteArray("Date Launch :@: 2026-12-10 23:59:58\n") << false << def << sel << false
                          << dots << QDateTime(QDate(2026, 12, 10), QTime(23, 59, 58));
    QTest::newRow("unreadable date is ignored") << QByteArray("Date Launch :@: yesterday\nMindColor :@: 1\n")
                                                << false << def << "0,1,1,0,0,0,2,0,0" << false << dots
                                                << TodayToSecond;
    QTest::newRow("stored bounds") << QByteArray("Fenetre Win :@: 100,50,900,700\n") << false
                                   << QRect(100, 50, 900, 700) << sel << false << dots << TodayToSecond;
    QTest::newRow("three-number bounds") << QByteArray("Fenetre Win :@: 20,60,894\n") << false << def << sel
                                         << false << dots << TodayToSecond;
    QTest::newRow("top 37") << QByteArray("Fenetre Win :@: 10,37,900,700\n") << false << def << sel << false << dots
                            << TodayToSecond;
    QTest::newRow("touching the screen's edges") << QByteArray("Fenetre Win :@: 1026,400,894,680\n") << false
                                                 << QRect(1026, 400, 894, 680) << sel << false << dots
                                                 << TodayToSecond;
    QTest::newRow("one pixel past the right edge") << QByteArray("Fenetre Win :@: 1027,400,894,680\n") << false
                                                   << def << sel << false << dots << TodayToSecond;
    QTest::newRow("one pixel past the bottom edge") << QByteArray("Fenetre Win :@: 1026,401,894,680\n") << false
                                                    << def << sel << false << dots << TodayToSecond;
    // 32000 + 1000 would wrap to a negative 16-bit sum and pass for "on screen".
    QTest::newRow("right edge beyond 16 bits") << QByteArray("Fenetre Win :@: 32000,100,1000,700\n") << false
                                               << def << sel << false << dots << TodayToSecond;
    QTest::newRow("out-of-range selection")
        << QByteArray("MindDoorGlass :@: 7\nMindDoorLogs :@: -3\nMindSide :@: 5\nMindTVA :@: 3\nMindCredImp :@: 1\n")
        << false << def << "0,1,0,5,0,0,2,1,0" << false << dots << TodayToSecond;
    QTest::newRow("letters for a number") << QByteArray("MindBody :@: abc\nMindTablet :@: 2x\nMindPlate :@: 99999\n")
                                          << false << def << "0,1,0,0,0,2,2,0,0" << false << dots << TodayToSecond;
    QTest::newRow("CR line ends and a byte-order mark")
        << QByteArray("\xEF\xBB\xBF" "Auto Check Update :@: True\rMindSide :@: 2\r") << false << def
        << "0,1,0,2,0,0,2,0,0" << true << dots << TodayToSecond;
    QTest::newRow("CR LF line ends") << QByteArray("Auto Check Update :@: True\r\nMindSide :@: 2\r\n") << false
                                     << def << "0,1,0,2,0,0,2,0,0" << true << dots << TodayToSecond;
}

void TestPrefsFile::load()
{
    QFETCH(QByteArray, file);
    if (!file.isNull())
        QVERIFY(writeBytes(prefsFilePath(m_dir->path()), file));

    Prefs prefs;
    QRect bounds;
    Selection selection;
    QTEST(loadHere(prefs, bounds, selection), "result");
    QTEST(bounds, "bounds");
    QTEST(selectionText(selection), "selection");
    QTEST(prefs.AutoCheckUpdt, "autoCheck");
    QTEST(prefs.MyDetails, "details");
    QTEST(prefs.DateLaunch, "dateLaunch");
    // The values no row stores come back to their defaults.
    QVERIFY(prefs.AffHelpTag);
    QVERIFY(prefs.Sfx);
    QVERIFY(!prefs.EncodWin);
    QVERIFY(!prefs.LockPrefs);
    QCOMPARE(prefs.PasswPrix, QString());
    QCOMPARE(prefs.CoeffPrix, 1.0);
    QCOMPARE(m_sink.messages, QStringList());
    QCOMPARE(m_sink.beeps, 0);
}

void TestPrefsFile::coefficient_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<double>("coeff");

    QTest::newRow("point") << scrambledLine("Coeff Prix", "1.25") << 1.25;
    QTest::newRow("comma") << scrambledLine("Coeff Prix", "1,25") << 1.25;
    QTest::newRow("lowest") << scrambledLine("Coeff Prix", "0.000001") << 0.000001;
    QTest::newRow("highest") << scrambledLine("Coeff Prix", "999.0") << 999.0;
    QTest::newRow("zero") << scrambledLine("Coeff Prix", "0") << 1.0;
    QTest::newRow("1000") << scrambledLine("Coeff Prix", "1000") << 1.0;
    QTest::newRow("not a number") << scrambledLine("Coeff Prix", "abc") << 1.0;
    QTest::newRow("nan") << scrambledLine("Coeff Prix", "nan") << 1.0;
    QTest::newRow("damaged scramble") << QByteArray("Coeff Prix :@: (a(\n") << 1.0;
    QTest::newRow("plain number, not scrambled") << QByteArray("Coeff Prix :@: 2.5\n") << 1.0;
    QTest::newRow("bad line keeps an earlier one")
        << scrambledLine("Coeff Prix", "2.5") + scrambledLine("coeff prix", "0") << 2.5;
}

void TestPrefsFile::coefficient()
{
    QFETCH(QByteArray, file);
    QVERIFY(writeBytes(prefsFilePath(m_dir->path()), file));
    Prefs prefs;
    QRect bounds;
    Selection selection;
    QVERIFY(!loadHere(prefs, bounds, selection));
    QTEST(prefs.CoeffPrix, "coeff");
    QVERIFY(m_sink.messages.isEmpty());
}

void TestPrefsFile::coeffText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1.0 << "1.0";
    QTest::newRow("two decimals") << 1.25 << "1.25";
    QTest::newRow("smallest") << 0.000001 << "0.000001";
    QTest::newRow("largest") << 999.0 << "999.0";
    QTest::newRow("rounded to six") << 2.1234567 << "2.123457";
    QTest::newRow("negative") << -1.5 << "-1.5";
}

void TestPrefsFile::coeffText()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QFETCH(double, value);
    QTEST(Kaminor::coeffText(value), "text");
}

void TestPrefsFile::writesExactLines()
{
    Prefs prefs;
    prefs.DateDuJour = Today;
    prefs.AutoCheckUpdt = true;
    prefs.PasswPrix = QStringLiteral("Ortolan");
    prefs.CoeffPrix = 1.0;
    prefs.MyDetails = QStringLiteral("Jo\r\nRue 1\rParis\nFR");
    Selection selection = firstRunSelection();
    selection.side = 5;
    selection.tva = 2;
    QVERIFY(PrefsSauver(prefs, m_dir->path(), QRect(20, 60, 894, 680), selection));

    const QByteArray expected = "Date Launch :@: 2026-12-11 08:30:15\n"
                                "Auto Check Update :@: True\n"
                                "Afficher HelpTag :@: True\n"
                                "Effets sonores :@: True\n"
                                "Encodage Windows :@: False\n"
                                "Password Prices :@: " + Fncts::CoDec("Ortolan", Key, true, 1).toUtf8() + "\n"
                                "Coeff Prix :@: " + Fncts::CoDec("1.0", Key, true, 1).toUtf8() + "\n"
                                "Lock Prefs :@: False\n"
                                "My Details :@: Jo\tRue 1\tParis\tFR\n"
                                "Fenetre Win :@: 20,60,894,680\n"
                                "MindBody :@: 0\n"
                                "MindDoorGlass :@: 1\n"
                                "MindColor :@: 0\n"
                                "MindSide :@: 5\n"
                                "MindPlate :@: 0\n"
                                "MindTablet :@: 0\n"
                                "MindDoorLogs :@: 2\n"
                                "MindCredImp :@: 0\n"
                                "MindTVA :@: 2\n";
    QCOMPARE(readBytes(prefsFilePath(m_dir->path())), expected);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kaminor Prefs.txt"});
}

void TestPrefsFile::roundTripRandomRecords()
{
    QRandomGenerator rng(1211);
    const auto randomLine = [&rng]() {
        const QString pool = QStringLiteral("abcXYZ 019-.,;:@#'\"\u00e9\u00e0\u00df\u20ac\u4e2d\u0416");
        QString s;
        for (int i = rng.bounded(12); i > 0; --i)
            s += pool.at(rng.bounded(int(pool.size())));
        return s;
    };
    const QStringList breaks{QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r")};

    for (int round = 0; round < 40; ++round) {
        Prefs saved;
        saved.DateDuJour = QDateTime(QDate(2000 + rng.bounded(40), 1 + rng.bounded(12), 1 + rng.bounded(28)),
                                     QTime(rng.bounded(24), rng.bounded(60), rng.bounded(60), rng.bounded(1000)));
        saved.AutoCheckUpdt = rng.bounded(2);
        saved.AffHelpTag = rng.bounded(2);
        saved.Sfx = rng.bounded(2);
        saved.EncodWin = rng.bounded(2);
        saved.LockPrefs = rng.bounded(2);
        // An empty password is stored as an empty value and must come back empty.
        saved.PasswPrix = rng.bounded(4) == 0 ? QString() : randomLine() + QStringLiteral("\u00f8rtolan");
        saved.CoeffPrix = CoeffPrixMin + rng.generateDouble() * (CoeffPrixMax - CoeffPrixMin);
        QStringList lines;
        for (int i = 1 + rng.bounded(4); i > 0; --i)
            lines << randomLine();
        saved.MyDetails = lines.join(breaks.at(rng.bounded(3)));
        const QRect bounds(rng.bounded(200), 38 + rng.bounded(200), 894 + rng.bounded(800), 680 + rng.bounded(162));
        Selection selection;
        for (int g = 0; g < GroupCount; ++g)
            selection.setIndex(Group(g), qint16(rng.bounded(groupSize(Group(g)))));

        QVERIFY(PrefsSauver(saved, m_dir->path(), bounds, selection));

        Prefs loaded;
        QRect loadedBounds;
        Selection loadedSelection;
        QVERIFY(!loadHere(loaded, loadedBounds, loadedSelection));
        QCOMPARE(loaded.DateLaunch, QDateTime::fromSecsSinceEpoch(saved.DateDuJour.toSecsSinceEpoch()));
        QCOMPARE(loaded.AutoCheckUpdt, saved.AutoCheckUpdt);
        QCOMPARE(loaded.AffHelpTag, saved.AffHelpTag);
        QCOMPARE(loaded.Sfx, saved.Sfx);
        QCOMPARE(loaded.EncodWin, saved.EncodWin);
        QCOMPARE(loaded.LockPrefs, saved.LockPrefs);
        QCOMPARE(loaded.PasswPrix, saved.PasswPrix);
        QCOMPARE(loaded.CoeffPrix, QString::number(saved.CoeffPrix, 'f', 6).toDouble());
        QCOMPARE(loaded.MyDetails, lines.join(Fncts::EOL()));
        QCOMPARE(loadedBounds, bounds);
        QCOMPARE(loadedSelection, selection);
    }
    QVERIFY(m_sink.messages.isEmpty());
}

void TestPrefsFile::coefficientSurvivesLocaleChange()
{
    const QList<QLocale> locales{QLocale(QLocale::French, QLocale::France), QLocale(QLocale::English),
                                 QLocale(QLocale::German, QLocale::Germany)};
    for (qsizetype i = 0; i + 1 < locales.size(); ++i) {
        Prefs saved;
        saved.CoeffPrix = 1.375;
        QLocale::setDefault(locales.at(i));
        QVERIFY(PrefsSauver(saved, m_dir->path(), WinMainDefaultBounds, firstRunSelection()));
        QLocale::setDefault(locales.at(i + 1));
        Prefs loaded;
        QRect bounds;
        Selection selection;
        loadHere(loaded, bounds, selection);
        QCOMPARE(loaded.CoeffPrix, 1.375);
    }
}

void TestPrefsFile::saveIntoMissingFolderDoesNothing()
{
    const QString missing = m_dir->filePath(QStringLiteral("gone"));
    QVERIFY(!PrefsSauver(Prefs(), missing, WinMainDefaultBounds, firstRunSelection()));
    QVERIFY(!PrefsSauver(Prefs(), QString(), WinMainDefaultBounds, firstRunSelection()));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(m_sink.messages.isEmpty());
    QCOMPARE(m_sink.beeps, 0);
}

void TestPrefsFile::failedSaveIsReported()
{
    // A folder in the file's place can be neither read nor replaced, even by root.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Kaminor Prefs.txt")));

    QVERIFY(!PrefsSauver(Prefs(), m_dir->path(), WinMainDefaultBounds, firstRunSelection()));
    QCOMPARE(m_sink.messages,
             QStringList{Fncts::errorReportText(QStringLiteral("PrefsSauver, problem while writing file!"))});
    QCOMPARE(m_sink.beeps, 3);

    m_sink = {};
    Prefs prefs;
    QRect bounds;
    Selection selection;
    QVERIFY(loadHere(prefs, bounds, selection));
    QCOMPARE(m_sink.messages,
             QStringList{Fncts::errorReportText(QStringLiteral("PrefsCharger, problem while reading file!"))});
    QCOMPARE(m_sink.beeps, 3);
    QCOMPARE(bounds, DesignBounds);
    QCOMPARE(selectionText(selection), FirstRunSelection);
    QCOMPARE(prefs.MyDetails, QStringLiteral("\u2026"));
    QCOMPARE(prefs.CoeffPrix, 1.0);
}

void TestPrefsFile::failedSaveKeepsPreviousFile_data()
{
    // How many bytes of the new text the disk takes; the new text is a few hundred.
    QTest::addColumn<int>("room");
    QTest::newRow("nothing") << 0;
    QTest::newRow("a few lines") << 64;
    QTest::newRow("all but the last byte") << -1;
}

void TestPrefsFile::failedSaveKeepsPreviousFile()
{
#ifdef Q_OS_UNIX
    QFETCH(int, room);
    const QString path = prefsFilePath(m_dir->path());
    Prefs before;
    before.MyDetails = QStringLiteral("previous");
    QVERIFY(PrefsSauver(before, m_dir->path(), WinMainDefaultBounds, firstRunSelection()));
    const QByteArray previous = readBytes(path);

    Prefs after;
    after.MyDetails = QStringLiteral("next");
    if (room < 0) {
        QTemporaryDir scratch;
        QVERIFY(PrefsSauver(after, scratch.path(), WinMainDefaultBounds, firstRunSelection()));
        room = int(readBytes(prefsFilePath(scratch.path())).size()) - 1;
        QVERIFY(room > 64);
    }

    // A disk that fills up part way; root is bound by it too.
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = rlim_t(room);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = PrefsSauver(after, m_dir->path(), WinMainDefaultBounds, firstRunSelection());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(readBytes(path), previous);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kaminor Prefs.txt"});
    QCOMPARE(m_sink.messages,
             QStringList{Fncts::errorReportText(QStringLiteral("PrefsSauver, problem while writing file!"))});
    QCOMPARE(m_sink.beeps, 3);
#else
    QSKIP("needs a file size limit");
#endif
}

void TestPrefsFile::unwritableSaveKeepsPreviousFile_data()
{
    QTest::addColumn<bool>("folder"); // the folder takes no new file; otherwise the file cannot be replaced
    QTest::newRow("folder") << true;
    QTest::newRow("file") << false;
}

void TestPrefsFile::unwritableSaveKeepsPreviousFile()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, folder);
    if (!folder && ::geteuid() != 0)
        QSKIP("only root can leave a file that another user may not replace");
    const QString path = prefsFilePath(m_dir->path());
    Prefs before;
    before.MyDetails = QStringLiteral("previous");
    QVERIFY(PrefsSauver(before, m_dir->path(), WinMainDefaultBounds, firstRunSelection()));
    const QByteArray previous = readBytes(path);

    // Read-only for everybody; or open to all but sticky: nobody replaces a file that is not theirs.
    const QByteArray dir = QFile::encodeName(m_dir->path());
    struct stat kept {};
    QCOMPARE(::stat(dir.constData(), &kept), 0);
    QCOMPARE(::chmod(dir.constData(), folder ? 0555 : 01777), 0);
    const int outcome = asOrdinaryUser([this] {
        Prefs after;
        after.MyDetails = QStringLiteral("next");
        return QFileInfo(m_dir->path()).isDir()
               && !PrefsSauver(after, m_dir->path(), WinMainDefaultBounds, firstRunSelection())
               && m_sink.messages
                      == QStringList{Fncts::errorReportText(QStringLiteral("PrefsSauver, problem while writing file!"))}
               && m_sink.beeps == 3;
    });
    ::chmod(dir.constData(), kept.st_mode & 07777);
    QCOMPARE(outcome, 0);

    QCOMPARE(readBytes(path), previous);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kaminor Prefs.txt"});
#else
    QSKIP("needs file permissions");
#endif
}

void TestPrefsFile::pricePassword()
{
    QVERIFY(pricePasswordOk(QStringLiteral("ortolan")));
    QVERIFY(pricePasswordOk(QStringLiteral("ORTOLAN")));
    QVERIFY(!pricePasswordOk(QStringLiteral("ortolan ")));
    QVERIFY(!pricePasswordOk(QString()));
}

QTEST_GUILESS_MAIN(TestPrefsFile)
#include "test_prefsfile.moc"
