#include "settings/ListNameDialog.h"

#include "appearance/LocalizationManager.h"
#include "model/RemindersViewModel.h"
#include "settings/SettingsStyle.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <QCoro/QCoroTask>

namespace tolvik {

namespace {

constexpr int swatchSide = 20;

} // namespace

QIcon ListNameDialog::swatchIcon(const QColor& color, bool chosen, const QColor& ring)
{
    QPixmap pixmap(swatchSide * 2, swatchSide * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(2, 2, swatchSide - 4, swatchSide - 4));
    if (chosen) {
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(1, 1, swatchSide - 2, swatchSide - 2));
    }
    return QIcon(pixmap);
}

void ListNameDialog::takeTheme(QWidget* window, const QWidget* from)
{
    // An inherited palette has no roles marked as set, and setting it as it is would change nothing.
    QPalette palette = from->palette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    window->setPalette(palette);
}

namespace {

/// The offered colours with the keys of their names, in order.
const QList<std::pair<QColor, QString>>& namedSwatches()
{
    static const QList<std::pair<QColor, QString>> list = {
        {QColor(0xE5, 0x48, 0x4D), QStringLiteral("color.red")},
        {QColor(0xF7, 0x6B, 0x15), QStringLiteral("color.orange")},
        {QColor(0xF5, 0xB7, 0x00), QStringLiteral("color.yellow")},
        {QColor(0x46, 0xA7, 0x58), QStringLiteral("color.green")},
        {QColor(0x12, 0xA5, 0x94), QStringLiteral("color.teal")},
        {QColor(0x00, 0x90, 0xFF), QStringLiteral("color.blue")},
        {QColor(0x3E, 0x63, 0xDD), QStringLiteral("color.indigo")},
        {QColor(0x8E, 0x4E, 0xC6), QStringLiteral("color.purple")},
        {QColor(0xD6, 0x40, 0x9F), QStringLiteral("color.pink")},
        {QColor(0xAD, 0x7F, 0x58), QStringLiteral("color.brown")},
        {QColor(0x6F, 0x8F, 0x3A), QStringLiteral("color.olive")},
        {QColor(0x8B, 0x8D, 0x98), QStringLiteral("color.grey")},
    };
    return list;
}

} // namespace

const QList<QColor>& ListNameDialog::swatchColors()
{
    static const QList<QColor> colors = [] {
        QList<QColor> all;
        for (const auto& [color, key] : namedSwatches()) {
            all.append(color);
        }
        return all;
    }();
    return colors;
}

QString ListNameDialog::swatchName(const QColor& color)
{
    for (const auto& [swatch, key] : namedSwatches()) {
        if (swatch == color) {
            return localizedString(key);
        }
    }
    return color.name().toUpper();
}

ListNameDialog* ListNameDialog::forNewList(RemindersViewModel& model, QWidget* parent)
{
    return new ListNameDialog(model, std::nullopt, parent);
}

ListNameDialog* ListNameDialog::forRename(RemindersViewModel& model, const ReminderList& list, QWidget* parent)
{
    return new ListNameDialog(model, list, parent);
}

ListNameDialog::ListNameDialog(RemindersViewModel& model, std::optional<ReminderList> renamed, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
    , m_renamed(std::move(renamed))
    , m_color(swatchColors().at(5))
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent != nullptr) {
        takeTheme(this, parent);
    }
    setWindowTitle(localizedString(m_renamed ? QStringLiteral("renameList.title") : QStringLiteral("newList.title")));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_name = new QLineEdit(this);
    m_name->setMinimumWidth(260);
    form->addRow(localizedString(QStringLiteral("newList.name")), m_name);
    if (!m_renamed) {
        auto* colors = new QWidget(this);
        buildColorRow(colors);
        form->addRow(localizedString(QStringLiteral("newList.color")), colors);
        m_account = new QComboBox(this);
        // The built-in account first, whether or not it has lists yet; then every account the store has.
        m_account->addItem(localizedString(QStringLiteral("account.onThisComputer")), builtInAccountID);
        for (const ReminderAccount& account : m_model.accounts()) {
            if (account.id != builtInAccountID) {
                m_account->addItem(account.name, account.id);
            }
        }
        form->addRow(localizedString(QStringLiteral("newList.account")), m_account);
    } else {
        m_name->setText(m_renamed->name);
        m_name->selectAll();
    }
    layout->addLayout(form);

    m_error = makeStyledLabel(TextStyle::footnote, false, this);
    m_error->setWordWrap(true);
    QPalette errorPalette = m_error->palette();
    errorPalette.setColor(QPalette::WindowText, QColor(0xe0, 0x3e, 0x3e));
    m_error->setPalette(errorPalette);
    m_error->hide();
    layout->addWidget(m_error);

    auto* buttons = new QDialogButtonBox(this);
    m_submit = buttons->addButton(
        localizedString(m_renamed ? QStringLiteral("renameList.button") : QStringLiteral("newList.create")),
        QDialogButtonBox::AcceptRole);
    buttons->addButton(localizedString(QStringLiteral("button.cancel")), QDialogButtonBox::RejectRole);
    m_submit->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ListNameDialog::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto updateSubmit = [this] { m_submit->setEnabled(!m_name->text().trimmed().isEmpty()); };
    connect(m_name, &QLineEdit::textChanged, this, [this, updateSubmit] {
        m_error->hide();
        updateSubmit();
    });
    updateSubmit();
}

void ListNameDialog::buildColorRow(QWidget* holder)
{
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (const QColor& color : swatchColors()) {
        auto* swatch = new QToolButton(holder);
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(swatchSide, swatchSide));
        swatch->setToolTip(swatchName(color));
        swatch->setAccessibleName(swatchName(color));
        connect(swatch, &QToolButton::clicked, this, [this, color] { chooseColor(color); });
        m_swatches.append(swatch);
        row->addWidget(swatch);
    }
    m_custom = new QPushButton(localizedString(QStringLiteral("list.customColor")), holder);
    connect(m_custom, &QPushButton::clicked, this, [this] {
        auto* picker = new QColorDialog(m_color, this);
        picker->setAttribute(Qt::WA_DeleteOnClose);
        takeTheme(picker, this);
        connect(picker, &QColorDialog::colorSelected, this, &ListNameDialog::chooseColor);
        picker->open();
    });
    row->addWidget(m_custom);
    row->addStretch(1);
    chooseColor(m_color);
}

void ListNameDialog::chooseColor(const QColor& color)
{
    if (!color.isValid()) {
        return;
    }
    m_color = color;
    for (qsizetype i = 0; i < m_swatches.size(); ++i) {
        const QColor swatch = swatchColors().at(i);
        m_swatches.at(i)->setIcon(swatchIcon(swatch, swatch == color, palette().color(QPalette::WindowText)));
    }
}

bool ListNameDialog::nameIsTaken(const QString& name, const QString& accountID) const
{
    for (const ReminderList& list : m_model.lists()) {
        const bool itself = m_renamed && list.id == m_renamed->id;
        if (!itself && list.accountID == accountID && list.name.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

void ListNameDialog::showError(const QString& text)
{
    m_error->setText(text);
    m_error->show();
    m_submit->setEnabled(true);
}

void ListNameDialog::submit()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        return;
    }
    const QString accountID = m_renamed ? m_renamed->accountID : m_account->currentData().toString();
    if (nameIsTaken(name, accountID)) {
        showError(localizedString(QStringLiteral("newList.nameTaken")).arg(name));
        return;
    }
    m_submit->setEnabled(false);
    if (m_renamed) {
        QCoro::connect(m_model.renameList(m_renamed->id, name), this, [this](const WriteResult& result) {
            if (result.error) {
                showError(localizedString(QStringLiteral("renameList.failed")).arg(*result.error));
            } else {
                accept();
            }
        });
        return;
    }
    QCoro::connect(m_model.createList(accountID, name, m_color), this, [this](const ListCreation& created) {
        if (created.error) {
            showError(localizedString(QStringLiteral("newList.failed")).arg(*created.error));
        } else {
            accept();
        }
    });
}

} // namespace tolvik
