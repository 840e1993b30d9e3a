#include "UrlCatcher.h"
#include "app/Fncts.h"
#include "app/UpdateCheck.h"
#include "core/FnctsState.h"
#include "text/Feedback.h"

#include <QDesktopServices>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using Kaminor::UpdateCheck;
using Kaminor::VersionVerdict;

namespace {

// A one-page HTTP server on the loopback interface. It answers every request with
// the same response, never answers when stalling, or sends its response a byte
// every 50 ms when trickling.
class LoopbackServer : public QTcpServer {
public:
    QByteArray response;
    bool stall = false;
    bool trickle = false;

    explicit LoopbackServer(QObject* parent = nullptr) : QTcpServer(parent)
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_requests[socket] += socket->readAll();
                    if (!m_requests[socket].contains("\r\n\r\n") || stall)
                        return;
                    if (trickle) {
                        auto* pace = new QTimer(socket);
                        connect(pace, &QTimer::timeout, socket, [this, socket, sent = qsizetype(0)]() mutable {
                            if (sent < response.size())
                                socket->write(response.mid(sent++, 1));
                        });
                        pace->start(50);
                        return;
                    }
                    socket->write(response);
                    socket->disconnectFromHost();
                });
            }
        });
    }

    static QByteArray page(const QByteArray& body, int status = 200, const QByteArray& type = "text/plain")
    {
        return "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") +
               "\r\nContent-Type: " + type + "; charset=utf-8\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/kaminor/Kaminor_V.txt").arg(serverPort())); }

private:
    QHash<QTcpSocket*, QByteArray> m_requests;
};

struct DialogCall {
    QString message, explanation, action, cancel, alternate;
    qint16 icon = -1;
};

const QByteArray kCurrent = "Release Notes Kaminor\rhttp://www.example.org/kaminor/\rv.1.0.0\r-- one";

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT

private:
    Fncts::RecordingSink m_sink;
    UrlCatcher m_urls;
    QList<DialogCall> m_dialogs;
    qint16 m_answer = 1;

    void attach(UpdateCheck& check)
    {
        check.setDialog([this](const QString& m, const QString& e, const QString& a, const QString& c,
                               const QString& alt, qint16 icon) {
            m_dialogs << DialogCall{m, e, a, c, alt, icon};
            return m_answer;
        });
    }

    // Runs one check against the server and waits for its evaluation.
    void runCheck(UpdateCheck& check, const QUrl& url, int timeoutMs = 5000)
    {
        attach(check);
        check.setUrl(url);
        QSignalSpy evaluated(&check, &UpdateCheck::evaluated);
        check.SocketVerMaJ_Get();
        QVERIFY(evaluated.wait(timeoutMs));
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_urls, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void init()
    {
        m_sink = {};
        Fncts::setFeedbackSink(&m_sink);
        m_urls.urls.clear();
        m_dialogs.clear();
        m_answer = 1;
        Fncts::DrapMenu = true;
        Fncts::AlertVerAjour = true;
        Fncts::TexteVerMaJ.clear();
    }

    void cleanup() { Fncts::setFeedbackSink(nullptr); }

    void evaluation_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("notes");

        const QString cr = QStringLiteral("Release Notes\rhttp://a.example/new\rv.2.0.0\r-- first -- second");
        QTest::newRow("CR endings") << cr << int(VersionVerdict::NewVersion)
                                    << QStringLiteral("• first\r• second");
        QTest::newRow("CR LF and trailing empty lines")
            << QStringLiteral("Release Notes\r\nhttp://a.example/new\r\nv.2.0.0\r\n-- first -- second\r\n\r\n\r\n")
            << int(VersionVerdict::NewVersion) << QStringLiteral("• first\r• second");
        QTest::newRow("LF and history cut off")
            << QStringLiteral("Release Notes\nhttp://a.example/new\nv.2.0.0\n-- first\n\nOlder versions\nv.0.9 -- old")
            << int(VersionVerdict::NewVersion) << QStringLiteral("• first");
        QTest::newRow("no history, several note lines")
            << QStringLiteral("Release Notes\rhttp://a.example/new\rv.2.0.0\r-- a\rplain line")
            << int(VersionVerdict::NewVersion) << QStringLiteral("• a\rplain line");
        QTest::newRow("three lines only") << QStringLiteral("Release Notes\rhttp://a.example/new\rv.2.0.0")
                                          << int(VersionVerdict::NewVersion) << QString();
        QTest::newRow("same version, other letter case")
            << QStringLiteral("release notes\rHTTP://a.example/\rV.1.0.0\r") << int(VersionVerdict::UpToDate)
            << QString();
        QTest::newRow("https release page")
            << QStringLiteral("Release Notes\rhttps://a.example/new\rv.1.0.0") << int(VersionVerdict::UpToDate)
            << QString();
        QTest::newRow("no Release Notes") << QStringLiteral("Notes\rhttp://a.example/\rv.1.0.0")
                                          << int(VersionVerdict::Unreadable) << QString();
        QTest::newRow("line 2 not an address") << QStringLiteral("Release Notes\rftp://a.example/\rv.1.0.0")
                                               << int(VersionVerdict::Unreadable) << QString();
        QTest::newRow("no version") << QStringLiteral("Release Notes\rhttp://a.example/\r1.0.0")
                                    << int(VersionVerdict::Unreadable) << QString();
        QTest::newRow("empty page") << QString() << int(VersionVerdict::Unreadable) << QString();
    }
    void evaluation()
    {
        QFETCH(QString, content);
        QFETCH(int, outcome);
        QFETCH(QString, notes);
        const VersionVerdict v = Kaminor::evaluateVersionText(QStringLiteral("http://h/V.txt\r") + content,
                                                              QStringLiteral("v.1.0.0"));
        QCOMPARE(int(v.outcome), outcome);
        QCOMPARE(v.address, QStringLiteral("http://h/V.txt"));
        if (outcome == VersionVerdict::NewVersion)
            QCOMPARE(v.notes, notes);
    }

    void errorCodeWithoutCarriageReturn()
    {
        const VersionVerdict v = Kaminor::evaluateVersionText(QStringLiteral("203"), QStringLiteral("v.1.0.0"));
        QCOMPARE(int(v.outcome), int(VersionVerdict::NetworkError));
        QCOMPARE(v.errorCode, QStringLiteral("203"));
    }

    void webAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("web");
        QTest::newRow("http") << QStringLiteral("http://a.example/p") << true;
        QTest::newRow("https") << QStringLiteral("HTTPS://a.example/p") << true;
        QTest::newRow("no host") << QStringLiteral("http://") << false;
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
    }
    void webAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, web);
        QCOMPARE(Kaminor::isWebAddress(text), web);
    }

    void automaticCheckIsDueOnLaterDayOnly()
    {
        const QDateTime today(QDate(2026, 3, 10), QTime(8, 0), Qt::UTC);
        QVERIFY(Kaminor::autoCheckDue(true, today, today.addDays(-1)));
        QVERIFY(!Kaminor::autoCheckDue(true, today, today.addSecs(-3600))); // same day
        QVERIFY(!Kaminor::autoCheckDue(false, today, today.addDays(-1)));
        QVERIFY(!Kaminor::autoCheckDue(true, today, today)); // first run

        UpdateCheck check;
        check.setUrl(QUrl(QStringLiteral("http://127.0.0.1:1/")));
        QVERIFY(!check.startAutomaticIfDue(true, today, today));
        QVERIFY(Fncts::AlertVerAjour);
    }

    void manualUpToDateIgnoresLetterCase()
    {
        LoopbackServer server;
        server.response = LoopbackServer::page("RELEASE NOTES\nhttp://www.example.org/\nV.1.0.0\n-- x");
        QVERIFY(server.listen(QHostAddress::LocalHost));
        UpdateCheck check;
        m_answer = 2; // Historique
        runCheck(check, server.url());

        QCOMPARE(m_dialogs.size(), 1);
        QCOMPARE(m_dialogs[0].message, QStringLiteral("Cette version est à jour."));
        QCOMPARE(m_dialogs[0].explanation, QStringLiteral("V.1.0.0"));
        QCOMPARE(m_dialogs[0].action, QStringLiteral("Ok"));
        QCOMPARE(m_dialogs[0].cancel, QStringLiteral("Historique"));
        QCOMPARE(m_dialogs[0].alternate, QString());
        QCOMPARE(m_dialogs[0].icon, qint16(0));
        QCOMPARE(m_sink.beeps, 0);
        QCOMPARE(m_urls.urls, QList<QUrl>{server.url()});
        QVERIFY(Fncts::DrapMenu);
        QVERIFY(Fncts::TexteVerMaJ.isEmpty());
        QVERIFY(!check.TimerVerMaJ().isActive());
        QCOMPARE(check.TimerVerMaJ().interval(), 1);
    }

    void reportGoesThroughTheMessageBox()
    {
        LoopbackServer server;
        server.response = LoopbackServer::page(kCurrent);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QString text, explanation;
        QStringList captions;
        bool drapMenuWhileUp = true;
        Fncts::ScopedDialogResponder responder([&](QMessageBox& box) {
            text = box.text();
            explanation = box.informativeText();
            for (QAbstractButton* b : box.buttons())
                captions << b->text();
            drapMenuWhileUp = Fncts::DrapMenu;
            return 1;
        });
        UpdateCheck check; // no dialog set: the program's own message box
        check.setUrl(server.url());
        QSignalSpy evaluated(&check, &UpdateCheck::evaluated);
        check.SocketVerMaJ_Get();
        QVERIFY(evaluated.wait(5000));
        QCOMPARE(text, QStringLiteral("Cette version est à jour."));
        QCOMPARE(explanation, QStringLiteral("v.1.0.0"));
        captions.sort();
        QCOMPARE(captions, (QStringList{QStringLiteral("Historique"), QStringLiteral("Ok")}));
        QVERIFY(!drapMenuWhileUp);
        QVERIFY(Fncts::DrapMenu);
    }

    void automaticUpToDateShowsNothingThenManualDoes()
    {
        LoopbackServer server;
        server.response = LoopbackServer::page(kCurrent);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        UpdateCheck check;
        Fncts::AlertVerAjour = false;
        runCheck(check, server.url());
        QVERIFY(m_dialogs.isEmpty());
        QVERIFY(Fncts::AlertVerAjour);
        runCheck(check, server.url());
        QCOMPARE(m_dialogs.size(), 1);
        QCOMPARE(m_dialogs[0].message, QStringLiteral("Cette version est à jour."));
    }

    void newVersion_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<qint16>("answer");
        QTest::addColumn<QString>("opened");
        QTest::newRow("automatic beeps, Site Web") << true << 1 << qint16(1) << QStringLiteral("https://www.example.org/v2");
        QTest::newRow("manual, Fermer") << false << 0 << qint16(2) << QString();
        QTest::newRow("manual, Historique") << false << 0 << qint16(3) << QStringLiteral("version file");
    }
    void newVersion()
    {
        QFETCH(bool, automatic);
        QFETCH(int, beeps);
        QFETCH(qint16, answer);
        QFETCH(QString, opened);
        LoopbackServer server;
        server.response = LoopbackServer::page(
            "Release Notes\r\nhttps://www.example.org/v2\r\nv.2.0.0\r\n-- Faster -- Nicer\r\n\r\nOlder versions\r\nv.1.0.0");
        QVERIFY(server.listen(QHostAddress::LocalHost));
        UpdateCheck check;
        Fncts::AlertVerAjour = !automatic;
        m_answer = answer;
        runCheck(check, server.url());

        QCOMPARE(m_sink.beeps, beeps);
        QCOMPARE(m_dialogs.size(), 1);
        const DialogCall& d = m_dialogs[0];
        QCOMPARE(d.message, QStringLiteral("Une nouvelle mise à jour est disponible."));
        QCOMPARE(d.explanation, QStringLiteral("v.2.0.0") + Fncts::EOL() + QStringLiteral("• Faster") + Fncts::EOL() +
                                     QStringLiteral("• Nicer"));
        QCOMPARE(d.action, QStringLiteral("Site Web"));
        QCOMPARE(d.cancel, QStringLiteral("Fermer"));
        QCOMPARE(d.alternate, QStringLiteral("Historique"));
        QCOMPARE(d.icon, qint16(0));
        QVERIFY(Fncts::AlertVerAjour);
        if (opened.isEmpty())
            QVERIFY(m_urls.urls.isEmpty());
        else if (opened == QLatin1String("version file"))
            QCOMPARE(m_urls.urls, QList<QUrl>{server.url()});
        else
            QCOMPARE(m_urls.urls, QList<QUrl>{QUrl(opened)});
    }

    void siteWebOpensOnlyWebAddresses()
    {
        Fncts::TexteVerMaJ = QStringLiteral("http://h/V.txt\rRelease Notes\rhttp://\rv.9.9.9");
        UpdateCheck check;
        attach(check);
        QVERIFY(!check.VrfVerMaJ(QStringLiteral("v.1.0.0"), QStringLiteral("up"), QStringLiteral("new"),
                                 QStringLiteral("fail"), QStringLiteral("Ok"), QStringLiteral("H"),
                                 QStringLiteral("S"), QStringLiteral("F")));
        QCOMPARE(m_dialogs.size(), 1);
        QVERIFY(m_urls.urls.isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("explanation");
        QTest::newRow("malformed") << LoopbackServer::page("Hello\r\nworld\r\n") << QString();
        QTest::newRow("404 page") << LoopbackServer::page("<html><body>Not Found</body></html>", 404, "text/html")
                                  << QString();
        QTest::newRow("over 1 MiB") << LoopbackServer::page(kCurrent + QByteArray(UpdateCheck::MaxReplyBytes, 'x'))
                                    << QString();
        QTest::newRow("over 1 MiB, no length")
            << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + kCurrent +
                          QByteArray(UpdateCheck::MaxReplyBytes, 'x'))
            << QString();
        QTest::newRow("refused") << QByteArray("refused") << QStringLiteral("Server Error 1");
        QTest::newRow("stall") << QByteArray("stall") << QStringLiteral("Server Error 4");
        QTest::newRow("trickle") << QByteArray("trickle") << QStringLiteral("Server Error 4");
    }
    void failures()
    {
        QFETCH(QByteArray, response);
        QFETCH(QString, explanation);
        for (const bool automatic : {false, true}) {
            init();
            Fncts::AlertVerAjour = !automatic;
            LoopbackServer server;
            server.stall = response == "stall";
            server.trickle = response == "trickle";
            server.response = server.trickle ? LoopbackServer::page(kCurrent) : response;
            QVERIFY(server.listen(QHostAddress::LocalHost));
            QUrl url = server.url();
            if (response == "refused")
                server.close(); // the port is free again: the connection is refused
            UpdateCheck check;
            check.setTimeoutMs(300);
            QElapsedTimer clock;
            clock.start();
            runCheck(check, url);
            if (server.stall || server.trickle)
                QVERIFY(clock.elapsed() >= 250);
            QVERIFY(Fncts::AlertVerAjour);
            QVERIFY(Fncts::DrapMenu);
            if (automatic) {
                QVERIFY(m_dialogs.isEmpty());
                QCOMPARE(m_sink.beeps, 0);
                continue;
            }
            QCOMPARE(m_dialogs.size(), 1);
            QCOMPARE(m_sink.beeps, 1);
            QVERIFY(m_dialogs[0].message.startsWith(QStringLiteral("Impossible de vérifier")));
            QCOMPARE(m_dialogs[0].explanation, explanation);
            QCOMPARE(m_dialogs[0].action, QStringLiteral("Ok"));
            QCOMPARE(m_dialogs[0].cancel, QString());
            QCOMPARE(m_dialogs[0].alternate, QString());
            QCOMPARE(m_dialogs[0].icon, qint16(1));
        }
    }

    void reportWaitsForIdleInterface()
    {
        LoopbackServer server;
        server.response = LoopbackServer::page(kCurrent);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        UpdateCheck check;
        attach(check);
        check.setUrl(server.url());
        QSignalSpy stored(&check, &UpdateCheck::resultStored);
        QSignalSpy evaluated(&check, &UpdateCheck::evaluated);

        Fncts::DrapMenu = false; // a window is open
        check.SocketVerMaJ_Get();
        QVERIFY(stored.wait(5000));
        QTest::qWait(1500);
        QCOMPARE(evaluated.size(), 0);
        QVERIFY(check.TimerVerMaJ().isActive());
        QCOMPARE(check.TimerVerMaJ().interval(), 1000);

        QElapsedTimer clock;
        clock.start();
        Fncts::DrapMenu = true; // the window closed
        QVERIFY(evaluated.wait(3000));
        QVERIFY(clock.elapsed() <= 1500);
        QCOMPARE(m_dialogs.size(), 1);
        QCOMPARE(check.TimerVerMaJ().interval(), 1);
        QVERIFY(!check.TimerVerMaJ().isActive());
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_updatecheck.moc"
