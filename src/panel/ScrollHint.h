#pragma once

#include <QWidget>

class QScrollArea;

namespace tolvik {

/// A fade with a chevron over one edge of a scroll area while more of its content lies beyond that edge. The panel
/// hides its scroll bar, and a row cut off at the bottom would not otherwise say that the list goes on.
class ScrollHint : public QWidget
{
    Q_OBJECT

public:
    enum class Edge
    {
        top,
        bottom,
    };

    static constexpr int hintHeight = 24;

    /// Lies over `area`'s viewport at `edge`, passing every click and wheel turn through to the rows beneath.
    ScrollHint(QScrollArea* area, Edge edge);

    /// Whether content lies beyond the edge now, whether or not the hint is on screen.
    bool hasMore() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QScrollArea* m_area;
    Edge m_edge;
};

} // namespace tolvik
