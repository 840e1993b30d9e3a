// Receives the addresses the program hands to the desktop, in place of the
// browser or mail program: install it with
// QDesktopServices::setUrlHandler(scheme, &catcher, "open").
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url);

public:
    QList<QUrl> urls;
};
