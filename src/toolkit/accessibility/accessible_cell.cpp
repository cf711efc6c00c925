#include "toolkit/accessibility/accessible_cell.h"

#include "toolkit/accessibility/accessible_control.h"
#include "toolkit/controls/cell.h"

#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QFontMetrics>
#include <algorithm>

namespace pizarrin {

namespace {

class CellAccessible : public AccessibleControl,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit CellAccessible(Cell* cell)
        : AccessibleControl(cell, QAccessible::EditableText)
        , cell_(cell)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return cell_->text();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value)
            write(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = AccessibleControl::state();
        state.editable = !state.invisible;
        state.readOnly = state.invisible;
        state.selectableText = true;
        return state;
    }

    // The text, the caret and the selection.
    QString text(int start, int end) const override
    {
        return cell_->text().mid(start, end - start);
    }
    int characterCount() const override { return int(cell_->text().size()); }
    int cursorPosition() const override { return onView(cell_) ? cell_->cursorPosition() : 0; }
    void setCursorPosition(int position) override
    {
        if (onView(cell_))
            cell_->setCursorPosition(position);
    }
    int selectionCount() const override
    {
        return onView(cell_) && cell_->hasSelectedText() ? 1 : 0;
    }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && selectionCount() == 1) {
            *start = cell_->selectionStart();
            *end = *start + int(cell_->selectedText().size());
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        if (onView(cell_))
            cell_->deselect();
    }
    void setSelection(int, int start, int end) override
    {
        if (onView(cell_))
            cell_->setSelection(start, end - start);
    }

    // Where a character stands on screen: the text is centred in the cell.
    QRect characterRect(int offset) const override
    {
        const QString text = cell_->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(cell_->font());
        const int left = (cell_->width() - metrics.horizontalAdvance(text)) / 2
            + metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, (cell_->height() - metrics.height()) / 2,
            metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return QRect(cell_->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return onView(cell_) ? cell_->cursorPositionAt(cell_->mapFromGlobal(point)) : -1;
    }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editing, as a paste would: the cell's change follows, and its rules apply.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        QString edited = cell_->text();
        start = std::clamp(start, 0, int(edited.size()));
        end = std::clamp(end, start, int(edited.size()));
        write(edited.replace(start, end - start, text));
    }

private:
    void write(const QString& text)
    {
        if (operable())
            cell_->setText(text);
    }

    Cell* cell_;
};

} // namespace

QAccessibleInterface* accessibleCell(Cell* cell)
{
    return new CellAccessible(cell);
}

} // namespace pizarrin
