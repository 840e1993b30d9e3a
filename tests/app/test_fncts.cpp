#include "app/Fncts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Fncts;

namespace {

QStringList buttonNames(const QMessageBox& box)
{
    QStringList names;
    for (QAbstractButton* b : box.buttons())
        names << b->objectName();
    names.sort();
    return names;
}

QString resourcesMade()
{
    return qEnvironmentVariable("KAMINOR_SHARE_DIR") + QStringLiteral("/Resources");
}

} // namespace

class TestFncts : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        setFeedbackSink(&m_sink);
        m_sink = RecordingSink();
        DrapMenu = false;
    }
    void cleanup()
    {
        setDialogResponder({});
        setFeedbackSink(nullptr);
        setResourcesFolder(QString());
    }

    void dialogBox_data();
    void dialogBox();
    void dialogBoxKeepsDrapMenu_data();
    void dialogBoxKeepsDrapMenu();
    void dialogBoxEmptyAction();
    void plainMessageBox();

    void existeAlias_data();
    void existeAlias();
    void typeCompil();
    void clipboard();

    void generatedResources_data();
    void generatedResources();
    void resourcesLoadOnce();
    void missingResources();
    void playOverlaps();

private:
    RecordingSink m_sink;
};

void TestFncts::dialogBox_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("alternate");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("shownIcon");

    const QStringList all{"BtnAct", "BtnAlt", "BtnCancel"};
    QTest::newRow("empty message, one button") << "" << "" << "" << "" << 0 << 1 << 1 << " "
                                               << QStringList{"BtnAct"} << int(QMessageBox::Information);
    QTest::newRow("action of three") << "Quitter ?" << "Détail" << "Annuler" << "Autre" << 1 << 1 << 1
                                     << "Quitter ?" << all << int(QMessageBox::Warning);
    QTest::newRow("cancel of three") << "m" << "e" << "Annuler" << "Autre" << 0 << 2 << 2 << "m" << all
                                     << int(QMessageBox::Information);
    QTest::newRow("alternate of three") << "m" << "" << "Annuler" << "Autre" << 0 << 3 << 3 << "m" << all
                                        << int(QMessageBox::Information);
    QTest::newRow("alternate only") << "m" << "" << "" << "Autre" << 0 << 3 << 3 << "m"
                                    << QStringList{"BtnAct", "BtnAlt"} << int(QMessageBox::Information);
    QTest::newRow("absent cancel pressed") << "m" << "" << "" << "" << 0 << 2 << 0 << "m"
                                           << QStringList{"BtnAct"} << int(QMessageBox::Information);
    QTest::newRow("catalogue line breaks shown") << "Le coefficient\rNouvelle valeur\r\n2" << "" << "" << "" << 0 << 1 << 1
                                                 << "Le coefficient\nNouvelle valeur\n2" << QStringList{"BtnAct"}
                                                 << int(QMessageBox::Information);
    QTest::newRow("closed without a button") << "m" << "" << "Annuler" << "" << 0 << 0 << 0 << "m"
                                             << QStringList{"BtnAct", "BtnCancel"}
                                             << int(QMessageBox::Information);
}

void TestFncts::dialogBox()
{
    QFETCH(QString, message);
    QFETCH(QString, explanation);
    QFETCH(QString, cancel);
    QFETCH(QString, alternate);
    QFETCH(int, icon);
    QFETCH(int, press);

    QString text, informative, title = "unset";
    QStringList names, captions;
    int shownIcon = -1;
    bool modal = false;
    setDialogResponder([&](QMessageBox& box) {
        text = box.text();
        informative = box.informativeText();
        title = box.windowTitle();
        names = buttonNames(box);
        shownIcon = int(box.icon());
        modal = box.isVisible() && QApplication::activeModalWidget() == &box;
        for (QAbstractButton* b : box.buttons())
            captions << b->text();
        return press;
    });
    const qint16 result = MyDialogBox(message, explanation, QStringLiteral("Ok"), cancel, alternate, qint16(icon));

    QTEST(int(result), "result");
    QTEST(text, "shownText");
    QCOMPARE(informative, explanation);
    QVERIFY(title.isEmpty());
    QTEST(names, "buttons");
    QTEST(shownIcon, "shownIcon");
    QVERIFY(modal);
    QVERIFY(captions.contains("Ok"));
    for (const QString& c : {cancel, alternate})
        QCOMPARE(captions.contains(c), !c.isEmpty());
    QVERIFY(m_sink.messages.isEmpty());
}

void TestFncts::dialogBoxKeepsDrapMenu_data()
{
    QTest::addColumn<bool>("before");
    QTest::newRow("false stays false") << false;
    QTest::newRow("true comes back") << true;
}

void TestFncts::dialogBoxKeepsDrapMenu()
{
    QFETCH(bool, before);
    DrapMenu = before;
    bool during = true;
    bool arrow = false;
    setDialogResponder([&](QMessageBox&) {
        during = DrapMenu;
        const QCursor* c = QGuiApplication::overrideCursor();
        arrow = c && c->shape() == Qt::ArrowCursor;
        return 2;
    });
    MyDialogBox("m", "", "Ok", "Annuler", "", 0);
    QVERIFY(!during);
    QVERIFY(arrow);
    QCOMPARE(DrapMenu, before);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestFncts::dialogBoxEmptyAction()
{
    int reportsWhileUp = -1;
    QString actionCaption;
    setDialogResponder([&](QMessageBox& box) {
        reportsWhileUp = int(m_sink.messages.size());
        actionCaption = box.findChild<QAbstractButton*>("BtnAct")->text();
        return 1;
    });
    QCOMPARE(MyDialogBox("m", "", "", "", "", 0), qint16(1));
    // Reported first, then the dialog is still shown with the platform's caption.
    QCOMPARE(reportsWhileUp, 1);
    QCOMPARE(m_sink.messages, QStringList{"Error !" + EOL() + "Please contact the authors." + EOL() +
                                          "My DialogBox, BtnAct = ''"});
    QVERIFY(!actionCaption.isEmpty());
}

void TestFncts::plainMessageBox()
{
    QtFeedbackSink sink;
    setFeedbackSink(&sink);
    DrapMenu = true;
    QString text;
    QStringList names;
    bool during = true;
    setDialogResponder([&](QMessageBox& box) {
        text = box.text();
        names = buttonNames(box);
        during = DrapMenu;
        return 1;
    });
    ErrorReport("Index RdButtSide = 9");
    QCOMPARE(text, "Error ! Please contact the authors." + EOL() + "Index RdButtSide = 9");
    QCOMPARE(names, QStringList{"BtnAct"});
    QVERIFY(!during);
    QVERIFY(DrapMenu);
}

void TestFncts::existeAlias_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("resolve");
    QTest::addColumn<bool>("expected");

    QTest::newRow("no item") << "" << true << false;
    QTest::newRow("missing") << "missing" << true << false;
    QTest::newRow("file") << "file" << true << true;
    QTest::newRow("file, no resolving") << "file" << false << true;
    QTest::newRow("folder") << "folder" << true << true;
    QTest::newRow("link to file") << "toFile" << true << true;
    QTest::newRow("link to folder") << "toFolder" << true << true;
    QTest::newRow("link to link to file") << "toLink" << true << true;
    QTest::newRow("dangling link") << "dangling" << true << false;
    QTest::newRow("dangling link, no resolving") << "dangling" << false << true;
    QTest::newRow("link to itself") << "loop" << true << false;
}

void TestFncts::existeAlias()
{
    QFETCH(QString, item);
    QFETCH(bool, resolve);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(QFile::link(dir.filePath("file"), dir.filePath("toFile")));
    QVERIFY(QFile::link(dir.filePath("folder"), dir.filePath("toFolder")));
    QVERIFY(QFile::link(dir.filePath("toFile"), dir.filePath("toLink")));
    QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath("dangling")));
    QVERIFY(QFile::link(dir.filePath("loop"), dir.filePath("loop")));

    const QString path = item.isEmpty() ? QString() : dir.filePath(item);
    QTEST(PasNil_Existe_Alias(path, resolve), "expected");
}

void TestFncts::typeCompil()
{
    const QString text = TypeCompil();
    const QRegularExpression shape(QStringLiteral("^\\S+ \\S+ - Qt \\((\\d+\\.\\d+\\.\\d+)\\)$"));
    const QRegularExpressionMatch m = shape.match(text);
    QVERIFY2(m.hasMatch(), qPrintable(text));
    QCOMPARE(m.captured(1), QStringLiteral(QT_VERSION_STR));
    QVERIFY(text.contains(QSysInfo::buildCpuArchitecture()));
#ifdef Q_OS_LINUX
    QVERIFY(text.startsWith("Linux "));
#endif
}

void TestFncts::clipboard()
{
    QGuiApplication::clipboard()->setText("before");
    const QString text = "Réf. TS-PV-N-PGN" + EOL() + "ligne 2";
    PressPapTxt(text);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestFncts::generatedResources_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon") << "IconApp_128.png" << QSize(128, 128);
    QTest::newRow("backdrop") << "NoStove.png" << QSize(362, 616);
    QTest::newRow("logo") << "CreditsLogo.png" << QSize(146, 22);
    QTest::newRow("logo mask") << "CreditsLogoMask.png" << QSize(146, 22);
    QTest::newRow("click") << "Bop.wav" << QSize();
    QTest::newRow("swoosh") << "Zoum.wav" << QSize();
    QTest::newRow("beep") << "Bip.wav" << QSize();
}

// The build makes these files; each must be what the program expects to load.
void TestFncts::generatedResources()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString path = resourcesMade() + "/" + file;
    QVERIFY2(QFile::exists(path), qPrintable(path + " was not made by the build"));
    if (size.isValid()) {
        QCOMPARE(QImage(path).size(), size);
        return;
    }
    QFile wav(path);
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const QByteArray h = wav.read(44);
    QCOMPARE(h.left(4), QByteArray("RIFF"));
    QCOMPARE(h.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(h.constData() + 20), quint16(1));  // PCM
    QCOMPARE(qFromLittleEndian<quint16>(h.constData() + 34), quint16(16)); // bits
    const quint32 dataSize = qFromLittleEndian<quint32>(h.constData() + 40);
    QCOMPARE(qint64(dataSize), wav.size() - 44);
    const quint32 rate = qFromLittleEndian<quint32>(h.constData() + 24);
    const double seconds = dataSize / 2.0 / rate;
    QVERIFY2(seconds > 0.02 && seconds < 0.6, qPrintable(QString::number(seconds)));
}

void TestFncts::resourcesLoadOnce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"IconApp_128.png", "Bop.wav"})
        QVERIFY(QFile::copy(resourcesMade() + "/" + name, dir.filePath(name)));
    setResourcesFolder(dir.path());

    const QImage* icon = &IconApp_128();
    QSoundEffect* bop = Bop();
    QVERIFY(!icon->isNull());
    QCOMPARE(bop->source(), QUrl::fromLocalFile(dir.filePath("Bop.wav")));
    QTRY_COMPARE(bop->status(), QSoundEffect::Ready);

    // Gone from the disk: the kept objects are still given.
    QVERIFY(QFile::remove(dir.filePath("IconApp_128.png")));
    QVERIFY(QFile::remove(dir.filePath("Bop.wav")));
    QCOMPARE(&IconApp_128(), icon);
    QVERIFY(!IconApp_128().isNull());
    QCOMPARE(Bop(), bop);
}

void TestFncts::missingResources()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile broken(dir.filePath("NoStove.png"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    setResourcesFolder(dir.path());

    QCOMPARE(IconApp_128().size(), kIconAppSize);
    QCOMPARE(NoStove().size(), kNoStoveSize); // unreadable
    QCOMPARE(CreditsLogo().size(), kCreditsLogoSize);
    QCOMPARE(CreditsLogoMask().size(), kCreditsLogoSize);
    QCOMPARE(NoStove().pixelColor(10, 10).alpha(), 0);
    for (QSoundEffect* sound : {Zoum(), Bop(), Bip()}) {
        QVERIFY(sound);
        QCOMPARE(PlayT(sound), nullptr);
        QVERIFY(!sound->isPlaying());
    }
    QCOMPARE(PlayT(nullptr), nullptr);
    QVERIFY(m_sink.messages.isEmpty());
}

void TestFncts::playOverlaps()
{
    setResourcesFolder(resourcesMade());
    QSoundEffect* zoum = Zoum();
    QTRY_VERIFY(zoum->status() == QSoundEffect::Ready || zoum->status() == QSoundEffect::Error);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // Nothing plays, and nothing is left behind however often it is asked.
        for (int i = 0; i < 20; ++i)
            PlayT(zoum);
        QVERIFY(zoum->findChildren<QSoundEffect*>().isEmpty());
        QCOMPARE(PlayT(zoum), nullptr);
        return;
    }
    QCOMPARE(PlayT(zoum), zoum);
    QTest::qWait(50);
    if (!zoum->isPlaying())
        QSKIP("No audio output here: a sound never starts playing");

    QSoundEffect* copy = PlayT(zoum);
    QVERIFY(copy);
    QVERIFY(copy != zoum);
    QCOMPARE(copy->parent(), zoum);
    QCOMPARE(copy->source(), zoum->source());
    QVERIFY(zoum->isPlaying()); // the first play goes on
    QTRY_VERIFY(copy->isPlaying());
    // Once done, the copy goes.
    QTRY_VERIFY_WITH_TIMEOUT(zoum->findChildren<QSoundEffect*>().isEmpty(), 5000);
}

QTEST_MAIN(TestFncts)
#include "test_fncts.moc"
