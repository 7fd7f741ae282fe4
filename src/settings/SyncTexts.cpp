#include "settings/SyncTexts.h"

#include "appearance/LocalizationManager.h"

#include <QLocale>

namespace tolvik {

namespace SyncTexts {

namespace {

QString text(const char* key)
{
    return localizedString(QString::fromLatin1(key));
}

QString ago(const QDateTime& when, const QDateTime& now)
{
    const qint64 seconds = when.secsTo(now);
    if (seconds < 60) {
        return text("sync.status.justNow");
    }
    if (seconds < 3600) {
        return localizedString(QStringLiteral("sync.status.minutesAgo"), int(seconds / 60));
    }
    if (seconds < 86400) {
        return localizedString(QStringLiteral("sync.status.hoursAgo"), int(seconds / 3600));
    }
    return text("sync.status.onDate").arg(QLocale().toString(when.toLocalTime().date(), QLocale::ShortFormat));
}

QString heldText(const AccountSyncState& state)
{
    QStringList names;
    bool removed = false;
    bool allEmpty = true;
    for (const HeldDeletion& held : state.held) {
        if (!names.contains(held.displayName)) {
            names.append(held.displayName);
        }
        removed = removed || held.alreadyRemoved;
        allEmpty = allEmpty && held.serverEmpty;
    }
    const QString key = removed    ? QStringLiteral("sync.held.removed")
                        : allEmpty ? QStringLiteral("sync.held.serverEmpty")
                                   : QStringLiteral("sync.held.wouldRemove");
    return localizedString(key, state.heldCount()).arg(QLocale().createSeparatedList(names));
}

} // namespace

QString discoveryProblem(DiscoveryOutcome outcome)
{
    switch (outcome) {
    case DiscoveryOutcome::found:
        return {};
    case DiscoveryOutcome::signInRejected:
        return text("sync.problem.signInRejected");
    case DiscoveryOutcome::untrustedCertificate:
        return text("sync.problem.certificate");
    case DiscoveryOutcome::hostNotFound:
        return text("sync.problem.hostNotFound");
    case DiscoveryOutcome::unreachable:
        return text("sync.problem.unreachable");
    case DiscoveryOutcome::timeout:
        return text("sync.problem.timedOut");
    case DiscoveryOutcome::noCalDav:
        return text("sync.problem.noCalDav");
    }
    return {};
}

QString certificateDetails(const CertificateInfo& certificate)
{
    const QLocale locale;
    QString details;
    if (certificate.changedFromPinned) {
        details += text("sync.cert.changed") + QStringLiteral("<br><br>");
    }
    const auto row = [&details](const QString& label, const QString& value) {
        details += QStringLiteral("<b>%1</b> %2<br>").arg(label.toHtmlEscaped(), value.toHtmlEscaped());
    };
    if (!certificate.reason.isEmpty()) {
        row(text("sync.cert.reason"), certificate.reason);
    }
    row(text("sync.cert.subject"), certificate.subject);
    row(text("sync.cert.issuer"), certificate.issuer);
    row(text("sync.cert.valid"),
        text("sync.cert.validRange")
            .arg(locale.toString(certificate.validFrom.toLocalTime().date(), QLocale::ShortFormat),
                 locale.toString(certificate.validUntil.toLocalTime().date(), QLocale::ShortFormat)));
    details += QStringLiteral("<b>%1</b><br><tt>%2</tt>")
                   .arg(text("sync.cert.fingerprint").toHtmlEscaped(), certificate.sha256.toHtmlEscaped());
    return details;
}

QString problem(const AccountSyncState& state)
{
    switch (state.problem) {
    case SyncProblem::none:
        return {};
    case SyncProblem::signInAgain:
        return text("sync.problem.signInAgain");
    case SyncProblem::keyringUnavailable:
        return text("sync.problem.keyring");
    case SyncProblem::certificateChanged:
        return text("sync.problem.certificateChanged");
    case SyncProblem::hostNotFound:
        return text("sync.problem.hostNotFound");
    case SyncProblem::offline:
        return localizedString(QStringLiteral("sync.problem.offline"), state.pendingChanges);
    case SyncProblem::unreachable:
        return text("sync.problem.unreachable");
    case SyncProblem::serverTrouble:
        return text("sync.problem.serverTrouble");
    case SyncProblem::timedOut:
        return text("sync.problem.timedOut");
    case SyncProblem::listGone:
        return text("sync.problem.listGone").arg(state.problemList);
    case SyncProblem::serverEmptied:
        return text("sync.problem.serverEmptied").arg(state.problemList);
    case SyncProblem::conflicts:
        return text("sync.problem.conflicts");
    case SyncProblem::engineMissing:
        return text("sync.problem.engineMissing");
    case SyncProblem::unknown:
        return text("sync.problem.unknown");
    case SyncProblem::listNotMade:
        return text("sync.problem.listNotMade").arg(state.problemList);
    case SyncProblem::deletionsHeld:
        return state.held.isEmpty() ? QString() : heldText(state);
    }
    return {};
}

QString status(const AccountSyncState& state, const QDateTime& now)
{
    if (state.running) {
        return state.progressCount > 0
                   ? localizedString(QStringLiteral("sync.status.syncingCount"), state.progressCount)
                   : text("sync.status.syncing");
    }
    if (state.problem != SyncProblem::none) {
        return problem(state);
    }
    if (!state.lastSuccess.isValid()) {
        return text("sync.status.never");
    }
    return text("sync.status.synced").arg(ago(state.lastSuccess, now));
}

QString footerLine(const AccountSyncState& state)
{
    if (state.problem == SyncProblem::none) {
        return {};
    }
    if (state.problem == SyncProblem::offline) {
        return localizedString(QStringLiteral("sync.footer.offline"), state.pendingChanges);
    }
    if (state.problem == SyncProblem::deletionsHeld) {
        return text("sync.footer.held");
    }
    return text("sync.footer.problem");
}

} // namespace SyncTexts

} // namespace tolvik
