#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QString>

void ShowMessageBox(QWidget* owner, const std::string& caption, const std::string& text, MessageIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        qtIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        qtIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(qtIcon, QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    owner);
    box.exec();
}
