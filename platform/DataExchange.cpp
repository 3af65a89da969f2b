#include "platform/DataExchange.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QtGlobal>

#include "platform/Dialog.h"

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

void SelectByPrefix(QComboBox& list, const QString& prefix)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.itemText(i).startsWith(prefix, Qt::CaseInsensitive)) {
            list.setCurrentIndex(i);
            return;
        }
    }
}

}  // namespace

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate) : Dialog_(dialog), Save_(saveAndValidate)
{
}

QWidget* DataExchange::Find(int id)
{
    QWidget* control = Dialog_.Control(id);
    if (!control)
        Fail(id, "does not exist in the template");
    return control;
}

void DataExchange::Fail(int id, const char* what) const
{
    qFatal("Dialog %d: control %d %s", Dialog_.TemplateId(), id, what);
}

void DataExchange::Text(int id, std::string& value)
{
    QWidget* control = Find(id);
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        if (Save_)
            value = list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
        else
            SelectByPrefix(*list, ToQString(value));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        if (Save_)
            value = label->text().toStdString();
        else
            label->setText(ToQString(value));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (Save_)
            value = edit->text().toStdString();
        else
            edit->setText(ToQString(value));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (Save_)
            value = button->text().toStdString();
        else
            button->setText(ToQString(value));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        if (Save_)
            value = group->title().toStdString();
        else
            group->setTitle(ToQString(value));
    } else {
        Fail(id, "holds no text");
    }
}

void DataExchange::Int(int id, int& value)
{
    if (!Save_) {
        std::string text = std::to_string(value);
        Text(id, text);
        return;
    }
    std::string text;
    Text(id, text);
    bool ok = false;
    const int number = QString::fromStdString(text).trimmed().toInt(&ok);
    if (ok)
        value = number;
    else
        Succeeded_ = false;
}
