// vdcat's help: the overview and each command's own page. The manual page
// vdcat.1 says the same; a test keeps the two in step.
#include "commands.h"

#include <cstring>

namespace vdcat {
namespace {

#define VDCAT_DUTY_OPTIONS                                                                         \
    "duty options:\n"                                                                              \
    "  --volume V --volume-unit U      the air volume; U is m3/s, m3/h, l/s or cfm\n"              \
    "  --pressure P --pressure-unit U  the pressure; U is Pa, N/m2, mmwg or inwg\n"                \
    "      V and P are numbers in the C format (1500, 0.25, 2e3); anything else\n"                 \
    "      is refused with \"Volume incorrect\" or \"Pressure incorrect\" (exit 2)\n"              \
    "  --pressure-type static|total    default as the input page takes it: static\n"               \
    "      with EH or AQ included, total otherwise; total with EH or AQ is\n"                      \
    "      refused with language text 127 (exit 2)\n"                                              \
    "  --deviation D                   allowed deviation in percent, default 15,\n"                \
    "      brought into 0..100\n"                                                                  \
    "  --supply 0..4                   default 0, any supply; 1 230 V 1~ 50 Hz,\n"                 \
    "      2 230/400 V 3~ 50 Hz, 3 110-127 V 1~ 60 Hz, 4 220 V 1~ 60 Hz\n"                         \
    "  --include FLAG,...              families to include, default none: PW BNBQ\n"               \
    "      MT MTZ MTZL GHJ GHZ UDY UDYZ UVJ UVX LW EH AQ; fans of other\n"                         \
    "      families are always candidates\n"                                                       \
    "  --language XX                   UK, SW, FI, FR or IT; default the setup\n"                  \
    "      file's language\n"                                                                      \
    "  --data DIR                      the data tree with dat/ and txt/; default the\n"            \
    "      tree beside vdcat, else the installed one, else the current directory\n"

const char* kOverview =
    "usage: vdcat COMMAND [options]\n"
    "       vdcat COMMAND --help     the options of one command\n"
    "\n"
    "commands:\n"
    "  select     the fans that meet a duty, as the results grid lists them\n"
    "  explain    why one fan is or is not listed for a duty\n"
    "  schedule   the first fans of every duty of a CSV schedule\n"
    "  dump       the catalogue as readable text\n"
    "  build      readable text -> catalogue file\n"
    "  check      names every broken invariant of the catalogue\n"
    "  preview    renders a bmp, wmf, rtf or text file as the program shows it\n"
    "  print      the data sheet, quotation and instruction sheet of a fan as a PDF\n"
    "  diagram    the performance diagram of a fan with its data table, as PNG or SVG\n"
    "  serve      the selection as a JSON service over HTTP\n"
    "\n"
    "exit codes:\n"
    "  0   success\n"
    "  1   no fan meets the duty (language text 95 on stderr)\n"
    "  2   the duty is refused: \"Volume incorrect\", \"Pressure incorrect\" or\n"
    "      language text 127 on stderr\n"
    "  3   a data file cannot be read (its error on stderr)\n"
    "  4   check: the catalogue breaks an invariant (listed on stdout)\n"
    "  5   print, schedule: part of the work could not be done (named on stderr)\n"
    "  64  the command line is not understood\n"
    "  65  build: the source text has an error (its line on stderr)\n";

const char* kSelect =
    "usage: vdcat select DUTY-OPTIONS [--rejects] [--steps] [--format tsv|csv|json]\n"
    "                    [--header] [--encoding utf8|cp1252]\n"
    "Runs the selection of the select button and prints the results in the grid's\n"
    "order (largest Vol.% first).\n"
    "\n" VDCAT_DUTY_OPTIONS "\n"
    "output options:\n"
    "  --format tsv|csv|json  default tsv: cells 0 to 22 of each row joined by TAB;\n"
    "      csv: RFC 4180 in UTF-8 under the grid's headings in the chosen language;\n"
    "      json: one object with duty, units and rows (numbers in the duty's units)\n"
    "  --header               tsv: a line of the grid's headings first (csv always\n"
    "      has one; json has none)\n"
    "  --rejects              also list the rejected fans with their reason: tsv in\n"
    "      cell 2, csv in a last Reject column, json as \"reject\"\n"
    "  --steps                for each listed fan the slowest speed step that still\n"
    "      delivers the duty volume on the same system curve: its step number,\n"
    "      voltage and Vol.%; full speed for a one-curve fan or when no slower\n"
    "      step does\n"
    "  --encoding utf8|cp1252 tsv texts, default utf8\n";

const char* kExplain =
    "usage: vdcat explain DUTY-OPTIONS --fan N [--format text|json]\n"
    "Says why fan N is or is not listed for the duty: each test of the selection\n"
    "in the run's order (family flag, supply phase, Hz and volts, operating point,\n"
    "minimum pressure, deviation band) with the values compared and its outcome,\n"
    "then the verdict: listed, or the reject reason as --rejects shows it.\n"
    "\n" VDCAT_DUTY_OPTIONS "\n"
    "  --fan N                the fan's number; one outside the catalogue is a\n"
    "      usage error\n"
    "  --format text|json     default text\n";

const char* kSchedule =
    "usage: vdcat schedule FILE [--data DIR] [--language XX] [--top K]\n"
    "                      [--format csv|json] [--steps] [--print DIR]\n"
    "Selects for every line of a duty schedule in CSV, whose header names the\n"
    "columns tag, volume, volume_unit, pressure, pressure_unit, pressure_type,\n"
    "families and optionally deviation (default 15) and supply (default 0);\n"
    "families are flag names separated by blanks or semicolons. The catalogue\n"
    "is read once. Each line gives the first K rows of its results, tagged.\n"
    "A bad line is reported on stderr with its line number; the others are\n"
    "still done and the exit code is then 5.\n"
    "\n"
    "  --top K                rows per duty, default 3\n"
    "  --format csv|json      default csv\n"
    "  --steps                the slowest sufficient speed step of each row\n"
    "  --print DIR            the printouts of each duty's first fan as DIR/TAG.pdf\n"
    "  --data DIR, --language XX  as for select\n";

const char* kDump = "usage: vdcat dump [--data DIR]\n"
                    "Prints the catalogue as readable text on stdout.\n";

const char* kBuild = "usage: vdcat build SOURCE --out FILE\n"
                     "Writes the catalogue file FILE from readable text; nothing is written\n"
                     "when the text has an error (exit 65, its line on stderr).\n";

const char* kCheck = "usage: vdcat check [--data DIR]\n"
                     "Names every broken invariant of the catalogue on stdout (exit 4).\n";

const char* kPreview = "usage: vdcat preview FILE --out PNG [--size WxH]\n"
                       "Renders a bmp, wmf, rtf or text file as the program shows it, into a\n"
                       "PNG: pictures at their natural size unless --size is given, texts at\n"
                       "400 pixels wide.\n";

const char* kPrint =
    "usage: vdcat print DUTY-OPTIONS --fan N --out FILE.pdf\n"
    "                   [--only summary,quotation,instructions] [--dpi D] [--date T]\n"
    "                   [--company T] [--attention T] [--project T] [--reference T]\n"
    "                   [--quote T] [--item T] [--contact T] [--qty T] [--value T]\n"
    "                   [--despatch T] [--delivery T] [--validity T] [--terms T]\n"
    "                   [--ancillaries P,P,...]\n"
    "Prints the data sheet, quotation and instruction sheet of fan N, which must\n"
    "be among the results of the duty, as the pages of one PDF. A missing\n"
    "drawing, picture or text is named on stderr, the rest is printed and the\n"
    "exit code is 5.\n"
    "\n" VDCAT_DUTY_OPTIONS "\n"
    "  --only LIST            default summary,quotation,instructions\n"
    "  --dpi D                resolution, 20 to 2400, default 600\n"
    "  --date T               default today, written dd/MM/yyyy\n"
    "  --ancillaries P,...    positions 0..18 of the ancillaries list to tick; each\n"
    "      must be an item the fan's list holds\n"
    "  the other texts are printed as given, default empty\n";

const char* kDiagram =
    "usage: vdcat diagram DUTY-OPTIONS --fan N --out FILE [--format png|svg]\n"
    "                     [--size WxH]\n"
    "Draws the performance diagram of fan N, which must be among the results of\n"
    "the duty, with its data table, as the diagram page shows them.\n"
    "\n" VDCAT_DUTY_OPTIONS "\n"
    "  --format png|svg       default png; svg where the build has Qt's SVG module\n"
    "  --size WxH             default 545x342, the diagram page's picture; each\n"
    "      side 1 to 4096 pixels, the drawing stretched to fill it\n";

const char* kServe =
    "usage: vdcat serve [--data DIR] [--listen HOST:PORT] [--threads N]\n"
    "Answers selections over HTTP/1.1 with the documents of select and explain.\n"
    "The catalogue is read once and shared by every request; a catalogue file\n"
    "replaced on disk is read anew for the next request, and every answer names\n"
    "the catalogue it came from in its X-Catalogue-SHA256 header. One line a\n"
    "request goes to stderr: method, path, status, microseconds.\n"
    "\n"
    "  --listen HOST:PORT     default 127.0.0.1:8080; port 0 takes a free port;\n"
    "      the address bound is written to stderr\n"
    "  --threads N            worker threads, default 64; each open connection\n"
    "      holds one while it stays open\n"
    "  --data DIR             as for select\n"
    "\n"
    "endpoints:\n"
    "  GET  /healthz          200 while the catalogue can be read\n"
    "  GET  /v1/catalogue     records, families with their flag, units, languages,\n"
    "      the catalogue's sha256 and modification time\n"
    "  POST /v1/select        body {\"volume\": 2500, \"volume_unit\": \"m3/h\",\n"
    "      \"pressure\": 250, \"pressure_unit\": \"Pa\"} and optionally\n"
    "      \"pressure_type\", \"deviation\", \"supply\", \"families\" (a list),\n"
    "      \"rejects\", \"steps\", \"language\": the JSON document of select\n"
    "  POST /v1/explain       the same body and \"fan\": N: the JSON document of\n"
    "      explain\n"
    "  GET  /v1/fans/N        fan N's fields as dump names them\n"
    "  POST /v1/diagram       the explain body and \"format\" (\"png\" or \"svg\"),\n"
    "      \"width\", \"height\" (one alone keeps the proportions): the picture of\n"
    "      diagram, drawn by vdcat-render beside vdcat (30 s at most)\n"
    "  POST /v1/print         the explain body and the texts of print's options\n"
    "      (\"company\": \"...\", ...), \"only\" and \"ancillaries\" (lists or texts):\n"
    "      the PDF of print, drawn by vdcat-render beside vdcat (30 s at most);\n"
    "      header X-Incomplete when some of the fan's material is missing\n"
    "errors are {\"error\": ..., \"field\": ...}: 400 a bad body (the field at\n"
    "fault), 404 an unknown fan or path, 405 a wrong method, 413 a body over\n"
    "64 KiB, 503 while the catalogue cannot be read or a drawing cannot be made.\n";

struct Page {
    const char* command;
    const char* text;
};

const Page kPages[] = {
    {"", kOverview},   {"select", kSelect},   {"explain", kExplain}, {"schedule", kSchedule},
    {"dump", kDump},   {"build", kBuild},     {"check", kCheck},     {"preview", kPreview},
    {"print", kPrint}, {"diagram", kDiagram}, {"serve", kServe},
};

} // namespace

const char* HelpText(const std::string& command) {
    for (const Page& p : kPages)
        if (command == p.command)
            return p.text;
    return nullptr;
}

} // namespace vdcat
