// Gives the Action Area its three reader screens. One reader is open at a time; it is made
// when its tab is pressed and let go once the user has moved on.
#pragma once

#include <QObject>
#include <QPointer>

class ReaderScreen;
class WorkArea1;

class ReaderScreens : public QObject
{
    Q_OBJECT
public:
    explicit ReaderScreens(WorkArea1* actionArea);
    // The reader still open is a window of its own: it goes with the Action Area.
    ~ReaderScreens() override;

    // The reader on screen, or the one that was closed last (until it is let go).
    ReaderScreen* current() const;

private:
    void open(int t);

    WorkArea1* m_actionArea;
    QPointer<ReaderScreen> m_current;
};
