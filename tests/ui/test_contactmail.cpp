// The contact buttons and the comparator button of the main window: the mail
// they open, the clipboard on an Option-click, the missing comparator page.
#include "MailDecode.h"
#include "UrlCatcher.h"
#include "WindowFixture.h"
#include "app/App.h"
#include "app/Fncts.h"
#include "app/MailTo.h"
#include "core/FnctsState.h"
#include "prefs/PrefsFile.h"
#include "text/Feedback.h"
#include "ui/ContactMail.h"
#include "ui/WinMain.h"

#include "KaminorConfig.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTest>

#include <memory>

using namespace Kaminor;
using namespace KaminorTest;
using Fncts::EOL;

namespace {

// An empty photo folder and no comparator folder: the comparator test makes
// its page itself.
const WindowFolders NoComparator{.comparator = false};

// A returning user with the stove TS-PV-N-PGN-DPGN-TPGN-BV on show.
const Selection ShownStove{.body = 1, .color = 1, .side = 3, .plate = 1, .tablet = 1, .doorLogs = 1};

using Mail = DecodedMail;
constexpr auto decode = decodeMailTo;

} // namespace

class TestContactMail : public QObject {
    Q_OBJECT

    Fncts::RecordingSink sink;
    UrlCatcher catcher;
    int bips = 0;

    std::unique_ptr<WinMain> open(const WindowFixture& s, const Prefs& stored)
    {
        if (!s.saveReturningUser(stored, ShownStove))
            return nullptr;
        auto w = s.makeWindow();
        if (!w->Event_Open())
            return nullptr;
        return w;
    }

    // The one mail opened since the last call.
    QByteArray opened()
    {
        if (catcher.urls.size() != 1)
            return QByteArray();
        const QByteArray address = catcher.urls.takeFirst().toEncoded();
        return address;
    }

private slots:
    void initTestCase()
    {
        Fncts::setFeedbackSink(&sink);
        Fncts::setResourcesFolder(QDir::tempPath() + QStringLiteral("/kaminor-no-resources"));
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        setCopyBipPlayer([this] { ++bips; });
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        setCopyBipPlayer({});
    }

    void init()
    {
        App::instance()->prefs = Prefs();
        Fncts::DrapMenu = false;
        sink.messages.clear();
        sink.beeps = 0;
        catcher.urls.clear();
        bips = 0;
    }

    // The whole message for a dealer and for a customer, from each button.
    void bodies_data()
    {
        QTest::addColumn<bool>("dealer");
        QTest::addColumn<bool>("sendMail");
        QTest::newRow("order") << true << false;
        QTest::newRow("information request") << false << false;
        QTest::newRow("dealer to a customer") << true << true;
        QTest::newRow("customer to anybody") << false << true;
    }
    void bodies()
    {
        QFETCH(bool, dealer);
        QFETCH(bool, sendMail);
        WindowFixture s(NoComparator);
        Prefs stored;
        stored.PasswPrix = dealer ? QStringLiteral("Ortolan") : QStringLiteral("pinson");
        stored.MyDetails = QStringLiteral("Jean Dupont\r12 rue des Forges");
        auto w = open(s, stored);
        QVERIFY(w);

        const QString ref = QStringLiteral("TS-PV-N-PGN-DPGN-TPGN-BV");
        QCOMPARE(w->TextFieldRef->text(), ref);
        const QString photo = QStringLiteral("https://www.maker.example.com/CPW/datas/photos/") + ref + ".jpg";
        QCOMPARE(PhotoAddress(ref), QString::fromUtf8(KaminorConfig::PhotoBaseUrl) + ref + ".jpg");
        const QString description = w->configurator().RetDescripPoele();
        QCOMPARE(description.count(EOL()), 7);

        QStringList lines;
        QString recipient, subject;
        if (!sendMail) {
            recipient = QString::fromUtf8(dealer ? KaminorConfig::OrderMail : KaminorConfig::ContactMail);
            subject = dealer ? QStringLiteral("Commande") : QStringLiteral("Renseignements");
            lines << "" << "Bonjour," << ""
                  << (dealer ? "Je souhaite passer commande du poêle suivant :"
                             : "Je souhaite des renseignements sur le poêle suivant :");
            QString tail;
            tail += "" + EOL() + photo + EOL() + EOL();
            if (dealer)
                tail += "Prix HT : " + w->TextFieldPriHT->text() + " €" + EOL() + EOL()
                    + "Contremarque (nom du client final) : …" + EOL();
            tail += "Date de livraison souhaitée (délai) : …" + EOL() + EOL() + "Mes coordonnées :" + EOL()
                + "Jean Dupont" + EOL() + "12 rue des Forges" + EOL();
            const QString expected = lines.join(EOL()) + EOL() + description + tail;
            QTest::mouseClick(w->PushButtInfoCde, Qt::LeftButton);
            const Mail m = decode(opened(), false);
            QCOMPARE(m.recipient, recipient);
            QCOMPARE(m.keys, QStringList({"Subject", "body"}));
            QCOMPARE(m.subject, subject);
            QCOMPARE(m.body, expected);
        } else {
            lines << "" << "Bonjour," << ""
                  << (dealer ? "Vous avez sélectionné le poêle suivant :" : "J'ai sélectionné le poêle suivant :");
            QString tail = EOL() + photo + EOL() + EOL();
            if (dealer)
                tail += w->configurator().RetPrixPoele() + EOL();
            tail += "Mes coordonnées :" + EOL() + "Jean Dupont" + EOL() + "12 rue des Forges" + EOL();
            const QString expected = lines.join(EOL()) + EOL() + description + tail;
            QTest::mouseClick(w->PushButtSendMail, Qt::LeftButton);
            const QByteArray address = opened();
            QVERIFY(address.startsWith("mailto:?Subject="));
            const Mail m = decode(address, false);
            QCOMPARE(m.keys, QStringList({"Subject", "body"}));
            QCOMPARE(m.subject, QStringLiteral("Poêle sélectionné"));
            QCOMPARE(m.body, expected);
        }
    }

    // Order or information request follows the stored password at the click,
    // not what the window shows.
    void choiceFollowsStoredPassword()
    {
        WindowFixture s(NoComparator);
        auto w = open(s, Prefs());
        QVERIFY(w);
        QVERIFY(!w->GroupBoxPrices->isVisibleTo(w.get()));
        App::instance()->prefs.PasswPrix = QStringLiteral("oRtOlAn");
        QTest::mouseClick(w->PushButtInfoCde, Qt::LeftButton);
        QVERIFY(App::instance()->prefs.DrapAffPrices);
        QCOMPARE(decode(opened(), false).subject, QStringLiteral("Commande"));
        QVERIFY(!w->GroupBoxPrices->isVisibleTo(w.get())); // the display is left alone

        App::instance()->prefs.PasswPrix = QString();
        QTest::mouseClick(w->PushButtInfoCde, Qt::LeftButton);
        QVERIFY(!App::instance()->prefs.DrapAffPrices);
        QCOMPARE(decode(opened(), false).subject, QStringLiteral("Renseignements"));
    }

    // "é" and "€" as the mail program receives them.
    void bytes_data()
    {
        QTest::addColumn<bool>("encodWin");
        QTest::addColumn<QByteArray>("eAcute");
        QTest::addColumn<QByteArray>("euro");
        QTest::newRow("Windows Latin-1") << true << QByteArray("%E9") << QByteArray("%80");
        QTest::newRow("UTF-8") << false << QByteArray("%C3%A9") << QByteArray("%E2%82%AC");
    }
    void bytes()
    {
        QFETCH(bool, encodWin);
        QFETCH(QByteArray, eAcute);
        QFETCH(QByteArray, euro);
        WindowFixture s(NoComparator);
        Prefs stored;
        stored.PasswPrix = QStringLiteral("ortolan");
        stored.EncodWin = encodWin;
        auto w = open(s, stored);
        QVERIFY(w);

        QTest::mouseClick(w->PushButtInfoCde, Qt::LeftButton);
        const QByteArray order = opened();
        // "Prix HT : 1234.00 €" and "Mes coordonnées".
        QVERIFY2(order.contains("%20" + euro + "%0A") || order.contains("%20" + euro + "%0D"), order);
        QVERIFY(order.contains("coordonn" + eAcute + "es"));
        QCOMPARE(decode(order, encodWin).subject, QStringLiteral("Commande"));

        QTest::mouseClick(w->PushButtSendMail, Qt::LeftButton);
        const QByteArray message = opened();
        QVERIFY(message.startsWith("mailto:?Subject=Po" + (encodWin ? QByteArray("%EA") : QByteArray("%C3%AA"))
                                   + "le%20s" + eAcute + "lectionn" + eAcute + "&body="));
    }

    // Whatever the sender types stays inside the body.
    void detailsStayInBody_data()
    {
        QTest::addColumn<QString>("details");
        QTest::addColumn<bool>("encodWin");
        QTest::addColumn<bool>("sentWinLatin1");
        QTest::addColumn<QString>("received");

        const QString marks = QStringLiteral("a&b=c?d#e%f+g &cc=someone@example.com&body=x");
        QTest::newRow("URL marks, Latin-1") << marks << true << true << marks;
        QTest::newRow("URL marks, UTF-8") << marks << false << false << marks;
        QTest::newRow("line breaks and tab")
            << QStringLiteral("one\r\ntwo\rthree\nfour\tfive") << true << true
            << QStringLiteral("one") + EOL() + "two" + EOL() + "three" + EOL() + "four\tfive";
        // Characters Windows Latin-1 lacks: the whole mail goes in UTF-8 rather than lose them.
        const QString wide = QStringLiteral("Poêle 🔥 שלום") + QChar(0x200F) + QStringLiteral(" مرحبا");
        QTest::newRow("emoji and right-to-left, asked in Latin-1") << wide << true << false << wide;
        QTest::newRow("emoji and right-to-left, UTF-8") << wide << false << false << wide;
    }
    void detailsStayInBody()
    {
        QFETCH(QString, details);
        QFETCH(bool, encodWin);
        QFETCH(bool, sentWinLatin1);
        QFETCH(QString, received);
        WindowFixture s(NoComparator);
        Prefs stored;
        stored.EncodWin = encodWin;
        auto w = open(s, stored);
        QVERIFY(w);
        App::instance()->prefs.MyDetails = details;

        for (QPushButton* button : {w->PushButtInfoCde, w->PushButtSendMail}) {
            QTest::mouseClick(button, Qt::LeftButton);
            const QByteArray address = opened();
            const Mail m = decode(address, sentWinLatin1);
            QCOMPARE(m.keys, QStringList({"Subject", "body"}));
            QVERIFY2(m.body.endsWith(QStringLiteral("Mes coordonnées :") + EOL() + received + EOL()), address);
            QVERIFY(!m.recipient.contains(u'@') || button == w->PushButtInfoCde);
        }
    }

    // An Option-click copies the text, beeps with sound effects off, opens nothing.
    void optionClickCopies_data()
    {
        QTest::addColumn<bool>("info");
        QTest::newRow("information button") << true;
        QTest::newRow("send-mail button") << false;
    }
    void optionClickCopies()
    {
        QFETCH(bool, info);
        WindowFixture s(NoComparator);
        Prefs stored;
        stored.Sfx = false;
        stored.MyDetails = QStringLiteral("Marie\rLyon");
        auto w = open(s, stored);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));

        QGuiApplication::clipboard()->clear();
        QPushButton* button = info ? w->PushButtInfoCde : w->PushButtSendMail;
        QTest::mouseClick(button, Qt::LeftButton, Qt::AltModifier);
        if (catcher.urls.size() == 1)
            QSKIP("The platform does not report the Alt key of a simulated click");

        QVERIFY(catcher.urls.isEmpty());
        QCOMPARE(bips, 1);
        QCOMPARE(sink.beeps, 0);
        const ContactInputs in{false,
                               w->TextFieldRef->text(),
                               QString(),
                               w->LabelSendMail->text(),
                               w->configurator().RetDescripPoele(),
                               QString(),
                               QStringLiteral("Marie\rLyon")};
        const ContactText text = info ? InfoCdeText(in) : SendMailText(in);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(!copied.contains(u'\r') || EOL().contains(u'\r'));
        QVERIFY(copied.endsWith(QStringLiteral("Marie") + EOL() + "Lyon" + EOL()));
        if (info)
            QCOMPARE(copied, QString::fromUtf8(KaminorConfig::ContactMail) + EOL() + "Renseignements" + EOL()
                                 + Fncts::ReplaceLineEndings(text.body, EOL()));
        else
            QCOMPARE(copied, QStringLiteral("Poêle sélectionné") + EOL() + Fncts::ReplaceLineEndings(text.body, EOL()));

        // Without the key the mail program opens, and nothing more is copied.
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(bips, 1);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void comparator()
    {
        WindowFixture s(NoComparator);
        auto w = open(s, Prefs());
        QVERIFY(w);
        QCOMPARE(w->FichComp, s.comparatorPage());

        // Missing page: a beep and the message, word for word.
        QTest::mouseClick(w->PushButtOuvComp, Qt::LeftButton);
        QVERIFY(catcher.urls.isEmpty());
        QCOMPARE(sink.beeps, 1);
        QCOMPARE(sink.messages, QStringList(QStringList({"Error !", "Please contact the authors.", "",
                                                         "FichComp doesn't exists !",
                                                         "Wich Target (Do you have a PC or a Mac or …) ?"})
                                                .join(EOL())));

        // Present: opened with its default application.
        QVERIFY(QDir().mkpath(QFileInfo(s.comparatorPage()).path()));
        QFile page(s.comparatorPage());
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QTest::mouseClick(w->PushButtOuvComp, Qt::LeftButton);
        QCOMPARE(catcher.urls, QList<QUrl>({QUrl::fromLocalFile(s.comparatorPage())}));
        QCOMPARE(sink.messages.size(), 1);
    }
};

int main(int argc, char* argv[])
{
    App app(argc, argv);
    TestContactMail test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_contactmail.moc"
