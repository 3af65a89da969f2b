#include "platform/Dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QtGlobal>
#include <algorithm>

#include "platform/Application.h"
#include "platform/PictureControl.h"

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const DialogTemplate& TemplateById(int id)
{
    const DialogTemplate* found = FindDialogTemplate(id);
    if (!found)
        qFatal("No dialog template %d", id);
    return *found;
}

Qt::Alignment TextAlignment(unsigned style)
{
    Qt::Alignment alignment = Qt::AlignLeft;
    if (style & ControlStyle::AlignRight)
        alignment = Qt::AlignRight;
    else if (style & ControlStyle::AlignCenter)
        alignment = Qt::AlignHCenter;
    return alignment | ((style & ControlStyle::CenterVertically) ? Qt::AlignVCenter : Qt::AlignTop);
}

bool HasTabStop(const ControlTemplate& control)
{
    return (control.Style & ControlStyle::TabStop) != 0;
}

// Keeps the layer's own changes to the controls from reaching the message
// map as if the user had made them.
class QuietScope {
public:
    explicit QuietScope(int& depth) : Depth_(depth) { ++Depth_; }
    ~QuietScope() { --Depth_; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    int& Depth_;
};

}  // namespace

Dialog::Dialog(int templateId, QWidget* parent) : Dialog(TemplateById(templateId), parent)
{
}

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), Template_(dialogTemplate)
{
    BuildWindow();
    ApplyTemplateState();
}

Dialog::~Dialog() = default;

void Dialog::BuildWindow()
{
    Qt::WindowFlags flags = (Template_.Style & WindowStyle::AppWindow) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (Template_.Style & WindowStyle::MinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);

    Font_ = DialogFont(Template_.FontName, Template_.FontPointSize);
    setFont(Font_);
    Units_ = BaseUnitsOf(Font_, this);

    Client_ = new QWidget(this);
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& item : Template_.Controls) {
        const QRect rect = DialogUnitsToPixels(item.X, item.Y, item.Width, item.Height, Units_);
        QWidget* control = nullptr;
        switch (item.Kind) {
        case ControlKind::GroupBox:
            control = new QGroupBox(Client_);
            break;
        case ControlKind::Text: {
            auto* label = new QLabel(Client_);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(TextAlignment(item.Style));
            control = label;
            break;
        }
        case ControlKind::Icon:
        case ControlKind::Bitmap:
            control = new PictureControl(Client_);
            break;
        case ControlKind::Edit:
            control = new QLineEdit(Client_);
            break;
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(Client_);
            list->setEditable(false);
            // A scrolling list of the template's height rather than a menu of
            // every entry, which some styles prefer.
            list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
            const int closedHeight = std::min(list->sizeHint().height(), rect.height());
            const int itemHeight = std::max(1, list->fontMetrics().height());
            list->setMaxVisibleItems(std::max(1, (rect.height() - closedHeight) / itemHeight));
            const int id = item.Id;
            connect(list, &QComboBox::currentIndexChanged, this, [this, id] { SelectionChanged(id); });
            control = list;
            break;
        }
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new QPushButton(Client_);
            button->setAutoDefault(true);
            button->setDefault(item.Kind == ControlKind::DefaultPushButton);
            const int id = item.Id;
            connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id); });
            control = button;
            break;
        }
        }
        if (auto* list = qobject_cast<QComboBox*>(control))
            list->setGeometry(rect.x(), rect.y(), rect.width(),
                              std::min(list->sizeHint().height(), rect.height()));
        else if (item.Kind == ControlKind::Icon || item.Kind == ControlKind::Bitmap)
            control->move(rect.topLeft());  // the picture gives the size
        else
            control->setGeometry(rect);

        if (control->focusPolicy() != Qt::NoFocus)
            control->setFocusPolicy(HasTabStop(item) ? Qt::StrongFocus : Qt::ClickFocus);
        if (HasTabStop(item)) {
            if (previousTabStop)
                setTabOrder(previousTabStop, control);
            previousTabStop = control;
        }
        control->setObjectName(QStringLiteral("control%1").arg(item.Id));
        ControlList_.push_back(control);
        if (item.Id != NoControlId)
            ControlsById_[item.Id] = control;
    }

    const int clientWidth = HorizontalPixels(Template_.Width, Units_);
    const int clientHeight = VerticalPixels(Template_.Height, Units_);
    int menuHeight = 0;
    if (Template_.Menu != 0) {
        const MenuTemplate* menu = FindMenuTemplate(Template_.Menu);
        if (!menu)
            qFatal("Dialog %d: no menu %d", Template_.Id, Template_.Menu);
        MenuBar_ = new QMenuBar(this);
        MenuBar_->setNativeMenuBar(false);
        for (const MenuPopupTemplate& popupTemplate : menu->Popups) {
            QMenu* popup = MenuBar_->addMenu(ToQString(popupTemplate.Text));
            for (const MenuItemTemplate& item : popupTemplate.Items) {
                if (item.Command == 0) {
                    popup->addSeparator();
                    continue;
                }
                QAction* action = popup->addAction(ToQString(item.Text));
                const int command = item.Command;
                connect(action, &QAction::triggered, this, [this, command] { SendCommand(command); });
                MenuCommands_[command] = action;
            }
        }
        const int forWidth = MenuBar_->heightForWidth(clientWidth);
        menuHeight = forWidth > 0 ? forWidth : MenuBar_->sizeHint().height();
        MenuBar_->setGeometry(0, 0, clientWidth, menuHeight);
    }
    Client_->setGeometry(0, menuHeight, clientWidth, clientHeight);
    setFixedSize(clientWidth, clientHeight + menuHeight);
}

void Dialog::ApplyTemplateState()
{
    QuietScope quiet(Quiet_);
    setWindowTitle(ToQString(Template_.Caption));
    for (std::size_t i = 0; i < ControlList_.size(); ++i) {
        const ControlTemplate& item = Template_.Controls[i];
        QWidget* control = ControlList_[i];
        control->setFont(Font_);
        control->setPalette(QPalette());
        control->setEnabled(true);
        const QString text = ToQString(item.Text);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(text);
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            group->setTitle(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(text);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setText(text);
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            list->clear();
            for (std::string_view entry : item.Items)
                list->addItem(ToQString(entry));
            list->setCurrentIndex(-1);  // no selection until the data exchange makes one
        } else if (auto* picture = dynamic_cast<PictureControl*>(control)) {
            picture->SetPicture(item.Picture);
        }
    }
}

void Dialog::EnsureMessageMap()
{
    if (MapBuilt_)
        return;
    MapBuilt_ = true;
    BuildMessageMap(Map_);
}

int Dialog::DoModal()
{
    Application& app = Application::Instance();
    if (app.QuitPending())
        return -1;
    EnsureMessageMap();

    bool borrowedOwner = false;
    if (!parentWidget()) {
        Dialog* main = app.MainWindow();
        if (main && main != this && main->IsWindowOpen()) {
            setParent(main, windowFlags());
            borrowedOwner = true;
        }
    }
    setWindowModality(Qt::ApplicationModal);

    Ended_ = false;
    Result_ = 0;
    WindowOpen_ = true;
    ApplyTemplateState();
    app.RunStarted(this);

    const bool focusFirst = OnInitDialog();
    RefreshControlColours();
    if (!Ended_) {
        if (focusFirst)
            FocusFirstTabStop();
        show();
        activateWindow();
        QEventLoop loop;
        Loop_ = &loop;
        if (!Ended_)
            loop.exec(QEventLoop::DialogExec);
        Loop_ = nullptr;
    }
    hide();

    app.RunEnded(this);
    OnDestroy();
    WindowOpen_ = false;
    if (app.MainWindow() == this) {
        app.SetMainWindow(nullptr);
        app.PostQuit();
    }
    if (borrowedOwner)
        setParent(nullptr, windowFlags());
    return Result_;
}

void Dialog::EndDialog(int code)
{
    Result_ = code;
    Ended_ = true;
    if (Loop_) {
        hide();
        Loop_->exit(code);
    }
}

void Dialog::EndRun(int code)
{
    EndDialog(code);
}

bool Dialog::UpdateData(bool saveAndValidate)
{
    DataExchange dx(*this, saveAndValidate);
    {
        QuietScope quiet(Quiet_);
        DoDataExchange(dx);
    }
    if (!saveAndValidate)
        RefreshControlColours();
    return dx.Succeeded();
}

void Dialog::SendCommand(int id)
{
    EnsureMessageMap();
    if (const MessageMap::Handler* handler = Map_.FindCommand(id)) {
        (*handler)();
        return;
    }
    if (id == IdOk) {
        if (UpdateData(true))
            EndDialog(IdOk);
    } else if (id == IdCancel) {
        EndDialog(IdCancel);
    }
}

void Dialog::PostClose()
{
    // A close posted to a window that has gone by the time it is handled is
    // lost, as a posted message would be.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (WindowOpen_)
                OnClose();
        },
        Qt::QueuedConnection);
}

void Dialog::SelectionChanged(int controlId)
{
    if (Quiet_ > 0)
        return;
    EnsureMessageMap();
    if (const MessageMap::Handler* handler = Map_.FindSelChange(controlId))
        (*handler)();
}

QWidget* Dialog::Control(int id) const
{
    const auto it = ControlsById_.find(id);
    return it == ControlsById_.end() ? nullptr : it->second;
}

QAction* Dialog::MenuCommand(int id) const
{
    const auto it = MenuCommands_.find(id);
    return it == MenuCommands_.end() ? nullptr : it->second;
}

void Dialog::SetMenuText(int commandId, const std::string& text)
{
    if (QAction* action = MenuCommand(commandId))
        action->setText(QString::fromStdString(text));
}

void Dialog::MakeBold(int id)
{
    QWidget* control = Control(id);
    if (!control)
        return;
    QFont bold = control->font();
    bold.setWeight(QFont::Bold);
    control->setFont(bold);
}

void Dialog::RefreshControlColours()
{
    for (const auto& [id, control] : ControlsById_) {
        auto* label = qobject_cast<QLabel*>(control);
        if (!label)
            continue;
        const std::optional<QColor> colour = ControlColour(id);
        label->setPalette(QPalette());
        if (colour) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, *colour);
            label->setPalette(palette);
        }
    }
}

void Dialog::FocusFirstTabStop()
{
    for (std::size_t i = 0; i < ControlList_.size(); ++i) {
        QWidget* control = ControlList_[i];
        if (HasTabStop(Template_.Controls[i]) && control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Dialog::HideWindow()
{
    SavedPosition_ = pos();
    hide();
}

void Dialog::RestoreWindow()
{
    if (SavedPosition_)
        move(*SavedPosition_);
    showNormal();
    raise();
    activateWindow();
}

void Dialog::BuildMessageMap(MessageMap& /*map*/)
{
}

void Dialog::DoDataExchange(DataExchange& /*dx*/)
{
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

std::optional<QColor> Dialog::ControlColour(int /*id*/) const
{
    return std::nullopt;
}

void Dialog::OnClose()
{
    SendCommand(IdCancel);
}

void Dialog::OnDestroy()
{
}

void Dialog::closeEvent(QCloseEvent* event)
{
    // The run ends through OnClose, not through Qt hiding the window.
    event->ignore();
    if (WindowOpen_)
        OnClose();
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    constexpr Qt::KeyboardModifiers helpBlockers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (event->key() == Qt::Key_F1) {
        if (!(event->modifiers() & helpBlockers))
            Application::Instance().HelpKeyPressed(this);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Enter presses the default button, Escape is reject()
}

void Dialog::accept()
{
    SendCommand(IdOk);
}

void Dialog::reject()
{
    SendCommand(IdCancel);
}

void Dialog::done(int code)
{
    EndDialog(code);
}
