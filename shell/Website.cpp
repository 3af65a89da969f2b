#include "shell/Website.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

void OpenWebsite()
{
    QDesktopServices::openUrl(
        QUrl(QString::fromUtf8(WebsiteAddress.data(), static_cast<qsizetype>(WebsiteAddress.size()))));
}
