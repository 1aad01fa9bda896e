// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/document.h"

#include "richtext/picture_embedding.h"
#include "richtext/rtf_writer.h"
#include "richtext/utf8.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace richtext {

namespace {

constexpr std::string_view kPictureStandIn = "\xEF\xBF\xBC"; // U+FFFC
constexpr std::size_t kLineBreakLength = 2;

std::size_t runLength(const Run& run)
{
    if (const auto* text = std::get_if<TextRun>(&run))
        return utf8::countCodePoints(text->text);
    return 1;
}

std::size_t paragraphLength(const Paragraph& paragraph)
{
    std::size_t length = 0;
    for (const Run& run : paragraph.runs)
        length += runLength(run);
    return length;
}

// Drops empty text runs and merges neighbours of equal format, so equal content compares equal.
// Works in place: it runs after every insertion.
void normalise(Paragraph& paragraph)
{
    std::vector<Run>& runs = paragraph.runs;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (auto* text = std::get_if<TextRun>(&runs[i])) {
            if (text->text.empty())
                continue;
            if (kept > 0) {
                if (auto* previous = std::get_if<TextRun>(&runs[kept - 1]);
                    previous && previous->format == text->format) {
                    previous->text += text->text;
                    continue;
                }
            }
        } else if (!std::get<PictureRun>(runs[i]).picture) {
            continue;
        }
        if (kept != i)
            runs[kept] = std::move(runs[i]);
        ++kept;
    }
    runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(kept), runs.end());
}

// Splits the run that straddles `offset`; returns the index of the first run at or after it.
// Knowing the paragraph's length spares the walk when writing at its end.
std::size_t splitAt(Paragraph& paragraph, std::size_t paragraphLength, std::size_t offset)
{
    if (offset >= paragraphLength)
        return paragraph.runs.size();
    std::size_t index = 0;
    while (index < paragraph.runs.size() && offset > 0) {
        const std::size_t length = runLength(paragraph.runs[index]);
        if (offset >= length) {
            offset -= length;
            ++index;
            continue;
        }
        auto& text = std::get<TextRun>(paragraph.runs[index]);
        const std::size_t cut = utf8::byteOffsetOf(text.text, offset);
        TextRun tail{text.text.substr(cut), text.format};
        text.text.resize(cut);
        paragraph.runs.insert(paragraph.runs.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(tail));
        return index + 1;
    }
    return index;
}

std::vector<Run> takeTail(Paragraph& paragraph, std::size_t paragraphLength, std::size_t offset)
{
    const std::size_t index = splitAt(paragraph, paragraphLength, offset);
    std::vector<Run> tail(std::make_move_iterator(paragraph.runs.begin() + static_cast<std::ptrdiff_t>(index)),
                          std::make_move_iterator(paragraph.runs.end()));
    paragraph.runs.resize(index);
    return tail;
}

// Calls visit(line) for every line of the text, split at CR LF, lone CR or lone LF.
template <typename Visit> void forEachLine(std::string_view text, const Visit& visit)
{
    std::size_t start = 0;
    // Searching for each kind of break on its own lets find() use memchr.
    std::size_t cr = text.find('\r');
    std::size_t lf = text.find('\n');
    for (std::size_t at = std::min(cr, lf); at != std::string_view::npos; at = std::min(cr, lf)) {
        visit(text.substr(start, at - start));
        start = at + (text.substr(at, 2) == "\r\n" ? 2 : 1);
        if (cr < start)
            cr = text.find('\r', start);
        if (lf < start)
            lf = text.find('\n', start);
    }
    visit(text.substr(start));
}

bool isAscii(std::string_view text)
{
    unsigned char bits = 0;
    for (const char c : text)
        bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

} // namespace

Document::Document() : m_paragraphs(1), m_lengths(1, 0) {}

Document Document::fromParagraphs(std::vector<Paragraph> paragraphs)
{
    Document document;
    if (!paragraphs.empty())
        document.m_paragraphs = std::move(paragraphs);
    document.m_lengths.clear();
    for (Paragraph& paragraph : document.m_paragraphs) {
        normalise(paragraph);
        document.m_lengths.push_back(paragraphLength(paragraph));
        document.m_length += document.m_lengths.back();
    }
    document.m_length += (document.m_paragraphs.size() - 1) * kLineBreakLength;
    return document;
}

void Document::replaceText(std::string_view text)
{
    m_paragraphs.assign(1, Paragraph{});
    m_lengths.assign(1, 0);
    m_length = 0;
    m_anchor = {};
    m_insertionFormat = {};
    m_selectionStart = insertTextAt(0, text, m_insertionFormat);
    m_selectionLength = 0;
}

void Document::setColour(Rgb colour)
{
    m_insertionFormat.colour = colour;
}

void Document::setBold(bool on)
{
    m_insertionFormat.bold = on;
}

void Document::setUnderline(bool on)
{
    m_insertionFormat.underline = on;
}

void Document::setAlignment(Alignment alignment)
{
    const std::size_t first = locate(m_selectionStart).paragraph;
    const std::size_t last = locate(caretPosition()).paragraph;
    for (std::size_t i = first; i <= last; ++i)
        m_paragraphs[i].alignment = alignment;
}

void Document::insertText(std::string_view text)
{
    replaceSelection(text);
}

bool Document::insertPicture(const Bitmap& picture)
{
    return richtext::insertPicture(*this, picture);
}

bool Document::insertSharedPicture(const std::shared_ptr<const Picture>& picture)
{
    if (!picture)
        return false;
    insertPictureRun(picture);
    return true;
}

void Document::insertPictureRun(std::shared_ptr<const Picture> picture)
{
    if (!picture)
        return;
    const std::size_t start = std::min(m_selectionStart, length());
    const std::size_t end = std::min(caretPosition(), length());
    insertPictureAt(start, std::move(picture));
    m_selectionStart = end + 1;
    m_selectionLength = 0;
}

std::string Document::plainText() const
{
    std::string text;
    for (std::size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        for (const Run& run : m_paragraphs[i].runs) {
            if (const auto* textRun = std::get_if<TextRun>(&run))
                text += textRun->text;
            else
                text += kPictureStandIn;
        }
    }
    return text;
}

void Document::setSelection(std::size_t start, std::size_t selectionLength)
{
    // Snapping both ends out of any CR LF keeps a line break whole inside or outside the selection.
    const std::size_t total = length();
    const std::size_t clampedStart = std::min(start, total);
    const std::size_t first = positionOf(locate(clampedStart));
    const std::size_t end = positionOf(locate(clampedStart + std::min(selectionLength, total - clampedStart)));
    m_selectionStart = first;
    m_selectionLength = end - first;
}

std::string Document::selectedText() const
{
    const std::string text = plainText();
    const std::size_t begin = utf8::byteOffsetOf(text, m_selectionStart);
    const std::size_t end = utf8::byteOffsetOf(text, m_selectionStart + m_selectionLength);
    return text.substr(begin, end - begin);
}

void Document::replaceSelection(std::string_view text)
{
    const std::size_t start = std::min(m_selectionStart, length());
    eraseRange(start, m_selectionLength);
    m_selectionStart = insertTextAt(start, text, m_insertionFormat);
    m_selectionLength = 0;
}

std::optional<std::size_t> Document::find(std::string_view text, std::size_t from) const
{
    if (text.empty())
        return std::nullopt;
    const std::string plain = plainText();
    const std::size_t found = plain.find(text, utf8::byteOffsetOf(plain, from));
    if (found == std::string::npos)
        return std::nullopt;
    return utf8::countCodePoints(std::string_view(plain).substr(0, found));
}

std::string Document::toRtf() const
{
    return writeRtf(m_paragraphs);
}

std::size_t Document::startOf(std::size_t paragraph) const
{
    // Walking from the last paragraph found keeps writing at the end O(1) however long the document grows.
    Anchor& at = m_anchor;
    while (at.paragraph > paragraph) {
        --at.paragraph;
        at.start -= m_lengths[at.paragraph] + kLineBreakLength;
    }
    while (at.paragraph < paragraph) {
        at.start += m_lengths[at.paragraph] + kLineBreakLength;
        ++at.paragraph;
    }
    return at.start;
}

Document::Location Document::locate(std::size_t position) const
{
    Anchor& at = m_anchor;
    while (at.paragraph > 0 && position < at.start)
        startOf(at.paragraph - 1);
    // Inside a paragraph or between the CR and the LF that ends it.
    while (at.paragraph + 1 < m_paragraphs.size() && position - at.start >= m_lengths[at.paragraph] + kLineBreakLength)
        startOf(at.paragraph + 1);
    return {at.paragraph, std::min(position - at.start, m_lengths[at.paragraph])};
}

std::size_t Document::positionOf(Location location) const
{
    return startOf(location.paragraph) + location.offset;
}

void Document::eraseRange(std::size_t start, std::size_t count)
{
    if (count == 0)
        return;
    const Location to = locate(start + count);
    const std::size_t end = positionOf(to);
    const Location from = locate(start);
    // Leaves the anchor on the first paragraph, the last one whose start stays where it was.
    m_length -= end - positionOf(from);
    Paragraph& first = m_paragraphs[from.paragraph];
    std::vector<Run> tail = takeTail(m_paragraphs[to.paragraph], m_lengths[to.paragraph], to.offset);
    takeTail(first, m_lengths[from.paragraph], from.offset);
    first.runs.insert(first.runs.end(), std::make_move_iterator(tail.begin()), std::make_move_iterator(tail.end()));
    m_lengths[from.paragraph] = from.offset + (m_lengths[to.paragraph] - to.offset);
    m_paragraphs.erase(m_paragraphs.begin() + static_cast<std::ptrdiff_t>(from.paragraph) + 1,
                       m_paragraphs.begin() + static_cast<std::ptrdiff_t>(to.paragraph) + 1);
    m_lengths.erase(m_lengths.begin() + static_cast<std::ptrdiff_t>(from.paragraph) + 1,
                    m_lengths.begin() + static_cast<std::ptrdiff_t>(to.paragraph) + 1);
    normalise(first);
}

std::size_t Document::insertTextAt(std::size_t position, std::string_view text, const CharFormat& format)
{
    // ASCII needs no repair and counts one position a byte, which spares two more walks over it.
    const bool ascii = isAscii(text);
    std::string repaired;
    if (!ascii) {
        repaired = utf8::sanitize(text);
        text = repaired;
    }
    Location at = locate(position);
    // The anchor now rests on this paragraph; what follows changes only paragraphs after it.
    const std::size_t start = positionOf(at);
    const std::size_t firstParagraph = at.paragraph;
    std::size_t inserted = 0;
    bool firstLine = true;
    forEachLine(text, [&](std::string_view line) {
        if (!std::exchange(firstLine, false)) {
            Paragraph& current = m_paragraphs[at.paragraph];
            Paragraph next{current.alignment, takeTail(current, m_lengths[at.paragraph], at.offset)};
            normalise(current);
            m_paragraphs.insert(m_paragraphs.begin() + static_cast<std::ptrdiff_t>(at.paragraph) + 1, std::move(next));
            m_lengths.insert(m_lengths.begin() + static_cast<std::ptrdiff_t>(at.paragraph) + 1,
                             m_lengths[at.paragraph] - at.offset);
            m_lengths[at.paragraph] = at.offset;
            at = {at.paragraph + 1, 0};
            inserted += kLineBreakLength;
        }
        if (line.empty())
            return;
        Paragraph& paragraph = m_paragraphs[at.paragraph];
        const std::size_t index = splitAt(paragraph, m_lengths[at.paragraph], at.offset);
        auto* before = index > 0 ? std::get_if<TextRun>(&paragraph.runs[index - 1]) : nullptr;
        if (before && before->format == format)
            before->text += line; // writing on in the same format, as a report mostly does
        else
            paragraph.runs.insert(paragraph.runs.begin() + static_cast<std::ptrdiff_t>(index),
                                  TextRun{std::string(line), format});
        const std::size_t lineLength = ascii ? line.size() : utf8::countCodePoints(line);
        at.offset += lineLength;
        m_lengths[at.paragraph] += lineLength;
        inserted += lineLength;
        // At the end of the paragraph the runs are already as normalise() would leave them.
        if (at.offset != m_lengths[at.paragraph])
            normalise(paragraph);
    });
    m_length += inserted;
    if (at.paragraph != firstParagraph)
        m_anchor = {at.paragraph, start + inserted - at.offset};
    return start + inserted;
}

std::size_t Document::insertPictureAt(std::size_t position, std::shared_ptr<const Picture> picture)
{
    const Location at = locate(position);
    const std::size_t start = positionOf(at);
    Paragraph& paragraph = m_paragraphs[at.paragraph];
    const std::size_t index = splitAt(paragraph, m_lengths[at.paragraph], at.offset);
    paragraph.runs.insert(paragraph.runs.begin() + static_cast<std::ptrdiff_t>(index), PictureRun{std::move(picture)});
    normalise(paragraph);
    ++m_lengths[at.paragraph];
    ++m_length;
    return start + 1;
}

bool keepsWithNext(const Paragraph& paragraph)
{
    if (paragraph.runs.empty())
        return false;
    return std::ranges::all_of(paragraph.runs, [](const Run& run) {
        const auto* text = std::get_if<TextRun>(&run);
        return !text || text->format.bold;
    });
}

} // namespace richtext
