// The rich-text control every document view uses: a QTextEdit that takes and gives RTF and
// offers the selection, search, formatting and key events the screens rely on. Files are its
// owner's business (DocumentFile reads and writes them).
#pragma once

#include <QTextEdit>

class RichTextBox : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Plain text of the whole document, paragraphs separated by "\n".
    QString text() const;
    void setText(const QString& text);

    QByteArray documentRtf() const;
    QByteArray selectionRtf() const;
    // Replaces the content with RTF; false (content kept) when the bytes are not RTF.
    bool loadRtf(const QByteArray& rtf, QString* error = nullptr);
    bool setRtf(const QByteArray& rtf);

    // Zero-based character offsets into the document, paragraph ends counting one each.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);

    // Case-insensitive search from the start of the document; selects the first match.
    bool find(const QString& text);

    // Formatting of the selection, read from its first character and applied to all of it
    // (without a selection: to what is typed next).
    QString selFontName() const;
    void setSelFontName(const QString& family);
    double selFontSize() const;
    void setSelFontSize(double points);
    bool selBold() const;
    void setSelBold(bool on);
    bool selItalic() const;
    void setSelItalic(bool on);
    bool selUnderline() const;
    void setSelUnderline(bool on);
    bool selStrikeThru() const;
    void setSelStrikeThru(bool on);
    QColor selColor() const;
    void setSelColor(const QColor& color);
    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight of the selected paragraphs.
    Qt::Alignment selAlignment() const;
    void setSelAlignment(Qt::Alignment alignment);

    QFont defaultFont() const;
    void setDefaultFont(const QFont& font);

    // A locked box keeps the user from changing the content; the program still can.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

signals:
    void contentChanged();
    void gotFocus();
    // Set *cancel to true to swallow the key.
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool* cancel);
    // The typed text; setting it empty cancels the key, changing it types the new text.
    void keyPress(QString* text);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    void mouseDown(Qt::MouseButton button, QPoint globalPos);
    void selectionMoved();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool toggleStyleShortcut(const QKeyEvent* event);
    QTextCharFormat selectionFormat() const;

    bool m_locked = false;
};
