#include "command_run.h"

#include <sstream>

namespace zv::fixture {

CommandRun runCommand(int (*command)(cli::CliContext&), const std::filesystem::path& dataFolder,
                      std::vector<std::string> args) {
    std::ostringstream out, err;
    cli::CliContext ctx{std::move(args), out, err, dataFolder};
    const int status = command(ctx);
    return {status, out.str(), err.str()};
}

}  // namespace zv::fixture
