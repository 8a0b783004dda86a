#include "service_program.h"

#include "command_table.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

// The service program beside this one (the build tree), else where installing puts it relative
// to this program, else (no /proc) where the configured installation puts it.
fs::path serviceProgramPath() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::path(ZV_LIBEXEC_INSTALLED_DIR) / kServiceProgram;
    fs::path beside = self.parent_path() / kServiceProgram;
    if (fs::exists(beside, ec)) return beside;
    return self.parent_path().parent_path() / ZV_LIBEXEC_SUBDIR / kServiceProgram;
}

}  // namespace

int runInServiceProgram(CliContext& ctx) {
    const std::string program = serviceProgramPath().string();
    std::vector<std::string> args{program};
    if (ctx.dataDirOption) args.insert(args.end(), {"--data-dir", ctx.dataDirOption->string()});
    args.emplace_back(ctx.command);
    const Command* command = findCommand(commandTable(), ctx.command);
    for (const auto& [name, value] : ctx.options) {
        args.push_back(name);
        if (command && command->takesValue(name)) args.push_back(value);
    }
    args.insert(args.end(), ctx.args.begin(), ctx.args.end());
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    ctx.out.flush();
    ctx.err.flush();
    ::execv(program.c_str(), argv.data());
    ctx.err << "zelvora-cli: 通信用のプログラムを起動できません: " << program << " (" << std::strerror(errno) << ")\n";
    return 1;
}

}  // namespace zv::cli
