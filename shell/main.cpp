#include <QApplication>

#include "shell/LexamoApp.h"

namespace {

LexamoApp TheApp;

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TheApp.InitInstance();
    return 0;
}
