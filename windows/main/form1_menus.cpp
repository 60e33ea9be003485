#include "windows/main/form1.h"

#include "windows/main/note_editor.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace tabulo {

QAction *Form1::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    if (!shortcut.isEmpty()) {
        item->setShortcut(shortcut);
        // The editors must not take the menu's keys (Ctrl+Z is the note's
        // Undo, not the widget's).
        item->setShortcutContext(Qt::WindowShortcut);
    }
    m_actions.insert(name, item);
    return item;
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    const bool totalsAtTop = m_context.variant == LayoutVariant::TotalAtTop;

    QMenu *file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("FileX"));
    addItem(
        file, QStringLiteral("NuovaIstanzaX"), QStringLiteral("Nuova Istanza..."), QKeySequence(Qt::CTRL | Qt::Key_F8));
    addItem(file, QStringLiteral("New_Calc"), QStringLiteral("Nuovo File"), QKeySequence(Qt::Key_F8));
    addItem(file, QStringLiteral("Load_Calc"), QStringLiteral("Carica File..."), QKeySequence(Qt::Key_F3));
    addItem(
        file, QStringLiteral("RicaricaUltimoFileX"), QStringLiteral("Ricarica ultimo file"), QKeySequence(Qt::Key_F9));
    addItem(file, QStringLiteral("SaveX"), QStringLiteral("Salva"), QKeySequence(Qt::Key_F2));
    addItem(file, QStringLiteral("Save_Calc"), QStringLiteral("Salva con Nome..."), QKeySequence(Qt::Key_F6));
    file->addSeparator();

    QMenu *settings = file->addMenu(QStringLiteral("Impostazioni"));
    settings->setObjectName(QStringLiteral("ImpostazioniX"));
    QMenu *colours = settings->addMenu(QStringLiteral("Colori"));
    colours->setObjectName(QStringLiteral("ColoriX"));
    addItem(colours, QStringLiteral("CreaTemaX"), QStringLiteral("Crea Tema..."));
    addItem(colours, QStringLiteral("GestisciTemiX"), QStringLiteral("Gestisci Temi..."));
    colours->addSeparator();
    addItem(colours, QStringLiteral("ThemeChoiseX(0)"), QStringLiteral("Temi"));
    QMenu *language = settings->addMenu(QStringLiteral("Lingua"));
    language->setObjectName(QStringLiteral("LinguaX"));
    addItem(language, QStringLiteral("GestisciLinguaX"), QStringLiteral("Gestisci Lingua..."));
    language->addSeparator();
    addItem(language, QStringLiteral("LanguageChoiseX(0)"), QStringLiteral("Italiano"));
    QMenu *editor = settings->addMenu(QStringLiteral("Editor"));
    editor->setObjectName(QStringLiteral("EditorX"));
    QAction *both
        = addItem(editor, QStringLiteral("VerticaleOrizzonateX"), QStringLiteral("Scrolling Verticale e Orizzonate"));
    both->setCheckable(true);
    both->setChecked(true);
    addItem(editor, QStringLiteral("SoloVerticaleX"), QStringLiteral("Scrolling Solo Verticale"))->setCheckable(true);
    addItem(settings, QStringLiteral("SempreInPrimoPianoX"), QStringLiteral("Sempre in Primo Piano"))
        ->setCheckable(true);
    addItem(settings, QStringLiteral("TrasparenteX"), QStringLiteral("Trasparente"))->setCheckable(true);
    addItem(settings, QStringLiteral("ResettaInterfacciaX"), QStringLiteral("Resetta Interfaccia"));
    QAction *toolbar = addItem(settings, QStringLiteral("MostraStrumentiX"), QStringLiteral("Mostra Strumenti"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    addItem(settings, QStringLiteral("ColonnaTotaliX"), QStringLiteral("Mostra Totali di Riga"))->setCheckable(true);
    if (totalsAtTop)
        addItem(settings, QStringLiteral("TotaleInBassoX"), QStringLiteral("Totale In Basso"));
    else
        addItem(settings, QStringLiteral("TotaleInAltoX"), QStringLiteral("Totale In Alto"));
    file->addSeparator();
    addItem(file, QStringLiteral("QuitX"), QStringLiteral("Esci"), QKeySequence(Qt::Key_F12));

    QMenu *edit = bar->addMenu(QStringLiteral("Menu"));
    edit->setObjectName(QStringLiteral("Edit_X"));
    m_editMenu = edit;
    addItem(edit, QStringLiteral("InserisciScriptX"), QStringLiteral("Inserisci Script..."), QKeySequence(Qt::Key_F4));
    addItem(edit, QStringLiteral("EseguiScriptX"), QStringLiteral("Esegui Tabulo Script..."), QKeySequence(Qt::Key_F5));
    edit->addSeparator();
    addItem(edit, QStringLiteral("VaiSuX"), QStringLiteral("Vai Su"));
    addItem(edit, QStringLiteral("VaiGiuX"), QStringLiteral("Vai Giù"));
    edit->addSeparator();
    addItem(edit, QStringLiteral("AnnullaX"), QStringLiteral("Annulla"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    addItem(edit, QStringLiteral("RipetiX"), QStringLiteral("Ripeti"), QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(edit, QStringLiteral("TagliaX"), QStringLiteral("Taglia (CTRL+X)"));
    addItem(edit, QStringLiteral("CopiaX"), QStringLiteral("Copia (CTRL+C)"));
    addItem(edit, QStringLiteral("IncollaX"), QStringLiteral("Incolla (CTRL+V)"));
    addItem(edit, QStringLiteral("EliminaX"), QStringLiteral("Elimina (CANC)"));
    edit->addSeparator();
    addItem(edit, QStringLiteral("SelezionaTuttoX"), QStringLiteral("Seleziona Tutto  (CTRL+A)"),
        QKeySequence(Qt::CTRL | Qt::Key_A));
    edit->addSeparator();
    addItem(edit, QStringLiteral("TrovaSostituisciX"), QStringLiteral("Trova e Sostituisci..."),
        QKeySequence(Qt::CTRL | Qt::Key_F));
    edit->addSeparator();
    QMenu *enterKey = edit->addMenu(QStringLiteral("Tasto Invio"));
    enterKey->setObjectName(QStringLiteral("addX"));
    auto *enterModes = new QActionGroup(this);
    for (const auto &[name, caption] : {std::pair {"O5", "Niente"}, {"O1", "Aggiungi (+)"}, {"O2", "Aggiungi (-)"},
             {"O3", "Aggiungi (*)"}, {"O4", "Aggiungi (/)"}}) {
        QAction *mode = addItem(enterKey, QString::fromLatin1(name), QString::fromUtf8(caption));
        mode->setCheckable(true);
        enterModes->addAction(mode);
    }
    addItem(edit, QStringLiteral("Split_String"), QStringLiteral("Separa Stringa"));
    addItem(edit, QStringLiteral("AggiungiSegnoInizialeX"), QStringLiteral("Aggiungi Segno Iniziale"),
        QKeySequence(Qt::Key_F7));
    addItem(edit, QStringLiteral("RimuoviSegnoInizialeX"), QStringLiteral("Rimuovi Segno Iniziale"),
        QKeySequence(Qt::SHIFT | Qt::Key_F7));
    edit->addSeparator();
    addItem(edit, QStringLiteral("EsportaX"), QStringLiteral("Esporta"), QKeySequence(Qt::SHIFT | Qt::Key_F5));
    addItem(edit, QStringLiteral("EsportaHtmlX"), QStringLiteral("Esporta in HTML..."),
        QKeySequence(Qt::CTRL | Qt::Key_F5));
    edit->addSeparator();
    addItem(edit, QStringLiteral("CalcolatriceX"), QStringLiteral("Calcolatrice"), QKeySequence(Qt::CTRL | Qt::Key_F7));
    edit->addSeparator();

    // The tray's pop-up menu never stands in the menu bar.
    m_trayBar = new QMenu(QStringLiteral("TrayBar"), this);
    m_trayBar->setObjectName(QStringLiteral("TrayBar"));
    addItem(m_trayBar, QStringLiteral("Mostra"), QStringLiteral("Mostra Tabulo..."));
    m_trayBar->addSeparator();
    addItem(m_trayBar, QStringLiteral("ChiudiMenu"), QStringLiteral("Chiudi questo menù"));
    addItem(m_trayBar, QStringLiteral("Fine"), QStringLiteral("Esci da Tabulo"));

    for (const auto &[name, caption] :
        {std::pair {"AumentaTestoX", "[+]"}, {"DiminuisciTestoX", "[-]"}, {"NormalizzaTestoX", "[T]"}}) {
        QAction *item = bar->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        m_actions.insert(item->objectName(), item);
    }

    QMenu *help = bar->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("InX"));
    addItem(help, QStringLiteral("AiutoX"), QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    addItem(help, QStringLiteral("InfoX"), QStringLiteral("Info"));

    // The commands this window carries out itself; the others belong to
    // windows and facilities that plug into their items.
    const std::pair<const char *, void (Form1::*)()> handlers[] = {
        {"VerticaleOrizzonateX", &Form1::VerticaleOrizzonateX_Click},
        {"SoloVerticaleX", &Form1::SoloVerticaleX_Click},
        // The menu has already inverted the check mark when this runs.
        {"MostraStrumentiX", &Form1::showToolbarAsChecked},
        {"ResettaInterfacciaX", &Form1::ResettaInterfacciaX_Click},
        {"AumentaTestoX", &Form1::AumentaTestoX_Click},
        {"DiminuisciTestoX", &Form1::DiminuisciTestoX_Click},
        {"NormalizzaTestoX", &Form1::NormalizzaTestoX_Click},
        {"AnnullaX", &Form1::AnnullaX_Click},
        {"RipetiX", &Form1::RipetiX_Click},
    };
    for (const auto &[name, handler] : handlers)
        connect(m_actions.value(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    connect(m_actions.value(QStringLiteral("QuitX")), &QAction::triggered, this, [this] { onQuit.start(); });
    connect(m_actions.value(QStringLiteral("Fine")), &QAction::triggered, this, [this] { onQuit.start(); });
    if (QAction *toTop = m_actions.value(QStringLiteral("TotaleInAltoX")))
        connect(toTop, &QAction::triggered, this, &Form1::TotaleInAltoX_Click);
    if (QAction *toBottom = m_actions.value(QStringLiteral("TotaleInBassoX")))
        connect(toBottom, &QAction::triggered, this, &Form1::TotaleInBassoX_Click);
}

} // namespace tabulo
