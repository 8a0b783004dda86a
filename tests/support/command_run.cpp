#include "command_run.h"

#include <sstream>
#include <stdexcept>

#include "cli/command_table.h"

namespace zv::fixture {

CommandRun runCommand(std::string_view command, const std::filesystem::path& dataFolder,
                      const std::vector<std::string>& args) {
    const cli::Command* found = cli::findCommand(cli::commandTable(), command);
    if (!found) throw std::logic_error("no command " + std::string(command));
    std::ostringstream out, err;
    cli::CliContext ctx(out, err, dataFolder);
    ctx.command = found->name;
    cli::parseArguments(*found, args, ctx);
    const int status = found->run(ctx);
    return {status, out.str(), err.str()};
}

}  // namespace zv::fixture
