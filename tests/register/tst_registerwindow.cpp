// The risk register's window driven headless: a damaged file opens with what could be read and
// is kept before the first save; a risk entered in the table is saved with the matrix's level
// and exported as CSV; closing with changes asks first.
#include "TestFolder.h"

#include "base/Messages.h"
#include "register/RegisterFile.h"
#include "register/RegisterLinks.h"
#include "register/RiskRegisterDialog.h"

#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using Messages::Answer;

class TestRegisterWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void damagedFileIsKeptBeforeTheFirstSave();
    void enteredRiskIsSavedAndExported();
    void aNewRowIsTheOneEdited();
    void anUnreadableFileIsNeverSavedOver();
};

void TestRegisterWindow::init()
{
    Messages::setScripted(true);
    Messages::takeShown();
}

void TestRegisterWindow::damagedFileIsKeptBeforeTheFirstSave()
{
    TestFolder folder(false);
    const QByteArray damaged = "Tessaly risk register\t1\nrisk\t4\tEHR\t\tPhishing\t\tHigh\tHigh\nrisk\tbroken";
    folder.write(RegisterFile::kFileName, damaged);
    RiskRegisterDialog dialog;
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.at(0).text.startsWith("Not all of the risk register could be read"));
    QCOMPARE(dialog.table(RiskRegisterDialog::RisksTab)->rowCount(), 2);
    QVERIFY(dialog.save());
    const QStringList kept = QDir(folder.path()).entryList({"RiskReg1 damaged *.Fil"});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(folder.read(kept.first()), damaged);
    QVERIFY(RegisterFile::read().problems.isEmpty());
    QVERIFY(dialog.save()); // the copy is kept once
    QCOMPARE(QDir(folder.path()).entryList({"RiskReg1 damaged *.Fil"}).size(), 1);
}

void TestRegisterWindow::enteredRiskIsSavedAndExported()
{
    TestFolder folder(false);
    RiskRegisterDialog dialog;
    dialog.showTab(RiskRegisterDialog::RisksTab);
    QTableWidget* risks = dialog.table(RiskRegisterDialog::RisksTab);
    QPushButton* add = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "A&dd Risk")
            add = b;
    QVERIFY(add);
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(risks->rowCount(), 2);
    // Columns: 3 threat, 6 likelihood, 7 impact, 8 level.
    risks->item(1, 3)->setText("Theft, of a laptop");
    risks->item(1, 4)->setText("Kept in a \"closet\"\nno lock");
    risks->item(1, 6)->setText("Moderate");
    risks->item(1, 7)->setText("High");
    QCOMPARE(risks->item(1, 8)->text(), QString("Moderate"));
    QVERIFY(dialog.isChanged());

    Messages::queueAnswer(Answer::Yes);
    dialog.reject(); // asks, saves, closes
    QCOMPARE(Messages::takeShown().size(), 1);
    const RiskRegister::Register saved = RegisterFile::read().data;
    QCOMPARE(saved.risks.size(), 2);
    QCOMPARE(saved.risks.at(1).label(), QString("R2"));
    QCOMPARE(saved.risks.at(1).level(), RiskRegister::Rating::Moderate);

    RiskRegisterDialog again;
    QVERIFY(again.exportCsv(RiskRegisterDialog::RisksTab, folder.filePath("risks.csv")));
    const QVector<QStringList> rows = RegisterLinks::parseCsv(folder.read("risks.csv"));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(2).at(3), QString("Theft, of a laptop"));
    QCOMPARE(rows.at(2).at(4), QString("Kept in a \"closet\"\nno lock"));
    QCOMPARE(rows.at(2).at(8), QString("Moderate"));
}

// The tables stay sorted: a new row sorts to the top, and typing must go into it, not into
// the row that was last before.
void TestRegisterWindow::aNewRowIsTheOneEdited()
{
    TestFolder folder(false);
    folder.write(RegisterFile::kFileName, "Tessaly risk register\t1\nassociate\tMedCloud\t\t\t\t\t\n"
                                          "associate\tTalkLine\t\t\t\t\t\n");
    RiskRegisterDialog dialog;
    dialog.showTab(RiskRegisterDialog::AssociatesTab);
    QTableWidget* associates = dialog.table(RiskRegisterDialog::AssociatesTab);
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "A&dd Associate")
            QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(associates->rowCount(), 3);
    QVERIFY(associates->currentItem()->text().isEmpty());
    QCOMPARE(associates->currentRow(), 0);

    // A date once set can be emptied again: Delete on the cell, outside its editor.
    const int row = associates->findItems("TalkLine", Qt::MatchExactly).value(0)->row();
    associates->item(row, 4)->setData(Qt::EditRole, QDate(2027, 3, 1));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    associates->setCurrentCell(row, 4);
    associates->setFocus();
    QTest::keyClick(associates, Qt::Key_Delete);
    QVERIFY(associates->item(row, 4)->data(Qt::EditRole).toDate().isNull());
}

// A register that could not be read at all (here a link, which the program never follows) is
// not replaced by the empty one shown.
void TestRegisterWindow::anUnreadableFileIsNeverSavedOver()
{
    TestFolder folder(false);
    folder.write("elsewhere.txt", "kept");
    QVERIFY(QFile::link(folder.filePath("elsewhere.txt"), folder.filePath(RegisterFile::kFileName)));
    RiskRegisterDialog dialog;
    QVERIFY(Messages::takeShown().isEmpty()); // the refusal is reported where files are refused
    QVERIFY(!dialog.findChild<QPushButton*>("saveRegisterButton")->isEnabled());
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        QVERIFY2(!b->text().startsWith("A&dd") || !b->isEnabled(), qPrintable(b->text()));
    QVERIFY(!dialog.save());
    QVERIFY(QFileInfo(folder.filePath(RegisterFile::kFileName)).isSymLink());
    QCOMPARE(folder.read("elsewhere.txt"), QByteArray("kept"));
    QVERIFY(QDir(folder.path()).entryList({"RiskReg1 damaged *.Fil"}).isEmpty());
}

QTEST_MAIN(TestRegisterWindow)
#include "tst_registerwindow.moc"
