// Time to switch between safeguard entries with Action Taken open, each entry holding a
// 20 KB formatted document: every switch clears the editor, loads the next document and
// shows its status and headings. Run with QT_QPA_PLATFORM=offscreen or under a display.
#include "actionarea/SafeguardButtonPanel.h"
#include "actionarea/WorkArea1.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "catalog/SafeguardCatalog.h"
#include "richtext/RtfWriter.h"
#include "worksheets/WorksheetPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// About 20 KB of RTF: paragraphs of mixed formatting, as a worked-on Action Taken document.
QByteArray actionDocument(int number)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QByteArray rtf;
    for (int paragraph = 0; rtf.size() < 20 * 1024; ++paragraph) {
        cursor.insertText(QStringLiteral("Entry %1, step %2: ").arg(number).arg(paragraph), bold);
        cursor.insertText(QStringLiteral("the office manager reviewed the access list with the IT vendor, "), plain);
        cursor.insertText(QStringLiteral("removed two former employees"), italic);
        cursor.insertText(QStringLiteral(" and filed the signed review in the compliance binder."), plain);
        cursor.insertBlock();
        if (paragraph % 10 == 9)
            rtf = RtfWriter::write(document);
    }
    return rtf;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    DataFolder::setRoot(folder.path());
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        QFile file(folder.filePath(SafeguardCatalog::documentFileName(number, WorksheetPane::ActionTaken)));
        if (!file.open(QIODevice::WriteOnly) || file.write(actionDocument(number)) <= 0)
            return 1;
    }
    Messages::setScripted(true);

    WorkArea1 area;
    area.show();
    area.activate();
    std::vector<double> millis;
    QElapsedTimer timer;
    for (int round = 0; round < 3; ++round) {
        for (int group = SafeguardCatalog::kFirstGroupCode; group <= SafeguardCatalog::kLastGroupCode; ++group) {
            area.pressLeftHandButton(group);
            area.worksheet()->paneButton(WorksheetPane::ActionTaken)->click();
            for (int index = 0; index < SafeguardCatalog::group(group)->entryCount; ++index) {
                timer.start();
                area.safeguardPanel()->button(group, index)->click();
                QCoreApplication::processEvents();
                millis.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
    }
    std::sort(millis.begin(), millis.end());
    std::printf("switching safeguard entries with Action Taken open (20 KB documents), %zu switches\n", millis.size());
    std::printf("  min %.2f ms   median %.2f ms   90th percentile %.2f ms   max %.2f ms   (target: under 16 ms)\n",
                millis.front(), millis[millis.size() / 2], millis[millis.size() * 9 / 10], millis.back());
    return 0;
}
