// The About box: product name, version and the maker's web site.
#pragma once

#include <QDialog>

class About1 : public QDialog
{
    Q_OBJECT
public:
    explicit About1(QWidget* parent = nullptr);

    // Shows the box modally, centred over the start screen's stored size.
    static void showAbout(QWidget* parent);
};
