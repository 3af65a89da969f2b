#pragma once

#include <string>

#include "platform/Dialog.h"

// The about box: the application icon and "Lexamo Version 3.0.x".
class LexamoInfo : public Dialog {
public:
    enum ControlId { VersionLabel = 1015 };

    explicit LexamoInfo(QWidget* parent = nullptr);

    const std::string& VersionText() const { return VersionText_; }

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;

private:
    std::string VersionText_;
};

// Command 117 of both dialogs: the about box, modal over the current main window.
void ShowAboutBox();
