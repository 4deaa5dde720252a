#pragma once
// The control arrays of the program's windows, each named once together with the kind of
// control its members are, and the one look-up of a control by array and index.

#include <QString>
#include <vector>

#include "ui/form.h"

namespace aerlith::ui {

class CaptionLabel;
class CheckButton;
class ImageBox;
class TextBox;

/// A control array, or a single control, of kind `T` by its name.
template <typename T>
struct ControlArray {
    const char* name;
    QString Name() const { return QString::fromLatin1(name); }
};

inline constexpr ControlArray<CheckButton> kButtonPlus1{"buttonplus1"};  ///< keypad; OK and Skip
inline constexpr ControlArray<CheckButton> kButtonPlus2{"buttonplus2"};  ///< conversion bank
inline constexpr ControlArray<CheckButton> kButtonPlus3{"buttonplus3"};  ///< function bank
inline constexpr ControlArray<CaptionLabel> kLabel1{"Label1"};  ///< the text of a modal window
inline constexpr ControlArray<CaptionLabel> kLabel2{"label2"};  ///< the value boxes' field names
inline constexpr ControlArray<TextBox> kText1{"Text1"};         ///< the value boxes
inline constexpr ControlArray<TextBox> kText2{"Text2"};         ///< the entry box
inline constexpr ControlArray<ImageBox> kImage1{"Image1"};      ///< the thank-you picture
inline constexpr ControlArray<ImageBox> kImage3{"Image3"};      ///< the main window's picture

/// Member `index` of `array` on `form` (a single control is member 0 of its name); nullptr when
/// there is none or it is not a `T`. `T` must be complete where this is called.
template <typename T>
T* FindControl(const Form& form, ControlArray<T> array, int index = 0) {
    return dynamic_cast<T*>(form.Member(array.Name(), index));
}

/// Every member of `array` on `form` that is a `T`, by index.
template <typename T>
std::vector<T*> MembersOf(const Form& form, ControlArray<T> array) {
    std::vector<T*> members;
    const auto count = static_cast<int>(form.Array(array.Name()).size());
    for (int i = 0; i < count; ++i) {
        if (T* member = FindControl(form, array, i)) members.push_back(member);
    }
    return members;
}

}  // namespace aerlith::ui
