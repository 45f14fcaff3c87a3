#include "clip_fields.h"

#include <utility>

namespace vd {

bool IsEmptyFieldCaption(std::string_view caption) {
    return caption.starts_with(kEmptyFieldCaption);
}

std::string AnnotatedCaption(std::string_view note) {
    std::string caption(kEmptyFieldCaption);
    caption += ' ';
    if (!note.empty()) {
        caption += '[';
        caption += note;
        caption += ']';
    }
    return caption;
}

void ClipFieldEditor::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(fields.size()) ? index : -1;
}

const ClipField* ClipFieldEditor::SelectedField() const {
    return selected_ >= 0 && selected_ < static_cast<int>(fields.size())
               ? &fields[static_cast<std::size_t>(selected_)]
               : nullptr;
}

bool ClipFieldEditor::MoveSelected(int step) {
    const int k = selected_;
    const int t = k + step;
    if (!SelectedField() || t < 0 || t >= static_cast<int>(fields.size()))
        return false;
    ClipField moved = std::move(fields[static_cast<std::size_t>(k)]);
    fields.erase(fields.begin() + k);
    fields.insert(fields.begin() + t, std::move(moved));
    selected_ = t;
    return true;
}

void ClipFieldEditor::AddEmptyField() {
    fields.push_back(ClipField{std::string(kEmptyFieldCaption), true,
                               std::string(kEmptyFieldCaption), std::string(kEmptyFieldColumn)});
    selected_ = static_cast<int>(fields.size()) - 1;
}

bool ClipFieldEditor::SelectedIsEmptyField() const {
    const ClipField* f = SelectedField();
    return f && IsEmptyFieldCaption(f->Caption);
}

bool ClipFieldEditor::AnnotateSelected(std::string_view note) {
    if (!SelectedIsEmptyField())
        return false;
    fields[static_cast<std::size_t>(selected_)].Caption = AnnotatedCaption(note);
    return true;
}

bool ClipFieldEditor::DeleteSelected() {
    if (!SelectedIsEmptyField())
        return false;
    fields.erase(fields.begin() + selected_);
    // Deleting the first entry leaves nothing above it: the list keeps a
    // selection so that the buttons go on working.
    Select(selected_ > 0 ? selected_ - 1 : 0);
    return true;
}

std::string ClipFieldEditor::Details() const {
    const ClipField* f = SelectedField();
    if (!f)
        return {};
    return IsEmptyFieldCaption(f->Caption) ? f->Caption : f->Description;
}

} // namespace vd
