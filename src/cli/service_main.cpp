// zelvora-cli-service: the catalogue and download commands of zelvora-cli, which starts this
// program for them. It links the network and settings libraries the other commands do without.
// The application object gives the keyring's jobs their event loop.
#include <QCoreApplication>

#include "command_line.h"
#include "command_table.h"
#include "commands.h"

namespace {

using namespace zv::cli;

constexpr LocalHandler kHere[] = {{"catalogue", cmdCatalogue}, {"download", cmdDownload}};

}  // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    return runCommandLine(argc, argv, commandTable(), kHere);
}
