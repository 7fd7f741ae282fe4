#include "rows/AlertPicker.h"

#include "appearance/LocalizationManager.h"
#include "appearance/Preferences.h"
#include "rows/AlertTexts.h"
#include "rows/FormFields.h"
#include "rows/RowStyle.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace tolvik {

namespace {

constexpr int captionSpacing = 4;
constexpr qint64 unitSeconds[] = {60, 3600, 86400};
const char* const unitKeys[] = {"alert.unit.minutes", "alert.unit.hours", "alert.unit.days"};
constexpr int dateKind = 0;
constexpr int offsetKind = 1;

bool isPreset(const ReminderAlert& alert)
{
    return alert.kind == ReminderAlert::Kind::relative && alertPresets().contains(alert.secondsBefore);
}

// A fresh date-and-time alert starts an hour before the due time, or at the next full hour.
QDateTime suggestedMoment(const std::optional<QDateTime>& dueDate)
{
    if (dueDate) {
        return dueDate->addSecs(-3600);
    }
    const QDateTime now = QDateTime::currentDateTime();
    return QDateTime(now.date(), QTime(now.time().hour(), 0)).addSecs(3600);
}

} // namespace

AlertPicker::AlertPicker(QWidget* parent)
    : QWidget(parent)
{
    build();
    connect(&Preferences::shared(), &Preferences::changed, this, [this](const QString& key) {
        if (key == PreferenceKey::languagePreference) {
            retranslate();
        }
    });
    retranslate();
    applyColors();
}

void AlertPicker::build()
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(captionSpacing);
    m_caption = new QLabel(this);
    m_caption->setFont(RowStyle::captionFont(font()));
    stack->addWidget(m_caption);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    m_picker = new FormPicker(this);
    m_picker->setObjectName(QStringLiteral("alertPicker"));
    m_picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_picker->setMinimumContentsLength(6);
    m_picker->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_more = new QLabel(this);
    m_more->setFont(RowStyle::captionFont(font()));
    m_more->hide();
    row->addWidget(m_picker, 1);
    row->addWidget(m_more);
    stack->addLayout(row);

    m_customRow = new QWidget(this);
    auto* custom = new QHBoxLayout(m_customRow);
    custom->setContentsMargins(0, 0, 0, 0);
    custom->setSpacing(8);
    m_customKind = new QComboBox(m_customRow);
    m_customKind->addItem(QString(), dateKind);
    m_customKind->addItem(QString(), offsetKind);
    m_customDate = new QDateTimeEdit(m_customRow);
    m_customDate->setCalendarPopup(true);
    m_customDate->setLocale(QLocale::system());
    m_customDate->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                   timeFieldFormat(QLocale::system()));
    m_customAmount = new QSpinBox(m_customRow);
    m_customAmount->setRange(1, 999);
    m_customUnit = new QComboBox(m_customRow);
    for (int unit = 0; unit < 3; ++unit) {
        m_customUnit->addItem(QString(), unit);
    }
    custom->addWidget(m_customKind);
    custom->addWidget(m_customDate, 1);
    custom->addWidget(m_customAmount);
    custom->addWidget(m_customUnit, 1);
    m_customRow->hide();
    stack->addWidget(m_customRow);

    for (const qint64 preset : alertPresets()) {
        m_picker->addItem(QString(), int(preset));
    }
    m_picker->addItem(QString(), customEntry);
    m_picker->addItem(QString(), noneEntry);

    // `activated` fires only on the user's choice, so showing an alert never counts as choosing one.
    connect(m_picker, &QComboBox::activated, this, &AlertPicker::choose);
    connect(m_customKind, &QComboBox::activated, this, [this] { writeCustom(); });
    connect(m_customUnit, &QComboBox::activated, this, [this] { writeCustom(); });
    connect(m_customDate, &QDateTimeEdit::dateTimeChanged, this, [this] { writeCustom(); });
    connect(m_customAmount, &QSpinBox::valueChanged, this, [this] { writeCustom(); });
}

void AlertPicker::showAlert(const ReminderAlert& alert, const std::optional<StoreAlarm>& firstAlarm, int moreCount,
                            const std::optional<QDateTime>& dueDate)
{
    m_alert = alert;
    m_shownAlert = alert;
    m_firstAlarm = firstAlarm;
    m_moreCount = moreCount;
    m_dueDate = dueDate;
    m_customRow->hide();
    select();
    updateEnabled();
    updateMore();
}

void AlertPicker::setDueDate(const std::optional<QDateTime>& dueDate)
{
    m_dueDate = dueDate;
    updateEnabled();
    if (m_alert.kind == ReminderAlert::Kind::byDefault) {
        select();
    }
}

void AlertPicker::select()
{
    m_updating = true;
    const int shown = m_picker->findData(shownEntry);
    const bool ownEntry = !isPreset(m_shownAlert) && (m_shownAlert.kind == ReminderAlert::Kind::relative ||
                                                      m_shownAlert.kind == ReminderAlert::Kind::absolute ||
                                                      m_shownAlert.kind == ReminderAlert::Kind::other);
    if (ownEntry) {
        const QString words = AlertTexts::alertWords(m_shownAlert, m_firstAlarm);
        if (shown < 0) {
            m_picker->insertItem(m_picker->findData(customEntry), words, shownEntry);
        } else {
            m_picker->setItemText(shown, words);
        }
    } else if (shown >= 0) {
        m_picker->removeItem(shown);
    }
    int entry = noneEntry;
    if (!m_customRow->isHidden()) {
        entry = customEntry;
    } else if (ownEntry && m_alert == m_shownAlert) {
        entry = shownEntry;
    } else if (isPreset(m_alert)) {
        entry = int(m_alert.secondsBefore);
    } else if (m_alert.kind == ReminderAlert::Kind::byDefault && m_dueDate) {
        entry = 0;
    }
    m_picker->setCurrentIndex(m_picker->findData(entry));
    m_updating = false;
}

void AlertPicker::choose(int index)
{
    const int entry = m_picker->itemData(index).toInt();
    if (entry == customEntry) {
        openCustom();
        return;
    }
    m_customRow->hide();
    if (entry == shownEntry) {
        // Back to what the reminder had, which an alarm the picker cannot set keeps as it is.
        m_alert = m_shownAlert;
    } else {
        m_alert = entry == noneEntry ? ReminderAlert::silenced() : ReminderAlert::before(entry);
    }
    updateMore();
    Q_EMIT alertChosen(m_alert);
}

void AlertPicker::openCustom()
{
    m_updating = true;
    const bool relative = m_dueDate && m_alert.kind == ReminderAlert::Kind::relative && m_alert.secondsBefore > 0;
    m_customKind->setCurrentIndex(m_dueDate && m_alert.kind != ReminderAlert::Kind::absolute ? offsetKind : dateKind);
    m_customDate->setDateTime(m_alert.kind == ReminderAlert::Kind::absolute && m_alert.moment.isValid()
                                  ? m_alert.moment.toLocalTime()
                                  : suggestedMoment(m_dueDate));
    int unit = 0;
    qint64 amount = relative ? m_alert.secondsBefore / 60 : 10;
    for (int candidate = 2; relative && candidate > 0; --candidate) {
        if (m_alert.secondsBefore % unitSeconds[candidate] == 0) {
            unit = candidate;
            amount = m_alert.secondsBefore / unitSeconds[candidate];
            break;
        }
    }
    m_customUnit->setCurrentIndex(unit);
    m_customAmount->setValue(int(std::clamp<qint64>(amount, 1, m_customAmount->maximum())));
    m_updating = false;
    m_customRow->show();
    updateEnabled();
    writeCustom();
}

void AlertPicker::writeCustom()
{
    if (m_updating || m_customRow->isHidden()) {
        return;
    }
    const bool byDate = m_customKind->currentData().toInt() == dateKind;
    m_customDate->setVisible(byDate);
    m_customAmount->setVisible(!byDate);
    m_customUnit->setVisible(!byDate);
    m_alert = byDate ? ReminderAlert::at(m_customDate->dateTime())
                     : ReminderAlert::before(m_customAmount->value() *
                                             unitSeconds[std::clamp(m_customUnit->currentIndex(), 0, 2)]);
    updateMore();
    Q_EMIT alertChosen(m_alert);
}

void AlertPicker::updateEnabled()
{
    // Before the due time means nothing without one: only a date and time, or none, can be chosen then.
    auto* entries = qobject_cast<QStandardItemModel*>(m_picker->model());
    for (int index = 0; entries && index < m_picker->count(); ++index) {
        const int entry = m_picker->itemData(index).toInt();
        if (entry >= 0) {
            entries->item(index)->setEnabled(m_dueDate.has_value());
        }
    }
    if (auto* kinds = qobject_cast<QStandardItemModel*>(m_customKind->model())) {
        kinds->item(offsetKind)->setEnabled(m_dueDate.has_value());
    }
    if (!m_dueDate && m_customKind->currentIndex() == offsetKind && m_customRow->isVisible()) {
        m_customKind->setCurrentIndex(dateKind);
        writeCustom();
    }
}

void AlertPicker::updateMore()
{
    // "None" takes every alarm away; any other choice replaces the first and leaves the rest.
    const bool shows = m_moreCount > 0 && m_alert.kind != ReminderAlert::Kind::none;
    m_more->setVisible(shows);
    if (shows) {
        m_more->setText(localizedString(QStringLiteral("alert.more"), m_moreCount));
        m_more->setToolTip(localizedString(QStringLiteral("alert.morePreserved")));
        m_more->setAccessibleName(m_more->text());
        m_more->setAccessibleDescription(m_more->toolTip());
    }
}

void AlertPicker::retranslate()
{
    m_caption->setText(localizedString(QStringLiteral("form.alert")));
    m_picker->setAccessibleName(m_caption->text());
    for (int index = 0; index < m_picker->count(); ++index) {
        const int entry = m_picker->itemData(index).toInt();
        if (entry >= 0) {
            m_picker->setItemText(index, AlertTexts::relativeToDue(entry));
        } else if (entry == customEntry) {
            m_picker->setItemText(index, localizedString(QStringLiteral("alert.custom")));
        } else if (entry == noneEntry) {
            m_picker->setItemText(index, localizedString(QStringLiteral("alert.none")));
        }
    }
    m_customKind->setItemText(dateKind, localizedString(QStringLiteral("alert.customDate")));
    m_customKind->setItemText(offsetKind, localizedString(QStringLiteral("alert.customOffset")));
    m_customKind->setAccessibleName(localizedString(QStringLiteral("alert.customKind")));
    m_customDate->setAccessibleName(localizedString(QStringLiteral("alert.customDate")));
    m_customAmount->setAccessibleName(localizedString(QStringLiteral("alert.customAmount")));
    m_customUnit->setAccessibleName(localizedString(QStringLiteral("alert.customUnit")));
    for (int unit = 0; unit < 3; ++unit) {
        m_customUnit->setItemText(unit, localizedString(QString::fromLatin1(unitKeys[unit])));
    }
    select();
    updateMore();
    m_picker->updateGeometry();
}

void AlertPicker::applyColors()
{
    for (QLabel* label : {m_caption, m_more}) {
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText, RowStyle::secondaryText(palette()));
        label->setPalette(own);
    }
}

void AlertPicker::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    } else if (event->type() == QEvent::FontChange) {
        m_caption->setFont(RowStyle::captionFont(font()));
        m_more->setFont(RowStyle::captionFont(font()));
    }
}

} // namespace tolvik
