// The manual page says what --help says: the same commands, the same options
// for each, the same exit codes.
#include "vdcat_run.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace vdtest;

namespace {

const std::filesystem::path kManual = std::filesystem::path(VD_DATA_SRC) / "../tools/vdcat/vdcat.1";

std::string Manual() {
    std::string roff = ReadFile(kManual);
    std::string text;
    for (std::size_t i = 0; i < roff.size(); ++i) {
        if (roff[i] == '\\' && i + 1 < roff.size() && roff[i + 1] == '-')
            continue; // "\-" is a hyphen
        text += roff[i];
    }
    return text;
}

// The part of the manual from `heading` to the next heading of its level or above.
std::string Section(const std::string& manual, const std::string& heading) {
    std::size_t at = manual.find("\n" + heading + "\n");
    if (at == std::string::npos)
        return {};
    at += heading.size() + 2;
    std::size_t end = std::min(manual.find("\n.SS ", at), manual.find("\n.SH ", at));
    return manual.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

std::set<std::string> Options(const std::string& text) {
    std::set<std::string> found;
    std::regex option("--[a-z][a-z0-9-]*");
    for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
        found.insert(it->str());
    found.erase("--help");
    return found;
}

std::vector<std::string> Commands() {
    Result help = Vdcat({"--help"});
    std::vector<std::string> commands;
    std::regex line("\n  ([a-z]+) +[a-z]");
    const std::string list = help.out.substr(0, help.out.find("exit codes:"));
    for (std::sregex_iterator it(list.begin(), list.end(), line), end; it != end; ++it)
        commands.push_back((*it)[1].str());
    return commands;
}

} // namespace

TEST(VdcatManual, EveryCommandHasItsHelpAndTheManualNamesTheSameOptions) {
    const std::string manual = Manual();
    ASSERT_FALSE(manual.empty()) << kManual;
    const std::vector<std::string> commands = Commands();
    ASSERT_GE(commands.size(), 8u);
    const std::set<std::string> dutyOptions = Options(Section(manual, ".SH DUTY OPTIONS"));
    ASSERT_TRUE(dutyOptions.count("--pressure-type"));
    for (const std::string& cmd : commands) {
        Result help = Vdcat({cmd, "--help"});
        ASSERT_EQ(help.code, 0) << cmd;
        EXPECT_EQ(help.out.rfind("usage: vdcat " + cmd, 0), 0u) << cmd;
        const std::string section = Section(manual, ".SS " + cmd);
        ASSERT_FALSE(section.empty()) << "the manual has no section for " << cmd;
        std::set<std::string> documented = Options(section);
        if (section.find("DUTY-OPTIONS") != std::string::npos)
            documented.insert(dutyOptions.begin(), dutyOptions.end());
        EXPECT_EQ(Options(help.out), documented) << cmd;
    }
}

TEST(VdcatManual, TheManualListsTheExitCodesOfTheHelp) {
    const std::string help = Vdcat({"--help"}).out;
    const std::string codes = help.substr(help.find("exit codes:"));
    const std::string manual = Section(Manual(), ".SH EXIT STATUS");
    std::regex code("\n  ([0-9]+) ");
    int n = 0;
    for (std::sregex_iterator it(codes.begin(), codes.end(), code), end; it != end; ++it, ++n)
        EXPECT_NE(manual.find(".B " + (*it)[1].str() + "\n"), std::string::npos) << (*it)[1];
    EXPECT_EQ(n, 8);
    EXPECT_EQ(std::count(manual.begin(), manual.end(), '\n') > 0, true);
    std::size_t documented = 0;
    for (std::size_t at = 0; (at = manual.find("\n.B ", at)) != std::string::npos; ++at)
        ++documented;
    EXPECT_EQ(documented + (manual.rfind(".B ", 0) == 0), static_cast<std::size_t>(n));
}
