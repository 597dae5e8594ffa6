// Bookmarks for a PDF that Qt wrote: QPdfWriter makes pages but no outline, so the finished
// file is read and written again through qpdf with an outline tree of titled page links.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

namespace PdfOutline {

struct Entry
{
    QString title;
    int level = 0; // 0 at the top; an entry of level 1 belongs to the level-0 entry before it
    int page = 0;  // from 0
};

// The PDF with the entries as its outline, shown when the file opens, and with title as its
// document title; nothing, with *error saying why, when the PDF cannot be read or an entry's
// page is not in it.
std::optional<QByteArray> withOutline(const QByteArray& pdf, const QVector<Entry>& entries, const QString& title,
                                      QString* error);

} // namespace PdfOutline
