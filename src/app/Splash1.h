// The splash window: shown once per run while the start screen loads.
#pragma once

#include <QDialog>

class Splash1 : public QDialog
{
    Q_OBJECT
public:
    explicit Splash1(QWidget* parent = nullptr);

    // Shows the window centred on the screen, holds it about four seconds without
    // processing events, and closes it.
    void showForAWhile();
};
