#pragma once

#include "rows/RowStyle.h"

#include <QWidget>

#include <optional>

namespace tolvik {

/// A reminder's priority as a small capsule: the range's label in its colour, on the same colour at 15 %.
class PriorityBadge : public QWidget
{
    Q_OBJECT

public:
    explicit PriorityBadge(QWidget* parent = nullptr);

    /// The range to show; nothing hides the badge.
    void setLevel(std::optional<PriorityLevel> level);
    std::optional<PriorityLevel> level() const { return m_level; }
    /// The looked-up label; the owner calls this at every update.
    void setText(const QString& text);
    QString text() const { return m_text; }
    QColor color() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::optional<PriorityLevel> m_level;
    QString m_text;
};

} // namespace tolvik
