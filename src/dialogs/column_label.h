// A static whose words stand in columns rather than where its blanks would
// put them in this font (dialog_rules/list_columns.h): spread over its own
// box, the first word at its left edge and the last ending at its right,
// or as the titles of the list it heads, each over its column. The text
// stays as written; only where its words are drawn changes.
#pragma once

#include <QLabel>

#include <vector>

namespace fenx {

class DialogList;

class ColumnLabel : public QLabel {
    Q_OBJECT
  public:
    ColumnLabel(const QString& text, QWidget* parent);

    // From now on the words are the titles of `list`'s columns; the list
    // shares the label's parent.
    void Head(DialogList& list);

    struct PlacedWord {
        QRect rect; // in the label's coordinates
        QString text;
    };
    // Where each word is drawn.
    std::vector<PlacedWord> PlaceWords() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DialogList* list_ = nullptr;
};

} // namespace fenx
