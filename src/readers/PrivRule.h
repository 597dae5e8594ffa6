// The Security Rule reader: 25 sections of the rule and its preamble, one at a time, to
// read, search, show in another font, print and copy.
#pragma once

#include "readers/ReaderScreen.h"

#include <QList>

class QAction;
class QPushButton;
class QRadioButton;
class QWidget;
class ReaderPrinting;
class RichTextBox;
class SearchPanel;

class PrivRule : public ReaderScreen
{
    Q_OBJECT
public:
    explicit PrivRule(QWidget* home);

    void selectSection(int n);
    void toggleSearch();
    void fontDisplay();
    void copyToClipboard();
    void print();
    void clear();

    int helpContext() const override;
    RichTextBox* document() const { return m_document; }
    SearchPanel* searchPanel() const { return m_search; }
    ReaderPrinting* printing() const { return m_printing; }
    QRadioButton* option(int n) const { return m_options.at(n); }

protected:
    bool closeOwnPanel() override;
    bool printPanelOpen() const override;

private:
    QWidget* buildBody();
    void buildMenus();
    void enableCommands(bool on);

    QList<QRadioButton*> m_options;
    RichTextBox* m_document = nullptr;
    QWidget* m_cover = nullptr;
    SearchPanel* m_search = nullptr;
    ReaderPrinting* m_printing = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_searchButton = nullptr;
    QAction* m_copyItem = nullptr;
    QAction* m_fontItem = nullptr;
    QAction* m_printItem = nullptr;
    QAction* m_searchItem = nullptr;
};
