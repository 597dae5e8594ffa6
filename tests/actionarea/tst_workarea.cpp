// The Action Area driven offscreen: navigation, statuses, panes, the save prompt and saving.
#include "ActionAreaFixture.h"

#include "actionarea/RemindersButton.h"
#include "actionarea/SafeguardButtonPanel.h"
#include "actionarea/StandardsOverviewPanel.h"
#include "app/HelpWindow.h"
#include "app/ProgramSetup.h"
#include "base/AtomicFile.h"
#include "base/ButtonLook.h"
#include "base/DocumentHistory.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/WorkScreenMenus.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"
#include "worksheets/HistoryDialog.h"
#include "worksheets/WorksheetDocument.h"
#include "worksheets/WorksheetPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace {

const QString kSavePrompt = QStringLiteral("Save changes/entries before next action?");

QStringList texts(const QList<Messages::Shown>& shown)
{
    QStringList list;
    for (const Messages::Shown& m : shown)
        list << m.text;
    return list;
}

// Types bold text at the end of the editor, as a user would with Ctrl+B.
void typeInto(RichTextBox* editor, const QString& text, bool bold = false)
{
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    if (bold)
        editor->setFontWeight(QFont::Bold);
    QTest::keyClicks(editor, text);
}

} // namespace

class TestWorkArea : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void anEarlierVersionComesBack();
    void dueReviewsLeadToTheirActivity();
    void safeguardTitlesAndHeadings();
    void savePromptOnLeaving_data();
    void savePromptOnLeaving();
    void newEntryShowsItsDocumentAtOnce();
    void overviewEntriesGreyTheSpecificationPane();
    void referencePanesAreLockedAndEmphasised();
    void notImplementedWarnsEveryTime();
    void theRunEndsOnlyWhenAsked();
    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void foreignDocumentIsShownAndKept();
    void refusedDocumentIsNeverSavedOver();
    void statusChangesOnlyByPicking();
    void escapeAsksToExit();
    void escapeAtTheSavePromptKeepsTheText();
    void timelineChangesUseTheSavePrompt();
    void rightClickPopsUpOptions();
    void overviewShowsStoredStatuses();
    void noPaneMeansNoTyping();
    void f1OpensHelpForTheView();

private:
    void reopen();                  // and check it opens at the overview
    void leave(const QString& way); // away from entry 0 of the Administrative Safeguards
    WorksheetPanel* sheet() const { return m_area->worksheet(); }
    RichTextBox* editor() const { return sheet()->editor(); }
    bool changed() const { return sheet()->document()->isChanged(); }
    void click(WorksheetPane pane) { QTest::mouseClick(sheet()->paneButton(pane), Qt::LeftButton); }
    void pressLeft(int v) { QTest::mouseClick(m_area->leftHandButton(v), Qt::LeftButton); }
    void pressSafeguard(int g, int i) { QTest::mouseClick(m_area->safeguardPanel()->button(g, i), Qt::LeftButton); }
};

void TestWorkArea::init()
{
    prepareWorkbook();
    reopen();
}

void TestWorkArea::reopen()
{
    openActionArea();
    QCOMPARE(m_area->state().viewCode, 0);
}

void TestWorkArea::cleanup()
{
    closeWorkbook();
}

void TestWorkArea::leave(const QString& way)
{
    if (way == QLatin1String("save button"))
        QTest::mouseClick(sheet()->saveButton(), Qt::LeftButton);
    else if (way == QLatin1String("pane"))
        click(WorksheetPane::CommentsNotes);
    else if (way == QLatin1String("entry"))
        pressSafeguard(2, 1);
    else if (way == QLatin1String("view"))
        pressLeft(3);
    else if (way == QLatin1String("tab"))
        QTest::mouseClick(m_area->tabs()->tab(4), Qt::LeftButton);
    else
        m_area->close();
}

// Leaving a changed document asks once: Yes writes it, under the entry it belonged to and
// with its formatting, before the next one loads; No leaves no file and no change behind.
void TestWorkArea::savePromptOnLeaving_data()
{
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<Messages::Answer>("answer");
    QTest::addColumn<QString>("title"); // the window's title afterwards
    QTest::newRow("pane, Yes") << "pane" << Messages::Answer::Yes
                               << "Action Area - Administrative Safeguards - Risk Analysis";
    QTest::newRow("entry, No") << "entry" << Messages::Answer::No
                               << "Action Area - Administrative Safeguards - Risk Management";
    QTest::newRow("view, Yes") << "view" << Messages::Answer::Yes
                               << "Action Area - Physical Safeguards - Contingency Operation";
    QTest::newRow("close, Yes") << "close" << Messages::Answer::Yes << QString();
}

void TestWorkArea::savePromptOnLeaving()
{
    QFETCH(QString, leaving);
    QFETCH(Messages::Answer, answer);
    pressLeft(2);
    click(WorksheetPane::ActionTaken);
    QVERIFY(!editor()->isLocked());
    typeInto(editor(), QStringLiteral("Reviewed the audit logs. "));
    typeInto(editor(), QStringLiteral("Monthly."), true);
    QVERIFY(changed());
    Messages::queueAnswer(answer);
    leave(leaving);

    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(texts(shown), QStringList{kSavePrompt});
    QCOMPARE(shown.at(0).title, QStringLiteral("Save Changes?"));
    QCOMPARE(shown.at(0).buttons, Messages::Buttons::YesNoByChoiceOnly);
    const bool yes = answer == Messages::Answer::Yes;
    QCOMPARE(QDir(m_folder->path()).entryList({"Action*", "Comment*", "Policy*"}, QDir::Files),
             yes ? QStringList{QStringLiteral("Action0.Fil")} : QStringList());
    if (yes)
        QVERIFY(m_folder->read(QStringLiteral("Action0.Fil")).startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    QCOMPARE(m_ended, leaving == QLatin1String("close") ? 1 : 0);
    if (leaving == QLatin1String("close"))
        return;
    QTEST(m_area->windowTitle(), "title");
    QVERIFY(!changed());

    // Back at the document, the saved words come back with their formatting; nothing asks.
    if (leaving != QLatin1String("pane"))
        pressLeft(2);
    click(WorksheetPane::ActionTaken);
    QVERIFY(Messages::takeShown().isEmpty());
    QCOMPARE(editor()->text().trimmed(), yes ? QStringLiteral("Reviewed the audit logs. Monthly.") : QString());
    if (yes) {
        QVERIFY(editor()->document()->find(QStringLiteral("Monthly.")).charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(editor()->document()->find(QStringLiteral("Reviewed")).charFormat().fontWeight() < QFont::Bold);
    }
}

void TestWorkArea::safeguardTitlesAndHeadings()
{
    pressLeft(2);
    QCOMPARE(m_area->windowTitle(), QStringLiteral("Action Area - Administrative Safeguards - Risk Analysis"));
    pressSafeguard(2, 15);
    QCOMPARE(m_area->windowTitle(), QStringLiteral("Action Area - Administrative Safeguards - Response and Reporting"));
    QCOMPARE(sheet()->standardLabel()->text(), QStringLiteral(" Standard: Security Incident Procedures"));
    QCOMPARE(sheet()->sectionLabel()->text(), QStringLiteral(" Section: 164.308(a)(6)"));
    QCOMPARE(sheet()->specificationLabel()->text(), QStringLiteral(" Specification: Response and Reporting (R)"));
    QCOMPARE(m_area->safeguardPanel()->button(2, 15)->text(), QStringLiteral("Resp. && Report."));
    QCOMPARE(sheet()->statusLabel()->text(), QStringLiteral("   Current Status:"));
    QCOMPARE(sheet()->statusList()->count(), 6);
    QVERIFY(m_area->actions().save->isVisible());
    QVERIFY(!m_area->actions().print->isEnabled());
}

void TestWorkArea::newEntryShowsItsDocumentAtOnce()
{
    m_folder->write(QStringLiteral("Comment1.Fil"), "{\\rtf1\\ansi Comments of the second entry\\par}");
    pressLeft(2);
    click(WorksheetPane::CommentsNotes);
    QVERIFY(editor()->text().trimmed().isEmpty());
    pressSafeguard(2, 1);
    QVERIFY(Messages::takeShown().isEmpty());
    QCOMPARE(editor()->text().trimmed(), QStringLiteral("Comments of the second entry"));
    // Held while the entry was changing, the text is laid out at the editor's width afterwards.
    QCOMPARE(editor()->document()->pageSize().width(), qreal(editor()->viewport()->width()));
    QVERIFY(editor()->document()->size().height() > 0);
    QVERIFY(sheet()->paneButton(WorksheetPane::CommentsNotes)->isChecked());
    QVERIFY(!changed());
    // A long text gets its scroll bar and is laid out beside it; a short one after it has none.
    m_folder->write(QStringLiteral("Comment2.Fil"), "{\\rtf1\\ansi " + QByteArray("A line.\\par ").repeated(200) + "}");
    pressSafeguard(2, 2);
    QTRY_VERIFY(editor()->verticalScrollBar()->isVisible());
    QCOMPARE(editor()->document()->pageSize().width(), qreal(editor()->viewport()->width()));
    pressSafeguard(2, 1);
    QTRY_VERIFY(!editor()->verticalScrollBar()->isVisible());
    QCOMPARE(editor()->document()->pageSize().width(), qreal(editor()->viewport()->width()));
}

void TestWorkArea::overviewEntriesGreyTheSpecificationPane()
{
    pressLeft(2);
    click(WorksheetPane::Specification);
    pressLeft(5);
    QVERIFY(!sheet()->paneButton(WorksheetPane::Specification)->isEnabled());
    QVERIFY(!sheet()->paneButton(WorksheetPane::Specification)->isChecked());
    QCOMPARE(m_area->windowTitle(),
             QStringLiteral("Action Area - Organization Requirements - Organizational Requirements Overview"));
    QCOMPARE(sheet()->standardLabel()->text(), QStringLiteral(" Organizational Requirements Overview"));
    QCOMPARE(sheet()->sectionLabel()->text(), QStringLiteral(" Section 164.314"));
    QCOMPARE(sheet()->specificationLabel()->text(), QString());
    pressSafeguard(5, 1);
    QVERIFY(sheet()->paneButton(WorksheetPane::Specification)->isEnabled());
    pressLeft(6);
    QVERIFY(!sheet()->paneButton(WorksheetPane::Specification)->isEnabled());
}

void TestWorkArea::referencePanesAreLockedAndEmphasised()
{
    pressLeft(2);
    pressSafeguard(2, 13);
    click(WorksheetPane::Specification);
    QVERIFY(editor()->isLocked());
    QCOMPARE(sheet()->currentPane(), WorksheetPane::Specification);
    QVERIFY(!sheet()->saveButton()->isEnabled());
    QVERIFY(editor()->text().startsWith(QStringLiteral("Implementation Specification:")));
    QTest::keyClicks(editor(), QStringLiteral("xyz"));
    QVERIFY(!editor()->text().contains(QStringLiteral("xyz")));
    QVERIFY(!changed());

    // The safeguard's own term stands out; the heading does not.
    QTextCursor term(editor()->document()->find(QStringLiteral("Log-in monitoring")));
    QTextCursor inside(editor()->document());
    inside.setPosition(term.selectionStart() + 1);
    QVERIFY(inside.charFormat().fontWeight() >= QFont::Bold && inside.charFormat().fontUnderline());

    // A Required entry has no Addressable block.
    pressSafeguard(2, 8);
    click(WorksheetPane::AdditionalInformation);
    QVERIFY(editor()->text().startsWith(QStringLiteral("Additional Information:")));
    QVERIFY(!editor()->text().contains(QStringLiteral("This Implementation Specification is Addressable.")));
    pressSafeguard(2, 13);
    QVERIFY(editor()->text().contains(QStringLiteral("This Implementation Specification is Addressable.")));

    // References in Rule comes from a file where there is one: a group's overview file
    // serves every entry of the group.
    click(WorksheetPane::ReferencesInRule);
    QVERIFY(editor()->text().contains(QStringLiteral("References in Rule")));
    QVERIFY(editor()->isLocked());
    pressLeft(6);
    pressSafeguard(6, 0);
    const QString overview = editor()->text();
    pressSafeguard(6, 1);
    QCOMPARE(editor()->text(), overview);
}

void TestWorkArea::notImplementedWarnsEveryTime()
{
    pressLeft(3);
    pressSafeguard(3, 6); // Disposal, record 30
    QComboBox* list = sheet()->statusList();
    for (int i = 0; i < 2; ++i) {
        list->setCurrentIndex(5);
        emit list->activated(5);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).title, QStringLiteral("Safeguard Not Being Implemented"));
        QCOMPARE(shown.at(0).icon, Messages::Icon::Stop);
    }
    QCOMPARE(m_folder->read(QStringLiteral("Stat1.Fil")).mid(29 * 20, 17), QByteArray("\x0F\x00Not Implemented", 17));
}

void TestWorkArea::failedSaveKeepsEverything_data()
{
    QTest::addColumn<QString>("leaving");
    for (const char* way : {"save button", "pane", "entry", "view", "tab", "close"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void TestWorkArea::failedSaveKeepsEverything()
{
    QFETCH(QString, leaving);
    pressLeft(2);
    click(WorksheetPane::ActionTaken);
    typeInto(editor(), QStringLiteral("precious words"));
    // A folder takes the document's place while it is open: nothing can be written there.
    QDir(m_folder->path()).mkdir(QStringLiteral("Action0.Fil"));
    Messages::queueAnswer(Messages::Answer::Yes);
    leave(leaving);

    const QList<Messages::Shown> shown = Messages::takeShown();
    QVERIFY(!shown.isEmpty());
    QVERIFY(shown.last().text.contains(QStringLiteral("Action0.Fil")));
    QCOMPARE(shown.last().owner->window(), m_area.get());
    QCOMPARE(m_ended, 0);
    QVERIFY(m_area->isVisible());
    QCOMPARE(m_area->state().viewCode, 2);
    QCOMPARE(m_area->state().entryIndex, 0);
    QCOMPARE(sheet()->currentPane(), WorksheetPane::ActionTaken);
    QVERIFY(sheet()->paneButton(WorksheetPane::ActionTaken)->isChecked());
    QVERIFY(ButtonLook::isChosen(m_area->tabs()->tab(0)));
    QVERIFY(changed());
    QCOMPARE(editor()->text(), QStringLiteral("precious words"));

    // Once the way is clear, Save (here its key, Ctrl+S) writes the words.
    QVERIFY(QDir(m_folder->path()).rmdir(QStringLiteral("Action0.Fil")));
    QTest::keyClick(editor(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(m_folder->read(QStringLiteral("Action0.Fil")).contains("precious words"));
    QVERIFY(!changed());
}

void TestWorkArea::foreignDocumentIsShownAndKept()
{
    const QByteArray notes("Pasted notes from another editor\r\nCaf\xe9 meeting");
    m_folder->write(QStringLiteral("Action0.Fil"), notes);
    pressLeft(2);
    click(WorksheetPane::ActionTaken);
    QCOMPARE(editor()->text(), QString::fromUtf8("Pasted notes from another editor\nCaf\u00e9 meeting"));
    QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.at(0).text.contains(QStringLiteral("Action0.Fil.orig")));
    click(WorksheetPane::CommentsNotes);
    click(WorksheetPane::ActionTaken);
    QVERIFY(Messages::takeShown().isEmpty()); // the note comes once

    typeInto(editor(), QStringLiteral(" and more"));
    QTest::mouseClick(sheet()->saveButton(), Qt::LeftButton);
    QCOMPARE(m_folder->read(QStringLiteral("Action0.Fil.orig")), notes);
    QVERIFY(m_folder->read(QStringLiteral("Action0.Fil")).startsWith("{\\rtf1"));
}

void TestWorkArea::refusedDocumentIsNeverSavedOver()
{
    const qint64 size = qint64(51) * 1024 * 1024;
    QFile huge(m_folder->filePath(QStringLiteral("Action0.Fil")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(size)); // sparse: no disk space used
    huge.close();
    pressLeft(2);
    click(WorksheetPane::ActionTaken);
    QVERIFY(editor()->isReadOnly());
    QVERIFY(editor()->text().contains(QStringLiteral("Action0.Fil")));
    QTest::mouseClick(sheet()->saveButton(), Qt::LeftButton);
    QVERIFY(Messages::takeShown().last().text.contains(QStringLiteral("does not save over it")));
    QCOMPARE(QFileInfo(huge.fileName()).size(), size);
    QVERIFY(!QFileInfo::exists(huge.fileName() + QStringLiteral(".orig")));
}

void TestWorkArea::statusChangesOnlyByPicking()
{
    pressLeft(2);
    QComboBox* list = sheet()->statusList();
    list->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_PageDown, Qt::Key_N})
        QTest::keyClick(list, key);
    QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("Stat1.Fil"))) ||
            m_folder->read(QStringLiteral("Stat1.Fil")).count('\0') ==
                m_folder->read(QStringLiteral("Stat1.Fil")).size());
    QVERIFY(Messages::takeShown().isEmpty());

    // A pick is stored at once, and a fresh Action Area reads it back.
    list->setCurrentIndex(3);
    emit list->activated(3);
    QCOMPARE(m_folder->read(QStringLiteral("Stat1.Fil")).left(11), QByteArray("\x09\x00"
                                                                              "Completed",
                                                                              11));
    QVERIFY(Messages::takeShown().isEmpty());
    m_area.reset();
    reopen();
    pressLeft(2);
    QCOMPARE(sheet()->statusText(), QStringLiteral("Completed"));
    pressSafeguard(2, 1);
    QCOMPARE(sheet()->statusText(), QString());

    // A pick that cannot be stored is undone on screen and reported.
    QFile::remove(m_folder->filePath(QStringLiteral("Stat1.Fil")));
    QDir(m_folder->path()).mkdir(QStringLiteral("Stat1.Fil"));
    list = sheet()->statusList();
    list->setCurrentIndex(3);
    emit list->activated(3);
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(Messages::takeShown().size(), 1);
}

void TestWorkArea::escapeAsksToExit()
{
    Messages::queueAnswer(Messages::Answer::Cancel);
    QTest::keyClick(m_area.get(), Qt::Key_Escape);
    QCOMPARE(texts(Messages::takeShown()), QStringList{QStringLiteral("Exit Tessaly?")});
    QCOMPARE(m_ended, 0);
    QVERIFY(m_area->isVisible());
    QVERIFY(ButtonLook::isChosen(m_area->tabs()->tab(0)));

    // Esc in the open Current Status list closes the list only.
    pressLeft(2);
    sheet()->statusList()->showPopup();
    QVERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(Messages::takeShown().isEmpty());
}

void TestWorkArea::escapeAtTheSavePromptKeepsTheText()
{
    pressLeft(2);
    click(WorksheetPane::ActionTaken);
    typeInto(editor(), QStringLiteral("kept words"));
    // A real box this time: Esc and its close button must leave it open.
    Messages::setScripted(false);
    bool stayed = false;
    QTimer::singleShot(0, this, [&stayed] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stayed = box->isVisible();
        box->button(QMessageBox::Yes)->click();
    });
    pressSafeguard(2, 1);
    Messages::setScripted(true);
    QVERIFY(stayed);
    QVERIFY(m_folder->read(QStringLiteral("Action0.Fil")).contains("kept words"));
}

void TestWorkArea::timelineChangesUseTheSavePrompt()
{
    const QByteArray original = QByteArray("\"Item\"\r\n").repeated(2500);
    m_folder->write(QStringLiteral("TODOActv.FIL"), original);
    pressLeft(1);
    QVERIFY(m_area->timeline()->isVisible());
    QVERIFY(!m_area->actions().save->isVisible());
    QVERIFY(m_area->actions().clearGrid->isVisible());
    const auto clearGrid = [this] {
        Messages::queueAnswer(Messages::Answer::Yes); // to the question whether to clear it
        m_area->actions().clearGrid->trigger();
    };

    // Clearing the grid and leaving the view asks; No keeps the file as it was.
    clearGrid();
    QVERIFY(changed());
    Messages::takeShown();
    Messages::queueAnswer(Messages::Answer::No);
    pressLeft(2);
    QCOMPARE(texts(Messages::takeShown()), QStringList{kSavePrompt});
    QCOMPARE(m_folder->read(QStringLiteral("TODOActv.FIL")), original);

    // Yes writes the cleared grid: still 2500 fields.
    pressLeft(1);
    QCOMPARE(m_area->timeline()->grid()->index(1, 1).data().toString(), QStringLiteral("Item"));
    clearGrid();
    Messages::queueAnswer(Messages::Answer::Yes);
    pressLeft(0);
    QCOMPARE(m_folder->read(QStringLiteral("TODOActv.FIL")), QByteArray("\"\"\r\n").repeated(2500));
    QVERIFY(!changed());

    // The timeline's own Save clears the one changed mark: leaving then asks nothing.
    pressLeft(1);
    m_folder->write(QStringLiteral("TODOActv.FIL"), original);
    clearGrid();
    QVERIFY(changed());
    QTest::mouseClick(m_area->timeline()->button(TimelinePanel::SaveButton), Qt::LeftButton);
    QVERIFY(!changed());
    Messages::takeShown();
    pressLeft(0);
    QVERIFY(Messages::takeShown().isEmpty());

    // A grid that cannot be saved keeps the view, and the entries in it.
    pressLeft(1);
    m_area->timeline()->grid()->setData(m_area->timeline()->grid()->index(1, 1), QStringLiteral("Keep me"));
    QFile::remove(m_folder->filePath(QStringLiteral("TODOActv.FIL")));
    QDir(m_folder->path()).mkdir(QStringLiteral("TODOActv.FIL"));
    Messages::takeShown();
    Messages::queueAnswer(Messages::Answer::Yes);
    pressLeft(2);
    QCOMPARE(Messages::takeShown().size(), 2);
    QCOMPARE(m_area->state().viewCode, 1);
    QVERIFY(changed());
    QCOMPARE(m_area->timeline()->grid()->index(1, 1).data().toString(), QStringLiteral("Keep me"));
}

void TestWorkArea::rightClickPopsUpOptions()
{
    pressLeft(2);
    QTest::mouseClick(sheet()->statusLabel(), Qt::RightButton);
    QTRY_VERIFY(m_area->optionsMenu()->isVisible());
    m_area->optionsMenu()->hide();
    QTest::mouseClick(m_area->leftHandButton(4), Qt::RightButton);
    QTRY_VERIFY(m_area->optionsMenu()->isVisible());
    m_area->optionsMenu()->hide();
    QCOMPARE(m_area->state().viewCode, 2); // a right-click presses nothing
}

void TestWorkArea::f1OpensHelpForTheView()
{
    QList<int> opened;
    Help::setViewer([&opened](int context) { opened << context; });
    for (int view : {0, 1, 2, 7, 8, 9}) {
        m_area->pressLeftHandButton(view);
        QTest::keyClick(m_area.get(), Qt::Key_F1);
    }
    Help::setViewer(nullptr);
    QCOMPARE(opened, (QList<int>{3010, 2009, 3010, 3044, 3048, 3010}));
}

// The Action Area opens at the overview of the first group; it shows the statuses stored.
void TestWorkArea::overviewShowsStoredStatuses()
{
    QCOMPARE(m_area->windowTitle(),
             QStringLiteral("Action Area - HIPAA Security Standards - Administrative Safeguards"));
    QVERIFY(!sheet()->isVisible());
    QVERIFY(ButtonLook::isChosen(m_area->leftHandButton(0)));
    QVERIFY(ButtonLook::isChosen(m_area->tabs()->tab(0)));
    QVERIFY(m_area->actions().gridBackground->isVisible());
    QVERIFY(!m_area->actions().save->isVisible());
    pressLeft(3);
    pressSafeguard(3, 6); // Disposal
    sheet()->statusList()->setCurrentIndex(2);
    emit sheet()->statusList()->activated(2);
    pressLeft(0);
    StandardsOverviewPanel* overview = m_area->overview();
    QCOMPARE(overview->groupLabel()->text(), QString::fromUtf8("Administrative Safeguards\u00A7"
                                                               "164.308"));
    QCOMPARE(overview->grid()->rowCount(), 9);
    QTest::mouseClick(overview->button(1), Qt::LeftButton);
    QCOMPARE(m_area->windowTitle(), QStringLiteral("Action Area - HIPAA Security Standards - Physical Safeguards"));
    QTableWidget* grid = overview->grid();
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->item(3, 0)->text(), QStringLiteral("Device and Media Controls"));
    // Statuses never set keep their (empty) lines, so the lines stay aligned with the names.
    QCOMPARE(grid->item(3, 4)->data(Qt::UserRole).toString(), QStringLiteral("Working\r\n\r\n\r\n"));
    QCOMPARE(grid->item(3, 3)->data(Qt::UserRole).toString(), QStringLiteral("R\r\nR\r\nA\r\nA"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral(" "));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Implementation Specifications"));
}

void TestWorkArea::noPaneMeansNoTyping()
{
    pressLeft(2);
    QVERIFY(!sheet()->currentPane());
    typeInto(editor(), QStringLiteral("lost words"));
    QVERIFY(editor()->text().isEmpty());
    QVERIFY(!editor()->placeholderText().isEmpty());
    click(WorksheetPane::ActionTaken);
    QVERIFY(editor()->placeholderText().isEmpty());
    typeInto(editor(), QStringLiteral("kept words"));
    QCOMPARE(editor()->text(), QStringLiteral("kept words"));
}

void TestWorkArea::theRunEndsOnlyWhenAsked()
{
    ProgramSetup::configure();
    Messages::setScripted(false);
    // With every screen hidden, closing the help window or a message box is closing the last
    // window; the run goes on all the same.
    m_area->hide();
    HelpWindow::open(1000);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                w->close();
        }
    });
    QTimer::singleShot(50, [this] {
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        Messages::show(m_area.get(), QStringLiteral("A note"), QStringLiteral("Note"), Messages::Buttons::Ok,
                       Messages::Icon::Information);
    });
    QTimer::singleShot(300, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 7);
    QCOMPARE(m_ended, 0);
    Help::setViewer(nullptr);
    setFileRefusalReporter(nullptr);
}

// Two saves leave one earlier version; bringing it back saves it through the owner, and the
// text it replaces joins the history.
void TestWorkArea::anEarlierVersionComesBack()
{
    DocumentHistory::setTracked([](const QString&) { return true; });
    pressLeft(2);
    click(WorksheetPane::ActionTaken);
    for (const QString& words : {QStringLiteral("first"), QStringLiteral(" and second")}) {
        editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor(), words);
        QTest::mouseClick(sheet()->saveButton(), Qt::LeftButton);
    }
    QStringList listed;
    HistoryDialog::chooser() = [&listed](const QString& file, const QString& name, QWidget* parent) {
        HistoryDialog dialog(file, name, parent);
        for (int row = dialog.list()->count() - 1; row >= 0; --row) {
            dialog.list()->setCurrentRow(row);
            listed << dialog.preview()->document()->toPlainText();
        }
        // Against the current text, the words it added show, underlined.
        dialog.compareBox()->setChecked(true);
        QTextCursor added = dialog.preview()->document()->find(QStringLiteral("and second"));
        listed << dialog.preview()->document()->toPlainText() + (added.charFormat().fontUnderline() ? "+" : "");
        dialog.compareBox()->setChecked(false);
        QTest::mouseClick(dialog.bringBackButton(), Qt::LeftButton);
        return dialog.chosen();
    };
    QVERIFY(sheet()->historyButton()->isEnabled());
    QTest::mouseClick(sheet()->historyButton(), Qt::LeftButton);
    HistoryDialog::chooser() = nullptr;
    DocumentHistory::setTracked(nullptr);
    QCOMPARE(listed, (QStringList{QStringLiteral("first"), QStringLiteral("first and second+")}));
    QCOMPARE(editor()->text(), QStringLiteral("first"));
    QVERIFY(!changed());
    QTextDocument onDisk;
    QCOMPARE(DocumentFile::read(QStringLiteral("Action0.Fil"), &onDisk), DocumentFile::Source::Rtf);
    QCOMPARE(onDisk.toPlainText(), QStringLiteral("first"));
    QCOMPARE(DocumentHistory::versions(QStringLiteral("Action0.Fil")).size(), 2);
    // A reference pane has no history.
    click(WorksheetPane::ReferencesInRule);
    QVERIFY(!sheet()->historyButton()->isEnabled());
}

// A timeline activity past its review date shows in the status bar, and the list leads to it.
void TestWorkArea::dueReviewsLeadToTheirActivity()
{
    QSettings().remove(QStringLiteral("Reminders/dismissedOn"));
    TimelineModel grid;
    grid.setText(3, TimelineModel::kItemColumn, QStringLiteral("Test the backup"));
    grid.setText(3, TimelineModel::kReviewDateColumn, QStringLiteral("Mon - Jan 5, 04"));
    QVERIFY(TimelineFiles::saveGridRows(grid));
    m_area.reset();
    openActionArea();
    RemindersButton* reminders = m_area->remindersButton();
    QVERIFY(reminders->isVisible());
    QVERIFY2(reminders->text().startsWith(QStringLiteral("1 review due (1 overdue)")), qPrintable(reminders->text()));
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&Go To"))
                b->click();
    });
    QTest::mouseClick(reminders, Qt::LeftButton);
    QCOMPARE(m_area->state().viewCode, int(TimelineView));
    QCOMPARE(m_area->timeline()->gridView()->currentIndex().row(), 3);
}

QTEST_MAIN(TestWorkArea)
#include "tst_workarea.moc"
