#include "family_file.h"

#include <algorithm>
#include <cctype>

namespace gencat {

bool IsTextColumn(std::string_view name) {
    return name == "model" || name == "volts" || name == "picture";
}

const std::vector<std::string>& DimensionLetters() {
    static const std::vector<std::string> letters = {
        "d1", "d2", "d3", "d4", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M"};
    return letters;
}

namespace {

std::string Trim(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return std::string(s.substr(a, b - a));
}

// Removes a '#' comment that is not inside double quotes.
std::string StripComment(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '#' && !quoted)
            return std::string(line.substr(0, i));
    }
    return std::string(line);
}

// Splits into blank-separated words; "quoted text" is one word without its quotes.
std::vector<std::string> Words(const std::string& line, int lineNo) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            std::size_t end = line.find('"', i + 1);
            if (end == std::string::npos)
                throw FamilyFileError(lineNo, "closing quote missing");
            out.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            std::size_t start = i;
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                ++i;
            out.push_back(line.substr(start, i - start));
        }
    }
    return out;
}

bool IsName(std::string_view s) {
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_'))
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

double ParseNumber(const std::string& word, int lineNo, const std::string& column) {
    std::size_t used = 0;
    double v = 0;
    try {
        v = std::stod(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != word.size())
        throw FamilyFileError(lineNo, "column " + column + ": \"" + word + "\" is not a number");
    return v;
}

} // namespace

std::vector<FamilySpec> ParseFamilyFile(std::string_view text) {
    std::vector<FamilySpec> families;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view raw =
            text.substr(pos, nl == std::string_view::npos ? text.size() - pos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
        ++lineNo;
        std::string line = Trim(StripComment(raw));
        if (line.empty())
            continue;

        // "NAME = expr" or "dim LETTER = expr"; everything else starts with a keyword.
        std::size_t eq = line.find('=');
        std::string lhs = eq == std::string::npos ? "" : Trim(line.substr(0, eq));
        bool isDim = lhs.rfind("dim", 0) == 0 && lhs.size() > 3 &&
                     std::isspace(static_cast<unsigned char>(lhs[3]));
        if (isDim || IsName(lhs)) {
            if (families.empty())
                throw FamilyFileError(lineNo, lhs + " before the first family line");
            FamilySpec& fam = families.back();
            Assignment a;
            a.line = lineNo;
            if (isDim) {
                lhs = Trim(lhs.substr(3));
                const auto& letters = DimensionLetters();
                if (std::find(letters.begin(), letters.end(), lhs) == letters.end())
                    throw FamilyFileError(lineNo, "unknown dimension \"" + lhs + "\"");
                a.isDimension = true;
            }
            a.name = lhs;
            try {
                a.expr = Expr::Parse(Trim(line.substr(eq + 1)));
            } catch (const ExprError& e) {
                throw FamilyFileError(lineNo, e.what());
            }
            auto same = std::find_if(fam.assignments.begin(), fam.assignments.end(),
                                     [&](const Assignment& o) { return o.name == lhs; });
            if (same == fam.assignments.end())
                fam.assignments.push_back(std::move(a));
            else if (same->inherited && same->isDimension == a.isDimension)
                *same = std::move(a); // keeps its place, so later formulae still see it
            else
                throw FamilyFileError(lineNo, lhs + " assigned twice");
            continue;
        }

        std::size_t firstBlank = line.find_first_of(" \t");
        std::string keyword = line.substr(0, firstBlank);
        std::string rest = firstBlank == std::string::npos ? "" : Trim(line.substr(firstBlank));

        if (keyword == "family") {
            std::vector<std::string> w = Words(rest, lineNo);
            if (w.size() != 1 || w[0].empty() || w[0].size() > 5)
                throw FamilyFileError(lineNo, "family needs one code of at most 5 characters");
            for (const FamilySpec& f : families)
                if (f.code == w[0])
                    throw FamilyFileError(lineNo, "family " + w[0] + " given twice");
            FamilySpec f;
            f.line = lineNo;
            f.code = w[0];
            families.push_back(std::move(f));
            continue;
        }
        if (families.empty())
            throw FamilyFileError(lineNo, "\"" + keyword + "\" before the first family line");
        FamilySpec& fam = families.back();

        std::vector<std::string> w = Words(rest, lineNo);
        auto single = [&](std::string& target) {
            if (w.size() != 1 || w[0].empty())
                throw FamilyFileError(lineNo, keyword + " needs exactly one value");
            target = w[0];
        };
        if (keyword == "like") {
            if (w.size() != 1)
                throw FamilyFileError(lineNo, "like needs one family code");
            if (!fam.assignments.empty() || !fam.columns.empty() || !fam.kind.empty())
                throw FamilyFileError(lineNo, "like must follow the family line directly");
            auto base = std::find_if(families.begin(), families.end() - 1,
                                     [&](const FamilySpec& f) { return f.code == w[0]; });
            if (base == families.end() - 1)
                throw FamilyFileError(lineNo, "like: no earlier family " + w[0]);
            std::string code = fam.code;
            int line0 = fam.line;
            fam = *base;
            fam.code = code;
            fam.line = line0;
            fam.columns.clear();
            fam.sizes.clear();
            for (Assignment& a : fam.assignments)
                a.inherited = true;
        } else if (keyword == "title") {
            fam.title = rest;
        } else if (keyword == "kind") {
            single(fam.kind);
        } else if (keyword == "sound") {
            single(fam.sound);
        } else if (keyword == "volts") {
            single(fam.volts);
        } else if (keyword == "drawing") {
            single(fam.drawing);
        } else if (keyword == "diagram") {
            single(fam.diagram);
        } else if (keyword == "spec") {
            single(fam.spec);
        } else if (keyword == "maint") {
            single(fam.maint);
        } else if (keyword == "picture") {
            single(fam.picture);
        } else if (keyword == "columns") {
            if (!fam.columns.empty())
                throw FamilyFileError(lineNo, "columns given twice in family " + fam.code);
            if (w.empty())
                throw FamilyFileError(lineNo, "columns needs at least one name");
            for (const std::string& c : w) {
                if (!IsName(c))
                    throw FamilyFileError(lineNo, "bad column name \"" + c + "\"");
                if (std::count(w.begin(), w.end(), c) > 1)
                    throw FamilyFileError(lineNo, "column " + c + " given twice");
            }
            if (std::find(w.begin(), w.end(), "model") == w.end())
                throw FamilyFileError(lineNo, "columns must include model");
            fam.columns = w;
        } else if (keyword == "fan") {
            if (fam.columns.empty())
                throw FamilyFileError(lineNo, "fan row before the columns line");
            if (w.size() != fam.columns.size())
                throw FamilyFileError(lineNo, "fan row has " + std::to_string(w.size()) +
                                                  " values for " +
                                                  std::to_string(fam.columns.size()) + " columns");
            SizeRow row;
            row.line = lineNo;
            for (std::size_t i = 0; i < w.size(); ++i) {
                const std::string& col = fam.columns[i];
                if (IsTextColumn(col))
                    row.texts.emplace_back(col, w[i]);
                else
                    row.numbers[col] = ParseNumber(w[i], lineNo, col);
            }
            fam.sizes.push_back(std::move(row));
        } else {
            throw FamilyFileError(lineNo, "unknown keyword \"" + keyword + "\"");
        }
    }
    for (const FamilySpec& f : families) {
        if (f.sizes.empty())
            throw FamilyFileError(f.line, "family " + f.code + " has no fan rows");
        if (f.kind.empty())
            throw FamilyFileError(f.line, "family " + f.code + " has no kind");
    }
    return families;
}

} // namespace gencat
