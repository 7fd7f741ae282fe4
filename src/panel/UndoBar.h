#pragma once

#include "model/RemindersViewModel.h"

#include <QString>
#include <QWidget>

#include <optional>

class QTimer;
class QToolButton;

namespace tolvik {

class ElidedTextLabel;

/// The bar above the panel's footer after a completion or removal: what was done, with an Undo button, for eight
/// seconds or until the next such change. It also says why a completion, a removal, a reopening or an undo failed.
class UndoBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int shownForMs = 8000;

    /// `model` must outlive the bar. Hidden until the model announces a change.
    explicit UndoBar(RemindersViewModel& model, QWidget* parent = nullptr);

    /// Undoes the change the bar offers; returns false when it offers none.
    bool undo();
    /// Undoes `change`, which may be older than the one offered; failures show in the bar.
    bool undoChange(const UndoableChange& change);
    /// Says that marking the reminder titled `title` not completed failed, with the store's text.
    void showReopenFailure(const QString& title, const QString& error);
    /// Whether the bar offers an undo now.
    bool canUndo() const { return m_change.has_value() && !m_undoing; }
    /// The message as shown, with the title cut to fit.
    QString message() const;
    QToolButton* undoButton() const { return m_undo; }
    /// The timer that hides the bar.
    QTimer* hideTimer() const { return m_hideTimer; }

    void refreshTexts();

Q_SIGNALS:
    /// An undo put the reminder back; its row takes the focus once it shows.
    void restored(const QString& reminderID);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// What the bar says: a change that can be undone, a failed change, or a failed undo.
    enum class Showing
    {
        change,
        changeFailed,
        reopenFailed,
        versionFailed,
        tooLate,
        undoFailed,
    };
    void present(Showing showing);
    void showChange(const UndoableChange& change);
    void showFailure(UndoableChange::Kind kind, const QString& title, const QString& error);
    void finishUndo(quint64 shown, const QString& reminderID, const WriteResult& result);
    void updateMessage();
    void refreshColors();

    RemindersViewModel& m_model;
    ElidedTextLabel* m_message;
    QToolButton* m_undo;
    QTimer* m_hideTimer;
    Showing m_showing = Showing::change;
    std::optional<UndoableChange> m_change;
    bool m_undoing = false;
    /// Counts what the bar showed, so that an undo that ends after a newer change leaves that change alone.
    quint64 m_shown = 0;
    UndoableChange::Kind m_kind = UndoableChange::Kind::completed;
    QString m_title;
    QString m_error;
    /// How many sub-tasks the shown completion took with it.
    int m_subtaskCount = 0;
};

} // namespace tolvik
