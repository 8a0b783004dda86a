// zelvora-cli catalogue and download against the fake service, run as a separate process.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "data/sjis.h"
#include "data/store.h"
#include "data/temporary_files.h"
#include "service/billing_log.h"
#include "service/credential_cipher.h"
#include "service/prepare_catalogue.h"
#include "service_fixture.h"

namespace zv {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// A data set of two races in an archive, as the service sells it.
std::string dataSetArchive() {
    fixture::TempFolder folder;
    fixture::writeDataSet(folder.path(), {"02", "03"});
    std::vector<fixture::ArchiveMember> members;
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        members.push_back({name, fixture::readFile(folder.path() / name)});
    }
    return fixture::lhaArchive(members);
}

class CliService : public ::testing::Test {
protected:
    CliService() {
        std::string https = service_.hostPort(true);
        service_.putFile(kSettingsFilePath, "[SITE_AUTH]\r\nURLB=" + https +
                                                "/login\r\n"
                                                "[SITE_DATA_MEMBER]\r\nURLB=" +
                                                https +
                                                "/member\r\n"
                                                "[SITE_DATA_GUEST]\r\nURLB=" +
                                                https +
                                                "/guest\r\n"
                                                "[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/all/\r\nPRICE=1000,800\r\n"
                                                "FILE=hb0411.lzh\r\nFILE=hb0412.lzh\r\nFILE=hb0413.lzh\r\n");
        service_.putFile("/member/all/hb0411.lzh", dataSetArchive());
        service_.putFile("/member/all/hb0412.lzh", dataSetArchive());
        std::filesystem::create_directories(download());
        fixture::writeFile(download(), "hb0413.lzh", "already here");
    }

    std::filesystem::path download() const { return home_.path() / "BVO"; }
    std::filesystem::path data() const { return home_.path() / "data"; }

    CliRun run(const std::string& args, const std::string& input = "member-pw\n") const {
        int status = std::system(shellCommand(args, input).c_str());
        return {WEXITSTATUS(status), fixture::readFile(home_.path() / "stdout"),
                fixture::readFile(home_.path() / "stderr")};
    }
    // The command runs as the returned process (the shell execs it).
    pid_t start(const std::string& args, const std::string& input = "member-pw\n") const {
        const std::string command = "exec env " + shellCommand(args, input);
        pid_t pid = ::fork();
        if (pid == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        return pid;
    }
    std::string shellCommand(const std::string& args, const std::string& input) const {
        fixture::writeFile(home_.path(), "stdin", input);
        return "XDG_CONFIG_HOME='" + (home_.path() / "config").string() + "' '" + ZV_CLI + "' --data-dir '" +
               data().string() + "' " + args + " < '" + (home_.path() / "stdin").string() + "' > '" +
               (home_.path() / "stdout").string() + "' 2> '" + (home_.path() / "stderr").string() + "'";
    }
    // The partial files in the download folder.
    std::vector<std::string> partialFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(download())) {
            if (isTemporaryName(entry.path().filename().string())) names.push_back(entry.path().filename().string());
        }
        return names;
    }
    std::string serviceOptions() const {
        return "--service-host " + service_.hostPort(false) + " --ca-file '" + service_.caFile().string() +
               "' --dir '" + download().string() + "'";
    }
    void storeSettings(const std::string& password) const {
        std::filesystem::create_directories(home_.path() / "config" / "Zelvora");
        fixture::writeFile(home_.path() / "config" / "Zelvora", "Zelvora.conf",
                           "[Data]\nProvider=0\nUserID=member-id\nPassword=" + encipherPassword(password) +
                               "\nServiceHost=" + service_.hostPort(false) + "\nCAFile=" + service_.caFile().string() +
                               "\nDir=" + download().string() + "\n");
    }

    fixture::FakeService service_;
    fixture::TempFolder home_;
};

TEST_F(CliService, CatalogueListsWhatCanBeBought) {
    CliRun r = run("catalogue --user member-id --password-stdin " + serviceOptions());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "hb0411.lzh\t出馬表+競走馬\t840円\nhb0412.lzh\t出馬表+競走馬\t840円\n");
    EXPECT_NE(r.err.find("member-idはBIGLOBEメンバーとして認証されています"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(data() / kSettingsFileName));
}

// Also run through tests/support/keyring_session.sh: with a keyring the command moves the stored
// password there at its start and reads it from there.
TEST_F(CliService, CatalogueWithStoredSettings) {
    storeSettings("member-pw");
    CliRun r = run("catalogue", "");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "hb0411.lzh\t出馬表+競走馬\t840円\nhb0412.lzh\t出馬表+競走馬\t840円\n");
    const bool inFile =
        fixture::readFile(home_.path() / "config" / "Zelvora" / "Zelvora.conf").find(encipherPassword("member-pw")) !=
        std::string::npos;
    EXPECT_EQ(inFile, std::getenv("ZV_KEYRING_SESSION") == nullptr);
    r = run("catalogue", "");
    EXPECT_EQ(r.status, 0) << r.err;
    storeSettings("wrong");
    r = run("catalogue", "");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("認証できませんでした。"), std::string::npos);
}

TEST_F(CliService, DownloadBuysLogsAndLoads) {
    service_.failFirst("/member/all/hb0412.lzh", 1);
    CliRun r = run("download --yes --user member-id --password-stdin " + serviceOptions() + " hb0411.lzh hb0412.lzh");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (download() / "hb0411.lzh").string() + "\t2\n");
    EXPECT_NE(r.err.find("チェックされたファイルの合計金額は1680円(税込)になります。"), std::string::npos);
    EXPECT_NE(r.err.find("hb0412.lzhをダウンロード中..."), std::string::npos);
    std::string log = fixture::readFile(data() / kBillingLogName);
    EXPECT_NE(log.find(sj("    hb0412.lzh    840円    member-id@BIGLOBE\r\n")), std::string::npos);
    EXPECT_TRUE(log.ends_with(sj("    hb0411.lzh    840円    member-id@BIGLOBE\r\n"))) << "the top row comes last";
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_TRUE(std::filesystem::exists(data() / kHeaderFile));
    EXPECT_EQ(fixture::readFile(download() / "hb0412.lzh"), dataSetArchive());
}

// Ctrl+C, SIGTERM or the terminal's hang-up during a transfer stops the download and removes its
// partial file and the service's settings file, each with its own exit status; a download killed
// outright leaves the partial file, and the next download into the folder removes it.
TEST_F(CliService, AnInterruptedDownloadLeavesNoPartialFile) {
    service_.putFile("/member/all/hb0411.lzh.stall", "");
    const std::string stalled = "download --yes --user member-id --password-stdin " + serviceOptions() + " hb0411.lzh";
    struct Case {
        int signal;
        const char* name;
        int status;  // -1: killed
    };
    for (const Case& c : {Case{SIGINT, "SIGINT", 130}, Case{SIGTERM, "SIGTERM", 143}, Case{SIGHUP, "SIGHUP", 129},
                          Case{SIGKILL, "SIGKILL", -1}}) {
        const int signal = c.signal;
        SCOPED_TRACE(c.name);
        const pid_t cli = start(stalled);
        for (int waited = 0; partialFiles().empty() && waited < 3000; ++waited) ::usleep(10000);
        ASSERT_EQ(partialFiles().size(), 1u)
            << "the transfer never began: " << fixture::readFile(home_.path() / "stderr");
        ::kill(cli, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(cli, &status, 0), cli);
        if (c.status >= 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.status)
                << fixture::readFile(home_.path() / "stderr");
            EXPECT_EQ(partialFiles(), std::vector<std::string>{});
            EXPECT_FALSE(std::filesystem::exists(data() / kSettingsFileName));
        } else {
            EXPECT_EQ(partialFiles().size(), 1u);
        }
        EXPECT_FALSE(std::filesystem::exists(download() / "hb0411.lzh"));
    }
    CliRun next = run("download --yes --user member-id --password-stdin " + serviceOptions() + " hb0412.lzh");
    EXPECT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(partialFiles(), std::vector<std::string>{});
}

TEST_F(CliService, DownloadRefusals) {
    struct Case {
        std::string args;
        std::string input;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"download --user member-id --password-stdin " + serviceOptions() + " hb0411.lzh", "member-pw\n", 2,
         "--password-stdin では標準入力でパスワードを読むため、合計金額の確認に答えられません: --yes "
         "も指定してください"},
        {"download --yes --user member-id --password-stdin " + serviceOptions() + " hb0413.lzh", "member-pw\n", 1,
         "hb0413.lzh はダウンロードできるファイルの一覧にありません"},
        {"download --yes " + serviceOptions() + " hb0411.lzh", "", 2,
         "ユーザーIDとパスワードが保存されていません: --user ID と --password-stdin で指定してください"},
        {"download --yes --user member-id " + serviceOptions() + " hb0411.lzh", "", 2,
         "--user と --password-stdin は組で指定してください"},
        {"download --yes --user member-id --password-stdin " + serviceOptions(), "member-pw\n", 2,
         "download にはファイル名 FILE を 1 つ以上指定してください"},
        {"download --yes --user member-id --password-stdin " + serviceOptions() + " hb0411.lzh", "", 2,
         "--password-stdin: 標準入力にパスワードがありません"},
    };
    for (const Case& c : cases) {
        CliRun r = run(c.args, c.input);
        EXPECT_EQ(r.status, c.status) << c.message << ": " << r.err;
        EXPECT_NE(r.err.find("zelvora-cli: " + std::string(c.message) + "\n"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(download() / "hb0411.lzh")) << c.message;
        EXPECT_FALSE(std::filesystem::exists(data() / kBillingLogName)) << c.message;
    }
}

// The account goes out as Shift_JIS: what it cannot hold is refused before any request.
TEST_F(CliService, AccountTextShiftJisCannotHoldIsRefused) {
    struct Case {
        std::string user;
        std::string password;
        const char* field;
    };
    const Case cases[] = {
        {"member-\xED\x95\x9C", "member-pw\n", "ID"},                 // a Hangul syllable
        {"member-id", "member-pw-\xF0\x9F\x90\x8E\n", "パスワード"},  // an emoji
    };
    for (const Case& c : cases) {
        CliRun r = run("download --yes --user '" + c.user + "' --password-stdin " + serviceOptions() + " hb0411.lzh",
                       c.password);
        EXPECT_EQ(r.status, 1) << c.field << ": " << r.err;
        EXPECT_NE(r.err.find(std::string(c.field) + "に使用できない文字が含まれています"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(download() / "hb0411.lzh")) << c.field;
        EXPECT_FALSE(std::filesystem::exists(data() / kBillingLogName)) << c.field;
    }
}

// The password takes standard input, so the total price could not be confirmed there.
TEST_F(CliService, PasswordFromStandardInputNeedsYes) {
    CliRun r = run("download --user member-id --password-stdin " + serviceOptions() + " hb0411.lzh");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--yes"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("チェックされたファイルの合計金額"), std::string::npos) << r.err;
    EXPECT_TRUE(service_.requests().empty());

    storeSettings("member-pw");
    r = run("download " + serviceOptions() + " hb0411.lzh", "n\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("チェックされたファイルの合計金額は840円(税込)になります。"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(download() / "hb0411.lzh"));
}

TEST_F(CliService, FailedLoginRequestSaysWhyOnTheNextLine) {
    CliRun r = run("catalogue --user member-id --password-stdin --service-host " + service_.hostPort(false) +
                   " --ca-file '" + service_.unrelatedCaFile().string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("認証先のサーバーに接続できませんでした。\n\nもう一度認証をやり直してください。\n原因: " +
                         service_.hostPort(true) + " のサーバー証明書を信頼できません\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("ユーザーIDとパスワード"), std::string::npos) << r.err;
}

// The service commands run in a program of their own; without it, they fail plainly.
TEST(CliServiceProgram, MissingProgramIsReported) {
    fixture::TempFolder folder;
    std::filesystem::copy_file(ZV_CLI, folder.path() / "zelvora-cli");
    std::filesystem::path err = folder.path() / "stderr";
    std::string command = "'" + (folder.path() / "zelvora-cli").string() + "' --data-dir '" + folder.path().string() +
                          "' catalogue 2> '" + err.string() + "'";
    int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(fixture::readFile(err).find("通信用のプログラムを起動できません"), std::string::npos)
        << fixture::readFile(err);
}

}  // namespace
}  // namespace zv
