#pragma once

#include "core/note_dialogs/file_pattern.h"

#include <QListView>

class QStringListModel;

namespace tabulo {

// `File1`, the file list of the note dialogs: the files of one folder whose
// names match a pattern, ignoring case, in list order. Built for big
// folders: ten thousand notes list at once.
class FileList : public QListView
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    QString pattern() const { return m_pattern; }
    // Each lists the files again, with none selected.
    void setPath(const QString &folder);
    void setPattern(const QString &pattern);
    void refresh();

    int listCount() const;
    // The selected entry; -1 when none is.
    int listIndex() const;
    // Selects an entry; -1, or one past the end, selects none.
    void setListIndex(int index);
    // The selected file's name; empty when none is selected.
    QString fileName() const;
    QStringList fileNames() const;

signals:
    // The selection moved to a file, by mouse, keyboard or code.
    void fileSelected(const QString &name);
    // A click on a file (`File1_Click`), after its selection.
    void fileClicked(const QString &name);
    void fileDoubleClicked(const QString &name);

private:
    QString nameAt(const QModelIndex &index) const;

    QStringListModel *m_model = nullptr;
    QString m_path;
    QString m_pattern = noteFilePattern();
};

} // namespace tabulo
