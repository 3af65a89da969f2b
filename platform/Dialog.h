#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPoint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/DataExchange.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/MessageMap.h"

class QAction;
class QEventLoop;
class QMenuBar;

// A modal dialog built from a numbered template (see DESIGN.md beside this
// file). The controls exist from construction; each modal run starts from the
// template's state ("the window is created"), runs OnInitDialog, and ends
// with OnDestroy ("the window is destroyed").
//
// Commands: a button's click, a menu item, Enter (the default button) and
// Escape (command 2) all come to SendCommand, which calls the handler of the
// message map or, for commands 1 and 2 without one, the defaults: 1 reads the
// controls back and ends the run with 1, 2 ends the run with 2. The window's
// own close comes to OnClose, whose default is command 2.
class Dialog : public QDialog {
public:
    explicit Dialog(int templateId, QWidget* parent = nullptr);
    Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~Dialog() override;

    int TemplateId() const { return Template_.Id; }
    const DialogTemplate& Template() const { return Template_; }

    // Runs the dialog modally until EndDialog or a quit request; returns the
    // code it ended with (-1 for a quit request). Without a parent, the
    // dialog is owned for the run by the application's current main window
    // if that window is open.
    int DoModal();
    // Ends the modal run with code once the current handler has returned;
    // called while the dialog initialises, the window never shows.
    void EndDialog(int code);
    // True from the start of a modal run to its end.
    bool IsWindowOpen() const { return WindowOpen_; }

    // Runs DoDataExchange in one direction; shows the control colours again
    // after writing. False when a control could not be read.
    bool UpdateData(bool saveAndValidate = true);

    // A command as a control or menu item would send it.
    void SendCommand(int id);
    // The close request, handled after the current handler has returned
    // (OnClose, as the window's close box would).
    void PostClose();

    // The control with this id, or nullptr.
    QWidget* Control(int id) const;
    template <class T>
    T* ControlAs(int id) const
    {
        return dynamic_cast<T*>(Control(id));
    }
    // Every control in template order.
    const std::vector<QWidget*>& Controls() const { return ControlList_; }

    // The menu bar's item of a command, or nullptr.
    QAction* MenuCommand(int id) const;
    // Replaces the text of a menu item, addressed by its command.
    void SetMenuText(int commandId, const std::string& text);
    QMenuBar* MenuBar() const { return MenuBar_; }

    // Gives a control a bold copy of its own font.
    void MakeBold(int id);
    // Applies ControlColour to every static text now.
    void RefreshControlColours();

    // Hides the window without ending its run; RestoreWindow shows it again
    // where it was, activated and not minimised.
    void HideWindow();
    void RestoreWindow();

    BaseUnits DialogBaseUnits() const { return Units_; }

protected:
    virtual void BuildMessageMap(MessageMap& map);
    virtual void DoDataExchange(DataExchange& dx);
    // The base writes the fields into the controls. True lets the focus go
    // to the first control with a tab stop.
    virtual bool OnInitDialog();
    // The text colour of a static text, asked whenever state is shown; none
    // keeps the default colour.
    virtual std::optional<QColor> ControlColour(int id) const;
    // The window's close box, Alt+F4 or PostClose. The default is command 2.
    virtual void OnClose();
    // The end of a modal run, before the window goes.
    virtual void OnDestroy();

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public:
    // QDialog's own ways to end a dialog come back as commands.
    void accept() override;
    void reject() override;
    void done(int code) override;

private:
    friend class Application;

    void BuildWindow();
    void ApplyTemplateState();
    void EnsureMessageMap();
    void FocusFirstTabStop();
    void SelectionChanged(int controlId);
    void EndRun(int code);

    const DialogTemplate& Template_;
    QFont Font_;
    BaseUnits Units_;
    QWidget* Client_ = nullptr;
    QMenuBar* MenuBar_ = nullptr;
    std::vector<QWidget*> ControlList_;
    std::map<int, QWidget*> ControlsById_;
    std::map<int, QAction*> MenuCommands_;
    MessageMap Map_;
    bool MapBuilt_ = false;
    int Quiet_ = 0;  // > 0 while the layer itself changes controls

    QEventLoop* Loop_ = nullptr;
    bool WindowOpen_ = false;
    bool Ended_ = false;
    int Result_ = 0;
    std::optional<QPoint> SavedPosition_;
};
