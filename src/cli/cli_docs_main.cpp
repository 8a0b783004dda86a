// zelvora-cli-docs man|completion FILE: writes zelvora-cli's man page or bash completion, made from
// its command table, when the program is built.
#include <fstream>
#include <iostream>
#include <string_view>

#include "command_docs.h"
#include "command_table.h"

int main(int argc, char** argv) {
    using namespace zv::cli;
    const std::string_view kind = argc == 3 ? argv[1] : "";
    if (kind != "man" && kind != "completion") {
        std::cerr << "usage: zelvora-cli-docs man|completion FILE\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << (kind == "man" ? manPage(commandTable()) : bashCompletion(commandTable()));
    out.close();
    if (!out) {
        std::cerr << "zelvora-cli-docs: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
