#include "toolkit/controls/listbox.h"

#include "toolkit/controls/design.h"

#include <QItemSelectionModel>

namespace pizarrin {

ListBox::ListBox(const ListBoxDesign& design, QWidget* container)
    : Placed<QListWidget>(container)
{
    setObjectName(design.name.toString());
    setAccessibleName(design.accessibleName.toString());
    setFont(designFont({Face::Fixedsys, 9.0}));
    applyColours(this, systemColour(SystemColour::WindowBackground),
        systemColour(SystemColour::WindowText), true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTwips(design.twips);
    setVisible(true);
}

void ListBox::appendLine(const QString& line)
{
    addItem(line);
}

QString ListBox::line(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

} // namespace pizarrin
