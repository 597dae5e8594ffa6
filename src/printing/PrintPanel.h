// The print panel: the preview of the engine's pages, the buttons that print, set up the
// page, copy the current page and save a PDF, the printer font values, the check boxes that
// choose what goes into the document, and the guide-line choice.
#pragma once

#include "printing/ReportPrinter.h"

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
struct PrintSettings;

class PrintPanel : public QWidget
{
    Q_OBJECT
public:
    enum Button
    {
        PrinterFontButton,
        PageSetupButton,
        CancelButton,
        CopyPageButton,
        PrintButton
    };

    // The paper the desktop expects: the default printer's, else the locale's.
    static QPageSize defaultPaper();
    static constexpr int kOptionCount = 4;

    // The readers' panel has no printer-font button.
    explicit PrintPanel(bool withPrinterFont, QWidget* parent = nullptr);
    ~PrintPanel() override;

    ReportPrinter& printer() { return m_printer; }
    // The program-wide settings that the printer font and page setup change.
    void setSettings(PrintSettings* settings) { m_settings = settings; }

    // Shows the engine's pages again, after its document changed.
    void refreshPreview();

    void pressButton(Button which);
    void savePdf();
    void toggleEnlarge();
    bool isEnlarged() const { return m_enlarged; }

    // The value boxes, each with one leading blank.
    void showFontValues(const QString& name, double size);
    void showOrientation(const QString& text);
    void setSample(const QFont& font, const QColor& colour);
    void setOptionCaptions(const QStringList& captions);
    void setTimelineFramesVisible(bool visible);
    void setPrintRangeCaption(const QString& caption);
    // The file name proposed by "Save as PDF", without ".pdf".
    void setDocumentName(const QString& name) { m_documentName = name; }
    void setGuideLines(bool on);
    // The 0-based page the preview shows.
    int currentPage() const;

    QPushButton* button(Button which) const { return m_buttons[which]; }
    QPushButton* pdfButton() const { return m_pdfButton; }
    QPushButton* enlargeButton() const { return m_enlargeButton; }
    QCheckBox* optionBox(int index) const { return m_options[index]; }
    QCheckBox* timelineOption(int index) const { return m_timelineOptions[index]; }
    QRadioButton* guideLineOption(int index) const { return m_guideLineOptions[index]; }
    QGroupBox* printRangeFrame() const { return m_printRangeFrame; }
    QGroupBox* timelineOptionsFrame() const { return m_timelineOptionsFrame; }
    QLineEdit* fontSizeBox() const { return m_fontSizeBox; }
    QLineEdit* orientationBox() const { return m_orientationBox; }
    QLabel* sampleLabel() const { return m_sampleLabel; }
    QPrintPreviewWidget* preview() const { return m_preview; }

signals:
    // The printer font of the settings changed; the host rebuilds its printout.
    void printerFontChanged();
    // Orientation and the settings' margins were read back from page setup.
    void pageSetupChanged();
    void optionToggled(int index);
    // A timeline print option changed: 0 the "As of" date, 1 the grid lines.
    void timelineOptionToggled(int index);
    void guideLinesChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildControls(bool withPrinterFont);
    void paintPreview(QPrinter* target);
    void choosePrinterFont();
    void setUpPage();
    void copyCurrentPage();
    void printDocument();
    void placePreview();
    void showTopOfCurrentPage();

    ReportPrinter m_printer;
    PrintSettings* m_settings = nullptr;
    std::unique_ptr<QPrinter> m_previewPrinter;
    QPrintPreviewWidget* m_preview = nullptr;
    QWidget* m_previewSlot = nullptr;
    QPushButton* m_buttons[5] = {};
    QPushButton* m_pdfButton = nullptr;
    QPushButton* m_enlargeButton = nullptr;
    QCheckBox* m_options[kOptionCount] = {};
    QCheckBox* m_timelineOptions[2] = {};
    QRadioButton* m_guideLineOptions[2] = {};
    QRadioButton* m_printRangeOption = nullptr;
    QGroupBox* m_printRangeFrame = nullptr;
    QGroupBox* m_timelineOptionsFrame = nullptr;
    QLineEdit* m_fontNameBox = nullptr;
    QLineEdit* m_fontSizeBox = nullptr;
    QLineEdit* m_orientationBox = nullptr;
    QLabel* m_sampleLabel = nullptr;
    QString m_documentName;
    QRect m_normalGeometry;
    bool m_enlarged = false;
    bool m_guideLines = false;
};
