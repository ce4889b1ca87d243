#include "ui/file_list.h"

#include "ui/file_system.h"

namespace ui {

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setFolder(const QString &folder, const QString &pattern)
{
    clear();
    addItems(matchingFiles(folder, pattern));
}

QString FileList::selectedName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// The arrow keys still start at the first name: a list without a current item moves to it.
void FileList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    if (selectedItems().isEmpty())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

} // namespace ui
