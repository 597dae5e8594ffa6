// The drop-down list of known item names, kept in TODONAME.FIL; its text field can be typed
// into. Adding or removing a name rewrites the file, and a failure is told to the user here.
#pragma once

#include "timeline/ItemNameList.h"

#include <QComboBox>

class KnownItemsBox : public QComboBox
{
    Q_OBJECT
public:
    explicit KnownItemsBox(QWidget* parent = nullptr);
    void showPopup() override;

    // Reads the file and shows its names, none chosen.
    void load();
    const ItemNameList& names() const { return m_names; }
    // True when the name is new and was kept; a full list or a failed write is told to the user.
    bool add(const QString& name);
    void remove(const QString& name);

signals:
    void popupOpened();
    void focused();
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNames();
    void tellWriteFailed(const QString& error);

    ItemNameList m_names;
};
