// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/rtf_reader.h"

#include "richtext/metafile_reader.h"
#include "richtext/picture_embedding.h"
#include "richtext/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace richtext {

namespace {

// Real documents nest a few dozen groups at most; the cap keeps hostile input from growing the stack.
constexpr std::size_t kMaxGroupDepth = 256;
constexpr std::size_t kMaxControlWordLength = 32;
constexpr std::int64_t kParameterLimit = 2'000'000'000;
constexpr int kMaxUnicodeSkip = 16;

// Windows-1252 0x80 to 0x9F; the holes map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Destinations whose content is never document text.
constexpr std::array<std::string_view, 39> kSkippedDestinations = {
    "fonttbl",      "stylesheet", "info",     "header",     "headerl",    "headerr",           "headerf",
    "footer",       "footerl",    "footerr",  "footerf",    "listtable",  "listoverridetable", "revtbl",
    "rsidtbl",      "filetbl",    "pgdsctbl", "nonshppict", "fldinst",    "themedata",         "colorschememapping",
    "latentstyles", "datastore",  "xmlnstbl", "footnote",   "annotation", "atnauthor",         "atnid",
    "objdata",      "pntext",     "listtext", "bkmkstart",  "bkmkend",    "generator",         "template",
    "userprops",    "ftnsep",     "ftnsepc",  "aftnsep"};

constexpr std::array<std::string_view, 18> kUnderlineOn = {
    "ul",    "uld",      "uldash",    "uldashd",    "uldashdd",  "uldb",       "ulhwave", "ulldash", "ulth",
    "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave",  "ulhair"};

// Control words that stand for one character.
constexpr std::array<std::pair<std::string_view, char32_t>, 8> kSymbolWords = {{
    {"tab", U'\t'},
    {"emdash", U'\u2014'},
    {"endash", U'\u2013'},
    {"lquote", U'\u2018'},
    {"rquote", U'\u2019'},
    {"ldblquote", U'\u201C'},
    {"rdblquote", U'\u201D'},
    {"bullet", U'\u2022'},
}};

std::optional<char32_t> symbolOf(std::string_view word)
{
    for (const auto& [name, symbol] : kSymbolWords) {
        if (name == word)
            return symbol;
    }
    return std::nullopt;
}

template <std::size_t N> bool contains(const std::array<std::string_view, N>& words, std::string_view word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

enum class Destination { Text, Skip, ColourTable, Picture };

struct GroupState {
    CharFormat format;
    Alignment alignment = Alignment::Left;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    std::size_t groupStart = 0;
    bool atGroupStart = true;
    bool ignorableDestination = false;
};

struct PictureInProgress {
    std::size_t groupStart = 0;
    std::size_t depth = 0;
    bool verbatim = false;
    std::string kindWord;
    std::array<std::optional<long>, 4> sizes; // picw, pich, picwgoal, pichgoal
    std::vector<std::uint8_t> data;
    int pendingNibble = -1;
};

constexpr std::array<std::string_view, 4> kPictureSizeWords = {"picw", "pich", "picwgoal", "pichgoal"};
constexpr std::array<std::string_view, 8> kPictureKinds = {"wmetafile", "emfblip", "pngblip", "jpegblip",
                                                           "dibitmap",  "wbitmap", "macpict", "pmmetafile"};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Reader {
public:
    explicit Reader(std::string_view input) : m_in(input) {}

    DocumentOrError read()
    {
        std::size_t start = 0;
        while (start < m_in.size() &&
               (m_in[start] == ' ' || m_in[start] == '\r' || m_in[start] == '\n' || m_in[start] == '\t'))
            ++start;
        if (m_in.substr(start, 5) != "{\\rtf")
            return {std::nullopt, "not an RTF document"};
        m_pos = start;
        while (m_pos < m_in.size() && !m_finished) {
            const char c = m_in[m_pos];
            if (c == '{') {
                if (!openGroup())
                    return {std::nullopt, "groups nested too deeply"};
            } else if (c == '}') {
                closeGroup();
            } else if (c == '\\') {
                readControl();
            } else {
                ++m_pos;
                if (c != '\r' && c != '\n')
                    character(static_cast<unsigned char>(c));
            }
        }
        if (!m_current.runs.empty() || m_paragraphs.empty()) {
            m_current.alignment = m_finished ? m_finalAlignment : m_state.alignment;
            m_paragraphs.push_back(std::move(m_current));
        }
        return {Document::fromParagraphs(std::move(m_paragraphs)), {}};
    }

private:
    bool openGroup()
    {
        if (m_stack.size() >= kMaxGroupDepth)
            return false;
        m_stack.push_back(m_state);
        if (m_state.destination == Destination::Picture)
            m_state.destination = Destination::Skip;
        m_state.groupStart = m_pos;
        m_state.atGroupStart = true;
        m_state.ignorableDestination = false;
        m_unicodeSkipLeft = 0;
        ++m_pos;
        return true;
    }

    void closeGroup()
    {
        ++m_pos;
        m_unicodeSkipLeft = 0;
        flushSurrogate();
        if (m_picture && m_picture->depth == m_stack.size())
            finishPicture();
        if (m_stack.size() <= 1) {
            m_finalAlignment = m_state.alignment;
            m_finished = true;
            return;
        }
        m_state = m_stack.back();
        m_stack.pop_back();
    }

    void readControl()
    {
        ++m_pos;
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            m_state.atGroupStart = false;
            return;
        }
        const std::size_t nameStart = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        const std::string_view name = m_in.substr(nameStart, std::min(m_pos - nameStart, kMaxControlWordLength));
        std::optional<long> parameter;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            std::int64_t value = 0;
            while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
                value = std::min<std::int64_t>(value * 10 + (m_in[m_pos] - '0'), kParameterLimit);
                ++m_pos;
            }
            parameter = static_cast<long>(negative ? -value : value);
        }
        // A word cut off by the end of the input may have lost digits: better dropped than misread.
        if (m_pos >= m_in.size())
            return;
        if (m_in[m_pos] == ' ')
            ++m_pos;
        const bool first = m_state.atGroupStart;
        m_state.atGroupStart = false;
        controlWord(name, parameter, first);
    }

    void controlSymbol(char symbol)
    {
        switch (symbol) {
        case '\'': {
            if (m_pos + 1 >= m_in.size())
                break;
            const int high = hexValue(m_in[m_pos]);
            const int low = hexValue(m_in[m_pos + 1]);
            if (high < 0 || low < 0)
                break;
            m_pos += 2;
            if (m_state.destination != Destination::Text)
                break;
            if (m_unicodeSkipLeft > 0) {
                --m_unicodeSkipLeft;
                break;
            }
            const int byte = high * 16 + low;
            emitCodePoint(byte >= 0x80 && byte < 0xA0 ? kCp1252High[static_cast<std::size_t>(byte - 0x80)]
                                                      : static_cast<char32_t>(byte));
            break;
        }
        case '*':
            m_state.ignorableDestination = true;
            break;
        case '\\':
        case '{':
        case '}':
            character(static_cast<unsigned char>(symbol));
            break;
        case '~':
            emitText(U'\u00A0');
            break;
        case '_':
            emitText(U'\u2011');
            break;
        case '\r':
        case '\n':
            controlWord("par", std::nullopt, false);
            break;
        default:
            break;
        }
    }

    void controlWord(std::string_view name, std::optional<long> parameter, bool firstInGroup)
    {
        const bool ignorable = m_state.ignorableDestination;
        m_state.ignorableDestination = false;
        m_unicodeSkipLeft = name == "u" ? m_unicodeSkipLeft : 0;

        if (name == "bin") {
            skipBinary(std::max(0L, parameter.value_or(0)));
            return;
        }
        if (m_state.destination == Destination::Skip)
            return;
        if (m_state.destination == Destination::Picture) {
            pictureWord(name, parameter);
            return;
        }
        if (m_state.destination == Destination::ColourTable) {
            colourWord(name, parameter);
            return;
        }

        if (name == "colortbl") {
            m_state.destination = Destination::ColourTable;
            m_colourTable.clear();
            m_pendingColour = {};
            return;
        }
        if (name == "pict") {
            startPicture(firstInGroup);
            return;
        }
        if (name == "shppict")
            return;
        if (contains(kSkippedDestinations, name) || ignorable) {
            m_state.destination = Destination::Skip;
            return;
        }

        const bool on = !parameter || *parameter != 0;
        if (name == "par" || name == "line") {
            flushSurrogate();
            breakParagraph();
        } else if (name == "pard") {
            m_state.alignment = Alignment::Left;
        } else if (name == "qc") {
            m_state.alignment = Alignment::Centre;
        } else if (name == "ql" || name == "qr" || name == "qj" || name == "qd") {
            m_state.alignment = Alignment::Left;
        } else if (name == "plain") {
            m_state.format = {};
        } else if (name == "b") {
            m_state.format.bold = on;
        } else if (name == "ulnone") {
            m_state.format.underline = false;
        } else if (contains(kUnderlineOn, name)) {
            m_state.format.underline = on;
        } else if (name == "cf") {
            m_state.format.colour = colourAt(parameter.value_or(0));
        } else if (name == "uc") {
            m_state.unicodeSkip = static_cast<int>(std::clamp(parameter.value_or(1), 0L, long{kMaxUnicodeSkip}));
        } else if (name == "u" && parameter) {
            unicode(*parameter);
        } else if (const auto symbol = symbolOf(name)) {
            emitText(*symbol);
        }
    }

    void character(unsigned char c)
    {
        m_state.atGroupStart = false;
        switch (m_state.destination) {
        case Destination::Skip:
            return;
        case Destination::ColourTable:
            if (c == ';') {
                m_colourTable.push_back(m_pendingColour.value_or(Rgb{}));
                m_pendingColour.reset();
            }
            return;
        case Destination::Picture:
            pictureCharacter(static_cast<char>(c));
            return;
        case Destination::Text:
            break;
        }
        if (m_unicodeSkipLeft > 0) {
            --m_unicodeSkipLeft;
            return;
        }
        if (c == '\t') {
            emitText(U'\t');
        } else if (c >= 0x20 && c < 0x80) {
            emitText(c);
        } else if (c >= 0x80) {
            emitText(c < 0xA0 ? kCp1252High[c - 0x80] : static_cast<char32_t>(c));
        }
    }

    void unicode(long value)
    {
        if (value < 0)
            value += 0x10000;
        const auto unit = static_cast<char32_t>(value);
        if (value < 0 || value > 0xFFFF) {
            emitCodePoint(utf8::kReplacementCharacter);
        } else if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushSurrogate();
            m_highSurrogate = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (m_highSurrogate) {
                const char32_t combined = 0x10000 + ((*m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
                m_highSurrogate.reset();
                emitText(combined);
            } else {
                emitText(utf8::kReplacementCharacter);
            }
        } else {
            emitCodePoint(unit);
        }
        m_unicodeSkipLeft = m_state.unicodeSkip;
    }

    // Code points from escapes: line breaks are dropped, since paragraphs come from \par alone.
    void emitCodePoint(char32_t codePoint)
    {
        flushSurrogate();
        if (codePoint != U'\r' && codePoint != U'\n')
            emitText(codePoint);
    }

    void emitText(char32_t codePoint)
    {
        if (m_state.destination != Destination::Text)
            return;
        if (m_highSurrogate && codePoint != utf8::kReplacementCharacter)
            flushSurrogate();
        std::string* target = nullptr;
        if (!m_current.runs.empty()) {
            if (auto* last = std::get_if<TextRun>(&m_current.runs.back()); last && last->format == m_state.format)
                target = &last->text;
        }
        if (!target) {
            m_current.runs.emplace_back(TextRun{{}, m_state.format});
            target = &std::get<TextRun>(m_current.runs.back()).text;
        }
        utf8::appendCodePoint(*target, codePoint);
    }

    void flushSurrogate()
    {
        if (!m_highSurrogate)
            return;
        m_highSurrogate.reset();
        emitText(utf8::kReplacementCharacter);
    }

    void breakParagraph()
    {
        m_current.alignment = m_state.alignment;
        m_paragraphs.push_back(std::move(m_current));
        m_current = {};
    }

    Rgb colourAt(long index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_colourTable.size())
            return {};
        return m_colourTable[static_cast<std::size_t>(index)];
    }

    void colourWord(std::string_view name, std::optional<long> parameter)
    {
        const auto component = static_cast<std::uint8_t>(std::clamp(parameter.value_or(0), 0L, 255L));
        if (name != "red" && name != "green" && name != "blue")
            return;
        Rgb& colour = m_pendingColour.emplace(m_pendingColour.value_or(Rgb{}));
        if (name == "red")
            colour.red = component;
        else if (name == "green")
            colour.green = component;
        else
            colour.blue = component;
    }

    void skipBinary(long count)
    {
        const std::size_t available = m_in.size() - m_pos;
        const std::size_t length = std::min(static_cast<std::size_t>(count), available);
        if (m_state.destination == Destination::Picture && m_picture) {
            m_picture->data.insert(m_picture->data.end(), m_in.begin() + static_cast<std::ptrdiff_t>(m_pos),
                                   m_in.begin() + static_cast<std::ptrdiff_t>(m_pos + length));
        }
        m_pos += length;
    }

    void startPicture(bool firstInGroup)
    {
        if (m_picture)
            return;
        m_picture.emplace();
        m_picture->groupStart = m_state.groupStart;
        m_picture->depth = m_stack.size();
        m_picture->verbatim = firstInGroup && m_in.substr(m_state.groupStart, 6) == "{\\pict";
        m_state.destination = Destination::Picture;
    }

    void pictureWord(std::string_view name, std::optional<long> parameter)
    {
        for (std::size_t i = 0; i < kPictureSizeWords.size(); ++i) {
            if (name == kPictureSizeWords[i])
                m_picture->sizes[i] = std::clamp(parameter.value_or(0), -kParameterLimit, kParameterLimit);
        }
        if (contains(kPictureKinds, name)) {
            m_picture->kindWord = "\\" + std::string(name);
            if (parameter)
                m_picture->kindWord += std::to_string(*parameter);
        }
    }

    void pictureCharacter(char c)
    {
        const int value = hexValue(c);
        if (value < 0)
            return;
        if (m_picture->pendingNibble < 0) {
            m_picture->pendingNibble = value;
            return;
        }
        m_picture->data.push_back(static_cast<std::uint8_t>(m_picture->pendingNibble * 16 + value));
        m_picture->pendingNibble = -1;
    }

    void finishPicture()
    {
        PictureInProgress picture = std::move(*m_picture);
        m_picture.reset();
        auto result = std::make_shared<Picture>();
        if (picture.kindWord.starts_with("\\wmetafile"))
            result->bitmap = decodeMetafile(picture.data).value_or(Bitmap{});
        if (picture.verbatim)
            result->rtfGroup = std::string(m_in.substr(picture.groupStart, m_pos - picture.groupStart));
        else
            result->rtfGroup = canonicalGroup(picture);
        m_current.runs.emplace_back(PictureRun{std::move(result)});
    }

    // A plain group for pictures found inside other constructs, so writing it out reads back the same.
    static std::string canonicalGroup(const PictureInProgress& picture)
    {
        std::string group = "{\\pict" + picture.kindWord;
        for (std::size_t i = 0; i < kPictureSizeWords.size(); ++i) {
            if (picture.sizes[i])
                group += "\\" + std::string(kPictureSizeWords[i]) + std::to_string(*picture.sizes[i]);
        }
        group += ' ';
        appendHexLines(group, picture.data);
        group += "\r\n}";
        return group;
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    bool m_finished = false;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::vector<Paragraph> m_paragraphs;
    Paragraph m_current;
    Alignment m_finalAlignment = Alignment::Left;
    std::vector<Rgb> m_colourTable;
    std::optional<Rgb> m_pendingColour;
    std::optional<PictureInProgress> m_picture;
    std::optional<char32_t> m_highSurrogate;
    int m_unicodeSkipLeft = 0;
};

} // namespace

DocumentOrError readRtf(std::string_view rtf)
{
    return Reader(rtf).read();
}

} // namespace richtext
