#pragma once

#include <QLineEdit>
#include <QStringList>

class QAction;
class QCompleter;
class QStringListModel;

namespace tolvik {

/// The form's tag field: tags separated by commas (also the full-width "，" and "、"), a tag that holds a comma
/// written in double quotes, and completion of the tag being typed from the tags already in use.
class TagField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TagField(QWidget* parent = nullptr);

    /// Shows `tags` as text, replacing what the field held.
    void setTags(const QStringList& tags);
    /// The tags the text holds now, each once.
    QStringList tags() const { return parse(text()); }
    /// The tags offered while typing; those already in the field are left out.
    void setSuggestions(const QStringList& suggestions);
    QCompleter* tagCompleter() const { return m_completer; }

    static QStringList parse(const QString& text);
    static QString format(const QStringList& tags);

Q_SIGNALS:
    /// The user changed the tags (typing or taking a completion).
    void tagsEdited(const QStringList& tags);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Where the tag being typed starts.
    qsizetype currentTagStart() const;
    void offerCompletions();
    void takeCompletion(const QString& tag);

    QStringList m_suggestions;
    QStringListModel* m_model;
    QCompleter* m_completer;
    QAction* m_icon;
};

} // namespace tolvik
