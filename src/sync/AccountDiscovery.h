#pragma once

#include "sync/DavClient.h"
#include "sync/DavXml.h"

#include <QObject>

#include <QCoro/QCoroTask>

namespace tolvik {

enum class DiscoveryOutcome
{
    found,
    signInRejected,
    untrustedCertificate,
    hostNotFound,
    unreachable,
    timeout,
    /// Something answered, but no address offered calendars.
    noCalDav,
};

struct DiscoveryResult
{
    DiscoveryOutcome outcome = DiscoveryOutcome::noCalDav;
    /// Where the server's calendars start (after the well-known redirect, say).
    QUrl endpoint;
    QUrl homeUrl;
    QList<DiscoveredCollection> collections;
    std::optional<CertificateInfo> certificate;
};

/// One answer to a DNS SRV question.
struct ServiceRecord
{
    QString target;
    quint16 port = 0;
};

/// Finds a CalDAV server from what a user types, signs in and lists the lists that can hold reminders: DNS SRV
/// and TXT (RFC 6764), the well-known address, the address as typed, the Nextcloud path and the root, then the
/// principal, its calendar home and a Depth-1 listing of that.
class AccountDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit AccountDiscovery(QObject* parent = nullptr);

    /// The addresses tried for `input`, in order, with those an SRV answer (`srvUrl`, may be empty) puts first.
    static QList<QUrl> candidates(const QString& input, const QUrl& srvUrl = {});
    /// Where the answers to `_caldavs._tcp` point (RFC 6764): the first SRV record (in the resolver's order of
    /// priority and weight) and the TXT record's `path=`; invalid when there is none or the service is declared
    /// absent (target ".").
    static QUrl serviceUrl(const QList<ServiceRecord>& records, const QList<QByteArray>& txtValues);
    /// The user name to suggest: the address itself when it is an email address.
    static QString suggestedUser(const QString& input);

    /// Looks for the server without signing in. `pinned` is a fingerprint the user already trusted.
    QCoro::Task<DiscoveryResult> findServer(QString input, QString pinned);
    /// Signs in at `endpoint` and lists the lists that can hold reminders.
    QCoro::Task<DiscoveryResult> signIn(QUrl endpoint, QString user, QString password, QString pinned);
    /// Makes a list of reminders under `home`; the new list on success.
    QCoro::Task<std::optional<DiscoveredCollection>> makeList(QUrl home, QString user, QString password, QString pinned,
                                                              QString displayName, QString color);

private:
    QCoro::Task<QUrl> lookUpService(QString domain);
    DavClient* m_client;
};

/// The outcome that a reply which failed before any HTTP answer stands for.
DiscoveryOutcome outcomeOfFailure(const DavReply& reply);

} // namespace tolvik
