#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class QTimer;

namespace tolvik {

/// The panel's one hover state: which reminder's detail bubble shows, which reminder is being edited, and the
/// pending delayed clear. Leaving a row clears its hover only after a short grace period, so moving from one row to
/// the next never closes the bubble in between. Main thread only; the panel owns one and hands it to its sections.
class HoverManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        std::optional<QString> hoveredItemID READ hoveredItemID WRITE setHoveredItemID NOTIFY hoveredItemIDChanged)
    Q_PROPERTY(
        std::optional<QString> editingItemID READ editingItemID WRITE setEditingItemID NOTIFY editingItemIDChanged)

public:
    static constexpr int clearDelayMs = 100;

    explicit HoverManager(QObject* parent = nullptr);

    std::optional<QString> hoveredItemID() const { return m_hoveredItemID; }
    std::optional<QString> editingItemID() const { return m_editingItemID; }
    void setHoveredItemID(const std::optional<QString>& id);
    void setEditingItemID(const std::optional<QString>& id);

    /// The pointer entered a row: cancel the pending clear and hover `id` at once.
    void beginHover(const QString& id);
    /// The pointer left a row (or the row started editing): clear the hover in 0.1 s, unless by then another row
    /// is hovered. An earlier pending clear is not cancelled; its own id check keeps it from clearing a newer hover.
    void endHover(const QString& id);
    /// Whether a clear is scheduled and not cancelled.
    bool hasPendingClear() const;
    /// While held, a pointer that rests where it was does not hover rows: the panel opened under it, for another
    /// reason than the row it happens to be over. The panel lifts the hold once the pointer moves.
    void setPointerHoverHeld(bool held) { m_pointerHoverHeld = held; }
    bool isPointerHoverHeld() const { return m_pointerHoverHeld; }

Q_SIGNALS:
    void hoveredItemIDChanged();
    void editingItemIDChanged();

private:
    std::optional<QString> m_hoveredItemID;
    std::optional<QString> m_editingItemID;
    bool m_pointerHoverHeld = false;
    /// The last scheduled clear; a child of the manager, so it dies with it and never runs for a closed panel.
    QPointer<QTimer> m_workItem;
};

} // namespace tolvik
