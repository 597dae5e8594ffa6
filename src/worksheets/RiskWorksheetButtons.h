// The 21 Risk Analysis worksheet buttons: each captioned with its worksheet's title,
// underlined while its document holds text, and the pressed one shown chosen.
#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

class RiskWorksheetButtons : public QWidget
{
    Q_OBJECT
public:
    explicit RiskWorksheetButtons(QWidget* parent = nullptr);

    void setTitles(const QStringList& titles);
    void setTitle(int n, const QString& title);
    QString title(int n) const;
    QStringList titles() const;
    // Underlines the caption of a worksheet whose document holds text.
    void setHasContent(int n, bool hasContent);
    bool hasContent(int n) const;
    // Every button unpressed and black, then button n (or none, for -1) chosen.
    void choose(int n);
    QPushButton* button(int n) const { return m_buttons.value(n); }

signals:
    void worksheetPressed(int n);

private:
    QList<QPushButton*> m_buttons;
};
