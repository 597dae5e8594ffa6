// The Information Advisor: ten guidance topics, a row of risk-analysis documents, NIST links
// and the countdown to the compliance date.
#pragma once

#include "readers/ReaderScreen.h"

#include <QList>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class RichTextBox;
class SearchPanel;

class InfoAdv : public ReaderScreen
{
    Q_OBJECT
public:
    explicit InfoAdv(QWidget* home);

    void chooseTopic(int k);
    void chooseRiskDocument(int j);
    void pressNistLink();

    int helpContext() const override { return 3066; }
    RichTextBox* document() const { return m_document; }
    QPushButton* topicButton(int k) const { return m_topics.at(k); }
    QGroupBox* riskFrame() const { return m_riskFrame; }
    QPushButton* nistButton() const { return m_nist; }
    QLabel* countdown() const { return m_countdown; }
    SearchPanel* searchPanel() const { return m_search; }

private:
    QWidget* buildBody();
    static QList<QAbstractButton*> row(const QList<QPushButton*>& buttons);

    QList<QPushButton*> m_topics;
    QList<QPushButton*> m_riskButtons;
    QGroupBox* m_riskFrame = nullptr;
    QPushButton* m_nist = nullptr;
    QLabel* m_countdown = nullptr;
    RichTextBox* m_document = nullptr;
    SearchPanel* m_search = nullptr;
    int m_topic = 0;
};
