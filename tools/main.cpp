// SPDX-License-Identifier: MIT
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tools/cli/option_reader.h"
#include "tools/commands.h"
#include "tools/interrupt_cleanup.h"
#include "tools/standard_output.h"

namespace {

// The help of each command, as the whole help lists them.
struct CommandHelp {
  const char* name;
  const char* text;
};

constexpr const char* kHelpIntro = R"(Usage: veltrisko-pattern COMMAND [OPTIONS]

Evaluates and draws antenna patterns given by HCM antenna codes.

Commands:
)";

constexpr CommandHelp kCommandHelp[] = {
    {"eval", R"(  eval      read queries from standard input, one per line, and answer each:
              component CODE ANGLE     relative field of one component
              gain CODE ANGLE          gain in dB of one component
              v6 HCODE VCODE AZ EL     combined attenuation in dB, HCM V6
              v7 HCODE VCODE AZ EL     combined attenuation in dB, HCM V7
            A CODE is percent-encoded (%20 is a blank, %25 a percent sign).
            A line longer than 65536 bytes answers "error: line too long".
)"},
    {"table", R"(  table     write the combined attenuation over the sphere as CSV:
              --horizontal CODE --vertical CODE [--rule v6|v7] [--step DEG]
              [--log DBRANGE] [--cut horizontal|vertical] [--output FILE.csv]
              [--force]
)"},
    {"render", R"(  render    draw the viewer's frame without a display and write a PNG:
              --horizontal CODE --vertical CODE [--rule v6|v7] [--log DBRANGE]
              [--step 15|10|6|3|2] [--azimuth DEG] [--elevation DEG] [--tilt DEG]
              [--no-surface] [--no-grid] [--no-false-colour]
              [--no-horizontal-diagram] [--no-vertical-diagram] [--no-cut]
              [--size WxH] [--force] --output FILE.png
)"},
    {"compare", R"(  compare   where the HCM V6 and V7 rules disagree over the sphere of
            directions relative to the main direction:
              --horizontal CODE --vertical CODE [--step DEG] [--csv]
            prints the largest |V6 - V7| in dB and where it occurs (found on
            the grid at --step, default 1, then refined to 0.01 degrees), the
            mean difference and the shares of directions whose difference
            exceeds 1, 3 and 6 dB; mean and shares are weighted by the solid
            angle each grid direction stands for. --step: 0.05 to 90.
            With --csv it writes the whole grid instead, as CSV:
            azimuth,elevation,v6,v7,difference (dB).
              --pairs FILE.csv [--step DEG] [--output FILE.csv] [--strict]
              [--decimal point|comma]
            compares every row of a list of code pairs: CSV (comma, semicolon
            or tab; UTF-8 or Windows-1252) whose header names the columns
            horizontal and vertical (other columns are kept). Writes the list
            in its own separator, line ends and encoding with the figures
            above appended to each row (shares in percent; decimal commas in
            a semicolon list unless --decimal says otherwise), an error
            column for a rejected code and a warning column for a code off
            the seven-character form (--strict: such a row is not compared),
            and a summary on standard error; a pair given twice is computed
            once. Exit status 1 when a row was not compared.
)"},
    {"export", R"(  export    write the cuts of a code pair as an MSI Planet or CSV file:
              --horizontal CODE --vertical CODE [--rule v6|v7]
              [--component horizontal|vertical] [--gain DBI] [--name TEXT]
              [--format msi|csv] --output FILE   (FILE '-': standard output)
            The loss is the combined attenuation in dB under the rule (with
            --component, that component's own attenuation; the other cut 0 dB).
)"},
    {"fit", R"(  fit       find the codes that best describe the cuts of pattern files:
              FILE... [--criterion envelope|rms] [--tolerance DB] [--top N]
              [--csv | --json] [--no-align] [--exhaustive]
            FILE: MSI Planet (.msi .pln .txt .prn), NSMA (.adf), EDX (.pat),
            Radio Mobile (.ant) or CSV (.csv). Each cut is turned to its own
            maximum and normalised to 0 dB there (--no-align: the file's 0 and
            losses as they are); the report gives the main direction, the
            3-dB beamwidths and the front-to-back ratio.
            envelope: the code's attenuation is at most the measured loss plus
            the tolerance at every angle (default: half a unit of the file's
            last decimal); the smallest mean excess ranks first.
            rms: the smallest root-mean-square difference. Losses above 40 dB
            count as 40. Codes of the same cut are one result. --csv: one row
            per code, then the rows combined_v6 and combined_v7 of the best
            pair; --json: one object per file (an array for several).
)"},
};

constexpr const char* kHelpTail = R"(
Angles of the pattern files (1 degree apart, 0..359):
  horizontal  relative azimuth: 0 = main direction, increasing clockwise seen
              from above (as the viewer's azimuth increases)
  vertical    in the vertical plane through the main direction: 0 = horizon in
              front, 90 = straight down, 180 = horizon behind, 270 = straight up

A FILE of - is standard output. Every file is written whole or not at all.
Jobs above 10,000,000 table rows or 256 MB of picture memory need --force.
An option's value follows it (--step 2) or is joined to it (--step=2); each
option is given once.
)";

constexpr const char* kHelpOptions = R"(
Options:
  --help     show this help (COMMAND --help: that command's)
  --version  show the version
)";

std::string WholeHelp() {
  std::string help = kHelpIntro;
  for (const CommandHelp& command : kCommandHelp) help += command.text;
  return help + kHelpTail + kHelpOptions;
}

const CommandHelp* FindCommandHelp(const std::string& name) {
  for (const CommandHelp& command : kCommandHelp) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

// Writes `text` to standard output; a failed write (a full device, a closed
// pipe) is said and fails the command.
int Say(const std::string& text) {
  veltrisko::tool::PutOut(text);
  if (const std::optional<std::string> problem = veltrisko::tool::FinishStandardOutput()) {
    std::fprintf(stderr, "veltrisko-pattern: cannot write to standard output: %s\n",
                 problem->c_str());
    return 1;
  }
  return 0;
}

// "veltrisko-pattern table --help": the command's usage and description.
int SayCommandHelp(const CommandHelp& command) {
  return Say(std::string("Usage: veltrisko-pattern ") + command.name + " [OPTIONS]\n\n" +
             command.text + kHelpTail);
}

}  // namespace

namespace veltrisko::tool {

int UsageError(const std::string& message) {
  if (const std::optional<std::string> command = HelpRequested(message)) {
    if (const CommandHelp* help = FindCommandHelp(*command)) return SayCommandHelp(*help);
  }
  std::fprintf(stderr, "veltrisko-pattern: %s\nTry 'veltrisko-pattern --help'.\n", message.c_str());
  return 2;
}

}  // namespace veltrisko::tool

int main(int argc, char** argv) {
  using namespace veltrisko::tool;
  RemoveTemporaryFileOnInterrupt();
  if (argc < 2) return UsageError("missing command");
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h") {
    if (args.empty()) return Say(WholeHelp());
    const CommandHelp* help = args.size() == 1 ? FindCommandHelp(args[0]) : nullptr;
    if (help == nullptr) return UsageError("--help takes at most one word, a command's name");
    return SayCommandHelp(*help);
  }
  if (command == "--version") {
    if (!args.empty()) return UsageError("--version takes no arguments");
    return Say("veltrisko-pattern " VELTRISKO_VERSION "\n");
  }
  if (command == "eval") return RunEval(args);
  if (command == "table") return RunTable(args);
  if (command == "render") return RunRender(args);
  if (command == "compare") return RunCompare(args);
  if (command == "export") return RunExport(args);
  if (command == "fit") return RunFit(args);
  return UsageError("unknown command '" + command + "'");
}
