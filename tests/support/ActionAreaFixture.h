// Where the Action Area's screen tests start: a fresh workbook folder, the program's state as
// at start-up, scripted message boxes and a program end that is only counted.
#pragma once

#include "TestFolder.h"

#include "actionarea/WorkArea1.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/ProgramEnd.h"

#include <QtTest>
#include <memory>

class ActionAreaFixture
{
protected:
    // From init(): the folder and the state, with no window yet.
    void prepareWorkbook(bool withShippedFiles = true)
    {
        m_folder = std::make_unique<TestFolder>(withShippedFiles);
        HINFO1::state() = HINFO1::State();
        Messages::setScripted(true);
        Messages::takeShown();
        m_ended = 0;
        ProgramEnd::setTerminator([this] { ++m_ended; });
    }

    // Opens the Action Area; becoming the active window runs the screen's activation.
    void openActionArea()
    {
        m_area = std::make_unique<WorkArea1>();
        m_area->show();
        m_area->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    }

    // From cleanup(): the window goes before the folder it writes to.
    void closeWorkbook()
    {
        m_area.reset();
        HINFO1::state() = HINFO1::State();
        Messages::setScripted(false);
        ProgramEnd::setTerminator(nullptr);
        m_folder.reset();
    }

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<WorkArea1> m_area;
    int m_ended = 0; // times the program was asked to end
};
