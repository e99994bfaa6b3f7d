// SPDX-License-Identifier: MIT
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/commands.h"

namespace veltrisko::tool {

int UsageError(const std::string& message) {
  std::fprintf(stderr, "veltrisko-pattern: %s\nTry 'veltrisko-pattern --help'.\n", message.c_str());
  return 2;
}

}  // namespace veltrisko::tool

namespace {

constexpr const char* kHelp = R"(Usage: veltrisko-pattern COMMAND [OPTIONS]

Evaluates and draws antenna patterns given by HCM antenna codes.

Commands:
  eval      read queries from standard input, one per line, and answer each:
              component CODE ANGLE     relative field of one component
              gain CODE ANGLE          gain in dB of one component
              v6 HCODE VCODE AZ EL     combined attenuation in dB, HCM V6
              v7 HCODE VCODE AZ EL     combined attenuation in dB, HCM V7
            A CODE is percent-encoded (%20 is a blank, %25 a percent sign).
            A line longer than 65536 bytes answers "error: line too long".
  table     write the combined attenuation over the sphere as CSV:
              --horizontal CODE --vertical CODE [--rule v6|v7] [--step DEG]
              [--log DBRANGE] [--cut horizontal|vertical] [--output FILE.csv]
              [--force]
  render    draw the viewer's frame without a display and write a PNG:
              --horizontal CODE --vertical CODE [--rule v6|v7] [--log DBRANGE]
              [--step 15|10|6|3|2] [--azimuth DEG] [--elevation DEG] [--tilt DEG]
              [--no-surface] [--no-grid] [--no-false-colour]
              [--no-horizontal-diagram] [--no-vertical-diagram] [--no-cut]
              [--size WxH] [--force] --output FILE.png
  compare   where the HCM V6 and V7 rules disagree over the sphere of
            directions relative to the main direction:
              --horizontal CODE --vertical CODE [--step DEG] [--csv]
            prints the largest |V6 - V7| in dB and where it occurs (found on
            the grid at --step, default 1, then refined to 0.01 degrees), the
            mean difference and the shares of directions whose difference
            exceeds 1, 3 and 6 dB; mean and shares are weighted by the solid
            angle each grid direction stands for. --step: 0.05 to 90.
            With --csv it writes the whole grid instead, as CSV:
            azimuth,elevation,v6,v7,difference (dB).
              --pairs FILE.csv [--step DEG] [--output FILE.csv]
            compares every row of a list of code pairs: a CSV file whose
            header names the columns horizontal and vertical (other columns
            are kept). Writes the list with the figures above appended to
            each row (shares in percent) and an error column for a rejected
            code, and a summary on standard error; a pair given twice is
            computed once. Exit status 1 when a row was not compared.
  export    write the cuts of a code pair as an MSI Planet or CSV file:
              --horizontal CODE --vertical CODE [--rule v6|v7]
              [--component horizontal|vertical] [--gain DBI] [--name TEXT]
              [--format msi|csv] --output FILE   (FILE '-': standard output)
            The loss is the combined attenuation in dB under the rule (with
            --component, that component's own attenuation; the other cut 0 dB).
  fit       find the codes that best describe the cuts of pattern files:
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
            count as 40. Codes of the same cut are one result. --json: one
            object per file (an array for several).

Angles of the pattern files (1 degree apart, 0..359):
  horizontal  relative azimuth: 0 = main direction, increasing clockwise seen
              from above (as the viewer's azimuth increases)
  vertical    in the vertical plane through the main direction: 0 = horizon in
              front, 90 = straight down, 180 = horizon behind, 270 = straight up

A FILE of - is standard output. Every file is written whole or not at all.
Jobs above 10,000,000 table rows or 256 MB of picture memory need --force.

Options:
  --help     show this help
  --version  show the version
)";

// Writes `text` to standard output; a failed write (a full device, a closed
// pipe) is said and fails the command.
int Say(const char* text) {
  errno = 0;
  std::fputs(text, stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "veltrisko-pattern: cannot write to standard output: %s\n",
                 std::strerror(errno != 0 ? errno : EIO));
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace veltrisko::tool;
  if (argc < 2) return UsageError("missing command");
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h") return Say(kHelp);
  if (command == "--version") return Say("veltrisko-pattern " VELTRISKO_VERSION "\n");
  if (command == "eval") return RunEval(args);
  if (command == "table") return RunTable(args);
  if (command == "render") return RunRender(args);
  if (command == "compare") return RunCompare(args);
  if (command == "export") return RunExport(args);
  if (command == "fit") return RunFit(args);
  return UsageError("unknown command '" + command + "'");
}
