// A look at the note dialogs before they are part of the main window: a
// plain editor window hosts them on a program folder given on the command
// line, with the real message boxes and desktop.
//
//   note_dialogs_preview PROGRAM_FOLDER open|save [--maximized]

#include "core/files/text_codec.h"
#include "core/files/text_file.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/note_dialogs/form2.h"
#include "windows/note_dialogs/form4.h"
#include "windows/note_dialogs/note_dialog_host.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>

using namespace tabulo;

class PreviewHost final : public NoteDialogHost
{
public:
    explicit PreviewHost(const QString &programFolder)
    {
        m_context.programFolder = programFolder;
        m_context.prompts = &m_prompts;
        m_context.desktop = &m_desktop;
        m_editor.setPlainText(QStringLiteral("+12.50 bread\n-3 change\n*2"));
        m_editor.setWindowTitle(QStringLiteral("Tabulo"));
        m_editor.setGeometry(200, 150, 640, 480);
    }
    QPlainTextEdit &editor() { return m_editor; }

    QWidget *hostWindow() override { return &m_editor; }
    const ProgramContext &context() const override { return m_context; }
    QString languageText(int) const override { return {}; }
    bool openNote(const QString &path) override
    {
        FileResult failure;
        const auto text = readNoteFile(path, &failure);
        if (!text) {
            m_prompts.showError(&m_editor, QStringLiteral("%1 could not be read:\n%2").arg(path, failure.error));
            return false;
        }
        m_editor.setPlainText(fromCrLf(*text));
        m_editor.setWindowTitle(path);
        return true;
    }
    bool saveNoteAs(const QString &path) override
    {
        const FileResult saved = saveNoteFile(path, toCrLf(m_editor.toPlainText()));
        if (!saved.ok) {
            m_prompts.showError(&m_editor, QStringLiteral("%1 could not be saved:\n%2").arg(path, saved.error));
            return false;
        }
        m_editor.setWindowTitle(path);
        return true;
    }
    QString currentNotePath() const override { return m_editor.windowTitle(); }
    void noteFileDeleted(const QString &) override { m_editor.document()->setModified(true); }
    void dialogClosed() override
    {
        m_editor.setEnabled(true);
        m_editor.setFocus();
    }

private:
    QPlainTextEdit m_editor;
    DialogPrompts m_prompts;
    SystemDesktop m_desktop;
    ProgramContext m_context;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: note_dialogs_preview PROGRAM_FOLDER open|save [--maximized]\n");
        return 2;
    }
    PreviewHost host(args[1]);
    if (args.contains(QStringLiteral("--maximized")))
        host.editor().showMaximized();
    else
        host.editor().show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    // Open once the window manager has framed the main window.
    QTimer::singleShot(500, &host.editor(), [&] {
        if (args[2] == QLatin1String("save"))
            Form4::open(host);
        else
            Form2::open(host);
    });
    return app.exec();
}
