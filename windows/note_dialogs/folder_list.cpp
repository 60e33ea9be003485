#include "windows/note_dialogs/folder_list.h"

#include "core/note_dialogs/folder_listing.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace tabulo {

namespace {

constexpr int pathRole = Qt::UserRole;

QString entryName(const QString &folder)
{
    const QString name = QDir(folder).dirName();
    return name.isEmpty() ? folder : name;
}

} // namespace

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { openEntry(item->data(pathRole).toString()); });
}

std::optional<FileProblem> FolderList::setPath(const QString &folder)
{
    const QString cleaned = QDir::cleanPath(folder);
    if (const auto problem = folderProblem(cleaned))
        return problem;
    const bool changed = cleaned != m_path;
    m_path = cleaned;
    fill(folderChain(cleaned), listSubfolders(cleaned));
    if (changed)
        emit folderChanged(m_path);
    return std::nullopt;
}

void FolderList::refresh()
{
    if (!m_path.isEmpty())
        fill(folderChain(m_path), listSubfolders(m_path));
}

QStringList FolderList::subfolderPaths() const
{
    QStringList paths;
    for (int row = m_currentRow + 1; row < count(); ++row)
        paths << entryPath(row);
    return paths;
}

QString FolderList::entryPath(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry ? entry->data(pathRole).toString() : QString();
}

void FolderList::fill(const QStringList &chain, const QStringList &subfolders)
{
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString step = QStringLiteral("  ");
    clear();
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        auto *entry = new QListWidgetItem(openIcon, step.repeated(depth) + entryName(chain[depth]), this);
        entry->setData(pathRole, chain[depth]);
        entry->setToolTip(chain[depth]);
    }
    m_currentRow = int(chain.size()) - 1;
    const QString indent = step.repeated(chain.size());
    for (const QString &name : subfolders) {
        const QString folder = pathInFolder(m_path, name);
        auto *entry = new QListWidgetItem(closedIcon, indent + name, this);
        entry->setData(pathRole, folder);
        entry->setToolTip(folder);
    }
    setCurrentRow(m_currentRow);
}

void FolderList::openEntry(const QString &folder)
{
    if (folder.isEmpty())
        return;
    if (const auto problem = setPath(folder)) {
        // The entry may have vanished: show what is there now.
        refresh();
        emit folderRefused(folder, *problem);
        return;
    }
    emit folderClicked(m_path);
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (opens && currentRow() >= 0 && currentRow() != m_currentRow) {
        openEntry(entryPath(currentRow()));
        return;
    }
    if (key == Qt::Key_Backspace && m_currentRow > 0) {
        openEntry(entryPath(m_currentRow - 1));
        return;
    }
    if (opens) {
        // Enter on the folder already open goes to the dialog's default button.
        event->ignore();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace tabulo
