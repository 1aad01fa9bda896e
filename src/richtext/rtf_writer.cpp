// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/rtf_writer.h"

#include "richtext/utf8.h"

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace richtext {

namespace {

// The report view's Verdana 8.25 in half points.
constexpr int kFontHalfPoints = 17;

std::uint32_t colourKey(Rgb colour)
{
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

// Colours in order of first use, each with its 1-based table index (0 is the reader's default).
struct ColourTable {
    std::vector<Rgb> colours;
    std::unordered_map<std::uint32_t, long> indexes;
};

ColourTable colourTable(const std::vector<Paragraph>& paragraphs)
{
    ColourTable table;
    for (const Paragraph& paragraph : paragraphs) {
        for (const Run& run : paragraph.runs) {
            const auto* text = std::get_if<TextRun>(&run);
            if (text && table.indexes.emplace(colourKey(text->format.colour), table.colours.size() + 1).second)
                table.colours.push_back(text->format.colour);
        }
    }
    return table;
}

void appendNumber(std::string& out, long value)
{
    out += std::to_string(value);
}

// The byte a reader that knows no Unicode escapes shows instead: the character's Windows-1252 code, '?' where it has
// none.
unsigned char windows1252Fallback(char32_t codePoint)
{
    // 0x80 to 0x9F hold printable characters in Windows-1252, not the C1 controls of Unicode.
    static constexpr char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (unsigned char index = 0; index < 32; ++index) {
        if (kHighControls[index] != 0 && kHighControls[index] == codePoint)
            return static_cast<unsigned char>(0x80 + index);
    }
    return '?';
}

void appendHexByte(std::string& out, unsigned char byte)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

void appendUnicodeEscape(std::string& out, char32_t codePoint)
{
    // RTF takes signed 16-bit values; the header's uc1 tells readers to skip the one fallback byte after each.
    const auto unit = [&out](std::uint32_t value, unsigned char fallback) {
        out += "\\u";
        appendNumber(out, value > 0x7FFF ? static_cast<long>(value) - 0x10000 : static_cast<long>(value));
        appendHexByte(out, fallback);
    };
    if (codePoint >= 0x10000) {
        const char32_t offset = codePoint - 0x10000;
        unit(0xD800 + (offset >> 10), '?');
        unit(0xDC00 + (offset & 0x3FF), '?');
    } else {
        unit(codePoint, windows1252Fallback(codePoint));
    }
}

// Printable ASCII other than the three RTF specials; a table, as every byte of the text passes it.
constexpr std::array<bool, 256> kWrittenAsIs = [] {
    std::array<bool, 256> table{};
    for (int byte = 0x20; byte < 0x80; ++byte)
        table[static_cast<std::size_t>(byte)] = byte != '\\' && byte != '{' && byte != '}';
    return table;
}();

bool isWrittenAsIs(unsigned char byte)
{
    return kWrittenAsIs[byte];
}

void appendEscapedText(std::string& out, std::string_view text)
{
    std::size_t index = 0;
    while (index < text.size()) {
        // Most of a report needs no escape: copy such runs whole.
        std::size_t plainEnd = index;
        while (plainEnd < text.size() && isWrittenAsIs(static_cast<unsigned char>(text[plainEnd])))
            ++plainEnd;
        out.append(text.data() + index, plainEnd - index);
        index = plainEnd;
        if (index == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte >= 0x20 && byte < 0x80) {
            out += '\\';
            out += static_cast<char>(byte);
            ++index;
            continue;
        }
        if (byte == '\t') {
            out += "\\tab ";
            ++index;
            continue;
        }
        appendUnicodeEscape(out, utf8::decodeNext(text, index));
    }
}

class Writer {
public:
    explicit Writer(const std::vector<Paragraph>& paragraphs)
        : m_paragraphs(paragraphs), m_colours(colourTable(paragraphs))
    {
    }

    std::string write()
    {
        m_out.reserve(estimatedSize());
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
        m_out += kReportFont;
        m_out += ";}}\r\n{\\colortbl ;";
        for (const Rgb& colour : m_colours.colours) {
            m_out += "\\red";
            appendNumber(m_out, colour.red);
            m_out += "\\green";
            appendNumber(m_out, colour.green);
            m_out += "\\blue";
            appendNumber(m_out, colour.blue);
            m_out += ';';
        }
        // Print Layout: Word opens other view kinds in Draft view.
        m_out += "}\r\n\\viewkind1";
        for (const Paragraph& paragraph : m_paragraphs)
            writeParagraph(paragraph);
        m_out += "}\r\n";
        return std::move(m_out);
    }

private:
    // One allocation for the whole output; growing a few hundred kilobytes step by step costs more
    // than writing them.
    std::size_t estimatedSize() const
    {
        std::size_t size = 512 + m_colours.colours.size() * 24;
        for (const Paragraph& paragraph : m_paragraphs) {
            size += 32;
            for (const Run& run : paragraph.runs) {
                if (const auto* text = std::get_if<TextRun>(&run))
                    size += text->text.size() + text->text.size() / 8 + 24;
                else
                    size += std::get<PictureRun>(run).picture->rtfGroup.size();
            }
        }
        return size;
    }

    void writeParagraph(const Paragraph& paragraph)
    {
        const bool keep = keepsWithNext(paragraph);
        if (paragraph.alignment != m_alignment || keep != m_keepWithNext) {
            controlWord(paragraph.alignment == Alignment::Centre ? "\\pard\\qc" : "\\pard\\ql");
            if (keep)
                controlWord("\\keepn");
            m_alignment = paragraph.alignment;
            m_keepWithNext = keep;
        }
        if (!m_fontWritten) {
            controlWord("\\f0\\fs" + std::to_string(kFontHalfPoints));
            m_fontWritten = true;
        }
        for (const Run& run : paragraph.runs) {
            if (const auto* text = std::get_if<TextRun>(&run)) {
                writeText(*text);
            } else {
                m_out += std::get<PictureRun>(run).picture->rtfGroup;
                m_delimiterDue = false;
            }
        }
        m_out += "\\par\r\n";
        m_delimiterDue = false;
    }

    void controlWord(std::string_view word)
    {
        m_out += word;
        m_delimiterDue = true;
    }

    void writeText(const TextRun& run)
    {
        const long colour = m_colours.indexes.at(colourKey(run.format.colour));
        if (colour != m_colour) {
            controlWord("\\cf" + std::to_string(colour));
            m_colour = colour;
        }
        if (run.format.bold != m_bold) {
            controlWord(run.format.bold ? "\\b" : "\\b0");
            m_bold = run.format.bold;
        }
        if (run.format.underline != m_underline) {
            controlWord(run.format.underline ? "\\ul" : "\\ulnone");
            m_underline = run.format.underline;
        }
        if (m_delimiterDue)
            m_out += ' ';
        m_delimiterDue = false;
        appendEscapedText(m_out, run.text);
    }

    const std::vector<Paragraph>& m_paragraphs;
    ColourTable m_colours;
    std::string m_out;
    std::optional<Alignment> m_alignment;
    bool m_keepWithNext = false;
    bool m_fontWritten = false;
    long m_colour = 0;
    bool m_bold = false;
    bool m_underline = false;
    bool m_delimiterDue = false;
};

} // namespace

std::string writeRtf(const std::vector<Paragraph>& paragraphs)
{
    return Writer(paragraphs).write();
}

} // namespace richtext
