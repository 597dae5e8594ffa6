// A reader's print panel over the whole screen: the document, or its selection, in the preview.
#pragma once

#include "printing/PrintSettings.h"

#include <QObject>
#include <QString>

class PrintPanel;
class QWidget;
class RichTextBox;

class ReaderPrinting : public QObject
{
    Q_OBJECT
public:
    ReaderPrinting(QWidget* host, RichTextBox* document);

    // Opens the panel with these margins (twips) and previews the document; with
    // selectionOnly, a selection is printed instead of the whole document. A print option
    // caption shows one check box, ticked, that takes the document in or out of the printout.
    void open(double left, double right, double top, double bottom, bool selectionOnly,
              const QString& optionCaption = QString());
    bool isOpen() const;
    // Esc: an enlarged preview returns to normal size first, then the panel closes.
    bool closeStep();
    PrintPanel* panel() const { return m_panel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();

    QWidget* m_host;
    RichTextBox* m_document;
    PrintPanel* m_panel;
    PrintSettings m_settings;
    bool m_selectionOnly = false;
    bool m_withOption = false;
};
