#include "win32/model_binder.h"

#include "model/control_model.h"
#include "win32/dropdown_ctrl.h"
#include "win32/label_ctrl.h"
#include "win32/radio_ctrl.h"
#include "win32/text_ctrl.h"

namespace quorvex::win32 {

void ModelBinder::bindOption(const std::string& name, RadioCtrl& button) {
    button.onClick =
        bindings_.bindOption(name, [&button](bool checked) { button.setChecked(checked); });
}

void ModelBinder::bindList(const std::string& name, DropDownCtrl& list) {
    list.setItems(bindings_.model().listEntries(name));
    auto pick = bindings_.bindList(name, [&list](int index) { list.setCurrentIndex(index); });
    list.onSelectionChanged = [&list, pick = std::move(pick)] {
        const int index = list.currentIndex();
        if (index >= 0) pick(index, list.itemText(index));
    };
}

void ModelBinder::bindText(const std::string& element, LabelCtrl& label) {
    bindings_.bindAnnouncedText(element,
                                [&label](const std::string& text) { label.setText(text); });
}

void ModelBinder::bindText(const std::string& element, TextCtrl& text) {
    bindings_.bindText(element, [&text](const std::string& value) { text.setContents(value); });
}

void ModelBinder::bindVisible(const std::string& element, Wnd& control) {
    bindings_.bindVisible(
        element, [&control] { return control.isVisible(); },
        [&control](bool visible) { control.setVisible(visible); });
}

void ModelBinder::bindVisible(const std::string& element, Wnd& control,
                              std::function<void()> beforeShowing) {
    bindings_.bindVisible(
        element, [&control] { return control.isVisible(); },
        [&control, beforeShowing = std::move(beforeShowing)](bool visible) {
            if (visible) beforeShowing();
            control.setVisible(visible);
        });
}

void ModelBinder::bindEnabled(const std::string& element, Wnd& control) {
    bindings_.bindEnabled(
        element, [&control] { return control.isEnabled(); },
        [&control](bool enabled) { control.setEnabled(enabled); });
}

}  // namespace quorvex::win32
