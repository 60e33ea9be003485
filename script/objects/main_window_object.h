#pragma once

#include "vbs/object.h"

#include <QRect>
#include <QString>

#include <functional>
#include <memory>

namespace tabulo {

// "Tabulo": the main window as scripts see it.
//   Caption                     the title shown (the note's file stays the note's)
//   Left, Top, Width, Height    its outer placement, in twips
//   Text1, Text2, Text3         the note, the first and the second total's box
// `Tabulo.Text2 = 5` writes the box, as `TotX = 5` does. Anything else is a
// missing member (438), as on any object.
class MainWindowObject final : public vbs::Object
{
public:
    struct Binding
    {
        std::function<QString()> caption;
        std::function<void(const QString &)> setCaption;
        std::function<QRect()> placementTwips;
        std::function<void(const QRect &)> setPlacementTwips;
        std::shared_ptr<vbs::Object> text1, text2, text3;
    };

    explicit MainWindowObject(Binding binding);

    std::u16string typeName() const override { return u"Form1"; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;

private:
    std::shared_ptr<vbs::Object> box(std::u16string_view name) const;

    Binding m_binding;
};

} // namespace tabulo
