#pragma once
// The selection service's answers, apart from HTTP: each takes a request body
// or a fan number and gives a status and a document. The selection documents
// are the select and explain commands' own, from the same code.
//
// The run and the documents read the program's shared variables (duty point,
// units, flags, language texts). A request sets them from its own body under
// one lock; only the judging of the records, which reads none of them, runs
// outside it, so requests on several threads share the cores.
#include "catalogue_store.h"
#include "request_body.h"

#include "vd_variables.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vdcat {

struct Answer {
    int status = 200;
    std::string body;
    std::string sha256; // of the catalogue that answered; empty when none did
    std::string type = "application/json";
    bool incomplete = false; // a drawing answered without some of its material
};

// {"error": message, "field": field or null}, UTF-8.
std::string ErrorDocument(const std::string& utf8Message, const std::string& field);

class SelectionService {
  public:
    // Reads the start language (the setup file's) and the texts of every
    // language once; the data root must be set. `warnings` gets what could
    // not be read (those texts stay empty, as the select command leaves them).
    explicit SelectionService(std::vector<std::string>& warnings);

    Answer Catalogue();
    Answer Select(std::string_view body);
    Answer Explain(std::string_view body);
    Answer Fan(long long fanNo);
    // The print command's PDF for the body's duty and fan, drawn by
    // vdcat-render beside this program.
    Answer Print(std::string_view body);
    // The diagram command's picture (PNG or SVG) of the body's fan, drawn by
    // vdcat-render the same way.
    Answer Diagram(std::string_view body);
    // 200 while the catalogue can be read, else 503.
    Answer Health();

    const std::vector<std::string>& Languages() const { return languages_; }

  private:
    using Texts = std::array<std::string, vd::kLanguageEntries>;
    const Texts& TextsOf(const std::string& code) const;
    // Under the state lock: the request's language into the shared texts.
    void UseLanguage(const std::string& code);

    // The checks a drawing request shares with explain: the body's fan in the
    // catalogue and its duty one the run takes. Nothing when they hold.
    std::optional<Answer> CheckDrawingRequest(const BodyRequest& b, std::string& sha256);
    // Runs vdcat-render's `command` for the request and answers with the file
    // it writes as `type`; `sha256` names the catalogue the request was checked
    // against.
    Answer Render(const char* command, const BodyRequest& b, const std::string& outName,
                  const std::string& type, std::string sha256);

    CatalogueStore store_;
    std::vector<std::string> languages_;
    std::map<std::string, Texts> texts_; // by code; "" is the start language
    std::string inUse_ = "\x01";         // the language the shared texts hold
};

} // namespace vdcat
