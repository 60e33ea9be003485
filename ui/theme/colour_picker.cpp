#include "ui/theme/colour_picker.h"

#include "core/language/language_keys.h"
#include "ui/theme/theme_colour.h"

#include <QClipboard>
#include <QColorDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace tabulo {

ColourPicker::ColourPicker(QWidget *owner, const LanguageTextLookup &languageText)
    : QWidget(owner, Qt::Window)
{
    const LanguageTextLookup text = languageText ? languageText : LanguageTextLookup(builtInLanguageText);
    setObjectName(QStringLiteral("ColourPicker"));
    setWindowTitle(QStringLiteral("Tabulo - ") + text(LanguageKeys::colourPickerCaption));

    // The toolkit's colour dialog, used as a part of this window.
    m_dialog = new QColorDialog(this);
    m_dialog->setWindowFlags(Qt::Widget);
    m_dialog->setOptions(QColorDialog::DontUseNativeDialog | QColorDialog::NoButtons);
    connect(m_dialog, &QColorDialog::currentColorChanged, this, &ColourPicker::showNumbers);
    // Enter and Esc in the embedded dialog would only hide that part.
    connect(m_dialog, &QDialog::finished, this, [this] {
        m_dialog->show();
        close();
    });

    auto *numbers = new QGridLayout;
    const QString copy = text(LanguageKeys::colourCopy);
    m_decimal = addNumberRow(numbers, 0, text(LanguageKeys::colourNumberLabel), copy, QStringLiteral("decimal"));
    m_hex = addNumberRow(numbers, 1, text(LanguageKeys::colourHexLabel), copy, QStringLiteral("hex"));
    // The example is a theme file's line, the same in every language.
    auto *hint = new QLabel(text(LanguageKeys::colourPickerHint) + QStringLiteral("\nedt_bcol = ")
        + colourNumberAsHex(colourNumber(255, 255, 255)));
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);

    auto *close = new QPushButton(text(LanguageKeys::colourPickerClose));
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_dialog);
    layout->addLayout(numbers);
    layout->addWidget(hint);
    layout->addWidget(close, 0, Qt::AlignRight);

    setColour(colourNumber(255, 255, 255));
}

QLineEdit *ColourPicker::addNumberRow(
    QGridLayout *grid, int row, const QString &label, const QString &copyCaption, const QString &objectName)
{
    auto *field = new QLineEdit;
    field->setObjectName(objectName);
    field->setReadOnly(true);
    auto *caption = new QLabel(label);
    caption->setBuddy(field);
    auto *copy = new QPushButton(copyCaption);
    copy->setObjectName(objectName + QStringLiteral("Copy"));
    connect(copy, &QPushButton::clicked, this, [field] {
        QGuiApplication::clipboard()->setText(field->text());
        field->selectAll();
    });
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(copy, row, 2);
    return field;
}

void ColourPicker::setColour(ColourNumber colour)
{
    m_dialog->setCurrentColor(toQColor(colour));
    showNumbers();
}

ColourNumber ColourPicker::colour() const
{
    return toColourNumber(m_dialog->currentColor());
}

QString ColourPicker::decimalText() const
{
    return m_decimal->text();
}

QString ColourPicker::hexText() const
{
    return m_hex->text();
}

void ColourPicker::showNumbers()
{
    const ColourNumber number = colour();
    m_decimal->setText(colourNumberAsDecimal(number));
    m_hex->setText(colourNumberAsHex(number));
}

void ColourPicker::showBeside(QWidget *owner)
{
    adjustSize();
    QRect frame(QPoint(), size());
    if (owner)
        frame.moveCenter(owner->frameGeometry().center());
    if (const QScreen *shownOn = owner ? owner->screen() : screen()) {
        const QRect available = shownOn->availableGeometry();
        frame.moveLeft(
            std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(
            std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - frame.height())));
    }
    move(frame.topLeft());
    show();
    raise();
    activateWindow();
}

} // namespace tabulo
