// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/report_view.h"

#include "display/accessibility.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "display/platform.h"
#include "engine/small_faces.h"
#include "richtext/document.h"
#include "richtext/web_addresses.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <variant>

namespace display {
namespace {

// What a picture stands as when the paragraph's text is searched for web addresses.
constexpr std::string_view kObjectReplacement = "\xEF\xBF\xBC";

QTextCharFormat charFormat(const richtext::CharFormat& format)
{
    QTextCharFormat result;
    result.setForeground(QColor(format.colour.red, format.colour.green, format.colour.blue));
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontUnderline(format.underline);
    return result;
}

QImage toImage(const richtext::Bitmap& bitmap)
{
    const auto rowBytes = static_cast<std::size_t>(bitmap.width) * 3;
    if (bitmap.isEmpty() || bitmap.rgb.size() != rowBytes * static_cast<std::size_t>(bitmap.height))
        return {};
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    // QImage pads its rows to four bytes, the bitmap does not.
    for (int row = 0; row < bitmap.height; ++row)
        std::memcpy(image.scanLine(row), bitmap.rgb.data() + rowBytes * static_cast<std::size_t>(row), rowBytes);
    return image;
}

// The item number of the built-in small face with exactly these pixels; 0 for any other picture.
const QString kFaceNumberKey = QStringLiteral("Zelto small face");

int builtInFaceNumber(const richtext::Bitmap& bitmap)
{
    static const std::map<std::vector<std::uint8_t>, int> faces = [] {
        std::map<std::vector<std::uint8_t>, int> byPixels;
        for (int number = 1; number <= FaceList::kItemCount; ++number) {
            if (const std::optional<richtext::Bitmap> face = engine::builtInSmallFaces().smallFace(number))
                byPixels.emplace(face->rgb, number);
        }
        return byPixels;
    }();
    const auto found = faces.find(bitmap.rgb);
    return found == faces.end() ? 0 : found->second;
}

// A paragraph of underlined spaces and nothing else is a rule across the page: the view draws it as a line,
// since a line of spaces would show nothing.
bool isRuleOfSpaces(const richtext::Paragraph& paragraph)
{
    bool anySpace = false;
    for (const richtext::Run& run : paragraph.runs) {
        const auto* textRun = std::get_if<richtext::TextRun>(&run);
        if (!textRun)
            return false;
        if (textRun->text.empty())
            continue;
        if (!textRun->format.underline || textRun->text.find_first_not_of(' ') != std::string::npos)
            return false;
        anySpace = true;
    }
    return anySpace;
}

std::string searchableText(const richtext::Paragraph& paragraph)
{
    std::string text;
    for (const richtext::Run& run : paragraph.runs) {
        if (const auto* textRun = std::get_if<richtext::TextRun>(&run))
            text += textRun->text;
        else
            text += kObjectReplacement;
    }
    return text;
}

// Writes one paragraph's runs, cutting text runs where a web address begins or ends.
class ParagraphWriter {
public:
    ParagraphWriter(QTextCursor& cursor, QTextDocument& target, int& pictureCount, qreal devicePixelRatio)
        : m_cursor(cursor), m_target(target), m_pictureCount(pictureCount), m_devicePixelRatio(devicePixelRatio)
    {
    }

    void write(const richtext::Paragraph& paragraph)
    {
        m_text = searchableText(paragraph);
        m_links = richtext::findWebAddresses(m_text);
        std::size_t offset = 0;
        for (const richtext::Run& run : paragraph.runs) {
            if (const auto* textRun = std::get_if<richtext::TextRun>(&run)) {
                writeText(offset, textRun->text.size(), textRun->format);
                offset += textRun->text.size();
            } else {
                writePicture(std::get<richtext::PictureRun>(run));
                offset += kObjectReplacement.size();
            }
        }
    }

private:
    void writeText(std::size_t start, std::size_t length, const richtext::CharFormat& format)
    {
        const std::size_t end = start + length;
        std::size_t at = start;
        while (at < end) {
            const richtext::WebAddressRange* link = linkAt(at);
            std::size_t pieceEnd = end;
            QTextCharFormat pieceFormat = charFormat(format);
            if (link) {
                pieceEnd = std::min(end, link->start + link->length);
                pieceFormat.setAnchor(true);
                pieceFormat.setAnchorHref(fromView(std::string_view(m_text).substr(link->start, link->length)));
                pieceFormat.setFontUnderline(true);
            } else if (const richtext::WebAddressRange* next = nextLinkAfter(at)) {
                pieceEnd = std::min(end, next->start);
            }
            const QString piece = fromView(std::string_view(m_text).substr(at, pieceEnd - at));
            m_cursor.insertText(link ? shownAddress(piece) : piece, pieceFormat);
            at = pieceEnd;
        }
    }

    void writePicture(const richtext::PictureRun& run)
    {
        if (!run.picture)
            return;
        const QImage image = reportPicture(run.picture->bitmap, m_devicePixelRatio);
        if (image.isNull())
            return;
        const QUrl name(QStringLiteral("report-picture:%1").arg(++m_pictureCount));
        m_target.addResource(QTextDocument::ImageResource, name, image);
        QTextImageFormat format;
        format.setName(name.toString());
        const QSizeF logical = image.deviceIndependentSize();
        format.setWidth(logical.width());
        format.setHeight(logical.height());
        m_cursor.insertImage(format);
    }

    const richtext::WebAddressRange* linkAt(std::size_t offset) const
    {
        for (const richtext::WebAddressRange& link : m_links) {
            if (offset >= link.start && offset < link.start + link.length)
                return &link;
        }
        return nullptr;
    }

    const richtext::WebAddressRange* nextLinkAfter(std::size_t offset) const
    {
        for (const richtext::WebAddressRange& link : m_links) {
            if (link.start > offset)
                return &link;
        }
        return nullptr;
    }

    QTextCursor& m_cursor;
    QTextDocument& m_target;
    int& m_pictureCount;
    qreal m_devicePixelRatio;
    std::string m_text;
    std::vector<richtext::WebAddressRange> m_links;
};

} // namespace

std::vector<LinkSpan> linkSpans(const QTextDocument& document)
{
    std::vector<LinkSpan> spans;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            const QTextCharFormat format = piece.charFormat();
            if (!piece.isValid() || !format.isAnchor())
                continue;
            const QString href = format.anchorHref();
            // One address written in two formats is still one link.
            if (!spans.empty() && spans.back().end == piece.position() && spans.back().text == href)
                spans.back().end = piece.position() + piece.length();
            else
                spans.push_back({piece.position(), piece.position() + piece.length(), href});
        }
    }
    return spans;
}

QUrl linkAddress(const QString& linkText)
{
    if (linkText.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + linkText);
    const QUrl address(linkText);
    const QString scheme = address.scheme().toLower();
    // Only web pages: a report never sends the desktop to local files or programs.
    if (!address.isValid() ||
        (scheme != QStringLiteral("http") && scheme != QStringLiteral("https") && scheme != QStringLiteral("ftp")))
        return {};
    return address;
}

QString shownAddress(const QString& address)
{
    constexpr QChar kWordJoiner(0x2060);
    QString shown;
    shown.reserve(address.size() * 2);
    for (qsizetype i = 0; i < address.size(); ++i) {
        const bool plain = address.at(i).isLetterOrNumber();
        if (i > 0 && (!plain || !address.at(i - 1).isLetterOrNumber()))
            shown += kWordJoiner;
        shown += address.at(i);
    }
    return shown;
}

QImage reportPicture(const richtext::Bitmap& bitmap, qreal devicePixelRatio)
{
    const int face = builtInFaceNumber(bitmap);
    QImage shown;
    if (face != 0 && devicePixelRatio > 1.0)
        shown = crispImage(SmallFaces.path(face), SmallFaces.twicePath(face), devicePixelRatio);
    if (shown.isNull())
        shown = toImage(bitmap);
    // Paper takes the face at its best, whatever screen the view was on; the scaled pixels cannot say which it was.
    if (face != 0)
        shown.setText(kFaceNumberKey, QString::number(face));
    return shown;
}

int shownFaceNumber(const QImage& picture)
{
    return picture.text(kFaceNumberKey).toInt();
}

ReportView::ReportView(UrlOpener& opener, QWidget* parent) : QTextEdit(parent), m_opener(opener)
{
    // Before anything that a screen reader might ask about, which would make Qt settle on its own interface.
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("RTB"));
    setFont(verdanaFont(8.25));
    document()->setDefaultFont(font());
    setReadOnly(true);
    // A caret the keyboard moves, for reading line by line and word by word, but no selection, so nothing of the
    // report can be copied or dragged out (Shift is dropped from the caret keys below); links are handled below.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    // The document's rules are drawn in the palette's dark colour; make it the text's, as an underline would be.
    QPalette colours = palette();
    colours.setColor(QPalette::Dark, colours.color(QPalette::Text));
    setPalette(colours);
    // The style's own frame looks the same with and without the focus; this one shows it.
    setStyleSheet(QStringLiteral("QTextEdit#RTB { border: 1px solid palette(mid); }"
                                 "QTextEdit#RTB:focus { border: 1px solid palette(highlight); }"));
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Report"));
}

ReportView::~ReportView()
{
    forgetLinkInterfaces();
}

void ReportView::showDocument(const richtext::Document& source)
{
    markLink(-1);
    // Composed apart and handed over whole: written into the shown document, every insertion and caret step would
    // reach a screen reader as an event of its own, hundreds for a long reading.
    auto* target = new QTextDocument(this);
    target->setDefaultFont(font());
    QTextCursor cursor(target);
    int pictureCount = 0;
    ParagraphWriter writer(cursor, *target, pictureCount, devicePixelRatioF());
    bool first = true;
    for (const richtext::Paragraph& paragraph : source.paragraphs()) {
        QTextBlockFormat block;
        block.setAlignment(paragraph.alignment == richtext::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
        const bool rule = isRuleOfSpaces(paragraph);
        if (rule)
            block.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                              QTextLength(QTextLength::PercentageLength, 100));
        block.setProperty(kKeepWithNextProperty, richtext::keepsWithNext(paragraph));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        if (!rule)
            writer.write(paragraph);
    }
    const QPointer<QTextDocument> previous = document();
    setDocument(target);
    // The view deletes only the document it made itself, not one given to it.
    if (previous && previous->parent() == this)
        delete previous.data();
    forgetLinkInterfaces();
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

void ReportView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QString link = anchorAt(event->position().toPoint());
        if (!link.isEmpty()) {
            openLink(link);
            event->accept();
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void ReportView::mouseMoveEvent(QMouseEvent* event)
{
    const bool overLink = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QTextEdit::mouseMoveEvent(event);
}

void ReportView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::SelectAll)) {
        event->accept();
        return;
    }
    const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (activates && m_markedLink >= 0) {
        activateLink(m_markedLink);
        event->accept();
        return;
    }
    if (isCaretKey(event->key())) {
        markLink(-1);
        // The same move without Shift, so the caret never drags a selection along.
        QKeyEvent move(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QTextEdit::keyPressEvent(&move);
        event->setAccepted(move.isAccepted());
        // At the start or end of the report, the view goes all the way, past the document's margin.
        const bool wholeDocument =
            (move.modifiers() & Qt::ControlModifier) && (move.key() == Qt::Key_Home || move.key() == Qt::Key_End);
        if (wholeDocument) {
            QScrollBar* bar = verticalScrollBar();
            bar->setValue(move.key() == Qt::Key_Home ? bar->minimum() : bar->maximum());
        }
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool ReportView::isCaretKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

bool ReportView::focusNextPrevChild(bool next)
{
    const std::vector<LinkSpan> links = linkSpans(*document());
    const auto count = static_cast<int>(links.size());
    if (next) {
        // On from the marked link, or from the caret to the first link at or after it.
        int target = m_markedLink + 1;
        if (m_markedLink < 0) {
            const int caret = textCursor().position();
            target = static_cast<int>(
                std::ranges::find_if(links, [caret](const LinkSpan& link) { return link.end > caret; }) -
                links.begin());
        }
        if (target < count) {
            markLink(target);
            return true;
        }
    }
    if (!next && m_markedLink >= 0) {
        // Back from the first link to the view itself, then out of it.
        markLink(m_markedLink - 1);
        if (m_markedLink < 0)
            announceFocus(nullptr);
        return true;
    }
    markLink(-1);
    return QTextEdit::focusNextPrevChild(next);
}

void ReportView::focusOutEvent(QFocusEvent* event)
{
    // A message box or another program taking the keyboard for a moment is not the person leaving.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        markLink(-1);
    QTextEdit::focusOutEvent(event);
}

void ReportView::openLink(const QString& linkText)
{
    const QUrl address = linkAddress(linkText);
    if (!address.isEmpty())
        m_opener.openUrl(address);
}

void ReportView::activateLink(int index)
{
    const std::vector<LinkSpan> links = linkSpans(*document());
    if (index >= 0 && static_cast<std::size_t>(index) < links.size())
        openLink(links[static_cast<std::size_t>(index)].text);
}

QRect ReportView::linkRect(int index) const
{
    const std::vector<LinkSpan> links = linkSpans(*document());
    if (index < 0 || static_cast<std::size_t>(index) >= links.size())
        return {};
    const LinkSpan& link = links[static_cast<std::size_t>(index)];
    QTextCursor cursor(document());
    QRect area;
    for (int position = link.start; position <= link.end; ++position) {
        cursor.setPosition(position);
        area |= cursorRect(cursor);
    }
    return area;
}

QAccessibleInterface* ReportView::linkInterface(int index)
{
    const auto count = static_cast<int>(linkSpans(*document()).size());
    if (index < 0 || index >= count)
        return nullptr;
    if (m_linkInterfaces.size() != static_cast<std::size_t>(count))
        m_linkInterfaces.resize(static_cast<std::size_t>(count), 0);
    QAccessible::Id& id = m_linkInterfaces[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(makeReportLinkInterface(*this, index));
    return QAccessible::accessibleInterface(id);
}

void ReportView::forgetLinkInterfaces()
{
    for (const QAccessible::Id id : m_linkInterfaces) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
    m_linkInterfaces.clear();
}

void ReportView::announceFocus(QAccessibleInterface* link)
{
    if (!QAccessible::isActive() || !hasFocus())
        return;
    if (link) {
        QAccessibleEvent focus(link, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    } else {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void ReportView::markLink(int index)
{
    const std::vector<LinkSpan> links = linkSpans(*document());
    if (index < 0 || static_cast<std::size_t>(index) >= links.size()) {
        m_markedLink = -1;
        setExtraSelections({});
        return;
    }
    m_markedLink = index;
    const LinkSpan& link = links[static_cast<std::size_t>(index)];
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(document());
    mark.cursor.setPosition(link.start);
    mark.cursor.setPosition(link.end, QTextCursor::KeepAnchor);
    mark.format.setBackground(palette().brush(QPalette::Highlight));
    mark.format.setForeground(palette().brush(QPalette::HighlightedText));
    setExtraSelections({mark});
    // The caret follows so that the link is scrolled into view and reading goes on from there; a screen reader
    // hears the link itself, as a link of its own taking the focus.
    QTextCursor caret(document());
    caret.setPosition(link.start);
    setTextCursor(caret);
    ensureCursorVisible();
    announceFocus(linkInterface(index));
}

QMimeData* ReportView::createMimeDataFromSelection() const
{
    // An empty package rather than none: handing on nothing would make Qt clear the clipboard.
    return new QMimeData;
}

bool ReportView::canInsertFromMimeData(const QMimeData*) const
{
    return false;
}

} // namespace display
