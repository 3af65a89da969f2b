#include "shell/LexamoInfo.h"

#include "resources/ResourceIds.h"
#include "shell/LexamoVersion.h"

LexamoInfo::LexamoInfo(QWidget* parent) : Dialog(Resource::AboutTemplate, parent)
{
}

void LexamoInfo::DoDataExchange(DataExchange& dx)
{
    Dialog::DoDataExchange(dx);
    dx.Text(VersionLabel, VersionText_);
}

bool LexamoInfo::OnInitDialog()
{
    Dialog::OnInitDialog();
    VersionText_ = "Lexamo Version " + LexamoVersionText();
    UpdateData(false);
    return true;  // the focus goes to "&OK"
}

void ShowAboutBox()
{
    LexamoInfo box;
    box.DoModal();
}
