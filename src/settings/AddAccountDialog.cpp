#include "settings/AddAccountDialog.h"

#include "appearance/LocalizationManager.h"
#include "settings/LinkButton.h"
#include "settings/ListNameDialog.h"
#include "settings/SettingsStyle.h"
#include "settings/SyncTexts.h"
#include "sync/SyncService.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tolvik {

namespace {

QString text(const char* key)
{
    return localizedString(QString::fromLatin1(key));
}

QLabel* wrapped(const QString& content, QWidget* parent, TextStyle style = TextStyle::body, bool secondary = false)
{
    QLabel* label = makeStyledLabel(style, secondary, parent);
    label->setText(content);
    label->setWordWrap(true);
    return label;
}

} // namespace

AddAccountDialog::AddAccountDialog(SyncService& service, QWidget* parent)
    : QDialog(parent)
    , m_service(service)
    , m_discovery(new AccountDiscovery(this))
    , m_browser(new BrowserSignIn(this))
    , m_pages(new QStackedWidget(this))
{
    // The settings window's light or dark, not the desktop's.
    if (parent != nullptr) {
        ListNameDialog::takeTheme(this, parent);
    }
    setWindowTitle(text("sync.add.title"));
    setMinimumWidth(460);
    m_pages->addWidget(buildAddressPage());
    m_pages->addWidget(buildCertificatePage());
    m_pages->addWidget(buildSignInPage());
    m_pages->addWidget(buildListsPage());

    m_status = wrapped(QString(), this, TextStyle::footnote);
    m_back = new QPushButton(this);
    m_primary = new QPushButton(this);
    m_primary->setDefault(true);
    auto* cancel = new QPushButton(text("button.cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_primary);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_primary, &QPushButton::clicked, this, &AddAccountDialog::goForward);
    connect(m_back, &QPushButton::clicked, this, &AddAccountDialog::goBack);
    showPage(Page::address);
}

QWidget* AddAccountDialog::buildAddressPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(text("sync.add.intro"), page));
    auto* label = new QLabel(text("sync.add.addressLabel"), page);
    m_address = new QLineEdit(page);
    m_address->setPlaceholderText(text("sync.add.addressExample"));
    label->setBuddy(m_address);
    layout->addWidget(label);
    layout->addWidget(m_address);
    layout->addStretch(1);
    connect(m_address, &QLineEdit::textChanged, this,
            [this] { m_primary->setEnabled(!m_busy && !m_address->text().trimmed().isEmpty()); });
    return page;
}

QWidget* AddAccountDialog::buildCertificatePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wrapped(text("sync.cert.intro"), page, TextStyle::headline));
    m_certificateText = wrapped(QString(), page);
    // The details come as markup with every value from the certificate escaped; shown as plain text, the user would
    // read the tags.
    m_certificateText->setTextFormat(Qt::RichText);
    m_certificateText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_certificateText);
    layout->addWidget(wrapped(text("sync.cert.advice"), page, TextStyle::footnote, true));
    layout->addStretch(1);
    return page;
}

QWidget* AddAccountDialog::buildSignInPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_serverLabel = wrapped(QString(), page, TextStyle::headline);
    layout->addWidget(m_serverLabel);
    auto* form = new QFormLayout;
    m_user = new QLineEdit(page);
    m_password = new QLineEdit(page);
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(text("sync.signIn.user"), m_user);
    form->addRow(text("sync.signIn.password"), m_password);
    layout->addLayout(form);
    layout->addWidget(wrapped(text("sync.signIn.appPasswordNote"), page, TextStyle::footnote, true));
    m_browserButton = new QPushButton(text("sync.browser.button"), page);
    m_browserButton->setVisible(false);
    layout->addWidget(m_browserButton, 0, Qt::AlignLeft);
    layout->addStretch(1);
    connect(m_browserButton, &QPushButton::clicked, this, &AddAccountDialog::signInWithBrowser);
    return page;
}

QWidget* AddAccountDialog::buildListsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_listsNote = wrapped(text("sync.lists.intro"), page);
    layout->addWidget(m_listsNote);
    m_listRows = new QVBoxLayout;
    layout->addLayout(m_listRows);
    m_newList = new LinkButton(page);
    m_newList->setText(text("sync.lists.new"));
    layout->addWidget(m_newList, 0, Qt::AlignLeft);
    layout->addStretch(1);
    connect(m_newList, &QPushButton::clicked, this, &AddAccountDialog::makeList);
    return page;
}

AddAccountDialog::Page AddAccountDialog::page() const
{
    return Page(m_pages->currentIndex());
}

void AddAccountDialog::showPage(Page page)
{
    m_pages->setCurrentIndex(int(page));
    m_status->clear();
    m_back->setVisible(page != Page::address);
    m_back->setText(text("sync.add.back"));
    switch (page) {
    case Page::address:
        m_primary->setText(text("sync.add.continue"));
        m_primary->setEnabled(!m_address->text().trimmed().isEmpty());
        m_address->setFocus();
        break;
    case Page::certificate:
        m_primary->setText(text("sync.cert.trust"));
        m_primary->setEnabled(true);
        break;
    case Page::signIn:
        m_primary->setText(text("sync.signIn.button"));
        m_primary->setEnabled(true);
        m_serverLabel->setText(text("sync.signIn.server").arg(m_found.endpoint.host()));
        (m_user->text().isEmpty() ? m_user : m_password)->setFocus();
        break;
    case Page::lists:
        m_primary->setText(text("sync.lists.finish"));
        m_primary->setEnabled(true);
        break;
    }
}

void AddAccountDialog::setBusy(bool busy, const QString& message)
{
    m_busy = busy;
    m_primary->setEnabled(!busy);
    m_back->setEnabled(!busy);
    m_pages->setEnabled(!busy);
    m_status->setText(message);
}

void AddAccountDialog::goForward()
{
    if (m_busy) {
        return;
    }
    switch (page()) {
    case Page::address:
        findServer();
        break;
    case Page::certificate:
        m_pinned = m_found.certificate ? m_found.certificate->sha256 : QString();
        findServer();
        break;
    case Page::signIn:
        signIn();
        break;
    case Page::lists:
        finish(false);
        break;
    }
}

void AddAccountDialog::goBack()
{
    if (m_waitingForBrowser) {
        m_browser->cancel();
        m_waitingForBrowser = false;
        setBusy(false);
        return;
    }
    showPage(page() == Page::lists ? Page::signIn : Page::address);
}

void AddAccountDialog::showProblem(DiscoveryOutcome outcome)
{
    setBusy(false, SyncTexts::discoveryProblem(outcome));
    m_status->setStyleSheet(QStringLiteral("color: #e0352b;"));
}

void AddAccountDialog::findServer()
{
    setBusy(true, text("sync.add.looking"));
    m_status->setStyleSheet({});
    QCoro::connect(m_discovery->findServer(m_address->text(), m_pinned), this, [this](const DiscoveryResult& result) {
        m_found = result;
        if (result.outcome == DiscoveryOutcome::untrustedCertificate && result.certificate) {
            setBusy(false);
            m_certificateText->setText(SyncTexts::certificateDetails(*result.certificate));
            showPage(Page::certificate);
            // Tall enough for every line of the details, the fingerprint last.
            adjustSize();
            return;
        }
        if (result.outcome != DiscoveryOutcome::found) {
            showPage(Page::address);
            showProblem(result.outcome);
            return;
        }
        setBusy(false);
        if (m_user->text().isEmpty()) {
            m_user->setText(AccountDiscovery::suggestedUser(m_address->text()));
        }
        showPage(Page::signIn);
        offerBrowserSignIn();
    });
}

void AddAccountDialog::offerBrowserSignIn()
{
    m_nextcloudRoot.reset();
    m_browserButton->setVisible(false);
    const QUrl endpoint = m_found.endpoint;
    QCoro::connect(m_browser->nextcloudRoot(endpoint, m_pinned), this,
                   [this, endpoint](const std::optional<QUrl>& root) {
                       // An answer about a server the user has since left behind is no longer news.
                       if (endpoint != m_found.endpoint || page() != Page::signIn) {
                           return;
                       }
                       m_nextcloudRoot = root;
                       m_browserButton->setVisible(root.has_value());
                   });
}

void AddAccountDialog::signInWithBrowser()
{
    if (!m_nextcloudRoot || m_busy) {
        return;
    }
    setBusy(true, text("sync.browser.starting"));
    m_status->setStyleSheet({});
    QCoro::connect(m_browser->start(*m_nextcloudRoot, m_pinned), this,
                   [this](const std::optional<BrowserLogin>& login) {
                       if (!login) {
                           setBusy(false, text("sync.browser.failed"));
                           return;
                       }
                       QDesktopServices::openUrl(login->loginPage);
                       m_status->setText(text("sync.browser.waiting").arg(login->loginPage.toString()));
                       m_waitingForBrowser = true;
                       // Back stops waiting; everything else waits for the browser.
                       m_back->setEnabled(true);
                       QCoro::connect(m_browser->waitForSignIn(*login, m_pinned, m_pollIntervalMs, m_pollLimitMs), this,
                                      [this](const std::optional<BrowserCredentials>& credentials) {
                                          if (!m_waitingForBrowser) {
                                              return;
                                          }
                                          m_waitingForBrowser = false;
                                          if (!credentials) {
                                              setBusy(false, text("sync.browser.timedOut"));
                                              return;
                                          }
                                          m_user->setText(credentials->loginName);
                                          m_password->setText(credentials->appPassword);
                                          setBusy(false);
                                          signIn();
                                      });
                   });
}

void AddAccountDialog::signIn()
{
    setBusy(true, text("sync.signIn.busy"));
    m_status->setStyleSheet({});
    QCoro::connect(m_discovery->signIn(m_found.endpoint, m_user->text().trimmed(), m_password->text(), m_pinned), this,
                   [this](const DiscoveryResult& result) {
                       if (result.outcome != DiscoveryOutcome::found) {
                           showProblem(result.outcome);
                           return;
                       }
                       setBusy(false);
                       m_found.homeUrl = result.homeUrl;
                       m_collections = result.collections;
                       showLists();
                       showPage(Page::lists);
                   });
}

void AddAccountDialog::showLists()
{
    qDeleteAll(m_listToggles);
    m_listToggles.clear();
    for (const DiscoveredCollection& collection : m_collections) {
        auto* toggle = new QCheckBox(m_pages->widget(int(Page::lists)));
        QString label = QString(collection.displayName).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (collection.readOnly) {
            label += QStringLiteral(" — ") + text("sync.lists.readOnly");
        }
        toggle->setText(label);
        toggle->setChecked(true);
        if (!collection.color.isEmpty()) {
            QPixmap dot(12, 12);
            dot.fill(QColor(collection.color.left(7)));
            toggle->setIcon(QIcon(dot));
        }
        m_listRows->addWidget(toggle);
        m_listToggles.append(toggle);
    }
    m_listsNote->setText(m_collections.isEmpty() ? text("sync.lists.none") : text("sync.lists.intro"));
}

void AddAccountDialog::makeList()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, text("sync.lists.new"), text("sync.lists.newName"),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty()) {
        return;
    }
    // A list of that name on the server already is the one the user means: ticked, not made a second time.
    for (qsizetype i = 0; i < m_collections.size() && i < m_listToggles.size(); ++i) {
        if (!m_collections[i].readOnly &&
            m_collections[i].displayName.simplified().compare(name.simplified(), Qt::CaseInsensitive) == 0) {
            m_listToggles[i]->setChecked(true);
            m_listsNote->setText(text("sync.lists.exists").arg(m_collections[i].displayName));
            return;
        }
    }
    setBusy(true, text("sync.lists.making"));
    QCoro::connect(
        m_discovery->makeList(m_found.homeUrl, m_user->text().trimmed(), m_password->text(), m_pinned, name, QString()),
        this, [this](const std::optional<DiscoveredCollection>& made) {
            if (!made) {
                setBusy(false, text("sync.lists.makeFailed"));
                return;
            }
            setBusy(false);
            QList<bool> checked;
            for (QCheckBox* toggle : m_listToggles) {
                checked.append(toggle->isChecked());
            }
            m_collections.append(*made);
            showLists();
            for (qsizetype i = 0; i < checked.size(); ++i) {
                m_listToggles[i]->setChecked(checked[i]);
            }
        });
}

void AddAccountDialog::finish(bool secretInFile)
{
    SyncAccount account;
    QStringList taken;
    for (const SyncAccount& existing : m_service.accounts()) {
        taken.append(existing.id);
    }
    account.id = SyncAccountRegistry::makeID(m_found.homeUrl, m_user->text().trimmed(), taken, m_service.storeRoot());
    account.homeUrl = m_found.homeUrl;
    account.userName = m_user->text().trimmed();
    account.pinnedFingerprint = m_pinned;
    account.secretInFile = secretInFile;
    QStringList names;
    for (qsizetype i = 0; i < m_listToggles.size() && i < m_collections.size(); ++i) {
        if (m_listToggles[i]->isChecked()) {
            account.collections.append({m_collections[i].name, m_collections[i].url});
            names.append(m_collections[i].name);
        }
    }
    if (account.collections.isEmpty()) {
        m_status->setText(text("sync.lists.chooseOne"));
        return;
    }
    setBusy(true, text("sync.lists.saving"));
    QCoro::connect(
        m_service.addAccount(account, m_password->text()), this, [this, account, names](const SecretResult& stored) {
            setBusy(false);
            if (stored.status == SecretStatus::ok) {
                m_addedID = account.id;
                Q_EMIT accountAdded(account.id, names);
                accept();
                return;
            }
            if (account.secretInFile) {
                m_status->setText(text("sync.keyring.fileFailed").arg(stored.error));
                return;
            }
            // Never a silent plain-text fallback: the user chooses it, knowing what it means.
            bool useFile = false;
            if (m_fileFallbackAnswer) {
                useFile = *m_fileFallbackAnswer;
            } else {
                QMessageBox question(QMessageBox::Warning, text("sync.keyring.title"),
                                     text("sync.keyring.missing").arg(stored.error), QMessageBox::Cancel, this);
                QPushButton* file = question.addButton(text("sync.keyring.useFile"), QMessageBox::AcceptRole);
                question.exec();
                useFile = question.clickedButton() == file;
            }
            if (useFile) {
                finish(true);
            } else {
                m_status->setText(text("sync.keyring.missingShort"));
            }
        });
}

} // namespace tolvik
