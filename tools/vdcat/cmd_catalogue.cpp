// vdcat dump, build and check: the catalogue file and its readable text.
#include "commands.h"

#include "catalogue_check.h"
#include "catalogue_text.h"
#include "errors.h"
#include "fan_file.h"
#include "paths.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace vdcat {
namespace {

// The catalogue under --data (or the program's data tree).
bool DataOption(const char* cmd, const Args& args, int& exitCode) {
    Options o = ParseOptions(args, {"--data"}, {});
    if (!o.error.empty() || !o.positional.empty()) {
        exitCode =
            Usage(cmd, o.error.empty() ? "unexpected argument " + o.positional.front() : o.error);
        return false;
    }
    if (const std::string* d = o.get("--data"))
        vd::SetDataRoot(*d);
    return true;
}

} // namespace

int RunDump(const Args& args) {
    int code = kOk;
    if (!DataOption("dump", args, code))
        return code;
    try {
        vd::FanFile file;
        file.Open();
        std::string out =
            "# Vandrel catalogue: " + std::to_string(file.RecordCount()) + " records\n";
        vd::TFanRecord rec;
        while (!file.AtEnd()) {
            file.ReadNext(rec);
            out += "\n" + vd::FormatCatalogueRecord(rec);
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat dump: %s\n", e.what());
        return kDataError;
    }
    return kOk;
}

int RunBuild(const Args& args) {
    Options o = ParseOptions(args, {"--out"}, {});
    if (!o.error.empty())
        return Usage("build", o.error);
    if (o.positional.size() != 1 || !o.get("--out"))
        return Usage("build", "needs SOURCE and --out FILE");
    const std::string source = o.positional.front();
    const std::filesystem::path outPath = *o.get("--out");
    std::vector<vd::TFanRecord> records;
    try {
        std::string text = vd::ReadWholeFileAt(source, source, 1u << 30);
        records = vd::ParseCatalogueText(text);
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat build: %s\n", e.what());
        return kDataError;
    } catch (const vd::CatalogueTextError& e) {
        std::fprintf(stderr, "vdcat build: %s:%d: %s\n", source.c_str(), e.line(),
                     e.message().c_str());
        return kBadSource;
    }
    // Written beside the target and renamed, so a failed build never leaves a
    // half-written catalogue in place.
    std::error_code ec;
    if (outPath.has_parent_path())
        std::filesystem::create_directories(outPath.parent_path(), ec);
    std::filesystem::path tmp = outPath;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        unsigned char bytes[vd::kRecordSize];
        for (const auto& r : records) {
            vd::EncodeFanRecord(r, bytes);
            out.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
        }
        out.close();
        if (!out) {
            std::filesystem::remove(tmp, ec);
            std::fprintf(stderr, "vdcat build: cannot write %s\n", outPath.c_str());
            return kDataError;
        }
    }
    std::filesystem::rename(tmp, outPath, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        std::fprintf(stderr, "vdcat build: cannot write %s\n", outPath.c_str());
        return kDataError;
    }
    std::fprintf(stderr, "vdcat build: %zu records written to %s\n", records.size(),
                 outPath.c_str());
    return kOk;
}

int RunCheck(const Args& args) {
    int code = kOk;
    if (!DataOption("check", args, code))
        return code;
    std::vector<vd::CatalogueIssue> issues;
    long long records = 0;
    try {
        issues = vd::CheckCatalogueFile(vd::DataPath(vd::kCatalogueFile), vd::kCatalogueFile);
        vd::FanFile f;
        f.Open();
        records = f.RecordCount();
    } catch (const vd::FileError& e) {
        std::fprintf(stderr, "vdcat check: %s\n", e.what());
        return kDataError;
    }
    for (const auto& i : issues) {
        if (i.record == 0)
            std::printf("file: %s: %s\n", i.field.c_str(), i.message.c_str());
        else
            std::printf("record %lld: %s: %s\n", i.record, i.field.c_str(), i.message.c_str());
    }
    std::fprintf(stderr, "vdcat check: %lld records, %zu problem%s\n", records, issues.size(),
                 issues.size() == 1 ? "" : "s");
    return issues.empty() ? kOk : kCheckFailed;
}

} // namespace vdcat
