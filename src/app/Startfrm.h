// The start screen: the program's first window and the owner of the run.
#pragma once

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

class Startfrm : public QMainWindow
{
    Q_OBJECT
public:
    explicit Startfrm(QWidget* parent = nullptr);
    ~Startfrm() override;

    // The load sequence: display mode, window size, splash (once per run), background
    // colour, menu check marks. Run at start and again by the display switches.
    void loadScreen();
    // What the screen does each time it becomes the active window.
    void activate();

    void switchToFullScreen();
    void switchToSmallerScreen();
    void chooseBackgroundColour();
    // "&Click Here to Begin Program": asks for the Action Area, which the program supplies.
    void beginProgram();
    QMenu* optionsMenu() const { return m_optionsMenu; }
    // Whether a screen of this many pixels is narrower or lower than the program needs.
    static bool screenIsTooSmall(const QSize& area);
    QColor backgroundColour() const;

signals:
    void beginRequested();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyWindowSize();
    void applyBackgroundColour();
    void keepDisplayModeInStepWithWindow();
    void storeScreenSize();
    void placeCentralPanel();
    void setDisplayChecks();
    void switchDisplayMode(short mode);

    QLabel* m_titleLabel = nullptr;
    QLabel* m_picture = nullptr;
    QFrame* m_centralPanel = nullptr;
    QPushButton* m_fullScreenButton = nullptr;
    QPushButton* m_smallerScreenButton = nullptr;
    QPushButton* m_beginButton = nullptr;
    QLabel* m_systemColourLabel = nullptr;
    QMenu* m_optionsMenu = nullptr;
    QAction* m_fullScreenAction = nullptr;
    QAction* m_smallerScreenAction = nullptr;
    bool m_loading = false;
};
