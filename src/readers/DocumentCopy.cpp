#include "readers/DocumentCopy.h"

#include "base/Messages.h"
#include "richtext/RichTextBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace DocumentCopy {

void copyWholeDocument(const RichTextBox* box, QWidget* owner)
{
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"), box->documentRtf());
    data->setText(box->text());
    QGuiApplication::clipboard()->setMimeData(data);
    Messages::show(owner, QStringLiteral("A copy has been copied to the Windows Clipboard."),
                   QStringLiteral("Copy Option"), Messages::Buttons::Ok, Messages::Icon::Information);
}

} // namespace DocumentCopy
