#pragma once

#include <span>
#include <string_view>

// Dialog templates and menus as constant tables. A dialog is laid out in
// dialog units (see DialogUnits.h); the tables themselves live in resources/,
// one file per template or menu, and are found by their number.

enum class ControlKind {
    GroupBox,
    Text,               // static text
    Icon,               // a picture shown at the icon's own size
    Bitmap,             // a picture shown at the bitmap's own size
    Edit,               // single-line edit field with a border
    DropDownList,       // combo box without typing
    PushButton,
    DefaultPushButton,  // pressed by Enter unless another button has the focus
};

// Control styles that change how a control looks or behaves.
namespace ControlStyle {
inline constexpr unsigned None = 0;
inline constexpr unsigned TabStop = 1u << 0;
inline constexpr unsigned Group = 1u << 1;             // starts a group of controls
inline constexpr unsigned AlignRight = 1u << 2;        // text: left-aligned unless one of these
inline constexpr unsigned AlignCenter = 1u << 3;
inline constexpr unsigned CenterVertically = 1u << 4;  // text: vertically centred
inline constexpr unsigned VerticalScroll = 1u << 5;    // list: scroll bar in the dropped-down part
}  // namespace ControlStyle

// Window styles of a dialog template.
namespace WindowStyle {
inline constexpr unsigned None = 0;
inline constexpr unsigned MinimizeBox = 1u << 0;
inline constexpr unsigned AppWindow = 1u << 1;     // a top-level window with its own task-bar button
inline constexpr unsigned CenterScreen = 1u << 2;  // centred on the screen rather than over its owner
}  // namespace WindowStyle

// The id of a control that nothing addresses (labels, group boxes).
inline constexpr int NoControlId = -1;

// The two command ids every dialog knows.
inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;

struct ControlTemplate {
    int Id;
    ControlKind Kind;
    std::string_view Text;
    int X, Y, Width, Height;  // dialog units; a list's height includes its dropped-down part
    unsigned Style = ControlStyle::None;
    int Picture = 0;                                // resource number of an icon or bitmap
    std::span<const std::string_view> Items = {};  // initial entries of a list, in order
};

struct DialogTemplate {
    int Id;
    std::string_view Caption;
    int Width, Height;  // the client area in dialog units; a menu bar sits above it
    std::string_view FontName;
    int FontPointSize;
    int Menu;  // menu number, 0 for none
    unsigned Style;
    std::span<const ControlTemplate> Controls;  // template order, which is also the tab order
};

// Command 0 is a separator.
struct MenuItemTemplate {
    int Command;
    std::string_view Text;
};

struct MenuPopupTemplate {
    std::string_view Text;
    std::span<const MenuItemTemplate> Items;
};

struct MenuTemplate {
    int Id;
    std::span<const MenuPopupTemplate> Popups;
};

// The program's templates, menus and pictures by number (defined in
// resources/). nullptr or an empty path for an unknown number.
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
// The Qt resource path of an icon or bitmap, an SVG drawing.
std::string_view PictureResource(int id);
