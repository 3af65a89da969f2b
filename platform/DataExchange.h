#pragma once

#include <QWidget>
#include <string>

class Dialog;

// One pass of a dialog's data exchange, in one direction: either the fields
// go into the controls (showing state) or the controls' contents come back
// into the fields (reading input). Dialog::DoDataExchange lists the bindings
// in order; the same list serves both directions.
class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate);

    // True when the controls are read into the fields.
    bool SaveAndValidate() const { return Save_; }
    // False once a control could not be read (a number that is none).
    bool Succeeded() const { return Succeeded_; }

    // The text of a control: a label, an edit field, a button, a group box.
    // For a drop-down list, reading gives the selected entry's text or an
    // empty text without a selection; writing selects the first entry that
    // begins with value, ignoring case, and leaves the selection alone when
    // none does.
    void Text(int id, std::string& value);
    // A number shown as decimal text.
    void Int(int id, int& value);
    // Binds a control object (QPushButton, QLineEdit, QComboBox, QLabel,
    // PictureControl, ...) to the control with this id.
    template <class T>
    void Control(int id, T*& control)
    {
        control = dynamic_cast<T*>(Find(id));
        if (!control)
            Fail(id, "has no control of the bound kind");
    }

private:
    QWidget* Find(int id);
    [[noreturn]] void Fail(int id, const char* what) const;

    Dialog& Dialog_;
    bool Save_;
    bool Succeeded_ = true;
};
