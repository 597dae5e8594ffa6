// Peak memory of a whole session: the Action Area with every view, every safeguard entry and
// pane (20 KB documents in Action Taken), the timeline with 500 rows, the reports previewed, a
// document and the timeline previewed, and the three readers with every section; then the
// process's peak resident size (VmHWM) is printed. Run with QT_QPA_PLATFORM=offscreen or under
// a display.
#include "actionarea/ActionAreaPrinting.h"
#include "actionarea/SafeguardButtonPanel.h"
#include "actionarea/WorkArea1.h"
#include "app/ReaderScreens.h"
#include "base/DataFolder.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "catalog/SafeguardCatalog.h"
#include "printing/PrintPanel.h"
#include "readers/InfoAdv.h"
#include "readers/Miscform1.h"
#include "readers/PrivRule.h"
#include "richtext/RtfWriter.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"
#include "worksheets/WorksheetPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

// What the session went through, printed beside the figures.
int g_panes = 0;
int g_previews = 0;
int g_readers = 0;

// About 20 KB of RTF, as a worked-on Action Taken document.
QByteArray actionDocument(int number)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QByteArray rtf;
    for (int paragraph = 0; rtf.size() < 20 * 1024; ++paragraph) {
        cursor.insertText(QStringLiteral("Entry %1, step %2: ").arg(number).arg(paragraph), bold);
        cursor.insertText(QStringLiteral("the office manager reviewed the access list with the IT vendor and filed "
                                         "the signed review in the compliance binder."),
                          QTextCharFormat());
        cursor.insertBlock();
        if (paragraph % 10 == 9)
            rtf = RtfWriter::write(document);
    }
    return rtf;
}

bool prepareWorkbook(const QString& folder)
{
    const QDir program(QStringLiteral(TESSALY_PROGRAM_DIR));
    for (const QFileInfo& info : program.entryInfoList(QDir::Files)) {
        if (!info.isExecutable())
            QFile::copy(info.absoluteFilePath(), QDir(folder).filePath(info.fileName()));
    }
    DataFolder::setRoot(folder);
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        QFile file(QDir(folder).filePath(SafeguardCatalog::documentFileName(number, WorksheetPane::ActionTaken)));
        if (!file.open(QIODevice::WriteOnly) || file.write(actionDocument(number)) <= 0)
            return false;
    }
    TimelineModel grid;
    for (int r = 1; r <= TimelineModel::kItemRows; ++r) {
        grid.setText(r, 1, QStringLiteral("Review access logs for workstation group %1").arg(r));
        grid.setText(r, 2, TimelineDate::cellText(QDate(2004, 1, 5).addDays(r)));
        grid.setText(r, 3, TimelineDate::cellText(QDate(2004, 1, 12).addDays(r)));
    }
    return TimelineFiles::saveGridRows(grid);
}

// Lets the screens paint and settle, as they would while the user looks at them.
void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void previewReports(WorkArea1& area)
{
    ActionAreaPrinting* printing = area.printing();
    printing->print();
    settle();
    if (printing->panel()->isVisible())
        ++g_previews;
    for (int option = 0; option < PrintPanel::kOptionCount; ++option) {
        if (QCheckBox* box = printing->panel()->optionBox(option)) {
            box->setChecked(!box->isChecked());
            settle();
        }
    }
    printing->panel()->pressButton(PrintPanel::CancelButton);
    settle();
}

void visitEntries(WorkArea1& area)
{
    for (int group = SafeguardCatalog::kFirstGroupCode; group <= SafeguardCatalog::kLastGroupCode; ++group) {
        area.pressLeftHandButton(group);
        settle();
        for (int index = 0; index < SafeguardCatalog::group(group)->entryCount; ++index) {
            area.safeguardPanel()->button(group, index)->click();
            for (int pane = 0; pane < kWorksheetPaneCount; ++pane) {
                QRadioButton* button = area.worksheet()->paneButton(WorksheetPane(pane));
                if (button->isEnabled()) {
                    button->click();
                    ++g_panes;
                }
                settle();
            }
        }
        area.worksheet()->paneButton(WorksheetPane::ActionTaken)->click();
        previewReports(area); // the open document, previewed
    }
}

void visitReaders(WorkArea1& area, ReaderScreens& readers)
{
    area.pressTab(HINFO1::InformationAdvisorScreen);
    settle();
    if (auto* advisor = qobject_cast<InfoAdv*>(readers.current())) {
        ++g_readers;
        for (int k = 0; k < 20; ++k) {
            advisor->chooseTopic(k);
            settle();
        }
        advisor->pressTab(HINFO1::SecurityRuleScreen);
        settle();
    }
    if (auto* rule = qobject_cast<PrivRule*>(readers.current())) {
        ++g_readers;
        for (int n = 0; n < 60; ++n) {
            rule->selectSection(n);
            settle();
        }
        rule->pressTab(HINFO1::MiscellaneousScreen);
        settle();
    }
    if (auto* misc = qobject_cast<Miscform1*>(readers.current())) {
        ++g_readers;
        for (int k = 0; k < 20; ++k) {
            misc->chooseTopic(k);
            settle();
        }
        misc->pressTab(HINFO1::ActionAreaScreen);
        settle();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!prepareWorkbook(folder.path()))
        return 1;
    Messages::setScripted(true);
    const long atStart = statusKilobytes("VmHWM:");

    auto* area = new WorkArea1;
    auto* readers = new ReaderScreens(area);
    area->show();
    area->activate();
    settle();
    const long actionArea = statusKilobytes("VmHWM:");

    for (int view = 0; view < kViewCount; ++view) {
        area->pressLeftHandButton(view);
        settle();
    }
    area->pressLeftHandButton(StandardsOverviewView);
    previewReports(*area); // the overview's reports, every group ticked
    area->pressLeftHandButton(TimelineView);
    previewReports(*area); // the timeline's printout
    visitEntries(*area);
    const long afterViews = statusKilobytes("VmHWM:");
    visitReaders(*area, *readers);
    const long afterReaders = statusKilobytes("VmHWM:");

    std::printf("peak memory (VmHWM) of a session through every view, entry, pane, report and reader\n");
    std::printf("  before the Action Area %.1f MB, Action Area open %.1f MB, every view, entry, pane and report "
                "%.1f MB, readers %.1f MB\n",
                atStart / 1024.0, actionArea / 1024.0, afterViews / 1024.0, afterReaders / 1024.0);
    std::printf("  %d panes opened, %d previews, %d readers\n", g_panes, g_previews, g_readers);
    std::printf("  peak %.1f MB (target: 150 MB or less); resident at the end %.1f MB\n", afterReaders / 1024.0,
                statusKilobytes("VmRSS:") / 1024.0);
    delete area;
    return 0;
}
