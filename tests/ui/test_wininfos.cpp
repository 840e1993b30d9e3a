#include "KaminorConfig.h"
#include "UrlCatcher.h"
#include "app/Fncts.h"
#include "app/UpdateCheck.h"
#include "core/FnctsState.h"
#include "text/Feedback.h"
#include "ui/WinInfos.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

using Kaminor::WinInfos;

namespace {

const QStringList kSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")};

} // namespace

class TestWinInfos : public QObject {
    Q_OBJECT

private:
    Fncts::RecordingSink m_sink;
    UrlCatcher m_urls;
    std::unique_ptr<WinInfos> m_win;

    WinInfos& open()
    {
        m_win = std::make_unique<WinInfos>();
        m_win->show();
        return *m_win;
    }

private slots:
    void initTestCase()
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, &m_urls, "open");
    }
    void cleanupTestCase()
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    void init()
    {
        m_sink = {};
        Fncts::setFeedbackSink(&m_sink);
        m_urls.urls.clear();
        Fncts::DrapMenu = true;
    }
    void cleanup()
    {
        m_win.reset();
        Fncts::setFeedbackSink(nullptr);
    }

    void opening()
    {
        WinInfos& w = open();
        QCOMPARE(w.size(), QSize(430, 480));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w.StaticTextVersion()->text(), Kaminor::ShortVersion());
        QCOMPARE(w.BoutonOk()->geometry(), QRect(336, 440, 74, 20));
        QCOMPARE(w.CanvDevLogo()->geometry(), QRect(20, 439, 148, 22));
        QCOMPARE(w.Web1()->text(), QString::fromUtf8(KaminorConfig::MakerSite));
        QVERIFY(w.BoutonOk()->isDefault());
        QVERIFY(!Fncts::DrapMenu);
    }

    void onlyOkOrReturnCloses_data()
    {
        QTest::addColumn<bool>("drapMenu");
        QTest::newRow("menus were on") << true;
        QTest::newRow("menus were off") << false;
    }
    void onlyOkOrReturnCloses()
    {
        QFETCH(bool, drapMenu);
        Fncts::DrapMenu = drapMenu;
        WinInfos& w = open();
        QVERIFY(!w.close());
        QCOMPARE(m_sink.beeps, 1);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QCOMPARE(m_sink.beeps, 1);
        QVERIFY(!Fncts::DrapMenu);
        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(Fncts::DrapMenu, drapMenu);
    }

    void links_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("dx"); // release point relative to the bottom-right corner
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("opened");
        const QString maker = QString::fromUtf8(KaminorConfig::MakerSite);
        const QString credits = QString::fromUtf8(KaminorConfig::CreditsSite);
        QTest::newRow("Web1 inside") << QStringLiteral("Web1") << -5 << -5 << maker;
        QTest::newRow("Web1 on the bottom-right edge") << QStringLiteral("Web1") << 0 << 0 << maker;
        QTest::newRow("Web1 released outside") << QStringLiteral("Web1") << 1 << 0 << QString();
        QTest::newRow("Web2 below") << QStringLiteral("Web2") << -5 << 3 << QString();
        QTest::newRow("logo on the edge") << QStringLiteral("CanvDevLogo") << 0 << 0 << credits;
        QTest::newRow("logo outside") << QStringLiteral("CanvDevLogo") << 0 << 1 << QString();
    }
    void links()
    {
        QFETCH(QString, control);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QString, opened);
        WinInfos& w = open();
        auto* link = w.findChild<QWidget*>(control);
        QVERIFY(link);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(w.cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + dx, link->height() + dy));
        QCOMPARE(m_urls.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        // A release without a press on the control does nothing.
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m_urls.urls.size(), opened.isEmpty() ? 0 : 1);
    }

    void mailLinkCarriesEncodedSubject()
    {
        WinInfos& w = open();
        QTest::mousePress(w.Email2(), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(w.Email2(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m_urls.urls.size(), 1);
        const QByteArray sent = m_urls.urls[0].toEncoded();
        const QString subject = QStringLiteral("A propos de Kaminor ") + Kaminor::ShortVersion() +
                                QLatin1Char(' ') + Fncts::TypeCompil();
        QCOMPARE(sent, "mailto:" + w.Email2()->text().toUtf8() + "?Subject=" + QUrl::toPercentEncoding(subject));
        QVERIFY(!sent.contains(' '));
        QVERIFY(sent.contains("A%20propos%20de%20Kaminor%20v."));
    }

    void logoIsDrawnThroughItsMask()
    {
        QImage logo(146, 22, QImage::Format_ARGB32);
        logo.fill(QColor(200, 10, 10));
        QImage mask(146, 22, QImage::Format_RGB32);
        mask.fill(Qt::white);
        mask.setPixel(3, 4, qRgb(0, 0, 0));
        mask.setPixel(5, 4, qRgb(128, 128, 128));
        const QImage shown = Kaminor::maskedPicture(logo, mask);
        QCOMPARE(shown.size(), QSize(146, 22));
        QCOMPARE(shown.pixel(3, 4), qRgba(200, 10, 10, 255));
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QVERIFY(qAbs(qAlpha(shown.pixel(5, 4)) - 127) <= 1);
    }

    void helpDialog_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("opened");
        QTest::newRow("Lire À propos") << 1 << true << QString();
        QTest::newRow("Fermer") << 2 << false << QString();
        QTest::newRow("FAQ") << 3 << false << Kaminor::faqAddress().toString();
    }
    void helpDialog()
    {
        QFETCH(int, button);
        QFETCH(bool, about);
        QFETCH(QString, opened);
        QString message;
        QStringList captions;
        Fncts::ScopedDialogResponder responder([&](QMessageBox& box) {
            message = box.text();
            for (QAbstractButton* b : box.buttons())
                captions << b->text();
            return button;
        });
        bool aboutShown = false;
        if (about) {
            // Close the about window once it is up, as the user would with OK.
            QTimer::singleShot(100, this, [&aboutShown] {
                if (auto* w = qobject_cast<WinInfos*>(QApplication::activeModalWidget())) {
                    aboutShown = true;
                    QVERIFY(!Fncts::DrapMenu);
                    w->BoutonOk()->click();
                }
            });
        }
        QVERIFY(Kaminor::AideAide(nullptr));
        QCOMPARE(aboutShown, about);
        QVERIFY(Fncts::DrapMenu);
        QVERIFY(message.startsWith(QStringLiteral("L'aide n'est pas disponible pour Kaminor.")));
        QVERIFY(message.contains(Fncts::EOL() + QStringLiteral("Veuillez lire “À propos de Kaminor”.") + Fncts::EOL()));
        QVERIFY(message.endsWith(Fncts::TypeCompil() + QLatin1Char('.')));
        captions.sort();
        QCOMPARE(captions, (QStringList{QStringLiteral("FAQ"), QStringLiteral("Fermer"), QStringLiteral("Lire À propos")}));
        QCOMPARE(m_urls.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
    }

    void faqLiesBesideTheVersionFile()
    {
        const QUrl faq = Kaminor::faqAddress();
        QCOMPARE(faq.fileName(), QStringLiteral("Kaminor_FAQ.html"));
        QCOMPARE(faq.adjusted(QUrl::RemoveFilename),
                 QUrl(QString::fromUtf8(KaminorConfig::VersionFileUrl)).adjusted(QUrl::RemoveFilename));
    }
};

QTEST_MAIN(TestWinInfos)
#include "test_wininfos.moc"
