#include "panel/HoverManager.h"

#include <QTimer>

namespace tolvik {

HoverManager::HoverManager(QObject* parent)
    : QObject(parent)
{}

void HoverManager::setHoveredItemID(const std::optional<QString>& id)
{
    if (id == m_hoveredItemID) {
        return;
    }
    m_hoveredItemID = id;
    Q_EMIT hoveredItemIDChanged();
}

void HoverManager::setEditingItemID(const std::optional<QString>& id)
{
    if (id == m_editingItemID) {
        return;
    }
    m_editingItemID = id;
    Q_EMIT editingItemIDChanged();
}

void HoverManager::beginHover(const QString& id)
{
    if (m_workItem != nullptr) {
        m_workItem->stop();
        m_workItem->deleteLater();
        m_workItem = nullptr;
    }
    setHoveredItemID(id);
}

void HoverManager::endHover(const QString& id)
{
    auto* workItem = new QTimer(this);
    workItem->setSingleShot(true);
    workItem->setTimerType(Qt::PreciseTimer);
    workItem->setInterval(clearDelayMs);
    connect(workItem, &QTimer::timeout, this, [this, workItem, id] {
        if (m_hoveredItemID == id) {
            setHoveredItemID(std::nullopt);
        }
        if (m_workItem == workItem) {
            m_workItem = nullptr;
        }
        workItem->deleteLater();
    });
    m_workItem = workItem;
    workItem->start();
}

bool HoverManager::hasPendingClear() const
{
    return m_workItem != nullptr && m_workItem->isActive();
}

} // namespace tolvik
