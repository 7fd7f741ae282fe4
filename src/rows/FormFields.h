#pragma once

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QTextEdit>
#include <QTimeEdit>

// The reminder form's own fields: each fixes something the plain Qt widget gets wrong in a small popover.
namespace tolvik {

/// A plain-text field that grows with its lines instead of scrolling.
class GrowingTextEdit : public QTextEdit
{
public:
    explicit GrowingTextEdit(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

/// The height of one line of `text` with every font it falls back to: Chinese glyphs come from another font than
/// the interface font and stand taller than its metrics say.
int fullLineHeight(const QFont& font, const QString& text);

/// A drop-down as tall as its entries' glyphs need, in whatever script the interface language writes them, that
/// ends a choice too long for it ("Every 2 weeks on Mon and Thu") with "…" and names it whole in its tooltip.
class FormPicker : public QComboBox
{
public:
    explicit FormPicker(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    /// The current choice as the closed drop-down shows it.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize withFullHeight(QSize size) const;
    int textRoom() const;
    void updateToolTip();
};

/// A push button that shows clearly when it has the keyboard focus: a ring inside its edge, in the accent colour,
/// or in the caption's colour on the accent-filled default button, where an accent ring would vanish.
class FormButton : public QPushButton
{
public:
    explicit FormButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// The time field: a click puts the caret into a section and selects it, so that typed digits replace the hour or
/// the minutes at once instead of being refused as a third digit.
class TimeField : public QTimeEdit
{
public:
    explicit TimeField(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

/// The time field's format: the short time of the locale the rows' due lines use (the system's, whatever the
/// interface language), so that a form and the row it edits both read "2:41 PM", or both "14:41". Hours and
/// minutes only: a due time has no seconds, and some locales' short time (C among them) carries them.
QString timeFieldFormat(const QLocale& locale);

} // namespace tolvik
