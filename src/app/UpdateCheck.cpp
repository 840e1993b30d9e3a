#include "UpdateCheck.h"

#include "KaminorConfig.h"
#include "app/Fncts.h"
#include "core/FnctsState.h"
#include "text/Feedback.h"
#include "text/Localisation.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace Kaminor {

QString ShortVersion() { return QStringLiteral("v.") + QString::fromLatin1(KaminorConfig::Version); }

bool isWebAddress(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

VersionVerdict evaluateVersionText(const QString& texte, const QString& runningVersion)
{
    VersionVerdict v;
    const qsizetype cr = texte.indexOf(QLatin1Char('\r'));
    if (cr < 0) {
        v.outcome = VersionVerdict::NetworkError;
        v.errorCode = texte;
        return v;
    }
    v.address = texte.left(cr);
    QString work = texte.mid(cr + 1);
    work.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    work.replace(QLatin1Char('\n'), QLatin1Char('\r'));

    const qsizetype older = work.indexOf(QLatin1String("Older versions"), 0, Qt::CaseInsensitive);
    if (older >= 0)
        work.truncate(older);

    const QStringList lines = work.split(QLatin1Char('\r'));
    const QString line1 = lines.value(0);
    const QString line2 = lines.value(1);
    const QString line3 = lines.value(2);

    // The notes follow the third line's carriage return.
    QString notes = work.mid(line1.size() + line2.size() + line3.size() + 3);
    while (notes.endsWith(QLatin1Char('\r')))
        notes.chop(1);
    notes.replace(QLatin1String(" -- "), QStringLiteral("\r\u2022 "));
    const qsizetype first = notes.indexOf(QLatin1String("-- "));
    if (first >= 0)
        notes.replace(first, 3, QStringLiteral("\u2022 "));

    v.siteUrl = line2;
    v.version = line3;
    v.notes = notes;

    const bool wellFormed = line1.startsWith(QLatin1String("Release Notes"), Qt::CaseInsensitive) &&
                            (line2.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                             line2.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) &&
                            line3.startsWith(QLatin1String("v."), Qt::CaseInsensitive);
    if (!wellFormed)
        v.outcome = VersionVerdict::Unreadable;
    else if (line3.compare(runningVersion, Qt::CaseInsensitive) == 0)
        v.outcome = VersionVerdict::UpToDate;
    else
        v.outcome = VersionVerdict::NewVersion;
    return v;
}

bool autoCheckDue(bool autoCheckUpdt, const QDateTime& dateDuJour, const QDateTime& dateLaunch)
{
    if (!autoCheckUpdt || !dateDuJour.isValid() || !dateLaunch.isValid())
        return false;
    const auto dayNumber = [](const QDateTime& d) {
        const qint64 secs = d.toSecsSinceEpoch();
        return secs >= 0 ? secs / 86400 : (secs - 86399) / 86400; // rounded down
    };
    return dayNumber(dateDuJour) > dayNumber(dateLaunch);
}

UpdateCheck::UpdateCheck(QObject* parent)
    : QObject(parent),
      m_socket(new QNetworkAccessManager(this)),
      m_url(QString::fromUtf8(KaminorConfig::VersionFileUrl))
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
    // Design state: off, 1 ms.
    m_timer.setInterval(1);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &UpdateCheck::TimerVerMaJ_Action);
}

UpdateCheck::~UpdateCheck() = default;

void UpdateCheck::SocketVerMaJ_Get()
{
    QNetworkRequest request(m_url);
    QNetworkReply* reply = m_socket->get(request);

    struct Transfer {
        QByteArray content;
        bool oversized = false;
        bool timedOut = false;
        bool done = false;
    };
    auto transfer = std::make_shared<Transfer>();
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    deadline->setInterval(m_timeoutMs);

    const auto take = [reply, transfer] {
        if (transfer->oversized)
            return;
        transfer->content += reply->read(MaxReplyBytes + 1 - transfer->content.size());
        if (transfer->content.size() > MaxReplyBytes) {
            transfer->oversized = true;
            transfer->content.clear();
            reply->abort();
        }
    };

    connect(deadline, &QTimer::timeout, reply, [reply, transfer] {
        transfer->timedOut = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, transfer] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > MaxReplyBytes && !transfer->oversized) {
            transfer->oversized = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, reply, take);
    connect(reply, &QNetworkReply::finished, this, [this, reply, transfer, deadline, take] {
        if (transfer->done)
            return;
        transfer->done = true;
        deadline->stop();
        // The errors below 100 are the connection's (refused, reset, cut short ...).
        const QNetworkReply::NetworkError error = reply->error();
        const bool connectionFailed = error > QNetworkReply::NoError && error <= QNetworkReply::UnknownNetworkError;
        if (transfer->timedOut) {
            SocketVerMaJ_Error(QNetworkReply::TimeoutError);
        } else if (transfer->oversized) {
            // Too long to be a version file: evaluated as an empty page, hence unreadable.
            SocketVerMaJ_PageReceived(reply->url().toString(), QByteArray());
        } else if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() && !connectionFailed) {
            // A page came back, whatever its status: an error page fails the format test.
            // A page cut short by the connection is not one: its first lines may look whole.
            take();
            SocketVerMaJ_PageReceived(reply->url().toString(), transfer->oversized ? QByteArray() : transfer->content);
        } else {
            SocketVerMaJ_Error(error == QNetworkReply::NoError ? QNetworkReply::UnknownNetworkError : error);
        }
        reply->deleteLater();
    });
    deadline->start();
}

bool UpdateCheck::startAutomaticIfDue(bool autoCheckUpdt, const QDateTime& dateDuJour, const QDateTime& dateLaunch)
{
    if (autoCheckDue(autoCheckUpdt, dateDuJour, dateLaunch)) {
        Fncts::AlertVerAjour = false;
        SocketVerMaJ_Get();
        return true;
    }
    Fncts::AlertVerAjour = true;
    return false;
}

void UpdateCheck::SocketVerMaJ_PageReceived(const QString& address, const QByteArray& content)
{
    Fncts::TexteVerMaJ = address + QLatin1Char('\r') + QString::fromUtf8(content);
    m_timer.setSingleShot(true);
    m_timer.start();
    emit resultStored();
}

void UpdateCheck::SocketVerMaJ_Error(int code)
{
    Fncts::TexteVerMaJ = QString::number(code);
    m_timer.setSingleShot(true);
    m_timer.start();
    emit resultStored();
}

void UpdateCheck::TimerVerMaJ_Action()
{
    const bool postponed =
        VrfVerMaJ(ShortVersion(), Localisation::Txt_Ver_a_jour(), Localisation::Txt_Ver_Nouv(),
                  Localisation::Txt_Ver_MaJ_impo(), Localisation::Btn_Ok(), Localisation::Btn_Historic(),
                  Localisation::Btn_SiteWeb(), Localisation::Btn_Fermer());
    if (postponed) {
        if (m_timer.interval() != 1000)
            m_timer.setInterval(1000);
        m_timer.setSingleShot(true);
        m_timer.start();
        return;
    }
    if (m_timer.interval() != 1)
        m_timer.setInterval(1);
    // A result that arrived while the report was up is still waiting: report it next.
    if (!Fncts::TexteVerMaJ.isEmpty())
        m_timer.start();
    else
        m_timer.stop();
}

bool UpdateCheck::VrfVerMaJ(const QString& runningVersion, const QString& upToDateText,
                            const QString& newVersionText, const QString& failureText, const QString& okCaption,
                            const QString& historyCaption, const QString& siteCaption, const QString& closeCaption)
{
    if (!Fncts::DrapMenu)
        return true;
    Fncts::DrapMenu = false;

    const QString evaluatedText = Fncts::TexteVerMaJ;
    const VersionVerdict v = evaluateVersionText(evaluatedText, runningVersion);
    switch (v.outcome) {
    case VersionVerdict::NewVersion: {
        if (!Fncts::AlertVerAjour) {
            Fncts::AlertVerAjour = true;
            Fncts::Beep();
        }
        // The message box breaks lines at line feeds only, not at the notes' carriage returns.
        const QString notes = QString(v.notes).replace(QLatin1Char('\r'), Fncts::EOL());
        const qint16 pressed = dialog(newVersionText, v.version + Fncts::EOL() + notes, siteCaption,
                                      closeCaption, historyCaption, 0);
        if (pressed == 1 && isWebAddress(v.siteUrl))
            openAddress(v.siteUrl.trimmed());
        else if (pressed == 3)
            openAddress(v.address);
        break;
    }
    case VersionVerdict::UpToDate:
        if (!Fncts::AlertVerAjour) {
            Fncts::AlertVerAjour = true;
        } else if (dialog(upToDateText, v.version, okCaption, historyCaption, QString(), 0) == 2) {
            openAddress(v.address);
        }
        break;
    case VersionVerdict::Unreadable:
        if (Fncts::AlertVerAjour) {
            Fncts::Beep();
            dialog(failureText, QString(), okCaption, QString(), QString(), 1);
        } else {
            Fncts::AlertVerAjour = true;
        }
        break;
    case VersionVerdict::NetworkError:
        if (Fncts::AlertVerAjour) {
            Fncts::Beep();
            dialog(failureText, QStringLiteral("Server Error ") + evaluatedText, okCaption, QString(), QString(), 1);
        } else {
            Fncts::AlertVerAjour = true;
        }
        break;
    }

    // A newer result stored while the dialog was up is kept for the next run of the timer.
    if (Fncts::TexteVerMaJ == evaluatedText)
        Fncts::TexteVerMaJ.clear();
    Fncts::DrapMenu = true;
    emit evaluated();
    return false;
}

qint16 UpdateCheck::dialog(const QString& message, const QString& explanation, const QString& action,
                           const QString& cancel, const QString& alternate, qint16 icon)
{
    if (m_dialog)
        return m_dialog(message, explanation, action, cancel, alternate, icon);
    return Fncts::MyDialogBox(message, explanation, action, cancel, alternate, icon);
}

void UpdateCheck::openAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

} // namespace Kaminor
