// The Miscellaneous screen: disclaimer, program information, HIPAA web links and two
// blank forms to print or copy.
#pragma once

#include "readers/ReaderScreen.h"

#include <QList>

class QAction;
class QLabel;
class QPushButton;
class ReaderPrinting;
class RichTextBox;

class Miscform1 : public ReaderScreen
{
    Q_OBJECT
public:
    explicit Miscform1(QWidget* home);

    void chooseTopic(int k);
    void openLink(int n);
    void copyToClipboard();
    // The Options-menu print and the button print differ in their top margin.
    void printFromMenu();
    void printFromButton();

    int helpContext() const override;
    RichTextBox* document() const { return m_document; }
    QPushButton* topicButton(int k) const { return m_topics.at(k); }
    QLabel* linkLabel(int n) const { return m_links.at(n); }
    QPushButton* printButton() const { return m_printButton; }
    QAction* copyItem() const { return m_copyItem; }
    ReaderPrinting* printing() const { return m_printing; }

protected:
    bool closeOwnPanel() override;
    bool printPanelOpen() const override;

private:
    QWidget* buildBody();
    QString printOption() const;

    QList<QPushButton*> m_topics;
    QList<QLabel*> m_links;
    QLabel* m_heading = nullptr;
    QLabel* m_introduction = nullptr;
    RichTextBox* m_document = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QAction* m_copyItem = nullptr;
    QAction* m_printItem = nullptr;
    ReaderPrinting* m_printing = nullptr;
    int m_topic = 1;
};
