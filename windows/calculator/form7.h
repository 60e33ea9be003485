#pragma once

#include "script/calculator/calculator_evaluator.h"

#include <QFont>
#include <QMainWindow>

#include <functional>

class QLineEdit;
class QListView;
class QStringListModel;
class QPushButton;
class QAction;

namespace tabulo {

class Prompts;

// The calculator: a one-line expression evaluated at every keystroke, a
// result that can be sent into the note, and a history of the expressions
// confirmed, sent or abandoned, kept across runs.
class Form7 : public QMainWindow
{
    Q_OBJECT
public:
    struct Host
    {
        Prompts *prompts = nullptr;
        QString dataFolder;
        QLocale locale;
        QFont editorFont; // the note's face and size
        // Puts the result into the note at the caret (replacing a selection).
        std::function<void(const QString &)> insertIntoNote;
    };
    explicit Form7(Host host, QWidget *parent = nullptr);
    // A calculator destroyed with the main window still keeps its history.
    ~Form7() override;

    QLineEdit *TotX = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr; // send the result to the note
    QPushButton *Command2 = nullptr; // "C"
    QListView *List1 = nullptr; // shows the history
    QPushButton *Command3 = nullptr; // clear the history

    // The expressions kept, oldest first; the list only shows them.
    QStringList history() const;
    const QStringListModel *historyModel() const { return m_history; }
    QString historyPath() const;
    QString placementPath() const;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void CancelX_Click();
    void ResetX_Click();
    void List1_Click();
    // The layout pass: fixed width, the list and its button follow the height.
    void Form_Resize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void applyLanguage();
    void loadPlacement();
    void Text1_Change();
    void appendToHistory(const QString &entry);
    void saveFiles();
    int pixels(double twips) const;
    double twips(int pixels) const;

    Host m_host;
    CalculatorEvaluator m_evaluator;
    QStringListModel *m_history = nullptr;
    QString m_clearHistoryPrompt;
    bool m_closed = false;
};

} // namespace tabulo
