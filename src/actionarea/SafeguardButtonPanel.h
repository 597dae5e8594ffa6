// The row of safeguard buttons of each catalog group, one frame per group, plus the
// frame that holds the Risk Analysis worksheet buttons.
#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class RiskWorksheetButtons;
class WrappingButton;

class SafeguardButtonPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFrameCount = 6;
    static constexpr int kWorksheetFrame = 5;

    explicit SafeguardButtonPanel(QWidget* parent = nullptr);

    void hideAllFrames();
    // Frames 0-4 hold the buttons of groups 2-6; frame 5 the worksheet buttons.
    void showFrame(int frame);
    QFrame* frame(int frame) const { return m_frames.at(frame); }
    void setCaption(const QString& caption);
    QString caption() const;

    QPushButton* button(int groupCode, int index) const;
    QList<QAbstractButton*> row(int groupCode) const;
    // The chosen look on button i of group g, the unchosen look on the rest of its row.
    void choose(int groupCode, int index);
    RiskWorksheetButtons* worksheetButtons() const { return m_worksheetButtons; }

signals:
    void safeguardPressed(int groupCode, int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void makeColumnsEven();
    QLabel* m_caption;
    QList<QFrame*> m_frames;
    QList<QList<WrappingButton*>> m_rows; // by group code - 2
    RiskWorksheetButtons* m_worksheetButtons = nullptr;
};
