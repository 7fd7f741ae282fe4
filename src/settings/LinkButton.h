#pragma once

#include <QPushButton>

namespace tolvik {

/// A borderless button drawn as a link in the palette's link colour, for the Select All and Clear actions.
class LinkButton : public QPushButton
{
    Q_OBJECT

public:
    explicit LinkButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvik
