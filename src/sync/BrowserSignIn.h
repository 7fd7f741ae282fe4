#pragma once

#include "sync/DavClient.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <QCoro/QCoroTask>

#include <optional>

namespace tolvik {

/// A sign-in the server started for the browser: the page the user opens, and where the app asks whether it is done.
struct BrowserLogin
{
    QUrl loginPage;
    QUrl pollEndpoint;
    QString token;
};

/// What the server hands out once the user signed in in the browser: an app password of its own, never the user's.
struct BrowserCredentials
{
    QString server;
    QString loginName;
    QString appPassword;
};

/// Sign-in in the browser, as Nextcloud offers it (Login Flow v2): the server gives a page to open and a token; the
/// user signs in there, two-factor included, and polling with the token yields an app password for this computer.
class BrowserSignIn : public QObject
{
    Q_OBJECT

public:
    explicit BrowserSignIn(QObject* parent = nullptr);

    /// Where a Nextcloud answers whose calendars are at `endpoint` (the part before "remote.php", else the host's
    /// root), found by its status page; nothing when the server is none.
    QCoro::Task<std::optional<QUrl>> nextcloudRoot(QUrl endpoint, QString pinned);
    /// Asks the server at `root` for a sign-in; nothing when it starts none or answers with anything but web pages.
    QCoro::Task<std::optional<BrowserLogin>> start(QUrl root, QString pinned);
    /// Asks every `intervalMs` whether the user has signed in, for at most `limitMs`; nothing when the time ran
    /// out, the server refused the token or `cancel` was called.
    QCoro::Task<std::optional<BrowserCredentials>> waitForSignIn(BrowserLogin login, QString pinned, int intervalMs,
                                                                 int limitMs);
    /// Stops a wait under way.
    void cancel() { ++m_generation; }

private:
    DavClient* m_client;
    quint64 m_generation = 0;
};

} // namespace tolvik
