#pragma once
// The clipboard field list: which results-grid columns the COPY button puts on
// the clipboard, in which order and under which headings, and the edits the
// set-up window makes to it. Texts are Windows-1252, as in the files.
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct ClipField {
    std::string Caption;     // list text and column heading
    bool Included = false;   // the entry's check mark
    std::string Description; // shown under "Details:"
    std::string Column;      // grid column as decimal text; "-1" copies "-"
};
using ClipFieldList = std::vector<ClipField>;

inline constexpr std::string_view kEmptyFieldCaption = "Empty Field";
inline constexpr std::string_view kEmptyFieldColumn = "-1";

// Annotate, delete and the details go by the caption's first 11 characters;
// copying goes by the column text alone. The two can disagree on purpose.
bool IsEmptyFieldCaption(std::string_view caption);

// "Empty Field " followed by "[note]", or by nothing for an empty note.
std::string AnnotatedCaption(std::string_view note);

// The field list with one selected entry (or none, -1), as the set-up window
// edits it. Every operation moves caption, mark, description and column as one.
class ClipFieldEditor {
  public:
    ClipFieldList fields;

    int Selected() const { return selected_; }
    // An index outside the list selects nothing.
    void Select(int index);
    const ClipField* SelectedField() const;

    // Moves the selected entry one place up (-1) or down (+1) and keeps it
    // selected. False, and nothing changes, at the ends or without a selection.
    bool MoveSelected(int step);

    // Appends a checked empty field and selects it.
    void AddEmptyField();

    // Whether annotate and delete may act: an entry is selected and its
    // caption says it is an empty field.
    bool SelectedIsEmptyField() const;

    // Replaces the selected empty field's caption by "Empty Field [note]";
    // mark, description and column stay. False when SelectedIsEmptyField() is.
    bool AnnotateSelected(std::string_view note);

    // Removes the selected empty field and selects the entry above it; after
    // removing the first entry the new first entry (if any). False when
    // SelectedIsEmptyField() is.
    bool DeleteSelected();

    // The text under "Details:": an empty field's caption (with its note),
    // any other entry's description; empty without a selection.
    std::string Details() const;

  private:
    int selected_ = -1;
};

} // namespace vd
