#include "appearance/Preferences.h"

#include <QCoreApplication>

#include <algorithm>

namespace tolvik {

namespace {
Preferences* g_shared = nullptr;
} // namespace

Preferences::Preferences(QObject* parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tolvik"),
                                             QStringLiteral("TolvikReminder")))
{}

Preferences::Preferences(const QString& iniPath, QObject* parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{}

Preferences::~Preferences()
{
    if (g_shared == this) {
        g_shared = nullptr;
    }
}

Preferences& Preferences::shared()
{
    if (!g_shared) {
        // Parented to the application so it goes away with it; a process without one keeps it until exit.
        g_shared = new Preferences(QCoreApplication::instance());
    }
    return *g_shared;
}

void Preferences::setShared(Preferences* preferences)
{
    g_shared = preferences;
}

bool Preferences::contains(const QString& key) const
{
    return m_settings->contains(key);
}

std::optional<QString> Preferences::string(const QString& key) const
{
    if (m_settings->contains(key)) {
        return m_settings->value(key).toString();
    }
    if (m_registered.contains(key)) {
        return m_registered.value(key).toString();
    }
    return std::nullopt;
}

QString Preferences::string(const QString& key, const QString& fallback) const
{
    return string(key).value_or(fallback);
}

std::optional<bool> Preferences::boolean(const QString& key) const
{
    if (!m_settings->contains(key)) {
        return std::nullopt;
    }
    const QVariant value = m_settings->value(key);
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    // A value read back from the INI file in a fresh process is text.
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text == QLatin1String("true")) {
            return true;
        }
        if (text == QLatin1String("false")) {
            return false;
        }
    }
    return std::nullopt;
}

int Preferences::integer(const QString& key) const
{
    bool ok = false;
    const int result = m_settings->value(key).toInt(&ok);
    return ok ? result : 0;
}

void Preferences::setString(const QString& key, const QString& value)
{
    write(key, value);
}

void Preferences::setBoolean(const QString& key, bool value)
{
    write(key, value);
}

void Preferences::setInteger(const QString& key, int value)
{
    write(key, value);
}

void Preferences::remove(const QString& key)
{
    m_settings->remove(key);
    Q_EMIT changed(key);
}

void Preferences::registerDefaults(const QVariantMap& defaults)
{
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        m_registered.insert(it.key(), it.value());
    }
}

void Preferences::sync()
{
    m_settings->sync();
}

QString Preferences::fileName() const
{
    return m_settings->fileName();
}

QSet<QString> Preferences::decodeIDSet(const QString& stored)
{
    const QStringList pieces = stored.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return QSet<QString>(pieces.cbegin(), pieces.cend());
}

QString Preferences::encodeIDSet(const QSet<QString>& ids)
{
    QStringList members(ids.cbegin(), ids.cend());
    // QString's operator< compares UTF-16 code units; compare code points so that characters outside the
    // basic plane sort where they belong.
    std::sort(members.begin(), members.end(), [](const QString& a, const QString& b) {
        const QList<uint> left = a.toUcs4();
        const QList<uint> right = b.toUcs4();
        return std::lexicographical_compare(left.cbegin(), left.cend(), right.cbegin(), right.cend());
    });
    return members.join(QLatin1Char(','));
}

void Preferences::write(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
    Q_EMIT changed(key);
}

} // namespace tolvik
