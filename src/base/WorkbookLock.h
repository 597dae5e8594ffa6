// The lock that keeps two copies of Tessaly from writing one workbook, also when the workbook
// sits in a shared network folder. It is a QLockFile in the workbook folder, with a note beside
// it of who holds it and since when.
//
// A lock left behind by a crash never blocks for good: a lock of a process that is gone on this
// machine is taken over at once (as QLockFile does), and the holder renews its lock's time every
// minute, so that a lock from another machine that has not been renewed for kStaleAfter is old
// and taken over too.
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <chrono>

class WorkbookLock
{
public:
    static constexpr std::chrono::milliseconds kStaleAfter{10 * 60 * 1000};
    static constexpr std::chrono::milliseconds kRenewEvery{60 * 1000};
    static const QString kLockName;   // in the workbook folder
    static const QString kHolderName; // the note of who holds it

    struct Holder
    {
        QString user;
        QString host;
        QDateTime since;
    };

    explicit WorkbookLock(const QString& folder);
    ~WorkbookLock();

    // Takes the workbook for this run. False when another copy holds it (holder() says who) or
    // the folder cannot hold a lock.
    bool acquire();
    // Who holds the workbook, as far as it can be told.
    Holder holder() const;
    // The holder's sentence for the user: "USER on HOST since TIME".
    static QString describe(const Holder& holder);
    // Renews the held lock's time (see above). Call it every kRenewEvery.
    void renew();

private:
    QString m_folder;
    QLockFile m_lock;
};
