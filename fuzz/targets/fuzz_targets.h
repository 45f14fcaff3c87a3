#pragma once
// The fuzz entry functions: one per reader of outside data. The libFuzzer
// executables call them on generated inputs; the replay test of the ordinary
// build calls them on every kept corpus and regression file. An entry returns
// 0; a fault it detects itself (a broken round trip, an unbounded result)
// aborts with a message, as a sanitizer would.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vd::fuzz {

// The bytes as dat\vd_fan.rec: validator, selection run, the chosen fans'
// diagram, tables and ancillaries, and the readable-text round trip.
int FuzzCatalogue(const uint8_t* data, size_t size);
// The bytes as the setup file and as the language file in every column.
int FuzzLanguage(const uint8_t* data, size_t size);
// The bytes as the catalogue's readable text; what parses must round-trip.
int FuzzCatalogueText(const uint8_t* data, size_t size);
// The bytes as rich text into a laid-out, painted document.
int FuzzRtf(const uint8_t* data, size_t size);
// The bytes as a metafile played into an image.
int FuzzWmf(const uint8_t* data, size_t size);
// The bytes loaded as "x.bmp" and as "x.wmf" and drawn.
int FuzzPicture(const uint8_t* data, size_t size);
// The bytes as the three clip files (split at the first two NUL bytes):
// loading, copying, editing, and a save that must give back what it saved.
int FuzzClipFields(const uint8_t* data, size_t size);
// The bytes as a request body of the selection service; what is taken must be
// a duty the run accepts, what is refused names its field. Built where vdcat
// serve is (VD_FUZZ_REQUEST_BODY).
int FuzzRequestBody(const uint8_t* data, size_t size);

struct Target {
    const char* name; // folder name under fuzz/corpus and fuzz/regressions
    int (*entry)(const uint8_t*, size_t);
};
inline constexpr Target kTargets[] = {
    {"catalogue", FuzzCatalogue},
    {"language", FuzzLanguage},
    {"catalogue_text", FuzzCatalogueText},
    {"rtf", FuzzRtf},
    {"wmf", FuzzWmf},
    {"picture", FuzzPicture},
    {"clip_fields", FuzzClipFields},
#ifdef VD_FUZZ_REQUEST_BODY
    {"request_body", FuzzRequestBody},
#endif
};

} // namespace vd::fuzz
