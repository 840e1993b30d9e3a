// The update check: the version file is fetched from the developer's web site,
// the result is kept in Fncts::TexteVerMaJ and reported by a one-shot timer
// once the user interface is idle (Fncts::DrapMenu true).
#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace Kaminor {

// The running version as the about window shows it: "v." + the release numbers.
QString ShortVersion();

// What a result kept in TexteVerMaJ amounts to.
struct VersionVerdict {
    enum Outcome { NetworkError, Unreadable, NewVersion, UpToDate };
    Outcome outcome = NetworkError;
    QString address;   // the version file's address (text before the first CR)
    QString siteUrl;   // line 2: the page of the new release
    QString version;   // line 3
    QString notes;     // the release notes, one "• " item a line, lines joined by CR
    QString errorCode; // the whole received text for a network error
};

// Evaluates a received text ("address" CR "content", or an error code) against
// the running version. No side effect; letter case is ignored throughout.
VersionVerdict evaluateVersionText(const QString& texteVerMaJ, const QString& runningVersion);

// True when line 2 may be opened in the web browser: an http or https address with a host.
bool isWebAddress(const QString& text);

// True when an automatic check is due at start-up: allowed, and today is a later
// day (seconds since the epoch / 86400, rounded down) than the previous launch.
bool autoCheckDue(bool autoCheckUpdt, const QDateTime& dateDuJour, const QDateTime& dateLaunch);

class UpdateCheck : public QObject {
    Q_OBJECT

public:
    // MyDialogBox's shape: message, explanation, action, cancel, alternate captions, icon.
    using DialogFn = std::function<qint16(const QString&, const QString&, const QString&, const QString&,
                                          const QString&, qint16)>;

    // Replies longer than this are taken for an unreadable file.
    static constexpr qint64 MaxReplyBytes = 1024 * 1024;
    static constexpr int DefaultTimeoutMs = 20000;

    explicit UpdateCheck(QObject* parent = nullptr);
    ~UpdateCheck() override;

    // The version file's address; KaminorConfig::VersionFileUrl unless changed.
    void setUrl(const QUrl& url) { m_url = url; }
    QUrl url() const { return m_url; }
    // How long a transfer may take in all before it counts as a network error; a
    // server that trickles its reply is cut off as surely as one that never answers.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // The dialog used for reports; Fncts::MyDialogBox unless changed.
    void setDialog(DialogFn dialog) { m_dialog = std::move(dialog); }

    // Asks SocketVerMaJ to GET the version file. Sets nothing else.
    void SocketVerMaJ_Get();

    // At the end of start-up: an automatic check when due (AlertVerAjour false),
    // otherwise nothing is fetched and every later check reports (AlertVerAjour true).
    // Returns whether a request was made.
    bool startAutomaticIfDue(bool autoCheckUpdt, const QDateTime& dateDuJour, const QDateTime& dateLaunch);

    // Evaluates TexteVerMaJ and reports. Returns true when it did nothing because
    // the user interface was busy, false when it evaluated.
    bool VrfVerMaJ(const QString& runningVersion, const QString& upToDateText, const QString& newVersionText,
                   const QString& failureText, const QString& okCaption, const QString& historyCaption,
                   const QString& siteCaption, const QString& closeCaption);

    QTimer& TimerVerMaJ() { return m_timer; }

signals:
    // A result was stored in TexteVerMaJ and the timer armed.
    void resultStored();
    // An evaluation finished (after its dialog, if any).
    void evaluated();

private:
    void TimerVerMaJ_Action();
    void SocketVerMaJ_PageReceived(const QString& address, const QByteArray& content);
    void SocketVerMaJ_Error(int code);
    void replyFinished(QNetworkReply* reply);
    qint16 dialog(const QString& message, const QString& explanation, const QString& action,
                  const QString& cancel, const QString& alternate, qint16 icon);
    static void openAddress(const QString& address);

    QNetworkAccessManager* m_socket;
    QTimer m_timer;
    QUrl m_url;
    int m_timeoutMs = DefaultTimeoutMs;
    DialogFn m_dialog;
};

} // namespace Kaminor
