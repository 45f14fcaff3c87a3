// gen_catalogue FAMILIES [--out FILE] [--summary FILE]
// Builds the demo fan catalogue text from the family table. The output depends
// on the table alone (no clock, no random device), so the committed catalogue
// can be checked by regenerating it.
#include "catalogue_writer.h"
#include "family_file.h"
#include "fan_model.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

int Usage() {
    std::cerr << "usage: gen_catalogue FAMILIES [--out FILE] [--summary FILE]\n"
                 "  FAMILIES   the family table (families.txt)\n"
                 "  --out      write the catalogue text there instead of stdout\n"
                 "  --summary  write a table of duty points, powers and efficiencies there\n"
                 "exit codes: 0 written, 1 bad family table or model, 2 file error, 64 usage\n";
    return 64;
}

} // namespace

int main(int argc, char** argv) {
    std::string input, outPath, summaryPath;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if ((a == "--out" || a == "--summary") && i + 1 < argc)
            (a == "--out" ? outPath : summaryPath) = argv[++i];
        else if (!a.empty() && a[0] != '-' && input.empty())
            input = a;
        else
            return Usage();
    }
    if (input.empty())
        return Usage();

    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << "gen_catalogue: cannot read " << input << '\n';
        return 2;
    }
    std::stringstream text;
    text << in.rdbuf();

    std::vector<gencat::FamilySpec> families;
    std::vector<gencat::FamilyEntries> entries;
    try {
        families = gencat::ParseFamilyFile(text.str());
        for (const gencat::FamilySpec& f : families) {
            gencat::FamilyEntries fe{&f, {}};
            for (const gencat::SizeRow& row : f.sizes)
                fe.fans.push_back(gencat::BuildFan(f, row));
            entries.push_back(std::move(fe));
        }
    } catch (const std::exception& e) {
        std::cerr << "gen_catalogue: " << e.what() << '\n';
        return 1;
    }

    std::ostringstream out;
    gencat::WriteCatalogue(out, entries);
    if (outPath.empty()) {
        std::cout << out.str();
    } else {
        std::ofstream f(outPath, std::ios::binary);
        if (!(f << out.str()) || !f.flush()) {
            std::cerr << "gen_catalogue: cannot write " << outPath << '\n';
            return 2;
        }
    }
    if (!summaryPath.empty()) {
        std::ofstream f(summaryPath, std::ios::binary);
        gencat::WriteSummary(f, entries);
        if (!f) {
            std::cerr << "gen_catalogue: cannot write " << summaryPath << '\n';
            return 2;
        }
    }
    return 0;
}
