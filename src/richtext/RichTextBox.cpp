// RichTextBox: RTF in and out through our codec, everything else through QTextEdit. The box
// never reads or writes a file: its owner hands it documents and takes them back.
#include "richtext/RichTextBox.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

// Paragraph and line separators read as "\n", as in the document's plain text.
QString withNewlines(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::contentChanged);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::selectionMoved);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::selectionMoved);
}

QString RichTextBox::text() const
{
    return toPlainText();
}

void RichTextBox::setText(const QString& text)
{
    setPlainText(text);
}

QByteArray RichTextBox::documentRtf() const
{
    return RtfWriter::write(*document());
}

QByteArray RichTextBox::selectionRtf() const
{
    // The selection is written against this box's default font, not Qt's.
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor cursor(&selection);
    cursor.insertFragment(textCursor().selection());
    return RtfWriter::write(selection);
}

bool RichTextBox::loadRtf(const QByteArray& rtf, QString* error)
{
    if (!RtfReader::read(rtf, document(), error))
        return false;
    moveCursor(QTextCursor::Start);
    return true;
}

bool RichTextBox::setRtf(const QByteArray& rtf)
{
    return loadRtf(rtf);
}

int RichTextBox::selStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(start, 0, document()->characterCount() - 1));
    setTextCursor(cursor);
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + std::max(0, length), 0, document()->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::selText() const
{
    return withNewlines(textCursor().selectedText());
}

void RichTextBox::setSelText(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

bool RichTextBox::find(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QTextCursor found = document()->find(text, 0);
    if (found.isNull())
        return false;
    setTextCursor(found);
    return true;
}

QTextCharFormat RichTextBox::selectionFormat() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return currentCharFormat();
    QTextCursor first(document());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

QString RichTextBox::selFontName() const
{
    const QString family = selectionFormat().property(QTextFormat::FontFamilies).toStringList().value(0);
    return family.isEmpty() ? document()->defaultFont().family() : family;
}

void RichTextBox::setSelFontName(const QString& family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeCurrentCharFormat(format);
}

double RichTextBox::selFontSize() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::FontPointSize))
        return format.fontPointSize();
    return document()->defaultFont().pointSizeF();
}

void RichTextBox::setSelFontSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selBold() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::FontWeight))
        return format.fontWeight() >= QFont::DemiBold;
    return document()->defaultFont().bold();
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selItalic() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::FontItalic))
        return format.fontItalic();
    return document()->defaultFont().italic();
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selUnderline() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::TextUnderlineStyle))
        return format.fontUnderline();
    return document()->defaultFont().underline();
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selStrikeThru() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::FontStrikeOut))
        return format.fontStrikeOut();
    return document()->defaultFont().strikeOut();
}

void RichTextBox::setSelStrikeThru(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeCurrentCharFormat(format);
}

QColor RichTextBox::selColor() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        return format.foreground().color();
    return palette().color(QPalette::Text);
}

void RichTextBox::setSelColor(const QColor& color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeCurrentCharFormat(format);
}

Qt::Alignment RichTextBox::selAlignment() const
{
    const Qt::Alignment alignment = textCursor().blockFormat().alignment();
    if (alignment & Qt::AlignHCenter)
        return Qt::AlignHCenter;
    if (alignment & Qt::AlignRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

void RichTextBox::setSelAlignment(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment & Qt::AlignHorizontal_Mask);
    QTextCursor cursor = textCursor();
    cursor.mergeBlockFormat(format);
}

QFont RichTextBox::defaultFont() const
{
    return document()->defaultFont();
}

void RichTextBox::setDefaultFont(const QFont& font)
{
    // QTextEdit hands its widget font to the document; keep both the same.
    setFont(font);
    document()->setDefaultFont(font);
}

void RichTextBox::setLocked(bool locked)
{
    m_locked = locked;
    setReadOnly(locked);
    if (locked)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    emit gotFocus();
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    bool cancel = false;
    emit keyDown(event->key(), event->modifiers(), &cancel);
    if (cancel) {
        event->accept();
        return;
    }
    if (!isReadOnly() && toggleStyleShortcut(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty()) {
        QString text = typed;
        emit keyPress(&text);
        if (text.isEmpty()) {
            event->accept();
            return;
        }
        if (text != typed) {
            if (!isReadOnly()) {
                QTextCursor cursor = textCursor();
                cursor.insertText(text);
                setTextCursor(cursor);
            }
            event->accept();
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

bool RichTextBox::toggleStyleShortcut(const QKeyEvent* event)
{
    // Ctrl+B, Ctrl+I and Ctrl+U switch bold, italic and underline, as in word processors.
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_B:
        setSelBold(!selBold());
        return true;
    case Qt::Key_I:
        setSelItalic(!selItalic());
        return true;
    case Qt::Key_U:
        setSelUnderline(!selUnderline());
        return true;
    default:
        return false;
    }
}

void RichTextBox::keyReleaseEvent(QKeyEvent* event)
{
    emit keyUp(event->key(), event->modifiers());
    QTextEdit::keyReleaseEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->globalPosition().toPoint());
    QTextEdit::mousePressEvent(event);
}
