#include "settings/SyncAccountsPanel.h"

#include "appearance/LocalizationManager.h"
#include "settings/AddAccountDialog.h"
#include "settings/LinkButton.h"
#include "settings/SettingsStyle.h"
#include "settings/SyncTexts.h"
#include "sync/SyncService.h"
#include "sync/UserEngineSetup.h"

#include <QDir>

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvik {

namespace {

QString text(const char* key)
{
    return localizedString(QString::fromLatin1(key));
}

bool needsFix(SyncProblem problem)
{
    return problem == SyncProblem::signInAgain || problem == SyncProblem::certificateChanged;
}

} // namespace

SyncAccountsPanel::SyncAccountsPanel(SyncService& service, QWidget* parent)
    : QWidget(parent)
    , m_service(service)
    , m_rowsLayout(new QVBoxLayout)
    , m_add(new LinkButton(this))
    , m_engineMissing(makeStyledLabel(TextStyle::footnote, true, this))
    , m_clock(new QTimer(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_rowsLayout->setSpacing(8);
    layout->addLayout(m_rowsLayout);
    m_engineMissing->setWordWrap(true);
    layout->addWidget(m_engineMissing);
    layout->addWidget(m_add, 0, Qt::AlignLeft);

    connect(m_add, &QPushButton::clicked, this, &SyncAccountsPanel::openAddAccount);
    connect(&m_service, &SyncService::accountsChanged, this, &SyncAccountsPanel::rebuild);
    connect(&m_service, &SyncService::stateChanged, this, &SyncAccountsPanel::updateRow);
    // "Synced 2 minutes ago" ages while the window is open.
    m_clock->setInterval(30000);
    connect(m_clock, &QTimer::timeout, this, [this] {
        for (const QString& id : m_rows.keys()) {
            updateRow(id);
        }
    });
    m_clock->start();
    retranslate();
    rebuild();
}

QPushButton* SyncAccountsPanel::addAccountButton() const
{
    return m_add;
}

QLabel* SyncAccountsPanel::statusLabel(const QString& accountID) const
{
    return m_rows.value(accountID).status;
}

QPushButton* SyncAccountsPanel::syncNowButton(const QString& accountID) const
{
    return m_rows.value(accountID).syncNow;
}

QPushButton* SyncAccountsPanel::removeButton(const QString& accountID) const
{
    return m_rows.value(accountID).remove;
}

QPushButton* SyncAccountsPanel::buttonOf(const QString& accountID, LinkButton* Row::*button) const
{
    const auto row = m_rows.constFind(accountID);
    return row == m_rows.constEnd() ? nullptr : row.value().*button;
}

QPushButton* SyncAccountsPanel::fixButton(const QString& accountID) const
{
    return m_rows.value(accountID).fix;
}

void SyncAccountsPanel::retranslate()
{
    m_add->setText(text("sync.account.add"));
    m_engineMissing->setText(text("sync.problem.engineMissing"));
    m_engineMissing->setVisible(!m_service.engineAvailable());
}

void SyncAccountsPanel::openAddAccount()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    m_dialog = new AddAccountDialog(m_service, window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &AddAccountDialog::accountAdded, this, [this](const QString& id, const QStringList& names) {
        QStringList listIDs;
        for (const QString& name : names) {
            listIDs.append(id + QLatin1Char('/') + name);
        }
        Q_EMIT listsAdded(id, listIDs);
    });
    m_dialog->open();
}

void SyncAccountsPanel::rebuild()
{
    for (const Row& row : std::as_const(m_rows)) {
        delete row.widget;
    }
    m_rows.clear();
    for (const SyncAccount& account : m_service.accounts()) {
        Row row;
        row.widget = new QWidget(this);
        auto* layout = new QVBoxLayout(row.widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        auto* top = new QHBoxLayout;
        row.name = makeStyledLabel(TextStyle::body, false, row.widget);
        row.name->setText(QStringLiteral("%1 — %2@%3").arg(account.id, account.userName, account.homeUrl.host()));
        row.syncNow = new LinkButton(row.widget);
        row.fix = new LinkButton(row.widget);
        row.remove = new LinkButton(row.widget);
        top->addWidget(row.name, 1);
        top->addWidget(row.fix);
        top->addWidget(row.syncNow);
        top->addWidget(row.remove);
        row.status = makeStyledLabel(TextStyle::footnote, true, row.widget);
        row.status->setWordWrap(true);
        layout->addLayout(top);
        layout->addWidget(row.status);
        row.heldActions = new QWidget(row.widget);
        auto* held = new QHBoxLayout(row.heldActions);
        held->setContentsMargins(0, 0, 0, 0);
        row.restore = new LinkButton(row.heldActions);
        row.deleteHeld = new LinkButton(row.heldActions);
        held->addWidget(row.restore);
        held->addWidget(row.deleteHeld);
        held->addStretch(1);
        layout->addWidget(row.heldActions);
        m_rowsLayout->addWidget(row.widget);
        const QString id = account.id;
        connect(row.syncNow, &QPushButton::clicked, this, [this, id] { m_service.syncNow(id); });
        connect(row.fix, &QPushButton::clicked, this, [this, id] { fixProblem(id); });
        connect(row.remove, &QPushButton::clicked, this, [this, id] { confirmRemove(id); });
        connect(row.restore, &QPushButton::clicked, this, [this, id] { answerHeld(id, true); });
        connect(row.deleteHeld, &QPushButton::clicked, this, [this, id] { answerHeld(id, false); });
        m_rows.insert(id, row);
        updateRow(id);
    }
    rebuildExternal();
}

void SyncAccountsPanel::rebuildExternal()
{
    qDeleteAll(m_externalRows);
    m_externalRows.clear();
    m_external.clear();
    QString config = UserEngineSetup::configPath();
    if (config.startsWith(QDir::homePath() + QLatin1Char('/'))) {
        config = QLatin1Char('~') + config.mid(QDir::homePath().size());
    }
    for (const QString& folder : UserEngineSetup::pairedStoreFolders(m_service.storeRoot())) {
        if (m_rows.contains(folder)) {
            continue;
        }
        auto* widget = new QWidget(this);
        auto* layout = new QVBoxLayout(widget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        QLabel* name = makeStyledLabel(TextStyle::body, false, widget);
        name->setText(folder);
        QLabel* status = makeStyledLabel(TextStyle::footnote, true, widget);
        status->setWordWrap(true);
        status->setText(text("sync.external.status").arg(config));
        layout->addWidget(name);
        layout->addWidget(status);
        m_rowsLayout->addWidget(widget);
        m_externalRows.append(widget);
        m_external.insert(folder, status);
    }
}

void SyncAccountsPanel::updateRow(const QString& accountID)
{
    const Row row = m_rows.value(accountID);
    if (!row.widget) {
        return;
    }
    const AccountSyncState state = m_service.state(accountID);
    row.status->setText(SyncTexts::status(state, QDateTime::currentDateTimeUtc()));
    // A problem reads in red; otherwise the line stays in the dimmed colour of the theme.
    const bool problem = state.problem != SyncProblem::none;
    QPalette palette = row.status->palette();
    palette.setColor(QPalette::WindowText, QColor(0xe0, 0x35, 0x2b));
    row.status->setPalette(palette);
    row.status->setForegroundRole(problem ? QPalette::WindowText : QPalette::PlaceholderText);
    row.syncNow->setText(text("sync.account.syncNow"));
    row.remove->setText(text("sync.account.remove"));
    row.syncNow->setEnabled(!state.running);
    row.fix->setText(state.problem == SyncProblem::certificateChanged ? text("sync.account.reviewCertificate")
                                                                      : text("sync.account.signInAgain"));
    row.fix->setVisible(needsFix(state.problem) && !state.running);
    row.restore->setText(text("sync.account.restore"));
    row.deleteHeld->setText(text("sync.account.deleteHeld"));
    row.heldActions->setVisible(!state.held.isEmpty() && !state.running);
}

void SyncAccountsPanel::answerHeld(const QString& accountID, bool restore)
{
    auto answer = restore ? m_service.restoreHeld(accountID) : m_service.deleteHeld(accountID);
    QCoro::connect(std::move(answer), this, [this, restore](bool ok) {
        // The sync after the answer shows in the row; only files that could not be put back need a word here.
        if (restore && !ok) {
            QMessageBox::warning(this, text("sync.account.restore"), text("sync.account.restoreFailed"));
        }
    });
}

void SyncAccountsPanel::confirmRemove(const QString& accountID)
{
    auto* question = new QMessageBox(QMessageBox::Question, text("sync.account.removeTitle"),
                                     text("sync.account.removeQuestion").arg(accountID), QMessageBox::Cancel, this);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* keep = question->addButton(text("sync.account.removeKeep"), QMessageBox::AcceptRole);
    QPushButton* trash = question->addButton(text("sync.account.removeTrash"), QMessageBox::DestructiveRole);
    question->setDefaultButton(keep);
    connect(question, &QMessageBox::finished, this, [this, question, keep, trash, accountID] {
        const bool keepLists = question->clickedButton() == keep;
        if (!keepLists && question->clickedButton() != trash) {
            return;
        }
        QCoro::connect(m_service.removeAccount(accountID, keepLists), this, [this](bool ok) {
            if (!ok) {
                QMessageBox::warning(this, text("sync.account.removeTitle"), text("sync.account.removeFailed"));
            }
        });
    });
    question->open();
}

void SyncAccountsPanel::fixProblem(const QString& accountID)
{
    const AccountSyncState state = m_service.state(accountID);
    if (state.problem == SyncProblem::certificateChanged && state.certificate) {
        QMessageBox question(QMessageBox::Warning, text("sync.account.reviewCertificate"),
                             SyncTexts::certificateDetails(*state.certificate), QMessageBox::Cancel, this);
        question.setTextFormat(Qt::RichText);
        QPushButton* trust = question.addButton(text("sync.cert.trust"), QMessageBox::AcceptRole);
        question.exec();
        if (question.clickedButton() == trust) {
            m_service.trustCertificate(accountID, state.certificate->sha256);
        }
        return;
    }
    bool ok = false;
    const QString password = QInputDialog::getText(this, text("sync.account.signInAgain"), text("sync.signIn.password"),
                                                   QLineEdit::Password, QString(), &ok);
    if (ok && !password.isEmpty()) {
        QCoro::connect(m_service.changePassword(accountID, password), this, [this](const SecretResult& stored) {
            if (stored.status != SecretStatus::ok) {
                QMessageBox::warning(this, text("sync.keyring.title"), text("sync.keyring.missingShort"));
            }
        });
    }
}

} // namespace tolvik
