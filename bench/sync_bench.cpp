// What a user waits for when the app syncs an account through its own service (snapshot, the deletion guard's look
// at each list, then vdirsyncer), against a Radicale server on 127.0.0.1:
//   build/bench/sync_bench [--items 500]
// prints the first sync that brings the server's reminders here, a sync with nothing changed, and the time from a
// change here until the server has it. Everything runs in a temp home; the password sits in a file there.
#include "CalDavClient.h"
#include "PeerPrograms.h"
#include "TestSupport.h"

#include "sync/CredentialStore.h"
#include "sync/EngineConfig.h"
#include "sync/SyncScheduler.h"
#include "sync/SyncService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <QCoro/QCoroTask>

#include <cstdio>

using namespace tolvik;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int items = 500;
    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--items")); at >= 0 && at + 1 < arguments.size()) {
        items = arguments.at(at + 1).toInt();
    }
    test::IsolatedHome home;
    qputenv("XDG_STATE_HOME", (home.path() + QStringLiteral("/state")).toUtf8());
    interop::RadicaleServer server(home.path() + QStringLiteral("/server"));
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "Radicale: %s\n", qPrintable(error));
        return 1;
    }
    interop::CalDavClient dav(server.user(), server.password());
    const QUrl work = server.collectionUrl(QStringLiteral("work"));
    dav.makeCalendar(work, QStringLiteral("Work"), QStringLiteral("#FF8800"));
    for (int i = 0; i < items; ++i) {
        const QByteArray uid = "bench-" + QByteArray::number(i);
        dav.put(work, QString::fromLatin1(uid) + QStringLiteral(".ics"), test::todoFile(uid, "Reminder " + uid));
    }

    const QString root = home.dataHome() + QStringLiteral("/calendars");
    SyncAccount account;
    account.id = QStringLiteral("bench");
    account.homeUrl = server.baseUrl().resolved(QUrl(server.user() + QLatin1Char('/')));
    account.userName = server.user();
    account.collections = {{QStringLiteral("work"), work}};
    account.secretInFile = true;
    if (QCoro::waitFor(CredentialStore::write(account.id, server.password(), true)).status != SecretStatus::ok) {
        return 1;
    }
    SyncAccountRegistry::save({account});
    EngineConfig::write(account, root, QStringLiteral(TOLVIK_APP_BINARY));
    QDir().mkpath(root + QStringLiteral("/bench/work"));
    SyncService service(root, QStringLiteral(TOLVIK_APP_BINARY));
    std::printf("items: %d\n", items);
    const auto first = [&] {
        QElapsedTimer timer;
        timer.start();
        return QCoro::waitFor(service.sync(account.id)) ? timer.elapsed() : -1;
    }();
    std::printf("first sync, %d reminders from the server: %lld ms\n", items, first);
    if (first < 0) {
        std::fprintf(stderr, "the first sync failed: problem %d\n", int(service.state(account.id).problem));
    }
    const auto quiet = [&] {
        QElapsedTimer timer;
        timer.start();
        return QCoro::waitFor(service.sync(account.id)) ? timer.elapsed() : -1;
    }();
    std::printf("sync with nothing changed: %lld ms\n", quiet);
    test::writeFile(root + QStringLiteral("/bench/work/changed-here.ics"), test::todoFile("changed-here", "New here"));
    QElapsedTimer change;
    change.start();
    const bool synced = QCoro::waitFor(service.sync(account.id, {QStringLiteral("work")}));
    const qint64 toServer = change.elapsed();
    bool onServer = false;
    for (const interop::DavItem& item : dav.items(work)) {
        onServer = onServer || item.data.contains("changed-here");
    }
    std::printf("one change here until the server has it (add the scheduler's %d s quiet moment): %lld ms%s\n",
                SyncScheduler::quietMs / 1000, synced && onServer ? toServer : -1LL,
                synced && onServer ? "" : " (failed)");
    server.stop();
    return first < 0 || quiet < 0 || !onServer ? 1 : 0;
}
