#pragma once

#include "model/StoreRecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

struct icalcomponent_impl;

namespace tolvik {

/// One parsed iCalendar file that holds a to-do: the whole component tree, kept so that a write changes only
/// what an edit touches and carries every other property, parameter and component through unchanged.
class TodoDocument
{
public:
    /// Files larger than this are never parsed: libical's time grows with the square of a line's length.
    static constexpr qint64 maximumFileSize = 1024 * 1024;
    /// Files whose components nest deeper than this are never parsed: libical frees and writes a tree by
    /// recursion, so a hostile file of thousands of nested components would overflow the stack. Real files
    /// nest three deep (a calendar, a to-do, an alarm).
    static constexpr int maximumNesting = 16;

    /// How deep the file's BEGIN and END lines nest, counted on the raw bytes as libical would read them.
    static int nestingDepth(const QByteArray& bytes);

    /// Parses a file's bytes. Nothing when libical cannot parse them or they hold no VTODO.
    static std::optional<TodoDocument> parse(const QByteArray& bytes);
    /// A new document with one VTODO carrying `reminder`'s fields and the given UID.
    static TodoDocument create(const StoreReminder& reminder, const QString& uid, const QDateTime& now);
    /// A fresh UID made only of [A-Za-z0-9_.+-], safe as a file name and for every sync peer.
    static QString generateUid();

    TodoDocument(TodoDocument&&) noexcept;
    TodoDocument& operator=(TodoDocument&&) noexcept;
    TodoDocument(const TodoDocument&) = delete;
    TodoDocument& operator=(const TodoDocument&) = delete;
    ~TodoDocument();

    /// True when libical reported errors (X-LIC-ERROR) or the file holds a component libical would drop when
    /// writing; such a file loads but must never be rewritten.
    bool hasParseErrors() const;
    /// The master VTODO's UID; empty when the file has none.
    QString uid() const;
    /// How many VTODOs in the file carry a UID other than the master's: other reminders, which are not shown.
    int otherTodoCount() const;
    /// The master VTODO's fields. `id` and `listID` are left empty: the store fills them from the file's place.
    /// A repeating to-do carries its series.
    StoreReminder toReminder() const;

    /// Writes the fields in which `changed` differs from `base` onto the master VTODO and leaves everything
    /// else alone. Sets LAST-MODIFIED and DTSTAMP and raises SEQUENCE. Completing a repeating to-do moves it
    /// from its occurrence current at the completion date (or `now`) to the next one instead, on the wall clock,
    /// and completes it only after the last one. A new due of a repeating to-do starts its series there.
    /// False when the next occurrence could not be worked out in the time allowed: the document is then half
    /// edited and must not be written.
    bool applyChanges(const StoreReminder& base, const StoreReminder& changed, const QDateTime& now);

    /// The master VTODO, for edits beyond `applyChanges` (of its properties, or of its sub-components'):
    /// `editedBytes` then writes exactly those.
    icalcomponent_impl* masterForEdit();

    /// The file's bytes with the edits made since parsing: only the content lines of properties that changed
    /// (in the master VTODO and its sub-components) are replaced, and a VTIMEZONE the edit needs is added; all
    /// other bytes stay. The result is parsed back and must hold exactly the edited tree. Nothing when the edit
    /// cannot be written that way, so that the caller leaves the file alone.
    struct Edited
    {
        std::optional<QByteArray> bytes;
        /// True when the result would be larger than files that are read.
        bool tooLarge = false;
    };
    Edited editedBytes() const;

    /// The document as UTF-8 without a byte-order mark, with CRLF line ends and lines folded at 75 octets.
    /// Nothing when libical cannot serialise the tree.
    std::optional<QByteArray> serialize() const;

private:
    explicit TodoDocument(icalcomponent_impl* root);
    void keepOriginal();

    struct Deleter
    {
        void operator()(icalcomponent_impl* component) const;
    };
    std::unique_ptr<icalcomponent_impl, Deleter> m_root;
    /// The tree as parsed, copied before the first edit, and the bytes it came from.
    std::unique_ptr<icalcomponent_impl, Deleter> m_original;
    QByteArray m_bytes;
};

} // namespace tolvik
