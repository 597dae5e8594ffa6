// The Action Area in the 800 x 600 window of Smaller Screen Display, offscreen: every caption
// shows whole, the panes' frames keep their places and the calendar stays over the grid.
#include "ActionAreaFixture.h"
#include "actionarea/SafeguardButtonPanel.h"
#include "actionarea/StandardsOverviewPanel.h"

#include "base/HINFO1.h"
#include "base/WrappingButton.h"
#include "catalog/SafeguardCatalog.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"
#include "worksheets/WorksheetPanel.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width a push button needs to show its caption on one line.
int captionWidth(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize chrome = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), button);
    return chrome.width() + button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text()));
}

// Whether a label or button shows its whole caption at its present size.
bool showsWholeCaption(const QWidget* w)
{
    if (const auto* wrapping = qobject_cast<const WrappingButton*>(w))
        return wrapping->minimumSizeHint().width() <= w->width() && wrapping->heightForWidth(w->width()) <= w->height();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty())
            return true;
        if (label->wordWrap())
            return label->minimumSizeHint().width() <= w->width() && label->heightForWidth(w->width()) <= w->height();
        return label->sizeHint().width() <= w->width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w))
        return captionWidth(button) <= w->width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->sizeHint().width() <= w->width();
    return true;
}

// The layouts settle, level by level, as they do before the user looks.
void settle()
{
    for (int pass = 0; pass < 4; ++pass)
        QCoreApplication::processEvents();
}

QRect inWindow(const QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

} // namespace

class TestSmallerScreen : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyCaptionShowsWhole();
    void panesStayPutFromEntryToEntry();
    void calendarStaysOverTheGridsCells();

private:
    // The captions of the labels and buttons shown now that are cut, named with their view.
    QStringList cutCaptions(const QString& where) const;
};

void TestSmallerScreen::init()
{
    prepareWorkbook();
    m_folder->write(QStringLiteral("TODOActv.FIL"), "\"Risk analysis\"\r\n");
    HINFO1::state().displayMode = HINFO1::SmallerScreenDisplay;
    openActionArea();
}

void TestSmallerScreen::cleanup()
{
    closeWorkbook();
}

QStringList TestSmallerScreen::cutCaptions(const QString& where) const
{
    settle();
    QStringList cut;
    if (m_area->size() != QSize(800, 600))
        cut << QStringLiteral("%1: the window grew to %2 x %3").arg(where).arg(m_area->width()).arg(m_area->height());
    const QList<QWidget*> widgets = m_area->findChildren<QWidget*>();
    for (const QWidget* w : widgets) {
        if (!w->isVisible() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)))
            continue;
        const QString text = qobject_cast<const QLabel*>(w) ? qobject_cast<const QLabel*>(w)->text()
                                                            : qobject_cast<const QAbstractButton*>(w)->text();
        if (!showsWholeCaption(w) && !w->toolTip().contains(withoutMnemonic(text)))
            cut << QStringLiteral("%1: \"%2\" (%3) in %4 x %5")
                       .arg(where, text, w->objectName())
                       .arg(w->width())
                       .arg(w->height());
    }
    return cut;
}

void TestSmallerScreen::everyCaptionShowsWhole()
{
    QStringList cut;
    auto* grid = m_area->overview()->findChild<QTableWidget*>(QStringLiteral("VSGd2"));
    for (int g = 0; g < 3; ++g) {
        m_area->pressLeftHandButton(StandardsOverviewView);
        QTest::mouseClick(m_area->overview()->findChild<QPushButton*>(QStringLiteral("overviewButton%1").arg(g)),
                          Qt::LeftButton);
        cut << cutCaptions(QStringLiteral("overview %1").arg(g));
        // Each column of the overview's grid holds its longest line.
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 1; c < grid->columnCount(); ++c) {
                for (const QString& line : grid->item(r, c)->text().split(QLatin1Char('\n')))
                    QVERIFY2(grid->fontMetrics().horizontalAdvance(line) < grid->columnWidth(c), qPrintable(line));
            }
        }
    }
    m_area->pressLeftHandButton(TimelineView);
    cut << cutCaptions(QStringLiteral("timeline"));
    for (int code = SafeguardCatalog::kFirstGroupCode; code <= SafeguardCatalog::kLastGroupCode; ++code) {
        m_area->pressLeftHandButton(code);
        for (int i = 0; i < SafeguardCatalog::group(code)->entryCount; ++i) {
            m_area->pressSafeguardButton(code, i);
            cut << cutCaptions(QStringLiteral("group %1 entry %2").arg(code).arg(i));
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

// The frames of the panes sit in the same places for every entry of a group, however long
// its headings.
void TestSmallerScreen::panesStayPutFromEntryToEntry()
{
    WorksheetPanel* sheet = m_area->worksheet();
    const auto* actions = sheet->findChild<QGroupBox*>(QStringLiteral("actionsFrame"));
    const auto* references = sheet->findChild<QGroupBox*>(QStringLiteral("referencesFrame"));
    for (int code = SafeguardCatalog::kFirstGroupCode; code <= SafeguardCatalog::kLastGroupCode; ++code) {
        m_area->pressLeftHandButton(code);
        settle();
        const QList<QRect> first{inWindow(actions), inWindow(references)};
        for (int i = 1; i < SafeguardCatalog::group(code)->entryCount; ++i) {
            m_area->pressSafeguardButton(code, i);
            settle();
            const QList<QRect> now{inWindow(actions), inWindow(references)};
            QVERIFY2(now == first, qPrintable(QStringLiteral("group %1 entry %2").arg(code).arg(i)));
        }
    }
}

void TestSmallerScreen::calendarStaysOverTheGridsCells()
{
    m_area->pressLeftHandButton(TimelineView);
    TimelinePanel* timeline = m_area->timeline();
    QTableView* view = timeline->gridView();
    const QRect cells = inWindow(view->viewport());
    for (int column :
         {TimelineModel::kToDoDateColumn, TimelineModel::kActualDateColumn, TimelineModel::kReviewDateColumn}) {
        const QModelIndex index = view->model()->index(1, column);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        const auto* calendar = timeline->findChild<QCalendarWidget*>(QStringLiteral("timelineCalendar"));
        QVERIFY(calendar->isVisible());
        QVERIFY2(cells.contains(inWindow(calendar)), qPrintable(QString::number(column)));
    }
}

QTEST_MAIN(TestSmallerScreen)
#include "tst_smallerscreen.moc"
