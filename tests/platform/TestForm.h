#pragma once
// A plain form for the model's own rules, not the program's main window: a background
// picture, a button picture with a label overlapping its top right corner, two edits and a
// combo box.
#include "platform/Application.h"
#include "platform/Form.h"

#include <string>
#include <vector>

namespace vorlane::testing {

class TestForm : public TForm {
public:
    TestForm(std::string name, Application& application) : TForm(std::move(name), application) {
        imgBack.SetBounds(0, 0, 200, 100);
        imgButton.SetBounds(20, 20, 40, 30);
        lblTitle.SetBounds(50, 10, 60, 20);
        edtFirst.SetBounds(10, 60, 60, 16);
        edtSecond.SetBounds(80, 60, 60, 16);
        cmbChoice.SetBounds(150, 60, 45, 20);
        // Bottom first: the label lies on the button picture, both on the background.
        for (TControl* control :
             {&imgBack, &imgButton, &lblTitle, &edtFirst, &edtSecond, &cmbChoice}) {
            AddControl(*control);
        }
        SetBounds(100, 100, 200, 100);
    }

    TControl imgBack{"imgBack", ControlKind::Image};
    TControl imgButton{"imgButton", ControlKind::Image};
    TControl lblTitle{"lblTitle", ControlKind::Label};
    TControl edtFirst{"edtFirst", ControlKind::Edit};
    TControl edtSecond{"edtSecond", ControlKind::Edit};
    TControl cmbChoice{"cmbChoice", ControlKind::ComboBox};

    std::vector<TControl*> Graphics() { return {&imgBack, &imgButton, &lblTitle}; }
    std::vector<TControl*> Fields() { return {&edtFirst, &edtSecond, &cmbChoice}; }
};

// Points of the test form's client area.
inline constexpr Point kButtonOnly{30, 40};
inline constexpr Point kLabelOnly{80, 15};
// Where the label covers the button picture.
inline constexpr Point kLabelOverButton{55, 25};
inline constexpr Point kBackgroundOnly{150, 30};
// Over the first edit, which is no picture: the background is under it in the picture stack.
inline constexpr Point kOverFirstEdit{20, 65};
inline constexpr Point kOutside{250, 50};

inline std::vector<std::string> NamesOf(const std::vector<TControl*>& controls) {
    std::vector<std::string> names;
    for (const TControl* control : controls) {
        names.push_back(control->Name());
    }
    return names;
}

using Strings = std::vector<std::string>;

} // namespace vorlane::testing
