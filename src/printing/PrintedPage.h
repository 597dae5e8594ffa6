// One recorded page of a printout: the drawing operations in the order they were made, in
// twips (1/1440 inch) from the page's top-left corner.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QVector>
#include <memory>

class QTextDocument;

struct PrintOperation
{
    enum Kind
    {
        Text,    // text on one line whose top-left corner is at
        Line,    // a straight line from at to to
        Box,     // a rectangle from at to to, filled with colour
        Document // the slice [sliceTop, sliceBottom) of a laid-out document, its top-left at at
    };
    Kind kind = Text;
    QPointF at;
    QPointF to;
    QString text;
    QFont font; // pixel size in twips
    QColor colour;
    std::shared_ptr<const QTextDocument> document;
    double sliceTop = 0;
    double sliceBottom = 0;
};

struct PrintedPage
{
    QVector<PrintOperation> operations;
};
