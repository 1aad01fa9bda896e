// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/accessibility.h"

#include "display/card_slot.h"
#include "display/clickable_label.h"
#include "display/drop_down_list.h"
#include "display/notice_label.h"
#include "display/report_view.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace display {
namespace {

class AccessibleClickableLabel final : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = role() == QAccessible::Link;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString name = label()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

// An entry of a drop-down list, which takes the focus for a screen reader when it becomes the choice. It is
// reached from the list rather than from the drop-down part, whose hundreds of entries a reader would otherwise
// count each time, and stands at the drop-down part's place among the list's children.
class AccessibleListEntry final : public QAccessibleInterface {
public:
    AccessibleListEntry(DropDownList* list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list && m_row < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? m_list->itemText(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_list ? QRect(m_list->mapToGlobal(QPoint()), m_list->size()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const bool chosen = isValid() && m_list->currentIndex() == m_row;
        state.selectable = true;
        state.selected = chosen;
        state.focusable = true;
        state.focused = chosen && m_list->hasFocus();
        return state;
    }

private:
    QPointer<DropDownList> m_list;
    int m_row;
};

// Named by its accessible name, valued by its chosen entry; its one child is the list it drops down. The chosen
// entry is also its text, where a screen reader looks for the value of a list that offers no selection.
class AccessibleDropDownList final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleDropDownList(DropDownList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    ~AccessibleDropDownList() override
    {
        for (const QAccessible::Id id : m_entries)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* entry(int row)
    {
        if (row < 0 || row >= list()->count())
            return nullptr;
        if (m_entries.size() <= static_cast<std::size_t>(row))
            m_entries.resize(static_cast<std::size_t>(row) + 1, 0);
        QAccessible::Id& id = m_entries[static_cast<std::size_t>(row)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new AccessibleListEntry(list(), row));
        return QAccessible::accessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && list()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return list()->view() ? 1 : 0; }

    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && list()->view() ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && std::ranges::find(m_entries, QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child))) !=
                         m_entries.end())
            return 0;
        return child && list()->view() && child->object() == list()->view() ? 0 : -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

    // The text: the chosen entry, read only, no selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(list()->currentText().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    DropDownList* list() const { return static_cast<DropDownList*>(widget()); }

    std::vector<QAccessible::Id> m_entries;
};

// The report's text as a screen reader gets it: the word joiners that steer line breaking and the pictures'
// placeholders left out, paragraphs ended by new lines. Offsets here are counted in that text.
class ReaderText {
public:
    explicit ReaderText(const QTextDocument& document)
    {
        const QString raw = document.toRawText();
        m_text.reserve(raw.size());
        m_positions.reserve(static_cast<std::size_t>(raw.size()) + 1);
        for (qsizetype position = 0; position < raw.size(); ++position) {
            const QChar character = raw.at(position);
            if (character == QChar(0x2060) || character == QChar::ObjectReplacementCharacter)
                continue;
            const bool paragraphEnd = character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
            m_text += paragraphEnd ? QChar(QLatin1Char('\n')) : character;
            m_positions.push_back(static_cast<int>(position));
        }
        m_positions.push_back(static_cast<int>(raw.size()));
    }

    const QString& text() const { return m_text; }
    int size() const { return static_cast<int>(m_text.size()); }

    int toDocument(int offset) const { return m_positions[static_cast<std::size_t>(std::clamp(offset, 0, size()))]; }
    int fromDocument(int position) const
    {
        return static_cast<int>(std::ranges::lower_bound(m_positions, position) - m_positions.begin());
    }

private:
    QString m_text;
    std::vector<int> m_positions; // the document position of each character, and the end
};

// The report: its text (as above) with the view's caret, its links as children that take the focus in turn
// when Tab marks them. There is no selection to offer.
class AccessibleReportView final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleReportView(ReportView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = false;
        return state;
    }

    int childCount() const override { return static_cast<int>(linkSpans(*view()->document()).size()); }
    QAccessibleInterface* child(int index) const override { return view()->linkInterface(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (view()->linkInterface(index) == child)
                return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override { return readerText().fromDocument(view()->textCursor().position()); }
    void setCursorPosition(int offset) override
    {
        QTextCursor caret(view()->document());
        caret.setPosition(readerText().toDocument(offset));
        view()->setTextCursor(caret);
        view()->ensureCursorVisible();
    }

    QString text(int startOffset, int endOffset) const override
    {
        return readerText().text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return readerText().size(); }

    // Lines are the lines on screen; words and the rest are Qt's.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
        const ReaderText reader = readerText();
        lineAround(reader, std::clamp(offset, 0, reader.size()), startOffset, endOffset);
        return reader.text().mid(*startOffset, *endOffset - *startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
        const ReaderText reader = readerText();
        int start = 0;
        int end = 0;
        lineAround(reader, std::clamp(offset, 0, reader.size()), &start, &end);
        if (start == 0) {
            *startOffset = *endOffset = 0;
            return {};
        }
        lineAround(reader, start - 1, startOffset, endOffset);
        return reader.text().mid(*startOffset, *endOffset - *startOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
        const ReaderText reader = readerText();
        int start = 0;
        int end = 0;
        lineAround(reader, std::clamp(offset, 0, reader.size()), &start, &end);
        if (end >= reader.size()) {
            *startOffset = *endOffset = reader.size();
            return {};
        }
        lineAround(reader, end, startOffset, endOffset);
        return reader.text().mid(*startOffset, *endOffset - *startOffset);
    }

    QRect characterRect(int offset) const override
    {
        const ReaderText reader = readerText();
        QTextCursor cursor(view()->document());
        cursor.setPosition(reader.toDocument(offset));
        const QRect before = view()->cursorRect(cursor);
        cursor.setPosition(reader.toDocument(offset + 1));
        const QRect after = view()->cursorRect(cursor);
        const int width = after.top() == before.top() ? std::max(1, after.left() - before.left()) : 1;
        return QRect(view()->viewport()->mapToGlobal(before.topLeft()), QSize(width, before.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = view()->viewport()->mapFromGlobal(point);
        return readerText().fromDocument(view()->cursorForPosition(local).position());
    }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    ReportView* view() const { return static_cast<ReportView*>(widget()); }
    ReaderText readerText() const { return ReaderText(*view()->document()); }

    // The line on screen that holds the offset, with the new line that ends its paragraph.
    void lineAround(const ReaderText& reader, int offset, int* startOffset, int* endOffset) const
    {
        const int position = reader.toDocument(offset);
        const QTextBlock block = view()->document()->findBlock(position);
        const QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
        if (!layout || layout->lineCount() == 0) {
            *startOffset = reader.fromDocument(block.position());
            *endOffset = std::min(reader.size(), reader.fromDocument(block.position() + block.length()));
            return;
        }
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        const QTextLine shown = line.isValid() ? line : layout->lineAt(layout->lineCount() - 1);
        const int lineStart = block.position() + shown.textStart();
        const bool lastLine = shown.lineNumber() == layout->lineCount() - 1;
        const int lineEnd = lastLine ? block.position() + block.length() : lineStart + shown.textLength();
        *startOffset = reader.fromDocument(lineStart);
        *endOffset = std::min(reader.size(), reader.fromDocument(lineEnd));
    }
};

// One web address of the report: a link named by the address as written.
class AccessibleReportLink final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleReportLink(ReportView& view, int index) : m_view(&view), m_index(index) {}

    bool isValid() const override { return m_view && m_index < static_cast<int>(links().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return links()[static_cast<std::size_t>(m_index)].text;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect area = m_view->linkRect(m_index);
        return QRect(m_view->viewport()->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.linked = true;
        state.focused = isValid() && m_view->hasFocus() && m_view->markedLink() == m_index;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && isValid())
            m_view->activateLink(m_index);
    }
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        return actionName == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList();
    }

private:
    std::vector<LinkSpan> links() const { return linkSpans(*m_view->document()); }

    QPointer<ReportView> m_view;
    int m_index;
};

// A picture named by its position and card. The position number drawn over it is part of that name,
// so it is not offered again as a child of its own.
class AccessibleCardSlot final : public QAccessibleWidget {
public:
    explicit AccessibleCardSlot(CardSlot* slot) : QAccessibleWidget(slot, QAccessible::Graphic) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

// The numbers drawn over a spread's cards: each card's name says its position already, so a screen reader is
// told there is nothing to present here rather than meeting an empty pane the size of the spread.
class AccessibleDecoration final : public QAccessibleWidget {
public:
    explicit AccessibleDecoration(QWidget* decoration) : QAccessibleWidget(decoration, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A window built on a plain widget would be a mere pane to a screen reader, which then never says that
// a new window has come up.
bool isPlainWidgetWindow(const QString& className, QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    return object->isWidgetType() && static_cast<QWidget*>(object)->isWindow() &&
           className == QLatin1String(meta->className()) && meta->superClass() == &QWidget::staticMetaObject;
}

QAccessibleInterface* displayInterfaces(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String(DropDownList::staticMetaObject.className()))
        return new AccessibleDropDownList(static_cast<DropDownList*>(object));
    if (className == QLatin1String(ReportView::staticMetaObject.className()))
        return new AccessibleReportView(static_cast<ReportView*>(object));
    if (className == QLatin1String(CardSlot::staticMetaObject.className()))
        return new AccessibleCardSlot(static_cast<CardSlot*>(object));
    if (className == QLatin1String(PositionNumbers::staticMetaObject.className()))
        return new AccessibleDecoration(static_cast<PositionNumbers*>(object));
    if (className == QLatin1String(NoticeLabel::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<NoticeLabel*>(object), QAccessible::Notification);
    if (isPlainWidgetWindow(className, object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

QAccessible::UpdateHandler previousUpdateHandler = nullptr;

// A window shown for the first time tells a screen reader about every control coming into view, and one filled
// while hidden about every name it changed; a reader takes them one by one before it gets to the window itself,
// seconds later for a large reading. Nothing in a window that is not on screen is news: the reader asks for all
// of it once the window appears.
bool isInHiddenWindow(const QAccessibleEvent& event)
{
    // Objects coming and going are passed on whatever the window, so the reader's picture of the tree stays right.
    switch (event.type()) {
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::StateChanged:
    case QAccessible::ValueChanged:
    case QAccessible::LocationChanged:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        break;
    default:
        return false;
    }
    QObject* object = event.object();
    if (!object || !object->isWidgetType())
        return false;
    const auto* widget = static_cast<QWidget*>(object);
    if (widget->isWindow())
        return false;
    const QWindow* shown = widget->window()->windowHandle();
    return !shown || !shown->isVisible();
}

void passOnUnlessHidden(QAccessibleEvent* event)
{
    if (isInHiddenWindow(*event))
        return;
    if (previousUpdateHandler) {
        previousUpdateHandler(event);
        return;
    }
    // Qt hands an event to the platform only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&passOnUnlessHidden);
}

} // namespace

QAccessibleInterface* makeReportLinkInterface(ReportView& view, int index)
{
    return new AccessibleReportLink(view, index);
}

void announceChosenEntry(DropDownList& list)
{
    if (!QAccessible::isActive() || !list.hasFocus())
        return;
    auto* accessible = dynamic_cast<AccessibleDropDownList*>(QAccessible::queryAccessibleInterface(&list));
    if (QAccessibleInterface* entry = accessible ? accessible->entry(list.currentIndex()) : nullptr) {
        QAccessibleEvent focus(entry, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&displayInterfaces);
        previousUpdateHandler = QAccessible::installUpdateHandler(&passOnUnlessHidden);
        return true;
    }();
    (void)installed;
}

} // namespace display
