#include "windows/note_dialogs/file_list.h"

#include "core/note_dialogs/folder_listing.h"

#include <QItemSelectionModel>
#include <QStringListModel>

namespace tabulo {

FileList::FileList(QWidget *parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    setModel(m_model);
    // Every row has the same height, so the view never measures ten
    // thousand rows one by one.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            emit fileSelected(nameAt(current));
    });
    connect(this, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit fileClicked(nameAt(index));
    });
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit fileDoubleClicked(nameAt(index));
    });
}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileList::refresh()
{
    const QStringList names = m_path.isEmpty() ? QStringList() : listMatchingFiles(m_path, FilePattern(m_pattern));
    m_model->setStringList(names);
    setToolTip(QString());
}

int FileList::listCount() const
{
    return m_model->rowCount();
}

int FileList::listIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void FileList::setListIndex(int index)
{
    if (index < 0 || index >= listCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex entry = m_model->index(index);
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    scrollTo(entry);
}

QString FileList::fileName() const
{
    const int index = listIndex();
    return index < 0 ? QString() : nameAt(m_model->index(index));
}

QStringList FileList::fileNames() const
{
    return m_model->stringList();
}

QString FileList::nameAt(const QModelIndex &index) const
{
    return m_model->data(index, Qt::DisplayRole).toString();
}

} // namespace tabulo
