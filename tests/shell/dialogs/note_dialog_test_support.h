#pragma once

// What the note dialogs' widget tests share: scripted boxes, a desktop that
// records, and a main window stand-in that keeps a note in memory and
// records every call the dialogs make on it.

#include "file_bytes.h"
#include "files/text_file.h"
#include "note_dialog_host.h"
#include "services/desktop.h"
#include "services/prompts.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <deque>
#include <functional>

namespace tabulo::testing {

// Answers the dialogs' boxes from a script. A box the script did not foresee
// fails the test and counts as cancelled, so no test can wait for a click.
class ScriptedPrompts final : public Prompts
{
public:
    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    void queueText(const std::optional<QString> &text) { m_texts.push_back(text); }

    QStringList questions, informations, errors, textPrompts;

    bool allAnswersUsed() const { return m_answers.empty() && m_texts.empty(); }

    Answer askYesNoCancel(QWidget *, const QString &text) override
    {
        questions << text;
        if (m_answers.empty()) {
            unexpected(text);
            return Answer::Cancel;
        }
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void showInformation(QWidget *, const QString &text) override { informations << text; }
    void showError(QWidget *, const QString &text) override { errors << text; }
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &, const QString &) override
    {
        textPrompts << prompt;
        if (m_texts.empty()) {
            unexpected(prompt);
            return std::nullopt;
        }
        const std::optional<QString> text = m_texts.front();
        m_texts.pop_front();
        return text;
    }
    std::optional<QString> askSavePath(QWidget *, const QString &folder) override
    {
        unexpected(folder);
        return std::nullopt;
    }

private:
    static void unexpected(const QString &text)
    {
        if (!QTest::currentTestFailed())
            QTest::qFail(qPrintable(QStringLiteral("A box the test did not expect: ") + text), __FILE__, __LINE__);
    }

    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_texts;
};

class RecordingDesktop final : public Desktop
{
public:
    QStringList requests;
    bool works = true;

    bool openInTextEditor(const QString &path) override { return record(QStringLiteral("editor ") + path); }
    bool openFolder(const QString &path) override { return record(QStringLiteral("folder ") + path); }
    bool openWithAssociatedProgram(const QString &path) override { return record(QStringLiteral("open ") + path); }
    bool startProgram(const QString &program, const QStringList &) override
    {
        return record(QStringLiteral("start ") + program);
    }

private:
    bool record(const QString &request)
    {
        requests << request;
        return works;
    }
};

// A main window stand-in on a temporary program folder ("Data" in it), shown
// offscreen. It reads and writes real note files.
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
    int closedCount = 0;
    std::function<void()> duringSave; // what the save does besides writing

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
        if (!text)
            return false;
        note = *text;
        notePath = path;
        return true;
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

// Opens a dialog and waits until it has the focus, as it has on a desktop.
template<typename Dialog>
Dialog *openActive(FakeHost &host)
{
    Dialog *dialog = Dialog::open(host);
    if (!QTest::qWaitForWindowActive(dialog))
        QTest::qFail("The dialog never became the active window", __FILE__, __LINE__);
    return dialog;
}

inline bool makeFiles(const QString &folder, const QStringList &names, const QByteArray &bytes = "+1\r\n")
{
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &name : names) {
        if (!test::writeBytes(folder + QLatin1Char('/') + name, bytes))
            return false;
    }
    return true;
}

} // namespace tabulo::testing
