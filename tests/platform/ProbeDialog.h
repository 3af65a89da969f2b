#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QColor>
#include <QComboBox>

#include "platform/Dialog.h"

// A small dialog that shows what the framework does with it.
namespace probe {

inline constexpr int TemplateId = 900;
enum : int { List = 100, Edit = 101, Value = 102, Number = 103, Other = 104 };

inline constexpr std::string_view Entries[] = {"Leçon 1", "Leçon 2", "leçon 10", "Zeit"};

inline constexpr ControlTemplate Controls[] = {
    {NoControlId, ControlKind::Text, "Wahl:", 5, 5, 40, 8},
    {List, ControlKind::DropDownList, "", 50, 5, 60, 60, ControlStyle::TabStop, 0, Entries},
    {Edit, ControlKind::Edit, "", 50, 20, 60, 12, ControlStyle::TabStop},
    {Value, ControlKind::Text, "[Wert]", 5, 40, 40, 8},
    {Number, ControlKind::Text, "[anz]", 50, 40, 20, 8, ControlStyle::AlignRight},
    {Other, ControlKind::PushButton, "&Anderes", 70, 40, 50, 14, ControlStyle::TabStop},
    {IdOk, ControlKind::DefaultPushButton, "&OK", 10, 60, 50, 14, ControlStyle::TabStop},
    {IdCancel, ControlKind::PushButton, "&Abbrechen", 70, 60, 50, 14, ControlStyle::TabStop},
};

inline constexpr DialogTemplate ProbeTemplate = {
    TemplateId, "Probe", 130, 80, "MS Shell Dlg", 8, 0, WindowStyle::None, Controls,
};

class Dialog : public ::Dialog {
public:
    explicit Dialog(QWidget* parent = nullptr) : ::Dialog(ProbeTemplate, parent) {}

    std::string Choice = "leçon 1";
    std::string Text;
    std::string ValueText = "Wert";
    int Count = 7;
    QComboBox* ListControl = nullptr;
    std::optional<QColor> ValueColour;

    int InitCalls = 0;
    int CloseCalls = 0;
    int DestroyCalls = 0;
    std::vector<int> SelChanges;
    std::vector<int> Commands;
    bool MapOther = true;
    std::function<void()> OnOther;

protected:
    void BuildMessageMap(MessageMap& map) override
    {
        map.SelChange(List, [this] { SelChanges.push_back(List); });
        if (MapOther)
            map.Command(Other, [this] {
                Commands.push_back(Other);
                if (OnOther)
                    OnOther();
            });
    }
    void DoDataExchange(DataExchange& dx) override
    {
        dx.Text(List, Choice);
        dx.Text(Edit, Text);
        dx.Text(Value, ValueText);
        dx.Int(Number, Count);
        dx.Control(List, ListControl);
    }
    bool OnInitDialog() override
    {
        ++InitCalls;
        return ::Dialog::OnInitDialog();
    }
    std::optional<QColor> ControlColour(int id) const override
    {
        return id == Value ? ValueColour : std::nullopt;
    }
    void OnClose() override
    {
        ++CloseCalls;
        ::Dialog::OnClose();
    }
    void OnDestroy() override { ++DestroyCalls; }
};

}  // namespace probe
