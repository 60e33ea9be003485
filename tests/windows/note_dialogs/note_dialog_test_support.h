#pragma once

// What the note dialogs' widget tests share: boxes answered from a script,
// a desktop that records, and a main window stand-in on a temporary program
// folder that reads and writes real note files and records every call.

#include "core/files/text_file.h"
#include "tests/core/file_bytes.h"
#include "tests/ui/accessibility/accessible_controls.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/note_dialogs/note_dialog_host.h"

#include <QAbstractItemView>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <deque>
#include <functional>
#include <tuple>

namespace tabulo::testing {

// A box the script did not foresee fails the test and counts as cancelled,
// so no test can wait for a click.
class ScriptedPrompts final : public Prompts
{
public:
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> texts;
    QStringList questions, informations, warnings, errors, textPrompts;

    Answer askYesNoCancel(QWidget *, const QString &text) override
    {
        questions << text;
        if (!expected(!answers.empty(), text))
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    Answer askYesNo(QWidget *, const QString &text) override
    {
        expected(false, text);
        return Answer::No;
    }
    void showInformation(QWidget *, const QString &text) override { informations << text; }
    void showWarning(QWidget *, const QString &text) override { warnings << text; }
    int askScriptMessage(QWidget *, const QString &text, const QString &, int) override
    {
        errors << QStringLiteral("unexpected script message: ") + text;
        return 1;
    }
    void showError(QWidget *, const QString &text) override { errors << text; }
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &, const QString &) override
    {
        textPrompts << prompt;
        if (!expected(!texts.empty(), prompt))
            return std::nullopt;
        std::optional<QString> text;
        text.swap(texts.front());
        texts.pop_front();
        return text;
    }
    std::optional<QString> askSavePath(QWidget *, const QString &folder) override
    {
        expected(false, folder);
        return std::nullopt;
    }

private:
    static bool expected(bool scripted, const QString &text)
    {
        if (!scripted && !QTest::currentTestFailed())
            QTest::qFail(qPrintable("A box the test did not expect: " + text), __FILE__, __LINE__);
        return scripted;
    }
};

class RecordingDesktop final : public Desktop
{
public:
    QStringList folders;
    bool works = true;

    bool openInTextEditor(const QString &) override { return works; }
    bool openFolder(const QString &path) override
    {
        folders << path;
        return works;
    }
    bool openWithAssociatedProgram(const QString &) override { return works; }
    bool startProgram(const QString &, const QStringList &) override { return works; }
};

class FakeHost final : public NoteDialogHost
{
public:
    FakeHost()
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("Data"));
        m_context.programFolder = m_folder.path();
        m_context.prompts = &prompts;
        m_context.desktop = &desktop;
        window.setGeometry(100, 80, 640, 460);
        window.show();
    }

    QWidget window;
    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    QHash<int, QString> language;
    QString note = QStringLiteral("+1\r\n+2");
    QString notePath;
    QStringList opened, saved, deleted;
    bool saveWorks = true;
    std::function<void()> duringSave; // what a save does besides writing
    int closedCount = 0;

    QString programFile(const QString &name) const { return m_folder.filePath(name); }
    QString projects() const { return programFile(QStringLiteral("Db")); }
    QString dirIni() const { return programFile(QStringLiteral("Data/Dir.ini")); }

    QWidget *hostWindow() override { return &window; }
    const ProgramContext &context() const override { return m_context; }
    QString languageText(int key) const override { return language.value(key); }
    bool openNote(const QString &path) override
    {
        opened << path;
        const auto text = readNoteFile(path);
        if (text)
            std::tie(note, notePath) = std::pair(*text, path);
        return text.has_value();
    }
    bool saveNoteAs(const QString &path) override
    {
        saved << path;
        if (!saveWorks || !saveNoteFile(path, note).ok)
            return false;
        notePath = path;
        if (duringSave)
            duringSave();
        return true;
    }
    QString currentNotePath() const override { return notePath; }
    void noteFileDeleted(const QString &path) override { deleted << path; }
    void dialogClosed() override
    {
        ++closedCount;
        window.setEnabled(true);
    }

private:
    QTemporaryDir m_folder;
    ProgramContext m_context;
};

// Opens a dialog and waits until it has the focus, as on a desktop.
template<typename Dialog> Dialog *openActive(FakeHost &host)
{
    Dialog *dialog = Dialog::open(host);
    if (!QTest::qWaitForWindowActive(dialog))
        QTest::qFail("The dialog never became the active window", __FILE__, __LINE__);
    return dialog;
}

// What a screen reader finds in a note dialog opened in the host's
// language: the controls it could not name (nothing, when all have names),
// then the names of the folder list, the file list and the name field. A
// letter is typed into the field first, which shows the open dialog's clear
// button.
template<typename Dialog> QStringList screenReaderView(FakeHost &host)
{
    QPointer<Dialog> dialog = openActive<Dialog>(host);
    QTest::keyClicks(dialog->Text1, QStringLiteral("a"));
    const QStringList view {unnamedControls(dialog), accessibleName(dialog->Dir1), accessibleName(dialog->File1),
        accessibleName(dialog->Text1)};
    dialog->close();
    return view;
}

inline bool makeFiles(const QString &folder, const QStringList &names, const QByteArray &bytes = "+1\r\n")
{
    return QDir().mkpath(folder) && std::all_of(names.begin(), names.end(), [&](const QString &name) {
        return test::writeBytes(folder + QLatin1Char('/') + name, bytes);
    });
}

// Where a row stands once the view has laid its rows out.
inline QPoint rowCentre(QAbstractItemView *view, int row)
{
    view->doItemsLayout();
    return view->visualRect(view->model()->index(row, 0)).center();
}

} // namespace tabulo::testing
