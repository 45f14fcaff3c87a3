// vdcat: the catalogue's command-line companion. It runs the program's own
// selection and file code for scripts and for the catalogue team.
#include "commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const char* kUsage =
    "usage: vdcat COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  select [--data DIR] --volume V --volume-unit U --pressure P --pressure-unit U\n"
    "         [--pressure-type static|total] [--deviation D] [--supply 0..4]\n"
    "         [--include FLAG,...] [--rejects] [--language XX] [--encoding utf8|cp1252]\n"
    "      Runs the selection of the select button and prints the results grid's\n"
    "      rows in their sorted order: cells 0 to 22 joined by TAB, one row a line.\n"
    "      Units: m3/s m3/h l/s cfm; Pa N/m2 mmwg inwg. Supply: 0 any, 1 230 V 1~ 50 Hz,\n"
    "      2 230/400 V 3~ 50 Hz, 3 110-127 V 1~ 60 Hz, 4 220 V 1~ 60 Hz.\n"
    "      FLAG: PW BNBQ MT MTZ MTZL GHJ GHZ UDY UDYZ UVJ UVX LW EH AQ.\n"
    "  dump [--data DIR]            the catalogue as readable text on stdout\n"
    "  build SOURCE --out FILE      readable text -> catalogue file\n"
    "  check [--data DIR]           names every broken invariant of the catalogue\n"
    "  preview FILE --out PNG [--size WxH]\n"
    "      renders a bmp, wmf, rtf or text file as the program shows it\n"
    "  print SELECT-OPTIONS --fan N --out FILE.pdf [--only summary,quotation,instructions]\n"
    "        [--dpi D] [--date T] [--company T] ... [--ancillaries P,P,...]\n"
    "      the data sheet, quotation and instruction sheet of fan N as pages of one PDF\n"
    "\n"
    "DIR holds dat/ and txt/ (default: the current directory).\n"
    "\n"
    "exit codes:\n"
    "  0  success\n"
    "  1  select: no fan meets the duty (language text 95 on stderr)\n"
    "  2  select: \"Volume incorrect\" or \"Pressure incorrect\"\n"
    "  3  a data file cannot be read (its error on stderr)\n"
    "  4  check: the catalogue breaks an invariant (listed on stdout)\n"
    "  65 build: the source text has an error (its line on stderr)\n"
    "  64 the command line is not understood\n";

#ifndef VDCAT_WITH_QT
// The commands that draw run in vdcat-render, the same tool with the Qt layer,
// found beside this executable.
int RunRenderer(char** argv) {
    std::string self(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    self.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    std::string renderer = self.substr(0, self.rfind('/') + 1) + "vdcat-render";
    argv[0] = renderer.data();
    ::execv(renderer.c_str(), argv);
    std::fprintf(stderr, "vdcat: cannot run %s: %s\n", renderer.c_str(), std::strerror(errno));
    return vdcat::kDataError;
}
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return vdcat::kUsage;
    }
    std::string cmd = argv[1];
    vdcat::Args args(argv + 2, argv + argc);
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        std::fputs(kUsage, stdout);
        return vdcat::kOk;
    }
    if (cmd == "select")
        return vdcat::RunSelect(args);
    if (cmd == "dump")
        return vdcat::RunDump(args);
    if (cmd == "build")
        return vdcat::RunBuild(args);
    if (cmd == "check")
        return vdcat::RunCheck(args);
#ifdef VDCAT_WITH_QT
    if (cmd == "preview")
        return vdcat::RunPreview(args);
    if (cmd == "print")
        return vdcat::RunPrint(args);
#else
    if (cmd == "preview" || cmd == "print")
        return RunRenderer(argv);
#endif
    std::fprintf(stderr, "vdcat: unknown command '%s'\n\n", cmd.c_str());
    std::fputs(kUsage, stderr);
    return vdcat::kUsage;
}
