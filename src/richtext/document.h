// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"
#include "richtext/rich_text_sink.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace richtext {

struct CharFormat {
    Rgb colour;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

// UTF-8 text without line breaks: paragraphs split at CR LF.
struct TextRun {
    std::string text;
    CharFormat format;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct PictureRun {
    std::shared_ptr<const Picture> picture;
    friend bool operator==(const PictureRun& a, const PictureRun& b)
    {
        if (a.picture == b.picture)
            return true;
        return a.picture && b.picture && *a.picture == *b.picture;
    }
};

using Run = std::variant<TextRun, PictureRun>;

struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs; // adjacent text runs always differ in format; no empty text runs
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// A heading, a label or a line of pictures (every text run bold, or pictures only): it belongs on
// the same page as the paragraph after it.
bool keepsWithNext(const Paragraph& paragraph);

// The report document: paragraphs of formatted text runs and pictures, with a caret, a selection
// and an insertion format, as the report view's rich-text control offers them.
//
// A character position counts Unicode code points of plainText(): a line break (CR LF) counts
// two, a picture one. Positions past the end are clamped to the end; a position between the CR
// and the LF of a break counts as the end of the paragraph before it.
class Document final : public RichTextSink {
public:
    Document();

    // Replaces everything with plain text in the default format (black, not bold, no underline,
    // left aligned); the caret goes to the end and the insertion format back to the default.
    void replaceText(std::string_view text) override;
    void setColour(Rgb colour) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setAlignment(Alignment alignment) override;
    // Replaces the selection (usually empty) with the text in the insertion format.
    void insertText(std::string_view text) override;
    bool insertPicture(const Bitmap& picture) override;
    bool insertSharedPicture(const std::shared_ptr<const Picture>& picture) override;

    // Puts a ready-made picture where the selection begins; the selected content follows it and
    // the caret ends up after that content.
    void insertPictureRun(std::shared_ptr<const Picture> picture);

    const std::vector<Paragraph>& paragraphs() const { return m_paragraphs; }

    // Paragraphs joined by CR LF; each picture stands as U+FFFC.
    std::string plainText() const;
    std::size_t length() const { return m_length; } // in character positions

    std::size_t caretPosition() const { return m_selectionStart + m_selectionLength; }
    std::size_t selectionStart() const { return m_selectionStart; }
    std::size_t selectionLength() const { return m_selectionLength; }
    void setSelection(std::size_t start, std::size_t length);
    std::string selectedText() const;
    // Replaces the selection and leaves the caret after the new text.
    void replaceSelection(std::string_view text);

    // Position of the first occurrence of the text at or after `from`.
    std::optional<std::size_t> find(std::string_view text, std::size_t from = 0) const;

    std::string toRtf() const;

    // Compares the content only: caret, selection and insertion format are not part of it.
    friend bool operator==(const Document& a, const Document& b) { return a.m_paragraphs == b.m_paragraphs; }

    // For the RTF reader: builds a document from finished paragraphs (at least one).
    static Document fromParagraphs(std::vector<Paragraph> paragraphs);

private:
    struct Location {
        std::size_t paragraph = 0;
        std::size_t offset = 0; // character offset inside the paragraph
    };

    // A paragraph with its known start position.
    struct Anchor {
        std::size_t paragraph = 0;
        std::size_t start = 0;
    };

    Location locate(std::size_t position) const;
    std::size_t positionOf(Location location) const;
    // Moves the anchor to the paragraph and returns its start.
    std::size_t startOf(std::size_t paragraph) const;
    void eraseRange(std::size_t start, std::size_t length);
    // Inserts at the position; returns the position after the inserted content.
    std::size_t insertTextAt(std::size_t position, std::string_view text, const CharFormat& format);
    std::size_t insertPictureAt(std::size_t position, std::shared_ptr<const Picture> picture);

    std::vector<Paragraph> m_paragraphs;
    // Character length of each paragraph, kept in step so finding a position needs no text scan.
    std::vector<std::size_t> m_lengths;
    std::size_t m_length = 0;
    // Where the last lookup ended. Edits change only paragraphs at or after it, so it stays true.
    mutable Anchor m_anchor;
    std::size_t m_selectionStart = 0;
    std::size_t m_selectionLength = 0;
    CharFormat m_insertionFormat;
};

} // namespace richtext
