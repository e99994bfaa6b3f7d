// SPDX-License-Identifier: MIT
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/cli/eval_queries.h"
#include "tools/cli/option_reader.h"
#include "tools/commands.h"

namespace veltrisko::tool {

int RunEval(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0] == "--help") return UsageError(HelpRequest("eval"));
  if (!args.empty()) return UsageError("eval reads its queries from standard input");
  const QueriesOutcome outcome = AnswerQueries(stdin, stdout);
  if (outcome.kind == QueriesOutcome::kReadFailed) {
    std::fprintf(stderr, "veltrisko-pattern: cannot read the queries: %s\n",
                 std::strerror(outcome.error));
    return 1;
  }
  if (outcome.kind == QueriesOutcome::kWriteFailed || std::fflush(stdout) != 0 ||
      std::ferror(stdout)) {
    std::fprintf(stderr, "veltrisko-pattern: cannot write the answers: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}

}  // namespace veltrisko::tool
