#pragma once

#include "core/language/problem_texts.h"
#include "core/theme/colour_numbers.h"

#include <QWidget>

class QColorDialog;
class QGridLayout;
class QLineEdit;

namespace tabulo {

// A small window to find a colour for a theme file: pick it, and read or
// copy it as a colour number in both forms a theme file takes (decimal and
// "&H"), ready to paste after a key's "=". It runs beside the main window
// and the theme file being edited, and closes with Esc.
class ColourPicker : public QWidget
{
    Q_OBJECT
public:
    // `text` gives the window's words in the user's language; without it
    // they are the built-in Italian ones.
    explicit ColourPicker(QWidget *owner = nullptr, const LanguageTextLookup &text = {});

    void setColour(ColourNumber colour);
    ColourNumber colour() const;
    QString decimalText() const;
    QString hexText() const;

    // Shows the window over `owner` (centred on it, all of it on the
    // screen) and brings it to the front.
    void showBeside(QWidget *owner);

private:
    void showNumbers();
    QLineEdit *addNumberRow(
        QGridLayout *grid, int row, const QString &label, const QString &copyCaption, const QString &objectName);

    QColorDialog *m_dialog = nullptr;
    QLineEdit *m_decimal = nullptr;
    QLineEdit *m_hex = nullptr;
};

} // namespace tabulo
