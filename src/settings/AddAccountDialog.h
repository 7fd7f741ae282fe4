#pragma once

#include "sync/AccountDiscovery.h"
#include "sync/BrowserSignIn.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace tolvik {

class SyncService;

/// Adds a CalDAV account in four steps: the server's address or an email address (the app finds the server),
/// the server's certificate when this computer does not trust it, the sign-in, and the lists to sync. Nothing is
/// stored before the last step; then the password goes to the keyring and the first sync starts.
class AddAccountDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Page
    {
        address,
        certificate,
        signIn,
        lists,
    };

    AddAccountDialog(SyncService& service, QWidget* parent = nullptr);

    Page page() const;
    QLineEdit* addressField() const { return m_address; }
    QLineEdit* userField() const { return m_user; }
    QLineEdit* passwordField() const { return m_password; }
    QPushButton* primaryButton() const { return m_primary; }
    QPushButton* backButton() const { return m_back; }
    QLabel* statusLabel() const { return m_status; }
    QLabel* certificateText() const { return m_certificateText; }
    QPushButton* newListButton() const { return m_newList; }
    /// "Sign In with Browser…", shown on the sign-in page only where the server is a Nextcloud.
    QPushButton* browserButton() const { return m_browserButton; }
    /// How often and how long the browser sign-in asks the server whether the user is done; tests shorten both.
    void setBrowserPolling(int intervalMs, int limitMs)
    {
        m_pollIntervalMs = intervalMs;
        m_pollLimitMs = limitMs;
    }
    /// The list toggles, in the order shown.
    QList<QCheckBox*> listToggles() const { return m_listToggles; }
    /// The id of the account added, once it was.
    QString addedAccountID() const { return m_addedID; }
    /// Where the keyring did not answer: whether the user is asked to keep the password in a file instead.
    /// Tests answer the question here instead of through the message box.
    void setFileFallbackAnswer(std::optional<bool> answer) { m_fileFallbackAnswer = answer; }

Q_SIGNALS:
    /// The account was set up; its first sync runs.
    void accountAdded(const QString& accountID, const QStringList& listNames);

private:
    QWidget* buildAddressPage();
    QWidget* buildCertificatePage();
    QWidget* buildSignInPage();
    QWidget* buildListsPage();
    void showPage(Page page);
    void goForward();
    void goBack();
    void findServer();
    void signIn();
    void offerBrowserSignIn();
    void signInWithBrowser();
    void finish(bool secretInFile);
    void makeList();
    void showLists();
    void setBusy(bool busy, const QString& text = {});
    void showProblem(DiscoveryOutcome outcome);

    SyncService& m_service;
    AccountDiscovery* m_discovery;
    BrowserSignIn* m_browser;
    QStackedWidget* m_pages;
    QLineEdit* m_address = nullptr;
    QLabel* m_certificateText = nullptr;
    QLabel* m_serverLabel = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_listsNote = nullptr;
    QVBoxLayout* m_listRows = nullptr;
    QPushButton* m_newList = nullptr;
    QPushButton* m_browserButton = nullptr;
    QLabel* m_status;
    QPushButton* m_back;
    QPushButton* m_primary;
    QList<QCheckBox*> m_listToggles;

    DiscoveryResult m_found;
    QList<DiscoveredCollection> m_collections;
    QString m_pinned;
    QString m_addedID;
    bool m_busy = false;
    bool m_waitingForBrowser = false;
    std::optional<QUrl> m_nextcloudRoot;
    int m_pollIntervalMs = 2000;
    /// The server forgets a sign-in it started after twenty minutes.
    int m_pollLimitMs = 20 * 60 * 1000;
    std::optional<bool> m_fileFallbackAnswer;
};

} // namespace tolvik
