#include "ui/language/language_targets.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace tabulo {

namespace {

// A caption longer than this would stretch its menu or button past any
// screen; the rest of the text is of no use there.
constexpr qsizetype maxCaptionLength = 100;

QString fitted(const QString &caption)
{
    if (caption.size() <= maxCaptionLength)
        return caption;
    return caption.first(maxCaptionLength - 1) + QChar(0x2026);
}

void setCaption(QObject *control, const QString &caption)
{
    if (auto *menu = qobject_cast<QMenu *>(control))
        menu->setTitle(caption);
    else if (auto *item = qobject_cast<QAction *>(control))
        item->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(caption);
}

void setToolTip(QObject *control, const QString &tip)
{
    if (auto *menu = qobject_cast<QMenu *>(control))
        menu->menuAction()->setToolTip(tip);
    else if (auto *item = qobject_cast<QAction *>(control))
        item->setToolTip(tip);
    else if (auto *widget = qobject_cast<QWidget *>(control))
        widget->setToolTip(tip);
}

void setAccessibleNames(QWidget *window, const char *objectName, const QString &text)
{
    // Every control of the name: the main window's two editors each have a
    // running total column.
    const QString name = spokenName(text);
    const QList<QWidget *> controls = window->findChildren<QWidget *>(QLatin1String(objectName));
    for (QWidget *control : controls)
        control->setAccessibleName(name);
}

} // namespace

QString withoutAccessKeys(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

QString spokenName(const QString &text)
{
    QString spoken;
    spoken.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                spoken += text[++i];
            continue;
        }
        spoken += text[i];
    }
    spoken = spoken.trimmed();
    for (const QString &closing : {QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":")}) {
        if (spoken.endsWith(closing))
            spoken = spoken.chopped(closing.size()).trimmed();
    }
    return spoken;
}

void nameForScreenReaders(QWidget *control, const QString &languageText)
{
    if (control)
        control->setAccessibleName(spokenName(languageText));
}

void applyLanguageTargets(QWidget *window, LanguageWindow which, const LanguageTexts &texts)
{
    // One pass over the window's children, rather than one search per key.
    QHash<QString, QObject *> controls;
    const QList<QObject *> children = window->findChildren<QObject *>();
    for (QObject *child : children) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !controls.contains(name))
            controls.insert(name, child);
    }

    for (const LanguageKey &key : languageKeys(which)) {
        const std::optional<QString> fromFile = texts.fileText(key.key);
        for (const LanguageTarget &target : key.targets) {
            if (target.kind == TextTarget::None || target.kind == TextTarget::Text)
                continue;
            const QString builtIn = target.builtIn      ? QString::fromUtf8(target.builtIn)
                : target.kind == TextTarget::ToolbarTip ? key.builtInText()
                                                        : QString();
            if (target.kind == TextTarget::WindowCaption) {
                window->setWindowTitle(fromFile ? QStringLiteral("Tabulo - ") + fitted(*fromFile) : builtIn);
                continue;
            }
            if (target.kind == TextTarget::AccessibleName) {
                setAccessibleNames(window, target.object, fromFile.value_or(builtIn));
                continue;
            }
            QObject *control = controls.value(QLatin1String(target.object));
            if (!control)
                continue;
            const QString shown = fitted(fromFile.value_or(builtIn));
            switch (target.kind) {
            case TextTarget::Caption:
                setCaption(control, shown);
                break;
            case TextTarget::ToolbarTip:
                setToolTip(control, withoutAccessKeys(shown));
                if (auto *button = qobject_cast<QWidget *>(control))
                    button->setAccessibleName(spokenName(shown));
                break;
            case TextTarget::ToolTip:
                setToolTip(control, shown);
                break;
            default:
                break;
            }
        }
    }
}

} // namespace tabulo
