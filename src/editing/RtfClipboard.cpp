#include "editing/RtfClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace RtfClipboard {

void copy(const QByteArray& rtf)
{
    auto* data = new QMimeData();
    data->setData(QString::fromLatin1(kMimeType), rtf);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace RtfClipboard
