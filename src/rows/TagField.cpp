#include "rows/TagField.h"

#include "appearance/SymbolIcons.h"
#include "rows/RowStyle.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>

namespace tolvik {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QChar(0xFF0C) || c == QChar(0x3001);
}

} // namespace

TagField::TagField(QWidget* parent)
    : QLineEdit(parent)
    , m_model(new QStringListModel(this))
    , m_completer(new QCompleter(m_model, this))
    , m_icon(addAction(QIcon(), QLineEdit::LeadingPosition))
{
    setObjectName(QStringLiteral("tagField"));
    // The tag symbol says what the field holds once its placeholder is gone.
    m_icon->setIcon(SymbolIcons::icon(QStringLiteral("tag"), RowStyle::secondaryText(palette())));
    m_completer->setWidget(this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setFilterMode(Qt::MatchStartsWith);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &TagField::takeCompletion);
    connect(this, &QLineEdit::textEdited, this, [this] {
        offerCompletions();
        Q_EMIT tagsEdited(tags());
    });
}

QStringList TagField::parse(const QString& text)
{
    QStringList tags;
    QString current;
    bool quoted = false;
    const auto finish = [&] {
        const QString tag = current.trimmed();
        if (!tag.isEmpty() && !tags.contains(tag)) {
            tags.append(tag);
        }
        current.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (isSeparator(c) && !quoted) {
            finish();
        } else {
            current += c;
        }
    }
    finish();
    return tags;
}

QString TagField::format(const QStringList& tags)
{
    QStringList written;
    for (const QString& tag : tags) {
        const bool quote = std::any_of(tag.cbegin(), tag.cend(), isSeparator);
        written.append(quote ? QLatin1Char('"') + QString(tag).remove(QLatin1Char('"')) + QLatin1Char('"') : tag);
    }
    return written.join(QStringLiteral(", "));
}

void TagField::setTags(const QStringList& tags)
{
    const QString text = format(tags);
    if (text != this->text()) {
        setText(text);
    }
}

void TagField::setSuggestions(const QStringList& suggestions)
{
    m_suggestions = suggestions;
}

qsizetype TagField::currentTagStart() const
{
    const QString before = text().left(cursorPosition());
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before.at(i) == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (isSeparator(before.at(i)) && !quoted) {
            start = i + 1;
        }
    }
    return start;
}

void TagField::offerCompletions()
{
    const QString typed = text().mid(currentTagStart(), cursorPosition() - currentTagStart()).trimmed();
    if (typed.isEmpty()) {
        m_completer->popup()->hide();
        return;
    }
    const QStringList present = tags();
    QStringList offered;
    for (const QString& tag : std::as_const(m_suggestions)) {
        if (!present.contains(tag, Qt::CaseInsensitive) || tag.compare(typed, Qt::CaseInsensitive) == 0) {
            offered.append(tag);
        }
    }
    m_model->setStringList(offered);
    m_completer->setCompletionPrefix(typed);
    if (m_completer->completionCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->complete();
}

void TagField::takeCompletion(const QString& tag)
{
    QString before = text().left(currentTagStart());
    while (before.endsWith(QLatin1Char(' '))) {
        before.chop(1);
    }
    const QString head =
        (before.isEmpty() ? QString() : before + QLatin1Char(' ')) + format({tag}) + QStringLiteral(", ");
    setText(head + text().mid(cursorPosition()).trimmed());
    setCursorPosition(int(head.size()));
    Q_EMIT tagsEdited(tags());
}

void TagField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_icon->setIcon(SymbolIcons::icon(QStringLiteral("tag"), RowStyle::secondaryText(palette())));
    }
}

void TagField::keyPressEvent(QKeyEvent* event)
{
    // While the completion list shows, Return takes the highlighted tag instead of submitting the form.
    if (m_completer->popup()->isVisible()) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            event->ignore();
            return;
        default:
            break;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace tolvik
