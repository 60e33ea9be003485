#pragma once

#include "core/files/file_problem.h"

#include <QListWidget>

#include <optional>

namespace tabulo {

// `Dir1`, the folder list of the note dialogs: the folders above the
// current one, outermost first, the current folder, and the folders in it,
// each indented one step further. A click, or Enter on an entry reached with
// the arrow keys, opens that folder; Backspace opens the one above.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Shows a folder. One that cannot be shown leaves the list as it was;
    // the reason is returned then.
    std::optional<FileProblem> setPath(const QString &folder);
    // Reads the folders in the current folder again.
    void refresh();

    // The folders in the current folder, as full paths, in list order.
    QStringList subfolderPaths() const;
    QString entryPath(int row) const;
    int currentFolderRow() const { return m_currentRow; }

signals:
    // The current folder changed (`Dir1_Change`).
    void folderChanged(const QString &folder);
    // The user opened an entry (`Dir1_Click`), after the change it made.
    void folderClicked(const QString &folder);
    // An entry the user opened could not be shown.
    void folderRefused(const QString &folder, tabulo::FileProblem reason);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openEntry(const QString &folder);
    void fill(const QStringList &chain, const QStringList &subfolders);

    QString m_path;
    int m_currentRow = -1;
};

} // namespace tabulo
