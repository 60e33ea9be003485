#pragma once

#include "vbs/locale.h"
#include "vbs/object.h"

#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace tabulo {

class NoteSession;

// "Tabulo": the main window as scripts see it, its properties and controls
// by name.
//   Caption                     the title shown (the note's file stays the note's)
//   Left, Top, Width, Height    its outer placement, in twips
//   Text1, Editor2              the note, as "Text" (the two editors hold the
//                               same note; the selection is the one the user sees)
//   Text2, Text3                the first and the second total's box
//   sbStatusBar(0) ... (5)      the status bar's panels: Caption, read and written
//   Modi                        1 while the note has unsaved changes, else 0
//   PosCronologia               the note's place in its undo history
// `Tabulo.Text2 = 5` writes the box, as `TotX = 5` does. Modi and
// PosCronologia are read only. Any other name fails with an error that names
// it, so a script written for another host learns what is missing here.
class MainWindowObject final : public vbs::Object
{
public:
    static constexpr int statusPanelCount = 6;

    struct Binding
    {
        std::function<QString()> caption;
        std::function<void(const QString &)> setCaption;
        std::function<QRect()> placementTwips;
        std::function<void(const QRect &)> setPlacementTwips;
        std::shared_ptr<vbs::Object> text1, editor2, text2, text3;
        // The text of a status panel, by its index, and its change.
        std::function<QString(int)> statusPanel;
        std::function<void(int, const QString &)> setStatusPanel;
        const NoteSession *session = nullptr; // the state flags
        vbs::Locale locale = vbs::Locale::english(); // how a value written to a panel reads
    };

    explicit MainWindowObject(Binding binding);

    // The names of everything "Tabulo" offers, as the help pages list them.
    static std::vector<std::u16string_view> memberNames();

    std::u16string typeName() const override { return u"Form1"; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;

private:
    std::shared_ptr<vbs::Object> control(std::u16string_view name) const;
    std::shared_ptr<vbs::Object> statusPanel(vbs::Args args) const;
    void setEdge(std::u16string_view name, const vbs::Value &value);

    Binding m_binding;
    std::array<std::shared_ptr<vbs::Object>, statusPanelCount> m_panels;
};

} // namespace tabulo
