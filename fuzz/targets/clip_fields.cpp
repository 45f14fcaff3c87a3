// The bytes as the three clip files (clip.txt, desc.txt and cols.txt, split
// at the first two NUL bytes): loading, the copy, the set-up window's edits
// and a save, which must read back as what was saved.
#include "fuzz_support.h"
#include "fuzz_targets.h"

#include "clip_fields.h"
#include "clip_files.h"
#include "clip_text.h"
#include "errors.h"
#include "results_grid.h"

namespace vd::fuzz {

namespace {

bool SameFields(const ClipFieldList& a, const ClipFieldList& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].Caption != b[i].Caption || a[i].Included != b[i].Included ||
            a[i].Description != b[i].Description || a[i].Column != b[i].Column)
            return false;
    return true;
}

void CopyAll(const ClipFieldList& fields, const ResultsGrid& grid) {
    for (bool selected : {true, false})
        for (bool headings : {true, false}) {
            try {
                BuildClipText(fields, grid, {selected, headings});
            } catch (const ConversionError&) {
            }
        }
}

} // namespace

int FuzzClipFields(const uint8_t* data, size_t size) {
    const std::string_view text = AsText(data, size);
    const size_t first = text.find('\0');
    const size_t second = first == std::string_view::npos ? first : text.find('\0', first + 1);
    auto part = [&](size_t from, size_t to) {
        return from >= text.size() ? std::string_view() : text.substr(from, to - from);
    };
    const std::string_view clip = part(0, first);
    const std::string_view desc =
        first == std::string_view::npos ? std::string_view() : part(first + 1, second);
    const std::string_view cols =
        second == std::string_view::npos ? std::string_view() : part(second + 1, text.size());

    const std::filesystem::path appDir = ScratchDir() / "clips_app";
    WriteScratchFile(appDir / "clips" / "clip.txt", clip);
    WriteScratchFile(appDir / "clips" / "desc.txt", desc);
    WriteScratchFile(appDir / "clips" / "cols.txt", cols);

    ClipFieldsLoad loaded = LoadClipFields(appDir);
    if (!loaded.error.empty())
        Fail("three readable clip files gave a file error: " + loaded.error);

    ResultsGrid grid;
    grid.SetRowCount(3);
    for (int c = 0; c < 23; ++c)
        grid.SetCell(c, 1, "c" + std::to_string(c));
    grid.SetCurrentRow(1);
    CopyAll(loaded.fields, grid);

    // The set-up window's edits at every entry, the ends included.
    ClipFieldEditor editor;
    editor.fields = loaded.fields;
    const int n = static_cast<int>(editor.fields.size());
    for (int i = -1; i <= n && i < 64; ++i) {
        editor.Select(i);
        (void)editor.Details();
        editor.MoveSelected(-1);
        editor.MoveSelected(+1);
        editor.AnnotateSelected("note");
        editor.DeleteSelected();
    }
    editor.AddEmptyField();
    editor.AnnotateSelected("");
    CopyAll(editor.fields, grid);

    // The program's writer syncs each file to disk; the fuzz run needs no
    // durability, only the same bytes.
    SaveClipFields(editor.fields, appDir,
                   [](const std::filesystem::path& path, std::string_view bytes) {
                       WriteScratchFile(path, bytes);
                   });
    ClipFieldsLoad reloaded = LoadClipFields(appDir);
    if (!reloaded.error.empty() || !reloaded.mismatch.empty())
        Fail("a saved field list does not load cleanly");
    if (!SameFields(editor.fields, reloaded.fields))
        Fail("a saved field list reads back changed");
    return 0;
}

} // namespace vd::fuzz
