// The command table and what is made from it: the parser, --help of the program and of each
// command, the man page and the bash completion.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "cli/command_docs.h"
#include "cli/command_table.h"
#include "support/data_set_fixture.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace zv::cli {
namespace {

struct ProgramRun {
    int status;
    std::string out;
};

ProgramRun runShell(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

ProgramRun runProgram(const std::string& args) {
    return runShell(std::string(ZV_CLI_PROGRAM) + " " + args + " 2>/dev/null");
}

std::set<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::set<std::string> all;
    for (std::string word; in >> word;) all.insert(word);
    return all;
}

// The option names a command takes, with --help.
std::set<std::string> optionNamesOf(const Command& command) {
    std::set<std::string> names{"--help"};
    for (const OptionSpec& option : command.options) names.emplace(option.name());
    if (command.serviceOptions) {
        for (const OptionSpec& option : serviceOptions()) names.emplace(option.name());
    }
    return names;
}

TEST(CliHelp, TheProgramsHelpHasOneLineForEachCommandInTableOrder) {
    ProgramRun help = runProgram("--help");
    EXPECT_EQ(help.status, 0);
    size_t at = help.out.find("コマンド:\n");
    ASSERT_NE(at, std::string::npos);
    for (const Command& command : commandTable()) {
        at = help.out.find("\n  " + std::string(command.name) + " ", at);
        ASSERT_NE(at, std::string::npos) << command.name;
        EXPECT_EQ(help.out.find(command.summary, at), help.out.find('\n', at + 1) - command.summary.size())
            << command.name;
    }
    EXPECT_EQ(help.out.find("\n\n", at), help.out.find('\n', at + 1));
}

TEST(CliHelp, EachCommandsHelpGivesItsUsageSummaryAndOptions) {
    for (const Command& command : commandTable()) {
        ProgramRun help = runProgram(std::string(command.name) + " --help");
        EXPECT_EQ(help.status, 0) << command.name;
        EXPECT_EQ(
            help.out.rfind(
                "使い方: zelvora-cli " + std::string(command.usage) + "\n" + std::string(command.summary) + "\n", 0),
            0u)
            << help.out;
        for (const OptionSpec& option : command.options) {
            EXPECT_NE(help.out.find("  " + std::string(option.option) + " "), std::string::npos) << command.name;
            EXPECT_NE(help.out.find(option.text), std::string::npos) << command.name << " " << option.option;
        }
        EXPECT_EQ(help.out.find("--service-host URL") != std::string::npos, command.serviceOptions) << command.name;
    }
}

// The message says what is wrong in Japanese; the usage follows it.
TEST(CliHelp, AWrongCommandLineGetsAJapaneseMessageTheUsageAndStatusTwo) {
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"", ""},
        {"no-such-command --help", "そのようなコマンドはありません: no-such-command"},
        {"show 0 --no-such-option", "show には --no-such-option というオプションはありません"},
        {"show 0 --json --json", "--json が 2 回指定されています"},
        {"betlines 0 --out", "--out には値を指定してください"},
        {"show 0 --sort-column", "--sort-column には値を指定してください"},
        {"show", "show にはレース番号を 1 つ指定してください"},
        {"csv extra", "csv には --yes のほかに引数を指定できません"},
        {"demo --seed x", "--seed には 0 以上の整数を指定してください"},
        {"season --days 0 d", "--days には 1 から 1000 までの整数を指定してください"},
    };
    fixture::TempFolder folder;
    for (const Case& c : cases) {
        ProgramRun run = runShell(std::string(ZV_CLI_PROGRAM) + " --data-dir " + folder.path().string() + " " + c.args +
                                  " 2>&1 >/dev/null");
        EXPECT_EQ(run.status, 2) << c.args;
        const std::string start = *c.message ? "zelvora-cli: " + std::string(c.message) + "\n" : "";
        EXPECT_EQ(run.out.rfind(start + "使い方: zelvora-cli [--data-dir DIR] COMMAND [ARGS]\nコマンド:\n", 0), 0u)
            << run.out;
        EXPECT_NE(run.out.find("通信のオプション: [--user ID]"), std::string::npos) << c.args;
    }
}

TEST(CliParser, OptionsAreSortedOutByTheCommandsTable) {
    const Command& download = *findCommand(commandTable(), "download");
    std::ostringstream out, err;
    CliContext ctx(out, err);
    parseArguments(download, {"a.lzh", "--dir", "--yes", "--yes", "b.lzh", "--password-stdin"}, ctx);
    // A value is taken as it is, even when it looks like an option.
    EXPECT_EQ(ctx.args, (std::vector<std::string>{"a.lzh", "b.lzh"}));
    EXPECT_EQ(ctx.option("--dir"), "--yes");
    EXPECT_TRUE(ctx.flag("--yes"));
    EXPECT_TRUE(ctx.flag("--password-stdin"));
    EXPECT_FALSE(ctx.option("--user"));

    struct Case {
        const char* command;
        std::vector<std::string> args;
    };
    const Case wrong[] = {
        {"show", {"0", "--out", "x"}},        // another command's option
        {"catalogue", {"--yes"}},             // download's option, not catalogue's
        {"show", {"0", "--json", "--json"}},  // twice
        {"kmi", {"out.kmi", "--race"}},       // no value
        {"races", {"--password-stdin"}},      // a service option
    };
    for (const Case& c : wrong) {
        CliContext wrongCtx(out, err);
        EXPECT_THROW(parseArguments(*findCommand(commandTable(), c.command), c.args, wrongCtx), UsageError)
            << c.command << " " << c.args.back();
    }
}

TEST(CliHelp, TheBuiltManPageIsMadeFromTheTableAndNamesEveryCommandAndOption) {
    const std::string manPage = fixture::readFile(ZV_CLI_MAN_PAGE);
    EXPECT_EQ(manPage, cli::manPage(commandTable()));
    // Hyphens are escaped, names bold, values in italics.
    EXPECT_NE(manPage.find("\\fBshow\\fR \\fIR\\fR [\\fB\\-\\-json\\fR] [\\fB\\-\\-sort\\-column\\fR \\fIC\\fR]"),
              std::string::npos);
    auto inManPage = [&](std::string_view text) {
        std::string escaped;
        for (char c : text) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        return manPage.find("\\fB" + escaped + "\\fR") != std::string::npos;
    };
    for (const Command& command : commandTable()) {
        EXPECT_TRUE(inManPage(command.name)) << command.name;
        EXPECT_NE(manPage.find(command.summary), std::string::npos) << command.name;
        for (const std::string& option : optionNamesOf(command)) EXPECT_TRUE(inManPage(option)) << option;
    }
    for (const OptionSpec& option : commonOptions()) EXPECT_TRUE(inManPage(option.name())) << option.name();
}

// The completion as bash runs it, with the bash-completion helpers it calls stubbed: each line of
// queries is one command line being completed, its last word the one under the cursor.
class CliCompletion : public ::testing::Test {
protected:
    std::vector<std::string> complete(const std::vector<std::string>& lines) {
        std::string text =
            "_init_completion() { words=(\"${COMP_WORDS[@]}\"); cword=$COMP_CWORD; cur=${words[cword]};"
            " prev=${words[cword-1]}; }\n"
            "_filedir() { COMPREPLY=(\"<files${1:+ $1}>\"); }\n"
            "source '" ZV_CLI_COMPLETION
            "'\n"
            "query() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _zelvora_cli;"
            " echo \"${COMPREPLY[*]}\"; }\n";
        for (const std::string& line : lines) text += "query zelvora-cli " + line + "\n";
        fixture::writeFile(folder.path(), "run.bash", text);
        ProgramRun run = runShell("bash " + (folder.path() / "run.bash").string());
        EXPECT_EQ(run.status, 0);
        std::vector<std::string> answers;
        std::istringstream in(run.out);
        for (std::string answer; std::getline(in, answer);) answers.push_back(answer);
        EXPECT_EQ(answers.size(), lines.size());
        answers.resize(lines.size());
        return answers;
    }

    fixture::TempFolder folder;
};

TEST_F(CliCompletion, OffersTheCommandsAndEachCommandsOptions) {
    std::vector<std::string> lines{"''", "--data-dir /tmp ''"};
    for (const Command& command : commandTable()) lines.push_back(std::string(command.name) + " --");
    const std::vector<std::string> answers = complete(lines);

    std::set<std::string> first{"--data-dir", "--help"};
    for (const Command& command : commandTable()) first.emplace(command.name);
    EXPECT_EQ(words(answers[0]), first);
    EXPECT_EQ(words(answers[1]), first);
    for (size_t i = 0; i < commandTable().size(); ++i) {
        EXPECT_EQ(words(answers[i + 2]), optionNamesOf(commandTable()[i])) << commandTable()[i].name;
    }
}

TEST_F(CliCompletion, OffersWhatAnOptionsValueOrACommandsArgumentsAre) {
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"show 0 --sort-column ''", "1 2 7 8 9 10"},
        {"--data-dir ''", "<files -d>"},
        {"betlines 0 --out ''", "<files>"},
        {"download --dir ''", "<files -d>"},
        {"catalogue --ca-file ''", "<files>"},
        {"demo --seed ''", ""},
        {"open ''", "<files @(lzh|LZH|lha|LHA)>"},
        {"season ''", "<files -d>"},
        {"report ''", "<files>"},
        {"races ''", ""},
    };
    std::vector<std::string> lines;
    for (const Case& c : cases) lines.emplace_back(c.line);
    const std::vector<std::string> answers = complete(lines);
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(answers[i], cases[i].answer) << cases[i].line;
}

}  // namespace
}  // namespace zv::cli
