#include "binder/PdfOutline.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <vector>

namespace {

using Handle = QPDFObjectHandle;

// Links the items under parent as its children, in order, and counts them as open.
void linkChildren(Handle parent, const std::vector<Handle>& children)
{
    if (children.empty())
        return;
    for (size_t i = 0; i < children.size(); ++i) {
        Handle item = children[i];
        item.replaceKey("/Parent", parent);
        if (i > 0)
            item.replaceKey("/Prev", children[i - 1]);
        if (i + 1 < children.size())
            item.replaceKey("/Next", children[i + 1]);
    }
    parent.replaceKey("/First", children.front());
    parent.replaceKey("/Last", children.back());
}

} // namespace

namespace PdfOutline {

std::optional<QByteArray> withOutline(const QByteArray& pdf, const QVector<Entry>& entries, const QString& title,
                                      QString* error)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("binder", pdf.constData(), size_t(pdf.size()));
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        Handle outlines = document.makeIndirectObject(Handle::parse("<< /Type /Outlines >>"));
        std::vector<Handle> top;
        std::vector<std::vector<Handle>> below; // the children of each top entry
        for (const Entry& entry : entries) {
            if (entry.page < 0 || size_t(entry.page) >= pages.size()) {
                *error = QStringLiteral("The bookmark \"%1\" points to page %2, which the binder does not have.")
                             .arg(entry.title)
                             .arg(entry.page + 1);
                return std::nullopt;
            }
            Handle item = document.makeIndirectObject(Handle::newDictionary());
            item.replaceKey("/Title", Handle::newUnicodeString(entry.title.toStdString()));
            Handle destination = Handle::newArray();
            destination.appendItem(pages[size_t(entry.page)].getObjectHandle());
            destination.appendItem(Handle::newName("/Fit"));
            item.replaceKey("/Dest", destination);
            if (entry.level == 0 || top.empty()) {
                top.push_back(item);
                below.emplace_back();
            } else {
                below.back().push_back(item);
            }
        }
        int visible = int(top.size());
        for (size_t i = 0; i < top.size(); ++i) {
            linkChildren(top[i], below[i]);
            if (!below[i].empty())
                top[i].replaceKey("/Count", Handle::newInteger(static_cast<long long>(below[i].size())));
            visible += int(below[i].size());
        }
        linkChildren(outlines, top);
        outlines.replaceKey("/Count", Handle::newInteger(visible));
        Handle root = document.getRoot();
        root.replaceKey("/Outlines", outlines);
        root.replaceKey("/PageMode", Handle::newName("/UseOutlines"));
        Handle trailer = document.getTrailer();
        if (!trailer.getKey("/Info").isDictionary())
            trailer.replaceKey("/Info", document.makeIndirectObject(Handle::newDictionary()));
        trailer.getKey("/Info").replaceKey("/Title", Handle::newUnicodeString(title.toStdString()));

        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setStaticID(false);
        writer.write();
        const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), qsizetype(buffer->getSize()));
    } catch (const std::exception& e) {
        *error = QStringLiteral("The binder's PDF could not be given its bookmarks: %1")
                     .arg(QString::fromLocal8Bit(e.what()));
        return std::nullopt;
    }
}

} // namespace PdfOutline
