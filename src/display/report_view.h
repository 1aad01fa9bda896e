// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QImage>
#include <QTextEdit>
#include <QUrl>

#include <vector>

namespace richtext {
class Document;
struct Bitmap;
} // namespace richtext

namespace display {

class UrlOpener;

// Set on the blocks of headings and lines of pictures, which belong on the page of the block after them.
inline constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 1;

// The read-only report: shows the document, opens a web address when the left button goes down
// on it, and offers nothing to copy (the way to take the report away is saving it). The keyboard
// moves a caret through it (never selecting), Tab steps through its web addresses and Return opens the one marked.
class ReportView final : public QTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportView)

public:
    explicit ReportView(UrlOpener& opener, QWidget* parent = nullptr);
    ~ReportView() override;

    // Replaces what the view shows, caret at the start; web addresses in the text become links.
    void showDocument(const richtext::Document& document);

    // The links as a screen reader sees them: the one marked by Tab (-1 for none), where each lies in the
    // viewport, opening one, and one accessible object each, kept until the next document.
    int markedLink() const { return m_markedLink; }
    QRect linkRect(int index) const;
    void activateLink(int index);
    QAccessibleInterface* linkInterface(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    static bool isCaretKey(int key);
    void openLink(const QString& linkText);
    // Marks the link without selecting it, so there is still nothing to copy; -1 clears the mark.
    void markLink(int index);
    void forgetLinkInterfaces();
    // Tells a screen reader the focus is on the link, or on the view itself for none.
    void announceFocus(QAccessibleInterface* link);

    UrlOpener& m_opener;
    int m_markedLink = -1;
    std::vector<QAccessible::Id> m_linkInterfaces;
};

// Where the document's links lie: start and end positions, in document order.
struct LinkSpan {
    int start = 0;
    int end = 0;
    QString text;
};
std::vector<LinkSpan> linkSpans(const QTextDocument& document);

// The address a link's text stands for: "www." names get the http scheme; an empty address for
// anything that is not a web address.
QUrl linkAddress(const QString& linkText);

// A web address as the view shows it: word joiners beside every character that is not a letter or digit, so a line
// breaks before or after the address rather than after "http://" (one longer than a line still breaks anywhere).
// Search the view for this, not for the address itself.
QString shownAddress(const QString& address);

// What the view draws for a picture of the report at its own logical size: a built-in small face comes from
// its larger rendering on a scaled screen, anything else as it is in the report.
QImage reportPicture(const richtext::Bitmap& bitmap, qreal devicePixelRatio);
// The item number of the built-in small face that a picture made by reportPicture shows, 0 for any other.
int shownFaceNumber(const QImage& picture);

} // namespace display
