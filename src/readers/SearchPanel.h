// The search panel, "Enter Word(s) for Search": an entry box, "&Search" and "&Close",
// running find-next over a reader's document.
#pragma once

#include "readers/FindNext.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class RichTextBox;

class SearchPanel : public QGroupBox
{
    Q_OBJECT
public:
    SearchPanel(RichTextBox* document, QWidget* parent);

    // Shows the panel with an empty entry box, or hides it when it is showing.
    void toggle();
    // Shows the panel with its entry box focused and its text selected.
    void open();
    void close();
    // Finds the next match and selects it, or reports the end of the document and starts over.
    void searchNext();
    // Where the next search starts; the reader moves it as the caret moves.
    void setStart(int position);

    // A panel that is part of its screen has no "&Close".
    void setClosable(bool closable);

    QLineEdit* entry() const { return m_entry; }

private:
    RichTextBox* m_document;
    FindNext m_find;
    QLineEdit* m_entry;
    QPushButton* m_search;
    QPushButton* m_close;
};
