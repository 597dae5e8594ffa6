#include "readers/ReaderPrinting.h"

#include "printing/PrintPanel.h"
#include "richtext/RichTextBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

ReaderPrinting::ReaderPrinting(QWidget* host, RichTextBox* document)
    : QObject(host), m_host(host), m_document(document), m_panel(new PrintPanel(false, host))
{
    m_panel->hide();
    m_panel->setSettings(&m_settings);
    m_settings = PrintSettings::fromEditor(document->defaultFont(), Qt::black);
    m_panel->printer().setOrientation(ReportPrinter::Portrait);
    m_panel->showOrientation(QStringLiteral(" Portrait"));
    m_panel->setTimelineFramesVisible(false);
    for (int i = 1; i < PrintPanel::kOptionCount; ++i)
        m_panel->optionBox(i)->hide();
    m_panel->showFontValues(m_settings.fontName, m_settings.fontSize);
    host->installEventFilter(this);
    connect(m_panel, &PrintPanel::pageSetupChanged, this, &ReaderPrinting::build);
    connect(m_panel, &PrintPanel::optionToggled, this, [this] {
        if (m_panel->isVisible())
            build();
    });
}

void ReaderPrinting::open(double left, double right, double top, double bottom, bool selectionOnly,
                          const QString& optionCaption)
{
    m_settings.setMargins(left, right, top, bottom);
    m_selectionOnly = selectionOnly;
    m_withOption = !optionCaption.isEmpty();
    // Without an option of its own the reader prints its one document: no frame to show.
    m_panel->optionBox(0)->parentWidget()->setVisible(m_withOption);
    m_panel->setOptionCaptions({optionCaption});
    m_panel->optionBox(0)->setChecked(true);
    m_panel->setGeometry(m_host->rect());
    m_panel->show();
    m_panel->raise();
    m_panel->enlargeButton()->raise();
    build();
    m_panel->setFocus();
}

bool ReaderPrinting::isOpen() const
{
    return m_panel->isVisible();
}

bool ReaderPrinting::closeStep()
{
    if (!isOpen())
        return false;
    if (m_panel->isEnlarged())
        m_panel->toggleEnlarge();
    else
        m_panel->hide();
    return true;
}

void ReaderPrinting::build()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ReportPrinter& printer = m_panel->printer();
    printer.clear();
    m_settings.applyMargins(printer);
    printer.startDoc();
    const bool selection = m_selectionOnly && m_document->selLength() > 0;
    if (!m_withOption || m_panel->optionBox(0)->isChecked())
        printer.paragraphRtf(selection ? m_document->selectionRtf() : m_document->documentRtf());
    printer.endDoc();
    m_panel->refreshPreview();
    QApplication::restoreOverrideCursor();
}

bool ReaderPrinting::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && event->type() == QEvent::Resize)
        m_panel->setGeometry(m_host->rect());
    return QObject::eventFilter(watched, event);
}
