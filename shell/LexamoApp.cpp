#include "shell/LexamoApp.h"

#include "shell/Hauptmenue.h"
#include "shell/LexamoHelp.h"

bool LexamoApp::InitInstance()
{
    Application::InitInstance();
    Hauptmenue menu;
    SetMainWindow(&menu);
    menu.DoModal();
    return false;
}

void LexamoApp::OnHelp(int templateId)
{
    LexamoHelp::ShowContextHelp(MainWindow(), templateId);
}
