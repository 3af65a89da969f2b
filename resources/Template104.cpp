// The results of a quiz: tense, lessons, counts, rate and a face.
#include "resources/ResourceIds.h"
#include "resources/Templates.h"

namespace {

using namespace ControlStyle;

// Id, kind, text, x, y, width, height (dialog units), style, picture.
constexpr ControlTemplate Controls[] = {
    {IdCancel, ControlKind::DefaultPushButton, "&OK", 85, 141, 50, 14, TabStop},
    {NoControlId, ControlKind::GroupBox, "", 7, 4, 208, 125},
    {NoControlId, ControlKind::Text, "Zeit:", 17, 16, 83, 8},
    {NoControlId, ControlKind::Text, "Lektion(en):", 17, 29, 83, 8},
    {NoControlId, ControlKind::Text, "Anzahl Verben:", 17, 44, 83, 8},
    {NoControlId, ControlKind::Text, "Anzahl richtig konjugierte:", 17, 57, 83, 8},
    {NoControlId, ControlKind::Text, "Anzahl falsch konjugierte:", 17, 70, 83, 8},
    {NoControlId, ControlKind::Text, "Erfolgsquote:", 18, 86, 82, 8},
    {1015, ControlKind::Text, "[Zeit]", 108, 16, 103, 8},
    {1016, ControlKind::Text, "[Lektion(en)]", 108, 29, 103, 8},
    {1017, ControlKind::Text, "[anz]", 107, 44, 23, 8, AlignRight},
    {1018, ControlKind::Text, "[anz]", 107, 57, 23, 8, AlignRight},
    {1019, ControlKind::Text, "[anz]", 107, 70, 23, 8, AlignRight},
    {1020, ControlKind::Text, "[x%]", 107, 86, 23, 8, AlignRight},
    {1021, ControlKind::Icon, "", 100, 103, 21, 20, None, Resource::SmilingFace},
};

}  // namespace

const DialogTemplate ResultsTemplate104 = {
    Resource::ResultsTemplate, "Ende der Verbenabfrage", 222, 162, "MS Shell Dlg", 8, 0, WindowStyle::None,
    Controls,
};
