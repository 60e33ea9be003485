#include "windows/script_output/window_objects.h"

#include "core/session/note_session.h"
#include "core/settings/twips.h"
#include "script/objects/main_window_object.h"
#include "script/objects/note_text_object.h"
#include "script/objects/script_text_box.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

namespace tabulo {

ScriptRun::WindowObjects bindWindowObjects(NoteSession &session, QWidget *mainWindow,
    std::function<QPlainTextEdit *()> visibleEditor, const vbs::Locale &locale,
    std::function<QLabel *(int)> statusPanel)
{
    NoteSession *note = &session;
    QPointer<QWidget> window(mainWindow);

    NoteTextObject::Binding text;
    text.session = note;
    text.selection = [note, visibleEditor]() -> NoteTextObject::Selection {
        QPlainTextEdit *editor = visibleEditor ? visibleEditor() : nullptr;
        if (!editor)
            return {};
        const QTextCursor cursor = editor->textCursor();
        const qsizetype start = note->notePosition(cursor.selectionStart());
        return {start, note->notePosition(cursor.selectionEnd()) - start};
    };
    text.select = [note, visibleEditor](NoteTextObject::Selection s) {
        QPlainTextEdit *editor = visibleEditor ? visibleEditor() : nullptr;
        if (!editor)
            return;
        QTextCursor cursor(editor->document());
        cursor.setPosition(int(note->editorPosition(s.start)));
        cursor.setPosition(int(note->editorPosition(s.start + s.length)), QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    };
    auto textObject = std::make_shared<NoteTextObject>(std::move(text), locale);

    auto totX = std::make_shared<ScriptTextBox>(
        u"TextBox", [note] { return note->totX(); }, [note](const QString &t) { note->setTotX(t); }, locale);
    auto totY = std::make_shared<ScriptTextBox>(
        u"TextBox", [note] { return note->totY(); }, [note](const QString &t) { note->setTotY(t); }, locale);

    MainWindowObject::Binding form;
    form.caption = [window] { return window ? window->windowTitle() : QString(); };
    form.setCaption = [window](const QString &caption) {
        if (window)
            window->setWindowTitle(caption);
    };
    form.placementTwips = [window]() -> QRect {
        if (!window)
            return {};
        const QRect frame = window->frameGeometry();
        const Twips scale = Twips::forDpi(window->logicalDpiX());
        return {qRound(scale.fromPixels(frame.x())), qRound(scale.fromPixels(frame.y())),
            qRound(scale.fromPixels(frame.width())), qRound(scale.fromPixels(frame.height()))};
    };
    form.setPlacementTwips = [window](const QRect &twips) {
        if (!window)
            return;
        const Twips scale = Twips::forDpi(window->logicalDpiX());
        const QRect frame = window->frameGeometry();
        const QSize decoration = frame.size() - window->geometry().size();
        window->move(scale.toPixels(twips.x()), scale.toPixels(twips.y()));
        window->resize(std::max(1, scale.toPixels(twips.width()) - decoration.width()),
            std::max(1, scale.toPixels(twips.height()) - decoration.height()));
    };
    form.text1 = textObject;
    form.editor2 = textObject;
    form.text2 = totX;
    form.text3 = totY;
    // A panel written by the script shows its text until the window writes
    // that panel again (the status word at the next change, the clock).
    form.statusPanel = [statusPanel](int index) {
        const QLabel *panel = statusPanel ? statusPanel(index) : nullptr;
        return panel ? panel->text() : QString();
    };
    form.setStatusPanel = [statusPanel](int index, const QString &text) {
        if (QLabel *panel = statusPanel ? statusPanel(index) : nullptr)
            panel->setText(text);
    };
    form.session = note;
    form.locale = locale;

    return {std::make_shared<MainWindowObject>(std::move(form)), textObject, totX, totY};
}

} // namespace tabulo
